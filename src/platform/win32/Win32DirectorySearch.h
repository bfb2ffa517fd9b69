#pragma once
// Directory search through FindFirstFileW: long and 8.3 names as code page 932 text, a long
// name without a 932 form by its 8.3 name only.
#include "core/DirectorySearch.h"

namespace porutena {

class TWin32DirectorySearch final : public IDirectorySearch {
public:
    std::optional<TFoundEntry> Find(const std::string& path) const override;
};

} // namespace porutena
