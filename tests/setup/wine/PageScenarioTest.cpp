// The wizard as a user meets it: QV_Setup.exe started from a laid-out package with the
// stand-in Excel, driven page by page from this process. Each scenario checks captions,
// control texts and states, message boxes, and the files and registry afterwards, and
// keeps a screenshot of every window and box it meets.

#include "ExcelLateBound.h"
#include "PageControls.h"
#include "StandInEnvironment.h"
#include "WindowDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

namespace qv::setup::testing {
namespace {

const std::wstring kTermsCaption = L"Wizard Install  - Step 2 of 4 ";
const std::wstring kFolderCaption = L"Wizard Install  - Step 3 of 4";
const std::wstring kInstallCaption = L"Wizard Install  - Step 4 of 4 ";
const std::wstring kFinishCaption = L"Finalizando Instalacion.........";
const std::wstring kChooserCaption = L"Select Path to Installation";
const std::wstring kPromptCaption = L"New Name Folder";
const char kSettingsKey[] = "Software\\Quorvane11\\Groupdate";
const std::string kAddinFile = "\\Quorvane Function11.xla";
const std::wstring kCloseWorkbooks =
    L"Not can continue Install :\rPlese, Close all Workbooks of Microsoft Excel\rto can "
    L"Install this Add-inn.";

std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

class PageScenario : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CoInitialize(nullptr), S_OK);
        // One prefix serves the whole program: each scenario starts from a clean machine.
        removeTree(kRoot);
        removeTree("C:\\Tools");
        removeTree("C:\\Quorvane");
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quorvane11");
        for (const auto& dir : {kRoot, kPackageDir, kLibraryDir})
            ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr)) << dir;
        ASSERT_TRUE(copyFolderFiles(buildFile(QV_PACKAGE_DIR), kPackageDir))
            << "the package is laid out by the build";
        configureExcel("11.0", "ls_addin1", "yes");
        registerExcel();
    }

    void TearDown() override {
        program.reset();
        endStandIns();
        CoUninitialize();
    }

    std::string shotName(const std::string& what) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        return std::string(test->name()) + "-" + std::to_string(++shots_) + "-" + what;
    }

    // The setup runs from its package, as from a CD.
    void start() {
        program = std::make_unique<SetupProgram>(kPackageDir + "\\QV_Setup.exe", kPackageDir);
        ASSERT_TRUE(program->started());
    }

    // The page with `caption`, screenshot taken; fails the test when it does not come.
    HWND page(const std::wstring& caption, const std::string& what) {
        HWND window = waitForWindow(program->id(), caption);
        EXPECT_NE(window, nullptr)
            << "no window \"" << ::testing::PrintToString(caption)
            << "\"; shown: " << ::testing::PrintToString(windowCaptions(program->id()));
        if (window) {
            EXPECT_FALSE(screenshot(window, shotName(what)).empty());
        }
        return window;
    }

    // The next message box, checked, photographed and answered.
    void expectBox(const std::wstring& title, const std::wstring& text, int answerWith,
                   const std::string& what) {
        const ShownBox box = waitForMessageBox(program->id());
        ASSERT_NE(box.window, nullptr)
            << "no message box \"" << ::testing::PrintToString(text) << "\"";
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.text, text);
        EXPECT_FALSE(screenshot(box.window, shotName(what)).empty());
        answer(box, answerWith);
    }

    void agreeAndGoOn(HWND terms) {
        click(terms, IDC_chkOk);
        ASSERT_TRUE(waitUntil([&] { return isEnabled(terms, IDC_Command2); }));
        click(terms, IDC_Command2);
    }

    // An earlier installation into C:\qvtest\old, with settings of the user's.
    void recordEarlierInstallation() {
        const std::string oldDir = kRoot + "\\old";
        CreateDirectoryA(oldDir.c_str(), nullptr);
        writeFile(oldDir + kAddinFile, "old workbook");
        setText(HKEY_CURRENT_USER, kSettingsKey, "Dir", oldDir);
        setText(HKEY_CURRENT_USER, kSettingsKey, "Zoom_value", "120");
        setText(HKEY_CURRENT_USER, std::string(kSettingsKey) + "\\Tl\\S", "value", "3");
    }

    std::unique_ptr<SetupProgram> program;

  private:
    int shots_ = 0;
};

