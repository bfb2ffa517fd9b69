#include "ui/frame/MessageBoxes.h"

#include "ui/frame/Application.h"
#include "ui/frame/SystemDialogs.h"

namespace porutena {

namespace {

// MessageBoxA offers no position, so a CBT hook centres the box when it is first activated;
// a mark on the box keeps a later activation from moving it back after the user did.
constexpr const char* CentredProp = "PorutenaCentred";

LRESULT CALLBACK CentreHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(box, className, sizeof className);
        if (lstrcmpA(className, "#32770") == 0 && !GetPropA(box, CentredProp)) {
            SetPropA(box, CentredProp, box);
            RECT r;
            GetWindowRect(box, &r);
            int width = r.right - r.left;
            int height = r.bottom - r.top;
            SetWindowPos(box, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } else if (code == HCBT_DESTROYWND) {
        RemovePropA(reinterpret_cast<HWND>(wParam), CentredProp);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

int TSystemMessageBoxes::Show(HWND owner, const std::string& text, const std::string& caption,
                              UINT flags) {
    const TSystemDialogScope scope;
    HHOOK hook = SetWindowsHookExA(WH_CBT, CentreHook, nullptr, GetCurrentThreadId());
    int result = MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
    if (hook)
        UnhookWindowsHookEx(hook);
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
