// A window of another process carrying the property ぽるてな finds its wrappers by, set to a
// value that is an address in no process, as another copy's address is none in ours. Shown at
// the position given on its command line ("X Y"); closed with its window.
#include <windows.h>

#include <cstdlib>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine, int /*show*/) {
    char* rest = nullptr;
    const long x = std::strtol(commandLine, &rest, 10);
    const long y = std::strtol(rest, nullptr, 10);
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = "ForeignWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "foreign", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  x, y, 300, 200, nullptr, nullptr, instance, nullptr);
    SetPropA(window, "PorutenaWrapper", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x5A5A5A50)));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
