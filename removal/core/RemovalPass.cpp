#include "RemovalPass.h"

#include "FolderRules.h"

namespace qv::removal {

const RemovalTable kUninstallerFiles = {{
    {FolderSource::kInstallFolder, "Quorvane11.chm"},
    {FolderSource::kInstallFolder, "Quorvane Function11.xla"},
    {FolderSource::kSystemFolder, "IQV_v011.dll"},
}};

const RemovalTable kLegacyFiles = {{
    {FolderSource::kInstallFolder, "Quorvane Function.xla"},
    {FolderSource::kInstallFolder, "Quorvane.chm"},
    {FolderSource::kSystemFolder, "IQV_v01.dll"},
}};

std::vector<std::string> removalPaths(const RemovalTable& files, const RemovalFolders& folders) {
    std::vector<std::string> paths;
    for (const RemovedFile& file : files) {
        const auto& folder =
            file.folder == FolderSource::kInstallFolder ? folders.install : folders.system;
        if (!folder) continue;
        paths.push_back(*folder + "\\" + std::string(file.name));
    }
    return paths;
}

void runRemovalPass(const RemovalTable& files, const RemovalFolders& folders,
                    FileDeleter& deleter) {
    for (const std::string& path : removalPaths(files, folders)) deleter.deleteFile(path);
}

std::optional<std::string> usableSystemFolder(const SystemFolder& systemFolder) {
    const auto folder = systemFolder.read();
    if (!folder) return std::nullopt;
    return usableFolder(*folder);
}

}  // namespace qv::removal
