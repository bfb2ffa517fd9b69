#include "core/StandardLibrary.h"

#include "core/Text.h"

#include <vector>

namespace porutena {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// `/` separates components as `\` does, as it does for the system; the result takes `\`.
constexpr std::string_view Separators = "\\/";

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Length of the `\\server\share` root of a network name (all of it when shorter), else 0.
std::size_t NetworkRootLength(std::string_view name) {
    if (name.size() < 2 || !IsSeparator(name[0]) || !IsSeparator(name[1]))
        return 0;
    const std::size_t serverEnd = FirstDelimiter(Separators, name, 2);
    if (serverEnd == npos)
        return name.size();
    const std::size_t shareEnd = FirstDelimiter(Separators, name, serverEnd + 1);
    return shareEnd == npos ? name.size() : shareEnd;
}

// Positions of the path delimiters (`\`, `/` and `:` characters) of `name`, in order.
std::vector<std::size_t> Delimiters(std::string_view name) {
    std::vector<std::size_t> positions;
    for (std::size_t i = FirstDelimiter("\\/:", name); i != npos;
         i = FirstDelimiter("\\/:", name, i + 1))
        positions.push_back(i);
    return positions;
}

} // namespace

std::string ConvertFileName(std::string_view FileName, bool ShortName,
                            const IDirectorySearch& search) {
    // The system would search the text before a NUL, another name.
    if (FileName.find('\0') != npos)
        return {};
    // A loop, not a recursion per component: a name may have thousands of them. The name is
    // first cut back to the part kept as written, noting each component on the way and
    // resolving `.` and `..` as the system does before it searches; then the components are
    // searched from that part outwards.
    struct TComponent {
        std::size_t start, end;
    };
    std::vector<TComponent> components;
    std::size_t parents = 0; // `..` not yet matched by a component before it
    std::size_t keptLength = 0;
    const std::size_t rootLength = NetworkRootLength(FileName);
    const std::vector<std::size_t> delimiters = Delimiters(FileName);
    auto delimiter = delimiters.rbegin();
    for (std::size_t end = FileName.size();;) {
        while (delimiter != delimiters.rend() && *delimiter >= end)
            ++delimiter;
        const std::size_t nameStart = delimiter == delimiters.rend() ? 0 : *delimiter + 1;
        // A doubled separator holds an empty component, which counts as nothing, so that a `..`
        // climbs past it as the system's does; only a trailing one keeps the name as written.
        if (nameStart == end && end > rootLength && end < FileName.size() &&
            IsSeparator(FileName[end - 1])) {
            end = nameStart - 1;
            continue;
        }
        if (nameStart == end || end <= rootLength) {
            keptLength = end;
            break;
        }
        const std::string_view name = FileName.substr(nameStart, end - nameStart);
        if (name == "..")
            ++parents;
        else if (name != "." && parents > 0)
            --parents;
        else if (name != ".")
            components.push_back({nameStart, end});
        if (nameStart == 1 && IsSeparator(FileName[0])) {
            // Root-relative: the root of the current drive stays the root.
            keptLength = 1;
            break;
        }
        // The directory loses one trailing separator; the delimiter is a character of its own.
        end = nameStart > 0 && IsSeparator(FileName[nameStart - 1]) ? nameStart - 1 : nameStart;
    }

    std::string result(FileName.substr(0, keptLength));
    result.reserve(FileName.size() + 16);
    for (const std::size_t i : delimiters)
        if (i < keptLength && FileName[i] == '/')
            result[i] = '\\';
    // A `..` above a root leaves the root; above a relative name it stays, unsearched.
    for (; keptLength == 0 && parents > 0; --parents)
        result += result.empty() ? ".." : "\\..";
    if (components.empty() && keptLength < FileName.size()) {
        // Everything after the kept part cancelled out: a root, or the current directory.
        if (IsSeparator(FileName[keptLength]))
            result += '\\';
        else if (result.empty())
            result = '.';
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
