// The integer dialog through its real form: refusals with their texts, acceptance, cancel
// paths, what Execute hands the form, the bounds' invariant and the form's layout.
#include "DialogTest.h"

#include "ui/dialogs/InputDialog.h"
#include "ui/dialogs/InputInteger.h"

#include <climits>

namespace porutena::test {
namespace {

constexpr const char* NotANumber = "整数値を入力してください";

// Types `entry` and confirms it with Enter in the entry field or a click on OK.
TModalDriver::TStep Enter(std::string entry, bool byKey = false) {
    return [entry, byKey](TForm& form) {
        TIntegerDlg& dlg = ModalForm<TIntegerDlg>(form);
        dlg.InputValue.SetText(entry);
        if (byKey)
            PostKey(dlg.InputValue.Handle(), VK_RETURN);
        else
            PostClick(dlg.bbnOK);
    };
}

TModalDriver::TStep ClickCancel() {
    return [](TForm& form) { PostClick(ModalForm<TIntegerDlg>(form).bbnCancel); };
}

class IntegerDialogTest : public DialogTest {
protected:
    // The component as the old-list command uses it.
    TIntegerDialog OldListNum() {
        TIntegerDialog dialog(app);
        dialog.Caption = "旧リストに残す数";
        dialog.SetMax(100);
        dialog.SetMin(1);
        return dialog;
    }
};

TEST_F(IntegerDialogTest, RefusesWithTheExactTextAndStaysOpenWithTheEntry) {
    struct Case {
        const char* entry;
        std::int32_t min;
        std::int32_t max;
        const char* errorMessage; // the component's; null: none
        const char* text;
    };
    const Case cases[] = {
        {"0", 1, 100, nullptr, "値が小さすぎます\r\n1 以上の数値を入力して下さい"},
        {"101", 1, 100, nullptr, "値が大きすぎます\r\n100 以下の数値を入力して下さい"},
        {"-5", -3, 7, nullptr, "値が小さすぎます\r\n-3 以上の数値を入力して下さい"},
        {"$FFFFFFFF", 0, INT_MAX, nullptr, "値が小さすぎます\r\n0 以上の数値を入力して下さい"},
        {"abc", 1, 100, nullptr, NotANumber},
        {"12abc", 1, 100, nullptr, NotANumber},
        {"   ", 1, 100, nullptr, NotANumber},
        {"\t5", 1, 100, nullptr, NotANumber},
        {"5 ", 1, 100, nullptr, NotANumber},
        {"$", 1, 100, nullptr, NotANumber},
        {"2147483648", INT_MIN, INT_MAX, nullptr, NotANumber},
        {"-2147483649", INT_MIN, INT_MAX, nullptr, NotANumber},
        {"abc", 1, 100, "数字で入力してください", "数字で入力してください"},
        {"500", 1, 100, "数字で入力してください",
         "値が大きすぎます\r\n100 以下の数値を入力して下さい"},
    };
    for (bool byKey : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << "entry '" << c.entry << "'" << (byKey ? " Enter" : ""));
            recorder.boxes.clear();
            recorder.beeps.clear();
            TIntegerDialog dialog(app);
            dialog.SetMax(c.max);
            dialog.SetMin(c.min);
            if (c.errorMessage)
                dialog.ErrorMessage = c.errorMessage;
            dialog.Value = 55;
            bool stillOpen = false;
            std::string entryAfter;
            TModalDriver driver(app);
            driver.Then(Enter(c.entry, byKey))
                .Then([&](TForm& form) {
                    TIntegerDlg& dlg = ModalForm<TIntegerDlg>(form);
                    stillOpen = IsWindowVisible(dlg.Handle()) && dlg.ModalResult() == mrNone;
                    entryAfter = dlg.InputValue.Text();
                    PostClick(dlg.bbnCancel);
                })
                .Start();
            EXPECT_FALSE(dialog.Execute());
            EXPECT_EQ(driver.stepsRun, 2);
            EXPECT_TRUE(stillOpen);
            EXPECT_EQ(entryAfter, c.entry);
            EXPECT_EQ(dialog.Value, 55);
            ASSERT_EQ(recorder.boxes.size(), 1u);
            EXPECT_EQ(recorder.boxes[0].text, c.text);
            EXPECT_EQ(recorder.boxes[0].caption, "エラー");
            EXPECT_EQ(recorder.boxes[0].flags, UINT(MB_ICONSTOP | MB_OK));
            EXPECT_EQ(recorder.boxes[0].owner, driver.form);
            EXPECT_EQ(recorder.beeps, std::vector<UINT>{MB_ICONASTERISK});
        }
    }
}

