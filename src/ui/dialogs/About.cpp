#include "ui/dialogs/About.h"

#include "resource.h"

namespace porutena {

TAboutBox::TAboutBox(TApplication& app) : TForm(app, TFormKind::Dialog) {
    Create("ﾊﾞｰｼﾞｮﾝ情報", 329, 103);
}

void TAboutBox::CreateControls() {
    Bevel1.Create(*this, {48, 8, 233, 57});
    Icon.Create(*this, {8, 16, 32, 32});
    Title.Create(*this, {56, 16, 217, 12}, "[Title]", SS_CENTER | SS_NOPREFIX);
    Version.Create(*this, {56, 32, 217, 12}, "[Version]", SS_CENTER | SS_NOPREFIX);
    Copyright.Create(*this, {56, 48, 217, 12}, "[Copyright]", SS_CENTER | SS_NOPREFIX);
    Image1.Create(*this, {288, 16, 32, 32});
    FImage1Icon = LoadIconResource(App().Instance(), IDI_ABOUT_IMAGE, 32);
    Image1.SetIcon(FImage1Icon.Get());
    Button1.Create(*this, {128, 72, 73, 25},
                   {.caption = "&OK", .modalResult = mrOk, .isDefault = true});
}

} // namespace porutena
