// The About command: the box shown from the Help menu as the window designs it.
#include "MainTestSupport.h"

#include "resource.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/ModalDriver.h"

#include <string>
#include <vector>

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

// This program carries the program's resource script, so its version resource is the program's.
TEST(VersionResourceTest, SaysTheAboutBoxVersionInJapaneseAndEnglish) {
    wchar_t path[MAX_PATH];
    ASSERT_NE(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    std::vector<char> data(GetFileVersionInfoSizeW(path, nullptr));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, static_cast<DWORD>(data.size()), data.data()));
    auto query = [&](const wchar_t* name) {
        void* value = nullptr;
        UINT length = 0;
        return VerQueryValueW(data.data(), name, &value, &length) ? value : nullptr;
    };
    auto text = [&](const wchar_t* name) {
        const void* value = query(name);
        return value ? std::wstring(static_cast<const wchar_t*>(value)) : L"(none)";
    };
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(90, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(90, 0));
    EXPECT_EQ(text(L"\\StringFileInfo\\041104B0\\ProductName"), L"ぽるてな");
    EXPECT_EQ(text(L"\\StringFileInfo\\041104B0\\FileVersion"), L"0.90");
    EXPECT_EQ(text(L"\\StringFileInfo\\040904B0\\ProductName"), L"Porutena");
    EXPECT_EQ(text(L"\\StringFileInfo\\040904B0\\ProductVersion"), L"0.90");
}

} // namespace
} // namespace porutena::test
