// Names chosen in the open dialog: the scripted one, and the system's one driven on screen.
#include "MainTestSupport.h"

#include "core/Errors.h"
#include "platform/win32/OpenFileDialog.h"
#include "platform/win32/WideText.h"

#include <cderr.h>
#include <dlgs.h>

namespace porutena::test {
namespace {

class OpenDialogTest : public MainWindowTest {
protected:
    OpenDialogTest() {
        char path[MAX_PATH] = {};
        GetLongPathNameA(temp.Path().c_str(), path, MAX_PATH);
        folder = path;
    }
    std::string File(const std::string& name) {
        temp.MakeFile(name);
        return folder + "\\" + name;
    }
    void PressCtrl(TfrmMain& w, WORD key) {
        {
            TKeysDown ctrl{VK_CONTROL};
            PressKey(app, w.lsvOldFile.Handle(), key);
        }
        Settle();
    }
    TTempFolder temp{"porutena-open"};
    std::string folder;
};

TEST_F(OpenDialogTest, ChosenFilesReplaceTheBatchAndACancelChangesNothing) {
    const std::string a = File("a.txt"), b = File("b.txt"), c = File("c.txt");
    dialog.choices = {TStringList{b, a}, std::nullopt, TStringList{c}};
    TfrmMain& w = Open();
    w.lsvOldFile.SetFocus();

    PressCtrl(w, 'O');
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(w.FileList(), (TStringList{b, a}));
    EXPECT_EQ(w.lsvFileList.Items(), (TStringList{b, a}));
    EXPECT_EQ(w.lsvFileList.SelectedIndex(), 0);
    EXPECT_EQ(w.edtFileName.Text(), b);
    EXPECT_EQ(GetFocus(), w.lsvOldFile.Handle()); // the focus stays where it was

    // Cancelled: nothing moves.
    SendCommand(w.Handle(), w.mnuGet.Command());
    Settle();
    EXPECT_EQ(dialog.shown, 2);
    EXPECT_EQ(w.FileList(), (TStringList{b, a}));
    EXPECT_TRUE(w.OldList().empty());
    EXPECT_EQ(w.edtFileName.Text(), b);

    // One file, from the toolbar.
    SendCommand(w.Handle(), w.tlbGet->Command(), w.tbrTool.Handle(), BN_CLICKED);
    Settle();
    EXPECT_EQ(dialog.shown, 3);
    EXPECT_EQ(w.FileList(), TStringList{c});
    EXPECT_EQ(w.OldList(), (TStringList{a, b}));
    EXPECT_EQ(w.edtFileName.Text(), c);
    EXPECT_TRUE(recorder.boxes.empty());
}

// A dialog that fails, as the system's does when the names do not fit its buffer.
class TFailingOpenDialog final : public TOpenDialog {
public:
    bool Execute() override { throw EError("選択したﾌｧｲﾙが多すぎます。"); }
    const std::vector<std::string>& Files() const override { return FFiles; }

private:
    std::vector<std::string> FFiles;
};

// The dialog's failure shows in the program's error box, its text as it stands.
TEST_F(OpenDialogTest, AFailingDialogIsReportedAndChangesNothing) {
    const std::string a = File("a.txt");
    start.commandLine = "porutena.exe " + a;
    TMainContext context = Context();
    context.MakeOpenDialog = [](HWND) { return std::make_unique<TFailingOpenDialog>(); };
    form = std::make_unique<TfrmMain>(app, context);
    form->Show();
    SendCommand(form->Handle(), form->mnuGet.Command());
    Settle();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "選択したﾌｧｲﾙが多すぎます。");
    EXPECT_EQ(recorder.boxes[0].caption, "エラー");
    EXPECT_EQ(recorder.boxes[0].flags, static_cast<UINT>(MB_ICONSTOP | MB_OK));
    EXPECT_EQ(recorder.beeps, std::vector<UINT>{MB_ICONHAND});
    EXPECT_EQ(form->FileList(), TStringList{a});
    EXPECT_TRUE(form->OldList().empty());
}

TEST_F(OpenDialogTest, TheSystemsDialogIsOwnedByTheWindowAndReportsABufferTooSmall) {
    TfrmMain& w = Open();
    // The program's own: the system's dialog with its buffer for thousands of names.
    const std::unique_ptr<TOpenDialog> made =
        SystemContext(keys, start, search).MakeOpenDialog(w.Handle());
    EXPECT_NE(dynamic_cast<TOpenFileDialog*>(made.get()), nullptr);

    // The system's dialog class with a dialog call that answers "too small".
    TMainContext context = Context();
    HWND owner = nullptr;
    context.MakeOpenDialog = [&owner](HWND window) {
        return std::make_unique<TOpenFileDialog>(
            window,
            [&owner](OPENFILENAMEW* ofn) {
                owner = ofn->hwndOwner;
                return FALSE;
            },
            [] { return static_cast<DWORD>(FNERR_BUFFERTOOSMALL); });
    };
    CloseAndForget();
    form = std::make_unique<TfrmMain>(app, context);
    form->Show();
    SendCommand(form->Handle(), form->mnuGet.Command());
    Settle();
    EXPECT_EQ(owner, form->Handle());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text,
              "選択したﾌｧｲﾙが多すぎます。一度に選択するﾌｧｲﾙの数を減らしてください。");
    EXPECT_EQ(recorder.boxes[0].caption, "エラー");
    EXPECT_EQ(recorder.boxes[0].flags, static_cast<UINT>(MB_ICONSTOP | MB_OK));
    EXPECT_EQ(recorder.boxes[0].owner, form->Handle());
    EXPECT_EQ(recorder.beeps, std::vector<UINT>{MB_ICONHAND});
    EXPECT_TRUE(form->FileList().empty());
}

