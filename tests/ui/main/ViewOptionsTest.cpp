// The view options: one choice per group in menu and toolbar alike, and both lists rendered
// under them.
#include "MainTestSupport.h"

#include "core/Text.h"

namespace porutena::test {
namespace {

class ViewOptionsTest : public MainWindowTest {
protected:
    // A current list with `a\b.txt` and an old list with `old.txt`, both real files.
    TfrmMain& OpenWithLists() {
        temp.MakeDirectory("Dir");
        temp.MakeFile("Dir\\File Name.txt");
        temp.MakeFile("Old.txt");
        TfrmMain& w = Open();
        w.AddFile(temp.Path() + "\\old.txt");
        w.MoveToOldList();
        w.AddFile(temp.Path() + "\\dir\\file name.txt");
        w.ShowList(w.FileList(), w.lsvFileList);
        Settle();
        return w;
    }
    // The row of `rest` below the folder, in stored case, written with `sep`.
    std::string Under(const std::string& sep, const std::string& rest) const {
        char folder[MAX_PATH] = {};
        GetLongPathNameA(temp.Path().c_str(), folder, MAX_PATH);
        return ReplaceBackslash(folder + std::string("\\") + rest, sep);
    }
    TTempFolder temp{"porutena-view"};
};

// Clicks as the user does: a menu item, or a toolbar button; then waits for the rendering.
void ClickMenu(TfrmMain& w, const TMenuItem& item) {
    SendCommand(w.Handle(), item.Command());
    Settle(w.App(), w);
}
void ClickButton(TfrmMain& w, const TToolButton& button) {
    SendCommand(w.Handle(), button.Command(), w.tbrTool.Handle(), BN_CLICKED);
    Settle(w.App(), w);
}

TEST_F(ViewOptionsTest, EachSeparatorChoiceLeavesExactlyOneCheckedAndRendersBothLists) {
    TfrmMain& w = OpenWithLists();
    HMENU menu = w.mnuMain.Handle();
    struct Choice {
        const char* name;
        bool byButton;
        int chosen; // 0 `\`, 1 `\\`, 2 `/`
        const char* sep;
    };
    const Choice choices[] = {
        {"/ by menu", false, 2, "/"},        {"\\\\ by menu", false, 1, "\\\\"},
        {"\\ by menu", false, 0, "\\"},      {"/ by button", true, 2, "/"},
        {"\\\\ by button", true, 1, "\\\\"}, {"\\ by button", true, 0, "\\"},
    };
    TMenuItem* items[] = {&w.mnuSepYen, &w.N6, &w.mnuSepSlash};
    TToolButton* buttons[] = {w.tlbSepYen, w.tlbSepDoubleYen, w.tlbSepSlash};
    TAction* actions[] = {&w.actSepYen, &w.actSepDoubleYen, &w.actSepSlash};
    for (const Choice& c : choices) {
        SCOPED_TRACE(c.name);
        if (c.byButton)
            ClickButton(w, *buttons[c.chosen]);
        else
            ClickMenu(w, *items[c.chosen]);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(MenuChecked(*items[i], menu), i == c.chosen) << i;
            EXPECT_EQ(ButtonDown(w.tbrTool, *buttons[i]), i == c.chosen) << i;
            EXPECT_EQ(actions[i]->Checked(), i == c.chosen) << i;
        }
        EXPECT_EQ(w.lsvFileList.Items(),
                  std::vector<std::string>{Under(c.sep, "Dir\\File Name.txt")});
        EXPECT_EQ(w.lsvOldFile.Items(), std::vector<std::string>{Under(c.sep, "Old.txt")});
        // The first row is selected again and shown.
        EXPECT_EQ(w.lsvFileList.SelectedIndex(), 0);
        EXPECT_EQ(w.edtFileName.Text(), Under(c.sep, "Dir\\File Name.txt"));
        EXPECT_EQ(w.lsvOldFile.SelectedIndex(), -1);
    }
}

TEST_F(ViewOptionsTest, StyleAndLengthChoicesPairUpInMenuAndToolbar) {
    TfrmMain& w = OpenWithLists();
    HMENU menu = w.mnuMain.Handle();
    char shortFolder[MAX_PATH] = {};
    GetShortPathNameA((temp.Path() + "\\Dir\\File Name.txt").c_str(), shortFolder, MAX_PATH);
    const std::string shortName = shortFolder;
    const std::string shortFile = shortName.substr(shortName.rfind('\\') + 1);
    ASSERT_NE(shortFile, "File Name.txt");

    struct Choice {
        const char* name;
        TMenuItem& item;
        TToolButton* button;
        TMenuItem& partner;
        TToolButton* partnerButton;
        std::string row;
    };
    const Choice choices[] = {
        {"file only", w.mnuFileOnly, w.tlbFileOnly, w.mnuFullPath, w.tlbFullPath, "File Name.txt"},
        {"short names", w.mnuShortFileName, w.tlbShortFileName, w.mnuLongFileName,
         w.tlbLongFileName, shortFile},
        {"full path", w.mnuFullPath, w.tlbFullPath, w.mnuFileOnly, w.tlbFileOnly, shortName},
        {"long names", w.mnuLongFileName, w.tlbLongFileName, w.mnuShortFileName, w.tlbShortFileName,
         Under("\\", "Dir\\File Name.txt")},
    };
    for (bool byButton : {false, true}) {
        for (const Choice& c : choices) {
            SCOPED_TRACE(std::string(c.name) + (byButton ? " by button" : " by menu"));
            if (byButton)
                ClickButton(w, *c.button);
            else
                ClickMenu(w, c.item);
            EXPECT_TRUE(MenuChecked(c.item, menu));
            EXPECT_FALSE(MenuChecked(c.partner, menu));
            EXPECT_TRUE(ButtonDown(w.tbrTool, *c.button));
            EXPECT_FALSE(ButtonDown(w.tbrTool, *c.partnerButton));
            EXPECT_EQ(w.lsvFileList.Items(), std::vector<std::string>{c.row});
        }
    }
}

TEST_F(ViewOptionsTest, TheSlashButtonRaisedAloneLeavesTheSlashChosen) {
    TfrmMain& w = OpenWithLists();
    ClickButton(w, *w.tlbSepSlash);
    ASSERT_TRUE(w.actSepSlash.Checked());
    ASSERT_TRUE(ButtonDown(w.tbrTool, *w.tlbSepSlash));

    // A check button of no group: clicked again it rises, and the choice stays.
    ClickButton(w, *w.tlbSepSlash);
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbSepSlash));
    EXPECT_TRUE(w.actSepSlash.Checked());
    EXPECT_TRUE(MenuChecked(w.mnuSepSlash, w.mnuMain.Handle()));
    EXPECT_FALSE(MenuChecked(w.mnuSepYen, w.mnuMain.Handle()));
    EXPECT_EQ(w.ViewOptions().Sep, TPathSep::psSlash);
    EXPECT_EQ(w.lsvFileList.Items(), std::vector<std::string>{Under("/", "Dir\\File Name.txt")});
    // `\` and `\\` are not pressed either: only the check states decide the rendering.
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbSepYen));
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbSepDoubleYen));

    // Choosing `\` and then `/` from the menu presses it again.
    ClickMenu(w, w.mnuSepYen);
    ClickMenu(w, w.mnuSepSlash);
    EXPECT_TRUE(ButtonDown(w.tbrTool, *w.tlbSepSlash));
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbSepYen));
}

