// The engine's Windows side under Wine, with the stand-in Excel and a stand-in package:
// a test program drives the engine's operations in place of the pages.

#include "ComHandles.h"
#include "ExcelLateBound.h"
#include "MessageBoxWatcher.h"
#include "StandInEnvironment.h"
#include "RuntimeError.h"
#include "ScriptingFileSystem.h"
#include "SettingsTree.h"
#include "SetupFakes.h"
#include "SetupRun.h"
#include "SystemCodePage.h"
#include "Win32RegistryStore.h"
#include "Win32Services.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

namespace qv::setup::testing {
namespace {

using qv::testing::MessageBoxWatcher;
using qv::testing::SeenMessage;

// The settings library placed in the package: the build's own, unless QV_SETUP_LIBRARY_FILE
// names another build of it.
const char* libraryFile() {
    const char* chosen = std::getenv("QV_SETUP_LIBRARY_FILE");
    return chosen && *chosen ? chosen : QV_LIBRARY_FILE;
}

class SetupOnWine : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CoInitialize(nullptr), S_OK);
        for (const auto& dir : {kRoot, kPackageDir, kLibraryDir, kInstallDir})
            CreateDirectoryA(dir.c_str(), nullptr);
        DeleteFileA(kLogFile.c_str());
        // The prefix lives for the whole program: each test starts with an empty install folder.
        for (const char* name : {"Quorvane Function11.xla", "Quorvane11.chm"})
            DeleteFileA((kInstallDir + "\\" + name).c_str());
        writeFile(kPackageDir + "\\QVF.xla", "stand-in add-in workbook");
        writeFile(kPackageDir + "\\QV.chm", "stand-in help file");
        writeFile(kPackageDir + "\\REGSVR32.exe", "stand-in registration tool");
        for (const char* name : {"VB6es.dll", "3A.ocx", "FM20.dll", "3B.ocx"})
            CopyFileA(buildFile(QV_STANDIN_COMPONENT).c_str(), (kPackageDir + "\\" + name).c_str(),
                      FALSE);
        ASSERT_TRUE(CopyFileA(buildFile(libraryFile()).c_str(),
                              (kPackageDir + "\\IQV_v011.dll").c_str(), FALSE))
            << "the settings library " << libraryFile() << " is needed in the package";
        for (const char* name : {"QVU.exe", "UQV.exe"})
            if (!exists(kPackageDir + "\\" + name))
                writeFile(kPackageDir + "\\" + name, "stand-in");
        configureExcel("11.0", "ls_addin1", "yes");
        registerExcel();
        engine.prcReset_Settings();
    }

    void TearDown() override {
        endStandIns();
        CoUninitialize();
    }

    // A fresh installation's folder step into the install folder, typed in lower case.
    void freshFolderStep() {
        pages.folderBox = L"  c:\\qvtest\\install ";
        engine.gFolder_Chosen = true;
        engine.folderForwardStep();
    }

    MessageBoxWatcher watcher;
    CallLog pageLog;
    FakePages pages{pageLog};
    qv::win::SystemCodePage codePage;
    qv::win::Win32RegistryStore registry;
    win::ScriptingFileSystem files;
    win::ExcelLateBound excel;
    win::Win32SystemServices system{codePage};
    win::Win32MessageBoxes messages{codePage};
    SetupEngine engine{SetupOutside{registry, codePage, files, excel, system, messages, pages,
                                    std::wstring(kPackageDir.begin(), kPackageDir.end())}};
};

std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// First, while nothing is registered and nothing placed: Excel missing entirely.
TEST_F(SetupOnWine, ExcelNotRegisteredEndsWithRuntimeReportAndChangesNothing) {
    unregisterExcel();
    const std::string systemDir = [] {
        char path[MAX_PATH] = {};
        GetSystemDirectoryA(path, MAX_PATH);
        return std::string(path);
    }();

    EXPECT_EQ(runSetup(engine, messages), 1);

    EXPECT_EQ(
        watcher.seen(),
        (std::vector<SeenMessage>{
            {L"QV_Setup", L"Run-time error '429':\r\n\r\nActiveX component can't create object"}}));
    EXPECT_FALSE(exists(systemDir + "\\QVU.exe"));
    EXPECT_FALSE(exists(systemDir + "\\IQV_v011.dll"));
    EXPECT_TRUE(pageLog.empty());
}

