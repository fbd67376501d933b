#pragma once
// The registry store over the real Win32 registry, through the narrow-character (A)
// functions of advapi32.

#include "RegistryStore.h"

namespace qv::win {

class Win32RegistryStore final : public RegistryStore {
  public:
    RegistryStatus openKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                           std::unique_ptr<RegistryKey>& key) override;
    RegistryStatus createKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                             std::unique_ptr<RegistryKey>& key, bool& existed) override;
    RegistryStatus deleteKey(RegistryRoot root, const std::string& path) override;
    std::unique_ptr<RegistryKey> rootKey(RegistryRoot root) override;
};

}  // namespace qv::win
