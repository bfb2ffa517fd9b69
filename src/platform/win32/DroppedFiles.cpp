#include "platform/win32/DroppedFiles.h"

#include "platform/win32/ScopeGuards.h"
#include "platform/win32/WideText.h"

#include <shlobj.h>

#include <cstring>
#include <cwchar>
#include <utility>

namespace porutena {

TDroppedFiles::TDroppedFiles(HDROP drop, TRelease release)
    : FDrop(drop), FRelease(std::move(release)) {}

TDroppedFiles::~TDroppedFiles() {
    if (FDrop)
        FRelease(FDrop);
}

UINT TDroppedFiles::Count() const {
    return DragQueryFileW(FDrop, 0xFFFFFFFF, nullptr, 0);
}

std::string TDroppedFiles::Name(UINT index) const {
    const UINT length = DragQueryFileW(FDrop, index, nullptr, 0);
    if (length == 0)
        return {};
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    DragQueryFileW(FDrop, index, name.data(), static_cast<UINT>(name.size()));
    name.resize(wcsnlen(name.data(), name.size()));
    return NarrowName(name);
}

namespace {

// The names of a DROPFILES block in one walk, each up to its NUL and within the block; a
// name past the block's end reads as empty. Wide names become program text as Name makes them.
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
        names.push_back(NarrowName(wide));
    }
    return names;
}

} // namespace

std::vector<std::string> TDroppedFiles::Names() const {
    const UINT count = Count();
    if (count == 0)
        return {};
    // DragQueryFileW walks the list from its start for every index, which makes reading a
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
