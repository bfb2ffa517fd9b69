#pragma once
// A window's whole text: `char` through the ANSI calls (program text for the program's own
// windows), `wchar_t` through the Unicode ones (as a Unicode control keeps it).
#include <windows.h>

#include <string>
#include <type_traits>

namespace porutena {

template <class Char> std::basic_string<Char> WindowText(HWND window) {
    constexpr bool wide = std::is_same_v<Char, wchar_t>;
    const int length = wide ? GetWindowTextLengthW(window) : GetWindowTextLengthA(window);
    std::basic_string<Char> text(static_cast<std::size_t>(length) + 1, Char());
    const int capacity = static_cast<int>(text.size());
    int copied = 0;
    if constexpr (wide)
        copied = GetWindowTextW(window, text.data(), capacity);
    else
        copied = GetWindowTextA(window, text.data(), capacity);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

} // namespace porutena
