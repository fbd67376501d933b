// The work inside Excel: "ls_addin1" switched off after the terms page, the add-in added
// and switched on at the end.

#include "SetupFixture.h"
#include "SetupRun.h"

namespace qv::setup::testing {
namespace {

using ExcelAddin = SetupFixture;

TEST_F(ExcelAddin, OldEntrySwitchedOffAndFolderPageShownOnce) {
    float next = 0;
    engine.prcAddin_Off(next);
    EXPECT_EQ(log,
              (std::vector<std::wstring>{
                  L"CreateObject(Excel.application)", L"excel1.Workbooks.Add", L"hide frmWizard4",
                  L"minimize frmEnd", L"excel1.AddIns(ls_addin1).Installed=False",
                  L"excel1.DisplayAlerts=False", L"excel1.ActiveWorkbook.Close", L"excel1.Quit",
                  L"excel1.release", L"unload frmWizard4", L"show modal frmWizard1"}));
}

TEST_F(ExcelAddin, MissingOldEntryShowsTheNextPageASecondTime) {
    struct Case {
        float selector;
        const wchar_t* page;
    } cases[] = {{0, L"show modal frmWizard1"},
                 {1, L"show modal frmWizard2"},
                 {-2.5f, L"show modal frmWizard2"}};
    excel.settings.hasOldEntry = false;
    for (auto c : cases) {
        SCOPED_TRACE(c.selector);
        log.clear();
        excel.restartNumbering();
        engine.prcAddin_Off(c.selector);
        EXPECT_EQ(log, (std::vector<std::wstring>{
                           L"CreateObject(Excel.application)", L"excel1.Workbooks.Add",
                           L"hide frmWizard4", L"minimize frmEnd",
                           L"excel1.AddIns(ls_addin1).Installed=False",
                           L"excel1.DisplayAlerts=False", L"excel1.ActiveWorkbook.Close",
                           L"excel1.Quit", L"excel1.release", L"unload frmWizard4", c.page,
                           // the clean-up once more, on an instance of its own
                           L"CreateObject(Excel.application)", L"excel2.DisplayAlerts=False",
                           L"excel2.ActiveWorkbook.Close", L"excel2.Quit", L"excel2.release",
                           L"unload frmWizard4", c.page}));
        EXPECT_EQ(excel.liveInstances, 0);
    }
}

TEST_F(ExcelAddin, ExcelThatCannotStartStillLeadsToTheNextPage) {
    excel.settings.registered = false;
    float next = 0;
    engine.prcAddin_Off(next);
    EXPECT_EQ(callsStartingWith(L"show modal frmWizard1").size(), 2u);
    EXPECT_TRUE(callsStartingWith(L"MsgBox(").empty());
}

TEST_F(ExcelAddin, MissingToolbarMacroSwitchesTheAddinOffOnOnAndStillSucceeds) {
    recordInstallation(L"C:\\ADDINS");
    excel.settings.hasToolbarMacro = false;

    EXPECT_TRUE(endsProgram([&] { engine.prcActivate_Addin(L"Quorvane Function11"); }));

    EXPECT_EQ(
        logFrom(L"excel1.Run('Quorvane Function11.xla'!Instalacion.prcCrea_Toolbar)"),
        (std::vector<std::wstring>{
            L"excel1.Run('Quorvane Function11.xla'!Instalacion.prcCrea_Toolbar)",
            L"excel1.AddIns(Quorvane Function11).Installed=False",
            L"excel1.AddIns(Quorvane Function11).Installed=True",
            L"excel1.AddIns(Quorvane Function11).Installed=True",
            L"MsgBox(The Installation was succesfull|none|Quorvane Function)", L"excel1.release"}));
    EXPECT_EQ(excel.quitInstances, 0) << "Excel stays open for the user";
}

TEST_F(ExcelAddin, UnprotectedStepFailureReachesTheRuntimeReport) {
    // Excel that cannot be started when the add-in is to be added.
    recordInstallation(L"C:\\ADDINS");
    excel.settings.registered = false;
    EXPECT_THROW(engine.prcActivate_Addin(L"Quorvane Function11"), RuntimeError);

    // Through the outermost frame: the report, then a normal exit code of failure.
    excel.settings.registered = true;
    pages.clicks[Page::Terms].push_back([this] {
        excel.settings.registered = false;
        engine.installStep();
    });
    log.clear();
    EXPECT_EQ(runSetup(engine, messages), 1);
    EXPECT_EQ(callsStartingWith(L"MsgBox("),
              (std::vector<std::wstring>{L"MsgBox(Run-time error '429':\r\n\r\nActiveX "
                                         L"component can't create object|critical|QV_Setup)"}));
}

}  // namespace
}  // namespace qv::setup::testing
