#pragma once
// A reusable settings store: one per-user key, "Software\<company>\<product>", read with ini-file
// vocabulary (a section is a subkey, an ident a value in it, every value a string).
//
// The key is open only while values are loaded or saved. A descendant ends its creation with
// Load, so no one sees an object that was never loaded; its owner calls Save before releasing
// it, because a destructor must not throw. A load goes through every value even when one fails:
// the bad value keeps its default and the first failure waits in RaiseLoadError.
#include "platform/RegistryKey.h"

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace porutena {

class TMyRegistry {
public:
    TMyRegistry(const TMyRegistry&) = delete;
    TMyRegistry& operator=(const TMyRegistry&) = delete;
    // Releases only; nothing is written here.
    virtual ~TMyRegistry() = default;

    // Writes every value; an EError stops it at the first value that cannot be written. Nothing
    // is written when the key could not be opened at load, so stored values are never replaced
    // by defaults that were not read from them.
    void Save();
    // Performs Save.
    virtual void Flush();
    // Raises the first error of the load, once; later calls do nothing.
    void RaiseLoadError();

    const std::string& KeyName() const { return FKeyName; }

protected:
    TMyRegistry(TKeyStore& keyStore, std::string_view company, std::string_view product);

    // Reads every value through ReadValues; a key that cannot be opened leaves the defaults.
    void Load();

    virtual void ReadValues() = 0;
    virtual void WriteValues() = 0;

    // Reads on the open key: the default when the subkey, the value or a valid integer text is
    // missing; a value that is not a string is kept as the load's error and gives the default.
    std::int32_t ReadInteger(std::string_view section, std::string_view ident, std::int32_t def);
    bool ReadBool(std::string_view section, std::string_view ident, bool def);
    // Writes on the open key as a string ("1"/"0" for booleans); EError when it fails.
    void WriteInteger(std::string_view section, std::string_view ident, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view ident, bool value);

    // Keeps `error` for RaiseLoadError unless an earlier one waits there.
    void KeepLoadError(std::exception_ptr error);

private:
    void WriteString(std::string_view section, std::string_view ident, std::string_view text);

    TKeyStore& FKeyStore;
    std::string FKeyName;
    std::unique_ptr<TRegistryKey> FIniFile; // open during Load and Save only
    std::exception_ptr FLoadError;
    bool FKeyReachable = false; // the key could be opened at load
};

} // namespace porutena
