// The window and the integer dialog in proportion to the display: at the DPI this program was
// started at (dpi.sh runs it at each, naming it in PORUTENA_TEST_DPI; 96 without it), after a
// move to a display of another DPI, and the stored sizes at 96 DPI.
#include "MainTestSupport.h"

#include "resource.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/InputInteger.h"
#include "ui/dialogs/ModalDriver.h"

#include <algorithm>
#include <cstdlib>

namespace porutena::test {
namespace {

// The 96-DPI design values times the scale, with the glyphs, the About box's pictures and the
// font drawn for it.
struct TScale {
    int dpi, windowWidth, toolBarHeight, buttonWidth, editHeight, oldListHeight;
    int dialogWidth, dialogHeight, okWidth, glyph, picture, fontHeight;
};
constexpr TScale Scales[] = {
    {96, 569, 30, 23, 20, 85, 186, 79, 81, 16, 32, -12},
    {120, 711, 38, 29, 25, 106, 233, 99, 101, 24, 48, -15},
    {144, 854, 45, 35, 30, 128, 279, 119, 122, 24, 48, -18},
    {192, 1138, 60, 46, 40, 170, 372, 158, 162, 32, 64, -24},
};

const TScale& ScaleAt(int dpi) {
    const auto* row = std::find_if(std::begin(Scales), std::end(Scales),
                                   [dpi](const TScale& s) { return s.dpi == dpi; });
    if (row == std::end(Scales))
        throw std::logic_error("no row for DPI " + std::to_string(dpi));
    return *row;
}

int StartDpi() {
    const char* named = std::getenv("PORUTENA_TEST_DPI");
    return named ? std::atoi(named) : 96;
}

int GlyphWidth(HIMAGELIST list) {
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(list, &width, &height);
    return width;
}

class DpiTest : public MainWindowTest {
protected:
    // The window's parts against a row, within 2 pixels; glyphs and font exactly.
    static void ExpectWindowAt(TfrmMain& w, const TScale& s) {
        SCOPED_TRACE("window at " + std::to_string(s.dpi));
        HWND bar = w.tbrTool.Handle();
        RECT button{};
        SendMessageA(bar, TB_GETRECT, static_cast<WPARAM>(w.tlbGet->Command()),
                     reinterpret_cast<LPARAM>(&button));
        EXPECT_NEAR(w.tbrTool.Height(), s.toolBarHeight, 2);
        EXPECT_NEAR(button.right - button.left, s.buttonWidth, 2);
        EXPECT_NEAR(BoundsOf(w.edtFileName.Handle()).height, s.editHeight, 2);
        EXPECT_NEAR(BoundsOf(w.lsvOldFile.Handle()).height, s.oldListHeight, 2);
        EXPECT_EQ(
            GlyphWidth(reinterpret_cast<HIMAGELIST>(SendMessageA(bar, TB_GETIMAGELIST, 0, 0))),
            s.glyph);
        EXPECT_EQ(GlyphWidth(reinterpret_cast<HIMAGELIST>(
                      SendMessageA(bar, TB_GETDISABLEDIMAGELIST, 0, 0))),
                  s.glyph);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(w.edtFileName.Handle(), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_EQ(font.lfHeight, s.fontHeight);
    }

    struct TDialogSeen {
        int clientWidth = 0, clientHeight = 0, okWidth = 0, glyph = 0;
        int okWidthAt96 = 0; // after the dialog itself moved to a 96-DPI display
    };
    // The integer dialog as the limit command shows it, cancelled.
    TDialogSeen ShowIntegerDialog(TfrmMain& w) {
        TDialogSeen seen;
        TModalDriver driver(app);
        driver
            .Then([&](TForm& form) {
                TIntegerDlg& dlg = ModalForm<TIntegerDlg>(form);
                seen = {dlg.ClientWidth(), dlg.ClientHeight(), dlg.bbnOK.Bounds().width,
                        GlyphWidth(dlg.bbnOK.Glyph())};
                RECT rect{};
                GetWindowRect(dlg.Handle(), &rect);
                SendMessageA(dlg.Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96),
                             reinterpret_cast<LPARAM>(&rect));
                seen.okWidthAt96 = dlg.bbnOK.Bounds().width;
                PostClick(dlg.bbnCancel);
            })
            .Start();
        SendCommand(w.Handle(), w.mnuOldListNum.Command());
        EXPECT_EQ(driver.stepsRun, 1);
        return seen;
    }
    // The About box's two pictures, each as wide as drawn for the DPI and wholly in its place.
    void ExpectAboutPicturesAt(TfrmMain& w, const TScale& s) {
        SCOPED_TRACE("About box at " + std::to_string(s.dpi));
        app.SetIcon(IDI_PORUTENA);
        TModalDriver driver(app);
        driver
            .Then([&](TForm& form) {
                TAboutBox& box = ModalForm<TAboutBox>(form);
                for (const TImage* picture : {&box.Icon, &box.Image1}) {
                    EXPECT_EQ(IconWidth(picture->Icon()), s.picture);
                    EXPECT_GE(BoundsOf(picture->Handle()).width, s.picture);
                    EXPECT_GE(BoundsOf(picture->Handle()).height, s.picture);
                }
                PostClick(box.Button1);
            })
            .Start();
        SendCommand(w.Handle(), w.mnuAbout.Command());
        EXPECT_EQ(driver.stepsRun, 1);
    }
};

TEST_F(DpiTest, TheWindowAndTheIntegerDialogFollowTheDisplayScale) {
    const TScale& s = ScaleAt(StartDpi());
    TfrmMain& w = Open();
    ASSERT_EQ(WindowDpi(w.Handle()), s.dpi) << "LogPixels did not reach the program";
    EXPECT_NEAR(w.Width(), s.windowWidth, 2);
    ExpectWindowAt(w, s);
    const TDialogSeen dialog = ShowIntegerDialog(w);
    EXPECT_NEAR(dialog.clientWidth, s.dialogWidth, 2);
    EXPECT_NEAR(dialog.clientHeight, s.dialogHeight, 2);
    EXPECT_EQ(dialog.glyph, s.glyph);
    ExpectAboutPicturesAt(w, s);
}

TEST_F(DpiTest, AMoveToAnotherDisplayTakesTheSuggestedRectAndItsScale) {
    const int from = StartDpi();
    const TScale& s = ScaleAt(from == 144 ? 192 : 144);
    TfrmMain& w = Open();
    RECT suggested{};
    GetWindowRect(w.Handle(), &suggested);
    suggested.right = suggested.left + MulDiv(w.Width(), s.dpi, from);
    suggested.bottom = suggested.top + MulDiv(w.Height(), s.dpi, from);
    SendMessageA(w.Handle(), WM_DPICHANGED, MAKEWPARAM(s.dpi, s.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(w.Width(), suggested.right - suggested.left);
    EXPECT_EQ(w.Height(), suggested.bottom - suggested.top);
    ExpectWindowAt(w, s);
    // A dialog opens at its owner's DPI.
    const TDialogSeen dialog = ShowIntegerDialog(w);
    EXPECT_NEAR(dialog.okWidth, s.okWidth, 2);
    EXPECT_EQ(dialog.glyph, s.glyph);
    EXPECT_EQ(dialog.okWidthAt96, 81);
    ExpectAboutPicturesAt(w, s);
}

TEST_F(DpiTest, StoredSizesAreAt96DpiAndTheAutomaticWidthCodesStay) {
    const int dpi = StartDpi();
    Store(FormKey, "Width", "600");
    Store(FormKey, "Height", "400");
    Store(FormKey, "HeaderOlist", "150");
    Store(FormKey, "HeaderFName", "-2");
    TfrmMain& w = Open();
    EXPECT_NEAR(w.Width(), 600 * dpi / 96, 1);
    EXPECT_NEAR(w.Height(), 400 * dpi / 96, 1);
    EXPECT_NEAR(w.lsvOldFile.ColumnWidth(0), 150 * dpi / 96, 1);
    EXPECT_EQ(w.lsvFileList.ColumnWidth(0), -2);
    CloseWindow();
    EXPECT_EQ(Stored(FormKey, "Width"), "600");
    EXPECT_EQ(Stored(FormKey, "Height"), "400");
    EXPECT_EQ(Stored(FormKey, "HeaderOlist"), "150");
    EXPECT_EQ(Stored(FormKey, "HeaderFName"), "-2");
}

} // namespace
} // namespace porutena::test
