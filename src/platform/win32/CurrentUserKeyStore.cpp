#include "platform/win32/CurrentUserKeyStore.h"

#include "platform/win32/Handles.h"

namespace porutena {

namespace {

class TWin32RegistryKey final : public TRegistryKey {
public:
    explicit TWin32RegistryKey(TOwnedRegKey key) : FKey(std::move(key)) {}

    std::unique_ptr<TRegistryKey> OpenSubKey(std::string_view name, bool create) override {
        const std::string subKey(name);
        TOwnedRegKey key = create ? CreateRegKey(FKey.Get(), subKey.c_str(), KEY_READ | KEY_WRITE)
                                  : OpenRegKey(FKey.Get(), subKey.c_str(), KEY_READ);
        if (!key)
            return nullptr;
        return std::make_unique<TWin32RegistryKey>(std::move(key));
    }

    std::optional<TRegValue> QueryValue(std::string_view name) override {
        const std::string valueName(name);
        DWORD type = REG_NONE;
        DWORD size = 0;
        LONG result =
            RegQueryValueExA(FKey.Get(), valueName.c_str(), nullptr, &type, nullptr, &size);
        std::string data;
        // The value may grow between the two calls; ask again until it fits.
        while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
            data.resize(size);
            result = RegQueryValueExA(FKey.Get(), valueName.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &size);
            if (result == ERROR_SUCCESS) {
                data.resize(size);
                return TRegValue{static_cast<TRegType>(type), std::move(data)};
            }
        }
        return std::nullopt;
    }

    bool SetString(std::string_view name, std::string_view text) override {
        const std::string valueName(name);
        const std::string data(text); // c_str() supplies the NUL that the size counts
        return RegSetValueExA(FKey.Get(), valueName.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(data.c_str()),
                              static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
    }

private:
    TOwnedRegKey FKey;
};

} // namespace

std::unique_ptr<TRegistryKey> TCurrentUserKeyStore::OpenKey(std::string_view path) {
    const std::string keyPath(path);
    TOwnedRegKey key = CreateRegKey(HKEY_CURRENT_USER, keyPath.c_str(), KEY_ALL_ACCESS);
    if (!key)
        return nullptr;
    return std::make_unique<TWin32RegistryKey>(std::move(key));
}

} // namespace porutena
