#include "ui/frame/Controls.h"

#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"
#include "ui/frame/Application.h"
#include "ui/frame/WindowText.h"

#include <commctrl.h>

#include <cassert>

namespace porutena {

namespace {

// The byte offset into the narrow text of a UTF-16 offset into the same text, and back.
int ByteOffset(std::wstring_view text, DWORD units) {
    return static_cast<int>(Narrow(text.substr(0, units)).size());
}

WPARAM UnitOffset(std::string_view text, int bytes) {
    auto size = static_cast<int>(text.size());
    int end = bytes < 0 || bytes > size ? size : bytes;
    return Widen(text.substr(0, static_cast<std::size_t>(end))).size();
}

} // namespace

HWND CreateControl(TForm& form, const char* className, std::string_view text, DWORD style,
                   TBounds bounds, DWORD exStyle) {
    assert(form.Handle() && className);
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(form.NewCommandId()));
    // Siblings that overlap while they move do not draw over each other.
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    HWND control = CreateWindowExW(exStyle, Widen(className).c_str(), Widen(text).c_str(), style,
                                   bounds.x, bounds.y, bounds.width, bounds.height, form.Handle(),
                                   id, form.App().Instance(), nullptr);
    CheckedHandle(control, "CreateWindowExW");
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(form.Font()), FALSE);
    return control;
}

TWinControl::~TWinControl() {
    if (FHandle)
        Unbind(FHandle);
}

void TWinControl::Attach(HWND handle) {
    assert(!FHandle && handle);
    FHandle = handle;
    BindUntilDestroyed(handle);
}

void TWinControl::WindowGone(HWND window) {
    if (window == FHandle)
        FHandle = nullptr;
}

bool TWinControl::Entered() {
    if (!OnEnter)
        return false;
    const TForm* form = TForm::FromHandle(GetAncestor(FHandle, GA_ROOT));
    if (!form || !form->RestoringFocus())
        OnEnter();
    return true;
}

std::string TWinControl::Text() const {
    return WindowText<char>(FHandle);
}

void TWinControl::SetText(std::string_view text) {
    SetWindowTextW(FHandle, Widen(text).c_str());
}

