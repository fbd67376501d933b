#pragma once
// A minimal stand-in for the wizard pages until the real pages exist: each modal page is a
// message box with the page's caption, where OK is the page's forward button and Cancel a
// confirmed "Abort". The folder page proposes the folder the start-up filled in.

#include "AnsiCodePage.h"
#include "SetupEngine.h"
#include "WizardPages.h"

namespace qv::setup::win {

class StandInPages final : public WizardPages {
  public:
    explicit StandInPages(const AnsiCodePage& codePage) : codePage_(codePage) {}
    void attach(SetupEngine& engine) { engine_ = &engine; }

    void showModal(Page page) override;
    void showModeless(Page) override {}
    void hide(Page) override {}
    void unload(Page page) override;
    void minimize(Page) override {}
    void repaint(Page) override {}
    void setLabelVisible(PageLabel, bool) override {}
    void setFolderText(const std::wstring& text) override { folderText_ = text; }
    std::wstring folderText() override { return folderText_; }

  private:
    const AnsiCodePage& codePage_;
    SetupEngine* engine_ = nullptr;
    std::wstring folderText_;
};

}  // namespace qv::setup::win
