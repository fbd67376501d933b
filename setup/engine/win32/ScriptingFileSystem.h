#pragma once
// The file system through "Scripting.FileSystemObject", one object created and released
// around each call.

#include "FileSystem.h"

namespace qv::setup::win {

class ScriptingFileSystem final : public FileSystem {
  public:
    bool fileExists(const std::wstring& fileName) override;
    bool folderExists(const std::wstring& folder) override;
    void createFolder(const std::wstring& folder) override;
    void deleteFile(const std::wstring& fileName, bool force) override;
    void copyFile(const std::wstring& source, const std::wstring& destination,
                  bool overwrite) override;
    // Walks the letters A to Z (see the source for why).
    std::vector<DriveEntry> drives() override;
    std::wstring getDriveName(const std::wstring& path) override;
};

}  // namespace qv::setup::win
