// The two runs through the wizard, step by step, and the records a fresh installation
// leaves behind.

#include "SetupFixture.h"
#include "SetupRun.h"
#include "SetupTexts.h"
#include "Utf16Text.h"

namespace qv::setup::testing {
namespace {

class InstallSequence : public SetupFixture {
  protected:
    // The user's clicks: forward on the terms page, the folder typed, forward, then "End".
    void clickThroughFreshInstallation(const std::wstring& typedFolder) {
        pages.clicks[Page::Terms].push_back([this] { engine.termsForwardStep(); });
        pages.clicks[Page::Folder].push_back([this, typedFolder] {
            pages.folderBox = typedFolder;
            engine.folderForwardStep();
        });
        pages.clicks[Page::Install].push_back([this] { engine.installStep(); });
    }

    std::vector<std::wstring> logWithoutDeletions() const {
        std::vector<std::wstring> kept;
        for (const auto& call : log)
            if (call.rfind(L"RegDeleteKey(", 0) != 0) kept.push_back(call);
        return kept;
    }

    // Start-up's calls up to the detection of an earlier installation, all components present.
    static std::vector<std::wstring> startupCalls() {
        std::vector<std::wstring> calls = {
            L"CreateObject(Excel.application)",
            L"excel1.Version",
            L"excel1.release",
            L"GetSystemDirectoryA(255)",
            L"fs.copyfile(D:\\PACKAGE\\QVU.exe,C:\\WINDOWS\\SYSTEM32\\QVU.exe,True)",
            L"fs.copyfile(D:\\PACKAGE\\UQV.exe,C:\\WINDOWS\\SYSTEM32\\UQV.exe,True)",
        };
        for (const wchar_t* present : {L"REGSVR32.EXE", L"VB6es.dll", L"comdlg32.ocx", L"FM20.DLL",
                                       L"mscomctl.ocx", L"IQV_v011.dll"}) {
            calls.push_back(L"GetSystemDirectoryA(255)");
            calls.push_back(L"fs.FileExists(C:\\WINDOWS\\SYSTEM32\\" + std::wstring(present) +
                            L")");
        }
        return calls;
    }

    static void append(std::vector<std::wstring>& calls, std::vector<std::wstring> more) {
        calls.insert(calls.end(), more.begin(), more.end());
    }