// QV_Setup.exe itself, answered box by box from here: the boxes it shows and its exit code.
struct ProgramRun {
    std::vector<SeenMessage> seen;
    DWORD exitCode = STILL_ACTIVE;
};

ProgramRun runSetupProgram() {
    ProgramRun run;
    std::string line = "\"" + buildFile(QV_SETUP_PROGRAM) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return run;
    {
        MessageBoxWatcher answerer(process.dwProcessId);
        // Bounded: a program that hangs must not hang the run.
        if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
        run.seen = answerer.seen();
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

TEST_F(SetupOnWine, SetupProgramEndsAtStartUpWithoutUsableExcel) {
    struct Case {
        const char* what;
        bool registered;
        DWORD exitCode;
        SeenMessage box;
    } cases[] = {
        {"Excel not registered",
         false,
         1,
         {L"QV_Setup", L"Run-time error '429':\r\n\r\nActiveX component can't create object"}},
        {"Excel 97",
         true,
         0,
         {L"Marrowick",
          L"Quorvane works with Excel 2000 for Windows or later versions \r"
          L"It does not work with Excel 97 or earlier versions, and does not work with \r"
          L"Excel for Macintosh."}},
    };
    configureExcel("8.0", "ls_addin1", "yes");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.registered) {
            registerExcel();
        } else {
            unregisterExcel();
        }
        const ProgramRun run = runSetupProgram();
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.seen, std::vector<SeenMessage>{c.box});
    }
}

TEST_F(SetupOnWine, ExcelEightEndsWithItsMessageBeforeAnyChange) {
    configureExcel("8.0", "ls_addin1", "yes");

    EXPECT_EQ(runSetup(engine, messages), 0);

    EXPECT_EQ(watcher.seen(),
              (std::vector<SeenMessage>{
                  {L"Marrowick",
                   L"Quorvane works with Excel 2000 for Windows or later versions \r"
                   L"It does not work with Excel 97 or earlier versions, and does not work with \r"
                   L"Excel for Macintosh."}}));
    EXPECT_EQ(excelCalls(),
              (std::vector<std::string>{"Application created", "Application.VERSION()"}));
    EXPECT_TRUE(allStandInsEnd()) << "released without Quit and never shown, it ends itself";
    EXPECT_TRUE(pageLog.empty());
}

TEST_F(SetupOnWine, StartUpPlacesMissingComponentsAndTheLibraryBecomesCreatable) {
    engine.prcStartup();

    const std::string systemDir = [] {
        char path[MAX_PATH] = {};
        GetSystemDirectoryA(path, MAX_PATH);
        return std::string(path);
    }();
    for (const char* name : {"QVU.exe", "UQV.exe", "VB6es.dll", "comdlg32.ocx", "FM20.DLL",
                             "mscomctl.ocx", "IQV_v011.dll"})
        EXPECT_TRUE(exists(systemDir + "\\" + name)) << name;
    EXPECT_EQ(pageLog, (std::vector<std::wstring>{L"txtPathdefault=" + wide(kLibraryDir),
                                                  L"show modal frmWizard4"}));
    EXPECT_TRUE(watcher.seen().empty());

    // The registration tool runs on its own; a VBScript client creates the class once it has.
    const std::string script = kRoot + "\\create.vbs";
    writeFile(script,
              "On Error Resume Next\r\n"
              "Set library = CreateObject(\"IQV_v011.CLibrary\")\r\n"
              "If Err.Number <> 0 Then WScript.Quit 2\r\n"
              "WScript.Quit 7\r\n");
    DWORD exitCode = 0;
    for (int attempt = 0; attempt < 100 && exitCode != 7; ++attempt) {
        std::string line = "cscript.exe //nologo " + script;
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (exitCode != 7) Sleep(100);
    }
    EXPECT_EQ(exitCode, 7u) << "IQV_v011.CLibrary created by a VBScript client";
}

