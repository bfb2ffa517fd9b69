#pragma once
// Forms: top-level windows bound to a C++ object through one window procedure, which
// forwards to typed virtual handlers and shows any error a handler raises.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/frame/Action.h"
#include "ui/frame/Dpi.h"
#include "ui/frame/WindowObject.h"

namespace porutena {

class TApplication;
class TMenu;
class TMainMenu;
class TPopupMenu;

constexpr int mrNone = 0;
constexpr int mrOk = IDOK;
constexpr int mrCancel = IDCANCEL;

struct TBounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Main: sizeable window, outer size given, placed by the system.
// Dialog: fixed dialog frame, client size given, centred on its owner's monitor at the
// owner's DPI, owned by the application's main form, shown with ShowModal.
// Sizes are given at 96 DPI and scaled to the DPI the form is shown at.
enum class TFormKind { Main, Dialog };

class TForm : public TWindowObject {
public:
    TForm(TApplication& app, TFormKind kind);
    // Destroys a window still open without running the handlers any more: a form that
    // needs FormDestroy to run calls Destroy() first (the user's close does that too).
    ~TForm() override;

    // Creates the window: CreateControls, then FormCreate. An error in either is shown and
    // the form is still created. The first form created is the application's main form.
    void Create(std::string_view caption, int width, int height);
    void Destroy();
    HWND Handle() const { return FHandle; }
    TApplication& App() const { return FApp; }
    static TForm* FromHandle(HWND window) { return WrapperOf<TForm>(window); }
    // The window procedure of the form class: binds the object at WM_NCCREATE.
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // True while the form, activated again, gives the focus back to the control that had it.
    bool RestoringFocus() const { return FRestoringFocus; }

    std::string Caption() const;
    void SetCaption(std::string_view caption);
    void Show();
    bool Visible() const { return IsWindowVisible(FHandle) != FALSE; }

    // Lays the controls out again (FormResize) and repaints the client area with all of them:
    // a control that moved leaves nothing of itself behind. Call it after any change of layout.
    void Realign();

    // Outer size, and the client area's size.
    int Width() const;
    int Height() const;
    void SetWidth(int width);
    void SetHeight(int height);
    int ClientWidth() const;
    int ClientHeight() const;
    // Changes the outer height so that the client area gets this height.
    void SetClientHeight(int height);
    // Sets the outer size (a side of 0 stays as it is), held between the least the user may
    // size the form to and the work area of its monitor, and moves the form as far as it must
    // to lie inside that area.
    void SetSizeOnScreen(int width, int height);
    bool Maximized() const { return IsZoomed(FHandle) != FALSE; }
    bool Minimized() const { return IsIconic(FHandle) != FALSE; }
    // Back to the normal (neither maximised nor minimised) state.
    void Restore();
    // As the title bar's close button: a modal form ends with mrCancel, the main form is
    // destroyed (ending the application's loop), another form is hidden; FormCloseQuery may
    // refuse.
    void Close();

    // The DPI the form is shown at; a 96-DPI design value or bounds at that DPI; the form font
    // made for it, which the form's controls get.
    int Dpi() const { return FDpi; }
    int Scale(int value) const { return ScaleToDpi(value, FDpi); }
    TBounds Scale(TBounds bounds) const;
    HFONT Font() const;

    // Shows the form modally with its owner disabled; returns the modal result.
    int ShowModal();
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result) { FModalResult = result; }

    // A sunken frame the form draws on its own surface, under its controls; `bounds` at 96
    // DPI, drawn at the form's.
    void AddBevel(TBounds bounds);
    // A command id unique in this form (menu items, toolbar buttons, controls).
    int NewCommandId() { return FNextCommand++; }

