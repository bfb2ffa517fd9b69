#pragma once
// Directory search over readdir, for building and testing the name logic off Windows.
#include "core/DirectorySearch.h"

namespace porutena {

// Windows names map onto the POSIX file system by turning each `\` character (never the second
// byte of a double-byte one) into `/`; nothing else changes, so `C:` is an ordinary name and
// `\dir` the absolute `/dir`. Only the last component ignores case; the directories before it
// must be spelled as stored, as the conversion passes them. Entries have no short names, and
// `.` and `..` are listed entries.
class TPosixDirectorySearch final : public IDirectorySearch {
public:
    std::optional<TFoundEntry> Find(const std::string& path) const override;
};

} // namespace porutena
