#include "ui/frame/Images.h"

#include "platform/win32/LastError.h"

#include <cassert>
#include <memory>
#include <type_traits>

namespace porutena {

namespace {

constexpr COLORREF Transparent = RGB(255, 0, 255);

// Greys the colour table of a strip, all but its transparent colour.
void GreyColourTable(HBITMAP strip) {
    struct TDcDeleter {
        void operator()(HDC dc) const { DeleteDC(dc); }
    };
    const std::unique_ptr<std::remove_pointer_t<HDC>, TDcDeleter> dc(
        CheckedHandle(CreateCompatibleDC(nullptr), "CreateCompatibleDC"));
    const HGDIOBJ old = SelectObject(dc.get(), strip);
    RGBQUAD table[256];
    const UINT count = GetDIBColorTable(dc.get(), 0, 256, table);
    for (UINT i = 0; i < count; ++i) {
        RGBQUAD& colour = table[i];
        if (RGB(colour.rgbRed, colour.rgbGreen, colour.rgbBlue) == Transparent)
            continue;
        const int brightness =
            (colour.rgbRed * 299 + colour.rgbGreen * 587 + colour.rgbBlue * 114) / 1000;
        const auto grey = static_cast<BYTE>(128 + brightness * 112 / 255);
        colour = {grey, grey, grey, 0};
    }
    SetDIBColorTable(dc.get(), 0, count, table);
    SelectObject(dc.get(), old);
}

} // namespace

TImageList LoadImageList(HINSTANCE instance, int resourceId, int width, TGlyphLook look) {
    assert(width > 0);
    const TBitmap strip(
        CheckedHandle(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(resourceId),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)),
                      "LoadImageA"));
    if (look == TGlyphLook::Disabled)
        GreyColourTable(strip.Get());
    BITMAP size{};
    GetObjectA(strip.Get(), sizeof size, &size);
    // A 24-bit list keeps every colour as drawn; one of the strip's own depth would take the
    // system's palette instead of the strip's table.
    TImageList list(CheckedHandle(
        ImageList_Create(width, size.bmHeight, ILC_COLOR24 | ILC_MASK, size.bmWidth / width, 0),
        "ImageList_Create"));
    if (ImageList_AddMasked(list.Get(), strip.Get(), Transparent) < 0)
        ThrowLastError("ImageList_AddMasked");
    return list;
}

TIcon LoadIconResource(HINSTANCE instance, int resourceId, int size) {
    return TIcon(static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_ICON, size, size, 0)));
}

} // namespace porutena
