#include "platform/win32/OpenFileDialog.h"

#include "TestSupport.h"
#include "core/Errors.h"

#include <cderr.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <thread>

using namespace porutena;

namespace {

using Names = std::vector<std::string>;

const std::string So = "\x83\x5C"; // ソ: its second byte is `\`

// Writes `result` into the dialog's buffer as the system would and answers OK; the dialog
// counts `fileOffset` (bytes into `result`) in UTF-16 units.
TOpenFileDialog::TShowDialog Choose(const std::string& result, WORD fileOffset) {
    return [result, fileOffset](OPENFILENAMEW* ofn) {
        const std::wstring wide = test::ToWide(result);
        if (wide.size() > ofn->nMaxFile)
            return FALSE;
        std::memcpy(ofn->lpstrFile, wide.data(), wide.size() * sizeof(wchar_t));
        ofn->nFileOffset = static_cast<WORD>(test::ToWide(result.substr(0, fileOffset)).size());
        return TRUE;
    };
}

TOpenFileDialog::TShowDialog Fail() {
    return [](OPENFILENAMEW*) { return FALSE; };
}

TOpenFileDialog::TExtendedError Error(DWORD code) {
    return [code] { return code; };
}

TEST(OpenFileDialog, AsksForTheSystemsMultiSelectDialog) {
    test::TTestWindow owner;
    OPENFILENAMEW seen{};
    std::wstring initialName;
    std::wstring filter;
    const std::wstring expectedFilter = test::ToWide(std::string("すべてのﾌｧｲﾙ(*.*)\0*.*\0\0", 23));
    TOpenFileDialog dialog(
        owner.Handle(),
        [&](OPENFILENAMEW* ofn) {
            seen = *ofn;
            initialName = ofn->lpstrFile;
            filter.assign(ofn->lpstrFilter, expectedFilter.size());
            return FALSE;
        },
        Error(0));
    dialog.SetFileName("C:\\dir\\" + So + ".txt");

    EXPECT_FALSE(dialog.Execute());

    EXPECT_EQ(seen.lStructSize, sizeof(OPENFILENAMEW));
    EXPECT_EQ(seen.hwndOwner, owner.Handle());
    EXPECT_EQ(seen.Flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT |
                                             OFN_FILEMUSTEXIST | OFN_ENABLESIZING | OFN_EXPLORER));
    EXPECT_EQ(seen.lpstrTitle, nullptr);
    EXPECT_EQ(seen.lpstrInitialDir, nullptr);
    EXPECT_EQ(filter, expectedFilter);
    EXPECT_EQ(seen.nFilterIndex, 1u);
    EXPECT_EQ(initialName, test::ToWide("C:\\dir\\" + So + ".txt"));
    EXPECT_GE(seen.nMaxFile, 1024u * 1024u);
}

TEST(OpenFileDialog, OneFileIsItsFullPath) {
    TOpenFileDialog dialog(nullptr, Choose("C:\\" + So + std::string("\\a.txt\0", 7), 6));
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Files(), Names{"C:\\" + So + "\\a.txt"});
    EXPECT_EQ(dialog.FileName(), "C:\\" + So + "\\a.txt");
}

TEST(OpenFileDialog, ALargeChoiceArrivesWhole) {
    // Far beyond the 65519 bytes an older buffer held.
    std::string result = std::string("C:\\") + So + '\0';
    Names expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string name = std::string(40, 'f') + std::to_string(i) + ".txt";
        result += name + '\0';
        expected.push_back("C:\\" + So + "\\" + name);
    }
    result += '\0';
    TOpenFileDialog dialog(nullptr, Choose(result, 6));

    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Files(), expected);
    EXPECT_EQ(dialog.FileName(), expected.front());
}

TEST(OpenFileDialog, CancelChangesNothingButTheList) {
    bool ok = true;
    TOpenFileDialog dialog(
        nullptr,
        [&ok](OPENFILENAMEW* ofn) {
            return ok ? Choose(std::string("C:\\\0a\0b\0\0", 9), 4)(ofn) : FALSE;
        },
        Error(0));
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Files(), (Names{"C:\\a", "C:\\b"}));

    ok = false;
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(dialog.Files().empty());
    EXPECT_EQ(dialog.FileName(), "C:\\a");
}

TEST(OpenFileDialog, AnOkWithoutNamesCountsAsCancel) {
    TOpenFileDialog dialog(nullptr, Choose(std::string("\0\0", 2), 0), Error(0));
    dialog.SetFileName("C:\\a.txt");
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(dialog.Files().empty());
    EXPECT_EQ(dialog.FileName(), "C:\\a.txt");
}

