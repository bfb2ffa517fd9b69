// The loops the frame does not run itself: the system's message box, context menus being
// tracked, and the application's own loop ending with the main window.
#include "TestWindow.h"

namespace porutena::test {
namespace {

using NestedLoopTest = FrameTest;

POINT Centre(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The icon a message box shows (its picture control's).
HICON BoxIcon(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    return nullptr;
}

TEST_F(NestedLoopTest, ErrorBoxIsCentredOnTheScreenAndClosedByEsc) {
    app.SetMessageBoxes(nullptr); // the system's boxes
    TTestWindow w(app);
    w.Show();
    RECT box{};
    HWND owner = nullptr;
    HICON icon = nullptr;
    LRESULT defaultId = 0;
    TTimerProbe probe(app, [&] {
        HWND found = FindWindowA("#32770", "エラー");
        if (!found || !IsWindowVisible(found))
            return false;
        GetWindowRect(found, &box);
        owner = GetWindow(found, GW_OWNER);
        defaultId = LOWORD(SendMessageA(found, DM_GETDEFID, 0, 0));
        icon = BoxIcon(found);
        // Esc, as typed into the box: with its one OK button the box ends with OK.
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
        PostMessageA(GetFocus(), WM_KEYUP, VK_ESCAPE, 0xC0000001);
        return true;
    });
    ShowErrorMessage(app, "Veza.html が見つかりません");
    POINT centre = Centre(box);
    EXPECT_NEAR(centre.x, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR(centre.y, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_EQ(owner, w.Handle());
    EXPECT_EQ(defaultId, IDOK);
    EXPECT_EQ(icon, LoadIconA(nullptr, IDI_HAND));
}

TEST_F(NestedLoopTest, ContextMenusOpenWhereAskedAndHandlersMaySuppressThem) {
    TTestWindow w(app);
    w.Show();
    HWND edit = w.edtFileName.Handle();
    std::vector<std::pair<HWND, POINT>> asked;
    bool suppress = false;
    w.onContextPopup = [&](HWND control, POINT& pos) {
        asked.emplace_back(control, pos);
        return suppress;
    };
    HMENU opened = nullptr;
    RECT menuRect{};
    auto closeMenus = [&] {
        HWND menu = FindWindowA("#32768", nullptr);
        if (!menu || !IsWindowVisible(menu))
            return false;
        opened = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
        GetWindowRect(menu, &menuRect);
        EndMenu();
        return true;
    };
    RECT editRect{};
    GetWindowRect(edit, &editRect);
    POINT click = Centre(editRect);
    {
        // The edit box would show its own menu; ours opens at the mouse.
        TTimerProbe probe(app, closeMenus);
        SendMessageA(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit),
                     MAKELPARAM(click.x, click.y));
    }
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].first, edit);
    EXPECT_EQ(asked[0].second.x, click.x);
    EXPECT_EQ(opened, w.ppmEdit.Handle());
    EXPECT_EQ(menuRect.left, click.x);
    EXPECT_EQ(menuRect.top, click.y);

    // From the keyboard: no position, so the menu opens at the control's corner.
    opened = nullptr;
    {
        TTimerProbe probe(app, closeMenus);
        SendMessageA(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), MAKELPARAM(-1, -1));
    }
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].second.x, -1);
    EXPECT_EQ(asked[1].second.y, -1);
    EXPECT_EQ(opened, w.ppmEdit.Handle());
    POINT corner{0, 0};
    ClientToScreen(edit, &corner);
    EXPECT_EQ(menuRect.left, corner.x);
    EXPECT_EQ(menuRect.top, corner.y);

    // Suppressed by the handler; and a control without a context menu asks nobody.
    suppress = true;
    opened = nullptr;
    {
        TTimerProbe probe(app, closeMenus);
        SendMessageA(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit),
                     MAKELPARAM(click.x, click.y));
        HWND label = w.lblInfo.Handle();
        SendMessageA(label, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(label),
                     MAKELPARAM(click.x, click.y));
    }
    EXPECT_EQ(asked.size(), 3u);
    EXPECT_EQ(opened, nullptr);

    // On the title bar no menu of ours is asked: the system menu opens.
    RECT frame{};
    GetWindowRect(w.Handle(), &frame);
    POINT title{Centre(frame).x,
                frame.top + GetSystemMetrics(SM_CYSIZEFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
    {
        TTimerProbe probe(app, closeMenus);
        SendMessageA(w.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w.Handle()),
                     MAKELPARAM(title.x, title.y));
    }
    EXPECT_EQ(opened, GetSystemMenu(w.Handle(), FALSE));
}

TEST_F(NestedLoopTest, HintOfTheItemHighlightedInAnOpenMenuThenEmpty) {
    TTestWindow w(app);
    w.Show();
    app.SetHint("前");
    std::vector<std::string> hints;
    app.OnHint = [&] { hints.push_back(app.Hint()); };
    int step = 0;
    std::string whileOpen;
    TTimerProbe probe(app, [&] {
        HWND menu = FindWindowA("#32768", nullptr);
        if (!menu || !IsWindowVisible(menu))
            return false;
        if (step++ == 0) { // the first item gets the highlight, as from the keyboard
            PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 1);
            return false;
        }
        whileOpen = app.Hint();
        EndMenu();
        return true;
    });
    RECT r{};
    GetWindowRect(w.edtFileName.Handle(), &r);
    w.ppmEdit.Popup({r.left, r.bottom});
    EXPECT_EQ(whileOpen, "ｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。");
    EXPECT_EQ(app.Hint(), "");
    ASSERT_FALSE(hints.empty());
    EXPECT_EQ(hints.back(), "");
}

class TClosingForm : public TForm {
public:
    explicit TClosingForm(TApplication& app) : TForm(app, TFormKind::Main) {
        Create("閉じる", 300, 200);
    }
    int queries = 0;
    bool destroyed = false;

protected:
    bool FormCloseQuery() override { return ++queries > 1; } // the first close is refused
    void FormDestroy() override { destroyed = true; }
};

TEST_F(NestedLoopTest, TheLoopRunsUntilTheMainWindowCloses) {
    TClosingForm form(app);
    HWND window = form.Handle();
    EXPECT_EQ(app.MainForm(), &form);
    PostMessageA(window, WM_CLOSE, 0, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    app.Run();
    EXPECT_EQ(form.queries, 2);
    EXPECT_TRUE(form.destroyed);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(app.MainForm(), nullptr);
}

} // namespace
} // namespace porutena::test
