// The maker links: the site through the shell, the mail through a throw-away Excel.

#include "MakerLinks.h"
#include "SetupFixture.h"

namespace qv::setup::testing {
namespace {

using MakerLinks = SetupFixture;

const std::wstring kAddress = L"someone@example.org";

TEST_F(MakerLinks, SiteIsHandedToTheShellUnchanged) {
    prcOpen_Site(system);
    EXPECT_EQ(log, (CallLog{L"ShellExecuteA(https://www.marrowick.example/quorvane/)"}));
}

TEST_F(MakerLinks, MailFollowsAMailtoLinkInAThrowAwayWorkbookAndQuits) {
    prcMail_To(excel, messages, kAddress);

    EXPECT_EQ(log, (CallLog{
                       L"CreateObject(Excel.application)",
                       L"excel1.Workbooks.Add",
                       L"excel1.Sheets.Add",
                       L"excel1.Range(A1).value=someone@example.org",
                       L"excel1.Hyperlinks.Add(A1,mailto:someone@example.org,someone@example.org)",
                       L"excel1.Range(A1).Hyperlinks(1).Follow(False,True)",
                       L"excel1.DisplayAlerts=False",
                       L"excel1.Quit",
                       L"excel1.release",
                   }));
}

TEST_F(MakerLinks, FailuresArePassedOverAndReportedOnceAfterExcelHasQuit) {
    struct Case {
        const char* what;
        bool registered;
        bool mailProgram;
        std::size_t quits;
    } cases[] = {
        {"no mail program", true, false, 1},
        {"no Excel", false, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        log.clear();
        excel.quitInstances = 0;
        excel.settings.registered = c.registered;
        excel.settings.mailProgram = c.mailProgram;

        prcMail_To(excel, messages, kAddress);

        EXPECT_EQ(callsStartingWith(L"MsgBox"),
                  (std::vector<std::wstring>{L"MsgBox(Can't send mail.|information|Marrowick)"}));
        EXPECT_EQ(log.back(), L"MsgBox(Can't send mail.|information|Marrowick)");
        EXPECT_EQ(excel.quitInstances, static_cast<int>(c.quits));
        EXPECT_EQ(excel.liveInstances, 0);
    }
}

TEST_F(MakerLinks, EachMailHasAnExcelOfItsOwnEndedBeforeTheCallReturns) {
    for (int click = 1; click <= 2; ++click) {
        prcMail_To(excel, messages, kAddress);
        EXPECT_EQ(excel.liveInstances, 0);
        EXPECT_EQ(excel.quitInstances, click);
    }
    EXPECT_EQ(callsStartingWith(L"excel2.Quit").size(), 1u);
    EXPECT_TRUE(callsStartingWith(L"MsgBox").empty());
}

}  // namespace
}  // namespace qv::setup::testing
