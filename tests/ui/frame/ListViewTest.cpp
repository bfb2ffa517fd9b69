// The list view wrapper: rows held as texts, selection reports, focus, column widths.
#include "FrameTestSupport.h"

#include <algorithm>

namespace porutena::test {
namespace {

class TListForm : public TForm {
public:
    explicit TListForm(TApplication& app) : TForm(app, TFormKind::Main) {
        Create("一覧", 400, 300);
    }
    TListView lsvOldFile;
    TSplitter Splitter1;
    TListView lsvFileList;
    std::vector<std::pair<int, bool>> reports;

protected:
    void CreateControls() override {
        lsvOldFile.Create(*this, {0, 0, 380, 85});
        lsvOldFile.AddColumn("旧リスト", 100);
        Splitter1.Create(*this, {0, 85, 380, 3}, lsvOldFile);
        Splitter1.OnMoved = [this](int height) { Layout(height); };
        lsvFileList.Create(*this, {0, 88, 380, 150});
        lsvFileList.AddColumn("ファイル名", 100);
        lsvFileList.OnSelectItem = [this](int row, bool selected) {
            reports.emplace_back(row, selected);
        };
    }

private:
    // The old list takes `height`, the current list the rest (at least one pixel).
    void Layout(int height) {
        constexpr int total = 238;
        height = std::min(height, total - 3 - 1);
        lsvOldFile.SetBounds({0, 0, 380, height});
        Splitter1.SetBounds({0, height, 380, 3});
        lsvFileList.SetBounds({0, height + 3, 380, total - height - 3});
    }
};

// The text the control itself shows for a row (it asks the wrapper for it).
std::string ControlText(const TListView& list, int row) {
    char buffer[300] = {};
    LVITEMA item{};
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(list.Handle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    return buffer;
}

using ListViewTest = FrameTest;

TEST_F(ListViewTest, RowsComeFromTheTextsHandedOver) {
    TListForm form(app);
    std::vector<std::string> names;
    for (int i = 0; i < 10000; ++i)
        names.push_back("C:\\ﾌｧｲﾙ\\" + std::to_string(i) + ".txt");
    form.lsvFileList.SetItems(names);
    EXPECT_EQ(form.lsvFileList.Count(), 10000);
    EXPECT_EQ(SendMessageA(form.lsvFileList.Handle(), LVM_GETITEMCOUNT, 0, 0), 10000);
    EXPECT_EQ(ControlText(form.lsvFileList, 0), "C:\\ﾌｧｲﾙ\\0.txt");
    EXPECT_EQ(ControlText(form.lsvFileList, 9999), "C:\\ﾌｧｲﾙ\\9999.txt");
    EXPECT_EQ(form.lsvFileList.ItemText(9999), "C:\\ﾌｧｲﾙ\\9999.txt");
    EXPECT_EQ(form.lsvFileList.ItemText(10000), "");
    EXPECT_EQ(form.lsvFileList.Items(), names);

    form.lsvFileList.SetItems({"新", "旧"});
    EXPECT_EQ(SendMessageA(form.lsvFileList.Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(ControlText(form.lsvFileList, 1), "旧");
    form.lsvFileList.DeleteItem(0);
    EXPECT_EQ(ControlText(form.lsvFileList, 0), "旧");
    EXPECT_EQ(form.lsvFileList.Count(), 1);
    form.lsvFileList.Clear();
    EXPECT_EQ(SendMessageA(form.lsvFileList.Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, SelectionChangesAreReportedDeselectionFirst) {
    TListForm form(app);
    TListView& list = form.lsvFileList;
    using Reports = std::vector<std::pair<int, bool>>;
    list.SetItems({"a", "b", "c", "d"});
    list.Select(1);
    EXPECT_EQ(list.SelectedIndex(), 1);
    list.Select(3);
    EXPECT_EQ(list.SelectedIndex(), 3);
    list.Select(-1);
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(form.reports, (Reports{{1, true}, {1, false}, {3, true}, {3, false}}));

    // Rows removed below a selected row move it up; the selection stays with the row.
    form.reports.clear();
    list.Select(2);
    list.DeleteItem(0);
    EXPECT_EQ(list.SelectedIndex(), 1);
    list.Select(-1);
    EXPECT_EQ(form.reports, (Reports{{2, true}, {1, false}}));

    // New rows start without a selection.
    list.Select(0);
    list.SetItems({"x", "y"});
    EXPECT_EQ(list.SelectedIndex(), -1);
}

TEST_F(ListViewTest, ClicksSelectRowsAndFocusIsReported) {
    TListForm form(app);
    form.Show();
    TListView& list = form.lsvFileList;
    list.SetItems({"a", "b"});
    int entered = 0;
    list.OnEnter = [&] { ++entered; };
    form.lsvOldFile.SetFocus();
    list.SetFocus();
    EXPECT_EQ(entered, 1);

    RECT row = list.ItemRect(1);
    ASSERT_GT(row.bottom, row.top);
    POINT inside{row.left + 5, (row.top + row.bottom) / 2};
    EXPECT_EQ(list.ItemAt(inside), 1);
    EXPECT_EQ(list.ItemAt({row.left + 5, row.bottom + 60}), -1);
    SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    SendMessageA(list.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(list.SelectedIndex(), 1);
    ASSERT_FALSE(form.reports.empty());
    EXPECT_EQ(form.reports.back(), std::make_pair(1, true));
    EXPECT_EQ(list.ItemRect(5).bottom, 0);
}

TEST_F(ListViewTest, AutomaticWidthCodesStayUntilTheColumnIsResized) {
    TListForm form(app);
    TListView& list = form.lsvOldFile;
    list.SetItems({"とても長いファイルの名前です.txt"});
    for (int code : {LVSCW_AUTOSIZE, LVSCW_AUTOSIZE_USEHEADER}) {
        list.SetColumnWidth(0, code);
        EXPECT_EQ(list.ColumnWidth(0), code);
    }
    list.SetColumnWidth(0, 123);
    EXPECT_EQ(list.ColumnWidth(0), 123);
    list.SetColumnWidth(0, LVSCW_AUTOSIZE);
    int sized = static_cast<int>(SendMessageA(list.Handle(), LVM_GETCOLUMNWIDTH, 0, 0));
    EXPECT_GT(sized, 0);
    // The user drags the column to another width.
    SendMessageA(list.Handle(), LVM_SETCOLUMNWIDTH, 0, sized + 17);
    EXPECT_EQ(list.ColumnWidth(0), sized + 17);
}

TEST_F(ListViewTest, DraggingTheSplitterResizesTheListAboveDownToItsMinimum) {
    TListForm form(app);
    HWND bar = form.Splitter1.Handle();
    auto mouse = [&](UINT message, int y) {
        SendMessageA(bar, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(10, y));
    };
    SendMessageA(bar, WM_SETCURSOR, reinterpret_cast<WPARAM>(bar), MAKELPARAM(HTCLIENT, 0));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZENS));

    mouse(WM_MOUSEMOVE, 40); // not dragging yet
    EXPECT_EQ(form.lsvOldFile.Bounds().height, 85);
    mouse(WM_LBUTTONDOWN, 1);
    mouse(WM_MOUSEMOVE, 21);
    EXPECT_EQ(form.lsvOldFile.Bounds().height, 105);
    EXPECT_EQ(form.Splitter1.Bounds().y, 105);
    mouse(WM_MOUSEMOVE, 11); // the bar moved by 20 meanwhile: 30 below the start
    EXPECT_EQ(form.lsvOldFile.Bounds().height, 115);
    EXPECT_EQ(form.lsvFileList.Bounds().y, 118);
    mouse(WM_MOUSEMOVE, -500);
    EXPECT_EQ(form.lsvOldFile.Bounds().height, 1);
    mouse(WM_LBUTTONUP, -500);
    EXPECT_EQ(GetCapture(), nullptr);
    mouse(WM_MOUSEMOVE, 60);
    EXPECT_EQ(form.lsvOldFile.Bounds().height, 1);
}

} // namespace
} // namespace porutena::test
