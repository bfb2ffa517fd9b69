#include "ui/frame/MessageBoxes.h"

#include "platform/win32/WideText.h"
#include "ui/frame/Application.h"
#include "ui/frame/SystemDialogs.h"

namespace porutena {

namespace {

// MessageBoxW offers no position, so a CBT hook centres the box when it is first activated;
// a mark on the box keeps a later activation from moving it back after the user did.
constexpr const wchar_t* CentredProp = L"PorutenaCentred";

LRESULT CALLBACK CentreHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        GetClassNameW(box, className, 16);
        if (lstrcmpW(className, L"#32770") == 0 && !GetPropW(box, CentredProp)) {
            SetPropW(box, CentredProp, box);
            RECT r;
            GetWindowRect(box, &r);
            int width = r.right - r.left;
            int height = r.bottom - r.top;
            SetWindowPos(box, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } else if (code == HCBT_DESTROYWND) {
        RemovePropW(reinterpret_cast<HWND>(wParam), CentredProp);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

int TSystemMessageBoxes::Show(HWND owner, const std::string& text, const std::string& caption,
                              UINT flags) {
    const TSystemDialogScope scope;
    HHOOK hook = SetWindowsHookExW(WH_CBT, CentreHook, nullptr, GetCurrentThreadId());
    int result = MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
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
