#pragma once
// Image lists for glyphs and icons, loaded from resources.
#include "platform/win32/Handles.h"

namespace porutena {

// A strip of `width`-wide glyphs from a bitmap resource; `mask` is the transparent colour.
// Throws when the system cannot make the list.
TImageList LoadImageList(HINSTANCE instance, int resourceId, int width,
                         COLORREF mask = RGB(255, 0, 255));

// The `size` x `size` form of an icon resource; none when there is none.
TIcon LoadIconResource(HINSTANCE instance, int resourceId, int size);

} // namespace porutena
