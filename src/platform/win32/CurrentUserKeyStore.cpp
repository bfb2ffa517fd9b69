#include "platform/win32/CurrentUserKeyStore.h"

#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"

#include <cstring>

namespace porutena {

namespace {

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A string value's UTF-16 bytes as program text, every unit kept, a NUL as a NUL; an odd last
// byte is no character and goes.
std::string ProgramText(std::string_view bytes) {
    std::wstring units(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(units.data(), bytes.data(), units.size() * sizeof(wchar_t));
    return Narrow(units);
}

class TWin32RegistryKey final : public TRegistryKey {
public:
    explicit TWin32RegistryKey(TOwnedRegKey key) : FKey(std::move(key)) {}

    std::unique_ptr<TRegistryKey> OpenSubKey(std::string_view name, bool create) override {
        TOwnedRegKey key = create ? CreateRegKey(FKey.Get(), name, KEY_READ | KEY_WRITE)
                                  : OpenRegKey(FKey.Get(), name, KEY_READ);
        if (!key)
            return nullptr;
        return std::make_unique<TWin32RegistryKey>(std::move(key));
    }

    std::optional<TRegValue> QueryValue(std::string_view name) override {
        const std::wstring valueName = Widen(name);
        DWORD type = REG_NONE;
        DWORD size = 0;
        LONG result =
            RegQueryValueExW(FKey.Get(), valueName.c_str(), nullptr, &type, nullptr, &size);
        std::string data;
        // The value may grow between the two calls; ask again until it fits.
        while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
            data.resize(size);
            result = RegQueryValueExW(FKey.Get(), valueName.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &size);
            if (result == ERROR_SUCCESS) {
                data.resize(size);
                if (IsStringType(type))
                    data = ProgramText(data);
                return TRegValue{static_cast<TRegType>(type), std::move(data)};
            }
        }
        return std::nullopt;
    }

    bool SetString(std::string_view name, std::string_view text) override {
        const std::wstring data = Widen(text); // c_str() supplies the NUL that the size counts
        return RegSetValueExW(FKey.Get(), Widen(name).c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(data.c_str()),
                              static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) ==
               ERROR_SUCCESS;
    }

private:
    TOwnedRegKey FKey;
};

} // namespace

std::unique_ptr<TRegistryKey> TCurrentUserKeyStore::OpenKey(std::string_view path) {
    TOwnedRegKey key = CreateRegKey(HKEY_CURRENT_USER, path, KEY_ALL_ACCESS);
    if (!key)
        return nullptr;
    return std::make_unique<TWin32RegistryKey>(std::move(key));
}

} // namespace porutena
