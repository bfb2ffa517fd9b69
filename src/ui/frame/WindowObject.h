#pragma once
// The one route from a window to the object wrapping it, a form or a control: a property the
// object sets on its window. Unlike the window's user data or procedure, a property stays
// where something else subclasses the window.
#include <windows.h>

namespace porutena {

class TWindowObject {
public:
    TWindowObject() = default;
    TWindowObject(const TWindowObject&) = delete;
    TWindowObject& operator=(const TWindowObject&) = delete;
    virtual ~TWindowObject() = default;

    // The object wrapping `window`, or null; null for every window of another process.
    static TWindowObject* FromWindow(HWND window);

protected:
    // From now on `window` leads to this object (a control's helper window may lead to it too).
    // A form unbinds itself when its window goes.
    void Bind(HWND window);
    // As Bind, for a window that may go before this object: the binding ends with the window,
    // and WindowGone tells this object so.
    void BindUntilDestroyed(HWND window);
    static void Unbind(HWND window);
    // A window bound with BindUntilDestroyed is being destroyed; it leads here no more.
    virtual void WindowGone(HWND /*window*/) {}

private:
    static LRESULT CALLBACK UnbindProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR object);
};

// The wrapper of `window` when it is a T, else null.
template <class T> T* WrapperOf(HWND window) {
    return dynamic_cast<T*>(TWindowObject::FromWindow(window));
}

} // namespace porutena
