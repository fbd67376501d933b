// The driver of the setup: start-up, the page steps, the records and the update.

#include "ComponentTable.h"
#include "FolderRules.h"
#include "LibraryError.h"
#include "RuntimeError.h"
#include "SetupEngine.h"
#include "SetupTexts.h"
#include "SettingsTree.h"
#include "TextRules.h"

namespace qv::setup {
namespace {

constexpr std::size_t kLongestRecordedDir = 255;

// Runs one step whose errors the procedure passes over, as the records steps do.
template <class Step>
void ignoringErrors(Step step) {
    try {
        step();
    } catch (const RuntimeError&) {
    } catch (const LibraryError&) {
    }
}

}  // namespace

void SetupEngine::prcStartup() {
    prcCheck_Excel();
    gUpdate_Mode = false;
    prcCopy_Uninstall();
    installMissingComponents();
    gUpdate_Mode = earlierInstallationFound();
    if (!gUpdate_Mode) pages_.setFolderText(trimBlanks(lpDefault_Folder()));
    pages_.showModal(Page::Terms);
}

void SetupEngine::installMissingComponents() {
    for (const auto& row : supportComponents()) {
        if (files_.fileExists(lpSystem_Dir() + row.presentName)) continue;
        std::int16_t index = row.index;
        prcInstall_Component(index);
    }
}

bool SetupEngine::earlierInstallationFound() {
    // All three conditions are asked, as the original's And evaluates each operand.
    const bool productKey = registry_.checkKey(kCurrentUser, kProductKey);
    const bool settingsKey = registry_.checkKey(kCurrentUser, kSettingsKey);
    const bool workbook = files_.fileExists(lpRecorded_Dir() + L"\\" + kAddinName + L".xla");
    return productKey && settingsKey && workbook;
}

void SetupEngine::termsForwardStep() {
    if (gUpdate_Mode) {
        pages_.hide(Page::Terms);
        prcUpdate_Install();
    } else {
        float folderPageNext = 0;
        prcAddin_Off(folderPageNext);
    }
}

void SetupEngine::folderForwardStep() {
    // The folder is recorded in the ANSI code page and read back from there by the update,
    // the add-in's activation and the uninstaller. An empty or relative folder would install
    // beside whatever folder is current and record nothing they can use; a name the code page
    // cannot hold would be recorded as another folder than the one copied to. The page stays
    // instead.
    const std::wstring folder = upperCase(trimBlanks(pages_.folderText()));
    const std::string recorded = codePage_.fromText(folder);
    if (codePage_.toText(recorded) != folder) {
        messages_.show(kUnrecordableFolderMessage, MessageIcon::Information, kTitle);
        return;
    }
    if (!isAbsoluteFolder(recorded)) {
        messages_.show(kNoFolderMessage, MessageIcon::Information, kTitle);
        return;
    }
    gInstall_Path = folder;
    gExit_Install = false;
    if (!gFolder_Chosen) prcCreate_Default_Folder();
    pages_.setLabelVisible(PageLabel::Copy, true);
    prcRelease_Addin(kAddinName);
    if (gExit_Install) return;
    prcCopy_Addin(gInstall_Path, kAddinName);
    prcRecord_Install();
    pages_.unload(Page::Folder);
    pages_.showModal(Page::Install);
}

void SetupEngine::installStep() {
    pages_.setLabelVisible(PageLabel::Delete, false);
    pages_.setLabelVisible(PageLabel::Add, true);
    pages_.unload(Page::Install);
    pages_.showModeless(Page::Finish);
    prcActivate_Addin(kAddinName);
}

void SetupEngine::prcRecord_Install() {
    if (!prcReset_Settings()) {
        messages_.show(kResetFailedMessage, MessageIcon::Exclamation, kTitle);
        endProgram();
    }
    ignoringErrors([&] { prcEnsure_Keys(); });
    ignoringErrors([&] {
        registry_.setValue(kCurrentUser, kSettingsKey, L"STATUS_APP", kBinaryValue,
                           PortableValue(characterCodes(L"True", codePage_)));
    });
    ignoringErrors([&] {
        registry_.setValue(kCurrentUser, kSettingsKey, L"Dir", kTextValue,
                           PortableValue(gInstall_Path));
    });
}

void SetupEngine::prcEnsure_Keys() {
    if (!registry_.checkKey(kCurrentUser, kProductKey) ||
        !registry_.checkKey(kCurrentUser, kSettingsKey))
        registry_.createKey(kCurrentUser, kSettingsKey);
}

std::wstring SetupEngine::lpRecorded_Dir() {
    const auto stored = registry_.getValue(kCurrentUser, kSettingsKey, L"Dir", kTextValue);
    if (!stored) return std::wstring();
    const auto* text = std::get_if<std::wstring>(&*stored);
    if (!text || text->size() > kLongestRecordedDir) return std::wstring();
    return *text;
}

void SetupEngine::prcUpdate_Install() {
    if (!gUpdate_Mode) return;
    const std::wstring folder = lpRecorded_Dir();
    gInstall_Path = lpRecorded_Dir();
    prcRelease_Addin(kAddinName);
    prcCopy_Addin(folder, kAddinName);
    float installPageNext = 1;
    prcAddin_Off(installPageNext);
}

}  // namespace qv::setup
