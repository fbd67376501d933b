// The checks before anything changes: Excel's version, the default install folder and
// the release of the old add-in workbook.

#include "RuntimeError.h"
#include "SetupEngine.h"
#include "SetupTexts.h"
#include "TextRules.h"

namespace qv::setup {
namespace {

constexpr double kOldestExcel = 9;  // Excel 2000

}  // namespace

void SetupEngine::prcCheck_Excel() {
    // Not protected: Excel that cannot be created ends the program with the run-time report.
    auto excel = excel_.createApplication();
    if (leadingNumber(excel->version()) < kOldestExcel) {
        messages_.show(kOldExcelMessage, MessageIcon::Exclamation, kTitle);
        endProgram();
    }
}

std::wstring SetupEngine::lpDefault_Folder() {
    auto excel = excel_.createApplication();
    const std::wstring libraryPath = excel->libraryPath();
    if (files_.folderExists(libraryPath)) return trimBlanks(libraryPath);
    return kFallbackFolder;
}

bool SetupEngine::prcCreate_Default_Folder() {
    try {
        if (!files_.folderExists(lpDefault_Folder())) files_.createFolder(lpDefault_Folder());
    } catch (const RuntimeError& error) {
        messages_.show(error.description(), MessageIcon::Critical, kProductTitle);
    }
    return false;
}

void SetupEngine::prcRelease_Addin(const std::wstring& baseName) {
    const std::wstring folder = lpRecorded_Dir();
    if (folder.empty()) return;
    const std::wstring workbook = folder + L"\\" + baseName + L".xla";
    if (!files_.fileExists(workbook)) return;
    try {
        files_.deleteFile(workbook, true);
        return;
    } catch (const RuntimeError&) {
        // A workbook held open shows up only here, as a deletion that fails.
    }
    messages_.show(kCloseWorkbooksMessage, MessageIcon::Information, kTitle);
    gExit_Install = true;
    pages_.repaint(Page::Folder);
}

}  // namespace qv::setup
