#include "ui/frame/ToolBar.h"

#include "ui/frame/Form.h"
#include "ui/frame/WideText.h"

namespace porutena {

TToolButton::TToolButton(TToolBar& toolBar, TToolButtonProps props, int command)
    : FToolBar(toolBar), FProps(std::move(props)), FCommand(command) {
    if (TAction* action = FProps.action) {
        if (FProps.hint.empty())
            FProps.hint = action->Hint();
        if (FProps.imageIndex < 0)
            FProps.imageIndex = action->ImageIndex();
        if (FProps.enabled)
            FProps.enabled = action->Enabled();
        if (!FProps.down)
            FProps.down = action->Checked();
        Bind(action);
    }
    FShortHint = ShortHint(FProps.hint);
}

TToolButton::~TToolButton() {
    Unbind();
}

void TToolButton::SetEnabled(bool value) {
    FProps.enabled = value;
    FToolBar.Sync(*this);
}

void TToolButton::SetDown(bool value) {
    FProps.down = value;
    FToolBar.Sync(*this);
    if (value && FProps.group > 0)
        for (auto& other : FToolBar.FButtons)
            if (other.get() != this && other->FProps.group == FProps.group && other->FProps.down) {
                other->FProps.down = false;
                FToolBar.Sync(*other);
            }
}

void TToolButton::Click() {
    if (!FProps.enabled)
        return;
    if (FProps.style == TToolButtonStyle::Check)
        SetDown(FProps.group > 0 ? true : !FProps.down);
    else
        FToolBar.Sync(*this); // the control may have pressed it itself
    if (TAction* action = BoundAction())
        action->Execute();
    else if (FProps.onClick)
        FProps.onClick();
}

void TToolButton::ActionEnabledChanged(bool previous, bool now) {
    if (FProps.enabled == previous)
        SetEnabled(now);
}

void TToolButton::ActionCheckedChanged(bool previous, bool now) {
    if (FProps.down == previous)
        SetDown(now);
}

TToolBar::TToolBar(TForm& form) : FForm(form) {
    FForm.Register(this);
}

TToolBar::~TToolBar() {
    FForm.Unregister(this);
    if (FHandle && IsWindow(FHandle)) {
        SendMessageA(FHandle, TB_SETIMAGELIST, 0, 0);
        SendMessageA(FHandle, TB_SETDISABLEDIMAGELIST, 0, 0);
    }
}

void TToolBar::Create(HIMAGELIST images, HIMAGELIST disabledImages, int height, int indent,
                      int borderWidth) {
    FHeight = height;
    DWORD style = WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP;
    // A fixed height means the form places it; otherwise it sizes itself to its buttons.
    if (height > 0)
        style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    FHandle = FForm.CreateControl(TOOLBARCLASSNAMEA, "", style, {});
    SendMessageA(FHandle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(FHandle, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageA(FHandle, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabledImages));
    SendMessageA(FHandle, TB_SETINDENT, static_cast<WPARAM>(indent), 0);
    if (borderWidth > 0) {
        SetWindowSubclass(FHandle, BorderProc, 0, static_cast<DWORD_PTR>(borderWidth));
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    AutoSize();
}

LRESULT CALLBACK TToolBar::BorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR /*id*/, DWORD_PTR borderWidth) {
    const int border = static_cast<int>(borderWidth);
    switch (message) {
    case WM_NCCALCSIZE: {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                              : *reinterpret_cast<RECT*>(lParam);
        InflateRect(&client, -border, -border);
        return result;
    }
    case WM_NCPAINT: {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        // The border in the colour of the form around it.
        RECT outer{};
        GetWindowRect(window, &outer);
        OffsetRect(&outer, -outer.left, -outer.top);
        HDC dc = GetWindowDC(window);
        ExcludeClipRect(dc, outer.left + border, outer.top + border, outer.right - border,
                        outer.bottom - border);
        FillRect(dc, &outer, GetSysColorBrush(COLOR_BTNFACE));
        ReleaseDC(window, dc);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, BorderProc, 0);
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

TToolButton& TToolBar::AddButton(TToolButtonProps props) {
    auto& button = *FButtons.emplace_back(
        std::make_unique<TToolButton>(*this, std::move(props), FForm.NewCommandId()));
    TBBUTTON tb{};
    tb.iBitmap = button.FProps.imageIndex >= 0 ? button.FProps.imageIndex : I_IMAGENONE;
    tb.idCommand = button.FCommand;
    tb.fsStyle = button.FProps.style == TToolButtonStyle::Check ? BTNS_CHECK : BTNS_BUTTON;
    tb.iString = -1;
    SendMessageA(FHandle, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&tb));
    if (button.FProps.down)
        button.SetDown(true);
    Sync(button);
    return button;
}

void TToolBar::AddSeparator(int width) {
    TBBUTTON tb{};
    tb.iBitmap = width;
    tb.fsStyle = BTNS_SEP;
    SendMessageA(FHandle, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&tb));
}

TToolButton* TToolBar::FindCommand(int command) {
    for (auto& button : FButtons)
        if (button->FCommand == command)
            return button.get();
    return nullptr;
}

TToolButton* TToolBar::ButtonAt(POINT screen) {
    ScreenToClient(FHandle, &screen);
    auto index = SendMessageA(FHandle, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&screen));
    TBBUTTON tb{};
    if (index < 0 || !SendMessageA(FHandle, TB_GETBUTTON, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(&tb)))
        return nullptr;
    return (tb.fsStyle & BTNS_SEP) ? nullptr : FindCommand(tb.idCommand);
}

void TToolBar::AutoSize() {
    if (!FHandle)
        return;
    if (FHeight <= 0) {
        SendMessageA(FHandle, TB_AUTOSIZE, 0, 0);
        return;
    }
    RECT client{};
    GetClientRect(GetParent(FHandle), &client);
    MoveWindow(FHandle, 0, 0, client.right, FHeight, TRUE);
}

int TToolBar::Height() const {
    RECT r{};
    GetWindowRect(FHandle, &r);
    return r.bottom - r.top;
}

bool TToolBar::Visible() const {
    return IsWindowVisible(FHandle) != FALSE;
}

void TToolBar::SetVisible(bool value) {
    ShowWindow(FHandle, value ? SW_SHOW : SW_HIDE);
}

bool TToolBar::HandleNotify(NMHDR& header) {
    if (header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW)
        return false;
    TToolButton* button = FindCommand(static_cast<int>(header.idFrom));
    if (!button)
        return false;
    if (header.code == TTN_GETDISPINFOA) {
        auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
        info.lpszText = button->FShortHint.data();
        info.hinst = nullptr;
    } else {
        FWideTip = Widen(button->FShortHint);
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        info.lpszText = FWideTip.data();
        info.hinst = nullptr;
    }
    return true;
}

void TToolBar::Sync(const TToolButton& button) {
    if (!FHandle)
        return;
    LPARAM state =
        (button.FProps.enabled ? TBSTATE_ENABLED : 0) | (button.FProps.down ? TBSTATE_CHECKED : 0);
    SendMessageA(FHandle, TB_SETSTATE, static_cast<WPARAM>(button.FCommand), state);
}

} // namespace porutena
