#include "PageRules.h"

#include "SetupTexts.h"
#include "WizardTexts.h"

namespace qv::setup {

bool cancelConfirmed(MessageBoxes& messages) { return messages.askYesNo(kCancelQuestion, kTitle); }

}  // namespace qv::setup
