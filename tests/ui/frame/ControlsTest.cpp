// The control wrappers, the forms' font and colour, the application icon, the toolbar's
// glyph lists and the display scale with the glyphs drawn for it.
#include "TestWindow.h"
#include "ui/frame/Dpi.h"

#include <climits>
#include <cstring>
#include <vector>

namespace porutena::test {
namespace {

class TControlsForm : public TForm {
public:
    explicit TControlsForm(TApplication& app) : TForm(app, TFormKind::Dialog) {
        Create("部品", 329, 103);
    }
    TEdit edtName;
    TButton bbnOK;
    TLabel lblTitle;
    TBevel Bevel1;
    TImage Icon;
    TStatusBar stbStatus;
    int changes = 0;

protected:
    void CreateControls() override {
        edtName.Create(*this, {8, 8, 169, 20});
        edtName.OnChange = [this] { ++changes; };
        bbnOK.Create(*this, {128, 72, 73, 25},
                     {.caption = "&OK", .modalResult = mrOk, .isDefault = true});
        Bevel1.Create(*this, {48, 8, 233, 57});
        lblTitle.Create(*this, {56, 16, 217, 12}, "[Title]", SS_CENTER);
        Icon.Create(*this, {8, 16, 32, 32});
        stbStatus.Create(*this, 19);
    }
    void FormResize() override { stbStatus.AutoSize(); }
};

// The width of the image an icon resource holds for `size`; LoadImage would scale any other.
// The images are PNG: the width is the big-endian number at byte 16, in the header chunk.
int IconImageWidth(HINSTANCE instance, int resourceId, int size) {
    HRSRC group = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), RT_GROUP_ICON);
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(instance, group)));
    if (!directory)
        return 0;
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC image = FindResourceA(instance, MAKEINTRESOURCEA(id), RT_ICON);
    const auto* png = static_cast<const BYTE*>(LockResource(LoadResource(instance, image)));
    if (!png || SizeofResource(instance, image) < 24 || std::memcmp(png + 1, "PNG", 3) != 0)
        return 0;
    return png[16] << 24 | png[17] << 16 | png[18] << 8 | png[19];
}

constexpr COLORREF Green = RGB(0, 160, 0);

// The pixels of a list's glyphs drawn one below the other on green, row by row.
std::vector<COLORREF> GlyphPixels(HIMAGELIST list, int size) {
    const int count = ImageList_GetImageCount(list);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size * count; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH green = CreateSolidBrush(Green);
    const RECT all{0, 0, size, size * count};
    FillRect(dc, &all, green);
    DeleteObject(green);
    for (int i = 0; i < count; ++i)
        ImageList_Draw(list, i, dc, 0, i * size, ILD_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size * count; ++y)
        for (int x = 0; x < size; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

// The form's client area as it paints itself into a bitmap.
class TClientPicture {
public:
    explicit TClientPicture(TForm& form) {
        HDC screen = GetDC(nullptr);
        FDc = CreateCompatibleDC(screen);
        FBitmap = CreateCompatibleBitmap(screen, form.ClientWidth(), form.ClientHeight());
        ReleaseDC(nullptr, screen);
        FOld = SelectObject(FDc, FBitmap);
        SendMessageA(form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(FDc), PRF_CLIENT);
    }
    ~TClientPicture() {
        SelectObject(FDc, FOld);
        DeleteObject(FBitmap);
        DeleteDC(FDc);
    }
    TClientPicture(const TClientPicture&) = delete;
    TClientPicture& operator=(const TClientPicture&) = delete;
    COLORREF Pixel(int x, int y) const { return GetPixel(FDc, x, y); }

private:
    HDC FDc;
    HBITMAP FBitmap;
    HGDIOBJ FOld;
};

using ControlsTest = FrameTest;

TEST_F(ControlsTest, FormsUseTheirFontOnTheButtonFace) {
    TControlsForm form(app);
    LOGFONTA font{};
    ASSERT_TRUE(GetObjectA(app.Font(), sizeof font, &font));
    EXPECT_STREQ(font.lfFaceName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    for (HWND control : {form.edtName.Handle(), form.bbnOK.Handle(), form.lblTitle.Handle()})
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), app.Font());
    EXPECT_EQ(GetClassLongPtrA(form.Handle(), GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
    EXPECT_EQ(form.ClientWidth(), 329);
    EXPECT_EQ(form.ClientHeight(), 103);
}

TEST_F(ControlsTest, ApplicationIconInBothSizesOnEveryNewForm) {
    app.SetIcon(IDI_PORUTENA);
    EXPECT_EQ(IconWidth(app.Icon()), 32);
    EXPECT_EQ(IconWidth(app.SmallIcon()), 16);
    TControlsForm form(app);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(form.Handle(), WM_GETICON, ICON_BIG, 0)),
              app.Icon());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(form.Handle(), WM_GETICON, ICON_SMALL, 0)),
              app.SmallIcon());
    form.Icon.SetIcon(app.Icon());
    EXPECT_EQ(form.Icon.Icon(), app.Icon());
}

