#include "platform/win32/DroppedFiles.h"

#include <cstring>
#include <utility>

namespace porutena {

TDroppedFiles::TDroppedFiles(HDROP drop, TRelease release)
    : FDrop(drop), FRelease(std::move(release)) {}

TDroppedFiles::~TDroppedFiles() {
    if (FDrop)
        FRelease(FDrop);
}

UINT TDroppedFiles::Count() const {
    return DragQueryFileA(FDrop, 0xFFFFFFFF, nullptr, 0);
}

std::string TDroppedFiles::Name(UINT index) const {
    const UINT length = DragQueryFileA(FDrop, index, nullptr, 0);
    if (length == 0)
        return {};
    // A drop in UTF-16 may report its length in UTF-16 units, while the converted name can
    // take two bytes for each; so the buffer is sized for that and the name read up to NUL.
    std::string name(2 * static_cast<std::size_t>(length) + 1, '\0');
    DragQueryFileA(FDrop, index, name.data(), static_cast<UINT>(name.size()));
    name.resize(strnlen(name.data(), name.size()));
    return name;
}

std::vector<std::string> TDroppedFiles::Names() const {
    const UINT count = Count();
    std::vector<std::string> names;
    names.reserve(count);
    for (UINT i = 0; i < count; ++i)
        names.push_back(Name(i));
    return names;
}

} // namespace porutena
