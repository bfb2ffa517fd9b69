#pragma once
// The About box: the application's icon, three centred lines in a sunken frame, a picture
// of its own and OK. No cancel button: Esc leaves it open.
#include "ui/frame/Frame.h"

namespace porutena {

class TAboutBox : public TForm {
public:
    explicit TAboutBox(TApplication& app);

    TBevel Bevel1;
    TImage Icon;
    TLabel Title;
    TLabel Version;
    TLabel Copyright;
    TImage Image1;
    TButton Button1;

protected:
    void CreateControls() override;
    void FormDpiChanged(int oldDpi) override;

private:
    // The designed layout at the form's DPI, with the pictures drawn for it.
    void PlaceControls();
    // A picture's designed slot at the form's DPI, large enough for the picture's size.
    TBounds PictureSlot(TBounds design, int picture) const;
    TIcon FImage1Icon;
};

} // namespace porutena
