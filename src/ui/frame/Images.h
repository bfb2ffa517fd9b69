#pragma once
// Image lists for glyphs and icons, loaded from resources.
#include "platform/win32/Handles.h"

namespace porutena {

// How a strip's glyphs are shown: as drawn, or greyed as on a disabled button, each colour a
// light grey of its brightness.
enum class TGlyphLook { Drawn, Disabled };

// A strip of `width`-wide glyphs from a bitmap resource with a colour table, whose magenta
// (255, 0, 255) pixels are transparent. Throws when the system cannot make the list.
TImageList LoadImageList(HINSTANCE instance, int resourceId, int width,
                         TGlyphLook look = TGlyphLook::Drawn);

// The `size` x `size` form of an icon resource; none when there is none.
TIcon LoadIconResource(HINSTANCE instance, int resourceId, int size);

} // namespace porutena
