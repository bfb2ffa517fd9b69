// The window as it starts: layout, commands, menus, toolbar, and the command-line names.
#include "MainTestSupport.h"

#include "platform/win32/OpenFileDialog.h"
#include "ui/dialogs/ModalDriver.h"

namespace porutena::test {
namespace {

using StartupTest = MainWindowTest;

std::string ShortPath(const std::string& path) {
    char buffer[MAX_PATH * 2] = {};
    GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return buffer;
}

std::string LongPath(const std::string& path) {
    char buffer[MAX_PATH * 2] = {};
    GetLongPathNameA(path.c_str(), buffer, sizeof buffer);
    return buffer;
}

std::string ColumnCaption(const TListView& list) {
    char text[64] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    SendMessageA(list.Handle(), LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    return text;
}

bool IsRadio(const TMenuItem& item, HMENU menu) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, static_cast<UINT>(item.Command()), FALSE, &info);
    return (info.fType & MFT_RADIOCHECK) != 0;
}

TEST_F(StartupTest, WithoutSettingsOrNamesTheWindowIsAsDesigned) {
    TfrmMain& w = Open();
    EXPECT_EQ(w.Caption(), "ぽるてな");
    EXPECT_EQ(w.Width(), 569);
    EXPECT_EQ(w.Height(), 293);
    EXPECT_TRUE(w.FileList().empty());
    EXPECT_TRUE(w.OldList().empty());
    EXPECT_EQ(w.lsvFileList.Count(), 0);
    EXPECT_EQ(w.lsvOldFile.Count(), 0);
    EXPECT_EQ(w.edtFileName.Text(), "");

    EXPECT_TRUE(w.tbrTool.Visible());
    EXPECT_TRUE(w.stbStatus.Visible());
    EXPECT_TRUE(MenuChecked(w.mnuToolBar, w.mnuMain.Handle()));
    EXPECT_TRUE(MenuChecked(w.mnuStatusBar, w.mnuMain.Handle()));
    EXPECT_EQ(w.lsvFileList.ColumnWidth(0), w.ClientWidth() - 4);
    EXPECT_EQ(w.lsvOldFile.ColumnWidth(0), w.ClientWidth() - 4);

    // Full path, long names and `\`.
    HMENU menu = w.mnuMain.Handle();
    EXPECT_TRUE(MenuChecked(w.mnuFullPath, menu));
    EXPECT_FALSE(MenuChecked(w.mnuFileOnly, menu));
    EXPECT_TRUE(MenuChecked(w.mnuLongFileName, menu));
    EXPECT_FALSE(MenuChecked(w.mnuShortFileName, menu));
    EXPECT_TRUE(MenuChecked(w.mnuSepYen, menu));
    EXPECT_FALSE(MenuChecked(w.N6, menu));
    EXPECT_FALSE(MenuChecked(w.mnuSepSlash, menu));
    EXPECT_TRUE(ButtonDown(w.tbrTool, *w.tlbFullPath));
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbFileOnly));
    EXPECT_TRUE(ButtonDown(w.tbrTool, *w.tlbLongFileName));
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbShortFileName));
    EXPECT_TRUE(ButtonDown(w.tbrTool, *w.tlbSepYen));
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbSepDoubleYen));
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbSepSlash));
    const TViewOptions options = w.ViewOptions();
    EXPECT_EQ(options.Style, TFileViewStyle::fvsFullPath);
    EXPECT_EQ(options.Length, TFileViewLength::fvlLongName);
    EXPECT_EQ(options.Sep, TPathSep::psYen);

    // Nothing to copy yet, anywhere the commands are offered.
    for (TAction* action : {&w.actCopy, &w.actCopyAll})
        EXPECT_FALSE(action->Enabled());
    for (TMenuItem* item : {&w.mnuCopy, &w.mnuCopyAll})
        EXPECT_FALSE(MenuEnabled(*item, menu));
    EXPECT_FALSE(MenuEnabled(w.ppmCopy, w.ppmMain.Handle()));
    EXPECT_FALSE(ButtonEnabled(w.tbrTool, *w.tlbCopy));
    EXPECT_FALSE(ButtonEnabled(w.tbrTool, *w.tlbCopyAll));
    EXPECT_TRUE(ButtonEnabled(w.tbrTool, *w.tlbGet));
}

