#pragma once
// One owner for every kind of handle: it moves but never copies, and closes what it holds
// through `Closer::Close` when it goes or takes another. A closer whose handles mean "none" by
// another value than the default one (a find handle's INVALID_HANDLE_VALUE) gives `None()`.
#include <utility>

namespace porutena {

template <class Handle, class Closer> class TOwned {
public:
    TOwned() noexcept = default;
    explicit TOwned(Handle handle) noexcept : FHandle(handle) {}
    TOwned(TOwned&& other) noexcept : FHandle(other.Release()) {}
    TOwned& operator=(TOwned&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    TOwned(const TOwned&) = delete;
    TOwned& operator=(const TOwned&) = delete;
    ~TOwned() { Reset(); }

    Handle Get() const noexcept { return FHandle; }
    // Passes the handle on; the owner holds none afterwards.
    Handle Release() noexcept { return std::exchange(FHandle, None()); }
    // Closes the handle held and takes `handle`.
    void Reset(Handle handle = None()) noexcept {
        const Handle old = std::exchange(FHandle, handle);
        if (old != None())
            Closer::Close(old);
    }
    explicit operator bool() const noexcept { return FHandle != None(); }

private:
    static Handle None() noexcept {
        if constexpr (requires { Closer::None(); })
            return Closer::None();
        else
            return Handle{};
    }

    Handle FHandle = None();
};

} // namespace porutena
