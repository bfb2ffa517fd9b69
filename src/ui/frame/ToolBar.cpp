#include "ui/frame/ToolBar.h"

#include "platform/win32/WideText.h"

#include <cassert>

namespace porutena {

TToolButton::TToolButton(TToolBar& toolBar, TToolButtonProps props, int command)
    : TActionClient(props.action, std::move(props.hint), props.enabled, props.down,
                    std::move(props.onClick)),
      FToolBar(toolBar), FStyle(props.style), FGroup(props.group), FImageIndex(props.imageIndex),
      FCommand(command), FShortHint(ShortHint(Hint())) {
    if (FImageIndex < 0 && Action())
        FImageIndex = Action()->ImageIndex();
}

void TToolButton::SetDown(bool value) {
    ChangeChecked(value);
    if (value && FGroup > 0)
        for (auto& other : FToolBar.FButtons)
            if (other.get() != this && other->FGroup == FGroup && other->Down())
                other->ChangeChecked(false);
}

void TToolButton::Click() {
    if (!Enabled())
        return;
    if (FStyle == TToolButtonStyle::Check)
        SetDown(FGroup > 0 ? true : !Down());
    else
        ShowState(); // the control may have pressed it itself
    Run();
}

void TToolButton::ShowState() {
    FToolBar.Sync(*this);
}

TToolBar::~TToolBar() {
    if (FTips)
        Unbind(FTips);
    if (FHandle) {
        SendMessageW(FHandle, TB_SETIMAGELIST, 0, 0);
        SendMessageW(FHandle, TB_SETDISABLEDIMAGELIST, 0, 0);
    }
}

void TToolBar::Create(HIMAGELIST images, HIMAGELIST disabledImages, int height, int indent,
                      int borderWidth) {
    assert(!FHandle);
    FHeight = height;
    FIndent = indent;
    FBorderWidth = borderWidth;
    DWORD style = WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP;
    // A fixed height means the form places it; otherwise it sizes itself to its buttons.
    if (height > 0)
        style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    Attach(CreateControl(FForm, "ToolbarWindow32", "", style, {}));
    FTips = reinterpret_cast<HWND>(SendMessageW(FHandle, TB_GETTOOLTIPS, 0, 0));
    if (FTips)
        BindUntilDestroyed(FTips);
    SendMessageW(FHandle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetImages(images, disabledImages);
}

void TToolBar::WindowGone(HWND window) {
    if (window == FTips)
        FTips = nullptr;
    else
        TWinControl::WindowGone(window);
}

void TToolBar::SetImages(HIMAGELIST images, HIMAGELIST disabledImages) {
    SendMessageW(FHandle, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageW(FHandle, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabledImages));
    ApplyScale();
}

void TToolBar::ApplyScale() {
    // The control's own button size for 16-pixel glyphs, which larger glyphs would not scale.
    constexpr int ButtonWidth = 23;
    constexpr int ButtonHeight = 22;
    SendMessageW(FHandle, TB_SETINDENT, static_cast<WPARAM>(FForm.Scale(FIndent)), 0);
    SendMessageW(FHandle, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(FForm.Scale(ButtonWidth), FForm.Scale(ButtonHeight)));
    if (FBorderWidth > 0) {
        // Subclassing again with the same procedure only replaces the border it keeps.
        SetWindowSubclass(FHandle, BorderProc, 0,
                          static_cast<DWORD_PTR>(FForm.Scale(FBorderWidth)));
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A separator's width is fixed when it is added; its designed one is kept in its data.
    const auto count = static_cast<int>(SendMessageW(FHandle, TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        TBBUTTON tb{};
        SendMessageW(FHandle, TB_GETBUTTON, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&tb));
        if (!(tb.fsStyle & BTNS_SEP) || tb.iBitmap == FForm.Scale(static_cast<int>(tb.dwData)))
            continue;
        tb.iBitmap = FForm.Scale(static_cast<int>(tb.dwData));
        SendMessageW(FHandle, TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
        SendMessageW(FHandle, TB_INSERTBUTTONW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&tb));
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
    assert(FHandle);
    auto& button = *FButtons.emplace_back(
        std::make_unique<TToolButton>(*this, std::move(props), FForm.NewCommandId()));
    TBBUTTON tb{};
    tb.iBitmap = button.FImageIndex >= 0 ? button.FImageIndex : I_IMAGENONE;
    tb.idCommand = button.FCommand;
    tb.fsStyle = button.FStyle == TToolButtonStyle::Check ? BTNS_CHECK : BTNS_BUTTON;
    tb.iString = -1;
    SendMessageW(FHandle, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb));
    if (button.Down())
        button.SetDown(true);
    Sync(button);
    return button;
}

void TToolBar::AddSeparator(int width) {
    assert(FHandle);
    TBBUTTON tb{};
    tb.iBitmap = FForm.Scale(width);
    tb.fsStyle = BTNS_SEP;
    tb.dwData = static_cast<DWORD_PTR>(width);
    SendMessageW(FHandle, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb));
}

TToolButton* TToolBar::FindCommand(int command) {
    for (auto& button : FButtons)
        if (button->FCommand == command)
            return button.get();
    return nullptr;
}

TToolButton* TToolBar::ButtonAt(POINT screen) {
    ScreenToClient(FHandle, &screen);
    auto index = SendMessageW(FHandle, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&screen));
    TBBUTTON tb{};
    if (index < 0 || !SendMessageW(FHandle, TB_GETBUTTON, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(&tb)))
        return nullptr;
    return (tb.fsStyle & BTNS_SEP) ? nullptr : FindCommand(tb.idCommand);
}

void TToolBar::AutoSize() {
    if (!FHandle)
        return;
    if (FHeight <= 0) {
        SendMessageW(FHandle, TB_AUTOSIZE, 0, 0);
        return;
    }
    RECT client{};
    GetClientRect(GetParent(FHandle), &client);
    MoveWindow(FHandle, 0, 0, client.right, FForm.Scale(FHeight), TRUE);
}

int TToolBar::Height() const {
    RECT r{};
    GetWindowRect(FHandle, &r);
    return r.bottom - r.top;
}

int TToolBar::ButtonsWidth() const {
    const auto count = SendMessageW(FHandle, TB_BUTTONCOUNT, 0, 0);
    RECT last{};
    if (count > 0)
        SendMessageW(FHandle, TB_GETITEMRECT, static_cast<WPARAM>(count - 1),
                     reinterpret_cast<LPARAM>(&last));
    return last.right + 2 * FForm.Scale(FBorderWidth);
}

bool TToolBar::HandleCommand(int id, int /*code*/) {
    if (TToolButton* button = FindCommand(id))
        button->Click();
    return true;
}

std::string TToolBar::HintAt(POINT screen) {
    TToolButton* button = ButtonAt(screen);
    return button ? button->Hint() : std::string();
}

bool TToolBar::HandleNotify(NMHDR& header, LRESULT& /*result*/) {
    if (header.hwndFrom != FTips || header.code != TTN_GETDISPINFOW)
        return false;
    TToolButton* button = FindCommand(static_cast<int>(header.idFrom));
    if (!button)
        return false;
    FWideTip = Widen(button->FShortHint);
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    info.lpszText = FWideTip.data();
    info.hinst = nullptr;
    return true;
}

void TToolBar::Sync(const TToolButton& button) {
    if (!FHandle)
        return;
    LPARAM state = (button.Enabled() ? TBSTATE_ENABLED : 0) | (button.Down() ? TBSTATE_CHECKED : 0);
    SendMessageW(FHandle, TB_SETSTATE, static_cast<WPARAM>(button.FCommand), state);
}

} // namespace porutena
