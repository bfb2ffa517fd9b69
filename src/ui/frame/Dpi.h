#pragma once
// Display scale: layout numbers are designed at 96 DPI and shown at the window's DPI.
#include <windows.h>

namespace porutena {

inline constexpr int DesignDpi = 96;

// A 96-DPI design value in pixels at `dpi`, rounded as MulDiv rounds (halves away from zero)
// but held at the int range where MulDiv would answer -1.
int ScaleToDpi(int value, int dpi);
// Pixels at `dpi` back in 96-DPI units: sizes are stored that way, so they open at the same
// physical size on any display.
int ScaleFromDpi(int pixels, int dpi);
// Pixels at one DPI as pixels at another: what a display change does to sizes kept in pixels.
int ScaleBetweenDpi(int pixels, int fromDpi, int toDpi);
// The size a picture designed at `designSize` pixels is drawn for `dpi`: pictures are drawn at
// one, one and a half and two times their design size, and the one nearest the design size
// scaled is shown, the larger one midway.
int DrawnSizeForDpi(int designSize, int dpi);
// The glyph size drawn for `dpi`: 16, 24 or 32.
int GlyphSizeForDpi(int dpi);
// The DPI `window` is shown at; the screen's where the system keeps no DPI per window.
int WindowDpi(HWND window);

// The resource ids of one picture drawn at 16, 24 and 32 pixels, and the one drawn for `dpi`.
struct TGlyphIds {
    int size16;
    int size24;
    int size32;
};
int GlyphIdForDpi(TGlyphIds ids, int dpi);

// A font designed at 96 DPI, made for `dpi`.
LOGFONTW FontForDpi(LOGFONTW design, int dpi);

// A size the system keeps (SM_CYHSCROLL, ...) at `dpi`.
int SystemMetricForDpi(int index, int dpi);
// The outer size of a window of this style whose client area is `width` x `height` pixels at
// `dpi`, a menu bar taking one line.
SIZE OuterSize(int width, int height, DWORD style, DWORD exStyle, bool menu, int dpi);
// The work area of the monitor `window` is on.
RECT WorkAreaOf(HWND window);
// The outer rectangle of a window of this style whose client area is `width` x `height`
// pixels at `dpi`, centred on the monitor `owner` is on (the primary one without an owner).
RECT CentredWindowRect(HWND owner, int width, int height, DWORD style, DWORD exStyle, bool menu,
                       int dpi);

} // namespace porutena
