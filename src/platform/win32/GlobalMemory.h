#pragma once
// Owning and locking wrappers for global memory handles.
#include <windows.h>

#include <cstddef>

namespace porutena {

// Owns an HGLOBAL and frees it unless ownership was passed on with Release.
class TGlobalMemory {
public:
    TGlobalMemory() = default;
    explicit TGlobalMemory(HGLOBAL handle) noexcept : FHandle(handle) {}
    TGlobalMemory(TGlobalMemory&& other) noexcept : FHandle(other.Release()) {}
    TGlobalMemory& operator=(TGlobalMemory&& other) noexcept;
    TGlobalMemory(const TGlobalMemory&) = delete;
    TGlobalMemory& operator=(const TGlobalMemory&) = delete;
    ~TGlobalMemory();

    // GlobalAlloc with `flags`; throws std::bad_alloc when it fails.
    static TGlobalMemory Allocate(UINT flags, std::size_t size);

    HGLOBAL Get() const noexcept { return FHandle; }
    HGLOBAL Release() noexcept;

private:
    HGLOBAL FHandle = nullptr;
};

// Keeps a borrowed HGLOBAL locked for its lifetime. Data() is null when locking failed.
class TGlobalLock {
public:
    explicit TGlobalLock(HGLOBAL handle) noexcept;
    TGlobalLock(const TGlobalLock&) = delete;
    TGlobalLock& operator=(const TGlobalLock&) = delete;
    ~TGlobalLock();

    void* Data() const noexcept { return FData; }
    std::size_t Size() const noexcept { return GlobalSize(FHandle); }

private:
    HGLOBAL FHandle;
    void* FData;
};

} // namespace porutena
