// The About command: the box shown from the Help menu as the window designs it.
#include "MainTestSupport.h"

#include "resource.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/ModalDriver.h"

namespace porutena::test {
namespace {

class AboutTest : public MainWindowTest {
protected:
    AboutTest() { app.SetIcon(IDI_PORUTENA); }
};

TEST_F(AboutTest, TheHelpMenuShowsTitleVersionAndCopyright) {
    TfrmMain& w = Open();
    std::string caption, title, version, copyright;
    HICON icon = nullptr;
    HWND owner = nullptr;
    TModalDriver driver(app);
    driver
        .Then([&](TForm& form) {
            TAboutBox& box = ModalForm<TAboutBox>(form);
            caption = box.Caption();
            title = box.Title.Text();
            version = box.Version.Text();
            copyright = box.Copyright.Text();
            icon = box.Icon.Icon();
            owner = GetWindow(box.Handle(), GW_OWNER);
            PostClick(box.Button1);
        })
        .Start();
    SendCommand(w.Handle(), w.mnuAbout.Command());
    EXPECT_EQ(driver.stepsRun, 1);
    EXPECT_FALSE(IsWindow(driver.form));
    EXPECT_EQ(caption, "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(title, "ぽるてな");
    EXPECT_EQ(version, "Version 0.90");
    EXPECT_EQ(copyright, "Copyright (C) 2026 Zon");
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(icon, app.Icon());
    EXPECT_EQ(owner, w.Handle());
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(AboutTest, EveryWayOutOfTheBoxLeavesTheWindowAsItWas) {
    struct Case {
        const char* name;
        TModalDriver::TStep step;
    };
    const Case cases[] = {
        {"OK", [](TForm& form) { PostClick(ModalForm<TAboutBox>(form).Button1); }},
        {"Enter", [](TForm&) { PostKey(GetFocus(), VK_RETURN); }},
        {"close button", [](TForm& form) { PostCloseButton(form); }},
    };
    TfrmMain& w = Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TModalDriver driver(app);
        driver.Then(c.step).Start();
        SendCommand(w.Handle(), w.mnuAbout.Command());
        EXPECT_EQ(driver.stepsRun, 1);
        EXPECT_FALSE(IsWindow(driver.form));
        EXPECT_TRUE(IsWindowEnabled(w.Handle()));
        EXPECT_TRUE(IsWindow(w.Handle()));
    }
    EXPECT_TRUE(recorder.boxes.empty());
}

} // namespace
} // namespace porutena::test
