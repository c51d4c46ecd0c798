#pragma once
// How many women would develop PID, and at what cost, with each of the six
// screening tests and, for a programme that screens with GenProbe or EIA or
// retests in the negative gray zone, with each of the three NGZ options.
#include <array>

#include "figures/CostComparison.h"
#include "model/Families.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "model/VarCon.h"

struct PidOutlook {
    float cases = 0;
    Money cost;
};

struct PidProjection {
    std::array<PidOutlook, ScrTestCount> tests;  // ScrTestKind order
    bool ngzProjected = false;
    std::array<PidOutlook, NgzOptionCount> ngz;  // PCR on GenProbe, DFA on EIA, PCR on EIA
    // Without screening, as the results screen shows it: whole women, whole units.
    int64_t noScreeningCases = 0;
    Money noScreeningCost;
};

// Runs the projection equations. Needs the results, comparison and cost
// figures in the model state (the missed positives per test come from the
// cost comparison). Leaves the working values of the last NGZ option behind.
PidProjection ProjectPid(VarCon& vc, const Selection& sel);
