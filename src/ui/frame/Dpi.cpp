#include "ui/frame/Dpi.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <type_traits>

namespace porutena {

namespace {

// value * numerator / denominator, halves away from zero, held at the int range.
int Rescale(int value, int numerator, int denominator) {
    if (denominator <= 0)
        return value;
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long result = (product < 0 ? product - half : product + half) / denominator;
    return static_cast<int>(std::clamp<long long>(result, INT_MIN, INT_MAX));
}

// Calls of Windows 10 1607 and later; older systems and older Wine lack them, so they are
// looked up rather than linked.
template <class Proc> Proc* User32Proc(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    FARPROC proc = user32 ? GetProcAddress(user32, name) : nullptr;
    return proc ? reinterpret_cast<Proc*>(reinterpret_cast<void*>(proc)) : nullptr;
}

} // namespace

int ScaleToDpi(int value, int dpi) {
    return Rescale(value, dpi, DesignDpi);
}

int ScaleFromDpi(int pixels, int dpi) {
    return Rescale(pixels, DesignDpi, dpi);
}

int ScaleBetweenDpi(int pixels, int fromDpi, int toDpi) {
    return Rescale(pixels, toDpi, fromDpi);
}

int DrawnSizeForDpi(int designSize, int dpi) {
    // The midpoints between the drawn sizes, 1.25 and 1.75 times the design size, are reached at
    // 120 and 168 DPI.
    if (4 * dpi < 5 * DesignDpi)
        return designSize;
    return 4 * dpi < 7 * DesignDpi ? designSize * 3 / 2 : designSize * 2;
}

int GlyphSizeForDpi(int dpi) {
    return DrawnSizeForDpi(16, dpi);
}

int WindowDpi(HWND window) {
    if (auto* getDpiForWindow = User32Proc<UINT WINAPI(HWND)>("GetDpiForWindow"))
        if (UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    struct TScreenRelease {
        void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
    };
    const std::unique_ptr<std::remove_pointer_t<HDC>, TScreenRelease> screen(GetDC(nullptr));
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : DesignDpi;
}

int GlyphIdForDpi(TGlyphIds ids, int dpi) {
    switch (GlyphSizeForDpi(dpi)) {
    case 16:
        return ids.size16;
    case 24:
        return ids.size24;
    default:
        return ids.size32;
    }
}

LOGFONTW FontForDpi(LOGFONTW design, int dpi) {
    design.lfHeight = ScaleToDpi(design.lfHeight, dpi);
    design.lfWidth = ScaleToDpi(design.lfWidth, dpi);
    return design;
}

int SystemMetricForDpi(int index, int dpi) {
    if (auto* metric = User32Proc<int WINAPI(int, UINT)>("GetSystemMetricsForDpi"))
        return metric(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);
}

SIZE OuterSize(int width, int height, DWORD style, DWORD exStyle, bool menu, int dpi) {
    RECT r{0, 0, width, height};
    using AdjustForDpi = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    if (auto* adjust = User32Proc<AdjustForDpi>("AdjustWindowRectExForDpi"))
        adjust(&r, style, menu, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&r, style, menu, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

RECT WorkAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    return monitor.rcWork;
}

RECT CentredWindowRect(HWND owner, int width, int height, DWORD style, DWORD exStyle, bool menu,
                       int dpi) {
    const SIZE outer = OuterSize(width, height, style, exStyle, menu, dpi);
    // On the owner's monitor, so the window opens at the owner's DPI.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor))
        area = monitor.rcMonitor;
    const int left = area.left + (area.right - area.left - outer.cx) / 2;
    const int top = area.top + (area.bottom - area.top - outer.cy) / 2;
    return {left, top, left + outer.cx, top + outer.cy};
}

} // namespace porutena
