#pragma once
// Forms: top-level windows bound to a C++ object through one window procedure, which
// forwards to typed virtual handlers and shows any error a handler raises.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/frame/Action.h"

namespace porutena {

class TApplication;
class TMenu;
class TMainMenu;
class TPopupMenu;
class TToolBar;

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
// Dialog: fixed dialog frame, client size given, centred on the screen, owned by the
// application's main form, shown with ShowModal.
enum class TFormKind { Main, Dialog };

class TForm {
public:
    TForm(TApplication& app, TFormKind kind);
    // Destroys a window still open without running the handlers any more: a form that
    // needs FormDestroy to run calls Destroy() first (the user's close does that too).
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    // Creates the window: CreateControls, then FormCreate. An error in either is shown and
    // the form is still created. The first form created is the application's main form.
    void Create(std::string_view caption, int width, int height);
    void Destroy();
    HWND Handle() const { return FHandle; }
    TApplication& App() const { return FApp; }
    static TForm* FromHandle(HWND window);
    // The window procedure of the form class: binds the object at WM_NCCREATE.
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // True while the form, activated again, gives the focus back to the control that had it.
    bool RestoringFocus() const { return FRestoringFocus; }

    std::string Caption() const;
    void SetCaption(std::string_view caption);
    void Show();
    bool Visible() const { return IsWindowVisible(FHandle) != FALSE; }

    // Outer size, and the client area's size.
    int Width() const;
    int Height() const;
    void SetWidth(int width);
    void SetHeight(int height);
    int ClientWidth() const;
    int ClientHeight() const;
    // Changes the outer height so that the client area gets this height.
    void SetClientHeight(int height);
    bool Maximized() const { return IsZoomed(FHandle) != FALSE; }
    bool Minimized() const { return IsIconic(FHandle) != FALSE; }
    // Back to the normal (neither maximised nor minimised) state.
    void Restore();
    // As the title bar's close button: a modal form ends with mrCancel, the main form is
    // destroyed (ending the application's loop), another form is hidden; FormCloseQuery may
    // refuse.
    void Close();

    // Shows the form modally with its owner disabled; returns the modal result.
    int ShowModal();
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result) { FModalResult = result; }

    // A child control with the form's font and a fresh id (WS_CHILD added to `style`).
    HWND CreateControl(const char* className, std::string_view text, DWORD style, TBounds bounds,
                       DWORD exStyle = 0);
    // A child control kept as a Unicode window: its character positions count UTF-16 units
    // the same way on every system, where an ANSI one may count bytes or characters.
    HWND CreateUnicodeControl(const wchar_t* className, DWORD style, TBounds bounds,
                              DWORD exStyle = 0);
    // A sunken frame the form draws on its own surface, under its controls.
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

    // A push button of this form: on a click, `modalResult` (if not mrNone) becomes the form's
    // result, then `onClick` runs. The default one reacts to Enter, the cancel one to Esc.
    void RegisterButton(HWND button, int modalResult, bool isDefault, bool isCancel,
                        std::function<void()> onClick);
    // What a click on a registered button does.
    void ClickButton(int id);

    // Used by the application's message loop: shortcuts, then Enter and Esc.
    bool IsShortCut(HWND focus, TShortCut shortCut);
    bool DialogKey(const MSG& msg);

    // Components register themselves with their form.
    void Register(TActionList* list);
    void Unregister(TActionList* list);
    void Register(TMenu* menu, bool mainMenu);
    void Unregister(TMenu* menu);
    void Register(TToolBar* toolBar);
    void Unregister(TToolBar* toolBar);

protected:
    // Build controls, menus and toolbar here (the form's designed layout).
    virtual void CreateControls() {}
    virtual void FormCreate() {}
    virtual void FormDestroy() {}
    virtual bool FormCloseQuery() { return true; }
    virtual void FormActivate() {}
    // The client area changed size (also once while the window is created): lay out here,
    // calling AutoSize of the toolbar and status bar first.
    virtual void FormResize() {}
    // A context menu request on `control` at a screen point ((-1, -1) from the keyboard);
    // change `pos` to move the menu, return true to suppress it.
    virtual bool ContextPopup(HWND /*control*/, POINT& /*pos*/) { return false; }
    // Control notifications not taken by a registered button (EN_CHANGE, ...).
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
    void MenuSelect(WPARAM wParam, LPARAM lParam);
    // Opens the context menu of the control or its nearest parent with one; false when none
    // has one.
    bool ContextMenu(HWND control, POINT pos);
    void CloseRequest();
    void FocusFirstControl();
    void PaintBevels(HDC dc) const;
    static LRESULT CALLBACK PopupOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR form);

    struct TButtonInfo {
        int modalResult;
        std::function<void()> onClick;
    };

    TApplication& FApp;
    TFormKind FKind;
    HWND FHandle = nullptr;
    HWND FSavedFocus = nullptr;
    bool FRestoringFocus = false;
    int FNextCommand = 100; // above IDOK, IDCANCEL and the other dialog ids
    int FModalResult = mrNone;
    bool FModal = false;
    std::vector<TBounds> FBevels;
    std::map<HWND, std::string> FHints;
    std::map<HWND, TPopupMenu*> FPopupMenus;
    std::map<int, TButtonInfo> FButtons;
    int FDefaultButton = 0;
    int FCancelButton = 0;
    TMainMenu* FMainMenu = nullptr;
    std::vector<TMenu*> FMenus;
    std::vector<TActionList*> FActionLists;
    std::vector<TToolBar*> FToolBars;
};

} // namespace porutena
