#pragma once
// The members of the file-system automation object the engine uses. Each call stands for
// one object created and released around it; failures raise RuntimeError with the
// object's number and description.

#include <string>
#include <vector>

namespace qv::setup {

constexpr int kFixedDrive = 2;  // DriveType of a fixed disk

struct DriveEntry {
    std::wstring path;  // "C:"
    int driveType = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool fileExists(const std::wstring& fileName) = 0;
    virtual bool folderExists(const std::wstring& folder) = 0;
    // Creates the last level only.
    virtual void createFolder(const std::wstring& folder) = 0;
    virtual void deleteFile(const std::wstring& fileName, bool force) = 0;
    virtual void copyFile(const std::wstring& source, const std::wstring& destination,
                          bool overwrite) = 0;
    // The machine's drives in drive-letter order.
    virtual std::vector<DriveEntry> drives() = 0;
    // The drive part of a path: "D:" for a local path, the share root for a network path.
    virtual std::wstring getDriveName(const std::wstring& path) = 0;
};

}  // namespace qv::setup
