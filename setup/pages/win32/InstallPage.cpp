// frmWizard2: the step that adds the add-in to Excel.

#include "Artwork.h"
#include "PageControls.h"
#include "PageWindows.h"

namespace qv::setup::win {

InstallPage::InstallPage(FailureGate& gate, Win32WizardPages& wizard)
    : PageDialog(gate, IDD_frmWizard2), wizard_(wizard) {}

void InstallPage::onCommand(int id, int) {
    // "<< Back" and "Abort" stay disabled: there is no way back once the files are copied.
    if (id == IDC_Command2) wizard_.engine().installStep();
}

void InstallPage::onDraw(const DRAWITEMSTRUCT& item) {
    drawPicture(item.CtlID == IDC_Picture1 ? Picture::Banner : Picture::PageIcon, item);
}

}  // namespace qv::setup::win
