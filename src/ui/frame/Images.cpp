#include "ui/frame/Images.h"

#include "platform/win32/LastError.h"

#include <cassert>

namespace porutena {

TImageList LoadImageList(HINSTANCE instance, int resourceId, int width, COLORREF mask) {
    assert(width > 0);
    return TImageList(
        CheckedHandle(ImageList_LoadImageA(instance, MAKEINTRESOURCEA(resourceId), width, 0, mask,
                                           IMAGE_BITMAP, LR_CREATEDIBSECTION),
                      "ImageList_LoadImageA"));
}

TIcon LoadIconResource(HINSTANCE instance, int resourceId, int size) {
    return TIcon(static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_ICON, size, size, 0)));
}

} // namespace porutena
