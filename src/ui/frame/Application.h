#pragma once
// The application object: title, icon, main form, message loop, current hint, the
// form font, the message boxes and the one error handler around every handler.
#include "ui/frame/Images.h"
#include "ui/frame/MessageBoxes.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace porutena {

class TForm;

class TApplication {
public:
    // Initialises the common controls, registers the form window class, makes the form font.
    explicit TApplication(HINSTANCE instance);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    HINSTANCE Instance() const { return FInstance; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(std::string title) { FTitle = std::move(title); }
    // Loads the forms of an icon resource from 16 to 64 pixels; forms created later show it.
    void SetIcon(int resourceId);
    HICON Icon() const { return IconOfSize(32); }
    // The icon drawn nearest the size a 32-pixel picture has at `dpi` (Icon() at 96).
    HICON Icon(int dpi) const;
    HICON SmallIcon() const { return IconOfSize(16); }
    // The small icon drawn nearest the size a title bar at `dpi` shows.
    HICON SmallIcon(int dpi) const;
    // "ＭＳ Ｐゴシック", 12 pixels, Shift-JIS: the font of every form and control.
    HFONT Font() const { return FFont.Get(); }
    // The same font made for `dpi` (the one above at 96), kept for the rest of the run.
    HFONT Font(int dpi);
    TForm* MainForm() const { return FMainForm; }

    // Shows the main form and runs the message loop until it is destroyed.
    void Run();
    // Handles every queued message, then the idle work; for tests and long operations.
    void ProcessMessages();
    // Waits for and handles one message (idle work first when the queue is empty); false
    // once WM_QUIT arrived.
    bool HandleMessage();
    // One message through shortcuts, dialog keys and dispatch. The loops read messages as
    // UTF-16 so that Unicode controls (edit boxes) get typed text whole; the system converts
    // it for the ANSI windows.
    void ProcessMessage(MSG& msg);
    bool Terminated() const { return FTerminated; }

    // The current hint (long part) and the handler run when it changes to another text.
    const std::string& Hint() const { return FHint; }
    void SetHint(std::string_view hint);
    std::function<void()> OnHint;
    // Sets the hint from the control under a screen point; the idle work uses the cursor.
    void UpdateHintAt(POINT screen);

    // Runs `handler`; an exception ends it and is shown (EAbort silently). True when it
    // completed without one. Never throws.
    template <class F> bool Guard(F&& handler) noexcept {
        try {
            std::forward<F>(handler)();
            return true;
        } catch (...) {
            HandleException(std::current_exception());
            return false;
        }
    }
    void HandleException(std::exception_ptr error) noexcept;

    IMessageBoxes& MessageBoxes() { return *FMessageBoxes; }
    // Replaces the message boxes (a test's recorder); null restores the system's.
    void SetMessageBoxes(IMessageBoxes* boxes);
    // The innermost modal form, else the main form: owner of new dialogs and message boxes.
    HWND DialogOwner() const;

    // Called by forms.
    void FormCreated(TForm& form);
    // `endLoop`: the main form's window closed while the program runs (not its C++ object
    // going away), so the message loop ends.
    void FormDestroyed(TForm& form, bool endLoop);
    void MenuLoop(bool entered);
    void ModalLoop(TForm& form, bool entered);

private:
    void Idle();

    HINSTANCE FInstance;
    std::string FTitle;
    // The icon's forms by their size in pixels.
    HICON IconOfSize(int size) const;
    std::map<int, TIcon> FIcons;
    TFont FFont;
    std::map<int, TFont> FScaledFonts;
    TForm* FMainForm = nullptr;
    std::vector<TForm*> FModalForms;
    bool FTerminated = false;
    bool FInMenu = false;
    std::string FHint;
    TSystemMessageBoxes FSystemBoxes;
    IMessageBoxes* FMessageBoxes = &FSystemBoxes;
};

// The window class of every form.
inline constexpr const char* FormClassName = "PorutenaForm";

} // namespace porutena