TEST_F(SetupOnWine, FreshInstallationCopiesTheAddinFilesAndWritesTheRecords) {
    freshFolderStep();

    EXPECT_TRUE(exists(kInstallDir + "\\Quorvane Function11.xla"));
    EXPECT_TRUE(exists(kInstallDir + "\\Quorvane11.chm"));
    const auto values = valuesOf("Software\\Quorvane11\\Groupdate");
    ASSERT_EQ(values.count("Dir"), 1u);
    EXPECT_EQ(values.at("Dir"), (RawValue{REG_SZ, std::string("C:\\QVTEST\\INSTALL") + '\0'}));
    const std::string status(
        "8\0"
        "4\0"
        "1\0"
        "1\0"
        "4\0"
        "1\0"
        "1\0"
        "7\0"
        "1\0"
        "0\0"
        "1\0",
        22);
    ASSERT_EQ(values.count("STATUS_APP"), 1u);
    EXPECT_EQ(values.at("STATUS_APP"), (RawValue{REG_BINARY, status}));
    EXPECT_EQ(pageLog.back(), L"show modal frmWizard2");
    EXPECT_TRUE(watcher.seen().empty());
}

TEST_F(SetupOnWine, ActivationDrivesExcelInOrderAndLeavesItRunning) {
    freshFolderStep();

    EXPECT_TRUE(endsProgram([&] { engine.prcActivate_Addin(L"Quorvane Function11"); }));

    const std::string addin = "C:\\QVTEST\\INSTALL\\Quorvane Function11.xla";
    EXPECT_EQ(excelCalls(),
              (std::vector<std::string>{
                  "Application created",
                  "Application.WORKBOOKS()",
                  "Workbooks.ADD()",
                  "Application.WINDOWSTATE=-4140",
                  "Application.VISIBLE=True",
                  "Application.WINDOWSTATE=-4137",
                  "Application.ADDINS()",
                  "AddIns.ADD(" + addin + ")",
                  "Application.ADDINS()",
                  "AddIns.ITEM(Quorvane Function11)",
                  "AddIn.INSTALLED=True",
                  "addin start (Installed): CLibrary ok",
                  "Application.WORKBOOKS()",
                  "Workbooks.ITEM(Quorvane Function11.xla)",
                  "Application.RUN('Quorvane Function11.xla'!Instalacion.prcCrea_Toolbar)",
                  "addin start (Run): CLibrary ok",
              }));
    for (const auto& line : logLines()) {
        if (line.find(" lcid=") != std::string::npos) {
            EXPECT_NE(line.find(" lcid=1033"), std::string::npos) << line;
        }
    }
    EXPECT_EQ(
        watcher.seen(),
        (std::vector<SeenMessage>{{L"Quorvane Function", L"The Installation was succesfull"}}));
    EXPECT_EQ(runningStandIns().size(), 1u) << "Excel stays open for the user";
}

TEST_F(SetupOnWine, MissingToolbarMacroSwitchesOffOnOnAndStillSucceeds) {
    configureExcel("11.0", "ls_addin1", "no");
    freshFolderStep();

    EXPECT_TRUE(endsProgram([&] { engine.prcActivate_Addin(L"Quorvane Function11"); }));

    const auto calls = excelCalls();
    const auto run =
        std::find(calls.begin(), calls.end(),
                  "Application.RUN('Quorvane Function11.xla'!Instalacion.prcCrea_Toolbar)");
    ASSERT_NE(run, calls.end());
    EXPECT_EQ(
        std::vector<std::string>(run + 1, calls.end()),
        (std::vector<std::string>{"Application.ADDINS()", "AddIns.ITEM(Quorvane Function11)",
                                  "AddIn.INSTALLED=False", "Application.ADDINS()",
                                  "AddIns.ITEM(Quorvane Function11)", "AddIn.INSTALLED=True",
                                  "addin start (Installed): CLibrary ok", "Application.ADDINS()",
                                  "AddIns.ITEM(Quorvane Function11)", "AddIn.INSTALLED=True"}));
    EXPECT_EQ(
        watcher.seen(),
        (std::vector<SeenMessage>{{L"Quorvane Function", L"The Installation was succesfull"}}));
}

