#include "ui/frame/Controls.h"

#include "ui/frame/WideText.h"

#include <commctrl.h>

namespace porutena {

namespace {

constexpr const char* ControlProp = "PorutenaControl";

std::wstring WideText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

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

TWinControl::~TWinControl() {
    if (FHandle && IsWindow(FHandle))
        RemovePropA(FHandle, ControlProp);
}

void TWinControl::Attach(HWND handle) {
    FHandle = handle;
    SetPropA(handle, ControlProp, this);
}

TWinControl* TWinControl::FromHandle(HWND window) {
    return window ? static_cast<TWinControl*>(GetPropA(window, ControlProp)) : nullptr;
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
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(FHandle)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(FHandle, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TWinControl::SetText(std::string_view text) {
    SetWindowTextA(FHandle, std::string(text).c_str());
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

void TEdit::Create(TForm& form, TBounds bounds, DWORD style) {
    Attach(form.CreateUnicodeControl(L"EDIT", WS_VISIBLE | style, bounds, WS_EX_CLIENTEDGE));
}

std::string TEdit::SelText() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    std::wstring text = WideText(FHandle);
    return start < end && end <= text.size()
               ? Narrow(std::wstring_view(text).substr(start, end - start))
               : std::string();
}

std::pair<int, int> TEdit::Selection() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    std::wstring text = WideText(FHandle);
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

bool TEdit::HandleCommand(int code) {
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
    Attach(form.CreateControl("BUTTON", props.caption, style, bounds));
    form.RegisterButton(FHandle, props.modalResult, props.isDefault, props.cancel,
                        std::move(props.onClick));
}

void TButton::SetGlyph(TImageList glyph) {
    FGlyph = std::move(glyph);
    BUTTON_IMAGELIST list{};
    list.himl = FGlyph.Handle();
    list.margin = {4, 0, 0, 0};
    list.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    SendMessageA(FHandle, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
}

void TLabel::Create(TForm& form, TBounds bounds, std::string_view text, DWORD style) {
    Attach(form.CreateControl("STATIC", text, WS_VISIBLE | style, bounds));
}

void TBevel::Create(TForm& form, TBounds bounds) {
    FBounds = bounds;
    form.AddBevel(bounds);
}

void TImage::Create(TForm& form, TBounds bounds) {
    Attach(form.CreateControl("STATIC", "", WS_VISIBLE | SS_ICON | SS_CENTERIMAGE, bounds));
}

void TImage::SetIcon(HICON icon) {
    SendMessageA(FHandle, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

HICON TImage::Icon() const {
    return reinterpret_cast<HICON>(SendMessageA(FHandle, STM_GETICON, 0, 0));
}

void TStatusBar::Create(TForm& form, int height) {
    FHeight = height;
    DWORD style = WS_VISIBLE | SBARS_SIZEGRIP;
    // A fixed height means the form places it; otherwise it sits at the bottom by itself.
    if (height > 0)
        style |= CCS_NORESIZE | CCS_NOPARENTALIGN;
    Attach(form.CreateControl(STATUSCLASSNAMEA, "", style, {}));
    SendMessageA(FHandle, SB_SIMPLE, TRUE, 0);
    AutoSize();
}

// Not every system answers for the simple text, so the text is kept here.
std::string TStatusBar::SimpleText() const {
    return FSimpleText;
}

void TStatusBar::SetSimpleText(std::string_view text) {
    FSimpleText = text;
    SendMessageA(FHandle, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
}

void TStatusBar::AutoSize() {
    if (!FHandle)
        return;
    if (FHeight <= 0) {
        SendMessageA(FHandle, WM_SIZE, 0, 0);
        return;
    }
    RECT client{};
    GetClientRect(GetParent(FHandle), &client);
    MoveWindow(FHandle, 0, client.bottom - FHeight, client.right, FHeight, TRUE);
}

int TStatusBar::Height() const {
    RECT r{};
    GetWindowRect(FHandle, &r);
    return r.bottom - r.top;
}

} // namespace porutena
