#include "core/OpenFileNames.h"

#include "core/Text.h"

namespace porutena {

namespace {

// The NUL-ended part starting at `start`; a missing NUL ends it at the buffer's end.
template <typename Char>
std::basic_string_view<Char> PartAt(std::basic_string_view<Char> buffer, std::size_t start) {
    if (start >= buffer.size())
        return {};
    const std::basic_string_view<Char> rest = buffer.substr(start);
    return rest.substr(0, rest.find(Char()));
}

bool EndsWithBackslash(std::string_view text) {
    return EndsWithChar(text, '\\');
}

bool EndsWithBackslash(std::wstring_view text) {
    return !text.empty() && text.back() == L'\\';
}

template <typename Char>
std::vector<std::basic_string<Char>> Parse(std::basic_string_view<Char> buffer,
                                           std::size_t fileOffset) {
    using TString = std::basic_string<Char>;
    const std::basic_string_view<Char> first = PartAt(buffer, 0);
    const bool several = fileOffset > first.size() && fileOffset < buffer.size();
    if (!several)
        return first.empty() ? std::vector<TString>{} : std::vector<TString>{TString(first)};

    const TString directory =
        EndsWithBackslash(first) ? TString(first) : TString(first) + Char('\\');
    std::vector<TString> names;
    for (std::size_t i = fileOffset;;) {
        const std::basic_string_view<Char> name = PartAt(buffer, i);
        if (name.empty())
            return names;
        names.push_back(directory + TString(name));
        i += name.size() + 1;
    }
}

} // namespace

std::vector<std::string> ParseOpenFileResult(std::string_view buffer, std::size_t fileOffset) {
    return Parse(buffer, fileOffset);
}

std::vector<std::wstring> ParseOpenFileResult(std::wstring_view buffer, std::size_t fileOffset) {
    return Parse(buffer, fileOffset);
}

std::string DialogFilter(std::string_view filter) {
    std::string out;
    out.reserve(filter.size() + 2);
    for (std::size_t i = 0; i < filter.size();) {
        const bool lead =
            IsLeadByte(static_cast<unsigned char>(filter[i])) && i + 1 < filter.size();
        if (!lead && filter[i] == '|')
            out += '\0';
        else
            out.append(filter.substr(i, lead ? 2 : 1));
        i += lead ? 2 : 1;
    }
    out += '\0';
    out += '\0';
    return out;
}

} // namespace porutena
