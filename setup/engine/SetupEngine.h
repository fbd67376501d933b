#pragma once
// The setup engine: the start-up sequence, the work behind each page's forward button,
// the environment checks, the file placement and registration, the settings reset and the
// adding of the add-in to Excel. Everything outside reaches it through the interfaces it
// is given; the names of the operations are the setup's own.

#include "ExcelAutomation.h"
#include "FileSystem.h"
#include "MessageBoxes.h"
#include "RegistryAccess.h"
#include "SystemServices.h"
#include "WizardPages.h"

#include <cstdint>
#include <string>

namespace qv::setup {

struct SetupOutside {
    RegistryStore& registry;
    const AnsiCodePage& codePage;
    FileSystem& files;
    ExcelAutomation& excel;
    SystemServices& system;
    MessageBoxes& messages;
    WizardPages& pages;
    std::wstring packageFolder;  // the folder of the running setup program, no trailing "\"
};

class SetupEngine {
  public:
    explicit SetupEngine(const SetupOutside& outside);

    // Program-wide variables, live from start-up to the end of the program.
    std::wstring gInstall_Path;
    bool gUpdate_Mode = false;
    bool gExit_Install = false;
    bool gFolder_Chosen = false;
    std::wstring gSetup_Drive;        // root of the drive the setup was started from
    std::wstring gFirst_Fixed_Drive;  // root of the first fixed disk
    const std::wstring& packageFolder() const { return packageFolder_; }

    // What the page events call.
    void prcStartup();
    void termsForwardStep();   // frmWizard4 Command2_Click
    void folderForwardStep();  // frmWizard1 Command2_Click
    void installStep();        // frmWizard2 Command2_Click
    bool Exit_Install() const { return gExit_Install; }

    // Install sequence.
    void prcRecord_Install();
    void prcUpdate_Install();
    std::wstring lpRecorded_Dir();
    void prcEnsure_Keys();

    // Environment checks.
    void prcCheck_Excel();
    std::wstring lpDefault_Folder();
    bool prcCreate_Default_Folder();
    void prcRelease_Addin(const std::wstring& baseName);

    // File deployment and component registration.
    std::wstring lpSystem_Dir();
    void prcInstall_Component(std::int16_t& index);
    void prcRegister_File(const std::wstring& commandLine);
    void prcCopy_Uninstall();
    void prcCopy_Addin(const std::wstring& folder, const std::wstring& baseName);

    // Settings reset.
    bool prcReset_Settings();

    // Adding the add-in to Excel. A non-zero selector opens the install page next.
    void prcAddin_Off(float& nextPage);
    void prcActivate_Addin(const std::wstring& baseName);

  private:
    [[noreturn]] void endProgram();
    void installMissingComponents();
    bool earlierInstallationFound();

    RegistryAccess registry_;
    const AnsiCodePage& codePage_;
    FileSystem& files_;
    ExcelAutomation& excel_;
    SystemServices& system_;
    MessageBoxes& messages_;
    WizardPages& pages_;
    std::wstring packageFolder_;
};

}  // namespace qv::setup
