// The view options, Help and Exit.
#include "ui/main/Main.h"

#include <shellapi.h>

namespace porutena {

namespace {

constexpr const char* HelpFile = "Veza.html";
constexpr const char* HelpMissing = "Veza.html が見つかりません\r\n\r\n"
                                    "ﾍﾙﾌﾟを見るためには実行ﾌｧｲﾙのあるﾌｫﾙﾀﾞに\r\n"
                                    "Veza.html\r\n"
                                    "というﾌｧｲﾙがなければいけません。";

} // namespace

void TfrmMain::ChooseView(TMenuItem& item, TToolButton* button) {
    // The radio item unchecks its partner, the grouped button raises its partner.
    item.SetChecked(true);
    button->SetDown(true);
    RefreshLists();
}

void TfrmMain::ChooseSeparator(TAction& action) {
    // The group unchecks the other two, and their items and buttons follow.
    action.SetChecked(true);
    RefreshLists();
}

void TfrmMain::mnuHelpViewClick() {
    const int result = FShell->ShellOpen(HelpFile, "", FContext.Start.ProgramDirectory(), SW_SHOW);
    if (result == SE_ERR_FNF)
        ShowErrorMessage(App(), HelpMissing);
}

void TfrmMain::mnuExitClick() {
    Close();
}

} // namespace porutena
