#include "RemovalScene.h"

#include "WineMachine.h"

namespace qv::removal::wine_test {
namespace {

const std::vector<std::string> kDecoyFolders = {
    "C:",                                        // "\name": the current drive's root
    kCurrentFolder,                              // ".\name" or a blank folder
    std::string(kCurrentFolder) + "\\Quorvane",  // the relative folder "Quorvane"
    std::string(kRecordedFolder) + "X",          // an odd byte taken as a character
};

}  // namespace

RemovalScene::RemovalScene(ProgramFiles files) : files_(std::move(files)) {
    deleteKeyTree("Software\\Quorvane11");
    deleteKeyTree("Software\\Quorvane");
    for (const std::string& folder : kDecoyFolders) makeFolders(folder);
    makeFolders(kRecordedFolder);
    for (const std::string& path : watched()) placeFile(path);
}

std::string RemovalScene::recordedWorkbook() const {
    return std::string(kRecordedFolder) + "\\" + files_.workbookName;
}

std::string RemovalScene::library() const { return systemFolder() + "\\" + files_.libraryName; }

std::vector<std::string> RemovalScene::decoys() const {
    std::vector<std::string> paths;
    for (const std::string& folder : kDecoyFolders) {
        paths.push_back(folder + "\\" + files_.workbookName);
        paths.push_back(folder + "\\" + files_.helpName);
    }
    return paths;
}

std::vector<std::string> RemovalScene::recorded() const {
    return {recordedWorkbook(), std::string(kRecordedFolder) + "\\" + files_.helpName};
}

std::vector<std::string> RemovalScene::watched() const {
    std::vector<std::string> paths = decoys();
    for (const std::string& path : recorded()) paths.push_back(path);
    paths.push_back(library());
    return paths;
}

std::set<std::string> RemovalScene::existingFiles() const {
    std::set<std::string> existing;
    for (const std::string& path : watched()) {
        if (fileExists(path)) existing.insert(path);
    }
    return existing;
}

std::set<std::string> RemovalScene::expectedFiles(bool recordedRemoved,
                                                  const std::vector<std::string>& held) const {
    const std::vector<std::string> decoyPaths = decoys();
    std::set<std::string> expected(decoyPaths.begin(), decoyPaths.end());
    if (!recordedRemoved) {
        for (const std::string& path : recorded()) expected.insert(path);
    }
    expected.insert(held.begin(), held.end());
    return expected;
}

}  // namespace qv::removal::wine_test
