// Modal forms: results from buttons, keys and the close button; the owner's state; nesting.
#include "TestWindow.h"

#include "core/Errors.h"

namespace porutena::test {
namespace {

class TTestDialog : public TForm {
public:
    TTestDialog(TApplication& app, bool withCancel)
        : TForm(app, TFormKind::Dialog), FWithCancel(withCancel) {
        Create("入力", 186, 79);
    }
    TEdit edtValue;
    TButton bbnOK;
    TButton bbnCancel;
    std::function<void()> onOK;
    int okClicks = 0;

    void Post(UINT message, WPARAM wParam, LPARAM lParam) {
        PostMessageA(Handle(), message, wParam, lParam);
    }
    void PostClick(TButton& button) {
        Post(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button.Handle()), BN_CLICKED),
             reinterpret_cast<LPARAM>(button.Handle()));
    }
    void PostKey(HWND control, WORD key) {
        PostMessageA(control, WM_KEYDOWN, key, 1);
        PostMessageA(control, WM_KEYUP, key, 0xC0000001);
    }

protected:
    void CreateControls() override {
        edtValue.Create(*this, {8, 24, 169, 20});
        bbnOK.Create(*this, {8, 48, 81, 25},
                     {.caption = "&OK", .modalResult = mrOk, .isDefault = true, .onClick = [this] {
                          ++okClicks;
                          if (onOK)
                              onOK();
                      }});
        if (FWithCancel)
            bbnCancel.Create(*this, {96, 48, 81, 25},
                             {.caption = "ｷｬﾝｾﾙ(&C)", .modalResult = mrCancel, .cancel = true});
    }

private:
    bool FWithCancel;
};

using ModalTest = FrameTest;

TEST_F(ModalTest, ResultsFromButtonsKeysAndTheCloseButton) {
    TTestWindow w(app);
    struct Case {
        const char* name;
        bool withCancel;
        std::function<void(TTestDialog&)> post;
        int result;
        int okClicks;
    };
    const Case cases[] = {
        {"OK", true, [](TTestDialog& d) { d.PostClick(d.bbnOK); }, mrOk, 1},
        {"Cancel", true, [](TTestDialog& d) { d.PostClick(d.bbnCancel); }, mrCancel, 0},
        {"close button", true, [](TTestDialog& d) { d.Post(WM_SYSCOMMAND, SC_CLOSE, 0); }, mrCancel,
         0},
        {"Enter", true, [](TTestDialog& d) { d.PostKey(d.edtValue.Handle(), VK_RETURN); }, mrOk, 1},
        {"Esc", true, [](TTestDialog& d) { d.PostKey(d.edtValue.Handle(), VK_ESCAPE); }, mrCancel,
         0},
        {"Enter on the cancel button", true,
         [](TTestDialog& d) { d.PostKey(d.bbnCancel.Handle(), VK_RETURN); }, mrCancel, 0},
        {"Esc without a cancel button", false,
         [](TTestDialog& d) {
             d.PostKey(d.edtValue.Handle(), VK_ESCAPE);
             d.PostClick(d.bbnOK);
         },
         mrOk, 1},
        {"close without a cancel button", false, [](TTestDialog& d) { d.Post(WM_CLOSE, 0, 0); },
         mrCancel, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTestDialog dialog(app, c.withCancel);
        c.post(dialog);
        EXPECT_EQ(dialog.ShowModal(), c.result);
        EXPECT_EQ(dialog.okClicks, c.okClicks);
        EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    }
    EXPECT_TRUE(IsWindow(w.Handle()));
    EXPECT_FALSE(app.Terminated());
}

TEST_F(ModalTest, HandlersDecideTheResultAndTheOwnerIsDisabled) {
    TTestWindow w(app);
    TTestDialog dialog(app, true);
    bool ownerEnabled = true;
    dialog.onOK = [&] {
        ownerEnabled = IsWindowEnabled(w.Handle()) != FALSE;
        if (dialog.okClicks == 1)
            dialog.SetModalResult(mrNone); // refused: stays open
    };
    dialog.PostClick(dialog.bbnOK);
    dialog.PostClick(dialog.bbnOK);
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(dialog.okClicks, 2);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(w.Handle()));

    dialog.onOK = [&] {
        dialog.SetModalResult(mrCancel);
        throw EAbort();
    };
    dialog.PostKey(dialog.edtValue.Handle(), VK_RETURN);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(ModalTest, DialogKeysNeverReachTheMainWindowsShortcuts) {
    TTestWindow w(app);
    TTestDialog dialog(app, true);
    TKeysDown ctrl{VK_CONTROL};
    dialog.PostKey(dialog.edtValue.Handle(), 'C');
    dialog.PostKey(dialog.edtValue.Handle(), 'D');
    dialog.PostClick(dialog.bbnOK);
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(w.runs["copy"], 0);
    EXPECT_EQ(w.runs["listOnly"], 0);
}

TEST_F(ModalTest, NestedModalFormsEndInOrder) {
    TTestWindow w(app);
    TTestDialog outer(app, true);
    int innerResult = 0;
    bool outerEnabledInside = true;
    outer.onOK = [&] {
        TTestDialog inner(app, true);
        EXPECT_EQ(GetWindow(inner.Handle(), GW_OWNER), outer.Handle());
        inner.onOK = [&] { outerEnabledInside = IsWindowEnabled(outer.Handle()) != FALSE; };
        inner.PostClick(inner.bbnOK);
        innerResult = inner.ShowModal();
    };
    outer.PostClick(outer.bbnOK);
    EXPECT_EQ(outer.ShowModal(), mrOk);
    EXPECT_EQ(innerResult, mrOk);
    EXPECT_FALSE(outerEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(outer.Handle()));
    EXPECT_TRUE(IsWindowEnabled(w.Handle()));
}

TEST_F(ModalTest, QuitDuringAModalLoopEndsItAndTheOuterLoop) {
    TTestWindow w(app);
    TTestDialog dialog(app, true);
    PostQuitMessage(3);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    app.ProcessMessages();
    EXPECT_TRUE(app.Terminated());
}

} // namespace
} // namespace porutena::test
