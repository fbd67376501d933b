// The work inside Excel: the old entry "ls_addin1" switched off after the terms page, and
// at the end the add-in added, switched on and asked to build its toolbar.

#include "RuntimeError.h"
#include "SetupEngine.h"
#include "SetupTexts.h"

namespace qv::setup {
namespace {

const wchar_t kOldAddinEntry[] = L"ls_addin1";

// Steps run one after another with errors caught for the whole run: a failing step is
// passed over, the next one runs, and the run remembers that something failed.
class ResumeNext {
  public:
    template <class Step>
    void operator()(Step step) {
        try {
            step();
        } catch (const RuntimeError&) {
            failed_ = true;
        }
    }
    bool failed() const { return failed_; }

  private:
    bool failed_ = false;
};

ExcelApplication& must(const std::unique_ptr<ExcelApplication>& excel) {
    if (!excel) throw objectNotSet();
    return *excel;
}

}  // namespace

void SetupEngine::prcAddin_Off(float& nextPage) {
    ResumeNext attempt;
    std::unique_ptr<ExcelApplication> excel;
    const auto cleanUp = [&] {
        attempt([&] { must(excel).setDisplayAlerts(false); });
        attempt([&] { must(excel).closeActiveWorkbook(); });
        attempt([&] { must(excel).quit(); });
        excel.reset();
    };
    const Page next = nextPage != 0 ? Page::Install : Page::Folder;

    attempt([&] { excel = excel_.createApplication(); });
    attempt([&] { must(excel).addWorkbook(); });
    pages_.hide(Page::Terms);
    pages_.minimize(Page::Finish);
    attempt([&] { must(excel).setAddInInstalled(kOldAddinEntry, false); });
    cleanUp();
    pages_.unload(Page::Terms);
    pages_.showModal(next);
    if (!attempt.failed()) return;

    // The released application variable comes back as a new instance when it is touched
    // again, so the repeated clean-up runs on an Excel of its own.
    attempt([&] { excel = excel_.createApplication(); });
    cleanUp();
    pages_.unload(Page::Terms);
    pages_.showModal(next);
}

void SetupEngine::prcActivate_Addin(const std::wstring& baseName) {
    // Steps up to switching the entry on are not protected: their failures reach the
    // run-time error report.
    auto excel = excel_.createApplication();
    excel->addWorkbook();
    pages_.hide(Page::Finish);
    pages_.minimize(Page::Finish);
    excel->setWindowState(xlMinimized);
    excel->setVisible(true);
    excel->setWindowState(xlMaximized);
    excel->addAddIn(lpRecorded_Dir() + L"\\" + baseName + L".xla");
    excel->setAddInInstalled(baseName, true);

    ResumeNext attempt;
    attempt([&] { excel->findWorkbook(baseName + L".xla"); });
    attempt([&] { excel->run(L"'" + baseName + L".xla'!Instalacion.prcCrea_Toolbar"); });
    if (attempt.failed()) {
        // Unloading and loading the add-in again runs its start-up code, which builds the
        // toolbar as the macro would have.
        ResumeNext reload;
        reload([&] { excel->setAddInInstalled(baseName, false); });
        reload([&] { excel->setAddInInstalled(baseName, true); });
        reload([&] { excel->setAddInInstalled(baseName, true); });
    }
    messages_.show(kSuccessMessage, MessageIcon::None, kSuccessTitle);
    // Excel stays open for the user: the object is released, never told to quit.
    endProgram();
}

}  // namespace qv::setup
