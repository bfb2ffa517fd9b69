#include "platform/win32/WideText.h"

#include "core/Text.h"

#include <windows.h>

namespace porutena {

namespace {

constexpr char NoForm[] = "|";

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// `text` with NoForm for each character that has no 932 form; `exact` tells whether none had.
std::string ToCodePage(std::wstring_view text, bool& exact) {
    exact = true;
    if (text.empty())
        return {};
    // A UTF-16 unit takes at most two bytes, so one call does.
    std::string out(2 * text.size(), '\0');
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(ProgramCodePage, WC_NO_BEST_FIT_CHARS, text.data(),
                                      static_cast<int>(text.size()), out.data(),
                                      static_cast<int>(out.size()), NoForm, &usedDefault);
    exact = n > 0 && !usedDefault;
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

// The 8.3 form of the last component of `path`, as the system reports it; empty when the
// entry cannot be found.
std::wstring ShortComponent(std::wstring_view path) {
    const std::wstring full = ExtendedPath(std::wstring(path));
    const DWORD size = GetShortPathNameW(full.c_str(), nullptr, 0);
    if (size == 0)
        return {};
    std::wstring out(size, L'\0');
    const DWORD length = GetShortPathNameW(full.c_str(), out.data(), size);
    if (length == 0 || length >= size)
        return {};
    out.resize(length);
    const std::size_t separator = out.find_last_of(L"\\/");
    return separator == std::wstring::npos ? out : out.substr(separator + 1);
}

} // namespace

std::wstring Widen(std::string_view text) {
    if (text.empty())
        return {};
    int size = static_cast<int>(text.size());
    int n = MultiByteToWideChar(ProgramCodePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(ProgramCodePage, 0, text.data(), size, wide.data(), n);
    return wide;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty())
        return {};
    int size = static_cast<int>(text.size());
    int n =
        WideCharToMultiByte(ProgramCodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(ProgramCodePage, 0, text.data(), size, narrow.data(), n, nullptr, nullptr);
    return narrow;
}

std::optional<std::string> NarrowExact(std::wstring_view text) {
    bool exact = true;
    std::string narrow = ToCodePage(text, exact);
    if (!exact)
        return std::nullopt;
    return narrow;
}

std::string NarrowName(std::wstring_view name) {
    bool exact = true;
    std::string whole = ToCodePage(name, exact);
    if (exact)
        return whole;
    // Component by component, so that only those without a 932 form change.
    std::string out;
    for (std::size_t start = 0;;) {
        std::size_t end = start;
        while (end < name.size() && !IsSeparator(name[end]))
            ++end;
        std::string component = ToCodePage(name.substr(start, end - start), exact);
        // The system would look up the text before a NUL, another name; the NUL stays, and the
        // name converts to nothing.
        const std::wstring_view path = name.substr(0, end);
        if (!exact && path.find(L'\0') == std::wstring_view::npos) {
            const std::optional<std::string> shortName = NarrowExact(ShortComponent(path));
            if (shortName && !shortName->empty())
                component = *shortName;
        }
        out += component;
        if (end == name.size())
            return out;
        out += static_cast<char>(name[end]);
        start = end + 1;
    }
}

std::wstring ExtendedPath(std::wstring path) {
    if (path.size() < MAX_PATH)
        return path;
    const bool drive = path[1] == L':' && IsSeparator(path[2]);
    const bool prefixed = (path[2] == L'?' || path[2] == L'.') && IsSeparator(path[3]);
    const bool network = IsSeparator(path[0]) && IsSeparator(path[1]) && !prefixed;
    if (!drive && !network)
        return path;
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return path;
    full.resize(length);
    return network ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

} // namespace porutena
