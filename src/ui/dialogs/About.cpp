#include "ui/dialogs/About.h"

#include "resource.h"

#include <algorithm>
#include <utility>

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
    Button1.Create(*this, {}, {.caption = "&OK", .modalResult = mrOk, .isDefault = true});
    PlaceControls();
}

void TAboutBox::FormDpiChanged(int /*oldDpi*/) {
    PlaceControls();
}

void TAboutBox::PlaceControls() {
    // The pictures drawn nearest their 32-pixel design at this DPI.
    const int picture = DrawnSizeForDpi(32, Dpi());
    Icon.SetIcon(App().Icon(Dpi()));
    // The picture shown lets go of the old icon before it is freed.
    TIcon image = LoadIconResource(App().Instance(), IDI_ABOUT_IMAGE, picture);
    Image1.SetIcon(image.Get());
    FImage1Icon = std::move(image);
    Icon.SetBounds(PictureSlot({8, 16, 32, 32}, picture));
    Title.SetBounds(Scale({56, 16, 217, 12}));
    Version.SetBounds(Scale({56, 32, 217, 12}));
    Copyright.SetBounds(Scale({56, 48, 217, 12}));
    Image1.SetBounds(PictureSlot({288, 16, 32, 32}, picture));
    Button1.SetBounds(Scale({128, 72, 73, 25}));
}

TBounds TAboutBox::PictureSlot(TBounds design, int picture) const {
    // A picture larger than its slot (48 pixels at 120 DPI) would be cut off at the slot's
    // edges, so the slot grows around its centre to hold it.
    const TBounds slot = Scale(design);
    const int grow = std::max(0, picture - std::min(slot.width, slot.height));
    return {slot.x - grow / 2, slot.y - grow / 2, slot.width + grow, slot.height + grow};
}

} // namespace porutena
