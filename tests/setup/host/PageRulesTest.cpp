// The terms page's agreement box and its cancel question.

#include "PageRules.h"
#include "SetupFixture.h"

namespace qv::setup::testing {
namespace {

TEST(AgreementBox, OnlyATickedBoxLetsTheUserGoOnAndOnlyAnUntickedOneLetsHimLeave) {
    struct Case {
        int value;
        bool next;
        bool abort;
    } cases[] = {{0, false, true}, {kTicked, true, false}, {2, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const auto buttons = agreementButtons(c.value);
        EXPECT_EQ(buttons.nextEnabled, c.next);
        EXPECT_EQ(buttons.abortEnabled, c.abort);
    }
}

using CancelQuestion = SetupFixture;

TEST_F(CancelQuestion, AsksWithTheWizardTitleAndTakesTheAnswer) {
    messages.answers = {false, true};
    EXPECT_FALSE(cancelConfirmed(messages));
    EXPECT_TRUE(cancelConfirmed(messages));
    const std::wstring asked =
        L"MsgBox(Are you sure that you want to cancel the instalation?|question yes/no|Marrowick)";
    EXPECT_EQ(log, (CallLog{asked + L" -> No", asked + L" -> Yes"}));
}

}  // namespace
}  // namespace qv::setup::testing
