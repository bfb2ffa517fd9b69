#pragma once
// A Windows tree in memory for the name conversion: drives and network shares, long names with
// their 8.3 forms, a current directory, and a record of every search asked for.
#include "core/DirectorySearch.h"

#include <string>
#include <string_view>
#include <vector>

namespace porutena {

class TFakeFileSystem final : public IDirectorySearch {
public:
    // Adds the entries of an absolute name (`C:\...` or `\\server\share\...`) in order, creating
    // directories on the way. A component may carry its 8.3 name after `|`:
    // "C:\\Program Files|PROGRA~1\\x.txt".
    void Add(std::string_view path);

    // An absolute directory on a drive, written in long names, without a final `\`.
    void SetCurrentDirectory(std::string_view path);

    // Matches as Windows does: the last component against long or short names, case aside,
    // with wildcards; earlier ones exactly, `.` and `..` followed; `.` and `..` listed first
    // in every directory but a root.
    std::optional<TFoundEntry> Find(const std::string& path) const override;

    const std::vector<std::string>& Searches() const { return FSearches; }

private:
    struct TNode {
        std::string LongName;
        std::string ShortName;
        std::vector<TNode> Children;
    };

    std::string Absolute(std::string_view path) const;

    std::vector<TNode> FRoots; // named `C:` or `\\server\share`
    std::string FCurrentDirectory = "C:";
    mutable std::vector<std::string> FSearches;
};

} // namespace porutena
