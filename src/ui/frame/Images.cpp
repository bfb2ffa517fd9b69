#include "ui/frame/Images.h"

namespace porutena {

TImageList TImageList::FromBitmap(HINSTANCE instance, int resourceId, int width, COLORREF mask) {
    return TImageList(ImageList_LoadImageA(instance, MAKEINTRESOURCEA(resourceId), width, 0, mask,
                                           IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

TImageList& TImageList::operator=(TImageList&& other) noexcept {
    if (this != &other) {
        if (FHandle)
            ImageList_Destroy(FHandle);
        FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
}

TImageList::~TImageList() {
    if (FHandle)
        ImageList_Destroy(FHandle);
}

TIcon LoadIconResource(HINSTANCE instance, int resourceId, int size) {
    return TIcon(static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_ICON, size, size, 0)));
}

} // namespace porutena
