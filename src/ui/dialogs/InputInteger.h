#pragma once
// The form of the integer dialog: a label, an entry field, OK and cancel. OK checks the
// entry and keeps the form open while it is no number in range.
#include "ui/frame/Frame.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace porutena {

class TIntegerDlg : public TForm {
public:
    explicit TIntegerDlg(TApplication& app);

    // The text above the entry field; the label grows to fit it.
    void SetInformation(std::string_view text);

    TLabel Information;
    TEdit InputValue;
    TButton bbnOK;
    TButton bbnCancel;

    // Set by the dialog component before showing.
    std::string FErrorMessage;
    std::int32_t FMax = 0;
    std::int32_t FMin = 0;

    // What OK does; the button has already set the result to OK.
    void bbnOKClick();

protected:
    void CreateControls() override;
    void FormCreate() override;
    void FormDpiChanged(int oldDpi) override;

private:
    // The designed layout at the form's DPI, with glyphs drawn for it.
    void PlaceControls();
    TImageList Glyph(TGlyphIds ids) const;
    void Refuse(const std::string& text);
};

// The text both the label and the error message fall back to.
inline constexpr const char* IntegerPrompt = "整数値を入力してください";

} // namespace porutena
