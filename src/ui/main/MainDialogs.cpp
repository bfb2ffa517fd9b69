// The two dialog components as designed, the old-list limit command and the About command.
#include "ui/main/Main.h"

#include "core/Text.h"
#include "version.h"

namespace porutena {

namespace {

constexpr int OldListNumMin = 1;
constexpr int OldListNumMax = 100;

} // namespace

void TfrmMain::DesignDialogs() {
    dlgAbout.Version = PORUTENA_VERSION;
    dlgAbout.Year = "2026";
    dlgAbout.Copyright = "Zon";

    dlgOldListNum.Caption = "旧リストに残す数";
    dlgOldListNum.SetMax(OldListNumMax);
    dlgOldListNum.SetMin(OldListNumMin);
}

void TfrmMain::actOldListNumExecute() {
    dlgOldListNum.Information = "現在値：" + IntToStr(FRegistry->GetOldListNum()) + "  (" +
                                IntToStr(OldListNumMin) + "～" + IntToStr(OldListNumMax) + ")";
    dlgOldListNum.SetMin(OldListNumMin);
    dlgOldListNum.SetMax(OldListNumMax);
    if (!dlgOldListNum.Execute())
        return;
    FRegistry->SetOldListNum(dlgOldListNum.Value);
    // The list and its rows shrink together, so the rows kept keep their selection.
    TrimList(FOldList, FRegistry->GetOldListNum());
    while (lsvOldFile.Count() > static_cast<int>(FOldList.size()))
        lsvOldFile.DeleteItem(lsvOldFile.Count() - 1);
}

void TfrmMain::mnuAboutClick() {
    dlgAbout.Execute();
}

} // namespace porutena
