// The old-list limit command: the integer dialog shown from the window and driven through
// its real form, the old list and its rows trimmed to the new limit, and the limit kept.
#include "MainTestSupport.h"

#include "ui/dialogs/InputInteger.h"
#include "ui/dialogs/ModalDriver.h"

namespace porutena::test {
namespace {

// Types `entry` and presses OK.
TModalDriver::TStep Enter(std::string entry) {
    return [entry](TForm& form) {
        TIntegerDlg& dlg = ModalForm<TIntegerDlg>(form);
        dlg.InputValue.SetText(entry);
        PostClick(dlg.bbnOK);
    };
}

TModalDriver::TStep ClickCancel(std::string entry) {
    return [entry](TForm& form) {
        ModalForm<TIntegerDlg>(form).InputValue.SetText(entry);
        PostClick(ModalForm<TIntegerDlg>(form).bbnCancel);
    };
}

class OldListNumTest : public MainWindowTest {
protected:
    static constexpr int OldCount = 10;

    OldListNumTest() {
        char path[MAX_PATH] = {};
        GetLongPathNameA(temp.Path().c_str(), path, MAX_PATH);
        folder = path;
        for (int i = 0; i < OldCount; ++i)
            File(OldName(i));
        File("current.txt");
    }
    std::string File(const std::string& name) {
        temp.MakeFile(name);
        return Path(name);
    }
    std::string Path(const std::string& name) const { return folder + "\\" + name; }
    static std::string OldName(int i) { return "old" + std::to_string(i) + ".txt"; }

    // Opens the window with the ten old names in the old list under the limit 10, the last
    // one chosen first, and current.txt in the current list.
    TfrmMain& OpenWithOldList() {
        Store(ViewKey, "OldListNum", std::to_string(OldCount));
        TStringList batch;
        for (int i = 0; i < OldCount; ++i)
            batch.push_back(Path(OldName(i)));
        dialog.choices = {batch, TStringList{Path("current.txt")}};
        TfrmMain& w = Open();
        Choose(w);
        Choose(w);
        return w;
    }
    // Runs the open-dialog command, which takes the next scripted choice.
    void Choose(TfrmMain& w) {
        SendCommand(w.Handle(), w.mnuGet.Command());
        Settle();
    }

    // Runs the limit command from its menu item with the dialog driven by `steps`.
    void RunLimitCommand(TfrmMain& w, std::vector<TModalDriver::TStep> steps) {
        TModalDriver driver(app);

        for (TModalDriver::TStep& step : steps)
            driver.Then(std::move(step));
        driver.Start();
        SendCommand(w.Handle(), w.mnuOldListNum.Command());
        EXPECT_EQ(driver.stepsRun, static_cast<int>(steps.size()));
        EXPECT_FALSE(IsWindow(driver.form));
        EXPECT_TRUE(IsWindowEnabled(w.Handle()));
    }

    // The `count` most recent of the old names, the most recent (the highest number) first.
    TStringList Recent(int count) const {
        TStringList names;
        for (int i = OldCount - 1; i >= OldCount - count; --i)
            names.push_back(Path(OldName(i)));
        return names;
    }

