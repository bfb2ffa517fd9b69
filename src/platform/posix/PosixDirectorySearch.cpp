#include "platform/posix/PosixDirectorySearch.h"

#include "core/Text.h"

#include <dirent.h>

#include <memory>

namespace porutena {

namespace {

struct TDirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

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

    const std::unique_ptr<DIR, TDirCloser> dir(opendir(directory.c_str()));
    if (!dir)
        return std::nullopt;
    while (const dirent* entry = readdir(dir.get())) {
        if (MatchesWildcard(pattern, entry->d_name))
            return TFoundEntry{entry->d_name, {}};
    }
    return std::nullopt;
}

} // namespace porutena
