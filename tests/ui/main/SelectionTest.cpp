// The selected row's text in the edit box: by selection, by focus and by the context menu.
#include "MainTestSupport.h"

#include "support/DropBuilder.h"

namespace porutena::test {
namespace {

class SelectionTest : public MainWindowTest {
protected:
    // Current list c1, c2, c3; old list o2, o1 (dropped in two batches).
    TfrmMain& OpenWithLists() {
        for (const char* name : {"o1.txt", "o2.txt", "c1.txt", "c2.txt", "c3.txt"})
            temp.MakeFile(name);
        TfrmMain& w = Open();
        Drop({Name("o1.txt"), Name("o2.txt")});
        Drop({Name("c1.txt"), Name("c2.txt"), Name("c3.txt")});
        return w;
    }
    std::string Name(const char* name) const {
        char path[MAX_PATH] = {};
        GetLongPathNameA(temp.Path().c_str(), path, MAX_PATH);
        return std::string(path) + "\\" + name;
    }
    void Drop(const std::vector<std::string>& names) {
        SendMessageA(form->Handle(), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(MakeHDrop(names).Release()), 0);
        Settle();
    }
    TTempFolder temp{"porutena-select"};
};

TEST_F(SelectionTest, TheEditBoxFollowsTheSelectionInEitherList) {
    TfrmMain& w = OpenWithLists();
    ASSERT_EQ(w.edtFileName.Text(), Name("c1.txt"));
    w.lsvFileList.Select(2);
    EXPECT_EQ(w.edtFileName.Text(), Name("c3.txt"));
    // By the keyboard, as the user moves up.
    w.lsvFileList.SetFocus();
    PressKey(app, w.lsvFileList.Handle(), VK_UP);
    EXPECT_EQ(w.lsvFileList.SelectedIndex(), 1);
    EXPECT_EQ(w.edtFileName.Text(), Name("c2.txt"));

    w.lsvOldFile.Select(1);
    EXPECT_EQ(w.edtFileName.Text(), Name("o1.txt"));
    // A row losing its selection puts its own text there.
    w.edtFileName.SetText("ほか");
    w.lsvOldFile.Select(-1);
    EXPECT_EQ(w.edtFileName.Text(), Name("o1.txt"));
}

TEST_F(SelectionTest, TheListTakingTheFocusShowsItsSelectedRow) {
    TfrmMain& w = OpenWithLists();
    w.lsvOldFile.Select(0);
    w.lsvFileList.Select(1);
    ASSERT_EQ(w.edtFileName.Text(), Name("c2.txt"));
    w.lsvOldFile.SetFocus();
    EXPECT_EQ(w.edtFileName.Text(), Name("o2.txt"));
    w.lsvFileList.SetFocus();
    EXPECT_EQ(w.edtFileName.Text(), Name("c2.txt"));

    // Without a selected row the box keeps its text.
    w.lsvOldFile.Select(-1);
    w.edtFileName.SetFocus();
    w.edtFileName.SetText("手で書いた");
    w.lsvOldFile.SetFocus();
    EXPECT_EQ(w.edtFileName.Text(), "手で書いた");
}

TEST_F(SelectionTest, CopyIsEnabledExactlyWhileTheEditBoxHoldsText) {
    TfrmMain& w = OpenWithLists();
    ASSERT_TRUE(w.actCopy.Enabled());
    w.edtFileName.SetFocus();
    // Cleared by hand: select all, then delete.
    w.edtFileName.SetSelection(0, -1);
    PressKey(app, w.edtFileName.Handle(), VK_DELETE);
    EXPECT_EQ(w.edtFileName.Text(), "");
    EXPECT_FALSE(w.actCopy.Enabled());
    EXPECT_FALSE(MenuEnabled(w.mnuCopy, w.mnuMain.Handle()));
    EXPECT_FALSE(MenuEnabled(w.ppmCopy, w.ppmMain.Handle()));
    EXPECT_FALSE(ButtonEnabled(w.tbrTool, *w.tlbCopy));
    // Typing brings it back; copy all never went away.
    SendMessageA(w.edtFileName.Handle(), WM_CHAR, 'x', 1);
    EXPECT_EQ(w.edtFileName.Text(), "x");
    EXPECT_TRUE(w.actCopy.Enabled());
    EXPECT_TRUE(ButtonEnabled(w.tbrTool, *w.tlbCopy));
    EXPECT_TRUE(w.actCopyAll.Enabled());
}

// Closes any context menu as soon as it shows, noting which one and where.
struct TMenuWatch {
    HMENU opened = nullptr;
    RECT rect{};
    bool operator()() {
        HWND menu = FindWindowA("#32768", nullptr);
        if (!menu || !IsWindowVisible(menu))
            return false;
        opened = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
        GetWindowRect(menu, &rect);
        EndMenu();
        return true;
    }
};

// A context-menu request on `list` at a screen point ((-1, -1): from the keyboard); the menu
// that opened, if any.
TMenuWatch RequestMenu(TApplication& app, HWND list, POINT pos) {
    TMenuWatch watch;
    {
        TTimerProbe probe(app, [&] { return watch(); });
        // A menu that opens is tracked, and closed by the probe, before this returns.
        SendMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list),
                     MAKELPARAM(pos.x, pos.y));
    }
    return watch;
}

