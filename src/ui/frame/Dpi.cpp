#include "ui/frame/Dpi.h"

#include <memory>
#include <type_traits>

namespace porutena {

int ScaleToDpi(int value, int dpi) {
    return MulDiv(value, dpi, DesignDpi);
}

int ScaleFromDpi(int pixels, int dpi) {
    return MulDiv(pixels, DesignDpi, dpi);
}

int GlyphSizeForDpi(int dpi) {
    // The glyphs are drawn at 16, 24 and 32; the midpoints 20 and 28 are reached at 120 and 168.
    if (16 * dpi < 20 * DesignDpi)
        return 16;
    return 16 * dpi < 28 * DesignDpi ? 24 : 32;
}

int WindowDpi(HWND window) {
    // GetDpiForWindow came with Windows 10 1607; older systems and older Wine lack it, so it is
    // looked up rather than linked.
    using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
    if (HMODULE user32 = GetModuleHandleA("user32.dll")) {
        if (FARPROC proc = GetProcAddress(user32, "GetDpiForWindow")) {
            auto getDpiForWindow =
                reinterpret_cast<GetDpiForWindowProc>(reinterpret_cast<void*>(proc));
            if (UINT dpi = getDpiForWindow(window))
                return static_cast<int>(dpi);
        }
    }
    struct TScreenRelease {
        void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
    };
    const std::unique_ptr<std::remove_pointer_t<HDC>, TScreenRelease> screen(GetDC(nullptr));
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : DesignDpi;
}

} // namespace porutena
