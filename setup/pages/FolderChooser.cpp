#include "FolderChooser.h"

#include "RuntimeError.h"
#include "SetupTexts.h"
#include "TextRules.h"
#include "WizardTexts.h"

namespace qv::setup {

std::wstring FolderChooser::ShowDrive() {
    try {
        for (const auto& drive : files_.drives())
            if (drive.driveType == kFixedDrive) return drive.path + L"\\";
    } catch (const RuntimeError&) {
    }
    return std::wstring();
}

std::wstring FolderChooser::lpDriveName() {
    try {
        return trimBlanks(files_.getDriveName(engine_.packageFolder())) + L"\\";
    } catch (const RuntimeError&) {
        return L"C:\\";
    }
}

std::wstring FolderChooser::Form_Load() {
    if (trimBlanks(ShowDrive()).empty()) return std::wstring();
    engine_.gSetup_Drive = lpDriveName();
    engine_.gFirst_Fixed_Drive = ShowDrive();
    return engine_.gFirst_Fixed_Drive;
}

bool FolderChooser::prcNew_Folder(const std::wstring& parent) {
    const std::wstring name = prompt_.ask(kNamePromptTitle, std::wstring(), std::wstring());
    std::wstring base = parent;
    if (!base.empty() && base.back() == L'\\') base.pop_back();
    if (name.empty()) {
        messages_.show(kEmptyNameMessage, MessageIcon::Information, kTitle);
        return false;
    }
    try {
        files_.createFolder(base + L"\\" + name);
        return true;
    } catch (const RuntimeError& error) {
        // An existing name, a name no folder can have or a read-only medium: the user can
        // try another name, so the wizard goes on.
        messages_.show(error.description(), MessageIcon::Critical, kTitle);
        return false;
    }
}

void FolderChooser::choose(const std::wstring& pathLabel) {
    pages_.setFolderText(upperCase(trimBlanks(pathLabel)));
    engine_.gFolder_Chosen = true;
}

}  // namespace qv::setup
