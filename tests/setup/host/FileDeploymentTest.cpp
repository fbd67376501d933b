// The component walk at start-up, the removal programs and the add-in files.

#include "SetupFixture.h"

#include <cwchar>

namespace qv::setup::testing {
namespace {

using FileDeployment = SetupFixture;

TEST_F(FileDeployment, StartUpPlacesAndRegistersOnlyMissingComponents) {
    const std::wstring sys = kSystemDir + L"\\";
    struct Case {
        const char* what;
        std::vector<const wchar_t*> missing;  // present names taken away from the system folder
        std::vector<std::wstring> copies;
        std::vector<std::wstring> started;
    } cases[] = {
        {"all six present", {}, {}, {}},
        {"only the settings library missing",
         {L"IQV_v011.dll"},
         {L"fs.copyfile(D:\\PACKAGE\\IQV_v011.dll," + sys + L"IQV_v011.dll,True)"},
         {L"start hidden(Regsvr32.exe " + sys + L"IQV_v011.dll)"}},
        {"registration tool missing: copied, not registered",
         {L"REGSVR32.EXE"},
         {L"fs.copyfile(D:\\PACKAGE\\REGSVR32.exe," + sys + L"REGSVR32.EXE,True)"},
         {}},
        {"both controls come from their package names",
         {L"comdlg32.ocx", L"mscomctl.ocx"},
         {L"fs.copyfile(D:\\PACKAGE\\3A.ocx," + sys + L"comdlg32.ocx,True)",
          L"fs.copyfile(D:\\PACKAGE\\3B.ocx," + sys + L"mscomctl.ocx,True)"},
         {L"start hidden(Regsvr32.exe " + sys + L"comdlg32.ocx)",
          L"start hidden(Regsvr32.exe " + sys + L"mscomctl.ocx)"}},
        {"all missing, in table order",
         {L"REGSVR32.EXE", L"VB6es.dll", L"comdlg32.ocx", L"FM20.DLL", L"mscomctl.ocx",
          L"IQV_v011.dll"},
         {L"fs.copyfile(D:\\PACKAGE\\REGSVR32.exe," + sys + L"REGSVR32.EXE,True)",
          L"fs.copyfile(D:\\PACKAGE\\VB6es.dll," + sys + L"VB6es.dll,True)",
          L"fs.copyfile(D:\\PACKAGE\\3A.ocx," + sys + L"comdlg32.ocx,True)",
          L"fs.copyfile(D:\\PACKAGE\\FM20.dll," + sys + L"FM20.DLL,True)",
          L"fs.copyfile(D:\\PACKAGE\\3B.ocx," + sys + L"mscomctl.ocx,True)",
          L"fs.copyfile(D:\\PACKAGE\\IQV_v011.dll," + sys + L"IQV_v011.dll,True)"},
         {L"start hidden(Regsvr32.exe " + sys + L"VB6es.dll)",
          L"start hidden(Regsvr32.exe " + sys + L"comdlg32.ocx)",
          L"start hidden(Regsvr32.exe " + sys + L"FM20.DLL)",
          L"start hidden(Regsvr32.exe " + sys + L"mscomctl.ocx)",
          L"start hidden(Regsvr32.exe " + sys + L"IQV_v011.dll)"}},
    };
    const std::vector<std::wstring> removalCopies = {
        L"fs.copyfile(D:\\PACKAGE\\QVU.exe," + sys + L"QVU.exe,True)",
        L"fs.copyfile(D:\\PACKAGE\\UQV.exe," + sys + L"UQV.exe,True)"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        files.clear();
        files.addFolder(kPackage);
        files.addFolder(kSystemDir);
        files.addFolder(L"C:\\OFFICE");
        for (const wchar_t* name : {L"QVU.exe", L"UQV.exe"}) files.addFile(kPackage + L"\\" + name);
        for (const auto& row : supportComponents()) {
            files.addFile(kPackage + L"\\" + row.sourceName);
            bool missing = false;
            for (const wchar_t* name : c.missing)
                missing |= std::wcscmp(name, row.presentName + 1) == 0;  // past the "\\"
            if (!missing) files.addFile(kSystemDir + row.presentName);
        }
        log.clear();

        engine.prcStartup();

        std::vector<std::wstring> expectedCopies = removalCopies;
        expectedCopies.insert(expectedCopies.end(), c.copies.begin(), c.copies.end());
        EXPECT_EQ(callsStartingWith(L"fs.copyfile("), expectedCopies);
        EXPECT_EQ(callsStartingWith(L"start hidden("), c.started);
        EXPECT_TRUE(callsStartingWith(L"MsgBox(").empty());
    }
}

TEST_F(FileDeployment, RegistrationFollowsEachCopyAtOnce) {
    std::int16_t index = 4;
    engine.prcInstall_Component(index);
    EXPECT_EQ(log, (std::vector<std::wstring>{
                       L"GetSystemDirectoryA(255)",
                       L"fs.copyfile(D:\\PACKAGE\\FM20.dll,C:\\WINDOWS\\SYSTEM32\\FM20.DLL,True)",
                       L"GetSystemDirectoryA(255)",
                       L"start hidden(Regsvr32.exe C:\\WINDOWS\\SYSTEM32\\FM20.DLL)"}));
}

TEST_F(FileDeployment, ComponentThatCannotBeCopiedEndsWithSystemText) {
    files.clear();
    files.addFolder(kSystemDir);  // the package folder holds nothing
    std::int16_t index = 7;
    EXPECT_TRUE(endsProgram([&] { engine.prcInstall_Component(index); }));
    EXPECT_EQ(log.back(), L"MsgBox(File not found|critical|Marrowick)");
    EXPECT_TRUE(callsStartingWith(L"start hidden(").empty());
}

TEST_F(FileDeployment, ToolThatCannotStartIsReportedAndTheWalkGoesOn) {
    system.startFails = true;
    files.clear();
    files.addFolder(kPackage);
    files.addFolder(kSystemDir);
    for (const auto& row : supportComponents()) files.addFile(kPackage + L"\\" + row.sourceName);

    for (const auto& row : supportComponents()) {
        std::int16_t index = row.index;
        EXPECT_FALSE(endsProgram([&] { engine.prcInstall_Component(index); }));
    }

    const auto boxes = callsStartingWith(L"MsgBox(");
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes.front(),
              L"MsgBox(Not register the file Regsvr32.exe C:\\WINDOWS\\SYSTEM32\\VB6es.dll"
              L"|critical|Error)");
    EXPECT_TRUE(files.has(kSystemDir + L"\\IQV_v011.dll"));
}

TEST_F(FileDeployment, SystemFolderIsTheTextBeforeTheFirstZero) {
    EXPECT_EQ(engine.lpSystem_Dir(), kSystemDir);
    system.systemDir.clear();  // GetSystemDirectoryA reports 0
    EXPECT_EQ(engine.lpSystem_Dir(), L"");
}

TEST_F(FileDeployment, RemovalProgramsThatCannotBeCopiedAreSilent) {
    files.clear();
    files.addFolder(kSystemDir);
    files.addFile(kPackage + L"\\UQV.exe");  // QVU.exe missing, the package folder too
    engine.prcCopy_Uninstall();
    EXPECT_EQ(callsStartingWith(L"fs.copyfile(").size(), 2u) << "the second copy still runs";
    EXPECT_TRUE(callsStartingWith(L"MsgBox(").empty());
}

TEST_F(FileDeployment, PackageWithoutHelpFileEndsAfterTheWorkbookWasCopied) {
    files.clear();
    files.addFolder(kPackage);
    files.addFolder(L"C:\\ADDINS");
    files.addFile(kPackage + L"\\QVF.xla");

    EXPECT_TRUE(endsProgram([&] { engine.prcCopy_Addin(L"C:\\ADDINS", L"Quorvane Function11"); }));

    EXPECT_TRUE(files.has(L"C:\\ADDINS\\Quorvane Function11.xla"));
    EXPECT_EQ(log.back(), L"MsgBox(File not found|critical|Marrowick)");
}

TEST_F(FileDeployment, MissingInstallFolderEndsBeforeAnythingIsRecorded) {
    pages.folderBox = L"C:\\NOWHERE";
    EXPECT_TRUE(endsProgram([&] { engine.folderForwardStep(); }));
    EXPECT_EQ(log.back(), L"MsgBox(Path not found|critical|Marrowick)");
    EXPECT_TRUE(callsStartingWith(L"RegDeleteKey(").empty());
    EXPECT_FALSE(registry.checkKey(kCurrentUser, kSettingsKey));
}

}  // namespace
}  // namespace qv::setup::testing
