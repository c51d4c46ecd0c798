#pragma once
// What screening would cost with each of the six screening tests and, when
// GenProbe or EIA is in use, with each of the three NGZ retest options. The
// cost screen shows these figures; the projection and graph screens take
// them, and what they chart, from the computations that return them.
#include <array>

#include "model/Families.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "model/VarCon.h"

inline constexpr int NgzOptionCount = 3;
// The NGZ options as the what-if screens name them: PCR on GenProbe, DFA on
// EIA, PCR on EIA.
inline constexpr std::array<const char*, NgzOptionCount> NgzOptionName{"GP/PCR", "EIA/DFA", "EIA/PCR"};

struct TestCosts {
    Money costPerTest;
    Money initialScreening;
    Money confirmation;  // only GenProbe and EIA have a confirmation test
    Money drugTreatment;
    Money screenAndTreat;
    Money confirmScreenAndTreat;
    float missedPositives = 0;
    OptionalMoney perTruePositive;  // none when the test identifies no infection
};

struct NgzOptionCosts {
    Money additional;
    Money screenTreatAndNgz;
    Money screenConfirmTreatAndNgz;
    float missedPositives = 0;
    OptionalMoney perAdditionalPositive;  // none when the retest adds no find
    OptionalMoney perTruePositive;
};

struct CostComparison {
    std::array<TestCosts, ScrTestCount> tests;  // ScrTestKind order
    // The NGZ options are costed only for a GenProbe or EIA programme.
    bool ngzCosted = false;
    std::array<NgzOptionCosts, NgzOptionCount> ngz;  // PCR on GenProbe, DFA on EIA, PCR on EIA
};

// Runs the cost equations in the order each one relies on. Needs the results
// and comparison figures in the model state; leaves the NGZ working values at
// the last option's (the projection that follows reads what it needs of them).
CostComparison CompareCosts(VarCon& vc, const Selection& sel);
