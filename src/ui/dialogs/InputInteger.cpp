#include "ui/dialogs/InputInteger.h"

#include "core/Errors.h"
#include "core/Text.h"
#include "platform/win32/ScopeGuards.h"
#include "platform/win32/WideText.h"
#include "resource.h"

namespace porutena {

namespace {

constexpr TGlyphIds OkGlyph{IDB_OK_GLYPH, IDB_OK_GLYPH_24, IDB_OK_GLYPH_32};
constexpr TGlyphIds CancelGlyph{IDB_CANCEL_GLYPH, IDB_CANCEL_GLYPH_24, IDB_CANCEL_GLYPH_32};

} // namespace

TIntegerDlg::TIntegerDlg(TApplication& app) : TForm(app, TFormKind::Dialog) {
    Create("", 186, 79);
}

void TIntegerDlg::CreateControls() {
    Information.Create(*this, {}, "", SS_LEFTNOWORDWRAP | SS_NOPREFIX);
    InputValue.Create(*this, {});
    bbnOK.Create(*this, {},
                 {.caption = "&OK", .modalResult = mrOk, .isDefault = true, .onClick = [this] {
                      bbnOKClick();
                  }});
    bbnCancel.Create(*this, {}, {.caption = "ｷｬﾝｾﾙ(&C)", .modalResult = mrCancel, .cancel = true});
    PlaceControls();
}

void TIntegerDlg::FormDpiChanged(int /*oldDpi*/) {
    PlaceControls();
}

void TIntegerDlg::PlaceControls() {
    SetInformation(Information.Text());
    InputValue.SetBounds(Scale({8, 24, 169, 20}));
    bbnOK.SetBounds(Scale({8, 48, 81, 25}));
    bbnCancel.SetBounds(Scale({96, 48, 81, 25}));
    bbnOK.SetGlyph(Glyph(OkGlyph));
    bbnCancel.SetGlyph(Glyph(CancelGlyph));
}

TImageList TIntegerDlg::Glyph(TGlyphIds ids) const {
    return LoadImageList(App().Instance(), GlyphIdForDpi(ids, Dpi()), GlyphSizeForDpi(Dpi()));
}

void TIntegerDlg::FormCreate() {
    FErrorMessage = IntegerPrompt;
}

void TIntegerDlg::SetInformation(std::string_view text) {
    Information.SetText(text);
    // A label as wide and high as its text, like the designer's auto-sized labels.
    const TWindowDC dc(Information.Handle());
    const TSelectedObject font(dc.Get(), Font());
    RECT r{0, 0, 0, 0};
    const std::wstring wide = Widen(text.empty() ? std::string_view(" ") : text);
    DrawTextW(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &r, DT_CALCRECT | DT_NOPREFIX);
    Information.SetBounds({Scale(8), Scale(8), r.right, r.bottom});
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