TEST_F(PageScenario, TermsPageSwapsItsWaysOutAndAbortAsksBeforeEnding) {
    start();
    HWND terms = page(kTermsCaption, "terms");
    ASSERT_NE(terms, nullptr);
    EXPECT_EQ(controlText(terms, IDC_Label2), L"Conditions for Use - Tessaline 1.0");
    EXPECT_EQ(controlText(terms, IDC_chkOk), L"I agree with the above terms and conditions");
    EXPECT_NE(controlText(terms, IDC_Text1).find(L"Disclaimer"), std::wstring::npos);

    struct State {
        bool ticked, next, abort;
    };
    const auto expectState = [&](State state) {
        ASSERT_TRUE(waitUntil([&] { return isChecked(terms, IDC_chkOk) == state.ticked; }));
        EXPECT_EQ(controlText(terms, IDC_Command2), L"Next >>");
        EXPECT_EQ(controlText(terms, IDC_Command1), L"Abort");
        EXPECT_EQ(isEnabled(terms, IDC_Command2), state.next);
        EXPECT_EQ(isEnabled(terms, IDC_Command1), state.abort);
    };
    expectState({false, false, true});
    click(terms, IDC_chkOk);
    expectState({true, true, false});
    EXPECT_FALSE(screenshot(terms, shotName("agreed")).empty());
    click(terms, IDC_chkOk);
    expectState({false, false, true});

    const std::wstring question = L"Are you sure that you want to cancel the instalation?";
    click(terms, IDC_Command1);
    expectBox(L"Marrowick", question, IDNO, "abort-question");
    EXPECT_FALSE(program->endsWithin(500));
    EXPECT_EQ(waitForWindow(program->id(), kTermsCaption), terms) << "No leaves the page as it was";
    expectState({false, false, true});

    click(terms, IDC_Command1);
    expectBox(L"Marrowick", question, IDYES, "abort-question-again");
    ASSERT_TRUE(program->endsWithin(20000));
    EXPECT_EQ(program->exitCode(), 0u);
    EXPECT_FALSE(exists(kLibraryDir + kAddinFile));
    EXPECT_TRUE(valuesOf(kSettingsKey).empty()) << "nothing recorded";
}

