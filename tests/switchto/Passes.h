#pragma once
// A programme taken through the questionnaire and the results screen,
// headless, as the switch step finds the model state.

#include "model/Families.h"
#include "model/ScreenSequences.h"

namespace passes {

struct Pass {
    VarCon vc;
    Selection sel;
};

inline Pass AfterResults(ScrTestKind test, NgzTestKind retest, VarCon vc = ScreenSequences::ThreeAgeGroups())
{
    Selection sel = ScreenSequences::ChooseTests(vc, test, retest);
    ScreenSequences::ResultsScreen(vc, sel, false);
    return {vc, sel};
}

} // namespace passes