TEST_F(IntegerDialogTest, AcceptsNumbersInRangeAsTheIntegerTextRuleReadsThem) {
    struct Case {
        const char* entry;
        std::int32_t min;
        std::int32_t max;
        std::int32_t value;
    };
    const Case cases[] = {
        {" 7", 1, 100, 7},
        {"1", 1, 100, 1},
        {"100", 1, 100, 100},
        {"+050", 1, 100, 50},
        {"$A", -1000, 1000, 10},
        {"-$A", -1000, 1000, -10},
        {"0x1f", -1000, 1000, 31},
        {"-2147483648", INT_MIN, INT_MAX, INT_MIN},
        {"2147483647", INT_MIN, INT_MAX, INT_MAX},
        {"$FFFFFFFF", INT_MIN, INT_MAX, -1},
    };
    for (bool byKey : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << "entry '" << c.entry << "'" << (byKey ? " Enter" : ""));
            TIntegerDialog dialog(app);
            dialog.SetMax(c.max);
            dialog.SetMin(c.min);
            dialog.Value = 55;
            TModalDriver driver(app);
            driver.Then(Enter(c.entry, byKey)).Start();
            EXPECT_TRUE(dialog.Execute());
            EXPECT_EQ(driver.stepsRun, 1);
            EXPECT_EQ(dialog.Value, c.value);
        }
    }
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_TRUE(recorder.beeps.empty());
}

