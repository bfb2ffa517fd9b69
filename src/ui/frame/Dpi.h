#pragma once
// Display scale: layout numbers are designed at 96 DPI and shown at the window's DPI.
#include <windows.h>

namespace porutena {

inline constexpr int DesignDpi = 96;

// A 96-DPI design value in pixels at `dpi`, rounded as MulDiv rounds (halves away from zero).
int ScaleToDpi(int value, int dpi);
// Pixels at `dpi` back in 96-DPI units: sizes are stored that way, so they open at the same
// physical size on any display.
int ScaleFromDpi(int pixels, int dpi);
// The glyph size drawn for `dpi` (16, 24 or 32): the one nearest 16 pixels scaled, the larger
// one midway.
int GlyphSizeForDpi(int dpi);
// The DPI `window` is shown at; the screen's where the system keeps no DPI per window.
int WindowDpi(HWND window);

} // namespace porutena
