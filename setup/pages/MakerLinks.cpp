#include "MakerLinks.h"

#include "RuntimeError.h"
#include "SetupTexts.h"
#include "WizardTexts.h"

namespace qv::setup {
namespace {

const wchar_t kMailCell[] = L"A1";

}  // namespace

void prcOpen_Site(SystemServices& system) { system.openWithShell(kMakerSite); }

void prcMail_To(ExcelAutomation& excel, MessageBoxes& messages, const std::wstring& address) {
    bool failed = false;
    std::unique_ptr<ExcelApplication> application;
    const auto step = [&](auto&& call) {
        try {
            if (!application) throw objectNotSet();
            call(*application);
        } catch (const RuntimeError&) {
            failed = true;
        }
    };
    try {
        application = excel.createApplication();
    } catch (const RuntimeError&) {
        failed = true;
    }
    step([](ExcelApplication& app) { app.addWorkbook(); });
    step([](ExcelApplication& app) { app.addSheet(); });
    step([&](ExcelApplication& app) { app.setCellValue(kMailCell, address); });
    step(
        [&](ExcelApplication& app) { app.addHyperlink(kMailCell, L"mailto:" + address, address); });
    step([](ExcelApplication& app) { app.followHyperlink(kMailCell, false, true); });
    step([](ExcelApplication& app) { app.setDisplayAlerts(false); });
    step([](ExcelApplication& app) { app.quit(); });
    application.reset();
    if (failed) messages.show(kMailFailedMessage, MessageIcon::Information, kTitle);
}

}  // namespace qv::setup