TEST_F(StartupTest, ControlsLieWhereDesignedAndFollowTheWindowsSize) {
    TfrmMain& w = Open();
    for (int width : {569, 700}) {
        w.SetWidth(width);
        w.SetHeight(width == 569 ? 293 : 400);
        const int cw = w.ClientWidth();
        const int ch = w.ClientHeight();
        struct Expected {
            const char* name;
            HWND control;
            TBounds bounds;
        };
        const int bottomPanel = ch - 19 - 28;
        const Expected cases[] = {
            {"tbrTool", w.tbrTool.Handle(), {0, 0, cw, 30}},
            {"lsvOldFile", w.lsvOldFile.Handle(), {0, 30, cw, 85}},
            {"Splitter1", w.Splitter1.Handle(), {0, 115, cw, 3}},
            {"lsvFileList", w.lsvFileList.Handle(), {0, 118, cw, bottomPanel - 118}},
            {"edtFileName", w.edtFileName.Handle(), {0, bottomPanel + 4, cw, 20}},
            {"stbStatus", w.stbStatus.Handle(), {0, ch - 19, cw, 19}},
        };
        for (const Expected& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " at width " + std::to_string(width));
            const TBounds actual = BoundsOf(c.control);
            EXPECT_EQ(actual.x, c.bounds.x);
            EXPECT_EQ(actual.y, c.bounds.y);
            EXPECT_EQ(actual.width, c.bounds.width);
            EXPECT_EQ(actual.height, c.bounds.height);
        }
        // The first button: inside the toolbar's border of 1, then indented by 4.
        RECT button{};
        SendMessageA(w.tbrTool.Handle(), TB_GETRECT, static_cast<WPARAM>(w.tlbGet->Command()),
                     reinterpret_cast<LPARAM>(&button));
        MapWindowPoints(w.tbrTool.Handle(), w.Handle(), reinterpret_cast<POINT*>(&button), 2);
        EXPECT_EQ(button.left, 1 + 4);
        EXPECT_EQ(button.top, 1);
    }
}

