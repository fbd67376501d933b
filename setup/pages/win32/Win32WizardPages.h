#pragma once
// The wizard's windows on Win32. A page shown modally runs a message loop of its own until
// it is hidden or closed, so page handlers nest as each opens the next page; a failure or
// the end of the program raised inside a handler leaves each loop in turn, closing the
// windows on its way out to the start-up.

#include "ExcelAutomation.h"
#include "FileSystem.h"
#include "MessageBoxes.h"
#include "PageDialog.h"
#include "SetupEngine.h"
#include "SystemServices.h"
#include "WizardPages.h"

#include <map>
#include <memory>
#include <vector>

namespace qv::setup::win {

struct PageServices {
    FileSystem& files;
    ExcelAutomation& excel;
    SystemServices& system;
    MessageBoxes& messages;
};

class Win32WizardPages final : public WizardPages {
  public:
    explicit Win32WizardPages(const PageServices& services) : services_(services) {}
    ~Win32WizardPages() override;
    void attach(SetupEngine& engine) { engine_ = &engine; }

    void showModal(Page page) override;
    void showModeless(Page page) override;
    void hide(Page page) override;
    void unload(Page page) override;
    void minimize(Page page) override;
    void repaint(Page page) override;
    void setLabelVisible(PageLabel label, bool visible) override;
    void setFolderText(const std::wstring& text) override;
    std::wstring folderText() override;

    // For the pages' own handlers.
    SetupEngine& engine() const { return *engine_; }
    const PageServices& services() const { return services_; }
    void showFolderChooser();

  private:
    PageDialog& load(Page page);
    PageDialog* loaded(Page page) const;
    // Runs `dialog` modally over every other visible window of the wizard, until it is hidden,
    // closed or its modal show is ended.
    void runModal(PageDialog& dialog);

    PageServices services_;
    SetupEngine* engine_ = nullptr;
    FailureGate gate_;
    std::map<Page, std::unique_ptr<PageDialog>> pages_;
    // Closed pages whose handler may still be running; freed with the wizard.
    std::vector<std::unique_ptr<PageDialog>> closed_;
    std::map<Page, bool> minimized_;
};

}  // namespace qv::setup::win
