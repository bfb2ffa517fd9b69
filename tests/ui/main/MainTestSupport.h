#pragma once
// The real main window in this process, with the settings in memory, the command line and
// the shell and open dialog as the test sets them, and the real file system and clipboard.
#include "core/CommandLine.h"
#include "platform/win32/TempFolder.h"
#include "platform/win32/Win32DirectorySearch.h"
#include "platform/win32/WinClipboard.h"
#include "support/GatedSearch.h"
#include "support/MemoryKeyStore.h"
#include "ui/frame/TestWindow.h"
#include "ui/main/Main.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace porutena::test {

// How the program was started: its path and a command line as GetCommandLineA gives it.
class TFakeStart final : public TProgramStart {
public:
    std::string path = "C:\\Program Files\\Porutena\\porutena.exe";
    std::string commandLine = "porutena.exe";
    std::string ProgramPath() const override { return path; }
    std::vector<std::string> Arguments() const override {
        std::vector<std::string> items = SplitCommandLine(commandLine);
        items.erase(items.begin());
        return items;
    }
};

class TFakeShell final : public TShell {
public:
    struct TCall {
        std::string fileName, params, directory;
        int showCmd;
    };
    std::vector<TCall> calls;
    int result = 42;
    int ShellOpen(const std::string& fileName, const std::string& params,
                  const std::string& directory, int showCmd) override {
        calls.push_back({fileName, params, directory, showCmd});
        return result;
    }
};

// Answers each showing with the next scripted choice: names for OK, nullopt for a cancel.
class TFakeOpenDialog final : public TOpenDialog {
public:
    std::deque<std::optional<std::vector<std::string>>> choices;
    int shown = 0;
    bool Execute() override {
        ++shown;
        FFiles.clear();
        if (choices.empty())
            return false;
        std::optional<std::vector<std::string>> choice = std::move(choices.front());
        choices.pop_front();
        if (!choice)
            return false;
        FFiles = std::move(*choice);
        return true;
    }
    const std::vector<std::string>& Files() const override { return FFiles; }

private:
    std::vector<std::string> FFiles;
};

// Hand a fake to the window while the test keeps it.
class TBorrowedShell final : public TShell {
public:
    explicit TBorrowedShell(TShell& shell) : FShell(shell) {}
    int ShellOpen(const std::string& f, const std::string& p, const std::string& d,
                  int s) override {
        return FShell.ShellOpen(f, p, d, s);
    }

private:
    TShell& FShell;
};

class TBorrowedOpenDialog final : public TOpenDialog {
public:
    explicit TBorrowedOpenDialog(TOpenDialog& dialog) : FDialog(dialog) {}
    bool Execute() override { return FDialog.Execute(); }
    const std::vector<std::string>& Files() const override { return FDialog.Files(); }

private:
    TOpenDialog& FDialog;
};

// Where a control lies in its parent's client area.
inline TBounds BoundsOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Handles messages until the window's renderings under way have ended.
inline void Settle(TApplication& app, const TfrmMain& w) {
    while (w.Rendering() && app.HandleMessage()) {
    }
    app.ProcessMessages();
}

inline constexpr const char* ViewKey = "Software\\Zon\\Porutena\\View";
inline constexpr const char* FormKey = "Software\\Zon\\Porutena\\Form";

class MainWindowTest : public FrameTest {
protected:
    MainWindowTest() {
        app.SetTitle("ぽるてな");
        gate.Open();
    }
    ~MainWindowTest() override { CloseAndForget(); }

    // Frees the window; its end asks the loop to stop, which no later loop may see.
    void CloseAndForget() {
        form.reset();
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    // Stores a value as the program stores it: a string.
    void Store(const char* key, const char* name, const std::string& text) {
        keys.Put(key, name, {TRegType::String, text + '\0'});
    }
    // The stored text of a value, without its NUL; nullopt when missing.
    std::optional<std::string> Stored(const char* key, const char* name) const {
        std::optional<TRegValue> value = keys.Get(key, name);
        if (!value)
            return std::nullopt;
        return value->Data.substr(0, value->Data.find('\0'));
    }

    TMainContext Context() {
        return {
            .KeyStore = keys,
            .Start = start,
            .Search = gate,
            .MakeShell = [this](HWND) { return std::make_unique<TBorrowedShell>(shell); },
            .MakeClipboard = [](HWND owner) { return std::make_unique<TWinClipboard>(owner); },
            .MakeOpenDialog =
                [this](HWND) { return std::make_unique<TBorrowedOpenDialog>(dialog); },
        };
    }

    // Creates the window and shows it, which runs its first activation.
    TfrmMain& Open() {
        form = std::make_unique<TfrmMain>(app, Context());
        form->Show();
        Settle();
        return *form;
    }

    void Settle() { porutena::test::Settle(app, *form); }

    // Closes the window as its close button does; the settings are written on the way.
    void CloseWindow() {
        form->Close();
        app.ProcessMessages();
    }

    // The clipboard's text as another program reads it.
    std::string ClipboardText() { return TWinClipboard(nullptr).GetText(); }
    void SetClipboardText(const std::string& text) { TWinClipboard(nullptr).SetText(text); }

    TMemoryKeyStore keys;
    TFakeStart start;
    TWin32DirectorySearch search;
    // Open unless a test holds the searches.
    TGatedSearch gate{search};
    TFakeShell shell;
    TFakeOpenDialog dialog;
    std::unique_ptr<TfrmMain> form;
};

} // namespace porutena::test
