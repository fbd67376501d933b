// The README's demonstration: QV_Setup.exe from the laid-out package, with the stand-in
// Excel, taken through its pages as a user would (agree, choose a new folder with the
// chooser, install, end), then a summary of what was installed and where the screenshots
// are. Exits non-zero when the installation does not go as it should.

#include "PageControls.h"
#include "StandInEnvironment.h"
#include "WindowDriver.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace qv::setup::testing {
namespace {

const char kInstallFolder[] = "C:\\Quorvane Add-in";
const char kSettingsKey[] = "Software\\Quorvane11\\Groupdate";

std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

class Walkthrough {
  public:
    int run() {
        prepare();
        SetupProgram program(kPackageDir + "\\QV_Setup.exe", kPackageDir);
        if (!program.started()) return fail("QV_Setup.exe did not start");
        const DWORD id = program.id();

        HWND terms = shown(id, L"Wizard Install  - Step 2 of 4 ", "1-terms");
        if (!terms) return fail("no terms page");
        click(terms, IDC_chkOk);
        waitUntil([&] { return isEnabled(terms, IDC_Command2); });
        shot(terms, "2-terms-agreed");
        click(terms, IDC_Command2);

        HWND folder = shown(id, L"Wizard Install  - Step 3 of 4", "3-folder");
        if (!folder) return fail("no folder page");
        std::printf("Folder page proposes: %s\n",
                    narrow(controlText(folder, IDC_txtPathdefault)).c_str());
        click(folder, IDC_Command4);
        HWND chooser = shown(id, L"Select Path to Installation", "4-chooser");
        if (!chooser) return fail("no folder chooser");
        click(chooser, IDC_Command3);
        HWND prompt = shown(id, L"New Name Folder", "5-new-folder-name");
        if (!prompt) return fail("no name prompt");
        typeText(prompt, IDC_AnswerText, L"Quorvane Add-in");
        shot(prompt, "6-new-folder-named");
        click(prompt, IDOK);
        waitUntil([&] { return !IsWindow(prompt); });
        if (!waitUntil([&] { return openListItem(chooser, IDC_Dir1, L"Quorvane Add-in"); }))
            return fail("the new folder is not in the chooser's list");
        waitUntil([&] { return controlText(chooser, IDC_lblPath) == L"C:\\Quorvane Add-in"; });
        shot(chooser, "7-chooser-new-folder-open");
        click(chooser, IDC_Command2);
        waitUntil([&] { return !IsWindow(chooser); });
        shot(folder, "8-folder-chosen");
        click(folder, IDC_Command2);

        HWND install = shown(id, L"Wizard Install  - Step 4 of 4 ", "9-install");
        if (!install) return fail("no install page");
        click(install, IDC_Command2);
        const ShownBox box = waitForMessageBox(id, 60000);
        if (!box.window) return fail("no closing message");
        shot(box.window, "10-success");
        std::printf("Closing message: [%s] %s\n", narrow(box.title).c_str(),
                    narrow(box.text).c_str());
        answer(box, IDOK);
        if (!program.endsWithin(20000)) return fail("QV_Setup.exe did not end");
        std::printf("QV_Setup.exe ended with exit code %lu.\n",
                    static_cast<unsigned long>(program.exitCode()));

        report();
        const bool installed = exists(std::string(kInstallFolder) + "\\Quorvane Function11.xla") &&
                               exists(std::string(kInstallFolder) + "\\Quorvane11.chm") &&
                               valuesOf(kSettingsKey).count("Dir") == 1 &&
                               program.exitCode() == 0 &&
                               box.text == L"The Installation was succesfull";
        return installed ? 0 : fail("the installation is incomplete");
    }

  private:
    void prepare() {
        for (const auto& dir : {kRoot, kPackageDir, kLibraryDir})
            CreateDirectoryA(dir.c_str(), nullptr);
        copyFolderFiles(buildFile(QV_PACKAGE_DIR), kPackageDir);
        configureExcel("11.0", "ls_addin1", "yes");
        registerExcel();
        std::printf("Package copied to %s; stand-in \"Excel.application\" registered.\n",
                    kPackageDir.c_str());
    }

    HWND shown(DWORD id, const std::wstring& caption, const std::string& name) {
        HWND window = waitForWindow(id, caption, 30000);
        if (window) {
            std::printf("Window \"%s\"\n", narrow(caption).c_str());
            shot(window, name);
        }
        return window;
    }

    void shot(HWND window, const std::string& name) {
        const std::string file = screenshot(window, name);
        if (!file.empty()) shots_.push_back(file);
    }

    void report() {
        std::printf("\nInstalled into %s:\n", kInstallFolder);
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA((std::string(kInstallFolder) + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    std::printf("  %-28s %lu bytes\n", found.cFileName,
                                static_cast<unsigned long>(found.nFileSizeLow));
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        std::printf("\nRecords under HKEY_CURRENT_USER\\%s:\n", kSettingsKey);
        for (const auto& [name, value] : valuesOf(kSettingsKey)) {
            if (value.type == REG_SZ) {
                std::printf("  %-12s REG_SZ     \"%s\"\n", name.c_str(), value.data.c_str());
            } else {
                std::string bytes;
                for (unsigned char byte : value.data) {
                    char hex[4];
                    std::snprintf(hex, sizeof(hex), "%02X ", byte);
                    bytes += hex;
                }
                std::printf("  %-12s REG_BINARY %s\n", name.c_str(), bytes.c_str());
            }
        }
        std::printf("\nWhat the stand-in Excel was asked:\n");
        for (const auto& line : excelCalls()) std::printf("  %s\n", line.c_str());
        std::printf("Stand-in Excel processes still running for the user: %zu\n",
                    runningStandIns().size());
        std::printf("\nScreenshots:\n");
        for (const auto& file : shots_) std::printf("  %s\n", file.c_str());
        std::fflush(stdout);
    }

    static int fail(const char* what) {
        std::printf("FAILED: %s\n", what);
        return 1;
    }

    std::vector<std::string> shots_;
};

}  // namespace
}  // namespace qv::setup::testing

int main() {
    CoInitialize(nullptr);
    const int outcome = qv::setup::testing::Walkthrough().run();
    CoUninitialize();
    return outcome;
}
