// The folder chooser's rules over the recording stand-ins: its starting drive, the drive
// of the setup program, new folders and what "Ok" hands to the folder page.

#include "FolderChooser.h"
#include "SetupFixture.h"

#include <deque>

namespace qv::setup::testing {
namespace {

class QueuedPrompt final : public NamePrompt {
  public:
    explicit QueuedPrompt(CallLog& log) : log_(log) {}
    std::deque<std::wstring> answers;  // empty when none is queued, as a cancelled prompt

    std::wstring ask(const std::wstring& title, const std::wstring& prompt,
                     const std::wstring& defaultAnswer) override {
        log_.push_back(L"InputBox(" + prompt + L"|" + title + L"|" + defaultAnswer + L")");
        if (answers.empty()) return std::wstring();
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

  private:
    CallLog& log_;
};

class FolderChooserRules : public SetupFixture {
  protected:
    QueuedPrompt prompt{log};
    FolderChooser chooser{engine, files, messages, pages, prompt};
};

TEST_F(FolderChooserRules, StartsOnTheFirstFixedDiskInDriveOrder) {
    const DriveEntry floppy{L"A:", 1}, cdrom{L"C:", 4}, fixedC{L"C:", kFixedDrive},
        fixedD{L"D:", kFixedDrive}, network{L"E:", 3};
    struct Case {
        const char* what;
        std::vector<DriveEntry> drives;
        bool fail;
        std::wstring start;
    } cases[] = {
        {"C: fixed", {floppy, fixedC, fixedD}, false, L"C:\\"},
        {"C: removable, D: first fixed", {floppy, cdrom, fixedD, network}, false, L"D:\\"},
        {"no fixed disk", {floppy, cdrom, network}, false, L""},
        {"no drives at all", {}, false, L""},
        {"drives cannot be read", {fixedC}, true, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        files.driveList = c.drives;
        files.driveQueriesFail = c.fail;
        engine.gSetup_Drive = engine.gFirst_Fixed_Drive = L"unchanged";

        EXPECT_EQ(chooser.ShowDrive(), c.start);
        EXPECT_EQ(chooser.Form_Load(), c.start);

        // Without a fixed disk the load stops before it sets either drive.
        EXPECT_EQ(engine.gFirst_Fixed_Drive, c.start.empty() ? L"unchanged" : c.start);
        EXPECT_EQ(engine.gSetup_Drive, c.start.empty() ? L"unchanged" : L"D:\\");
    }
    EXPECT_TRUE(callsStartingWith(L"MsgBox").empty()) << "failures are not reported";
}

TEST_F(FolderChooserRules, SetupDriveIsTheDriveOfThePackageFolder) {
    EXPECT_EQ(chooser.lpDriveName(), L"D:\\");
    EXPECT_EQ(callsStartingWith(L"fs.GetDriveName"),
              (std::vector<std::wstring>{L"fs.GetDriveName(" + kPackage + L")"}));

    SetupEngine onShare{SetupOutside{store, codePage, files, excel, system, messages, pages,
                                     L"\\\\server\\share\\setup"}};
    FolderChooser shareChooser{onShare, files, messages, pages, prompt};
    EXPECT_EQ(shareChooser.lpDriveName(), L"\\\\server\\share\\");

    files.driveQueriesFail = true;
    EXPECT_EQ(chooser.lpDriveName(), L"C:\\");
}

TEST_F(FolderChooserRules, NewFolderJoinsTheNameToTheParentWithOneSeparator) {
    files.addFolder(L"C:\\Data");
    struct Case {
        std::wstring parent;
        std::wstring created;
    } cases[] = {
        {L"C:\\", L"C:\\Tools"},
        {L"C:\\Data", L"C:\\Data\\Tools"},
        {L"C:\\Data\\", L"C:\\Data\\Tools"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.parent));
        files.clear();
        files.addFolder(L"C:\\Data");
        log.clear();
        prompt.answers = {L"Tools"};

        EXPECT_TRUE(chooser.prcNew_Folder(c.parent));

        EXPECT_EQ(
            log, (CallLog{L"InputBox(|New Name Folder|)", L"fs.CreateFolder(" + c.created + L")"}));
        EXPECT_TRUE(files.hasFolder(c.created));
    }
}

TEST_F(FolderChooserRules, NewFolderFailuresAreShownAndTheChooserStays) {
    files.addFolder(L"C:\\Tools");
    struct Case {
        const char* what;
        std::wstring parent;
        std::wstring answer;  // empty: the prompt is cancelled or left empty
        bool readOnly;
        std::wstring message;
    } cases[] = {
        {"empty name", L"C:\\", L"", false, L"MsgBox(Name is Empty..|information|Marrowick)"},
        {"existing folder", L"C:\\", L"Tools", false,
         L"MsgBox(File already exists|critical|Marrowick)"},
        {"read-only medium", L"C:\\", L"New", true,
         L"MsgBox(Permission denied|critical|Marrowick)"},
        {"missing parent", L"C:\\Gone", L"New", false,
         L"MsgBox(Path not found|critical|Marrowick)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        log.clear();
        files.refuseFolderCreation = c.readOnly;
        prompt.answers.clear();
        if (!c.answer.empty()) prompt.answers.push_back(c.answer);

        bool created = true;
        EXPECT_FALSE(endsProgram([&] { created = chooser.prcNew_Folder(c.parent); }));

        EXPECT_FALSE(created);
        EXPECT_EQ(log.back(), c.message);
        EXPECT_EQ(callsStartingWith(L"fs.CreateFolder").size(), c.answer.empty() ? 0u : 1u);
    }
    EXPECT_FALSE(files.hasFolder(L"C:\\New"));
}

TEST_F(FolderChooserRules, OkHandsTheTrimmedUpperCaseLabelToTheFolderPage) {
    chooser.choose(L"  c:\\data\\tools ");
    EXPECT_EQ(pages.folderBox, L"C:\\DATA\\TOOLS");
    EXPECT_TRUE(engine.gFolder_Chosen);
}

}  // namespace
}  // namespace qv::setup::testing
