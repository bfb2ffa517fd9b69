#include "ui/frame/SystemDialogs.h"

namespace porutena {

TSystemDialogScope::TSystemDialogScope()
    : FHook(SetWindowsHookExW(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId())) {}

TSystemDialogScope::~TSystemDialogScope() {
    if (FHook)
        UnhookWindowsHookEx(FHook);
}

LRESULT CALLBACK TSystemDialogScope::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
        // The active window of this thread is about to hide; its owner, enabled again by
        // the closing dialog, takes over while it still shows.
        if (call.message == WM_WINDOWPOSCHANGING &&
            (reinterpret_cast<const WINDOWPOS*>(call.lParam)->flags & SWP_HIDEWINDOW) &&
            call.hwnd == GetActiveWindow())
            if (HWND owner = GetWindow(call.hwnd, GW_OWNER);
                owner && IsWindowEnabled(owner) && IsWindowVisible(owner))
                SetActiveWindow(owner);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace porutena
