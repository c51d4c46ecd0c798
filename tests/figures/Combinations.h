#pragma once
// The tests the results screen is computed for: the default programme of
// three age groups with a screening test and a retest chosen, headless.

#include "figures/CurrentStrategy.h"
#include "model/ScreenSequences.h"

namespace results_test {

// The default programme of three age groups with these tests chosen.
struct Pass {
    VarCon vc;
    Selection sel;
};

inline Pass ChosenTests(ScrTestKind screening, NgzTestKind retest)
{
    Pass p{ScreenSequences::ThreeAgeGroups(), {}};
    p.sel = ScreenSequences::ChooseTests(p.vc, screening, retest);
    return p;
}

// Each screening test with each retest it allows: the NGZ rows the results
// show for it, by the retests' names.
struct Combination {
    const char* name;
    ScrTestKind screening;
    NgzTestKind retest;
    NgzRows rows;
    const char* row1;
    const char* row2;
};

inline const Combination kCombinations[] = {
    {"GenProbe, no retest", ScrTestKind::GenProbe, NgzTestKind::None, NgzRows::PcrOnGenProbe, "PCR on GenProbe", ""},
    {"PCR on GenProbe", ScrTestKind::GenProbe, NgzTestKind::PcrOnGenProbe, NgzRows::PcrOnGenProbe,
     "PCR on GenProbe", ""},
    {"EIA, no retest", ScrTestKind::EIA, NgzTestKind::None, NgzRows::DfaThenPcrOnEia, "DFA on EIA", "PCR on EIA"},
    {"DFA on EIA", ScrTestKind::EIA, NgzTestKind::DfaOnEia, NgzRows::DfaThenPcrOnEia, "DFA on EIA", "PCR on EIA"},
    {"PCR on EIA", ScrTestKind::EIA, NgzTestKind::PcrOnEia, NgzRows::PcrThenDfaOnEia, "PCR on EIA", "DFA on EIA"},
    {"PCR Cervix", ScrTestKind::PCRC, NgzTestKind::None, NgzRows::None, "", ""},
    {"PCR Urine", ScrTestKind::PCRU, NgzTestKind::None, NgzRows::None, "", ""},
    {"LCR Urine", ScrTestKind::LCRU, NgzTestKind::None, NgzRows::None, "", ""},
};

} // namespace results_test
