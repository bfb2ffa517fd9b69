#include "ui/frame/MessageBoxes.h"

#include "ui/frame/Application.h"

namespace porutena {

namespace {

// MessageBoxA offers no position, so a CBT hook centres the box when it is first activated.
// The hook handle is the one thing the hook procedure cannot be given another way.
thread_local HHOOK t_centreHook = nullptr;

LRESULT CALLBACK CentreHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(box, className, sizeof className);
        if (lstrcmpA(className, "#32770") == 0) {
            RECT r;
            GetWindowRect(box, &r);
            int width = r.right - r.left;
            int height = r.bottom - r.top;
            SetWindowPos(box, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            UnhookWindowsHookEx(t_centreHook);
            t_centreHook = nullptr;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

int TSystemMessageBoxes::Show(HWND owner, const std::string& text, const std::string& caption,
                              UINT flags) {
    t_centreHook = SetWindowsHookExA(WH_CBT, CentreHook, nullptr, GetCurrentThreadId());
    int result = MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
    if (t_centreHook) {
        UnhookWindowsHookEx(t_centreHook);
        t_centreHook = nullptr;
    }
    return result;
}

void TSystemMessageBoxes::Beep(UINT type) {
    MessageBeep(type);
}

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    // A double-byte character's bytes all lie above "." too, so the last byte decides.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

void ShowErrorMessage(TApplication& app, std::string_view text) {
    IMessageBoxes& boxes = app.MessageBoxes();
    boxes.Beep(MB_ICONHAND);
    boxes.Show(app.DialogOwner(), std::string(text), "エラー", MB_ICONSTOP | MB_OK);
}

} // namespace porutena
