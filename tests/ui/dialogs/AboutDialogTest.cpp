// The About box through its real form: its three lines, title and icons, its results and
// its layout.
#include "DialogTest.h"

#include "ui/dialogs/About.h"
#include "ui/dialogs/AboutDialog.h"

namespace porutena::test {
namespace {

class AboutDialogTest : public DialogTest {
protected:
    // The component as the main window designs it.
    TAboutDialog Designed() {
        TAboutDialog dialog(app);
        dialog.Version = "0.90";
        dialog.Year = "2026";
        dialog.Copyright = "Zon";
        return dialog;
    }
};

TEST_F(AboutDialogTest, ShowsTitleVersionAndCopyrightLines) {
    struct Case {
        const char* name;
        std::string caption;
        std::string title;
        std::string appTitle;
        std::string expectedCaption;
        std::string expectedTitle;
    };
    const Case cases[] = {
        {"as designed", "", "", "ぽるてな", "ﾊﾞｰｼﾞｮﾝ情報", "ぽるてな"},
        {"another application title", "", "", "Porutena", "ﾊﾞｰｼﾞｮﾝ情報", "Porutena"},
        {"own caption and title", "情報", "ぽるてな改", "ぽるてな", "情報", "ぽるてな改"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.SetTitle(c.appTitle);
        TAboutDialog dialog = Designed();
        dialog.Caption = c.caption;
        dialog.Title = c.title;
        std::string caption, title, version, copyright;
        HICON icon = nullptr;
        TModalDriver driver(app);
        driver
            .Then([&](TForm& form) {
                TAboutBox& box = ModalForm<TAboutBox>(form);
                caption = box.Caption();
                title = box.Title.Text();
                version = box.Version.Text();
                copyright = box.Copyright.Text();
                icon = box.Icon.Icon();
                PostClick(box.Button1);
            })
            .Start();
        EXPECT_TRUE(dialog.Execute());
        EXPECT_EQ(driver.stepsRun, 1);
        EXPECT_EQ(caption, c.expectedCaption);
        EXPECT_EQ(title, c.expectedTitle);
        EXPECT_EQ(version, "Version 0.90");
        EXPECT_EQ(copyright, "Copyright (C) 2026 Zon");
        EXPECT_EQ(icon, app.Icon());
        EXPECT_FALSE(IsWindow(driver.form));
    }
}

TEST_F(AboutDialogTest, TheCopyrightLineJoinsYearsAndHolder) {
    TAboutDialog dialog(app);
    dialog.Version = "1.0";
    dialog.Year = "2025-2026";
    dialog.Copyright = "ぞん";
    std::string version, copyright;
    TModalDriver driver(app);
    driver
        .Then([&](TForm& form) {
            version = ModalForm<TAboutBox>(form).Version.Text();
            copyright = ModalForm<TAboutBox>(form).Copyright.Text();
            PostClick(ModalForm<TAboutBox>(form).Button1);
        })
        .Start();
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(version, "Version 1.0");
    EXPECT_EQ(copyright, "Copyright (C) 2025-2026 ぞん");
}

TEST_F(AboutDialogTest, OkAndEnterGiveTrueTheCloseButtonFalseEscNothing) {
    struct Case {
        const char* name;
        std::vector<TModalDriver::TStep> steps;
        bool result;
    };
    auto ok = [](TForm& form) { PostClick(ModalForm<TAboutBox>(form).Button1); };
    auto enter = [](TForm&) { PostKey(GetFocus(), VK_RETURN); };
    auto esc = [](TForm&) { PostKey(GetFocus(), VK_ESCAPE); };
    auto close = [](TForm& form) { PostCloseButton(form); };
    auto stillOpen = [](TForm& form) {
        EXPECT_TRUE(IsWindowVisible(form.Handle()));
        EXPECT_EQ(form.ModalResult(), mrNone);
    };
    const Case cases[] = {
        {"OK", {ok}, true},
        {"Enter", {enter}, true},
        {"close button", {close}, false},
        {"Esc, then OK", {esc, stillOpen, ok}, true},
        {"Esc, then close button", {esc, stillOpen, close}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TAboutDialog dialog = Designed();
        TModalDriver driver(app);
        for (const auto& step : c.steps)
            driver.Then(step);
        driver.Start();
        EXPECT_EQ(dialog.Execute(), c.result);
        EXPECT_EQ(driver.stepsRun, static_cast<int>(c.steps.size()));
        EXPECT_FALSE(IsWindow(driver.form));
        EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    }
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(AboutDialogTest, BoxLayout) {
    TAboutDialog dialog = Designed();
    TModalDriver driver(app);
    driver
        .Then([&](TForm& form) {
            TAboutBox& box = ModalForm<TAboutBox>(form);
            ExpectClientCentred(box, 329, 103);
            ExpectBounds(box.Bevel1.Bounds(), {48, 8, 233, 57}, "Bevel1");
            ExpectBounds(box.Icon.Bounds(), {8, 16, 32, 32}, "Icon");
            ExpectBounds(box.Title.Bounds(), {56, 16, 217, 12}, "Title");
            ExpectBounds(box.Version.Bounds(), {56, 32, 217, 12}, "Version");
            ExpectBounds(box.Copyright.Bounds(), {56, 48, 217, 12}, "Copyright");
            for (const TLabel* label : {&box.Title, &box.Version, &box.Copyright})
                EXPECT_EQ(GetWindowLongPtrA(label->Handle(), GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
            ExpectBounds(box.Image1.Bounds(), {288, 16, 32, 32}, "Image1");
            EXPECT_NE(box.Image1.Icon(), nullptr);
            EXPECT_NE(box.Image1.Icon(), app.Icon());
            ExpectBounds(box.Button1.Bounds(), {128, 72, 73, 25}, "Button1");
            EXPECT_EQ(WindowText(box.Button1.Handle()), "&OK");
            EXPECT_TRUE(HasStyle(box.Button1.Handle(), BS_DEFPUSHBUTTON));
            EXPECT_EQ(GetFocus(), box.Button1.Handle());
            for (const TWinControl* control : {static_cast<const TWinControl*>(&box.Title),
                                               static_cast<const TWinControl*>(&box.Version),
                                               static_cast<const TWinControl*>(&box.Copyright),
                                               static_cast<const TWinControl*>(&box.Button1)})
                EXPECT_EQ(
                    reinterpret_cast<HFONT>(SendMessageA(control->Handle(), WM_GETFONT, 0, 0)),
                    app.Font());
            EXPECT_EQ(GetWindow(box.Handle(), GW_OWNER), owner.Handle());
            PostClick(box.Button1);
        })
        .Start();
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(driver.stepsRun, 1);
}

} // namespace
} // namespace porutena::test
