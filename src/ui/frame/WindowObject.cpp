#include "ui/frame/WindowObject.h"

#include <commctrl.h>

namespace porutena {

namespace {

constexpr const wchar_t* WrapperProp = L"PorutenaWrapper";

} // namespace

TWindowObject* TWindowObject::FromWindow(HWND window) {
    // Every process can read a window's properties, and another copy of this program sets the
    // same one: its value is an address in that process, meaningless here.
    DWORD process = 0;
    if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId())
        return nullptr;
    return static_cast<TWindowObject*>(GetPropW(window, WrapperProp));
}

void TWindowObject::Bind(HWND window) {
    SetPropW(window, WrapperProp, this);
}

void TWindowObject::BindUntilDestroyed(HWND window) {
    Bind(window);
    SetWindowSubclass(window, UnbindProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void TWindowObject::Unbind(HWND window) {
    RemoveWindowSubclass(window, UnbindProc, 0);
    RemovePropW(window, WrapperProp);
}

// A property must be removed before its window is destroyed, and the wrapper must not reach
// for the window afterwards.
LRESULT CALLBACK TWindowObject::UnbindProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR /*id*/, DWORD_PTR object) {
    if (message == WM_NCDESTROY) {
        Unbind(window);
        reinterpret_cast<TWindowObject*>(object)->WindowGone(window);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace porutena
