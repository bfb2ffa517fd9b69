#include "ui/dialogs/InputInteger.h"

#include "core/Errors.h"
#include "core/Text.h"
#include "platform/win32/ScopeGuards.h"
#include "resource.h"

namespace porutena {

namespace {

constexpr int GlyphSize = 16;

} // namespace

TIntegerDlg::TIntegerDlg(TApplication& app) : TForm(app, TFormKind::Dialog) {
    Create("", 186, 79);
}

void TIntegerDlg::CreateControls() {
    Information.Create(*this, {8, 8, 0, 0}, "", SS_LEFTNOWORDWRAP | SS_NOPREFIX);
    InputValue.Create(*this, {8, 24, 169, 20});
    bbnOK.Create(*this, {8, 48, 81, 25},
                 {.caption = "&OK", .modalResult = mrOk, .isDefault = true, .onClick = [this] {
                      bbnOKClick();
                  }});
    bbnOK.SetGlyph(LoadImageList(App().Instance(), IDB_OK_GLYPH, GlyphSize));
    bbnCancel.Create(*this, {96, 48, 81, 25},
                     {.caption = "ｷｬﾝｾﾙ(&C)", .modalResult = mrCancel, .cancel = true});
    bbnCancel.SetGlyph(LoadImageList(App().Instance(), IDB_CANCEL_GLYPH, GlyphSize));
}

void TIntegerDlg::FormCreate() {
    FErrorMessage = IntegerPrompt;
}

void TIntegerDlg::SetInformation(std::string_view text) {
    Information.SetText(text);
    // A label as wide and high as its text, like the designer's auto-sized labels.
    const TWindowDC dc(Information.Handle());
    const TSelectedObject font(dc.Get(), App().Font());
    RECT r{0, 0, 0, 0};
    std::string copy(text.empty() ? " " : text);
    DrawTextA(dc.Get(), copy.c_str(), static_cast<int>(copy.size()), &r, DT_CALCRECT | DT_NOPREFIX);
    Information.SetBounds({8, 8, r.right, r.bottom});
}

void TIntegerDlg::bbnOKClick() {
    std::string text = InputValue.Text();
    if (text.empty()) {
        SetModalResult(mrCancel);
        throw EAbort();
    }
    auto value = TryStrToInt(text);
    if (!value)
        Refuse(FErrorMessage);
    else if (*value < FMin)
        Refuse("値が小さすぎます\r\n" + IntToStr(FMin) + " 以上の数値を入力して下さい");
    else if (*value > FMax)
        Refuse("値が大きすぎます\r\n" + IntToStr(FMax) + " 以下の数値を入力して下さい");
}

void TIntegerDlg::Refuse(const std::string& text) {
    SetModalResult(mrNone);
    IMessageBoxes& boxes = App().MessageBoxes();
    boxes.Beep(MB_ICONASTERISK);
    boxes.Show(App().DialogOwner(), text, "エラー", MB_ICONSTOP | MB_OK);
}

} // namespace porutena
