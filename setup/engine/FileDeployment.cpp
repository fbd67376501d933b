// Files out of the package folder: the support components and the removal programs into
// the system folder, the add-in workbook and its help file into the install folder.

#include "ComponentTable.h"
#include "RuntimeError.h"
#include "SetupEngine.h"
#include "SetupTexts.h"

namespace qv::setup {
namespace {

constexpr std::uint32_t kSystemDirBufferSize = 255;

}  // namespace

std::wstring SetupEngine::lpSystem_Dir() {
    std::wstring buffer;
    if (system_.getSystemDirectory(kSystemDirBufferSize, buffer) <= 0) return std::wstring();
    return buffer.substr(0, buffer.find(L'\0'));
}

void SetupEngine::prcInstall_Component(std::int16_t& index) {
    const SupportComponent* row = supportComponent(index);
    if (!row) throw RuntimeError(9, L"Subscript out of range");
    const std::wstring destination = lpSystem_Dir() + row->destination;
    const std::wstring source = packageFolder_ + L"\\" + row->sourceName;
    try {
        files_.copyFile(source, destination, true);
    } catch (const RuntimeError& error) {
        messages_.show(error.description(), MessageIcon::Critical, kTitle);
        endProgram();
    }
    if (row->registered) {
        // The destination's name without its leading separator.
        prcRegister_File(kRegistrationTool + lpSystem_Dir() + L"\\" + (row->destination + 1));
    }
}

void SetupEngine::prcRegister_File(const std::wstring& commandLine) {
    try {
        system_.startHidden(commandLine);
    } catch (const RuntimeError&) {
        messages_.show(kNotRegisteredPrefix + commandLine, MessageIcon::Critical, kErrorTitle);
    }
}

void SetupEngine::prcCopy_Uninstall() {
    std::wstring buffer;
    const std::int32_t length = system_.getSystemDirectory(kSystemDirBufferSize, buffer);
    const std::wstring systemDir =
        buffer.substr(0, length > 0 ? static_cast<std::size_t>(length) : 0);
    for (const wchar_t* program : {L"\\QVU.exe", L"\\UQV.exe"}) {
        try {
            files_.copyFile(packageFolder_ + program, systemDir + program, true);
        } catch (const RuntimeError&) {
            // Failures while copying the removal programs are silent.
        }
    }
}

void SetupEngine::prcCopy_Addin(const std::wstring& folder, const std::wstring& baseName) {
    const struct {
        std::wstring source, destination;
    } copies[] = {
        {packageFolder_ + L"\\QVF.xla", folder + L"\\" + baseName + L".xla"},
        {packageFolder_ + L"\\QV.chm", folder + L"\\" + kHelpFileName},
    };
    for (const auto& copy : copies) {
        try {
            files_.copyFile(copy.source, copy.destination, true);
        } catch (const RuntimeError& error) {
            messages_.show(error.description(), MessageIcon::Critical, kTitle);
            endProgram();
        }
    }
}

}  // namespace qv::setup