TBounds TWinControl::Bounds() const {
    RECT r{};
    GetWindowRect(FHandle, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(FHandle), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TWinControl::SetBounds(TBounds bounds) {
    MoveWindow(FHandle, bounds.x, bounds.y, bounds.width, bounds.height, TRUE);
}

void SetBoundsTogether(std::initializer_list<std::pair<TWinControl*, TBounds>> moves) {
    // All at once: none is drawn over a sibling that has yet to move out of its way.
    HDWP batch = BeginDeferWindowPos(static_cast<int>(moves.size()));
    for (const auto& [control, b] : moves)
        if (batch)
            batch = DeferWindowPos(batch, control->Handle(), nullptr, b.x, b.y, b.width, b.height,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (batch && EndDeferWindowPos(batch))
        return;
    // Without the resources for a batch, one by one.
    for (const auto& [control, b] : moves)
        control->SetBounds(b);
}

void TEdit::Create(TForm& form, TBounds bounds, DWORD style) {
    Attach(CreateControl(form, "EDIT", "", WS_VISIBLE | style, bounds, WS_EX_CLIENTEDGE));
}

std::string TEdit::SelText() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    std::wstring text = WindowText<wchar_t>(FHandle);
    return start < end && end <= text.size()
               ? Narrow(std::wstring_view(text).substr(start, end - start))
               : std::string();
}

std::pair<int, int> TEdit::Selection() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    std::wstring text = WindowText<wchar_t>(FHandle);
    return {ByteOffset(text, start), ByteOffset(text, end)};
}

void TEdit::SetSelection(int start, int end) {
    std::string text = Text();
    SendMessageW(FHandle, EM_SETSEL, UnitOffset(text, start),
                 static_cast<LPARAM>(UnitOffset(text, end)));
}

void TEdit::SetPasswordChar(char c) {
    std::wstring wide = Widen(std::string(1, c));
    SendMessageW(FHandle, EM_SETPASSWORDCHAR, c && !wide.empty() ? wide[0] : 0, 0);
    InvalidateRect(FHandle, nullptr, TRUE);
}

bool TEdit::HandleCommand(int /*id*/, int code) {
    if (code == EN_CHANGE && OnChange) {
        OnChange();
        return true;
    }
    if (code == EN_SETFOCUS)
        return Entered();
    return false;
}

void TButton::Create(TForm& form, TBounds bounds, TButtonProps props) {
    DWORD style = WS_VISIBLE | WS_TABSTOP | (props.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    Attach(CreateControl(form, "BUTTON", props.caption, style, bounds));
    FForm = &form;
    FModalResult = props.modalResult;
    FOnClick = std::move(props.onClick);
    if (props.isDefault)
        form.SetDefaultButton(FHandle);
    if (props.cancel)
        form.SetCancelButton(FHandle);
}

void TButton::Click() {
    if (FModalResult != mrNone)
        FForm->SetModalResult(FModalResult);
    if (FOnClick)
        FOnClick();
}

bool TButton::HandleCommand(int /*id*/, int code) {
    if (code != BN_CLICKED)
        return false;
    Click();
    return true;
}

void TButton::SetGlyph(TImageList glyph) {
    assert(FHandle);
    FGlyph = std::move(glyph);
    BUTTON_IMAGELIST list{};
    list.himl = FGlyph.Get();
    const TForm* form = TForm::FromHandle(GetParent(FHandle));
    list.margin = {form ? form->Scale(4) : 4, 0, 0, 0};
    list.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    SendMessageW(FHandle, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
}

void TLabel::Create(TForm& form, TBounds bounds, std::string_view text, DWORD style) {
    Attach(CreateControl(form, "STATIC", text, WS_VISIBLE | style, bounds));
}

void TBevel::Create(TForm& form, TBounds bounds) {
    FBounds = bounds;
    form.AddBevel(bounds);
}

void TImage::Create(TForm& form, TBounds bounds) {
    Attach(CreateControl(form, "STATIC", "", WS_VISIBLE | SS_ICON | SS_CENTERIMAGE, bounds));
}

void TImage::SetIcon(HICON icon) {
    SendMessageW(FHandle, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

HICON TImage::Icon() const {
    return reinterpret_cast<HICON>(SendMessageW(FHandle, STM_GETICON, 0, 0));
}

void TStatusBar::Create(TForm& form, int height) {
    FHeight = height;
    DWORD style = WS_VISIBLE | SBARS_SIZEGRIP;
    // A fixed height means the form places it; otherwise it sits at the bottom by itself.
    if (height > 0)
        style |= CCS_NORESIZE | CCS_NOPARENTALIGN;
    Attach(CreateControl(form, "msctls_statusbar32", "", style, {}));
    SendMessageW(FHandle, SB_SIMPLE, TRUE, 0);
    AutoSize();
}

// Not every system answers for the simple text, so the text is kept here.
std::string TStatusBar::SimpleText() const {
    return FSimpleText;
}

void TStatusBar::SetSimpleText(std::string_view text) {
    FSimpleText = text;
    const std::wstring wide = Widen(FSimpleText);
    SendMessageW(FHandle, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(wide.c_str()));
}

void TStatusBar::AutoSize() {
    if (!FHandle)
        return;
    if (FHeight <= 0) {
        SendMessageW(FHandle, WM_SIZE, 0, 0);
        return;
    }
    HWND parent = GetParent(FHandle);
    const TForm* form = TForm::FromHandle(parent);
    const int height = form ? form->Scale(FHeight) : FHeight;
    RECT client{};
    GetClientRect(parent, &client);
    MoveWindow(FHandle, 0, client.bottom - height, client.right, height, TRUE);
}

int TStatusBar::Height() const {
    RECT r{};
    GetWindowRect(FHandle, &r);
    return r.bottom - r.top;
}

} // namespace porutena