TEST_F(SetupOnWine, MissingOldEntryShowsTheFolderPageTwice) {
    configureExcel("11.0", "", "yes");
    float next = 0;
    engine.prcAddin_Off(next);

    EXPECT_EQ(std::count(pageLog.begin(), pageLog.end(), L"show modal frmWizard1"), 2);
    const auto calls = excelCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Application created"), 2);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Application.QUIT()"), 2);
    EXPECT_TRUE(watcher.seen().empty());
}

TEST_F(SetupOnWine, PackageWithoutHelpFileEndsWithTheCopyErrorAndRecordsNothing) {
    DeleteFileA((kPackageDir + "\\QV.chm").c_str());
    DeleteFileA((kInstallDir + "\\Quorvane Function11.xla").c_str());

    EXPECT_TRUE(endsProgram([&] { freshFolderStep(); }));

    EXPECT_TRUE(exists(kInstallDir + "\\Quorvane Function11.xla"));
    const auto seen = watcher.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, L"Marrowick");
    EXPECT_EQ(seen[0].text, L"File not found");
    EXPECT_TRUE(valuesOf("Software\\Quorvane11\\Groupdate").empty());
}

TEST_F(SetupOnWine, OldWorkbookOpenInAnotherExcelStopsTheFolderStep) {
    const std::string oldDir = kRoot + "\\old";
    CreateDirectoryA(oldDir.c_str(), nullptr);
    const std::string workbook = oldDir + "\\Quorvane Function11.xla";
    writeFile(workbook, "old workbook");
    setText(HKEY_CURRENT_USER, "Software\\Quorvane11\\Groupdate", "Dir", oldDir);
    // A user's Excel, another process, with the old add-in loaded.
    auto usersExcel = excel.createApplication();
    usersExcel->addAddIn(wide(workbook));
    usersExcel->setAddInInstalled(L"Quorvane Function11", true);

    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        freshFolderStep();
        EXPECT_TRUE(engine.gExit_Install);
        EXPECT_EQ(pageLog.back(), L"repaint frmWizard1");
    }
    usersExcel->quit();
    usersExcel.reset();

    EXPECT_TRUE(exists(workbook));
    EXPECT_FALSE(exists(kInstallDir + "\\Quorvane11.chm")) << "nothing copied";
    const SeenMessage closeWorkbooks{
        L"Marrowick",
        L"Not can continue Install :\rPlese, Close all Workbooks of Microsoft Excel\rto can "
        L"Install this Add-inn."};
    EXPECT_EQ(watcher.seen(), (std::vector<SeenMessage>{closeWorkbooks, closeWorkbooks}));
    EXPECT_EQ(valuesOf("Software\\Quorvane11\\Groupdate").at("Dir").data, oldDir + '\0');
}

TEST_F(SetupOnWine, UpdateKeepsEveryValueUnderTheSettingsKey) {
    const std::string oldDir = kRoot + "\\old";
    CreateDirectoryA(oldDir.c_str(), nullptr);
    writeFile(oldDir + "\\Quorvane Function11.xla", "old workbook");
    setText(HKEY_CURRENT_USER, "Software\\Quorvane11\\Groupdate", "Dir", "c:\\qvtest\\old");
    setText(HKEY_CURRENT_USER, "Software\\Quorvane11\\Groupdate", "Zoom_value", "120");
    setText(HKEY_CURRENT_USER, "Software\\Quorvane11\\Groupdate\\Tl\\S", "value", "3");
    const auto before = valuesOf("Software\\Quorvane11\\Groupdate");
    pages.clicks[Page::Terms].push_back([this] { engine.termsForwardStep(); });

    engine.prcStartup();

    EXPECT_TRUE(engine.gUpdate_Mode);
    EXPECT_EQ(valuesOf("Software\\Quorvane11\\Groupdate"), before);
    EXPECT_EQ(valuesOf("Software\\Quorvane11\\Groupdate\\Tl\\S").at("value").data,
              std::string("3") + '\0');
    EXPECT_EQ(pageLog.back(), L"show modal frmWizard2");
    EXPECT_TRUE(watcher.seen().empty());
}

