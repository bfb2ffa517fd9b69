// Bound items on load, items following their action, exclusive groups, disabled actions.
#include "TestWindow.h"

namespace porutena::test {
namespace {

class TBareForm : public TForm {
public:
    explicit TBareForm(TApplication& app) : TForm(app, TFormKind::Main) {
        Create("bare", 300, 200);
    }
    TActionList actions{*this};
    TPopupMenu menu{*this};
    TToolBar toolBar{*this};
};

using BindingTest = FrameTest;

TEST_F(BindingTest, MenuItemsKeepTheirDesignedValuesAndTakeTheRest) {
    struct Case {
        TMenuItemProps own;
        TActionProps action;
        std::string text;
        std::string hint;
        bool enabled;
        bool checked;
    };
    const TActionProps plain{.caption = "動作", .hint = "短|長", .shortCut = ShortCut('C', scCtrl)};
    const Case cases[] = {
        {{}, plain, "動作\tCtrl+C", "短|長", true, false},
        {{.caption = "自分", .hint = "自|分", .shortCut = ShortCut(VK_F5, scShift)},
         plain,
         "自分\tShift+F5",
         "自|分",
         true,
         false},
        {{.enabled = false}, plain, "動作\tCtrl+C", "短|長", false, false},
        {{}, {.caption = "無効", .enabled = false}, "無効", "", false, false},
        {{.checked = true}, plain, "動作\tCtrl+C", "短|長", true, true},
        {{}, {.caption = "済", .checked = true}, "済", "", true, true},
    };
    TBareForm form(app);
    for (const Case& c : cases) {
        TAction& action = form.actions.Add(c.action);
        TMenuItemProps props = c.own;
        props.action = &action;
        TMenuItem& item = form.menu.Add(props);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(MenuText(item, form.menu.Handle()), c.text);
        EXPECT_EQ(item.Hint(), c.hint);
        EXPECT_EQ(item.Enabled(), c.enabled);
        EXPECT_EQ(MenuEnabled(item, form.menu.Handle()), c.enabled);
        EXPECT_EQ(item.Checked(), c.checked);
        EXPECT_EQ(MenuChecked(item, form.menu.Handle()), c.checked);
    }
}

TEST_F(BindingTest, ToolButtonsKeepTheirDesignedValuesAndTakeTheRest) {
    TBareForm form(app);
    form.toolBar.Create(nullptr, nullptr);
    TAction& action = form.actions.Add(
        {.hint = "動作|動作の説明", .imageIndex = 3, .enabled = false, .checked = true});
    TAction& other = form.actions.Add({.hint = "別|別の説明", .imageIndex = 6});
    auto check = TToolButtonStyle::Check;

    TToolButton& taking = form.toolBar.AddButton({.style = check, .action = &action});
    EXPECT_EQ(taking.Hint(), "動作|動作の説明");
    EXPECT_EQ(taking.ImageIndex(), 3);
    EXPECT_FALSE(ButtonEnabled(form.toolBar, taking));
    EXPECT_TRUE(ButtonDown(form.toolBar, taking));

    TToolButton& own = form.toolBar.AddButton({.style = check,
                                               .hint = "自分|自分の説明",
                                               .imageIndex = 5,
                                               .enabled = false,
                                               .down = true,
                                               .action = &other});
    EXPECT_EQ(own.Hint(), "自分|自分の説明");
    EXPECT_EQ(own.ImageIndex(), 5);
    EXPECT_EQ(
        SendMessageA(form.toolBar.Handle(), TB_GETBITMAP, static_cast<WPARAM>(own.Command()), 0),
        5);
    EXPECT_FALSE(ButtonEnabled(form.toolBar, own));
    EXPECT_TRUE(ButtonDown(form.toolBar, own));
}

TEST_F(BindingTest, ItemsFollowOnlyWhereTheirStateEqualledTheActions) {
    TBareForm form(app);
    form.toolBar.Create(nullptr, nullptr);
    TAction& action = form.actions.Add({.caption = "動作"});
    TMenuItem& following = form.menu.Add({.action = &action});
    TMenuItem& checkedOwn = form.menu.Add({.checked = true, .action = &action});
    TMenuItem& disabledOwn = form.menu.Add({.enabled = false, .action = &action});
    TToolButton& button =
        form.toolBar.AddButton({.style = TToolButtonStyle::Check, .action = &action});

    action.SetChecked(true);
    EXPECT_TRUE(following.Checked());
    EXPECT_TRUE(checkedOwn.Checked()); // was already checked: does not follow, stays
    EXPECT_TRUE(ButtonDown(form.toolBar, button));

    following.SetChecked(false); // now differs from the action
    action.SetChecked(false);
    EXPECT_FALSE(following.Checked());
    EXPECT_FALSE(checkedOwn.Checked()); // equalled the action's previous state: follows
    EXPECT_FALSE(button.Down());
    action.SetChecked(true);
    EXPECT_TRUE(following.Checked());

    action.SetEnabled(false);
    EXPECT_FALSE(following.Enabled());
    EXPECT_FALSE(MenuEnabled(following, form.menu.Handle()));
    EXPECT_FALSE(ButtonEnabled(form.toolBar, button));
    EXPECT_FALSE(disabledOwn.Enabled()); // differed from the previous enabled: untouched
    action.SetEnabled(true);
    EXPECT_TRUE(following.Enabled());
    EXPECT_TRUE(button.Enabled());
    EXPECT_TRUE(disabledOwn.Enabled()); // equalled the previous (disabled) state now
}

TEST_F(BindingTest, CheckingAGroupedActionUnchecksOnlyItsGroup) {
    TTestWindow w(app);
    w.actSepSlash.SetChecked(true);
    w.actSepYen.SetChecked(true);
    EXPECT_TRUE(w.actSepYen.Checked());
    EXPECT_FALSE(w.actSepSlash.Checked());
    EXPECT_FALSE(w.actSepDoubleYen.Checked());
    EXPECT_TRUE(w.actOtherGroup.Checked());
    w.actSepDoubleYen.SetChecked(true);
    EXPECT_FALSE(w.actSepYen.Checked());
    EXPECT_TRUE(w.actOtherGroup.Checked());
    // Ungrouped actions are independent.
    w.actFull.SetChecked(true);
    w.actFileOnly.SetChecked(true);
    EXPECT_TRUE(w.actFull.Checked());
}

TEST_F(BindingTest, RadioItemsUncheckTheirGroupButNotACheckItem) {
    TTestWindow w(app);
    HMENU menu = w.mnuMain.Handle();
    EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(w.mnuSepYen.Command()), MF_BYCOMMAND) &
                  MFT_RADIOCHECK,
              static_cast<UINT>(MFT_RADIOCHECK));
    w.N6.SetChecked(true);
    w.mnuSepYen.SetChecked(true);
    w.mnuSepSlash.SetChecked(true);
    EXPECT_FALSE(MenuChecked(w.mnuSepYen, menu));
    EXPECT_TRUE(MenuChecked(w.mnuSepSlash, menu));
    EXPECT_TRUE(MenuChecked(w.N6, menu)); // not a radio item
    // Radio items of the same group number under another parent are not siblings.
    w.mnuFull.SetChecked(true);
    EXPECT_TRUE(w.mnuSepSlash.Checked());
    w.mnuFileOnly.SetChecked(true);
    EXPECT_FALSE(w.mnuFull.Checked());
}