TEST_F(OpenDialogTest, OnScreenTheChoiceArrivesAndTheNextShowingStartsAtTheFirstName) {
    const std::string a = File("a.txt"), b = File("ｿ表.txt");
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.c_str());
    TMainContext context = Context();
    context.MakeOpenDialog = [](HWND owner) { return std::make_unique<TOpenFileDialog>(owner); };
    form = std::make_unique<TfrmMain>(app, context);
    form->Show();

    // Once the dialog is in the folder and shows `start` in its name box, types `names` there
    // and presses OK; once only. After half a minute in another state the test fails and the
    // dialog is cancelled.
    auto press = [](HWND dialogWindow, const std::string& text) {
        SendMessageW(dialogWindow, CDM_SETCONTROLTEXT, cmb13,
                     reinterpret_cast<LPARAM>(Widen(text).c_str()));
        PostMessageA(dialogWindow, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialogWindow, IDOK)));
    };
    auto choose = [&](const std::string& start, const std::string& names) {
        const ULONGLONG end = GetTickCount64() + 30000;
        return [&, start, names, end] {
            HWND dialogWindow = FindWindowA("#32770", nullptr);
            if (!dialogWindow || !IsWindowVisible(dialogWindow) ||
                GetWindow(dialogWindow, GW_OWNER) != form->Handle())
                return false;
            char text[MAX_PATH] = {};
            wchar_t wideShown[MAX_PATH] = {};
            GetDlgItemTextA(dialogWindow, cmb13, text, sizeof text);
            SendMessageW(dialogWindow, CDM_GETFOLDERPATH, MAX_PATH,
                         reinterpret_cast<LPARAM>(wideShown));
            const std::string shown = Narrow(wideShown);
            if (text != start || shown != folder) {
                // The system may open it in the last folder this program used: it is taken here.
                if (shown != folder && GetTickCount64() < end)
                    press(dialogWindow, folder);
                if (GetTickCount64() < end)
                    return false;
                ADD_FAILURE() << "the dialog shows '" << text << "' in '" << shown << "', not '"
                              << start << "' in '" << folder << "'";
                PostMessageA(dialogWindow, WM_COMMAND, IDCANCEL, 0);
                return true;
            }
            press(dialogWindow, names);
            return true;
        };
    };
    {
        TTimerProbe probe(app, choose("", "\"ｿ表.txt\" \"a.txt\""));
        SendCommand(form->Handle(), form->mnuGet.Command());
        Settle();
    }
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(form->FileList(), (TStringList{b, a}));
    EXPECT_TRUE(recorder.boxes.empty());
    {
        // The next showing starts at the first chosen file, named again.
        TTimerProbe probe(app, choose("ｿ表.txt", "\"a.txt\""));
        SendCommand(form->Handle(), form->mnuGet.Command());
        Settle();
    }
    EXPECT_EQ(form->FileList(), TStringList{a});
    EXPECT_EQ(form->OldList(), (TStringList{a, b}));
    // Out of the folder the dialog moved into, so that it can be removed.
    SetCurrentDirectoryA(previous);
}

} // namespace
} // namespace porutena::test
