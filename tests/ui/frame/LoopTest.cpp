// Shortcuts through the message loop, hints, and the error handler.
#include "TestWindow.h"

#include "core/Errors.h"

namespace porutena::test {
namespace {

using LoopTest = FrameTest;

TEST_F(LoopTest, MainMenuShortcutWinsOverTheFocusedEditBox) {
    TTestWindow w(app);
    w.Show();
    w.edtFileName.SetFocus();
    ASSERT_TRUE(w.edtFileName.Focused());
    TKeyCounter edit(w.edtFileName.Handle());
    {
        TKeysDown ctrl{VK_CONTROL};
        PressKey(app, w.edtFileName.Handle(), 'C');
        // Disabled: the menu item still takes the key, and nothing runs.
        PressKey(app, w.edtFileName.Handle(), 'A');
    }
    EXPECT_EQ(w.runs["copy"], 1);
    EXPECT_EQ(w.runs["all"], 0);
    EXPECT_EQ(edit.keys, 0);
    // A key nobody takes reaches the control.
    PressKey(app, w.edtFileName.Handle(), 'X');
    EXPECT_GT(edit.keys, 0);
}

TEST_F(LoopTest, ContextMenuThenMainMenuThenActionList) {
    TTestWindow w(app);
    TKeysDown ctrl{VK_CONTROL};
    PressKey(app, w.edtFileName.Handle(), 'B'); // the edit box's context menu first
    PressKey(app, w.lblInfo.Handle(), 'B');     // no context menu there: the main menu
    PressKey(app, w.edtFileName.Handle(), 'D'); // only an action has it
    EXPECT_EQ(w.runs["popupBold"], 1);
    EXPECT_EQ(w.runs["menuBold"], 1);
    EXPECT_EQ(w.runs["listOnly"], 1);
    w.actListOnly.SetEnabled(false);
    TKeyCounter edit(w.edtFileName.Handle());
    PressKey(app, w.edtFileName.Handle(), 'D');
    EXPECT_EQ(w.runs["listOnly"], 1);
    EXPECT_GT(edit.keys, 0); // a disabled action leaves the key to the control
}

TEST_F(LoopTest, HintFollowsControlsUnderThePoint) {
    TTestWindow w(app);
    w.Show();
    int changes = 0;
    app.OnHint = [&] { ++changes; };
    auto centre = [](HWND control) {
        RECT r;
        GetWindowRect(control, &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    app.UpdateHintAt(centre(w.edtFileName.Handle()));
    EXPECT_EQ(app.Hint(), "選んだ名前です。");
    app.UpdateHintAt(centre(w.edtFileName.Handle()));
    EXPECT_EQ(changes, 1);                        // same text: no change event
    app.UpdateHintAt(centre(w.lblInfo.Handle())); // no hint of its own: the form's
    EXPECT_EQ(app.Hint(), "窓のヒントです。");
    app.UpdateHintAt(centre(w.edtDisabled.Handle())); // disabled controls count
    EXPECT_EQ(app.Hint(), "使えない");
    RECT button{};
    SendMessageA(w.tbrTool.Handle(), TB_GETRECT, static_cast<WPARAM>(w.tlbCopy->Command()),
                 reinterpret_cast<LPARAM>(&button));
    POINT onButton{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(w.tbrTool.Handle(), &onButton);
    app.UpdateHintAt(onButton);
    EXPECT_EQ(app.Hint(), "ﾀﾞｲｱﾛｸﾞからﾌｧｲﾙを選択します。");
    app.UpdateHintAt({-5000, -5000});
    EXPECT_EQ(app.Hint(), "");
    EXPECT_EQ(changes, 5);

    // The idle work reads the mouse.
    SetCursorPos(centre(w.edtFileName.Handle()).x, centre(w.edtFileName.Handle()).y);
    app.ProcessMessages();
    EXPECT_EQ(app.Hint(), "選んだ名前です。");
}

TEST_F(LoopTest, TooltipsShowTheShortHint) {
    TTestWindow w(app);
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom =
        reinterpret_cast<HWND>(SendMessageW(w.tbrTool.Handle(), TB_GETTOOLTIPS, 0, 0));
    info.hdr.code = TTN_GETDISPINFOW;
    info.hdr.idFrom = static_cast<UINT_PTR>(w.tlbCopy->Command());
    SendMessageW(w.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, L"名前取得");
    info.hdr.idFrom = static_cast<UINT_PTR>(w.tlbAll->Command());
    SendMessageW(w.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(info.lpszText, L"すべて");
}

// Something else subclassing the form (as accessibility tools do) must not cut it off.
TEST_F(LoopTest, ASubclassedFormStillGetsItsKeysAndCommands) {
    TTestWindow w(app);
    SUBCLASSPROC passOn = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
        return DefSubclassProc(window, message, wParam, lParam);
    };
    ASSERT_TRUE(SetWindowSubclass(w.Handle(), passOn, 1, 0));
    EXPECT_EQ(TForm::FromHandle(w.Handle()), &w);
    {
        TKeysDown ctrl{VK_CONTROL};
        PressKey(app, w.edtFileName.Handle(), 'C');
    }
    SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(w.tlbCopy->Command(), BN_CLICKED),
                 reinterpret_cast<LPARAM>(w.tbrTool.Handle()));
    EXPECT_EQ(w.runs["copy"], 2);
    RemoveWindowSubclass(w.Handle(), passOn, 1);
}

TEST_F(LoopTest, HintFollowsTheHighlightedMenuItem) {
    TTestWindow w(app);
    int changes = 0;
    app.OnHint = [&] { ++changes; };
    auto select = [&](WPARAM item, UINT flags, HMENU menu) {
        SendMessageA(w.Handle(), WM_MENUSELECT, MAKEWPARAM(item, flags),
                     reinterpret_cast<LPARAM>(menu));
    };
    SendMessageA(w.Handle(), WM_ENTERMENULOOP, FALSE, 0);
    select(static_cast<WPARAM>(w.mnuCopy.Command()), MF_STRING, w.mnuMain.Handle());
    EXPECT_EQ(app.Hint(), "ｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。");
    select(static_cast<WPARAM>(w.mnuCopy.Command()), MF_STRING, w.mnuMain.Handle());
    EXPECT_EQ(changes, 1);
    // A submenu is reported by its position in its parent.
    HMENU view = GetSubMenu(w.mnuMain.Handle(), 1);
    select(3, MF_POPUP, view);
    EXPECT_EQ(app.Hint(), "パスの区切り文字を設定します。");
    app.ProcessMessages(); // the idle work leaves a menu's hint alone
    EXPECT_EQ(app.Hint(), "パスの区切り文字を設定します。");
    select(static_cast<WPARAM>(w.ppmCopy.Command()), MF_STRING, w.ppmEdit.Handle());
    EXPECT_EQ(app.Hint(), "ｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。");
    select(static_cast<WPARAM>(w.mnuBold.Command()), MF_STRING, w.mnuMain.Handle());
    EXPECT_EQ(app.Hint(), "");
    select(static_cast<WPARAM>(w.mnuExit.Command()), MF_STRING, w.mnuMain.Handle());
    EXPECT_EQ(app.Hint(), "このｿﾌﾄを終了します。");
    select(0, 0xFFFF, nullptr); // the menu closes
    EXPECT_EQ(app.Hint(), "");
    SendMessageA(w.Handle(), WM_EXITMENULOOP, FALSE, 0);
    EXPECT_EQ(changes, 6);
}

TEST(ErrorTextTest, FullStopAppendedAfterCharactersAboveIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"範囲チェックエラー", "範囲チェックエラー."},
        {"Access denied", "Access denied."},
        {"code 5", "code 5."},
        {"終わり。", "終わり。."},
        {"done.", "done."},
        {"what?", "what?."},
        {"stop!", "stop!"},
        {"a-", "a-"},
        {"a/", "a/."},
        {"", ""},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(ErrorBoxText(message), shown) << message;
}

TEST_F(LoopTest, ErrorsInHandlersAreShownOnceAndEndTheHandler) {
    TTestWindow w(app);
    bool after = false;
    auto failWith = [&](std::function<void()> raise) {
        w.actListOnly.OnExecute = [&, raise] {
            raise();
            after = true;
        };
    };
    failWith([] { throw EError("範囲チェックエラー"); });
    {
        TKeysDown ctrl{VK_CONTROL};
        PressKey(app, w.edtFileName.Handle(), 'D'); // through the loop's shortcut path
    }
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "範囲チェックエラー.");
    EXPECT_EQ(recorder.boxes[0].caption, "テスト");
    EXPECT_EQ(recorder.boxes[0].flags, static_cast<UINT>(MB_ICONSTOP | MB_OK));

    // Menu commands through the window procedure.
    failWith([] { throw EAbort(); });
    w.mnuMain.Add({.caption = "失敗", .action = &w.actListOnly});
    SendCommand(w.Handle(), w.mnuMain.Items()[w.mnuMain.Items().Count() - 1].Command());
    EXPECT_EQ(recorder.boxes.size(), 1u); // silent

    failWith([] { throw std::runtime_error("disk full"); });
    SendCommand(w.Handle(), w.mnuMain.Items()[w.mnuMain.Items().Count() - 1].Command());
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes[1].text, "disk full.");