TEST_F(ViewOptionsTest, WithAnEmptyCurrentListTheOldListIsRenderedAndTheEditBoxKept) {
    TfrmMain& w = OpenWithLists();
    w.MoveToOldList(); // the current list goes to the old one, whose first row is selected
    ASSERT_TRUE(w.FileList().empty());
    Settle();
    ASSERT_EQ(w.lsvOldFile.SelectedIndex(), 0);
    const std::string shown = w.edtFileName.Text();
    ASSERT_EQ(shown, Under("\\", "Dir\\File Name.txt"));

    ClickMenu(w, w.mnuSepSlash);
    EXPECT_EQ(w.lsvOldFile.Items(),
              (std::vector<std::string>{Under("/", "Dir\\File Name.txt"), Under("/", "Old.txt")}));
    EXPECT_EQ(w.lsvOldFile.SelectedIndex(), -1);
    EXPECT_EQ(w.lsvFileList.Count(), 0);
    EXPECT_EQ(w.edtFileName.Text(), shown);
}

TEST_F(ViewOptionsTest, AVanishedFileShowsAsAnEmptyRowUnderEveryOption) {
    temp.MakeFile("gone.txt");
    TfrmMain& w = Open();
    w.AddFile(temp.Path() + "\\gone.txt");
    w.AddFile(temp.Path() + "\\kept.txt");
    temp.MakeFile("kept.txt");
    DeleteFileA((temp.Path() + "\\gone.txt").c_str());
    for (TMenuItem* item : {&w.mnuFileOnly, &w.mnuShortFileName, &w.mnuSepSlash}) {
        ClickMenu(w, *item);
        ASSERT_EQ(w.lsvFileList.Count(), 2);
        EXPECT_EQ(w.lsvFileList.ItemText(0), "");
        EXPECT_EQ(w.lsvFileList.ItemText(1), "kept.txt");
    }
}

