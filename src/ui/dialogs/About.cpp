#include "ui/dialogs/About.h"

#include "resource.h"

namespace porutena {

TAboutBox::TAboutBox(TApplication& app) : TForm(app, TFormKind::Dialog) {
    Create("ﾊﾞｰｼﾞｮﾝ情報", 329, 103);
}

void TAboutBox::CreateControls() {
    Bevel1.Create(*this, {48, 8, 233, 57});
    Icon.Create(*this, {});
    Title.Create(*this, {}, "[Title]", SS_CENTER | SS_NOPREFIX);
    Version.Create(*this, {}, "[Version]", SS_CENTER | SS_NOPREFIX);
    Copyright.Create(*this, {}, "[Copyright]", SS_CENTER | SS_NOPREFIX);
    Image1.Create(*this, {});
    // 32 pixels is the largest form drawn, so it is the nearest at every scale; the picture
    // centres it where the scale makes the picture larger.
    FImage1Icon = LoadIconResource(App().Instance(), IDI_ABOUT_IMAGE, 32);
    Image1.SetIcon(FImage1Icon.Get());
    Button1.Create(*this, {}, {.caption = "&OK", .modalResult = mrOk, .isDefault = true});
    PlaceControls();
}

void TAboutBox::FormDpiChanged(int /*oldDpi*/) {
    PlaceControls();
}

void TAboutBox::PlaceControls() {
    Icon.SetBounds(Scale({8, 16, 32, 32}));
    Title.SetBounds(Scale({56, 16, 217, 12}));
    Version.SetBounds(Scale({56, 32, 217, 12}));
    Copyright.SetBounds(Scale({56, 48, 217, 12}));
    Image1.SetBounds(Scale({288, 16, 32, 32}));
    Button1.SetBounds(Scale({128, 72, 73, 25}));
}

} // namespace porutena
