#include "platform/posix/PosixDirectorySearch.h"

#include "core/Text.h"
#include "platform/Owned.h"

#include <dirent.h>

namespace porutena {

namespace {

struct TDirCloser {
    static void Close(DIR* dir) noexcept { closedir(dir); }
};
using TOwnedDir = TOwned<DIR*, TDirCloser>;

} // namespace

std::optional<TFoundEntry> TPosixDirectorySearch::Find(const std::string& path) const {
    const std::string posixPath = ReplaceBackslash(path, "/");
    // `/` is never the second byte of a double-byte character, so a byte search is safe here.
    const std::size_t slash = posixPath.rfind('/');
    const std::string_view pattern = std::string_view(posixPath).substr(slash + 1);
    if (pattern.empty())
        return std::nullopt;
    const std::string directory = slash == std::string::npos ? "."
                                  : slash == 0               ? "/"
                                                             : posixPath.substr(0, slash);

    const TOwnedDir dir(opendir(directory.c_str()));
    if (!dir)
        return std::nullopt;
    while (const dirent* entry = readdir(dir.Get())) {
        if (MatchesWildcard(pattern, entry->d_name))
            return TFoundEntry{entry->d_name, {}};
    }
    return std::nullopt;
}

} // namespace porutena
