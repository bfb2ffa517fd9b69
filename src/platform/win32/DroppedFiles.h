#pragma once
// The names in a drop of files from the shell.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace porutena {

// Owns an HDROP and releases it (DragFinish) when it goes, on every path.
class TDroppedFiles {
public:
    using TRelease = std::function<void(HDROP)>;

    // `release` frees the drop; tests pass one that also counts.
    explicit TDroppedFiles(HDROP drop, TRelease release = ::DragFinish);
    TDroppedFiles(const TDroppedFiles&) = delete;
    TDroppedFiles& operator=(const TDroppedFiles&) = delete;
    ~TDroppedFiles();

    UINT Count() const;

    // The name at `index`, whole however long it is, read in UTF-16 and made program text by
    // NarrowName; empty for an index out of range.
    std::string Name(UINT index) const;

    // Every name in drop order.
    std::vector<std::string> Names() const;

private:
    HDROP FDrop;
    TRelease FRelease;
};

} // namespace porutena