    // prcActivate_Addin on Excel instance `n` for the add-in in `folder`, macro present.
    static std::vector<std::wstring> activationCalls(const std::wstring& n,
                                                     const std::wstring& folder) {
        const std::wstring e = L"excel" + n + L".";
        return {L"lblDelete.Visible=False",
                L"lblAdd.Visible=True",
                L"unload frmWizard2",
                L"show frmEnd",
                L"CreateObject(Excel.application)",
                e + L"Workbooks.Add",
                L"hide frmEnd",
                L"minimize frmEnd",
                e + L"WindowState=-4140",
                e + L"Visible=True",
                e + L"WindowState=-4137",
                e + L"AddIns.Add(" + folder + L"\\Quorvane Function11.xla)",
                e + L"AddIns(Quorvane Function11).Installed=True",
                e + L"Workbooks(Quorvane Function11.xla)",
                e + L"Run('Quorvane Function11.xla'!Instalacion.prcCrea_Toolbar)",
                L"MsgBox(The Installation was succesfull|none|Quorvane Function)",
                e + L"release"};
    }
};

TEST_F(InstallSequence, FreshInstallationRunsEveryStepInOrder) {
    clickThroughFreshInstallation(L"  c:\\office  ");

    EXPECT_EQ(runSetup(engine, messages), 0);

    std::vector<std::wstring> expected = startupCalls();
    append(expected,
           {
               L"fs.FileExists(\\Quorvane Function11.xla)",  // no recorded folder
               L"CreateObject(Excel.application)",
               L"excel2.LibraryPath",
               L"fs.FolderExists(C:\\OFFICE)",
               L"excel2.release",
               L"txtPathdefault=C:\\OFFICE",
               L"show modal frmWizard4",
               // prcAddin_Off with the folder page next
               L"CreateObject(Excel.application)",
               L"excel3.Workbooks.Add",
               L"hide frmWizard4",
               L"minimize frmEnd",
               L"excel3.AddIns(ls_addin1).Installed=False",
               L"excel3.DisplayAlerts=False",
               L"excel3.ActiveWorkbook.Close",
               L"excel3.Quit",
               L"excel3.release",
               L"unload frmWizard4",
               L"show modal frmWizard1",
               // folder page forward step: the default folder is looked up twice, as created
               L"CreateObject(Excel.application)",
               L"excel4.LibraryPath",
               L"fs.FolderExists(C:\\OFFICE)",
               L"excel4.release",
               L"fs.FolderExists(C:\\OFFICE)",
               L"lblCopy.Visible=True",
               L"fs.copyfile(D:\\PACKAGE\\QVF.xla,C:\\OFFICE\\Quorvane Function11.xla,True)",
               L"fs.copyfile(D:\\PACKAGE\\QV.chm,C:\\OFFICE\\Quorvane11.chm,True)",
               L"unload frmWizard1",
               L"show modal frmWizard2",
           });
    append(expected, activationCalls(L"5", L"C:\\OFFICE"));
    EXPECT_EQ(logWithoutDeletions(), expected);

    // The reset runs between the copies and the unloading of the folder page.
    const auto fromCopy =
        logFrom(L"fs.copyfile(D:\\PACKAGE\\QV.chm,C:\\OFFICE\\Quorvane11.chm,True)");
    ASSERT_GE(fromCopy.size(), 87u);
    EXPECT_EQ(fromCopy[1], L"RegDeleteKey(Software\\Quorvane11\\Groupdate\\Tl\\1)");
    EXPECT_EQ(fromCopy[85], L"RegDeleteKey(Software\\Quorvane11)");
    EXPECT_EQ(fromCopy[86], L"unload frmWizard1");
    EXPECT_EQ(excel.liveInstances, 0);
    EXPECT_EQ(excel.quitInstances, 1) << "only prcAddin_Off tells Excel to quit";
}

TEST_F(InstallSequence, FreshInstallationRecordsTrimmedUpperCaseFolderAndStatus) {
    files.addFolder(L"C:\\ADDINS");
    clickThroughFreshInstallation(L"  c:\\addins ");

    EXPECT_EQ(runSetup(engine, messages), 0);

    EXPECT_EQ(engine.gInstall_Path, L"C:\\ADDINS");
    EXPECT_TRUE(files.has(L"C:\\ADDINS\\Quorvane Function11.xla"));
    EXPECT_TRUE(files.has(L"C:\\ADDINS\\Quorvane11.chm"));

    std::unique_ptr<RegistryKey> key;
    ASSERT_EQ(store.openKey(kCurrentUser, "Software\\Quorvane11\\Groupdate", kKeyRead, key),
              kSuccess);
    Bytes dir;
    ASSERT_EQ(key->queryValue("Dir", 1024, dir), kSuccess);
    const std::string dirText = "C:\\ADDINS";
    EXPECT_EQ(dir, Bytes(dirText.c_str(), dirText.c_str() + dirText.size() + 1))
        << "REG_SZ text with its terminating zero";
    Bytes status;
    ASSERT_EQ(key->queryValue("STATUS_APP", 4096, status), kSuccess);
    EXPECT_EQ(status.size(), 22u);
    EXPECT_EQ(textFromUtf16LeBytes(status), L"84114117101");
    EXPECT_EQ(status[0], '8');
    EXPECT_EQ(status[1], 0);
}

TEST_F(InstallSequence, UpdateReinstallsIntoRecordedFolderAndKeepsEverySetting) {
    files.addFolder(L"c:\\old place");
    files.addFile(L"c:\\old place\\Quorvane Function11.xla");
    recordInstallation(L"c:\\old place");
    registry.createKey(kCurrentUser, settingsPath(L"Tl\\S"));
    registry.setValue(kCurrentUser, settingsPath(L"Tl\\S"), L"value", kTextValue,
                      PortableValue(L"3"));
    registry.setValue(kCurrentUser, kSettingsKey, L"STATUS_APP", kBinaryValue,
                      PortableValue(L"7097108115101"));
    pages.clicks[Page::Terms].push_back([this] { engine.termsForwardStep(); });
    pages.clicks[Page::Install].push_back([this] { engine.installStep(); });

    EXPECT_EQ(runSetup(engine, messages), 0);

    std::vector<std::wstring> expected = startupCalls();
    append(expected,
           {
               L"fs.FileExists(c:\\old place\\Quorvane Function11.xla)",
               L"show modal frmWizard4",  // the folder box is left empty
               L"hide frmWizard4",
               L"fs.FileExists(c:\\old place\\Quorvane Function11.xla)",
               L"fs.DeleteFile(c:\\old place\\Quorvane Function11.xla,True)",
               L"fs.copyfile(D:\\PACKAGE\\QVF.xla,c:\\old place\\Quorvane Function11.xla,True)",
               L"fs.copyfile(D:\\PACKAGE\\QV.chm,c:\\old place\\Quorvane11.chm,True)",
               L"CreateObject(Excel.application)",
               L"excel2.Workbooks.Add",
               L"hide frmWizard4",
               L"minimize frmEnd",
               L"excel2.AddIns(ls_addin1).Installed=False",
               L"excel2.DisplayAlerts=False",
               L"excel2.ActiveWorkbook.Close",
               L"excel2.Quit",
               L"excel2.release",
               L"unload frmWizard4",
               L"show modal frmWizard2",
           });
    append(expected, activationCalls(L"3", L"c:\\old place"));
    EXPECT_EQ(log, expected) << "no key is deleted in an update";

    EXPECT_TRUE(engine.gUpdate_Mode);
    EXPECT_EQ(engine.gInstall_Path, L"c:\\old place") << "kept as stored, not upper case";
    EXPECT_EQ(storedText(kSettingsKey, L"Dir", kTextValue), L"c:\\old place");
    EXPECT_EQ(storedText(kSettingsKey, L"STATUS_APP", kBinaryValue), L"7097108115101");
    EXPECT_EQ(storedText(settingsPath(L"Tl\\S"), L"value", kTextValue), L"3");
}

TEST_F(InstallSequence, EarlierInstallationNeedsBothKeysAndTheWorkbook) {
    struct Case {
        const char* what;
        bool settingsKey;
        bool workbook;
        std::wstring dir;
        bool update;
    } cases[] = {
        {"complete earlier installation", true, true, L"C:\\A", true},
        {"workbook gone from the recorded folder", true, false, L"C:\\B", false},
        {"only the product key", false, true, L"C:\\C", false},
        {"recorded folder of 256 characters", true, true, L"C:\\" + std::wstring(253, L'Y'), false},
        {"recorded folder of 255 characters", true, true, L"C:\\" + std::wstring(252, L'X'), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryRegistryStore memory;
        std::swap(store.memory, memory);
        log.clear();
        if (c.settingsKey) {
            recordInstallation(c.dir);
        } else {
            registry.createKey(kCurrentUser, kProductKey);
        }
        files.addFolder(c.dir);
        if (c.workbook) files.addFile(c.dir + L"\\Quorvane Function11.xla");

        engine.prcStartup();

        EXPECT_EQ(engine.gUpdate_Mode, c.update);
        EXPECT_EQ(callsStartingWith(L"txtPathdefault=").size(), c.update ? 0u : 1u);
    }
}

TEST_F(InstallSequence, FolderStepCreatesDefaultFolderOnlyWhenNoneWasChosen) {
    files.addFolder(L"C:\\TYPED");
    excel.settings.libraryPath = L"C:\\NOT THERE";
    for (bool chosen : {true, false}) {
        SCOPED_TRACE(chosen ? "folder chosen in the chooser" : "folder typed by hand");
        log.clear();
        pages.folderBox = L"c:\\typed";
        engine.gFolder_Chosen = chosen;
        engine.folderForwardStep();
        // Only the default folder's creation asks Excel anything during this step.
        EXPECT_EQ(callsStartingWith(L"CreateObject(").size(), chosen ? 0u : 2u);
        EXPECT_EQ(callsStartingWith(L"fs.CreateFolder(").size(), chosen ? 0u : 1u);
        EXPECT_EQ(files.hasFolder(L"C:\\Quorvane"), !chosen);
        EXPECT_TRUE(files.has(L"C:\\TYPED\\Quorvane Function11.xla"))
            << "the copy goes to the typed folder";
        EXPECT_EQ(log.back(), L"show modal frmWizard2");
    }
}

TEST_F(InstallSequence, FolderBoxWithoutAFolderToRecordKeepsTheFolderPageAndChangesNothing) {
    const std::wstring noFolder =
        L"MsgBox(Not can continue Install :\rPlease, write the folder of Installation\ror "
        L"choose it with Browse....|information|Marrowick)";
    const std::wstring unrecordable =
        L"MsgBox(Not can continue Install :\rThe name of the folder have letters that\rWindows "
        L"can not record.\rPlease, choose other folder of Installation.|information|Marrowick)";
    const struct {
        const wchar_t* box;
        const std::wstring& message;
    } cases[] = {
        {L"", noFolder},
        {L"   ", noFolder},
        {L"ADDINS", noFolder},      // beside the current folder
        {L"\\ADDINS", noFolder},    // in the root of the current drive
        {L"C:ADDINS", noFolder},    // in the current folder of drive C:
        {L"\\\\server", noFolder},  // a server without a share
        {L"C:\\\x0141\xF3"
         L"d\x017A",
         unrecordable},                 // Łódź: Windows-1252 lacks Ł and ź
        {L"C:\\\x03BC", unrecordable},  // Greek µ, which the code page would record as Latin µ
    };
    recordInstallation(L"C:\\EARLIER");
    for (const auto& [box, message] : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(box)));
        log.clear();
        pages.folderBox = box;
        engine.gInstall_Path = L"C:\\BEFORE";

        EXPECT_FALSE(endsProgram([&] { engine.folderForwardStep(); }));

        EXPECT_EQ(log, CallLog{message});
        EXPECT_EQ(engine.gInstall_Path, L"C:\\BEFORE");
        EXPECT_EQ(storedText(kSettingsKey, L"Dir", kTextValue), L"C:\\EARLIER");
    }
}

TEST_F(InstallSequence, FolderNamesTheCodePageHoldsAreInstalledAndRecorded) {
    const struct {
        const wchar_t* box;
        const wchar_t* folder;
    } cases[] = {
        {L"\\\\server\\share", L"\\\\SERVER\\SHARE"},
        {L" c:\\caf\xE9 m\xFCller ", L"C:\\CAF\xC9 M\xDCLLER"},
    };
    for (const auto& [box, folder] : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(box)));
        pages.folderBox = box;
        engine.gFolder_Chosen = true;
        files.addFolder(folder);

