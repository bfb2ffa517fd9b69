#include "core/StandardLibrary.h"

#include "core/Text.h"

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

class TConverter {
public:
    TConverter(bool shortName, std::size_t rootLength, const IDirectorySearch& search)
        : FShortName(shortName), FRootLength(rootLength), FSearch(search) {}

    // Writes the converted `name`, a prefix of the whole name, into `out` (empty on entry);
    // false when a component is missing.
    bool Convert(std::string_view name, std::string& out) const {
        const std::size_t delimiter = LastDelimiter("\\:", name);
        const std::size_t nameStart = delimiter == npos ? 0 : delimiter + 1;
        if (nameStart == name.size() || name.size() <= FRootLength) {
            out.assign(name);
            return true;
        }

        std::string_view dir = name.substr(0, nameStart);
        if (dir == "\\") {
            // Root-relative: the root of the current drive stays the root.
            out = '\\';
        } else {
            if (EndsWithChar(dir, '\\'))
                dir.remove_suffix(1);
            if (!Convert(dir, out))
                return false;
            if (!out.empty() && !EndsWithChar(out, '\\'))
                out += '\\';
        }

        const std::size_t dirLength = out.size();
        out += name.substr(nameStart);
        const auto found = FSearch.Find(out);
        if (!found)
            return false;
        out.resize(dirLength);
        out += FShortName && !found->ShortName.empty() ? found->ShortName : found->LongName;
        return true;
    }

private:
    bool FShortName;
    std::size_t FRootLength;
    const IDirectorySearch& FSearch;
};

} // namespace

std::string ConvertFileName(std::string_view FileName, bool ShortName,
                            const IDirectorySearch& search) {
    std::string result;
    result.reserve(FileName.size() + 16);
    const TConverter converter(ShortName, NetworkRootLength(FileName), search);
    if (!converter.Convert(FileName, result))
        result.clear();
    return result;
}

} // namespace porutena