TEST_F(IntegerDialogTest, EveryWayOutButAcceptedOkLeavesValueAlone) {
    struct Case {
        const char* name;
        TModalDriver::TStep step;
    };
    const Case cases[] = {
        {"OK with an empty entry", Enter("")},
        {"Enter with an empty entry", Enter("", true)},
        {"Cancel",
         [](TForm& form) {
             ModalForm<TIntegerDlg>(form).InputValue.SetText("50");
             PostClick(ModalForm<TIntegerDlg>(form).bbnCancel);
         }},
        {"Esc",
         [](TForm& form) {
             ModalForm<TIntegerDlg>(form).InputValue.SetText("50");
             PostKey(ModalForm<TIntegerDlg>(form).InputValue.Handle(), VK_ESCAPE);
         }},
        {"close button",
         [](TForm& form) {
             ModalForm<TIntegerDlg>(form).InputValue.SetText("50");
             PostCloseButton(form);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TIntegerDialog dialog = OldListNum();
        dialog.Value = 42;
        TModalDriver driver(app);
        driver.Then(c.step).Start();
        EXPECT_FALSE(dialog.Execute());
        EXPECT_EQ(driver.stepsRun, 1);
        EXPECT_EQ(dialog.Value, 42);
    }
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_TRUE(recorder.beeps.empty());
}

TEST_F(IntegerDialogTest, ACorrectedEntryIsAcceptedAfterRefusals) {
    TIntegerDialog dialog = OldListNum();
    TModalDriver driver(app);
    driver.Then(Enter("0")).Then(Enter("abc", true)).Then(Enter("3")).Start();
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(driver.stepsRun, 3);
    EXPECT_EQ(dialog.Value, 3);
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes[0].text, "値が小さすぎます\r\n1 以上の数値を入力して下さい");
    EXPECT_EQ(recorder.boxes[1].text, NotANumber);
    EXPECT_EQ(recorder.beeps.size(), 2u);
}

TEST_F(IntegerDialogTest, ExecuteHandsTheFormItsDesignedValuesOrTheDefaults) {
    struct Case {
        const char* name;
        std::string caption;
        std::string information;
        char passwordChar;
        std::string errorMessage;
        std::string expectedCaption;
        std::string expectedInformation;
        std::string expectedErrorMessage;
    };
    const Case cases[] = {
        {"defaults", "", "", 0, "", "ぽるてな", NotANumber, NotANumber},
        {"designed", "旧リストに残す数", "現在値：5  (1～100)", '*', "数字だけです",
         "旧リストに残す数", "現在値：5  (1～100)", "数字だけです"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TIntegerDialog dialog(app);
        dialog.Caption = c.caption;
        dialog.Information = c.information;
        dialog.PasswordChar = c.passwordChar;
        dialog.ErrorMessage = c.errorMessage;
        dialog.SetMax(100);
        dialog.SetMin(-100);
        TModalDriver driver(app);
        driver
            .Then([&](TForm& form) {
                TIntegerDlg& dlg = ModalForm<TIntegerDlg>(form);
                EXPECT_EQ(dlg.Caption(), c.expectedCaption);
                EXPECT_EQ(dlg.Information.Text(), c.expectedInformation);
                EXPECT_EQ(dlg.FErrorMessage, c.expectedErrorMessage);
                EXPECT_EQ(dlg.FMax, 100);
                EXPECT_EQ(dlg.FMin, -100);
                EXPECT_EQ(SendMessageW(dlg.InputValue.Handle(), EM_GETPASSWORDCHAR, 0, 0),
                          static_cast<LRESULT>(c.passwordChar));
                EXPECT_EQ(dlg.InputValue.Text(), "");
                // The label shows its whole text on one line.
                TBounds label = dlg.Information.Bounds();
                EXPECT_GT(label.width, 60);
                EXPECT_GE(label.height, 12);
                EXPECT_LE(label.height, 16);
                PostClick(dlg.bbnCancel);
            })
            .Start();
        EXPECT_FALSE(dialog.Execute());
        EXPECT_EQ(driver.stepsRun, 1);
        // Made for this showing alone.
        EXPECT_FALSE(IsWindow(driver.form));
    }
}

TEST_F(IntegerDialogTest, TheFormIsDestroyedAfterEveryShowing) {
    for (bool accept : {true, false}) {
        SCOPED_TRACE(accept ? "accepted" : "cancelled");
        TIntegerDialog dialog = OldListNum();
        TModalDriver driver(app);
        driver.Then(accept ? Enter("9") : ClickCancel()).Start();
        EXPECT_EQ(dialog.Execute(), accept);
        EXPECT_NE(driver.form, nullptr);
        EXPECT_FALSE(IsWindow(driver.form));
        EXPECT_EQ(app.DialogOwner(), owner.Handle());
        EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    }
}

TEST_F(IntegerDialogTest, SettersKeepMinAtMostMax) {
    struct Op {
        bool setMax;
        std::int32_t value;
        std::int32_t min;
        std::int32_t max;
    };
    TIntegerDialog dialog(app);
    EXPECT_EQ(dialog.Min(), 0);
    EXPECT_EQ(dialog.Max(), INT_MAX);
    EXPECT_EQ(dialog.Value, 0);
    const Op ops[] = {
        {true, 100, 0, 100},
        {false, 1, 1, 100},
        {false, 150, 150, 150},
        {true, 120, 120, 120},
        {true, -5, -5, -5},
        {false, -10, -10, -5},
        {true, 0, -10, 0},
        {false, INT_MAX, INT_MAX, INT_MAX},
        {true, INT_MIN, INT_MIN, INT_MIN},
    };
    for (const Op& op : ops) {
        SCOPED_TRACE(testing::Message() << (op.setMax ? "SetMax(" : "SetMin(") << op.value << ")");
        if (op.setMax)
            dialog.SetMax(op.value);
        else
            dialog.SetMin(op.value);
        EXPECT_EQ(dialog.Min(), op.min);
        EXPECT_EQ(dialog.Max(), op.max);
    }
}

TEST_F(IntegerDialogTest, FormLayout) {
    TIntegerDialog dialog = OldListNum();
    TModalDriver driver(app);
    driver
        .Then([&](TForm& form) {
            TIntegerDlg& dlg = ModalForm<TIntegerDlg>(form);
            ExpectClientCentred(dlg, 186, 79);
            EXPECT_EQ(dlg.Information.Bounds().x, 8);
            EXPECT_EQ(dlg.Information.Bounds().y, 8);
            ExpectBounds(dlg.InputValue.Bounds(), {8, 24, 169, 20}, "InputValue");
            ExpectBounds(dlg.bbnOK.Bounds(), {8, 48, 81, 25}, "bbnOK");
            ExpectBounds(dlg.bbnCancel.Bounds(), {96, 48, 81, 25}, "bbnCancel");
            EXPECT_EQ(WindowText(dlg.bbnOK.Handle()), "&OK");
            EXPECT_EQ(WindowText(dlg.bbnCancel.Handle()), "ｷｬﾝｾﾙ(&C)");
            EXPECT_TRUE(HasStyle(dlg.bbnOK.Handle(), BS_DEFPUSHBUTTON));
            EXPECT_FALSE(HasStyle(dlg.bbnCancel.Handle(), BS_DEFPUSHBUTTON));
            for (const TButton* button : {&dlg.bbnOK, &dlg.bbnCancel}) {
                ASSERT_NE(button->Glyph(), nullptr);
                EXPECT_EQ(ImageList_GetImageCount(button->Glyph()), 1);
            }
            EXPECT_NE(dlg.bbnOK.Glyph(), dlg.bbnCancel.Glyph());
            // Tab order: entry, OK, cancel; the entry has the focus at first.
            EXPECT_EQ(GetFocus(), dlg.InputValue.Handle());
            HWND next = GetNextDlgTabItem(dlg.Handle(), dlg.InputValue.Handle(), FALSE);
            EXPECT_EQ(next, dlg.bbnOK.Handle());
            next = GetNextDlgTabItem(dlg.Handle(), next, FALSE);
            EXPECT_EQ(next, dlg.bbnCancel.Handle());
            next = GetNextDlgTabItem(dlg.Handle(), next, FALSE);
            EXPECT_EQ(next, dlg.InputValue.Handle());
            for (HWND control : {dlg.Information.Handle(), dlg.InputValue.Handle(),
                                 dlg.bbnOK.Handle(), dlg.bbnCancel.Handle()})
                EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)),
                          app.Font());
            EXPECT_EQ(GetWindow(dlg.Handle(), GW_OWNER), owner.Handle());
            PostClick(dlg.bbnCancel);
        })
        .Start();
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(driver.stepsRun, 1);
}

} // namespace
} // namespace porutena::test