TEST_F(PageScenario, FreshInstallationThroughEveryPage) {
    // Without Excel's add-in folder the default folder is C:\Quorvane.
    removeTree(kLibraryDir);
    start();
    HWND terms = page(kTermsCaption, "terms");
    ASSERT_NE(terms, nullptr);
    agreeAndGoOn(terms);

    HWND folder = page(kFolderCaption, "folder");
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(controlText(folder, IDC_Label1), L" Where do you like to install Quorvane :");
    EXPECT_EQ(controlText(folder, IDC_txtPathdefault), L"C:\\Quorvane");
    EXPECT_EQ(controlText(folder, IDC_Command2), L"Next >>     ");
    EXPECT_EQ(controlText(folder, IDC_Command4), L"Browse....");
    EXPECT_TRUE(isEnabled(folder, IDC_Command3));
    EXPECT_FALSE(isEnabled(folder, IDC_Command1));
    EXPECT_FALSE(isVisible(folder, IDC_lblCopy));
    typeText(folder, IDC_txtPathdefault, L"  c:\\qvtest\\typed  ");
    CreateDirectoryA((kRoot + "\\typed").c_str(), nullptr);
    EXPECT_FALSE(screenshot(folder, shotName("folder-typed")).empty());
    click(folder, IDC_Command2);

    HWND install = page(kInstallCaption, "install");
    ASSERT_NE(install, nullptr);
    EXPECT_FALSE(IsWindow(folder)) << "the folder page is closed";
    EXPECT_EQ(controlText(install, IDC_Command2), L"End");
    EXPECT_FALSE(isEnabled(install, IDC_Command3));
    EXPECT_FALSE(isEnabled(install, IDC_Command1));
    EXPECT_FALSE(isVisible(install, IDC_lblDelete));
    EXPECT_FALSE(isVisible(install, IDC_lblAdd));
    EXPECT_TRUE(exists(kRoot + "\\typed" + kAddinFile));
    EXPECT_TRUE(exists(kRoot + "\\typed\\Quorvane11.chm"));
    EXPECT_EQ(valuesOf(kSettingsKey).at("Dir"),
              (RawValue{REG_SZ, std::string("C:\\QVTEST\\TYPED") + '\0'}));
    click(install, IDC_Command2);

    HWND finish = waitForWindow(program->id(), kFinishCaption, 5000);
    if (finish) {
        screenshot(finish, shotName("finish"));
    }
    expectBox(L"Quorvane Function", L"The Installation was succesfull", IDOK, "success");
    ASSERT_TRUE(program->endsWithin(20000));
    EXPECT_EQ(program->exitCode(), 0u);

    const auto calls = excelCalls();
    const std::string added = "AddIns.ADD(C:\\QVTEST\\TYPED" + kAddinFile + ")";
    const auto addedAt = std::find(calls.begin(), calls.end(), added);
    ASSERT_NE(addedAt, calls.end()) << ::testing::PrintToString(calls);
    EXPECT_EQ(std::vector<std::string>(addedAt, calls.end()),
              (std::vector<std::string>{
                  added, "Application.ADDINS()", "AddIns.ITEM(Quorvane Function11)",
                  "AddIn.INSTALLED=True", "addin start (Installed): CLibrary ok",
                  "Application.WORKBOOKS()", "Workbooks.ITEM(Quorvane Function11.xla)",
                  "Application.RUN('Quorvane Function11.xla'!Instalacion.prcCrea_Toolbar)",
                  "addin start (Run): CLibrary ok"}));
    // The old entry is switched off once, after the terms page.
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "AddIns.ITEM(ls_addin1)"), 1);
    EXPECT_EQ(runningStandIns().size(), 1u) << "Excel stays open for the user";
    EXPECT_TRUE(exists("C:\\Quorvane")) << "a folder typed by hand still gets the default one made";
}

TEST_F(PageScenario, UpdateSkipsTheFolderPageAndKeepsEverySetting) {
    recordEarlierInstallation();
    const auto before = valuesOf(kSettingsKey);
    start();
    HWND terms = page(kTermsCaption, "terms");
    ASSERT_NE(terms, nullptr);
    agreeAndGoOn(terms);

    HWND install = page(kInstallCaption, "install");
    ASSERT_NE(install, nullptr);
    EXPECT_EQ(waitForWindow(program->id(), kFolderCaption, 500), nullptr);
    click(install, IDC_Command2);
    expectBox(L"Quorvane Function", L"The Installation was succesfull", IDOK, "success");
    ASSERT_TRUE(program->endsWithin(20000));

    EXPECT_EQ(valuesOf(kSettingsKey), before);
    EXPECT_EQ(valuesOf("Software\\Quorvane11\\Groupdate\\Tl\\S").at("value").data,
              std::string("3") + '\0');
    EXPECT_TRUE(exists(kRoot + "\\old\\Quorvane11.chm")) << "reinstalled into the recorded folder";
}

