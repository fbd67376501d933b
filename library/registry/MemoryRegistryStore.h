#pragma once
// A registry kept in memory that behaves like the Win32 one in every way the library
// relies on: key and value names match without regard to letter case, a key with subkeys
// cannot be deleted, subkeys are listed in name order, buffers that are too small give
// kMoreData, handles to a deleted key stop working. Used by the host build and its tests.

#include "RegistryStore.h"

#include <map>
#include <memory>

namespace qv {

class MemoryRegistryStore final : public RegistryStore {
  public:
    struct Node;
    using NodePtr = std::shared_ptr<Node>;

    MemoryRegistryStore();

    RegistryStatus openKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                           std::unique_ptr<RegistryKey>& key) override;
    RegistryStatus createKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                             std::unique_ptr<RegistryKey>& key, bool& existed) override;
    RegistryStatus deleteKey(RegistryRoot root, const std::string& path) override;
    std::unique_ptr<RegistryKey> rootKey(RegistryRoot root) override;

    // Makes every later createKey fail with `status` (kSuccess: creation works again), as a
    // registry that refuses new keys would.
    void refuseKeyCreation(RegistryStatus status) { creationStatus_ = status; }

  private:
    std::map<RegistryRoot, NodePtr> roots_;
    RegistryStatus creationStatus_ = kSuccess;
};

}  // namespace qv
