#pragma once
// The legacy cleaner's work: three removal passes of the previous version's files, each
// reading the system folder and the old install folder again. The old install folder is a
// binary text value (UTF-16LE bytes) "Dir" under the previous version's key.

#include "AnsiCodePage.h"
#include "RegistryAccess.h"
#include "RemovalPass.h"

#include <optional>
#include <string>

namespace qv::removal {

constexpr int kLegacyPasses = 3;
constexpr wchar_t kLegacyRecordKey[] = L"Software\\Quorvane\\Groupdate";
constexpr wchar_t kLegacyFolderValue[] = L"Dir";

// The old install folder in the ANSI code page, trimmed of blanks, or nothing when it names
// no folder to delete in: key or value missing, a value that does not fit the binary buffer,
// a folder that is blank or not absolute, or one the code page cannot name exactly (a
// best-fit letter could name another folder). An odd last byte is dropped.
std::optional<std::string> readLegacyInstallFolder(const RegistryAccess& registry,
                                                   const AnsiCodePage& codePage);

void runLegacyCleaner(const RegistryAccess& registry, const AnsiCodePage& codePage,
                      const SystemFolder& systemFolder, FileDeleter& deleter);

}  // namespace qv::removal