TEST_F(PageScenario, BackGivesAFreshTermsPageAndNoInstallWithoutAFolderToRecord) {
    start();
    HWND terms = page(kTermsCaption, "terms");
    ASSERT_NE(terms, nullptr);
    agreeAndGoOn(terms);
    HWND folder = page(kFolderCaption, "folder");
    ASSERT_NE(folder, nullptr);
    click(folder, IDC_Command3);

    HWND again = page(kTermsCaption, "terms-again");
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(IsWindow(folder));
    EXPECT_FALSE(isChecked(again, IDC_chkOk));
    EXPECT_FALSE(isEnabled(again, IDC_Command2));
    EXPECT_TRUE(isEnabled(again, IDC_Command1));
    agreeAndGoOn(again);

    HWND empty = page(kFolderCaption, "folder-empty");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(controlText(empty, IDC_txtPathdefault), L"");
    const std::wstring noFolder =
        L"Not can continue Install :\rPlease, write the folder of Installation\ror choose it "
        L"with Browse....";
    const std::wstring unrecordable =
        L"Not can continue Install :\rThe name of the folder have letters that\rWindows can not "
        L"record.\rPlease, choose other folder of Installation.";
    // A folder with letters the system's code page lacks (Łódź): it exists, so only its
    // record would go wrong.
    const std::wstring polishFolder =
        L"C:\\\x0141\xF3"
        L"d\x017A";
    CreateDirectoryW(polishFolder.c_str(), nullptr);
    const struct {
        const wchar_t* box;
        const std::wstring& message;
        const char* shot;
    } boxes[] = {
        {L"", noFolder, "empty-folder"},
        {L"    ", noFolder, "blank-folder"},
        {L"ADDINS", noFolder, "relative-folder"},
        {polishFolder.c_str(), unrecordable, "unrecordable-folder"},
    };
    for (const auto& [box, message, shot] : boxes) {
        SCOPED_TRACE(shot);
        typeText(empty, IDC_txtPathdefault, box);
        click(empty, IDC_Command2);
        expectBox(L"Marrowick", message, IDOK, shot);
        EXPECT_EQ(waitForWindow(program->id(), kFolderCaption, 2000), empty) << "the page stays";
    }
    EXPECT_FALSE(isVisible(empty, IDC_lblCopy));
    EXPECT_TRUE(valuesOf(kSettingsKey).empty());
    EXPECT_FALSE(exists("C:" + kAddinFile));
    EXPECT_EQ(GetFileAttributesW((polishFolder + L"\\Quorvane Function11.xla").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

TEST_F(PageScenario, OpenOldWorkbookStopsTheFolderPageUntilItIsReleased) {
    // A folder recorded without its workbook is no earlier installation: the wizard installs
    // afresh. The user then opens the old workbook in Excel while the terms page is up.
    const std::string oldDir = kRoot + "\\old";
    CreateDirectoryA(oldDir.c_str(), nullptr);
    setText(HKEY_CURRENT_USER, kSettingsKey, "Dir", oldDir);
    start();
    HWND terms = page(kTermsCaption, "terms");
    ASSERT_NE(terms, nullptr);
    writeFile(oldDir + kAddinFile, "old workbook");
    win::ExcelLateBound excel;
    auto usersExcel = excel.createApplication();
    usersExcel->addAddIn(wide(oldDir + kAddinFile));
    usersExcel->setAddInInstalled(L"Quorvane Function11", true);
    agreeAndGoOn(terms);
    HWND folder = page(kFolderCaption, "folder");
    ASSERT_NE(folder, nullptr);
    typeText(folder, IDC_txtPathdefault, wide(kLibraryDir));
    click(folder, IDC_Command2);
    expectBox(L"Marrowick", kCloseWorkbooks, IDOK, "close-workbooks");
    EXPECT_EQ(waitForWindow(program->id(), kFolderCaption, 2000), folder);
    EXPECT_TRUE(isVisible(folder, IDC_lblCopy));
    EXPECT_EQ(controlText(folder, IDC_lblCopy), L"Copying file of Installation............");
    EXPECT_TRUE(screenshot(folder, shotName("folder-stopped")).size() > 0);
    EXPECT_FALSE(exists(kLibraryDir + kAddinFile));

    usersExcel->quit();
    usersExcel.reset();
    ASSERT_TRUE(waitUntil([&] {
        HANDLE file = CreateFileA((oldDir + kAddinFile).c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                  0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        CloseHandle(file);
        return true;
    })) << "the user's Excel lets the workbook go";
    click(folder, IDC_Command2);
    HWND install = page(kInstallCaption, "install");
    ASSERT_NE(install, nullptr);
    EXPECT_FALSE(exists(oldDir + kAddinFile));
    EXPECT_TRUE(exists(kLibraryDir + kAddinFile));
}

TEST_F(PageScenario, FolderChooserStartsOnTheFixedDiskAndMakesFoldersWithoutEndingTheWizard) {
    removeTree(kLibraryDir);
    start();
    HWND terms = page(kTermsCaption, "terms");
    ASSERT_NE(terms, nullptr);
    agreeAndGoOn(terms);
    HWND folder = page(kFolderCaption, "folder");
    ASSERT_NE(folder, nullptr);
    const std::wstring proposed = controlText(folder, IDC_txtPathdefault);
    // A closed chooser hands the activation back to the folder page, not to another window.
    const auto expectFolderInFront = [&](const char* after) {
        EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == folder; }, 2000))
            << "after " << after << " the window in front is "
            << ::testing::PrintToString(windowText(GetForegroundWindow()));
    };

    // Cancel changes nothing.
    click(folder, IDC_Command4);
    HWND chooser = page(kChooserCaption, "chooser");
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(controlText(chooser, IDC_lblPath), L"C:\\");
    EXPECT_EQ(selectedComboText(chooser, IDC_Drive1).substr(0, 2), L"c:");
    EXPECT_EQ(controlText(chooser, IDC_Label1), L"Drive :");
    EXPECT_EQ(controlText(chooser, IDC_Frame1), L"Path");
    EXPECT_FALSE(IsWindowEnabled(folder)) << "the chooser is modal over the folder page";
    click(chooser, IDC_Command1);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(chooser); }));
    EXPECT_EQ(controlText(folder, IDC_txtPathdefault), proposed);
    expectFolderInFront("Cancel");

    // New folder: a new name, the same name again, and no name.
    click(folder, IDC_Command4);
    chooser = page(kChooserCaption, "chooser-again");
    ASSERT_NE(chooser, nullptr);
    const auto newFolder = [&](const std::wstring& name, const std::string& what) {
        click(chooser, IDC_Command3);
        HWND prompt = page(kPromptCaption, what);
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(controlText(prompt, IDC_AnswerText), L"");
        typeText(prompt, IDC_AnswerText, name);
        click(prompt, IDOK);
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(prompt); }));
    };
    newFolder(L"Tools", "name-prompt");
    ASSERT_TRUE(waitUntil([] { return exists("C:\\Tools"); }));
    EXPECT_FALSE(messageBoxShown(program->id()));
    const auto items = listItems(chooser, IDC_Dir1);
    EXPECT_NE(std::find(items.begin(), items.end(), L"  Tools"), items.end())
        << ::testing::PrintToString(items);

    newFolder(L"Tools", "name-prompt-existing");
    expectBox(L"Marrowick", L"File already exists", IDOK, "folder-exists");
    EXPECT_EQ(waitForWindow(program->id(), kChooserCaption, 2000), chooser) << "the chooser stays";

    newFolder(L"", "name-prompt-empty");
    expectBox(L"Marrowick", L"Name is Empty..", IDOK, "name-empty");

    // Opening a folder shows it in the label; Ok hands it over in upper case.
    ASSERT_TRUE(openListItem(chooser, IDC_Dir1, L"Tools"));
    ASSERT_TRUE(waitUntil([&] { return controlText(chooser, IDC_lblPath) == L"C:\\Tools"; }));
    EXPECT_FALSE(screenshot(chooser, shotName("chooser-tools")).empty());
    click(chooser, IDC_Command2);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(chooser); }));
    EXPECT_EQ(controlText(folder, IDC_txtPathdefault), L"C:\\TOOLS");
    EXPECT_TRUE(IsWindowEnabled(folder));
    expectFolderInFront("Ok");

    // A folder chosen in the chooser spares the default folder.
    click(folder, IDC_Command2);
    ASSERT_NE(page(kInstallCaption, "install"), nullptr);
    EXPECT_TRUE(exists("C:\\Tools" + kAddinFile));
    EXPECT_FALSE(exists("C:\\Quorvane"));
}

TEST_F(PageScenario, MailLinkWithoutMailProgramSaysSoAndLeavesNoExcelRunning) {
    start();
    HWND terms = page(kTermsCaption, "terms");
    ASSERT_NE(terms, nullptr);
    clickPicture(terms, IDC_pLink2);
    expectBox(L"Marrowick", L"Can't send mail.", IDOK, "mail-failed");
    EXPECT_TRUE(allStandInsEnd());
    const auto calls = excelCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Hyperlink.FOLLOW(False,True)"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Application.QUIT()"), calls.end());
    EXPECT_EQ(waitForWindow(program->id(), kTermsCaption, 2000), terms);
}

}  // namespace
}  // namespace qv::setup::testing
