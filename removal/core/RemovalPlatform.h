#pragma once
// What the removal programs need from the machine besides the registry: the system folder
// and file deletion. Paths are bytes in the system's ANSI code page, as the narrow-character
// file functions take them.

#include <optional>
#include <string>

namespace qv::removal {

class SystemFolder {
  public:
    virtual ~SystemFolder() = default;
    // The Windows system folder, or nothing when the system does not tell it.
    virtual std::optional<std::string> read() const = 0;
};

class FileDeleter {
  public:
    virtual ~FileDeleter() = default;
    // Deletes one file. Never throws and reports nothing: a file that is missing or in use
    // simply stays, and a later pass tries it again.
    virtual void deleteFile(const std::string& path) = 0;
};

}  // namespace qv::removal
