#pragma once
// The registry as the settings see it: a key opened for reading and writing, its subkeys and
// their named values. A key is closed when its object is released.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace porutena {

// Value types, numbered as the registry numbers them; any other number may occur as well.
enum class TRegType : std::uint32_t {
    None = 0,
    String = 1,
    ExpandString = 2,
    Binary = 3,
    Dword = 4,
    MultiString = 7,
};

struct TRegValue {
    TRegType Type = TRegType::None;
    std::string Data; // the stored bytes; a string's terminating NUL is part of them
};

class TRegistryKey {
public:
    TRegistryKey() = default;
    TRegistryKey(const TRegistryKey&) = delete;
    TRegistryKey& operator=(const TRegistryKey&) = delete;
    virtual ~TRegistryKey() = default;

    // The subkey `name`, created first when `create`; null when it is missing or cannot be
    // opened or created.
    virtual std::unique_ptr<TRegistryKey> OpenSubKey(std::string_view name, bool create) = 0;
    // The type and bytes of the value `name`; none when there is no such value.
    virtual std::optional<TRegValue> QueryValue(std::string_view name) = 0;
    // Stores `text` as a plain string value, its terminating NUL counted in the data.
    virtual bool SetString(std::string_view name, std::string_view text) = 0;
};

// Where per-user keys live.
class TKeyStore {
public:
    TKeyStore() = default;
    TKeyStore(const TKeyStore&) = delete;
    TKeyStore& operator=(const TKeyStore&) = delete;
    virtual ~TKeyStore() = default;

    // The key at `path` with full access, created if missing; null when it cannot be.
    virtual std::unique_ptr<TRegistryKey> OpenKey(std::string_view path) = 0;
};

} // namespace porutena
