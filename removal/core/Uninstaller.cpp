#include "Uninstaller.h"

#include "FolderRules.h"

#include <memory>

namespace qv::removal {

std::optional<std::string> readInstallFolder(RegistryStore& store) {
    std::unique_ptr<RegistryKey> key;
    if (store.openKey(kCurrentUser, kInstallRecordKey, kKeyAllAccess, key) != kSuccess) {
        return std::nullopt;
    }
    Bytes data;
    if (key->queryValue(kInstallFolderValue, kInstallFolderBufferSize, data) != kSuccess) {
        return std::nullopt;
    }
    // Dropping the terminating zero is cutting at the first zero; a value stored without one
    // keeps its last character, so the folder is never shortened into another one.
    return usableFolder(std::string(data.begin(), data.end()));
}

void Uninstaller::onTimerTick(UninstallerWindow& window) {
    if (passes_ >= kUninstallerPasses) return;
    const RemovalFolders folders{readInstallFolder(store_), usableSystemFolder(systemFolder_)};
    while (passes_ < kUninstallerPasses) {
        runRemovalPass(kUninstallerFiles, folders, deleter_);
        window.hide();
        ++passes_;
    }
}

}  // namespace qv::removal
