#pragma once
// The wizard pages as the engine sees them. Showing a page modally returns when the page
// has been closed; a page's own buttons call back into the engine in between.

#include <string>

namespace qv::setup {

enum class Page { Terms, Folder, Install, Finish };  // frmWizard4, frmWizard1, frmWizard2, frmEnd
enum class PageLabel { Copy, Delete, Add };          // lblCopy, lblDelete, lblAdd

class WizardPages {
  public:
    virtual ~WizardPages() = default;
    virtual void showModal(Page page) = 0;
    virtual void showModeless(Page page) = 0;
    virtual void hide(Page page) = 0;
    virtual void unload(Page page) = 0;
    virtual void minimize(Page page) = 0;  // window state minimized; loads it, not shown
    virtual void repaint(Page page) = 0;
    virtual void setLabelVisible(PageLabel label, bool visible) = 0;
    virtual void setFolderText(const std::wstring& text) = 0;  // txtPathdefault
    virtual std::wstring folderText() = 0;
};

}  // namespace qv::setup
