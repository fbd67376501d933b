// frmWizard1: the install folder, the folder chooser and the copy.

#include "Artwork.h"
#include "PageControls.h"
#include "PageWindows.h"

namespace qv::setup::win {

FolderPage::FolderPage(FailureGate& gate, Win32WizardPages& wizard)
    : PageDialog(gate, IDD_frmWizard1), wizard_(wizard) {}

void FolderPage::onCommand(int id, int) {
    switch (id) {
        case IDC_Command4:
            wizard_.showFolderChooser();
            break;
        case IDC_Command3:
            wizard_.unload(Page::Folder);
            wizard_.showModal(Page::Terms);
            break;
        case IDC_Command2:
            wizard_.engine().folderForwardStep();
            break;
        default:
            break;
    }
}

void FolderPage::onDraw(const DRAWITEMSTRUCT& item) {
    drawPicture(item.CtlID == IDC_Picture1 ? Picture::Banner : Picture::PageIcon, item);
}

}  // namespace qv::setup::win
