#pragma once
// The window most frame tests run against: actions, main menu with radio items, a check
// item and a submenu, a context menu on an edit box, and a toolbar with check groups.
#include "FrameTestSupport.h"
#include "resource.h"

#include <map>
#include <string>

namespace porutena::test {

// Item states as the window system shows them.
inline bool MenuChecked(const TMenuItem& item, HMENU menu) {
    return (GetMenuState(menu, static_cast<UINT>(item.Command()), MF_BYCOMMAND) & MF_CHECKED) != 0;
}
inline bool MenuEnabled(const TMenuItem& item, HMENU menu) {
    return (GetMenuState(menu, static_cast<UINT>(item.Command()), MF_BYCOMMAND) & MF_GRAYED) == 0;
}
inline std::string MenuText(const TMenuItem& item, HMENU menu) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(item.Command()), text, sizeof text, MF_BYCOMMAND);
    return text;
}
inline bool ButtonDown(TToolBar& bar, const TToolButton& button) {
    return SendMessageA(bar.Handle(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(button.Command()),
                        0) != 0;
}
inline bool ButtonEnabled(TToolBar& bar, const TToolButton& button) {
    return SendMessageA(bar.Handle(), TB_ISBUTTONENABLED, static_cast<WPARAM>(button.Command()),
                        0) != 0;
}

class TTestWindow : public TForm {
public:
    explicit TTestWindow(TApplication& app) : TForm(app, TFormKind::Main) {
        Create("テスト", 500, 300);
    }

    std::map<std::string, int> runs;
    // Asked before a context menu opens; true suppresses it.
    std::function<bool(HWND control, POINT& pos)> onContextPopup;
    // The state of the clicked button as the action saw it.
    bool downSeenByAction = false;

    TActionList actMain{*this};
    TAction& actCopy = actMain.Add({.caption = "コピー(&C)",
                                    .hint = "ｺﾋﾟｰ|ｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。",
                                    .shortCut = ShortCut('C', scCtrl),
                                    .imageIndex = 1},
                                   Counter("copy"));
    TAction& actAll = actMain.Add({.hint = "すべて|すべてｺﾋﾟｰします。",
                                   .shortCut = ShortCut('A', scCtrl),
                                   .imageIndex = 2,
                                   .enabled = false},
                                  Counter("all"));
    TAction& actListOnly =
        actMain.Add({.caption = "一覧", .shortCut = ShortCut('D', scCtrl)}, Counter("listOnly"));
    TAction& actFull = actMain.Add(
        {.caption = "ﾃﾞｨﾚｸﾄﾘ付き(&D)", .hint = "付き|ﾌﾙﾊﾟｽで表示します。", .imageIndex = 3},
        [this] { View("full", mnuFull, *tlbFull); });
    TAction& actFileOnly = actMain.Add({.caption = "ﾌｧｲﾙ名のみ(&F)", .imageIndex = 4},
                                       [this] { View("fileOnly", mnuFileOnly, *tlbFileOnly); });
    TAction& actSepYen = actMain.Add(
        {.caption = "\\", .hint = "\\|\\で区切ります。", .imageIndex = 7, .groupIndex = 1},
        [this] { Separator("yen", actSepYen, *tlbSepYen); });
    TAction& actSepSlash =
        actMain.Add({.caption = "/", .hint = "/|/で区切ります。", .imageIndex = 9, .groupIndex = 1},
                    [this] { Separator("slash", actSepSlash, *tlbSepSlash); });
    TAction& actSepDoubleYen = actMain.Add(
        {.caption = "\\\\", .hint = "\\\\|\\\\で区切ります。", .imageIndex = 8, .groupIndex = 1},
        [this] { Separator("doubleYen", actSepDoubleYen, *tlbSepDoubleYen); });
    TAction& actOtherGroup = actMain.Add({.caption = "別", .checked = true, .groupIndex = 2});

    TMainMenu mnuMain{*this};
    TMenuItem& mnuFile = mnuMain.Add({.caption = "ﾌｧｲﾙ(&F)"});
    TMenuItem& mnuCopy = mnuFile.Add({.caption = "ｺﾋﾟｰ(&C)", .action = &actCopy});
    TMenuItem& mnuAll = mnuFile.Add({.caption = "すべてｺﾋﾟｰ(&A)", .action = &actAll});
    TMenuItem& N1 = mnuFile.AddSeparator();
    TMenuItem& mnuBold = mnuFile.Add(
        {.caption = "太字", .shortCut = ShortCut('B', scCtrl), .onClick = Counter("menuBold")});
    TMenuItem& mnuExit = mnuFile.Add(
        {.caption = "終了(&X)", .hint = "終了|このｿﾌﾄを終了します。", .onClick = Counter("exit")});
    TMenuItem& mnuView = mnuMain.Add({.caption = "表示(&V)"});
    TMenuItem& mnuFull = mnuView.Add({.radioItem = true, .groupIndex = 1, .action = &actFull});
    TMenuItem& mnuFileOnly =
        mnuView.Add({.radioItem = true, .groupIndex = 1, .action = &actFileOnly});
    TMenuItem& N5 = mnuView.AddSeparator();
    TMenuItem& mnuSeparator =
        mnuView.Add({.caption = "区切り文字(&P)", .hint = "パスの区切り文字を設定します。"});
    TMenuItem& mnuSepYen =
        mnuSeparator.Add({.radioItem = true, .groupIndex = 1, .action = &actSepYen});
    TMenuItem& N6 = mnuSeparator.Add({.groupIndex = 1, .action = &actSepDoubleYen});
    TMenuItem& mnuSepSlash =
        mnuSeparator.Add({.radioItem = true, .groupIndex = 1, .action = &actSepSlash});

    TPopupMenu ppmEdit{*this};
    TMenuItem& ppmCopy = ppmEdit.Add({.action = &actCopy});
    TMenuItem& ppmBold = ppmEdit.Add(
        {.caption = "太字", .shortCut = ShortCut('B', scCtrl), .onClick = Counter("popupBold")});

    TImageList imlToolBar = LoadImageList(GetModuleHandleA(nullptr), IDB_TOOLBAR, 16);
    TImageList imlToolBar2 =
        LoadImageList(GetModuleHandleA(nullptr), IDB_TOOLBAR, 16, TGlyphLook::Disabled);
    TToolBar tbrTool{*this};
    TToolButton* tlbCopy = nullptr;
    TToolButton* tlbAll = nullptr;
    TToolButton* tlbFull = nullptr;
    TToolButton* tlbFileOnly = nullptr;
    TToolButton* tlbSepYen = nullptr;
    TToolButton* tlbSepDoubleYen = nullptr;
    TToolButton* tlbSepSlash = nullptr;
    TEdit edtFileName;
    TLabel lblInfo;
    TEdit edtDisabled;

protected:
    bool ContextPopup(HWND control, POINT& pos) override {
        return onContextPopup && onContextPopup(control, pos);
    }
    void CreateControls() override {
        tbrTool.Create(imlToolBar.Get(), imlToolBar2.Get(), 30);
        tlbCopy = &tbrTool.AddButton(
            {.hint = "名前取得|ﾀﾞｲｱﾛｸﾞからﾌｧｲﾙを選択します。", .action = &actCopy});
        tlbAll = &tbrTool.AddButton({.action = &actAll});
        tbrTool.AddSeparator(8);
        tlbFull =
            &tbrTool.AddButton({.style = TToolButtonStyle::Check, .group = 1, .action = &actFull});
        tlbFileOnly = &tbrTool.AddButton(
            {.style = TToolButtonStyle::Check, .group = 1, .action = &actFileOnly});
        tbrTool.AddSeparator(8);
        tlbSepYen = &tbrTool.AddButton(
            {.style = TToolButtonStyle::Check, .group = 2, .action = &actSepYen});
        tlbSepDoubleYen = &tbrTool.AddButton(
            {.style = TToolButtonStyle::Check, .group = 2, .action = &actSepDoubleYen});
        tlbSepSlash =
            &tbrTool.AddButton({.style = TToolButtonStyle::Check, .action = &actSepSlash});
        edtFileName.Create(*this, {10, 60, 200, 20});
        SetPopupMenu(edtFileName.Handle(), &ppmEdit);
        SetHint(edtFileName.Handle(), "名前|選んだ名前です。");
        lblInfo.Create(*this, {10, 100, 200, 16}, "ラベル");
        edtDisabled.Create(*this, {10, 130, 200, 20});
        edtDisabled.SetEnabled(false);
        SetHint(edtDisabled.Handle(), "使えない");
        SetHint(Handle(), "窓|窓のヒントです。");
    }

private:
    std::function<void()> Counter(std::string name) {
        return [this, name] { ++runs[name]; };
    }
    void View(const std::string& name, TMenuItem& item, TToolButton& button) {
        ++runs[name];
        item.SetChecked(true);
        button.SetDown(true);
    }
    void Separator(const std::string& name, TAction& action, TToolButton& button) {
        ++runs[name];
        downSeenByAction = button.Down();
        action.SetChecked(true);
    }
};

} // namespace porutena::test
