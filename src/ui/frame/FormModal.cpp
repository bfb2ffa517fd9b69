#include "ui/frame/Form.h"

#include "ui/frame/Application.h"
#include "ui/frame/Controls.h"
#include "ui/frame/Menu.h"

// What a form does with keys and buttons: shortcuts, the default and cancel buttons, closing
// and modal showing.
namespace porutena {

int TForm::ShowModal() {
    HWND owner = GetWindow(FHandle, GW_OWNER);
    bool ownerEnabled = owner && IsWindowEnabled(owner);
    if (ownerEnabled)
        EnableWindow(owner, FALSE);
    FModalResult = mrNone;
    FModal = true;
    FApp.ModalLoop(*this, true);
    ShowWindow(FHandle, SW_SHOW);
    FocusFirstControl();
    while (FHandle) {
        if (FModalResult != mrNone) {
            bool canClose = true;
            FApp.Guard([&] { canClose = FormCloseQuery(); });
            if (canClose)
                break;
            FModalResult = mrNone;
        }
        if (!FApp.HandleMessage()) {
            PostQuitMessage(0); // the outer loop ends too
            FModalResult = mrCancel;
            break;
        }
    }
    FModal = false;
    FApp.ModalLoop(*this, false);
    // The owner takes the activation back while this form still shows, so the keyboard focus
    // goes straight from here to there. Hiding the active form first leaves the focus with no
    // window until the owner is activated, and keys typed meanwhile are lost.
    if (ownerEnabled)
        EnableWindow(owner, TRUE);
    if (owner && FHandle && GetActiveWindow() == FHandle)
        SetActiveWindow(owner);
    // Hidden without hiding the window: under Wine without a window manager, hiding a window
    // holds the thread for two seconds, and keys meant for the owner act that much later.
    // The window leaves the screen when the form is destroyed, right after this showing.
    if (FHandle)
        SetWindowLongPtrW(FHandle, GWL_STYLE, GetWindowLongPtrW(FHandle, GWL_STYLE) & ~WS_VISIBLE);
    return FModalResult != mrNone ? FModalResult : mrCancel;
}

bool TForm::IsShortCut(HWND focus, TShortCut shortCut) {
    if (shortCut == 0)
        return false;
    for (HWND window = focus; window; window = window == FHandle ? nullptr : GetParent(window)) {
        auto popup = FPopupMenus.find(window);
        if (popup == FPopupMenus.end())
            continue;
        if (TMenuItem* item = popup->second->FindShortCut(shortCut)) {
            item->Click();
            return true;
        }
    }
    if (FMainMenu)
        if (TMenuItem* item = FMainMenu->FindShortCut(shortCut)) {
            item->Click();
            return true;
        }
    for (TActionList* list : FActionLists)
        if (TAction* action = list->FindShortCut(shortCut); action && action->Enabled()) {
            action->Execute();
            return true;
        }
    return false;
}

bool TForm::DialogKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    HWND button = nullptr;
    if (msg.wParam == VK_RETURN) {
        auto code =
            SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
        if (code & DLGC_WANTALLKEYS)
            return false;
        // Enter presses a focused push button, else the default button.
        bool onButton =
            (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) && WrapperOf<TButton>(msg.hwnd);
        button = onButton ? msg.hwnd : FDefaultButton;
    } else if (msg.wParam == VK_ESCAPE) {
        button = FCancelButton;
    }
    if (!button)
        return false;
    if (auto* wrapper = WrapperOf<TButton>(button); wrapper && IsWindowEnabled(button))
        wrapper->Click();
    return true;
}

void TForm::FocusFirstControl() {
    if (HWND first = GetNextDlgTabItem(FHandle, nullptr, FALSE); first && first != FHandle)
        SetFocus(first);
}

void TForm::CloseRequest() {
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!FormCloseQuery())
        return;
    if (FApp.MainForm() == this)
        DestroyWindow(FHandle);
    else
        ShowWindow(FHandle, SW_HIDE);
}

} // namespace porutena
