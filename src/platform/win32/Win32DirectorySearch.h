#pragma once
// Directory search through FindFirstFileA (code page 932 names, long and 8.3 forms).
#include "platform/DirectorySearch.h"

namespace porutena {

class TWin32DirectorySearch final : public IDirectorySearch {
public:
    std::optional<TFoundEntry> Find(const std::string& path) const override;
};

} // namespace porutena
