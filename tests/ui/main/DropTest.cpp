// Files dropped on the window from the shell, as real drop data sent to the real window.
#include "MainTestSupport.h"

#include "support/DropBuilder.h"

namespace porutena::test {
namespace {

class DropTest : public MainWindowTest {
protected:
    DropTest() {
        char path[MAX_PATH] = {};
        GetLongPathNameA(temp.Path().c_str(), path, MAX_PATH);
        folder = path;
    }
    // Sends a drop of `names` to the window; returns its handle, released by then.
    HGLOBAL Drop(const std::vector<std::string>& names, TDropText text = TDropText::Ansi) {
        HGLOBAL drop = MakeHDrop(names, text).Release();
        SendMessageA(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        Settle();
        return drop;
    }
    std::string File(const std::string& name) {
        temp.MakeFile(name);
        return folder + "\\" + name;
    }
    static bool Released(HGLOBAL drop) { return GlobalFlags(drop) == GMEM_INVALID_HANDLE; }

    TTempFolder temp{"porutena-drop"};
    std::string folder;
};

TEST_F(DropTest, ADropMovesTheBatchToTheOldListAndSelectsTheFirstName) {
    const std::string a = File("a"), b = File("b");
    const std::string x = File("x.txt"), y = File("ｙ.txt");
    TfrmMain& w = Open();
    ASSERT_TRUE(Released(Drop({a, b})));
    w.lsvOldFile.SetFocus();
    ASSERT_EQ(w.FileList(), (TStringList{a, b}));

    ASSERT_TRUE(Released(Drop({y, x})));
    EXPECT_EQ(w.OldList(), (TStringList{b, a}));
    EXPECT_EQ(w.lsvOldFile.Items(), (TStringList{b, a}));
    EXPECT_EQ(w.FileList(), (TStringList{y, x}));
    EXPECT_EQ(w.lsvFileList.Items(), (TStringList{y, x}));
    EXPECT_EQ(w.lsvFileList.SelectedIndex(), 0);
    EXPECT_EQ(w.edtFileName.Text(), y);
    EXPECT_EQ(GetFocus(), w.lsvFileList.Handle());
    EXPECT_TRUE(w.actCopy.Enabled());
    EXPECT_TRUE(w.actCopyAll.Enabled());
}

TEST_F(DropTest, DroppedNamesAreKeptAsTheyCameAndRenderedForDisplay) {
    const std::string stored = File("Stored Case.TXT");
    TfrmMain& w = Open();
    const std::string lower = folder + "\\stored case.txt";
    Drop({lower, lower});
    // Unconverted in the list, twice; rendered in stored case.
    EXPECT_EQ(w.FileList(), (TStringList{lower, lower}));
    EXPECT_EQ(w.lsvFileList.Items(), (TStringList{stored, stored}));
}

TEST_F(DropTest, LongAndDoubleByteNamesArriveWhole) {
    // Longer than the 259 bytes a fixed buffer would keep, and cut there mid-character.
    std::string longName = "C:\\";
    while (longName.size() < 258)
        longName += "ﾌｧｲﾙ";
    longName += "表ソ\\長い名前.txt";
    ASSERT_GT(longName.size(), 259u);
    const std::vector<std::string> names = {longName, "C:\\表\\ソ\\予定表.txt", "C:\\a.txt"};
    TfrmMain& w = Open();
    for (TDropText text : {TDropText::Ansi, TDropText::Wide}) {
        SCOPED_TRACE(text == TDropText::Ansi ? "ANSI" : "UTF-16");
        EXPECT_TRUE(Released(Drop(names, text)));
        EXPECT_EQ(w.FileList(), names);
        EXPECT_EQ(w.lsvFileList.Count(), 3);
    }
}

TEST_F(DropTest, ADropOfNoFilesChangesNothingAndIsReleased) {
    const std::string a = File("a.txt");
    TfrmMain& w = Open();
    Drop({a});
    w.lsvOldFile.SetFocus();
    const HGLOBAL drop = Drop({});
    EXPECT_TRUE(Released(drop));
    EXPECT_EQ(w.FileList(), TStringList{a});
    EXPECT_TRUE(w.OldList().empty());
    EXPECT_EQ(w.lsvFileList.Items(), TStringList{a});
    EXPECT_EQ(GetFocus(), w.lsvOldFile.Handle());
}

TEST_F(DropTest, TheOldListKeepsTheStoredNumberOfNames) {
    Store(ViewKey, "OldListNum", "3");
    const std::vector<std::string> names = {File("1"), File("2"), File("3"), File("4"), File("5")};
    TfrmMain& w = Open();
    Drop(names);
    Drop({names[3]});
    EXPECT_EQ(w.OldList(), (TStringList{names[4], names[3], names[2]}));
    Drop({names[0]});
    // Already there: moved to the top, nothing lost.
    EXPECT_EQ(w.OldList(), (TStringList{names[3], names[4], names[2]}));
    EXPECT_EQ(w.lsvOldFile.Items(), w.OldList());
}

TEST_F(DropTest, TheWindowAcceptsDropsFromTheShell) {
    TfrmMain& w = Open();
    EXPECT_TRUE(GetWindowLongPtrA(w.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

} // namespace
} // namespace porutena::test