TEST_F(BindingTest, ToolbarGroupsAndUngroupedCheckButtons) {
    TTestWindow w(app);
    HWND bar = w.tbrTool.Handle();
    auto click = [&](TToolButton* b) { SendCommand(w.Handle(), b->Command(), bar, BN_CLICKED); };

    click(w.tlbFull);
    EXPECT_TRUE(ButtonDown(w.tbrTool, *w.tlbFull));
    click(w.tlbFileOnly);
    EXPECT_TRUE(ButtonDown(w.tbrTool, *w.tlbFileOnly));
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbFull));
    EXPECT_TRUE(w.mnuFileOnly.Checked());
    EXPECT_FALSE(w.mnuFull.Checked());
    click(w.tlbFileOnly); // a pressed grouped button stays pressed
    EXPECT_TRUE(ButtonDown(w.tbrTool, *w.tlbFileOnly));
    EXPECT_EQ(w.runs["fileOnly"], 2);
    w.tlbFull->SetDown(true); // by the program: raises the rest of the group
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbFileOnly));

    // The separators: "/" is a check button in no group, "\" and "\\" one group.
    click(w.tlbSepSlash);
    EXPECT_TRUE(w.downSeenByAction); // set before the action ran
    EXPECT_TRUE(ButtonDown(w.tbrTool, *w.tlbSepSlash));
    EXPECT_TRUE(w.mnuSepSlash.Checked());
    click(w.tlbSepYen);
    EXPECT_TRUE(w.actSepYen.Checked());
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbSepSlash)); // followed its action
    EXPECT_TRUE(w.mnuSepYen.Checked());
    EXPECT_FALSE(w.mnuSepSlash.Checked());
    click(w.tlbSepSlash);
    click(w.tlbSepSlash); // toggles: raised again, "/" stays chosen
    EXPECT_FALSE(w.downSeenByAction);
    EXPECT_FALSE(ButtonDown(w.tbrTool, *w.tlbSepSlash));
    EXPECT_TRUE(w.actSepSlash.Checked());
    EXPECT_TRUE(w.mnuSepSlash.Checked());
    EXPECT_FALSE(w.mnuSepYen.Checked());
    EXPECT_EQ(w.runs["slash"], 3);
}