    TTempFolder temp{"porutena-oldlistnum"};
    std::string folder;
};

TEST_F(OldListNumTest, TheDialogShowsTheCurrentLimitAndTheRange) {
    struct Case {
        const char* stored;
        const char* information;
    };
    const Case cases[] = {
        {"5", "現在値：5  (1～100)"},
        {"100", "現在値：100  (1～100)"},
        {"0", "現在値：1  (1～100)"}, // clamped on loading
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Store(ViewKey, "OldListNum", c.stored);
        TfrmMain& w = Open();
        std::string caption, information, entry;
        std::int32_t min = 0, max = 0;
        HWND owner = nullptr;
        RunLimitCommand(w, {[&](TForm& form) {
                            TIntegerDlg& dlg = ModalForm<TIntegerDlg>(form);
                            caption = dlg.Caption();
                            information = dlg.Information.Text();
                            entry = dlg.InputValue.Text();
                            min = dlg.FMin;
                            max = dlg.FMax;
                            owner = GetWindow(dlg.Handle(), GW_OWNER);
                            PostClick(dlg.bbnCancel);
                        }});
        EXPECT_EQ(caption, "旧リストに残す数");
        EXPECT_EQ(information, c.information);
        EXPECT_EQ(entry, "");
        EXPECT_EQ(min, 1);
        EXPECT_EQ(max, 100);
        EXPECT_EQ(owner, w.Handle());
        CloseAndForget();
    }
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(OldListNumTest, TheNewLimitTrimsTheOldListAndItsRowsAlike) {
    struct Case {
        const char* name;
        std::vector<TModalDriver::TStep> steps;
        int limit; // the limit afterwards
        int kept;  // names left of the ten
        std::vector<std::string> boxes;
    };
    const std::string tooSmall = "値が小さすぎます\r\n1 以上の数値を入力して下さい";
    const std::string tooLarge = "値が大きすぎます\r\n100 以下の数値を入力して下さい";
    const Case cases[] = {
        {"lowered to 3", {Enter("3")}, 3, 3, {}},
        {"lowered to 1", {Enter("1")}, 1, 1, {}},
        {"lowered to 9", {Enter("9")}, 9, 9, {}},
        {"kept at 10", {Enter("10")}, 10, 10, {}},
        {"raised to 20", {Enter("20")}, 20, 10, {}},
        {"raised to 100", {Enter("100")}, 100, 10, {}},
        {"cancelled", {ClickCancel("3")}, 10, 10, {}},
        {"OK with an empty entry", {Enter("")}, 10, 10, {}},
        {"refused twice, then 2",
         {Enter("0"), Enter("101"), Enter("2")},
         2,
         2,
         {tooSmall, tooLarge}},
        {"refused, then cancelled",
         {Enter("abc"), ClickCancel("abc")},
         10,
         10,
         {"整数値を入力してください"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        recorder.boxes.clear();
        TfrmMain& w = OpenWithOldList();
        ASSERT_EQ(w.OldList(), Recent(10));
        // The most recent row, within every new limit, selected again by the user.
        w.lsvOldFile.Select(1);
        w.lsvOldFile.Select(0);
        ASSERT_EQ(w.edtFileName.Text(), Recent(1)[0]);

        RunLimitCommand(w, c.steps);
        EXPECT_EQ(w.Registry()->GetOldListNum(), c.limit);
        EXPECT_EQ(w.OldList(), Recent(c.kept));
        EXPECT_EQ(w.lsvOldFile.Items(), Recent(c.kept));
        EXPECT_EQ(w.lsvOldFile.SelectedIndex(), 0);
        EXPECT_EQ(w.edtFileName.Text(), Recent(1)[0]);
        EXPECT_EQ(w.FileList(), TStringList{Path("current.txt")});
        ASSERT_EQ(recorder.boxes.size(), c.boxes.size());
        for (std::size_t i = 0; i < c.boxes.size(); ++i)
            EXPECT_EQ(recorder.boxes[i].text, c.boxes[i]);

        // A view change renders the lists anew from the names kept.
        SendCommand(w.Handle(), w.mnuFileOnly.Command());
        Settle();
        EXPECT_EQ(w.lsvOldFile.Count(), c.kept);
        EXPECT_EQ(w.lsvOldFile.ItemText(0), "old9.txt");
        SendCommand(w.Handle(), w.mnuFullPath.Command());
        Settle();
        EXPECT_EQ(w.lsvOldFile.Items(), Recent(c.kept));
        CloseAndForget();
    }
}

TEST_F(OldListNumTest, ASelectedRowTrimmedAwayLeavesItsTextInTheEditBox) {
    TfrmMain& w = OpenWithOldList();
    w.lsvOldFile.Select(8);
    const std::string shown = w.edtFileName.Text();
    ASSERT_EQ(shown, Recent(9)[8]);
    ASSERT_TRUE(w.actCopy.Enabled());

    RunLimitCommand(w, {Enter("3")});
    EXPECT_EQ(w.lsvOldFile.Items(), Recent(3));
    EXPECT_EQ(w.lsvOldFile.SelectedIndex(), -1);
    // The deselection of the removed row reports that row's own text, never an empty one.
    EXPECT_EQ(w.edtFileName.Text(), shown);
    EXPECT_TRUE(w.actCopy.Enabled());
}

TEST_F(OldListNumTest, TheNextShowingReadsTheNewLimit) {
    TfrmMain& w = OpenWithOldList();
    std::string information;
    RunLimitCommand(w, {Enter("3")});
    RunLimitCommand(w, {[&](TForm& form) {
                        information = ModalForm<TIntegerDlg>(form).Information.Text();
                        PostClick(ModalForm<TIntegerDlg>(form).bbnCancel);
                    }});
    EXPECT_EQ(information, "現在値：3  (1～100)");
}

TEST_F(OldListNumTest, LaterBatchesKeepToTheNewLimit) {
    TfrmMain& w = OpenWithOldList();
    RunLimitCommand(w, {Enter("3")});
    const std::string a = File("a.txt"), b = File("b.txt");
    dialog.choices = {TStringList{a, b}};
    Choose(w);
    // current.txt then the two most recent of the trimmed list.
    const TStringList expected = {Path("current.txt"), Recent(3)[0], Recent(3)[1]};
    EXPECT_EQ(w.OldList(), expected);
    EXPECT_EQ(w.lsvOldFile.Items(), expected);

    // Raised again: the list grows back one name per arrival, nothing returns.
    RunLimitCommand(w, {Enter("5")});
    EXPECT_EQ(w.OldList(), expected);
    dialog.choices = {TStringList{File("c.txt")}};
    Choose(w);
    EXPECT_EQ(w.OldList(), (TStringList{b, a, expected[0], expected[1], expected[2]}));
}

TEST_F(OldListNumTest, TheNewLimitIsStoredAtExit) {
    struct Case {
        const char* name;
        TModalDriver::TStep step;
        const char* stored;
    };
    const Case cases[] = {
        {"lowered", Enter("3"), "3"},
        {"raised", Enter("42"), "42"},
        {"cancelled", ClickCancel("3"), "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmMain& w = OpenWithOldList();
        RunLimitCommand(w, {c.step});
        CloseWindow();
        EXPECT_EQ(Stored(ViewKey, "OldListNum"), c.stored);
        CloseAndForget();
    }
}

} // namespace
} // namespace porutena::test
