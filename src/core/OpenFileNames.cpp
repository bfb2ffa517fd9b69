#include "core/OpenFileNames.h"

#include "core/Text.h"

namespace porutena {

namespace {

// The NUL-ended part starting at `start`; a missing NUL ends it at the buffer's end.
std::string_view PartAt(std::string_view buffer, std::size_t start) {
    if (start >= buffer.size())
        return {};
    const std::string_view rest = buffer.substr(start);
    return rest.substr(0, rest.find('\0'));
}

} // namespace

std::vector<std::string> ParseOpenFileResult(std::string_view buffer, std::size_t fileOffset) {
    const std::string_view first = PartAt(buffer, 0);
    const bool several = fileOffset > first.size() && fileOffset < buffer.size();
    if (!several)
        return first.empty() ? std::vector<std::string>{}
                             : std::vector<std::string>{std::string(first)};

    const std::string directory =
        EndsWithChar(first, '\\') ? std::string(first) : std::string(first) + '\\';
    std::vector<std::string> names;
    for (std::size_t i = fileOffset;;) {
        const std::string_view name = PartAt(buffer, i);
        if (name.empty())
            return names;
        names.push_back(directory + std::string(name));
        i += name.size() + 1;
    }
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