        engine.folderForwardStep();

        EXPECT_EQ(storedText(kSettingsKey, L"Dir", kTextValue), folder);
        EXPECT_TRUE(files.has(std::wstring(folder) + L"\\Quorvane Function11.xla"));
    }
}

TEST_F(InstallSequence, SecondFreshInstallationResetsTreeAndRecordsNewFolder) {
    recordInstallation(L"C:\\FIRST");
    registry.createKey(kCurrentUser, settingsPath(L"Zoom\\G"));
    files.addFolder(L"C:\\SECOND");
    pages.folderBox = L"c:\\second";

    engine.folderForwardStep();

    EXPECT_FALSE(registry.checkKey(kCurrentUser, settingsPath(L"Zoom")));
    EXPECT_EQ(storedText(kSettingsKey, L"Dir", kTextValue), L"C:\\SECOND");
    EXPECT_EQ(storedText(kSettingsKey, L"STATUS_APP", kBinaryValue), L"84114117101");
}

TEST_F(InstallSequence, RecordsThatCannotBeWrittenAreSkippedAndTheInstallPageOpens) {
    store.memory.refuseKeyCreation(kAccessDenied);
    files.addFolder(L"C:\\ADDINS");
    pages.folderBox = L"C:\\ADDINS";

    EXPECT_FALSE(endsProgram([&] { engine.folderForwardStep(); }));

    EXPECT_FALSE(registry.checkKey(kCurrentUser, kSettingsKey));
    EXPECT_EQ(log.back(), L"show modal frmWizard2");
    EXPECT_TRUE(callsStartingWith(L"MsgBox(").empty());
}