POINT RowCentre(const TListView& list, int row) {
    const RECT r = list.ItemRect(row);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list.Handle(), &p);
    return p;
}

TEST_F(SelectionTest, TheContextMenuOpensOnlyOverARow) {
    TfrmMain& w = OpenWithLists();
    HWND list = w.lsvFileList.Handle();

    // Over the second row: the menu opens where asked.
    const POINT onRow = RowCentre(w.lsvFileList, 1);
    TMenuWatch watch = RequestMenu(app, list, onRow);
    EXPECT_EQ(watch.opened, w.ppmMain.Handle());
    EXPECT_EQ(watch.rect.left, onRow.x);
    EXPECT_EQ(watch.rect.top, onRow.y);

    // Below the rows: nothing, but the list has taken the focus.
    w.lsvOldFile.SetFocus();
    RECT client;
    GetClientRect(list, &client);
    POINT below{client.right / 2, client.bottom - 3};
    ClientToScreen(list, &below);
    ASSERT_EQ(w.lsvFileList.ItemAt({client.right / 2, client.bottom - 3}), -1);
    EXPECT_EQ(RequestMenu(app, list, below).opened, nullptr);
    EXPECT_EQ(GetFocus(), list);

    // From the keyboard: at the centre of the selected row.
    w.lsvFileList.Select(2);
    watch = RequestMenu(app, list, {-1, -1});
    EXPECT_EQ(watch.opened, w.ppmMain.Handle());
    const POINT centre = RowCentre(w.lsvFileList, 2);
    EXPECT_EQ(watch.rect.left, centre.x);
    EXPECT_EQ(watch.rect.top, centre.y);
}

TEST_F(SelectionTest, AKeyboardRequestWithoutASelectedRowOpensNothingButFocuses) {
    TfrmMain& w = OpenWithLists();
    w.lsvOldFile.Select(1);
    w.lsvFileList.Select(-1);
    w.lsvOldFile.SetFocus();
    w.edtFileName.SetText("前のまま");
    EXPECT_EQ(RequestMenu(app, w.lsvFileList.Handle(), {-1, -1}).opened, nullptr);
    EXPECT_EQ(GetFocus(), w.lsvFileList.Handle());
    EXPECT_EQ(w.edtFileName.Text(), "前のまま");

    // The old list's request: its selected row reaches the edit box as it takes the focus.
    POINT pos{-1, -1};
    w.lsvFileList.SetFocus();
    EXPECT_FALSE(w.lsvOldFileContextPopup(pos));
    EXPECT_EQ(w.edtFileName.Text(), Name("o1.txt"));
    EXPECT_EQ(pos.x, RowCentre(w.lsvOldFile, 1).x);
    EXPECT_EQ(pos.y, RowCentre(w.lsvOldFile, 1).y);
}

TEST_F(SelectionTest, ARowScrolledOutOfViewOpensNothingFromTheKeyboard) {
    TfrmMain& w = Open();
    std::vector<std::string> names;
    for (int i = 0; i < 60; ++i) {
        const std::string name = std::to_string(i) + ".txt";
        temp.MakeFile(name);
        names.push_back(Name(name.c_str()));
    }
    Drop(names);
    ASSERT_EQ(w.lsvFileList.SelectedIndex(), 0);
    SendMessageA(w.lsvFileList.Handle(), LVM_ENSUREVISIBLE, 59, FALSE);
    POINT pos{-1, -1};
    EXPECT_TRUE(w.lsvFileListContextPopup(pos));
}

} // namespace
} // namespace porutena::test
