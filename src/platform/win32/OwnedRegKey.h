#pragma once
// An owned registry key handle, closed when its owner goes.
#include <windows.h>

#include <utility>

namespace porutena {

class TOwnedRegKey {
public:
    TOwnedRegKey() = default;
    explicit TOwnedRegKey(HKEY key) : FKey(key) {}
    TOwnedRegKey(TOwnedRegKey&& other) noexcept : FKey(std::exchange(other.FKey, nullptr)) {}
    TOwnedRegKey& operator=(TOwnedRegKey&& other) noexcept {
        if (this != &other) {
            Close();
            FKey = std::exchange(other.FKey, nullptr);
        }
        return *this;
    }
    TOwnedRegKey(const TOwnedRegKey&) = delete;
    TOwnedRegKey& operator=(const TOwnedRegKey&) = delete;
    ~TOwnedRegKey() { Close(); }

    HKEY Get() const { return FKey; }
    explicit operator bool() const { return FKey != nullptr; }

    // RegOpenKeyExA; an empty owner when it fails.
    static TOwnedRegKey Open(HKEY parent, const char* name, REGSAM access) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(parent, name, 0, access, &key) != ERROR_SUCCESS)
            return {};
        return TOwnedRegKey(key);
    }

    // RegCreateKeyExA (opens an existing key as well); an empty owner when it fails.
    static TOwnedRegKey Create(HKEY parent, const char* name, REGSAM access) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                            &key, nullptr) != ERROR_SUCCESS)
            return {};
        return TOwnedRegKey(key);
    }

private:
    void Close() {
        if (FKey)
            RegCloseKey(FKey);
        FKey = nullptr;
    }

    HKEY FKey = nullptr;
};

} // namespace porutena
