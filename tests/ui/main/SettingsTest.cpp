// The settings applied at the first activation and written at the end, and the bar toggles.
#include "MainTestSupport.h"

namespace porutena::test {
namespace {

using SettingsTest = MainWindowTest;

TEST_F(SettingsTest, BarTogglesChangeTheClientHeightSoTheListsKeepTheirs) {
    TfrmMain& w = Open();
    struct Bar {
        const char* name;
        TMenuItem& item;
        HWND bar;
        int height;
    };
    const Bar bars[] = {{"status bar", w.mnuStatusBar, w.stbStatus.Handle(), 19},
                        {"toolbar", w.mnuToolBar, w.tbrTool.Handle(), 30}};
    for (const Bar& b : bars) {
        SCOPED_TRACE(b.name);
        const int client = w.ClientHeight();
        const TBounds current = BoundsOf(w.lsvFileList.Handle());
        const TBounds old = BoundsOf(w.lsvOldFile.Handle());
        SendCommand(w.Handle(), b.item.Command());
        EXPECT_EQ(w.ClientHeight(), client - b.height);
        EXPECT_FALSE(IsWindowVisible(b.bar));
        EXPECT_FALSE(MenuChecked(b.item, w.mnuMain.Handle()));
        EXPECT_EQ(BoundsOf(w.lsvFileList.Handle()).height, current.height);
        EXPECT_EQ(BoundsOf(w.lsvOldFile.Handle()).height, old.height);

        SendCommand(w.Handle(), b.item.Command());
        EXPECT_EQ(w.ClientHeight(), client);
        EXPECT_TRUE(IsWindowVisible(b.bar));
        EXPECT_TRUE(MenuChecked(b.item, w.mnuMain.Handle()));
        EXPECT_EQ(BoundsOf(w.lsvFileList.Handle()).y, current.y);
        EXPECT_EQ(BoundsOf(w.lsvFileList.Handle()).height, current.height);
    }
    // Without the toolbar the old list starts at the top.
    SendCommand(w.Handle(), w.mnuToolBar.Command());
    EXPECT_EQ(BoundsOf(w.lsvOldFile.Handle()).y, 0);
}

TEST_F(SettingsTest, AStoredHeightOverridesTheShrinkOfAHiddenToolbar) {
    Store(ViewKey, "ShowToolBar", "0");
    Store(FormKey, "Height", "400");
    TfrmMain& w = Open();
    EXPECT_FALSE(IsWindowVisible(w.tbrTool.Handle()));
    EXPECT_FALSE(MenuChecked(w.mnuToolBar, w.mnuMain.Handle()));
    EXPECT_TRUE(IsWindowVisible(w.stbStatus.Handle()));
    EXPECT_EQ(w.Height(), 400);
    EXPECT_EQ(w.Width(), 569);
    EXPECT_EQ(BoundsOf(w.lsvOldFile.Handle()).y, 0);
}

TEST_F(SettingsTest, AHiddenStatusBarAloneShrinksTheDesignedWindow) {
    Store(ViewKey, "ShowStatusBar", "0");
    TfrmMain& w = Open();
    EXPECT_FALSE(IsWindowVisible(w.stbStatus.Handle()));
    EXPECT_EQ(w.Height(), 293 - 19);
    EXPECT_EQ(BoundsOf(w.edtFileName.Handle()).y, w.ClientHeight() - 28 + 4);
}

// At its least size every part of the window shows: the toolbar's buttons, the menu bar on one
// line, a row in each list also with both scroll bars shown, the edit box.
void ExpectEveryPartShown(TfrmMain& w) {
    RECT button{};
    SendMessageA(w.tbrTool.Handle(), TB_GETRECT, static_cast<WPARAM>(w.tlbSepSlash->Command()),
                 reinterpret_cast<LPARAM>(&button));
    RECT bar{};
    GetClientRect(w.tbrTool.Handle(), &bar);
    EXPECT_LE(button.right, bar.right);
    RECT first{};
    RECT last{};
    GetMenuItemRect(w.Handle(), w.mnuMain.Handle(), 0, &first);
    GetMenuItemRect(w.Handle(), w.mnuMain.Handle(), 3, &last);
    EXPECT_EQ(last.top, first.top);
    for (TListView* list : {&w.lsvOldFile, &w.lsvFileList}) {
        const int width = list->ColumnWidth(0);
        list->SetItems({"名前", "名前", "名前", "名前", "名前", "名前", "名前"});
        list->SetColumnWidth(0, 2 * w.ClientWidth());
        RECT client{};
        GetClientRect(list->Handle(), &client);
        const RECT row = list->ItemRect(0);
        EXPECT_GT(row.bottom, row.top);
        EXPECT_LE(row.bottom, client.bottom);
        list->SetColumnWidth(0, width);
    }
    const TBounds edit = BoundsOf(w.edtFileName.Handle());
    EXPECT_LE(edit.y + edit.height, BoundsOf(w.stbStatus.Handle()).y);
}

TEST_F(SettingsTest, StoredSizeColumnWidthsAndViewOptionsAreApplied) {
    // Sizes: as stored, the least that shows every part, or the monitor's work area.
    constexpr int Least = -1;
    constexpr int WorkArea = -2;
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, std::string>> form;
        std::vector<std::pair<const char*, std::string>> view;
        int width, height;
        int fileColumn;    // 0: fitted to the window
        int oldListColumn; // 0: fitted to the window
        TViewOptions options;
    };
    const Case cases[] = {
        {"widths and a wider window",
         {{"Width", "700"}, {"Height", "350"}, {"HeaderFName", "150"}, {"HeaderOlist", "0"}},
         {{"FileViewStyle", "1"}, {"FileViewLength", "1"}, {"PathSep", "3"}},
         700,
         350,
         150,
         0,
         {TFileViewStyle::fvsFileOnly, TFileViewLength::fvlShortName, TPathSep::psDoubleYen}},
        {"automatic width codes",
         {{"Width", "0"}, {"Height", "0"}, {"HeaderFName", "-1"}, {"HeaderOlist", "-2"}},
         {{"FileViewStyle", "0"}, {"FileViewLength", "0"}, {"PathSep", "2"}},
         569,
         293,
         -1,
         -2,
         {TFileViewStyle::fvsFullPath, TFileViewLength::fvlLongName, TPathSep::psSlash}},
        {"separator 0 is taken as \\",
         {{"Width", "0"}, {"Height", "0"}, {"HeaderFName", "0"}, {"HeaderOlist", "0"}},
         {{"FileViewStyle", "0"}, {"FileViewLength", "0"}, {"PathSep", "0"}},
         569,
         293,
         0,
         0,
         {TFileViewStyle::fvsFullPath, TFileViewLength::fvlLongName, TPathSep::psYen}},
        {"smaller than its parts",
         {{"Width", "150"}, {"Height", "120"}, {"HeaderFName", "0"}, {"HeaderOlist", "0"}},
         {{"FileViewStyle", "0"}, {"FileViewLength", "0"}, {"PathSep", "1"}},
         Least,
         Least,
         0,
         0,
         {TFileViewStyle::fvsFullPath, TFileViewLength::fvlLongName, TPathSep::psYen}},
        {"collapsed and wider than the screen",
         {{"Width", "99999"}, {"Height", "-100"}, {"HeaderFName", "0"}, {"HeaderOlist", "0"}},
         {{"FileViewStyle", "0"}, {"FileViewLength", "0"}, {"PathSep", "1"}},
         WorkArea,
         Least,
         0,
         0,
         {TFileViewStyle::fvsFullPath, TFileViewLength::fvlLongName, TPathSep::psYen}},
        {"taller than the screen",
         {{"Width", "600"}, {"Height", "5000"}, {"HeaderFName", "0"}, {"HeaderOlist", "0"}},
         {{"FileViewStyle", "0"}, {"FileViewLength", "0"}, {"PathSep", "1"}},
         600,
         WorkArea,
         0,
         0,
         {TFileViewStyle::fvsFullPath, TFileViewLength::fvlLongName, TPathSep::psYen}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& [name, text] : c.form)
            Store(FormKey, name, text);
        for (const auto& [name, text] : c.view)
            Store(ViewKey, name, text);
        TfrmMain& w = Open();
        EXPECT_TRUE(recorder.boxes.empty());
        MINMAXINFO limits{};
        SendMessageA(w.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(w.Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT area = monitor.rcWork;
        auto expected = [](int size, LONG least, LONG whole) {
            return size == Least ? least : size == WorkArea ? whole : size;
        };
        const int width = expected(c.width, limits.ptMinTrackSize.x, area.right - area.left);
        const int height = expected(c.height, limits.ptMinTrackSize.y, area.bottom - area.top);
        EXPECT_EQ(w.Width(), width);
        EXPECT_EQ(w.Height(), height);
        RECT window{};
        GetWindowRect(w.Handle(), &window);
        EXPECT_TRUE(window.left >= area.left && window.right <= area.right);
        EXPECT_TRUE(window.top >= area.top && window.bottom <= area.bottom);
        if (c.height == Least)
            ExpectEveryPartShown(w);
        const int fit = w.ClientWidth() - 4;
        EXPECT_EQ(w.lsvFileList.ColumnWidth(0), c.fileColumn ? c.fileColumn : fit);
        EXPECT_EQ(w.lsvOldFile.ColumnWidth(0), c.oldListColumn ? c.oldListColumn : fit);
        const TViewOptions options = w.ViewOptions();
        EXPECT_EQ(options.Style, c.options.Style);
        EXPECT_EQ(options.Length, c.options.Length);
        EXPECT_EQ(options.Sep, c.options.Sep);

        // Written back as they stand, `\` as 1.
        CloseWindow();
        EXPECT_EQ(Stored(FormKey, "HeaderFName"),
                  std::to_string(c.fileColumn ? c.fileColumn : fit));
        EXPECT_EQ(Stored(FormKey, "HeaderOlist"),
                  std::to_string(c.oldListColumn ? c.oldListColumn : fit));
        EXPECT_EQ(Stored(ViewKey, "PathSep"), std::to_string(static_cast<int>(c.options.Sep)));
        EXPECT_EQ(Stored(FormKey, "Width"), std::to_string(width));
        EXPECT_EQ(Stored(FormKey, "Height"), std::to_string(height));
        CloseAndForget();
    }
}

TEST_F(SettingsTest, AColumnWidthBelowTheAutomaticCodesIsReportedAndTheRestApplied) {
    Store(FormKey, "HeaderFName", "-3");
    Store(FormKey, "HeaderOlist", "50");
    Store(ViewKey, "ShowStatusBar", "0");
    Store(ViewKey, "FileViewStyle", "1");
    Store(ViewKey, "PathSep", "2");
    TfrmMain& w = Open();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "範囲チェックエラー.");
    EXPECT_EQ(recorder.boxes[0].caption, "ぽるてな");
    EXPECT_EQ(recorder.boxes[0].flags, static_cast<UINT>(MB_ICONSTOP | MB_OK));
    // The bad width fits the window, everything else as stored.
    const int fit = w.ClientWidth() - 4;
    EXPECT_EQ(w.lsvFileList.ColumnWidth(0), fit);
    EXPECT_EQ(w.lsvOldFile.ColumnWidth(0), 50);
    EXPECT_FALSE(IsWindowVisible(w.stbStatus.Handle()));
    EXPECT_EQ(w.ViewOptions().Style, TFileViewStyle::fvsFileOnly);
    EXPECT_EQ(w.ViewOptions().Sep, TPathSep::psSlash);
    EXPECT_TRUE(MenuChecked(w.mnuSepSlash, w.mnuMain.Handle()));

    // Reported once: a later activation does not apply the settings again.
    SendMessageA(w.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(recorder.boxes.size(), 1u);
    CloseWindow();
    EXPECT_EQ(Stored(FormKey, "HeaderFName"), std::to_string(fit));
}

TEST_F(SettingsTest, ALoadErrorIsReportedAndTheWindowComesUpWithDefaults) {
    Store(ViewKey, "PathSep", "7");
    Store(ViewKey, "ShowToolBar", "0");
    TfrmMain& w = Open();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "範囲チェックエラー.");
    EXPECT_EQ(w.ViewOptions().Sep, TPathSep::psYen);
    EXPECT_FALSE(IsWindowVisible(w.tbrTool.Handle())); // read before the bad value
    EXPECT_EQ(w.FileList().size(), 0u);
    ASSERT_NE(w.Registry(), nullptr);
}

TEST_F(SettingsTest, MaximisedOrMinimisedAtExitTheNormalSizeIsStored) {
    // The states a window may be closed in, from the title bar or from the taskbar.
    const std::vector<std::pair<const char*, std::vector<int>>> cases = {
        {"maximised", {SW_MAXIMIZE}},
        {"minimised", {SW_MINIMIZE}},
        {"maximised, then minimised", {SW_MAXIMIZE, SW_MINIMIZE}},
    };
    for (const auto& [name, commands] : cases) {
        SCOPED_TRACE(name);
        Store(FormKey, "Width", "600");
        Store(FormKey, "Height", "320");
        TfrmMain& w = Open();
        HWND window = w.Handle();
        for (int command : commands) {
            ShowWindow(window, command);
            app.ProcessMessages();
        }
        ASSERT_TRUE(w.Maximized() || w.Minimized());
        CloseWindow();
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(Stored(FormKey, "Width"), "600");
        EXPECT_EQ(Stored(FormKey, "Height"), "320");
        CloseAndForget();
    }
}

TEST_F(SettingsTest, AllTenValuesAreWrittenAtExitAsTheWindowStands) {
    TfrmMain& w = Open();
    SendCommand(w.Handle(), w.mnuFileOnly.Command());
    SendCommand(w.Handle(), w.mnuShortFileName.Command());
    SendCommand(w.Handle(), w.N6.Command());
    SendCommand(w.Handle(), w.mnuToolBar.Command());
    Settle();
    w.SetWidth(640);
    w.SetHeight(300);
    // The user drags the columns' edges.
    SendMessageA(w.lsvFileList.Handle(), LVM_SETCOLUMNWIDTH, 0, 123);
    SendMessageA(w.lsvOldFile.Handle(), LVM_SETCOLUMNWIDTH, 0, 77);
    ASSERT_TRUE(keys.Writes().empty());

    HWND window = w.Handle();
    SendCommand(window, w.mnuExit.Command());
    app.ProcessMessages();
    EXPECT_FALSE(IsWindow(window));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"ShowStatusBar", "1"},  {"ShowToolBar", "0"},  {"Height", "300"},   {"Width", "640"},
        {"HeaderFName", "123"},  {"HeaderOlist", "77"}, {"OldListNum", "5"}, {"FileViewStyle", "1"},
        {"FileViewLength", "1"}, {"PathSep", "3"},
    };
    ASSERT_EQ(keys.Writes().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(keys.Writes()[i].Name, expected[i].first);
        EXPECT_EQ(keys.Writes()[i].Value.Data, expected[i].second + '\0');
        EXPECT_EQ(keys.Writes()[i].Value.Type, TRegType::String);
    }
}

TEST_F(SettingsTest, TheWindowsOwnEndStoresTheSettingsToo) {
    Open();
    SendCommand(form->Handle(), form->mnuSepSlash.Command());
    CloseAndForget();
    EXPECT_EQ(Stored(ViewKey, "PathSep"), "2");
}

} // namespace
} // namespace porutena::test
