#include "support/MemoryKeyStore.h"

#include <algorithm>

namespace porutena {

namespace {

char FoldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

bool TMemoryKeyStore::TNameLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
    });
}

bool TMemoryKeyStore::SameName(std::string_view a, std::string_view b) {
    return !TNameLess()(a, b) && !TNameLess()(b, a);
}

// One open key: counted while it lives, so a test can see that every key is closed again.
class TMemoryKeyStore::TMemoryKey final : public TRegistryKey {
public:
    TMemoryKey(TMemoryKeyStore& store, std::string path) : FStore(store), FPath(std::move(path)) {
        ++FStore.FOpenKeys;
    }
    ~TMemoryKey() override { --FStore.FOpenKeys; }

    std::unique_ptr<TRegistryKey> OpenSubKey(std::string_view name, bool create) override {
        std::string path = FPath + "\\" + std::string(name);
        if (create) {
            if (SameName(name, FStore.Faults.CreateSubKey))
                return nullptr;
            FStore.FKeys.try_emplace(path);
        }
        if (!FStore.HasKey(path))
            return nullptr;
        return FStore.Open(std::move(path));
    }

    std::optional<TRegValue> QueryValue(std::string_view name) override {
        return FStore.Get(FPath, name);
    }

    bool SetString(std::string_view name, std::string_view text) override {
        if (SameName(name, FStore.Faults.SetValue))
            return false;
        TRegValue value{TRegType::String, std::string(text) + '\0'};
        FStore.FWrites.push_back({FPath, std::string(name), value});
        FStore.Put(FPath, name, std::move(value));
        return true;
    }

private:
    TMemoryKeyStore& FStore;
    std::string FPath;
};

std::unique_ptr<TRegistryKey> TMemoryKeyStore::Open(std::string path) {
    return std::make_unique<TMemoryKey>(*this, std::move(path));
}

std::unique_ptr<TRegistryKey> TMemoryKeyStore::OpenKey(std::string_view path) {
    if (Faults.OpenKey)
        return nullptr;
    FKeys.try_emplace(std::string(path));
    return Open(std::string(path));
}

void TMemoryKeyStore::Put(std::string_view keyPath, std::string_view name, TRegValue value) {
    auto key = FKeys.try_emplace(std::string(keyPath)).first;
    key->second.insert_or_assign(std::string(name), std::move(value));
}

std::optional<TRegValue> TMemoryKeyStore::Get(std::string_view keyPath,
                                              std::string_view name) const {
    const auto key = FKeys.find(keyPath);
    if (key == FKeys.end())
        return std::nullopt;
    const auto value = key->second.find(name);
    if (value == key->second.end())
        return std::nullopt;
    return value->second;
}

bool TMemoryKeyStore::HasKey(std::string_view keyPath) const {
    return FKeys.contains(keyPath);
}

} // namespace porutena