    failWith([] { throw 42; });
    SendCommand(w.Handle(), w.mnuMain.Items()[w.mnuMain.Items().Count() - 1].Command());
    ASSERT_EQ(recorder.boxes.size(), 3u);
    EXPECT_EQ(recorder.boxes[2].text, "予期しないエラーが発生しました.");
    EXPECT_FALSE(after);
    EXPECT_TRUE(IsWindow(w.Handle()));
}

class TFailingForm : public TForm {
public:
    TFailingForm(TApplication& app, std::vector<std::string>& log)
        : TForm(app, TFormKind::Main), FLog(log) {}
    TEdit edtName;

protected:
    void CreateControls() override { edtName.Create(*this, {0, 0, 100, 20}); }
    void FormCreate() override {
        FLog.push_back("create");
        throw EError("作成失敗");
    }
    void FormDestroy() override {
        FLog.push_back("destroy");
        Raise("破棄失敗");
        FLog.push_back("after destroy");
    }
    static void Raise(const char* message) { throw EError(message); }

private:
    std::vector<std::string>& FLog;
};

TEST_F(LoopTest, ErrorsInCreationAndDestructionHandlers) {
    std::vector<std::string> log;
    TFailingForm form(app, log);
    form.Create("失敗", 200, 100);
    ASSERT_TRUE(IsWindow(form.Handle())); // still created
    EXPECT_TRUE(IsWindow(form.edtName.Handle()));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "作成失敗.");
    EXPECT_EQ(app.MainForm(), &form);
    form.Destroy();
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes[1].text, "破棄失敗.");
    EXPECT_EQ(log, (std::vector<std::string>{"create", "destroy"}));
    EXPECT_EQ(app.MainForm(), nullptr);
    app.ProcessMessages();
    EXPECT_TRUE(app.Terminated()); // the main form's end ends the loop
}