    // Hints of controls (and of the form itself): "short|long".
    void SetHint(HWND control, std::string hint);
    // The long hint of the control or its nearest parent with one; toolbars answer per button.
    std::string HintAt(HWND control, POINT screen) const;
    // The context menu of a control (null removes it); the control's own one, as an edit
    // box has, no longer shows.
    void SetPopupMenu(HWND control, TPopupMenu* menu);

    // The push buttons Enter and Esc click.
    void SetDefaultButton(HWND button) { FDefaultButton = button; }
    void SetCancelButton(HWND button) { FCancelButton = button; }

    // Used by the application's message loop: shortcuts, then Enter and Esc.
    bool IsShortCut(HWND focus, TShortCut shortCut);
    bool DialogKey(const MSG& msg);

    // Components register themselves with their form.
    void Register(TActionList* list);
    void Unregister(TActionList* list);
    void Register(TMenu* menu, bool mainMenu);
    void Unregister(TMenu* menu);

protected:
    // Build controls, menus and toolbar here (the form's designed layout).
    virtual void CreateControls() {}
    virtual void FormCreate() {}
    virtual void FormDestroy() {}
    virtual bool FormCloseQuery() { return true; }
    virtual void FormActivate() {}
    // The user's session ends (log-off, shutdown): the process ends after this without
    // destroying the window, so FormDestroy does not run.
    virtual void FormEndSession() {}
    // The client area changed size (also once while the window is created): lay out here,
    // calling AutoSize of the toolbar and status bar first.
    virtual void FormResize() {}
    // The smallest client area at which every part of the form shows; 0 x 0 for no limit.
    virtual SIZE FormMinClientSize() const { return {}; }
    // The form moved to a display of another DPI and its controls have the font made for it:
    // make the glyphs for the new DPI and rescale what is kept in pixels here. Then the window
    // takes the size the system suggests and FormResize runs.
    virtual void FormDpiChanged(int /*oldDpi*/) {}
    // A context menu request on `control` at a screen point ((-1, -1) from the keyboard);
    // change `pos` to move the menu, return true to suppress it.
    virtual bool ContextPopup(HWND /*control*/, POINT& /*pos*/) { return false; }
    // Notifications of controls not taken by their wrappers.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // First look at every message; true when handled (then `result` is returned).
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           LRESULT& /*result*/) {
        return false;
    }

private:
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Command(WPARAM wParam, LPARAM lParam);
    // The least outer size the user may size the form to: the client area FormMinClientSize
    // asks for, no narrower than the menu bar, with the frame; 0 x 0 for no limit.
    SIZE MinSize() const;
    // What the items of the menu bar need side by side.
    int MenuBarWidth() const;
    // The controls follow the client area's size, then FormResize lays out.
    void Resized();
    void MenuSelect(WPARAM wParam, LPARAM lParam);
    // Opens the context menu of the control or its nearest parent with one; false when none
    // has one.
    bool ContextMenu(HWND control, POINT pos);
    void CloseRequest();
    void FocusFirstControl();
    void PaintBevels(HDC dc) const;
    // At WM_CREATE: the main form takes its window's DPI; the icons for the form's DPI.
    void AdoptDpi();
    void DpiChanged(int dpi, const RECT& suggested);
    static LRESULT CALLBACK PopupOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR form);

    TApplication& FApp;
    TFormKind FKind;
    HWND FHandle = nullptr;
    int FDpi = DesignDpi;
    HWND FSavedFocus = nullptr;
    bool FRestoringFocus = false;
    int FNextCommand = 100; // above IDOK, IDCANCEL and the other dialog ids
    int FModalResult = mrNone;
    bool FModal = false;
    std::vector<TBounds> FBevels;
    std::map<HWND, std::string> FHints;
    std::map<HWND, TPopupMenu*> FPopupMenus;
    HWND FDefaultButton = nullptr;
    HWND FCancelButton = nullptr;
    TMainMenu* FMainMenu = nullptr;
    std::vector<TMenu*> FMenus;
    std::vector<TActionList*> FActionLists;
};

} // namespace porutena
