#pragma once
// A per-user key store held in memory: keys by their full path, values by name, names compared
// without regard to ASCII case as the registry compares them. It can be told to fail.
#include "platform/RegistryKey.h"

#include <map>
#include <vector>

namespace porutena {

class TMemoryKeyStore final : public TKeyStore {
public:
    // Failures to simulate; names are compared as key and value names are.
    struct TFaults {
        bool OpenKey = false;     // no key can be opened or created
        std::string CreateSubKey; // the subkey of this name cannot be created
        std::string SetValue;     // the value of this name cannot be written
    };

    struct TWrite {
        std::string Key; // full path
        std::string Name;
        TRegValue Value;
    };

    TFaults Faults;

    std::unique_ptr<TRegistryKey> OpenKey(std::string_view path) override;

    // Direct access to the stored data, beside any open key.
    void Put(std::string_view keyPath, std::string_view name, TRegValue value);
    std::optional<TRegValue> Get(std::string_view keyPath, std::string_view name) const;
    bool HasKey(std::string_view keyPath) const;

    // Every value written through an open key, in order.
    const std::vector<TWrite>& Writes() const { return FWrites; }
    int OpenKeyCount() const { return FOpenKeys; }

private:
    class TMemoryKey;

    struct TNameLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using TValues = std::map<std::string, TRegValue, TNameLess>;

    static bool SameName(std::string_view a, std::string_view b);
    std::unique_ptr<TRegistryKey> Open(std::string path);

    std::map<std::string, TValues, TNameLess> FKeys;
    std::vector<TWrite> FWrites;
    int FOpenKeys = 0;
};

} // namespace porutena
