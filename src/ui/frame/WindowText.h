#pragma once
// A window's whole text, read in UTF-16; as `char`, converted to program text.
#include "platform/win32/WideText.h"

#include <windows.h>

#include <string>
#include <type_traits>

namespace porutena {

template <class Char> std::basic_string<Char> WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    if constexpr (std::is_same_v<Char, wchar_t>)
        return text;
    else
        return Narrow(text);
}

} // namespace porutena
