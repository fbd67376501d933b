#pragma once
// What the terms page's controls decide: the agreement box swaps the page's two ways out,
// and leaving asks first.

#include "MessageBoxes.h"

namespace qv::setup {

constexpr int kTicked = 1;  // check box value of a ticked box; 0 cleared, 2 grey

struct AgreementButtons {
    bool nextEnabled;
    bool abortEnabled;
};

// Forward only after agreeing; out only before agreeing.
constexpr AgreementButtons agreementButtons(int checkValue) {
    return checkValue == kTicked ? AgreementButtons{true, false} : AgreementButtons{false, true};
}

// "Abort": true when the user confirms with Yes.
bool cancelConfirmed(MessageBoxes& messages);

}  // namespace qv::setup
