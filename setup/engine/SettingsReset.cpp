// The reset of the whole settings tree before a fresh installation records itself.

#include "LibraryError.h"
#include "SetupEngine.h"
#include "SettingsTree.h"

namespace qv::setup {

bool SetupEngine::prcReset_Settings() {
    try {
        // A key that is missing or still has sub-keys is passed over by deleteKey itself.
        for (const auto& path : settingsDeletionOrder()) registry_.deleteKey(kCurrentUser, path);
    } catch (const LibraryError&) {
        return false;
    }
    return true;
}

}  // namespace qv::setup
