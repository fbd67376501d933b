#include "LegacyCleaner.h"

#include "FolderRules.h"
#include "SettingsText.h"
#include "Utf16Text.h"

#include <variant>

namespace qv::removal {
std::optional<std::string> readLegacyInstallFolder(const RegistryAccess& registry,
                                                   const AnsiCodePage& codePage) {
    const auto value =
        registry.getValue(kCurrentUser, kLegacyRecordKey, kLegacyFolderValue, kBinaryValue);
    const Bytes* bytes = value ? std::get_if<Bytes>(&*value) : nullptr;
    if (!bytes) return std::nullopt;
    std::wstring text = textFromUtf16LeBytes(*bytes);
    // The file functions stop at the first zero: trim what they will see.
    text = trimBlanks(text.substr(0, text.find(L'\0')));
    const std::string folder = codePage.fromText(text);
    if (codePage.toText(folder) != text) return std::nullopt;
    return usableFolder(folder);
}

void runLegacyCleaner(const RegistryAccess& registry, const AnsiCodePage& codePage,
                      const SystemFolder& systemFolder, FileDeleter& deleter) {
    for (int pass = 0; pass < kLegacyPasses; ++pass) {
        RemovalFolders folders;
        folders.system = usableSystemFolder(systemFolder);
        folders.install = readLegacyInstallFolder(registry, codePage);
        runRemovalPass(kLegacyFiles, folders, deleter);
    }
}

}  // namespace qv::removal
