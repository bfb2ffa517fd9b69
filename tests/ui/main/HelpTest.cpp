// Help opens Veza.html beside the program, and says so when it is missing.
#include "MainTestSupport.h"

#include "platform/win32/WinShell.h"

#include <shellapi.h>

namespace porutena::test {
namespace {

using HelpTest = MainWindowTest;

constexpr const char* MissingText = "Veza.html が見つかりません\r\n\r\n"
                                    "ﾍﾙﾌﾟを見るためには実行ﾌｧｲﾙのあるﾌｫﾙﾀﾞに\r\n"
                                    "Veza.html\r\n"
                                    "というﾌｧｲﾙがなければいけません。";

TEST_F(HelpTest, OnlyAMissingFileIsReported) {
    start.path = "C:\\Program Files\\ぽるてな\\porutena.exe";
    TfrmMain& w = Open();
    struct Case {
        int result;
        bool reported;
        bool byF1; // the key, pressed in the edit box, instead of the menu item
    };
    // Opened; no handler for the file; not found, from the menu and by F1.
    for (const Case c : {Case{42, false, false}, Case{SE_ERR_NOASSOC, false, false},
                         Case{SE_ERR_FNF, true, false}, Case{SE_ERR_FNF, true, true}}) {
        SCOPED_TRACE(c.result);
        SCOPED_TRACE(c.byF1 ? "F1" : "menu");
        shell.calls.clear();
        recorder.boxes.clear();
        recorder.beeps.clear();
        shell.result = c.result;
        if (c.byF1)
            PressKey(app, w.edtFileName.Handle(), VK_F1);
        else
            SendCommand(w.Handle(), w.mnuHelpView.Command());
        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0].fileName, "Veza.html");
        EXPECT_EQ(shell.calls[0].params, "");
        EXPECT_EQ(shell.calls[0].directory, "C:\\Program Files\\ぽるてな\\");
        EXPECT_EQ(shell.calls[0].showCmd, 5);
        ASSERT_EQ(recorder.boxes.size(), c.reported ? 1u : 0u);
        if (!c.reported)
            continue;
        EXPECT_EQ(recorder.boxes[0].text, MissingText);
        EXPECT_EQ(recorder.boxes[0].caption, "エラー");
        EXPECT_EQ(recorder.boxes[0].flags, static_cast<UINT>(MB_ICONSTOP | MB_OK));
        EXPECT_EQ(recorder.beeps, std::vector<UINT>{MB_ICONHAND});
    }
}

TEST_F(HelpTest, TheSystemsShellFindsNoHelpBesideAProgramWithoutOne) {
    TTempFolder folder("porutena-help");
    start.path = folder.Path() + "\\porutena.exe";
    TMainContext context = Context();
    context.MakeShell = [](HWND owner) { return std::make_unique<TWinShell>(owner); };
    form = std::make_unique<TfrmMain>(app, context);
    form->Show();
    SendCommand(form->Handle(), form->mnuHelpView.Command());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, MissingText);
}

} // namespace
} // namespace porutena::test
