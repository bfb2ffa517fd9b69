#include "core/StandardLibrary.h"

#include "core/Text.h"

#include <vector>

namespace porutena {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// Length of the `\\server\share` root of a network name (all of it when shorter), else 0.
std::size_t NetworkRootLength(std::string_view name) {
    if (!name.starts_with("\\\\"))
        return 0;
    const std::size_t serverEnd = FirstDelimiter("\\", name, 2);
    if (serverEnd == npos)
        return name.size();
    const std::size_t shareEnd = FirstDelimiter("\\", name, serverEnd + 1);
    return shareEnd == npos ? name.size() : shareEnd;
}

// Positions of the path delimiters (`\` and `:` characters) of `name`, in order.
std::vector<std::size_t> Delimiters(std::string_view name) {
    std::vector<std::size_t> positions;
    for (std::size_t i = FirstDelimiter("\\:", name); i != npos;
         i = FirstDelimiter("\\:", name, i + 1))
        positions.push_back(i);
    return positions;
}

} // namespace

std::string ConvertFileName(std::string_view FileName, bool ShortName,
                            const IDirectorySearch& search) {
    // A loop, not a recursion per component: a name may have thousands of them. The name is
    // first cut back to the part kept as written, noting each component on the way; then the
    // components are searched from that part outwards.
    struct TComponent {
        std::size_t start, end;
    };
    std::vector<TComponent> components;
    const std::size_t rootLength = NetworkRootLength(FileName);
    const std::vector<std::size_t> delimiters = Delimiters(FileName);
    auto delimiter = delimiters.rbegin();
    std::string result;
    result.reserve(FileName.size() + 16);
    for (std::size_t end = FileName.size();;) {
        while (delimiter != delimiters.rend() && *delimiter >= end)
            ++delimiter;
        const std::size_t nameStart = delimiter == delimiters.rend() ? 0 : *delimiter + 1;
        if (nameStart == end || end <= rootLength) {
            result.assign(FileName.substr(0, end));
            break;
        }
        components.push_back({nameStart, end});
        if (nameStart == 1 && FileName[0] == '\\') {
            // Root-relative: the root of the current drive stays the root.
            result = '\\';
            break;
        }
        // The directory loses one trailing `\`; the delimiter is a character of its own.
        end = nameStart > 0 && FileName[nameStart - 1] == '\\' ? nameStart - 1 : nameStart;
    }

    bool endsWithSeparator = EndsWithChar(result, '\\');
    for (std::size_t i = components.size(); i-- > 0;) {
        const TComponent& c = components[i];
        if (!result.empty() && !endsWithSeparator)
            result += '\\';
        const std::size_t dirLength = result.size();
        result += FileName.substr(c.start, c.end - c.start);
        const auto found = search.Find(result);
        if (!found)
            return {};
        result.resize(dirLength);
        const std::string& name =
            ShortName && !found->ShortName.empty() ? found->ShortName : found->LongName;
        result += name;
        // What precedes the name ends with a whole character (or is empty), so the result ends
        // with `\` exactly when the name does, or when the name is empty and a `\` precedes it.
        endsWithSeparator = name.empty() ? !result.empty() : EndsWithChar(name, '\\');
    }
    return result;
}

} // namespace porutena