// The mail steps as the maker's mail link takes them, in one instance of Excel.
void takeMailSteps(ExcelApplication& application, const std::wstring& address) {
    application.addWorkbook();
    application.addSheet();
    application.setCellValue(L"A1", L"Write to the maker");
    application.addHyperlink(L"A1", address, L"Write to the maker");
    application.followHyperlink(L"A1", false, true);
}

TEST_F(SetupOnWine, MailStepsReachTheMailProgramThroughTheAddedSheetInOrder) {
    setText(HKEY_CURRENT_USER, kConfigKey, "MailProgram", "C:\\Mail\\mail.exe");
    const std::wstring address = L"mailto:maker@example.com";
    auto application = excel.createApplication();

    takeMailSteps(*application, address);
    application->quit();
    application.reset();

    EXPECT_EQ(excelCalls(),
              (std::vector<std::string>{
                  "Application created",
                  "Application.WORKBOOKS()",
                  "Workbooks.ADD()",
                  "Workbook.SHEETS()",
                  "Sheets.ADD()",
                  "Worksheet.RANGE(A1)",
                  "Range.VALUE=Write to the maker",
                  "Worksheet.HYPERLINKS()",
                  "Worksheet.RANGE(A1)",
                  "Hyperlinks.ADD(Range A1,mailto:maker@example.com,Write to the maker)",
                  "Worksheet.RANGE(A1)",
                  "Range.HYPERLINKS()",
                  "Hyperlinks.ITEM(1)",
                  "Hyperlink.FOLLOW(False,True)",
                  "mail to mailto:maker@example.com",
                  "Application.QUIT()",
              }));
    for (const auto& line : logLines()) {
        if (line.find(" lcid=") != std::string::npos) {
            EXPECT_NE(line.find(" lcid=1033"), std::string::npos) << line;
        }
    }
    EXPECT_TRUE(allStandInsEnd());
}

TEST_F(SetupOnWine, FollowWithoutMailProgramRaisesExcelsErrorAndQuitStillEndsExcel) {
    auto application = excel.createApplication();
    // Shown to the user, the instance outlives its release unless it is told to quit.
    application->setVisible(true);

    try {
        takeMailSteps(*application, L"mailto:maker@example.com");
        ADD_FAILURE() << "following a mailto: link without a mail program succeeded";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), static_cast<std::int32_t>(0x800401EAu));
        EXPECT_EQ(error.description(), L"Cannot open the specified file.");
    }
    application->quit();
    application.reset();

    const auto calls = excelCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Hyperlink.FOLLOW(False,True)"), 1);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& call) { return call.rfind("mail to", 0) == 0; }),
              0);
    EXPECT_EQ(calls.back(), "Application.QUIT()");
    EXPECT_TRUE(allStandInsEnd()) << "Quit ends even a shown instance once it is released";
}