TEST_F(ControlsTest, EditBoxReportsEveryChangeAndItsSelectionInBytes) {
    TControlsForm form(app);
    TEdit& edit = form.edtName;
    edit.SetText("C:\\ﾌｧｲﾙ\\表示.txt");
    EXPECT_EQ(form.changes, 1);
    EXPECT_EQ(edit.Text(), "C:\\ﾌｧｲﾙ\\表示.txt");
    EXPECT_EQ(edit.SelText(), "");
    edit.SetSelection(3, 7); // "ﾌｧｲﾙ": four single-byte characters
    EXPECT_EQ(edit.SelText(), "ﾌｧｲﾙ");
    edit.SetSelection(8, 12); // "表示": two double-byte characters
    EXPECT_EQ(edit.Selection(), std::make_pair(8, 12));
    EXPECT_EQ(edit.SelText(), "表示");
    SendMessageA(edit.Handle(), WM_CHAR, 'x', 1); // typed over the selection
    EXPECT_EQ(edit.Text(), "C:\\ﾌｧｲﾙ\\x.txt");
    EXPECT_EQ(form.changes, 2);
    edit.SetText("");
    EXPECT_EQ(form.changes, 3);
    // Typed double-byte text passes the application's loop whole.
    for (wchar_t c : std::wstring(L"名前"))
        PostMessageW(edit.Handle(), WM_CHAR, c, 1);
    app.ProcessMessages();
    EXPECT_EQ(edit.Text(), "名前");
}

TEST_F(ControlsTest, ButtonGlyphLabelBevelPictureAndStatusBar) {
    TControlsForm form(app);
    form.bbnOK.SetGlyph(LoadImageList(GetModuleHandleA(nullptr), IDB_OK_GLYPH, 16));
    ASSERT_NE(form.bbnOK.Glyph(), nullptr);
    EXPECT_EQ(ImageList_GetImageCount(form.bbnOK.Glyph()), 1);
    BUTTON_IMAGELIST shown{};
    SendMessageA(form.bbnOK.Handle(), BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(shown.himl, form.bbnOK.Glyph());
    EXPECT_EQ(form.bbnOK.Text(), "&OK");

    EXPECT_EQ(form.lblTitle.Text(), "[Title]");
    EXPECT_TRUE(GetWindowLongA(form.lblTitle.Handle(), GWL_STYLE) & SS_CENTER);
    // The form draws the bevel: a sunken edge, shadow above and left, light below and right.
    TClientPicture picture(form);
    EXPECT_EQ(picture.Pixel(48, 30), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.Pixel(150, 8), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.Pixel(280, 30), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.Pixel(150, 64), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.Pixel(150, 40), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(picture.Pixel(47, 30), GetSysColor(COLOR_BTNFACE));

    form.stbStatus.SetSimpleText("ｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。");
    EXPECT_EQ(form.stbStatus.SimpleText(), "ｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。");
    char status[100] = {};
    SendMessageA(form.stbStatus.Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
    EXPECT_STREQ(status, "ｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。");
    EXPECT_EQ(form.stbStatus.Height(), 19);
    EXPECT_EQ(form.stbStatus.Bounds().y, form.ClientHeight() - 19);
    form.SetHeight(form.Height() + 40);
    EXPECT_EQ(form.stbStatus.Bounds().y, form.ClientHeight() - 19);
    EXPECT_EQ(form.stbStatus.Bounds().width, form.ClientWidth());
}

TEST_F(ControlsTest, ToolbarShowsBothGlyphListsAtItsHeight) {
    TTestWindow w(app);
    HWND bar = w.tbrTool.Handle();
    EXPECT_EQ(ImageList_GetImageCount(w.imlToolBar.Get()), 10);
    EXPECT_EQ(ImageList_GetImageCount(w.imlToolBar2.Get()), 10);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(bar, TB_GETIMAGELIST, 0, 0)),
              w.imlToolBar.Get());
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(bar, TB_GETDISABLEDIMAGELIST, 0, 0)),
              w.imlToolBar2.Get());
    EXPECT_EQ(w.tbrTool.Height(), 30);
    RECT first{};
    SendMessageA(bar, TB_GETRECT, static_cast<WPARAM>(w.tlbCopy->Command()),
                 reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(first.left, 4);
    // Glyphs from the actions, in the toolbar's order.
    const std::pair<TToolButton*, int> glyphs[] = {{w.tlbCopy, 1},   {w.tlbAll, 2},
                                                   {w.tlbFull, 3},   {w.tlbFileOnly, 4},
                                                   {w.tlbSepYen, 7}, {w.tlbSepSlash, 9}};
    for (auto [button, glyph] : glyphs)
        EXPECT_EQ(SendMessageA(bar, TB_GETBITMAP, static_cast<WPARAM>(button->Command()), 0),
                  glyph);
    w.SetWidth(w.Width() + 100);
    RECT client{};
    GetClientRect(w.Handle(), &client);
    EXPECT_EQ(w.tbrTool.Height(), 30);
    RECT barRect{};
    GetWindowRect(bar, &barRect);
    EXPECT_EQ(barRect.right - barRect.left, client.right);
}

