#include "platform/win32/Win32DirectorySearch.h"

#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"

#include <cwchar>

namespace porutena {

namespace {

// A found name as program text of at most `limit` bytes; nullopt when it has no such form.
template <std::size_t N>
std::optional<std::string> Reported(const wchar_t (&field)[N], std::size_t limit) {
    std::optional<std::string> name = NarrowExact({field, wcsnlen(field, N - 1)});
    if (name && name->size() > limit)
        return std::nullopt;
    return name;
}

} // namespace

std::optional<TFoundEntry> TWin32DirectorySearch::Find(const std::string& path) const {
    // FindFirstFileW filters on no attribute, so every kind of entry matches.
    WIN32_FIND_DATAW data{};
    const TFindHandle handle(FindFirstFileW(ExtendedPath(Widen(path)).c_str(), &data));
    if (!handle)
        return std::nullopt;
    const std::optional<std::string> shortName = Reported(data.cAlternateFileName, 12);
    if (const std::optional<std::string> longName = Reported(data.cFileName, MAX_PATH - 1))
        return TFoundEntry{*longName, shortName.value_or("")};
    // A long name without a 932 form is reported by its 8.3 name, which names the same entry.
    if (shortName && !shortName->empty())
        return TFoundEntry{*shortName, ""};
    return std::nullopt;
}

} // namespace porutena