// A form whose designed layout holds one thing the system refuses to make.
class TRefusedForm : public TForm {
public:
    TRefusedForm(TApplication& app, std::function<void(TForm&)> make)
        : TForm(app, TFormKind::Main), FMake(std::move(make)) {
        Create("拒否", 200, 100);
    }

protected:
    void CreateControls() override { FMake(*this); }

private:
    std::function<void(TForm&)> FMake;
};

TEST_F(LoopTest, RefusedCreationsShowTheCallAndTheSystemsReason) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const struct {
        std::string call;
        std::function<void(TForm&)> make;
    } cases[] = {
        {"CreateWindowExW",
         [](TForm& form) { CreateControl(form, "PorutenaNoSuchClass", "", WS_VISIBLE, {}); }},
        {"LoadImageA", [=](TForm&) { LoadImageList(instance, 0x7FFF, 16); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        recorder.boxes.clear();
        TRefusedForm form(app, c.make);
        ASSERT_EQ(recorder.boxes.size(), 1u);
        const std::string& text = recorder.boxes[0].text;
        EXPECT_EQ(text.substr(0, c.call.size() + 2), c.call + ": ");
        EXPECT_GT(text.size(), c.call.size() + 3) << "the system's reason follows the name";
    }
}

TEST_F(LoopTest, ShowErrorMessageBeepsAndShowsTheErrorBox) {
    ShowErrorMessage(app, "Veza.html が見つかりません");
    ASSERT_EQ(recorder.beeps, std::vector<UINT>{MB_ICONHAND});
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Veza.html が見つかりません"); // no full stop added
    EXPECT_EQ(recorder.boxes[0].caption, "エラー");
    EXPECT_EQ(recorder.boxes[0].flags, static_cast<UINT>(MB_ICONSTOP | MB_OK));
}

} // namespace
} // namespace porutena::test
