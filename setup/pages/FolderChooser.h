#pragma once
// The folder chooser's rules, apart from its window: which drive it starts on, the drive
// the setup was started from, the creation of a new folder and what "Ok" hands to the
// folder page.

#include "SetupEngine.h"

#include <string>

namespace qv::setup {

// The chooser's question for a new folder's name: the answer, empty when cancelled.
class NamePrompt {
  public:
    virtual ~NamePrompt() = default;
    virtual std::wstring ask(const std::wstring& title, const std::wstring& prompt,
                             const std::wstring& defaultAnswer) = 0;
};

class FolderChooser {
  public:
    FolderChooser(SetupEngine& engine, FileSystem& files, MessageBoxes& messages,
                  WizardPages& pages, NamePrompt& prompt)
        : engine_(engine), files_(files), messages_(messages), pages_(pages), prompt_(prompt) {}

    // The root of the first fixed disk ("C:\"), or empty when there is none or the drives
    // cannot be read.
    std::wstring ShowDrive();

    // The root of the drive the setup was started from ("D:\", or a share root with "\");
    // "C:\" when it cannot be had.
    std::wstring lpDriveName();

    // Form_Load: sets gSetup_Drive and gFirst_Fixed_Drive and returns the drive to start on;
    // empty when there is no fixed disk and the lists keep what they start with.
    std::wstring Form_Load();

    // "New folder" under `parent`: asks for the name and creates the folder. A failure is
    // shown and the chooser stays open; true when a folder was created.
    bool prcNew_Folder(const std::wstring& parent);

    const std::wstring& setupDrive() const { return engine_.gSetup_Drive; }

    // "Ok": the folder shown in the path label goes into the folder page's box.
    void choose(const std::wstring& pathLabel);

  private:
    SetupEngine& engine_;
    FileSystem& files_;
    MessageBoxes& messages_;
    WizardPages& pages_;
    NamePrompt& prompt_;
};

}  // namespace qv::setup