// The client area as the window shows it now, read back from its own surface.
std::vector<COLORREF> Shown(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, r.right, r.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = r.right;
    info.bmiHeader.biHeight = -r.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<COLORREF> pixels(static_cast<std::size_t>(r.right) * r.bottom);
    GetDIBits(memory, bitmap, 0, r.bottom, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return pixels;
}

TEST_F(ViewOptionsTest, EveryLayoutChangeLeavesTheWindowAsAFullRedrawPaintsIt) {
    TfrmMain& w = OpenWithLists();
    HWND splitter = w.Splitter1.Handle();
    const auto drag = [&](int dy) {
        SendMessageA(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 1));
        SendMessageA(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 1 + dy));
        SendMessageA(splitter, WM_LBUTTONUP, 0, MAKELPARAM(5, 1 + dy));
    };
    const auto resize = [&](int dx, int dy) {
        SetWindowPos(w.Handle(), nullptr, 0, 0, w.Width() + dx, w.Height() + dy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const auto moveToDpi = [&](int dpi) {
        RECT r{};
        GetWindowRect(w.Handle(), &r);
        r.right = r.left + MulDiv(r.right - r.left, dpi, w.Dpi());
        r.bottom = r.top + MulDiv(r.bottom - r.top, dpi, w.Dpi());
        SendMessageA(w.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
    };
    const int dpi = w.Dpi();
    struct Change {
        const char* name;
        std::function<void()> make;
    };
    const Change changes[] = {
        {"toolbar off", [&] { ClickMenu(w, w.mnuToolBar); }},
        {"toolbar on", [&] { ClickMenu(w, w.mnuToolBar); }},
        {"status bar off", [&] { ClickMenu(w, w.mnuStatusBar); }},
        {"status bar on", [&] { ClickMenu(w, w.mnuStatusBar); }},
        {"splitter down", [&] { drag(40); }},
        {"splitter up", [&] { drag(-25); }},
        {"wider and higher", [&] { resize(61, 37); }},
        {"narrower and lower", [&] { resize(-83, -29); }},
        {"another DPI", [&] { moveToDpi(dpi * 3 / 2); }},
        {"the DPI back", [&] { moveToDpi(dpi); }},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.name);
        const std::vector<COLORREF> before = Shown(w.Handle());
        c.make();
        app.ProcessMessages();
        const std::vector<COLORREF> after = Shown(w.Handle());
        RedrawWindow(w.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const std::vector<COLORREF> redrawn = Shown(w.Handle());
        EXPECT_NE(before, redrawn); // the change shows
        ASSERT_EQ(after.size(), redrawn.size());
        std::size_t stale = 0;
        for (std::size_t i = 0; i < after.size(); ++i)
            stale += after[i] != redrawn[i];
        EXPECT_EQ(stale, 0u);
    }
}

} // namespace
} // namespace porutena::test
