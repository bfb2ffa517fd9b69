// The list view wrapper: virtual rows, batches, selection and column widths.
#include "FrameTestSupport.h"

namespace porutena::test {
namespace {

class TListForm : public TForm {
public:
    explicit TListForm(TApplication& app) : TForm(app, TFormKind::Main) {
        Create("一覧", 400, 300);
    }
    TListView lsvFileList;
    TListView lsvOldFile;

protected:
    void CreateControls() override {
        lsvFileList.Create(*this, {0, 0, 380, 200},
                           LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA);
        lsvFileList.AddColumn("ファイル名", 100);
        lsvOldFile.Create(*this, {0, 200, 380, 60});
        lsvOldFile.AddColumn("旧リスト", 100);
    }
};

using ListViewTest = FrameTest;

TEST_F(ListViewTest, VirtualRowsTakeTheirTextFromTheCallback) {
    TListForm form(app);
    std::vector<std::string> names;
    for (int i = 0; i < 10000; ++i)
        names.push_back("C:\\ﾌｧｲﾙ\\" + std::to_string(i) + ".txt");
    form.lsvFileList.OnGetText = [&](int row) { return names[static_cast<std::size_t>(row)]; };
    form.lsvFileList.SetVirtualCount(10000);
    EXPECT_EQ(form.lsvFileList.Count(), 10000);
    EXPECT_EQ(form.lsvFileList.ItemText(9999), "C:\\ﾌｧｲﾙ\\9999.txt");
    form.lsvFileList.Select(5000);
    EXPECT_EQ(form.lsvFileList.SelectedIndex(), 5000);
    form.lsvFileList.Select(-1);
    EXPECT_EQ(form.lsvFileList.SelectedIndex(), -1);
}

TEST_F(ListViewTest, BatchRowsSelectionAndHitTest) {
    TListForm form(app);
    TListView& list = form.lsvOldFile;
    list.SetItems({"a", "ｂ", "c"});
    list.SetItems({"新", "旧"});
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.ItemText(0), "新");
    EXPECT_EQ(list.ItemText(1), "旧");
    list.Select(1);
    EXPECT_EQ(list.SelectedIndex(), 1);
    RECT r = list.ItemRect(0);
    EXPECT_GT(r.bottom, r.top);
    EXPECT_EQ(list.ItemAt({r.left + 5, (r.top + r.bottom) / 2}), 0);
    EXPECT_EQ(list.ItemAt({r.left + 5, r.bottom + 100}), -1);
    list.DeleteItem(0);
    EXPECT_EQ(list.ItemText(0), "旧");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
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
    // The user drags the column to another width.
    SendMessageA(list.Handle(), LVM_SETCOLUMNWIDTH, 0, sized + 17);
    EXPECT_EQ(list.ColumnWidth(0), sized + 17);
}

} // namespace
} // namespace porutena::test
