// frmWizard4: the terms of use, the agreement box and the maker's links.

#include "Artwork.h"
#include "MakerLinks.h"
#include "PageControls.h"
#include "PageRules.h"
#include "PageWindows.h"
#include "RuntimeError.h"
#include "WizardTexts.h"

namespace qv::setup::win {
namespace {

bool isLink(int id) { return id == IDC_pLink1 || id == IDC_pLink2 || id == IDC_pLink3; }

}  // namespace

TermsPage::TermsPage(FailureGate& gate, Win32WizardPages& wizard)
    : PageDialog(gate, IDD_frmWizard4), wizard_(wizard) {}

bool TermsPage::onInit() {
    HFONT heading = windowFont(L"Verdana", 8.25, true);
    HFONT text = windowFont(L"Verdana", 8.25, false);
    SendMessageW(item(IDC_Label2), WM_SETFONT, reinterpret_cast<WPARAM>(heading), 0);
    SendMessageW(item(IDC_Text1), WM_SETFONT, reinterpret_cast<WPARAM>(text), 0);
    SendMessageW(item(IDC_chkOk), WM_SETFONT, reinterpret_cast<WPARAM>(text), 0);
    setItemText(IDC_Text1, kTermsOfUse);
    // The agreement box takes the focus, so that the terms do not open all selected.
    SetFocus(item(IDC_chkOk));
    return false;
}

void TermsPage::onCommand(int id, int code) {
    const auto& services = wizard_.services();
    switch (id) {
        case IDC_chkOk: {
            const auto buttons = agreementButtons(
                static_cast<int>(SendMessageW(item(IDC_chkOk), BM_GETCHECK, 0, 0)));
            EnableWindow(item(IDC_Command2), buttons.nextEnabled);
            EnableWindow(item(IDC_Command1), buttons.abortEnabled);
            break;
        }
        case IDC_Command1:
            if (cancelConfirmed(services.messages)) throw EndOfProgram{};
            break;
        case IDC_Command2:
            wizard_.engine().termsForwardStep();
            break;
        case IDC_pLink1:
            if (code == STN_CLICKED) prcOpen_Site(services.system);
            break;
        case IDC_pLink2:
        case IDC_pLink3:
            if (code == STN_CLICKED) prcMail_To(services.excel, services.messages, kMakerMail);
            break;
        default:
            break;
    }
}

void TermsPage::onDraw(const DRAWITEMSTRUCT& item) {
    switch (item.CtlID) {
        case IDC_Picture1:
            return drawPicture(Picture::Banner, item);
        case IDC_Picture2:
            return drawPicture(Picture::Functions, item);
        case IDC_Picture3:
            return drawPicture(Picture::Chart, item);
        case IDC_Picture4:
            return drawPicture(Picture::Toolbar, item);
        case IDC_pLink1:
            return drawPicture(Picture::WebLink, item);
        case IDC_pLink2:
        case IDC_pLink3:
            return drawPicture(Picture::MailLink, item);
        case IDC_Image1:
            return drawPicture(Picture::PageIcon, item);
        default:
            break;
    }
}

bool TermsPage::onMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    // The links show the hand that marks something to click.
    if (message != WM_SETCURSOR || !isLink(GetDlgCtrlID(reinterpret_cast<HWND>(wParam))))
        return false;
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
    result = TRUE;
    return true;
}

}  // namespace qv::setup::win