TEST_F(StartupTest, TheSplitterResizesTheOldListWithinItsLimits) {
    TfrmMain& w = Open();
    HWND splitter = w.Splitter1.Handle();
    const int total =
        BoundsOf(w.lsvOldFile.Handle()).height + 3 + BoundsOf(w.lsvFileList.Handle()).height;
    auto drag = [&](int dy) {
        SendMessageA(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 1));
        SendMessageA(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 1 + dy));
        SendMessageA(splitter, WM_LBUTTONUP, 0, MAKELPARAM(10, 1 + dy));
    };
    struct Case {
        int dy;
        int oldHeight;
    };
    // Down, up, and past either end: each list keeps at least one pixel.
    for (const Case c : {Case{20, 105}, Case{-50, 55}, Case{-500, 1}, Case{1000, total - 4}}) {
        SCOPED_TRACE(c.dy);
        drag(c.dy);
        const TBounds old = BoundsOf(w.lsvOldFile.Handle());
        const TBounds current = BoundsOf(w.lsvFileList.Handle());
        EXPECT_EQ(old.height, c.oldHeight);
        EXPECT_EQ(BoundsOf(splitter).y, old.y + old.height);
        EXPECT_EQ(current.y, old.y + old.height + 3);
        EXPECT_EQ(current.height, total - 3 - c.oldHeight);
    }
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(StartupTest, ListsEditBoxAndBarsAreTheDesignedKinds) {
    TfrmMain& w = Open();
    EXPECT_EQ(ColumnCaption(w.lsvOldFile), "旧リスト");
    EXPECT_EQ(ColumnCaption(w.lsvFileList), "ファイル名");
    for (TListView* list : {&w.lsvOldFile, &w.lsvFileList}) {
        const LONG_PTR style = GetWindowLongPtrA(list->Handle(), GWL_STYLE);
        EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
        EXPECT_TRUE(style & LVS_SINGLESEL);
        EXPECT_FALSE(style & LVS_EDITLABELS);
        EXPECT_TRUE(SendMessageA(list->Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
                    LVS_EX_FULLROWSELECT);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(list->Handle(), WM_GETFONT, 0, 0)),
                  app.Font());

        // A row cut off, by its column or by the list's edge, shows whole in its tooltip.
        const std::string name = "C:\\資料\\議事録_営業会議.txt";
        std::string path = "C:";
        while (path.size() < 150)
            path += "\\共有フォルダ";
        list->SetItems({name, path});
        struct Tip {
            int column;
            int row;
            bool shown;
        };
        const int wide = 10 * list->Bounds().width; // wider than the long path
        for (const Tip t : {Tip{400, 0, false}, Tip{60, 0, true}, Tip{400, 1, true},
                            Tip{wide, 1, true}, Tip{wide, 0, false}}) {
            SCOPED_TRACE(std::to_string(t.column) + " wide, row " + std::to_string(t.row));
            list->SetColumnWidth(0, t.column);
            EXPECT_EQ(list->TipText(t.row), t.shown ? list->ItemText(t.row) : "");
        }
    }
    EXPECT_FALSE(GetWindowLongPtrA(w.edtFileName.Handle(), GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(SendMessageA(w.stbStatus.Handle(), SB_ISSIMPLE, 0, 0));
    EXPECT_TRUE(GetWindowLongPtrA(w.tbrTool.Handle(), GWL_STYLE) & TBSTYLE_FLAT);
    EXPECT_TRUE(SendMessageA(w.tbrTool.Handle(), TB_GETTOOLTIPS, 0, 0));

    // Tab order: the old list, the current list, the edit box, and round again.
    HWND first = GetNextDlgTabItem(w.Handle(), nullptr, FALSE);
    EXPECT_EQ(first, w.lsvOldFile.Handle());
    HWND second = GetNextDlgTabItem(w.Handle(), first, FALSE);
    EXPECT_EQ(second, w.lsvFileList.Handle());
    HWND third = GetNextDlgTabItem(w.Handle(), second, FALSE);
    EXPECT_EQ(third, w.edtFileName.Handle());
    EXPECT_EQ(GetNextDlgTabItem(w.Handle(), third, FALSE), first);
}

TEST_F(StartupTest, ActionsCarryTheirDesignedValues) {
    TfrmMain& w = Open();
    struct Row {
        TAction& action;
        const char* caption;
        const char* hint;
        TShortCut shortCut;
        int image;
        int group;
        const char* category;
    };
    const Row rows[] = {
        {w.actGet, "", "ﾌｧｲﾙの選択|ﾀﾞｲｱﾛｸﾞからﾌｧｲﾙを選択します。", 16463, -1, 0, ""},
        {w.actCopy, "コピー(&C)", "ｺﾋﾟｰ|ｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。", 16451, -1, 0, ""},
        {w.actCopyAll, "", "すべてｺﾋﾟｰ|すべてのﾌｧｲﾙをｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。", 16449, -1,
         0, ""},
        {w.actOldListNum, "旧ﾘｽﾄに残す数(&O)...",
         "旧リストに残す数|旧リストに残すファイルの数を指定します。", 0, -1, 0, ""},
        {w.actViewFullPath, "ﾃﾞｨﾚｸﾄﾘ付き(&D)", "ﾃﾞｨﾚｸﾄﾘ付き|ﾌｧｲﾙ名をﾌﾙﾊﾟｽで表示します。", 0, 3, 0,
         "表示"},
        {w.actViewFileOnly, "ﾌｧｲﾙ名のみ(&F)", "ﾌｧｲﾙ名のみ|ﾌｧｲﾙ名のみを表示します。", 0, 4, 0,
         "表示"},
        {w.actLongName, "長いﾌｧｲﾙ名(&L)", "長いﾌｧｲﾙ名|長いﾌｧｲﾙ名を表示します。", 0, 5, 0, "表示"},
        {w.actShortName, "短いﾌｧｲﾙ名(&H)", "短いﾌｧｲﾙ名|短いﾌｧｲﾙ名を表示します。", 0, 6, 0, "表示"},
        {w.actSepYen, "\\", "\\|\\で区切ります。", 0, 7, 1, "表示"},
        {w.actSepSlash, "/", "/|/で区切ります。", 0, 9, 1, "表示"},
        {w.actSepDoubleYen, "\\\\", "\\\\|\\\\で区切ります。", 0, 8, 1, "表示"},
    };
    ASSERT_EQ(w.actMain.Count(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.hint);
        EXPECT_EQ(&w.actMain[i], &row.action); // the list's order
        EXPECT_EQ(row.action.Caption(), row.caption);
        EXPECT_EQ(row.action.Hint(), row.hint);
        EXPECT_EQ(row.action.ShortCut(), row.shortCut);
        EXPECT_EQ(row.action.ImageIndex(), row.image);
        EXPECT_EQ(row.action.GroupIndex(), row.group);
        EXPECT_EQ(row.action.Category(), row.category);
    }
    EXPECT_TRUE(w.actGet.Enabled());
    EXPECT_TRUE(w.actOldListNum.Enabled());
}

TEST_F(StartupTest, MenusShowTheirCaptionsShortcutsAndKinds) {
    TfrmMain& w = Open();
    HMENU menu = w.mnuMain.Handle();
    struct Row {
        TMenuItem& item;
        const char* text;
        bool radio;
    };
    const Row rows[] = {
        {w.mnuGet, "名前取得(&O)...\tCtrl+O", false},
        {w.mnuExit, "終了(&X)", false},
        {w.mnuCopy, "ｺﾋﾟｰ(&C)\tCtrl+C", false},
        {w.mnuCopyAll, "すべてｺﾋﾟｰ(&A)\tCtrl+A", false},
        {w.mnuToolBar, "ﾂｰﾙﾊﾞｰ(&T)", false},
        {w.mnuStatusBar, "ｽﾃｰﾀｽﾊﾞｰ(&S)", false},
        {w.mnuFullPath, "ﾃﾞｨﾚｸﾄﾘ付き(&D)", true},
        {w.mnuFileOnly, "ﾌｧｲﾙ名のみ(&F)", true},
        {w.mnuLongFileName, "長いﾌｧｲﾙ名(&L)", true},
        {w.mnuShortFileName, "短いﾌｧｲﾙ名(&H)", true},
        {w.mnuSepYen, "\\", true},
        {w.N6, "\\\\", false},
        {w.mnuSepSlash, "/", true},
        {w.mnuOldListNum, "旧ﾘｽﾄに残す数(&O)...", false},
        {w.mnuHelpView, "ﾍﾙﾌﾟ(&H)\tF1", false},
        {w.mnuAbout, "ﾊﾞｰｼﾞｮﾝ情報(&A)...", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(MenuText(row.item, menu), row.text);
        EXPECT_EQ(IsRadio(row.item, menu), row.radio);
    }
    EXPECT_EQ(MenuText(w.ppmCopy, w.ppmMain.Handle()), "コピー(&C)\tCtrl+C");
    EXPECT_EQ(w.ppmMain.Items().Count(), 1u);

    // The bar's four menus and the view menu's order, separators included.
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    const char* bar[] = {"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ﾍﾙﾌﾟ(&H)"};
    for (int i = 0; i < 4; ++i) {
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, bar[i]);
    }
    TMenuItem* view[] = {&w.mnuToolBar,
                         &w.mnuStatusBar,
                         &w.N2,
                         &w.mnuFullPath,
                         &w.mnuFileOnly,
                         &w.N4,
                         &w.mnuLongFileName,
                         &w.mnuShortFileName,
                         &w.N5,
                         &w.mnuSeparator,
                         &w.N3,
                         &w.mnuOldListNum};
    ASSERT_EQ(w.mnuView.Count(), std::size(view));
    for (std::size_t i = 0; i < std::size(view); ++i)
        EXPECT_EQ(&w.mnuView[i], view[i]) << i;
    EXPECT_EQ(w.mnuSeparator.Caption(), "区切り文字(&P)");
}

TEST_F(StartupTest, ToolbarButtonsInTheirOrderWithGlyphsAndTips) {
    TfrmMain& w = Open();
    // Ten glyphs each, the disabled look in the second list.
    EXPECT_EQ(ImageList_GetImageCount(w.imlToolBar.Get()), 10);
    EXPECT_EQ(ImageList_GetImageCount(w.imlToolBar2.Get()), 10);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(
                  SendMessageA(w.tbrTool.Handle(), TB_GETDISABLEDIMAGELIST, 0, 0)),
              w.imlToolBar2.Get());

    // Glyph index per position; -1 a separator 8 wide; `check` for the check buttons.
    struct Slot {
        int image;
        bool check;
    };
    const Slot slots[] = {{0, false}, {1, false},  {2, false}, {-1, false}, {3, true},
                          {4, true},  {-1, false}, {5, true},  {6, true},   {-1, false},
                          {7, true},  {8, true},   {9, true}};
    ASSERT_EQ(SendMessageA(w.tbrTool.Handle(), TB_BUTTONCOUNT, 0, 0),
              static_cast<LRESULT>(std::size(slots)));
    for (std::size_t i = 0; i < std::size(slots); ++i) {
        TBBUTTON b{};
        SendMessageA(w.tbrTool.Handle(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
        SCOPED_TRACE(i);
        if (slots[i].image < 0) {
            EXPECT_TRUE(b.fsStyle & BTNS_SEP);
            EXPECT_EQ(b.iBitmap, 8);
            continue;
        }
        EXPECT_EQ(b.iBitmap, slots[i].image);
        EXPECT_EQ((b.fsStyle & BTNS_CHECK) != 0, slots[i].check);
        EXPECT_EQ(b.iString, -1); // glyphs only
    }

    // Tooltips: the short hints, tlbGet's from its own hint.
    const std::pair<TToolButton*, const wchar_t*> tips[] = {
        {w.tlbGet, L"名前取得"},
        {w.tlbCopy, L"ｺﾋﾟｰ"},
        {w.tlbCopyAll, L"すべてｺﾋﾟｰ"},
        {w.tlbFullPath, L"ﾃﾞｨﾚｸﾄﾘ付き"},
        {w.tlbFileOnly, L"ﾌｧｲﾙ名のみ"},
        {w.tlbLongFileName, L"長いﾌｧｲﾙ名"},
        {w.tlbShortFileName, L"短いﾌｧｲﾙ名"},
        {w.tlbSepYen, L"\\"},
        {w.tlbSepDoubleYen, L"\\\\"},
        {w.tlbSepSlash, L"/"},
    };
    for (const auto& [button, tip] : tips) {
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom =
            reinterpret_cast<HWND>(SendMessageW(w.tbrTool.Handle(), TB_GETTOOLTIPS, 0, 0));
        info.hdr.idFrom = static_cast<UINT_PTR>(button->Command());
        info.hdr.code = TTN_GETDISPINFOW;
        SendMessageW(w.Handle(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
        ASSERT_NE(info.lpszText, nullptr);
        EXPECT_STREQ(info.lpszText, tip);
    }
}

TEST_F(StartupTest, StatusBarShowsTheLongHintOfWhatIsPointedAt) {
    TfrmMain& w = Open();
    app.SetHint("ほか");
    EXPECT_EQ(w.stbStatus.SimpleText(), "ほか");

    // Menu items: the long part, or the whole hint without a "|".
    const std::pair<TMenuItem*, const char*> items[] = {
        {&w.mnuCopy, "ｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。"},
        {&w.mnuExit, "このｿﾌﾄを終了します。"},
        {&w.mnuToolBar, "ﾂｰﾙﾊﾞｰの表示／非表示を切り替えます。"},
        {&w.mnuHelpView, "ﾍﾙﾌﾟ(Htmlﾌｧｲﾙ)を開きます。"},
        {&w.mnuAbout, "このソフトのﾊﾞｰｼﾞｮﾝ情報を表示します。"},
        {&w.mnuOldListNum, "旧リストに残すファイルの数を指定します。"},
    };
    for (const auto& [item, hint] : items) {
        SendMessageA(w.Handle(), WM_MENUSELECT, MAKEWPARAM(item->Command(), MF_STRING),
                     reinterpret_cast<LPARAM>(w.mnuMain.Handle()));
        EXPECT_EQ(w.stbStatus.SimpleText(), hint);
    }
    // The menu closing clears it.
    SendMessageA(w.Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(w.stbStatus.SimpleText(), "");

    // A toolbar button under the mouse.
    RECT r{};
    SendMessageA(w.tbrTool.Handle(), TB_GETRECT, static_cast<WPARAM>(w.tlbGet->Command()),
                 reinterpret_cast<LPARAM>(&r));
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(w.tbrTool.Handle(), &centre);
    app.UpdateHintAt(centre);
    EXPECT_EQ(w.stbStatus.SimpleText(), "ﾀﾞｲｱﾛｸﾞからﾌｧｲﾙを選択します。");
}

TEST_F(StartupTest, ShortArgumentsAreListedLongInTheirOrderAndTheFirstIsSelected) {
    TTempFolder temp("porutena-main");
    const std::vector<std::string> names = {"Second Long Name.text", "長い名前のファイル.txt",
                                            "first long name.txt"};
    start.commandLine = "porutena.exe";
    std::vector<std::string> expected;
    const std::string folder = LongPath(temp.Path());
    for (const std::string& name : names) {
        temp.MakeFile(name);
        const std::string shortName = ShortPath(temp.Path() + "\\" + name);
        ASSERT_NE(shortName.find('~'), std::string::npos) << shortName;
        start.commandLine += " " + shortName;
        expected.push_back(folder + "\\" + name);
    }
    TfrmMain& w = Open();
    EXPECT_EQ(w.FileList(), expected);
    EXPECT_EQ(w.lsvFileList.Items(), expected);
    EXPECT_EQ(w.lsvFileList.SelectedIndex(), 0);
    EXPECT_EQ(w.edtFileName.Text(), expected[0]);
    EXPECT_TRUE(w.actCopy.Enabled());
    EXPECT_TRUE(w.actCopyAll.Enabled());
    EXPECT_TRUE(w.OldList().empty());
}

TEST_F(StartupTest, QuotedArgumentsKeepTheirBlanksAndDoubleByteCharacters) {
    TTempFolder temp("porutena-main");
    const std::string folder = LongPath(temp.Path());
    temp.MakeDirectory("My Files");
    temp.MakeFile("My Files\\a.txt");
    // ソ and 表 end with the byte of `\`.
    temp.MakeDirectory("表 ソ");
    temp.MakeFile("表 ソ\\ﾃﾞｰﾀ 予定表.txt");
    temp.MakeFile("b.txt");
    start.commandLine = "\"C:\\porutena.exe\" \"" + folder + "\\My Files\\a.txt\"  \"\" \t\"" +
                        folder + "\\表 ソ\\ﾃﾞｰﾀ 予定表.txt\" " + folder + "\\B.TXT " + folder +
                        "\\missing.txt";
    TfrmMain& w = Open();
    const std::vector<std::string> expected = {
        folder + "\\My Files\\a.txt", folder + "\\表 ソ\\ﾃﾞｰﾀ 予定表.txt", folder + "\\b.txt",
        "", // a name that cannot be found
    };
    EXPECT_EQ(w.FileList(), expected);
    EXPECT_EQ(w.lsvFileList.Items(), expected);
    EXPECT_EQ(w.edtFileName.Text(), expected[0]);
}

// Notes, each time the focus comes back to a control, whether `dialog` still shows: a dialog
// hiding before its owner is active again leaves the keyboard focus with no window meanwhile.
struct TFocusReturnWatch {
    explicit TFocusReturnWatch(HWND c) : control(c) {
        SetWindowSubclass(c, Proc, 7, reinterpret_cast<DWORD_PTR>(this));
    }
    ~TFocusReturnWatch() { RemoveWindowSubclass(control, Proc, 7); }
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
        auto& watch = *reinterpret_cast<TFocusReturnWatch*>(self);
        if (m == WM_SETFOCUS)
            watch.dialogShown.push_back(IsWindowVisible(watch.dialog) != FALSE);
        return DefSubclassProc(w, m, wp, lp);
    }
    HWND control;
    HWND dialog = nullptr;
    std::vector<bool> dialogShown;
};

TEST_F(StartupTest, LaterActivationsChangeNothing) {
    TTempFolder temp("porutena-main");
    temp.MakeFile("a.txt");
    temp.MakeFile("b.txt");
    start.commandLine = "porutena.exe " + temp.Path() + "\\a.txt";
    Store(ViewKey, "PathSep", "2");
    dialog.choices.push_back(std::vector{temp.Path() + "\\b.txt"});
    TfrmMain& w = Open();
    ASSERT_EQ(w.FileList().size(), 1u);
    w.actSepYen.Execute();
    Settle();
    // b.txt chosen: the edit box shows it; the old list, a.txt selected, keeps the focus.
    SendCommand(w.Handle(), w.mnuGet.Command());
    Settle();
    const std::string shown = w.edtFileName.Text();
    ASSERT_EQ(shown, w.lsvFileList.ItemText(0));
    ASSERT_EQ(GetFocus(), w.lsvOldFile.Handle());

    app.SetMessageBoxes(nullptr); // the system's error box, for the missing help file
    shell.result = 2;
    w.dlgOpen = std::make_unique<TOpenFileDialog>(w.Handle());
    TTimerProbe other(app, [] { return true; });
    TFocusReturnWatch watch(w.lsvOldFile.Handle());
    struct Case {
        const char* name;
        int command; // shows a dialog of this class and caption, closed by the key
        const char* className;
        const char* caption;
        WORD key;
    };
    const Case cases[] = {
        {"another window and back", 0, nullptr, nullptr, 0},
        {"About, Enter", w.mnuAbout.Command(), FormClassName, "ﾊﾞｰｼﾞｮﾝ情報", VK_RETURN},
        {"old-list limit, Esc", w.mnuOldListNum.Command(), FormClassName, "旧リストに残す数",
         VK_ESCAPE},
        {"error box, Esc", w.mnuHelpView.Command(), "#32770", "エラー", VK_ESCAPE},
        {"open dialog, Esc", w.mnuGet.Command(), "#32770", nullptr, VK_ESCAPE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        watch.dialogShown.clear();
        if (c.command) {
            TTimerProbe probe(app, [&] {
                watch.dialog = FindWindowA(c.className, c.caption);
                if (IsWindowVisible(watch.dialog))
                    PostKey(GetFocus(), c.key);
                return IsWindowVisible(watch.dialog) != FALSE;
            });
            SendCommand(w.Handle(), c.command);
        } else {
            watch.dialog = other.Handle();
            other.Show();
            app.ProcessMessages();
            SetActiveWindow(w.Handle());
        }
        app.ProcessMessages();
        EXPECT_EQ(GetActiveWindow(), w.Handle());
        EXPECT_EQ(w.FileList().size(), 1u);
        EXPECT_TRUE(w.actSepYen.Checked()); // the stored `/` is not applied again
        EXPECT_EQ(w.edtFileName.Text(), shown);
        EXPECT_EQ(GetFocus(), w.lsvOldFile.Handle());
        EXPECT_EQ(watch.dialogShown, std::vector<bool>{true});
    }
}

} // namespace
} // namespace porutena::test