TEST_F(SetupOnWine, MailStepWithoutItsWorkbookOrSheetRaisesError91AndCallsNothing) {
    struct Case {
        const char* what;
        bool workbookFirst;
        std::function<void(ExcelApplication&)> step;
    } cases[] = {
        {"sheet without a workbook", false, [](ExcelApplication& a) { a.addSheet(); }},
        {"cell value without a sheet", true,
         [](ExcelApplication& a) { a.setCellValue(L"A1", L"text"); }},
        {"hyperlink without a sheet", true,
         [](ExcelApplication& a) { a.addHyperlink(L"A1", L"mailto:a@b.c", L""); }},
        {"follow without a sheet", true,
         [](ExcelApplication& a) { a.followHyperlink(L"A1", false, true); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto application = excel.createApplication();
        if (c.workbookFirst) application->addWorkbook();
        DeleteFileA(kLogFile.c_str());

        try {
            c.step(*application);
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 91);
            EXPECT_EQ(error.description(), L"Object variable or With block variable not set");
        }
        EXPECT_TRUE(excelCalls().empty()) << "no call reaches Excel";
        application->quit();
    }
    EXPECT_TRUE(allStandInsEnd());
}

TEST_F(SetupOnWine, HyperlinkAnchoredOnAnotherCellIsNotFollowedFromThisOne) {
    setText(HKEY_CURRENT_USER, kConfigKey, "MailProgram", "C:\\Mail\\mail.exe");
    auto application = excel.createApplication();
    application->addWorkbook();
    application->addSheet();
    application->addHyperlink(L"B2", L"mailto:maker@example.com", L"");

    try {
        application->followHyperlink(L"A1", false, true);
        ADD_FAILURE() << "A1 has no hyperlink";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 9);
    }
    application->followHyperlink(L"B2", false, true);
    application->quit();
    application.reset();

    const auto calls = excelCalls();
    EXPECT_NE(
        std::find(calls.begin(), calls.end(), "Hyperlinks.ADD(Range B2,mailto:maker@example.com,)"),
        calls.end());
    EXPECT_EQ(calls[calls.size() - 2], "mail to mailto:maker@example.com");
}

// Which drive letters the machine has, and their kinds, from the system itself.
std::vector<DriveEntry> systemDrives() {
    std::vector<DriveEntry> drives;
    const DWORD letters = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (!(letters & (1u << bit))) continue;
        const std::wstring path{static_cast<wchar_t>(L'A' + bit), L':'};
        const std::string root{static_cast<char>('A' + bit), ':', '\\'};
        // The drive kinds of the file-system object, from GetDriveType's.
        int type = 0;
        switch (GetDriveTypeA(root.c_str())) {
            case DRIVE_REMOVABLE:
                type = 1;
                break;
            case DRIVE_FIXED:
                type = kFixedDrive;
                break;
            case DRIVE_REMOTE:
                type = 3;
                break;
            case DRIVE_CDROM:
                type = 4;
                break;
            case DRIVE_RAMDISK:
                type = 5;
                break;
        }
        drives.push_back({path, type});
    }
    return drives;
}

TEST_F(SetupOnWine, DrivesListsEveryDriveInLetterOrderWithItsKind) {
    const auto drives = files.drives();

    ASSERT_FALSE(drives.empty());
    std::vector<std::wstring> paths;
    for (const auto& drive : drives) paths.push_back(drive.path);
    EXPECT_TRUE(std::is_sorted(paths.begin(), paths.end()));
    const auto expected = systemDrives();
    ASSERT_EQ(drives.size(), expected.size());
    for (std::size_t i = 0; i < drives.size(); ++i) {
        SCOPED_TRACE(std::string(paths[i].begin(), paths[i].end()));
        EXPECT_EQ(drives[i].path, expected[i].path);
        EXPECT_EQ(drives[i].driveType, expected[i].driveType);
    }
    const auto c = std::find_if(drives.begin(), drives.end(),
                                [](const DriveEntry& drive) { return drive.path == L"C:"; });
    ASSERT_NE(c, drives.end());
    EXPECT_EQ(c->driveType, kFixedDrive);
}

TEST_F(SetupOnWine, GetDriveNameGivesTheDrivePartOfALocalPath) {
    struct Case {
        const wchar_t* path;
        const wchar_t* drive;
    } cases[] = {
        {L"C:\\x\\y", L"C:"},        // a folder's file
        {L"d:\\folder", L"d:"},      // the letter as written
        {L"C:", L"C:"},              // the drive itself
        {L"folder\\file.txt", L""},  // a relative path has none
        {L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path, c.path + wcslen(c.path)));
        EXPECT_EQ(files.getDriveName(c.path), c.drive);
    }
}

}  // namespace
}  // namespace qv::setup::testing
