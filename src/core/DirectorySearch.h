#pragma once
// The one file-system operation the name conversion needs.
#include <optional>
#include <string>

namespace porutena {

struct TFoundEntry {
    std::string LongName;  // as stored, at most 259 bytes
    std::string ShortName; // the 8.3 alternate name; empty when the long name already is one
};

class IDirectorySearch {
public:
    virtual ~IDirectorySearch() = default;

    // The first entry, in directory order, whose name matches the last component of `path`
    // without regard to case, `*` and `?` being wildcards there. Entries of every kind
    // (hidden, system, directories...) match. Nothing is left open between calls.
    virtual std::optional<TFoundEntry> Find(const std::string& path) const = 0;
};

} // namespace porutena