TEST(OpenFileDialog, FailuresAreErrorsNotCancels) {
    struct Case {
        DWORD code;
        std::string message;
    };
    const Case cases[] = {
        {FNERR_BUFFERTOOSMALL,
         "選択したﾌｧｲﾙが多すぎます。一度に選択するﾌｧｲﾙの数を減らしてください。"},
        {CDERR_INITIALIZATION, "ﾌｧｲﾙを選択するﾀﾞｲｱﾛｸﾞでｴﾗｰが発生しました。(ｴﾗｰｺｰﾄﾞ $2)"},
        {FNERR_INVALIDFILENAME, "ﾌｧｲﾙを選択するﾀﾞｲｱﾛｸﾞでｴﾗｰが発生しました。(ｴﾗｰｺｰﾄﾞ $3002)"},
        {CDERR_DIALOGFAILURE, "ﾌｧｲﾙを選択するﾀﾞｲｱﾛｸﾞでｴﾗｰが発生しました。(ｴﾗｰｺｰﾄﾞ $FFFF)"},
    };
    for (const Case& c : cases) {
        TOpenFileDialog dialog(nullptr, Fail(), Error(c.code));
        dialog.SetFileName("C:\\a.txt");
        try {
            dialog.Execute();
            ADD_FAILURE() << "no error for " << c.code;
        } catch (const EError& error) {
            EXPECT_EQ(error.what(), c.message);
        }
        EXPECT_TRUE(dialog.Files().empty());
        EXPECT_EQ(dialog.FileName(), "C:\\a.txt");
    }
}

} // namespace

namespace real {

// Drives the system's dialog from a thread of its own: once a dialog of this process shows a
// name in its name box, it has filled its controls and `act` runs on it. After half a minute
// without that the test fails, and a dialog on screen is cancelled so Execute returns.
class TDialogDriver {
public:
    explicit TDialogDriver(std::function<void(HWND)> act)
        : FThread([act = std::move(act)] {
              const ULONGLONG end = GetTickCount64() + 30000;
              HWND dialog = nullptr;
              while (GetTickCount64() < end) {
                  dialog = FindOwnDialog();
                  char name[MAX_PATH] = {};
                  if (dialog && GetDlgItemTextA(dialog, cmb13, name, sizeof name) > 0) {
                      act(dialog);
                      return;
                  }
                  Sleep(50);
              }
              ADD_FAILURE() << (dialog ? "the dialog showed no name" : "no dialog came")
                            << " within 30 s";
              if (dialog)
                  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
          }) {}
    ~TDialogDriver() { FThread.join(); }

private:
    static HWND FindOwnDialog() {
        HWND found = nullptr;
        EnumWindows(
            [](HWND window, LPARAM param) -> BOOL {
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                char className[16] = {};
                GetClassNameA(window, className, sizeof className);
                if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
                    std::strcmp(className, "#32770") == 0) {
                    *reinterpret_cast<HWND*>(param) = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    std::thread FThread;
};

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string CurrentDirectory() {
    char path[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof path, path);
    return path;
}

// Sets the current directory to the system's folder now and again when it goes.
class TInSystemFolder {
public:
    TInSystemFolder() {
        GetWindowsDirectoryA(FPath, sizeof FPath);
        Enter();
    }
    TInSystemFolder(const TInSystemFolder&) = delete;
    TInSystemFolder& operator=(const TInSystemFolder&) = delete;
    ~TInSystemFolder() { Enter(); }
    void Enter() const { SetCurrentDirectoryA(FPath); }

private:
    char FPath[MAX_PATH + 1] = {};
};

TEST(OpenFileDialogOnScreen, OkTakesTheChosenFilesAndMovesTheCurrentDirectory) {
    test::TScratchFolder folder("porutena-open");
    const std::string first = folder.Path() + "\\a.txt";
    const std::string second = folder.Path() + "\\" + So + ".txt";
    test::WriteFile(first, "a");
    test::WriteFile(second, "b");
    const TInSystemFolder systemFolder;
    test::TTestWindow owner;
    TOpenFileDialog dialog(owner.Handle());

    dialog.SetFileName(first);
    {
        TDialogDriver driver([](HWND window) { Press(window, IDOK); });
        ASSERT_TRUE(dialog.Execute());
    }
    EXPECT_EQ(dialog.Files(), Names{first});
    EXPECT_EQ(dialog.FileName(), first);
    EXPECT_EQ(CurrentDirectory(), folder.Path());

    systemFolder.Enter();
    {
        TDialogDriver driver([&](HWND window) {
            SendMessageW(
                window, CDM_SETCONTROLTEXT, cmb13,
                reinterpret_cast<LPARAM>(test::ToWide("\"" + So + ".txt\" \"a.txt\"").c_str()));
            Press(window, IDOK);
        });
        ASSERT_TRUE(dialog.Execute());
    }
    EXPECT_EQ(dialog.Files(), (Names{second, first}));
    EXPECT_EQ(dialog.FileName(), second);
    EXPECT_EQ(CurrentDirectory(), folder.Path());
}

TEST(OpenFileDialogOnScreen, CancelIsNotAnError) {
    test::TTestWindow owner;
    TOpenFileDialog dialog(owner.Handle());
    dialog.SetFileName("C:\\windows\\win.ini");
    TDialogDriver driver([](HWND window) { Press(window, IDCANCEL); });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(dialog.Files().empty());
    EXPECT_EQ(dialog.FileName(), "C:\\windows\\win.ini");
}

} // namespace real
