#pragma once
// The per-user keys of the Windows registry, below HKEY_CURRENT_USER.
#include "platform/RegistryKey.h"

namespace porutena {

class TCurrentUserKeyStore final : public TKeyStore {
public:
    std::unique_ptr<TRegistryKey> OpenKey(std::string_view path) override;
};

} // namespace porutena
