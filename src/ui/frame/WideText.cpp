#include "ui/frame/WideText.h"

#include <windows.h>

namespace porutena {

std::wstring Widen(std::string_view text) {
    if (text.empty())
        return {};
    int size = static_cast<int>(text.size());
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), n);
    return wide;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty())
        return {};
    int size = static_cast<int>(text.size());
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, narrow.data(), n, nullptr, nullptr);
    return narrow;
}

} // namespace porutena
