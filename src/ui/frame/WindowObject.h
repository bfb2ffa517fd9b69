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

    // The object wrapping `window`, or null.
    static TWindowObject* FromWindow(HWND window);

protected:
    // From now on `window` leads to this object (a control's helper window may lead to it too).
    void Bind(HWND window);
    static void Unbind(HWND window);
};

// The wrapper of `window` when it is a T, else null.
template <class T> T* WrapperOf(HWND window) {
    return dynamic_cast<T*>(TWindowObject::FromWindow(window));
}

} // namespace porutena
