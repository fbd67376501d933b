// frmEnd: shown while the add-in is added to Excel; it has no buttons.

#include "Artwork.h"
#include "PageControls.h"
#include "PageWindows.h"

namespace qv::setup::win {

FinishWindow::FinishWindow(FailureGate& gate) : PageDialog(gate, IDD_frmEnd) {}

bool FinishWindow::onInit() {
    SendMessageW(item(IDC_Label1), WM_SETFONT,
                 reinterpret_cast<WPARAM>(windowFont(L"Comic Sans MS", 14.25, true)), 0);
    return true;
}

void FinishWindow::onDraw(const DRAWITEMSTRUCT& item) {
    drawPicture(item.CtlID == IDC_Picture1 ? Picture::Banner : Picture::Toolbar, item);
}

}  // namespace qv::setup::win
