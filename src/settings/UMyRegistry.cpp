#include "settings/UMyRegistry.h"

#include "core/Errors.h"
#include "core/Text.h"

#include <utility>

namespace porutena {

namespace {

// Closes the key when a load or save ends, however it ends.
class TKeyScope {
public:
    TKeyScope(std::unique_ptr<TRegistryKey>& slot, std::unique_ptr<TRegistryKey> key)
        : FSlot(slot) {
        FSlot = std::move(key);
    }
    TKeyScope(const TKeyScope&) = delete;
    TKeyScope& operator=(const TKeyScope&) = delete;
    ~TKeyScope() { FSlot.reset(); }

private:
    std::unique_ptr<TRegistryKey>& FSlot;
};

// A message naming a key or value.
EError NameError(std::string_view before, std::string_view name, std::string_view after) {
    std::string text(before);
    text.append(name).append(after);
    return EError(text);
}

} // namespace

TMyRegistry::TMyRegistry(TKeyStore& keyStore, std::string_view company, std::string_view product)
    : FKeyStore(keyStore),
      FKeyName("Software\\" + std::string(company) + "\\" + std::string(product)) {}

void TMyRegistry::Load() {
    FLoadError = nullptr;
    TKeyScope scope(FIniFile, FKeyStore.OpenKey(FKeyName));
    FKeyReachable = FIniFile != nullptr;
    ReadValues();
}

void TMyRegistry::Save() {
    if (!FKeyReachable)
        return;
    TKeyScope scope(FIniFile, FKeyStore.OpenKey(FKeyName));
    if (!FIniFile)
        throw NameError("キー ", FKeyName, " の作成に失敗しました");
    WriteValues();
}

void TMyRegistry::Flush() {
    Save();
}

void TMyRegistry::RaiseLoadError() {
    if (FLoadError)
        std::rethrow_exception(std::exchange(FLoadError, nullptr));
}

void TMyRegistry::KeepLoadError(std::exception_ptr error) {
    if (!FLoadError)
        FLoadError = std::move(error);
}

std::int32_t TMyRegistry::ReadInteger(std::string_view section, std::string_view ident,
                                      std::int32_t def) {
    if (!FIniFile)
        return def;
    const auto key = FIniFile->OpenSubKey(section, false);
    if (!key)
        return def;
    const auto value = key->QueryValue(ident);
    if (!value)
        return def;
    if (value->Type != TRegType::String && value->Type != TRegType::ExpandString) {
        KeepLoadError(std::make_exception_ptr(NameError("'", ident, "' のデータ型が不正です")));
        return def;
    }
    const std::string_view data = value->Data;
    return TryStrToInt(data.substr(0, data.find('\0'))).value_or(def);
}

bool TMyRegistry::ReadBool(std::string_view section, std::string_view ident, bool def) {
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TMyRegistry::WriteString(std::string_view section, std::string_view ident,
                              std::string_view text) {
    const auto key = FIniFile->OpenSubKey(section, true);
    if (!key)
        throw NameError("キー ", section, " の作成に失敗しました");
    if (!key->SetString(ident, text))
        throw NameError("'", ident, "' の設定に失敗しました");
}

void TMyRegistry::WriteInteger(std::string_view section, std::string_view ident,
                               std::int32_t value) {
    WriteString(section, ident, IntToStr(value));
}

void TMyRegistry::WriteBool(std::string_view section, std::string_view ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

} // namespace porutena