TEST_F(BindingTest, DisabledActionDoesNothingFromMenuToolbarOrShortcut) {
    TTestWindow w(app);
    w.actCopy.SetEnabled(false);
    SendCommand(w.Handle(), w.mnuCopy.Command());
    SendCommand(w.Handle(), w.ppmCopy.Command());
    SendCommand(w.Handle(), w.tlbCopy->Command(), w.tbrTool.Handle(), BN_CLICKED);
    {
        TKeysDown ctrl{VK_CONTROL};
        PressKey(app, w.edtFileName.Handle(), 'C');
    }
    EXPECT_EQ(w.runs["copy"], 0);
    w.actCopy.SetEnabled(true);
    SendCommand(w.Handle(), w.mnuCopy.Command());
    SendCommand(w.Handle(), w.ppmCopy.Command());
    SendCommand(w.Handle(), w.tlbCopy->Command(), w.tbrTool.Handle(), BN_CLICKED);
    {
        TKeysDown ctrl{VK_CONTROL};
        PressKey(app, w.edtFileName.Handle(), 'C');
    }
    EXPECT_EQ(w.runs["copy"], 4);
}

TEST(ShortCutTest, TextAndHintParts) {
    EXPECT_EQ(ShortCutToText(ShortCut('C', scCtrl)), "Ctrl+C");
    EXPECT_EQ(ShortCut('A', scCtrl), 16449);
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F1, scShift | scCtrl | scAlt)), "Shift+Ctrl+Alt+F1");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE)), "Del");
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortHint("ｺﾋﾟｰ|ｺﾋﾟｰします。"), "ｺﾋﾟｰ");
    EXPECT_EQ(LongHint("ｺﾋﾟｰ|ｺﾋﾟｰします。"), "ｺﾋﾟｰします。");
    EXPECT_EQ(LongHint("\\|\\で区切ります。"), "\\で区切ります。");
    EXPECT_EQ(ShortHint("a|b|c"), "a");
    EXPECT_EQ(LongHint("a|b|c"), "b|c");
    EXPECT_EQ(ShortHint("全体"), "全体");
    EXPECT_EQ(LongHint("全体"), "全体");
}

} // namespace
} // namespace porutena::test
