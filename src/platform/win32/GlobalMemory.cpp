#include "platform/win32/GlobalMemory.h"

#include <new>
#include <utility>

namespace porutena {

TGlobalMemory& TGlobalMemory::operator=(TGlobalMemory&& other) noexcept {
    TGlobalMemory old(std::exchange(FHandle, other.Release()));
    return *this;
}

TGlobalMemory::~TGlobalMemory() {
    if (FHandle)
        GlobalFree(FHandle);
}

TGlobalMemory TGlobalMemory::Allocate(UINT flags, std::size_t size) {
    const HGLOBAL handle = GlobalAlloc(flags, size);
    if (!handle)
        throw std::bad_alloc();
    return TGlobalMemory(handle);
}

HGLOBAL TGlobalMemory::Release() noexcept {
    return std::exchange(FHandle, nullptr);
}

TGlobalLock::TGlobalLock(HGLOBAL handle) noexcept : FHandle(handle), FData(GlobalLock(handle)) {}

TGlobalLock::~TGlobalLock() {
    if (FData)
        GlobalUnlock(FHandle);
}

} // namespace porutena
