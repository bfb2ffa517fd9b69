#include "platform/win32/DroppedFiles.h"

#include "platform/win32/GlobalMemory.h"

#include <shlobj.h>

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

namespace {

// The names of a DROPFILES block in one walk, each up to its NUL and within the block; a
// name past the block's end reads as empty. Wide names take the system's code page, as
// DragQueryFileA gives them.
std::vector<std::string> ReadNames(const char* block, std::size_t size, UINT count) {
    const auto& header = *reinterpret_cast<const DROPFILES*>(block);
    std::vector<std::string> names;
    names.reserve(count);
    std::size_t at = header.pFiles;
    for (UINT i = 0; i < count; ++i) {
        if (at >= size) {
            names.emplace_back();
            continue;
        }
        if (!header.fWide) {
            const std::size_t length = strnlen(block + at, size - at);
            names.emplace_back(block + at, length);
            at += length + 1;
            continue;
        }
        std::wstring wide;
        for (; at + 1 < size; at += 2) {
            wchar_t c;
            std::memcpy(&c, block + at, sizeof c);
            if (c == L'\0')
                break;
            wide += c;
        }
        at += 2;
        std::string name;
        if (!wide.empty()) {
            const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                              nullptr, 0, nullptr, nullptr);
            name.resize(static_cast<std::size_t>(n));
            WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), name.data(),
                                n, nullptr, nullptr);
        }
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace

std::vector<std::string> TDroppedFiles::Names() const {
    const UINT count = Count();
    if (count == 0)
        return {};
    // DragQueryFileA walks the list from its start for every index, which makes reading a
    // large drop name by name quadratic; the block is read in one walk instead.
    const TGlobalLock lock(FDrop);
    if (lock.Data() && lock.Size() >= sizeof(DROPFILES))
        return ReadNames(static_cast<const char*>(lock.Data()), lock.Size(), count);
    std::vector<std::string> names;
    names.reserve(count);
    for (UINT i = 0; i < count; ++i)
        names.push_back(Name(i));
    return names;
}

} // namespace porutena
