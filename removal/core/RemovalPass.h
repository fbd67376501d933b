#pragma once
// One removal pass: the three files a removal program deletes, in their order, each in
// either the recorded install folder or the system folder.

#include "RemovalPlatform.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::removal {

enum class FolderSource { kInstallFolder, kSystemFolder };

struct RemovedFile {
    FolderSource folder;
    std::string_view name;
};

using RemovalTable = std::array<RemovedFile, 3>;

// What the uninstaller removes: the current add-in workbook, its help file and the
// settings library.
extern const RemovalTable kUninstallerFiles;
// What the legacy cleaner removes: the same three of the previous version.
extern const RemovalTable kLegacyFiles;

// The folders of one pass; a folder that may not be deleted in is left empty.
struct RemovalFolders {
    std::optional<std::string> install;
    std::optional<std::string> system;
};

// The full paths of a pass in the table's order; files whose folder is unusable are left out.
std::vector<std::string> removalPaths(const RemovalTable& files, const RemovalFolders& folders);

void runRemovalPass(const RemovalTable& files, const RemovalFolders& folders, FileDeleter& deleter);

// The system folder when the system tells one that is absolute.
std::optional<std::string> usableSystemFolder(const SystemFolder& systemFolder);

}  // namespace qv::removal
