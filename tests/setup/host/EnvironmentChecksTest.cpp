// Excel's version, the default install folder and the release of the old add-in workbook.

#include "SetupFixture.h"
#include "SetupRun.h"

#include <cwchar>

namespace qv::setup::testing {
namespace {

using EnvironmentChecks = SetupFixture;

const std::wstring kOldExcelBox =
    L"MsgBox(Quorvane works with Excel 2000 for Windows or later versions \r"
    L"It does not work with Excel 97 or earlier versions, and does not work with \r"
    L"Excel for Macintosh.|exclamation|Marrowick)";

TEST_F(EnvironmentChecks, ExcelVersionDecidesWhetherStartUpGoesOn) {
    struct Case {
        const wchar_t* version;
        bool accepted;
    } cases[] = {
        {L"8.0", false},  {L"9.0", true},  {L"11.0", true},
        {L"16.0", true},  {L"8.9", false},  // the whole leading number is compared: 8.9 is below 9
        {L"10.5", true},                    // two digits before the point
        {L" 12.0", true},                   // leading blanks are skipped
        {L"abc", false},                    // no leading number reads as 0
        {L"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version, c.version + std::wcslen(c.version)));
        log.clear();
        excel.restartNumbering();
        excel.settings.version = c.version;
        const bool ended = endsProgram([&] { engine.prcStartup(); });
        EXPECT_EQ(ended, !c.accepted);
        EXPECT_EQ(excel.liveInstances, 0);
        EXPECT_EQ(excel.quitInstances, 0) << "the check never asks Excel to quit";
        if (c.accepted) {
            EXPECT_EQ(log.back(), L"show modal frmWizard4");
        } else {
            // The message, then the release of the object while the program ends: nothing
            // copied, nothing written.
            EXPECT_EQ(log, (std::vector<std::wstring>{L"CreateObject(Excel.application)",
                                                      L"excel1.Version", kOldExcelBox,
                                                      L"excel1.release"}));
        }
    }
}

TEST_F(EnvironmentChecks, ExcelThatCannotBeCreatedEndsWithRuntimeReportAndNoChange) {
    excel.settings.registered = false;
    EXPECT_EQ(runSetup(engine, messages), 1);
    EXPECT_EQ(log, (std::vector<std::wstring>{
                       L"CreateObject(Excel.application)",
                       L"MsgBox(Run-time error '429':\r\n\r\nActiveX component can't create "
                       L"object|critical|QV_Setup)"}));
}

TEST_F(EnvironmentChecks, DefaultFolderIsExcelsLibraryFolderWhenItExists) {
    struct Case {
        const char* what;
        std::wstring libraryPath;
        bool exists;
        std::wstring folder;
    } cases[] = {
        {"library folder exists", L"C:\\OFFICE", true, L"C:\\OFFICE"},
        {"surrounding blanks removed", L"  C:\\LIB ", true, L"C:\\LIB"},
        {"library folder missing", L"C:\\GONE", false, L"C:\\Quorvane"},
        {"no library folder at all", L"", false, L"C:\\Quorvane"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        excel.settings.libraryPath = c.libraryPath;
        if (c.exists) files.addFolder(c.libraryPath);
        EXPECT_EQ(engine.lpDefault_Folder(), c.folder);
        EXPECT_EQ(excel.liveInstances, 0);
    }
}

TEST_F(EnvironmentChecks, DefaultFolderIsCreatedWhenMissingAndLeftAloneWhenPresent) {
    excel.settings.libraryPath = L"C:\\GONE";
    EXPECT_FALSE(engine.prcCreate_Default_Folder());
    EXPECT_TRUE(files.hasFolder(L"C:\\Quorvane"));

    log.clear();
    EXPECT_FALSE(engine.prcCreate_Default_Folder());
    EXPECT_TRUE(callsStartingWith(L"fs.CreateFolder(").empty());
    EXPECT_TRUE(callsStartingWith(L"MsgBox(").empty());
}

TEST_F(EnvironmentChecks, DefaultFolderThatCannotBeCreatedShowsSystemTextAndGoesOn) {
    excel.settings.libraryPath = L"C:\\GONE";
    files.refuseFolderCreation = true;
    files.addFolder(L"C:\\TYPED");
    pages.folderBox = L"C:\\TYPED";

    EXPECT_FALSE(endsProgram([&] { engine.folderForwardStep(); }));

    EXPECT_EQ(callsStartingWith(L"MsgBox("),
              (std::vector<std::wstring>{L"MsgBox(Permission denied|critical|Quorvane)"}));
    EXPECT_EQ(callsStartingWith(L"fs.CreateFolder("),
              (std::vector<std::wstring>{L"fs.CreateFolder(C:\\Quorvane)"}));
    EXPECT_TRUE(files.has(L"C:\\TYPED\\Quorvane Function11.xla")) << "the step went on";
}

TEST_F(EnvironmentChecks, ReleaseDeletesTheOldWorkbookOrStopsTheFolderPage) {
    struct Case {
        const char* what;
        bool recorded;
        bool workbookThere;
        bool heldOpen;
        bool stops;
        bool deleted;
    } cases[] = {
        {"no recorded folder", false, false, false, false, false},
        {"recorded folder without the workbook", true, false, false, false, false},
        {"workbook that nothing holds", true, true, false, false, true},
        {"workbook held open by Excel", true, true, true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryRegistryStore memory;
        std::swap(store.memory, memory);
        files.clear();
        log.clear();
        engine.gExit_Install = false;
        const std::wstring workbook = L"C:\\OLD\\Quorvane Function11.xla";
        if (c.recorded) recordInstallation(L"C:\\OLD");
        if (c.workbookThere) files.addFile(workbook);
        if (c.heldOpen) files.holdOpen(workbook);

        engine.prcRelease_Addin(L"Quorvane Function11");

        EXPECT_EQ(engine.gExit_Install, c.stops);
        EXPECT_EQ(files.has(workbook), c.workbookThere && !c.deleted);
        const auto boxes = callsStartingWith(L"MsgBox(");
        if (c.stops) {
            EXPECT_EQ(boxes, (std::vector<std::wstring>{
                                 L"MsgBox(Not can continue Install :\rPlese, Close all Workbooks "
                                 L"of Microsoft Excel\rto can Install this Add-inn."
                                 L"|information|Marrowick)"}));
            EXPECT_EQ(log.back(), L"repaint frmWizard1");
        } else {
            EXPECT_TRUE(boxes.empty());
        }
    }
}

TEST_F(EnvironmentChecks, HeldWorkbookStopsEachPressOfForwardWithOneMessage) {
    files.addFolder(L"C:\\NEW");
    recordInstallation(L"C:\\OLD");
    files.addFile(L"C:\\OLD\\Quorvane Function11.xla");
    files.holdOpen(L"C:\\OLD\\Quorvane Function11.xla");
    pages.folderBox = L"C:\\NEW";

    for (int press = 1; press <= 2; ++press) {
        log.clear();
        engine.folderForwardStep();
        EXPECT_TRUE(engine.Exit_Install());
        EXPECT_EQ(callsStartingWith(L"MsgBox(").size(), 1u);
        EXPECT_EQ(callsStartingWith(L"lblCopy.Visible=True").size(), 1u);
        EXPECT_TRUE(callsStartingWith(L"fs.copyfile(").empty());
        EXPECT_TRUE(callsStartingWith(L"unload ").empty()) << "the folder page stays";
    }
    EXPECT_EQ(storedText(kSettingsKey, L"Dir", kTextValue), L"C:\\OLD") << "nothing recorded";
}

}  // namespace
}  // namespace qv::setup::testing
