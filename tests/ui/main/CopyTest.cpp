// Copy and Copy all onto the system's clipboard, by keys, menus and toolbar.
#include "MainTestSupport.h"

#include "core/Text.h"
#include "platform/win32/ClipboardHolder.h"
#include "support/DropBuilder.h"

namespace porutena::test {
namespace {

class CopyTest : public MainWindowTest {
protected:
    CopyTest() {
        char path[MAX_PATH] = {};
        GetLongPathNameA(temp.Path().c_str(), path, MAX_PATH);
        folder = path;
        temp.MakeDirectory("dir");
        temp.MakeFile("dir\\file.txt");
        temp.MakeFile("ﾒﾓ 表.txt");
        names = {folder + "\\dir\\file.txt", folder + "\\ﾒﾓ 表.txt"};
    }
    TfrmMain& OpenWithNames() {
        TfrmMain& w = Open();
        SendMessageA(w.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeHDrop(names).Release()),
                     0);
        Settle();
        return w;
    }
    void PressCtrl(HWND control, WORD key) {
        TKeysDown ctrl{VK_CONTROL};
        PressKey(app, control, key);
    }
    TTempFolder temp{"porutena-copy"};
    std::string folder;
    std::vector<std::string> names;
};

TEST_F(CopyTest, CopyTakesTheSelectionInTheEditBoxElseItsWholeText) {
    TfrmMain& w = OpenWithNames();
    SendCommand(w.Handle(), w.mnuSepSlash.Command());
    Settle();
    const std::string shown = ReplaceBackslash(names[0], "/");
    ASSERT_EQ(w.edtFileName.Text(), shown);

    SetClipboardText("前の中身");
    PressCtrl(w.lsvFileList.Handle(), 'C');
    EXPECT_EQ(ClipboardText(), shown);

    // "dir" selected inside the box, Ctrl+C typed there: the menu takes the key first.
    w.edtFileName.SetFocus();
    const auto at = static_cast<int>(shown.find("dir/"));
    w.edtFileName.SetSelection(at, at + 3);
    PressCtrl(w.edtFileName.Handle(), 'C');
    EXPECT_EQ(ClipboardText(), "dir");

    // A part holding double-byte characters, from the context menu's item.
    w.lsvFileList.Select(1);
    const std::string second = ReplaceBackslash(names[1], "/");
    const auto memo = static_cast<int>(second.find("ﾒﾓ 表"));
    w.edtFileName.SetSelection(memo, memo + static_cast<int>(std::string("ﾒﾓ 表").size()));
    SendCommand(w.Handle(), w.ppmCopy.Command());
    EXPECT_EQ(ClipboardText(), "ﾒﾓ 表");
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(CopyTest, AnEmptyEditBoxCopiesNothing) {
    TfrmMain& w = OpenWithNames();
    SetClipboardText("そのまま");
    w.edtFileName.SetText("");
    // Even run directly, with the command disabled around it.
    w.actCopyExecute();
    EXPECT_EQ(ClipboardText(), "そのまま");
    PressCtrl(w.lsvFileList.Handle(), 'C');
    EXPECT_EQ(ClipboardText(), "そのまま");
}

TEST_F(CopyTest, CopyAllGivesTheDisplayedRowsEachEndedByCrLf) {
    TfrmMain& w = OpenWithNames();
    struct Case {
        const TMenuItem& separator;
        const char* sep;
    };
    for (const Case c : {Case{w.mnuSepSlash, "/"}, Case{w.N6, "\\\\"}, Case{w.mnuSepYen, "\\"}}) {
        SCOPED_TRACE(c.sep);
        SendCommand(w.Handle(), c.separator.Command());
        Settle();
        SetClipboardText("前の中身");
        PressCtrl(w.edtFileName.Handle(), 'A');
        EXPECT_EQ(ClipboardText(), ReplaceBackslash(names[0], c.sep) + "\r\n" +
                                       ReplaceBackslash(names[1], c.sep) + "\r\n");
    }
    // File names only, from the toolbar button.
    SendCommand(w.Handle(), w.mnuFileOnly.Command());
    Settle();
    SendCommand(w.Handle(), w.tlbCopyAll->Command(), w.tbrTool.Handle(), BN_CLICKED);
    EXPECT_EQ(ClipboardText(), "file.txt\r\nﾒﾓ 表.txt\r\n");
}

TEST_F(CopyTest, CopyAllOfAnEmptyListEmptiesTheClipboard) {
    TfrmMain& w = OpenWithNames();
    w.MoveToOldList();
    Settle();
    ASSERT_EQ(w.lsvFileList.Count(), 0);
    ASSERT_TRUE(w.actCopyAll.Enabled()); // once enabled, it stays
    SetClipboardText("前の中身");
    SendCommand(w.Handle(), w.mnuCopyAll.Command());
    EXPECT_EQ(ClipboardText(), "");
}

TEST_F(CopyTest, AClipboardHeldElsewhereFailsBothCopiesWithTheMessage) {
    TfrmMain& w = OpenWithNames();
    SetClipboardText("前の中身");
    {
        TClipboardHolder holder;
        ASSERT_TRUE(holder.Held());
        SendCommand(w.Handle(), w.mnuCopy.Command());
        SendCommand(w.Handle(), w.mnuCopyAll.Command());
    }
    ASSERT_EQ(recorder.boxes.size(), 2u);
    for (const auto& box : recorder.boxes) {
        EXPECT_EQ(box.text, "クリップボードを開くことができません.");
        EXPECT_EQ(box.caption, "ぽるてな");
        EXPECT_EQ(box.flags, static_cast<UINT>(MB_ICONSTOP | MB_OK));
    }
    EXPECT_EQ(ClipboardText(), "前の中身");
}

} // namespace
} // namespace porutena::test
