#include "platform/win32/Win32DirectorySearch.h"

#include "platform/win32/FindHandle.h"

#include <cstring>

namespace porutena {

namespace {

template <std::size_t N> std::string FixedText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N - 1));
}

} // namespace

std::optional<TFoundEntry> TWin32DirectorySearch::Find(const std::string& path) const {
    // FindFirstFileA filters on no attribute, so every kind of entry matches.
    WIN32_FIND_DATAA data{};
    const TFindHandle handle(FindFirstFileA(path.c_str(), &data));
    if (!handle.Valid())
        return std::nullopt;
    return TFoundEntry{FixedText(data.cFileName), FixedText(data.cAlternateFileName)};
}

} // namespace porutena
