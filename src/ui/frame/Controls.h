#pragma once
// Thin wrappers over child controls. Each borrows its HWND (the form's window destroys it)
// and is found again from the HWND, so the form hands it the notifications its control sends.
#include "ui/frame/Form.h"
#include "ui/frame/Images.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace porutena {

// A child control of `form` with the form's font and a fresh id (WS_CHILD added to `style`).
// Throws when the system cannot make it.
HWND CreateControl(TForm& form, const char* className, std::string_view text, DWORD style,
                   TBounds bounds, DWORD exStyle = 0);

class TWinControl : public TWindowObject {
public:
    HWND Handle() const { return FHandle; }

    std::string Text() const;
    void SetText(std::string_view text);
    bool Enabled() const { return IsWindowEnabled(FHandle) != FALSE; }
    void SetEnabled(bool value) { EnableWindow(FHandle, value); }
    bool Visible() const { return IsWindowVisible(FHandle) != FALSE; }
    void SetVisible(bool value) { ShowWindow(FHandle, value ? SW_SHOW : SW_HIDE); }
    // Position and size within the parent's client area.
    TBounds Bounds() const;
    void SetBounds(TBounds bounds);
    void SetFocus() { ::SetFocus(FHandle); }
    bool Focused() const { return GetFocus() == FHandle; }

    // The focus moved to the control from elsewhere in its form (Tab, a click, SetFocus), not
    // back to it as its form is activated again (edit boxes and list views report it).
    std::function<void()> OnEnter;

protected:
    ~TWinControl() override;
    // Takes the control's window: from now on the form routes its notifications here, until
    // either of the two goes.
    void Attach(HWND handle);
    void WindowGone(HWND window) override;
    // A WM_COMMAND or WM_NOTIFY this control sent to the form; true when handled.
    virtual bool HandleCommand(int /*id*/, int /*code*/) { return false; }
    virtual bool HandleNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // The form's client area changed size; FormResize runs after.
    virtual void ParentResized() {}
    // The hint for a screen point over the control when it has its own per point, else empty.
    virtual std::string HintAt(POINT /*screen*/) { return {}; }
    // The control reported that it received the focus: OnEnter, unless its form only gave it
    // back. False without OnEnter.
    bool Entered();

    HWND FHandle = nullptr;

private:
    friend class TForm;
};

// Moves and sizes the controls of one form in one step.
void SetBoundsTogether(std::initializer_list<std::pair<TWinControl*, TBounds>> moves);

// Single-line edit box with a sunken border.
class TEdit : public TWinControl {
public:
    void Create(TForm& form, TBounds bounds, DWORD style = ES_AUTOHSCROLL | WS_TABSTOP);
    std::string SelText() const;
    // Start and end of the selection, as byte offsets into Text().
    std::pair<int, int> Selection() const;
    void SetSelection(int start, int end);
    void SetPasswordChar(char c);

    // Any change of the text, by the user or by SetText.
    std::function<void()> OnChange;

protected:
    bool HandleCommand(int id, int code) override;
};

// Designed values of a push button; fields in this order for designated initializers.
struct TButtonProps {
    std::string caption{};
    int modalResult = mrNone;
    bool isDefault = false;
    bool cancel = false;
    std::function<void()> onClick{};
};

// On a click `modalResult` (if not mrNone) becomes the form's result, then `onClick` runs.
// The default button reacts to Enter, the cancel one to Esc.
class TButton : public TWinControl {
public:
    void Create(TForm& form, TBounds bounds, TButtonProps props);
    void Click();
    // A glyph left of the caption (the first image of the list); the button keeps the list.
    // Set it again with glyphs made for a new DPI.
    void SetGlyph(TImageList glyph);
    HIMAGELIST Glyph() const { return FGlyph.Get(); }

protected:
    bool HandleCommand(int id, int code) override;

private:
    TForm* FForm = nullptr;
    int FModalResult = mrNone;
    std::function<void()> FOnClick;
    TImageList FGlyph;
};

// Static text; `style` SS_LEFT, SS_CENTER, ...
class TLabel : public TWinControl {
public:
    void Create(TForm& form, TBounds bounds, std::string_view text, DWORD style = SS_LEFT);
};

// A sunken frame drawn by the form behind the controls it surrounds; not a window. Its
// bounds are at 96 DPI: the form draws it at its own.
class TBevel {
public:
    void Create(TForm& form, TBounds bounds);
    TBounds Bounds() const { return FBounds; }

private:
    TBounds FBounds;
};

// A picture holding an icon, which stays the caller's.
class TImage : public TWinControl {
public:
    void Create(TForm& form, TBounds bounds);
    void SetIcon(HICON icon);
    HICON Icon() const;
};

// Status bar with one simple text area along the bottom of the form, `height` high at 96 DPI
// (0: as high as its font needs).
class TStatusBar : public TWinControl {
public:
    void Create(TForm& form, int height = 0);
    std::string SimpleText() const;
    void SetSimpleText(std::string_view text);
    // Follows the form's size; call from FormResize.
    void AutoSize();
    int Height() const;

private:
    int FHeight = 0;
    std::string FSimpleText;
};

} // namespace porutena
