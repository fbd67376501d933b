#pragma once
// The four pages of the wizard and the folder chooser, each a dialog of its own template.

#include "FolderChooser.h"
#include "PageDialog.h"
#include "Win32WizardPages.h"

#include <vector>

namespace qv::setup::win {

class TermsPage final : public PageDialog {
  public:
    TermsPage(FailureGate& gate, Win32WizardPages& wizard);

  private:
    SIZE clientTwips() const override { return {10980, 8925}; }
    bool onInit() override;
    void onCommand(int id, int code) override;
    void onDraw(const DRAWITEMSTRUCT& item) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    Win32WizardPages& wizard_;
};

class FolderPage final : public PageDialog {
  public:
    FolderPage(FailureGate& gate, Win32WizardPages& wizard);

  private:
    SIZE clientTwips() const override { return {6900, 3105}; }
    void onCommand(int id, int code) override;
    void onDraw(const DRAWITEMSTRUCT& item) override;

    Win32WizardPages& wizard_;
};

class InstallPage final : public PageDialog {
  public:
    InstallPage(FailureGate& gate, Win32WizardPages& wizard);

  private:
    SIZE clientTwips() const override { return {6180, 3225}; }
    void onCommand(int id, int code) override;
    void onDraw(const DRAWITEMSTRUCT& item) override;

    Win32WizardPages& wizard_;
};

class FinishWindow final : public PageDialog {
  public:
    explicit FinishWindow(FailureGate& gate);

  private:
    SIZE clientTwips() const override { return {6375, 2880}; }
    bool onInit() override;
    void onDraw(const DRAWITEMSTRUCT& item) override;
};

// frmPath: a drive list, a list of the open folder's chain and its subfolders, the path of
// the open folder, and "New folder".
class FolderChooserWindow final : public PageDialog {
  public:
    FolderChooserWindow(FailureGate& gate, FolderChooser& rules, MessageBoxes& messages);

  private:
    SIZE clientTwips() const override { return {5820, 4350}; }
    bool onInit() override;
    void onCommand(int id, int code) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void listDrives();
    // Shows the drive of `root`; a different drive runs the change handler when `asChange`.
    void selectDrive(const std::wstring& root, bool asChange = true);
    void driveChanged();
    // Opens `folder` in the folder list; false when it cannot be read. A new path shows in
    // the path label.
    bool openFolder(const std::wstring& folder);
    void newFolder();

    FolderChooser& rules_;
    MessageBoxes& messages_;
    std::wstring openFolder_;
    std::vector<std::wstring> listed_;  // the folder of each item of the folder list
};

}  // namespace qv::setup::win