TEST_F(InstallSequence, FailedResetEndsBeforeAnyRecordButAfterTheCopies) {
    store.raiseOnDelete = true;
    files.addFolder(L"C:\\ADDINS");
    pages.folderBox = L"C:\\ADDINS";

    EXPECT_TRUE(endsProgram([&] { engine.folderForwardStep(); }));

    EXPECT_EQ(log.back(), L"MsgBox(Can't register information in SO|exclamation|Marrowick)");
    EXPECT_TRUE(files.has(L"C:\\ADDINS\\Quorvane11.chm"));
    EXPECT_FALSE(registry.checkKey(kCurrentUser, kSettingsKey));
}

TEST_F(InstallSequence, UpdateDoesNothingOutsideUpdateMode) {
    recordInstallation(L"C:\\OLD");
    engine.prcUpdate_Install();
    EXPECT_TRUE(log.empty());
}

TEST_F(InstallSequence, UpdateGoesOnToTheCopyWhenTheOldWorkbookCannotBeReleased) {
    files.addFolder(L"C:\\OLD");
    files.addFile(L"C:\\OLD\\Quorvane Function11.xla");
    files.holdOpen(L"C:\\OLD\\Quorvane Function11.xla");
    recordInstallation(L"C:\\OLD");
    engine.gUpdate_Mode = true;

    EXPECT_TRUE(endsProgram([&] { engine.prcUpdate_Install(); }));

    EXPECT_EQ(callsStartingWith(L"MsgBox("),
              (std::vector<std::wstring>{
                  L"MsgBox(Not can continue Install :\rPlese, Close all Workbooks of Microsoft "
                  L"Excel\rto can Install this Add-inn.|information|Marrowick)",
                  L"MsgBox(Permission denied|critical|Marrowick)"}));
    EXPECT_EQ(callsStartingWith(L"fs.copyfile("),
              (std::vector<std::wstring>{
                  L"fs.copyfile(D:\\PACKAGE\\QVF.xla,C:\\OLD\\Quorvane Function11.xla,True)"}));
}

}  // namespace
}  // namespace qv::setup::testing