TEST_F(ControlsTest, DesignValuesAndGlyphsFollowTheDpi) {
    // The scaled sizes themselves are checked on the real window at each DPI (DpiTest).
    // `picture`: the size of the About box's 32-pixel pictures.
    const struct {
        int dpi, glyph, picture, toolbar, ok, cancel;
    } cases[] = {
        {96, 16, 32, IDB_TOOLBAR, IDB_OK_GLYPH, IDB_CANCEL_GLYPH},
        {120, 24, 48, IDB_TOOLBAR_24, IDB_OK_GLYPH_24, IDB_CANCEL_GLYPH_24},
        {144, 24, 48, IDB_TOOLBAR_24, IDB_OK_GLYPH_24, IDB_CANCEL_GLYPH_24},
        {192, 32, 64, IDB_TOOLBAR_32, IDB_OK_GLYPH_32, IDB_CANCEL_GLYPH_32},
    };
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        // Held at the int range, where MulDiv would answer -1, an automatic column width.
        EXPECT_EQ(ScaleToDpi(INT_MAX, c.dpi), INT_MAX);
        // A size stored from this display reads back as the design value it was made from.
        for (int value : {569, 30, 25, 7, 1})
            EXPECT_EQ(ScaleFromDpi(ScaleToDpi(value, c.dpi), c.dpi), value);
        ASSERT_EQ(GlyphSizeForDpi(c.dpi), c.glyph);
        ASSERT_EQ(DrawnSizeForDpi(32, c.dpi), c.picture);
        // Each strip and icon is drawn at that size.
        const TImageList toolbar = LoadImageList(instance, c.toolbar, c.glyph);
        const TImageList disabled =
            LoadImageList(instance, c.toolbar, c.glyph, TGlyphLook::Disabled);
        EXPECT_EQ(ImageList_GetImageCount(toolbar.Get()), 10);
        EXPECT_EQ(ImageList_GetImageCount(disabled.Get()), 10);
        EXPECT_EQ(ImageList_GetImageCount(LoadImageList(instance, c.ok, c.glyph).Get()), 1);
        EXPECT_EQ(ImageList_GetImageCount(LoadImageList(instance, c.cancel, c.glyph).Get()), 1);
        for (int icon : {IDI_PORUTENA, IDI_ABOUT_IMAGE}) {
            EXPECT_EQ(IconImageWidth(instance, icon, c.glyph), c.glyph);
            EXPECT_EQ(IconImageWidth(instance, icon, c.picture), c.picture);
        }
        // The disabled look: the same transparent pixels, every other one a light grey.
        const std::vector<COLORREF> drawn = GlyphPixels(toolbar.Get(), c.glyph);
        const std::vector<COLORREF> greyed = GlyphPixels(disabled.Get(), c.glyph);
        ASSERT_EQ(greyed.size(), drawn.size());
        int grey = 0;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const COLORREF p = greyed[i];
            ASSERT_EQ(p == Green, drawn[i] == Green) << "pixel " << i;
            if (p == Green)
                continue;
            ASSERT_TRUE(GetRValue(p) == GetGValue(p) && GetGValue(p) == GetBValue(p) &&
                        GetRValue(p) >= 128 && GetRValue(p) <= 240)
                << "pixel " << i << " " << std::hex << p;
            ++grey;
        }
        EXPECT_GT(grey, c.glyph * c.glyph);
    }
    HDC screen = GetDC(nullptr);
    const int screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    TControlsForm form(app);
    EXPECT_EQ(WindowDpi(form.Handle()), screenDpi);
    EXPECT_EQ(WindowDpi(nullptr), screenDpi);
}

} // namespace
} // namespace porutena::test
