#pragma once
// Owned image handles: image lists for glyphs and icons loaded from resources.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace porutena {

// Owns an HIMAGELIST.
class TImageList {
public:
    TImageList() = default;
    explicit TImageList(HIMAGELIST handle) : FHandle(handle) {}
    // A strip of `width`-wide glyphs from a bitmap resource; `mask` is the transparent colour.
    static TImageList FromBitmap(HINSTANCE instance, int resourceId, int width,
                                 COLORREF mask = RGB(255, 0, 255));
    TImageList(TImageList&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
    TImageList& operator=(TImageList&& other) noexcept;
    ~TImageList();
    HIMAGELIST Handle() const { return FHandle; }
    int Count() const { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

private:
    HIMAGELIST FHandle = nullptr;
};

struct TIconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using TIcon = std::unique_ptr<std::remove_pointer_t<HICON>, TIconDeleter>;

// The `size` x `size` form of an icon resource; null when there is none.
TIcon LoadIconResource(HINSTANCE instance, int resourceId, int size);

} // namespace porutena
