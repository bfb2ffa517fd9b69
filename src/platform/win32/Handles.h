#pragma once
// The Win32 handles the program owns, each a TOwned with the call that closes it, and the
// calls that make them.
#include "platform/Owned.h"
#include "platform/win32/WideText.h"

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <new>
#include <string_view>

namespace porutena {

struct TRegKeyCloser {
    static void Close(HKEY key) noexcept { RegCloseKey(key); }
};
using TOwnedRegKey = TOwned<HKEY, TRegKeyCloser>;

// A FindFirstFile search; INVALID_HANDLE_VALUE is none.
struct TFindCloser {
    static HANDLE None() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE find) noexcept { FindClose(find); }
};
using TFindHandle = TOwned<HANDLE, TFindCloser>;

struct TGlobalFreer {
    static void Close(HGLOBAL memory) noexcept { GlobalFree(memory); }
};
using TGlobalMemory = TOwned<HGLOBAL, TGlobalFreer>;

struct TImageListCloser {
    static void Close(HIMAGELIST list) noexcept { ImageList_Destroy(list); }
};
using TImageList = TOwned<HIMAGELIST, TImageListCloser>;

struct TIconCloser {
    static void Close(HICON icon) noexcept { DestroyIcon(icon); }
};
using TIcon = TOwned<HICON, TIconCloser>;

struct TGdiObjectCloser {
    static void Close(HGDIOBJ object) noexcept { DeleteObject(object); }
};
using TFont = TOwned<HFONT, TGdiObjectCloser>;
using TBitmap = TOwned<HBITMAP, TGdiObjectCloser>;

// The key `name` (program text) below `parent`; an empty owner when it cannot be opened.
inline TOwnedRegKey OpenRegKey(HKEY parent, std::string_view name, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, Widen(name).c_str(), 0, access, &key) != ERROR_SUCCESS)
        return {};
    return TOwnedRegKey(key);
}

// As OpenRegKey, creating the key where it is missing.
inline TOwnedRegKey CreateRegKey(HKEY parent, std::string_view name, REGSAM access) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(parent, Widen(name).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return {};
    return TOwnedRegKey(key);
}

// GlobalAlloc with `flags`; throws std::bad_alloc when it fails.
inline TGlobalMemory AllocateGlobal(UINT flags, std::size_t size) {
    TGlobalMemory memory(GlobalAlloc(flags, size));
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

} // namespace porutena
