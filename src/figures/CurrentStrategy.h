#pragma once
// What the current screening strategy finds, misses and costs, and what NGZ
// retesting would add to it: the equations run over the model state in the
// order the results screen needs them. Every result is written into the model
// state, where the comparison screens read it, and returned as the figures the
// screen shows. No window is involved, so the numbers can be checked alone.

#include "model/Money.h"
#include "model/Selection.h"
#include "model/VarCon.h"

#include <array>
#include <optional>
#include <string>

// One NGZ retest row of the screen, in its three frames.
struct NgzRowFigures {
    std::string test;          // "PCR on GenProbe", "DFA on EIA" or "PCR on EIA"
    float addInfected = 0;     // additional true infections found by the retest
    float stillMissed = 0;     // true infections still missed with the retest
    float addFalsePositives = 0;
    Money addCost;             // additional NGZ testing and treatment cost
    Money totalCost;           // screen, treat and do NGZ testing
    float pidCount = 0;        // women who will develop PID with the retest
    Money pidCost;
};

// The confirmation of positives, charged only where the screening test has a
// confirmation test (PCA after GenProbe, DFA after EIA).
struct ConfirmationFigures {
    float costConfirmTotal = 0;  // a whole amount
    Money costScrConfTx;
};

// Which NGZ rows the screen shows; the first row is the chosen retest, or the
// one that fits the screening test when none was chosen.
enum class NgzRows { None, PcrOnGenProbe, DfaThenPcrOnEia, PcrThenDfaOnEia };

struct CurrentStrategyFigures {
    std::array<float, 3> screened{};   // women screened per age group
    float screenedTotal = 0;
    std::array<float, 3> positives{};
    float positivesTotal = 0;
    float perDox = 0, perAzi = 0;       // percentages
    std::string scrTest;
    float infected = 0, found = 0, missed = 0, falsePositives = 0;
    Money costPerTest, costScr, costTx, costTxScr;
    std::optional<ConfirmationFigures> confirmation;
    float pid = 0;                      // PID with screening, no NGZ testing
    Money pidCost;
    float pidNoScreening = 0;
    Money pidCostNoScreening;
    NgzRows ngzRows = NgzRows::None;
    std::optional<NgzRowFigures> row1, row2;
};

// The whole computation of one load of the results screen. It first puts the
// selected tests back into the working values (name, sensitivity, specificity,
// retest and cut-off, unit costs), which the comparison screens leave at other
// tests. confirmPositives: the user answered "Yes" to confirming positives.
CurrentStrategyFigures ComputeCurrentStrategy(VarCon& vc, Selection& sel, bool confirmPositives);

// The NGZ rows alone, over the outcome chain already in the model state.
NgzRowFigures GP_PCR_Module(VarCon& vc, const Selection& sel);
std::array<NgzRowFigures, 2> EIA_DFA_Module(VarCon& vc, const Selection& sel);
std::array<NgzRowFigures, 2> EIA_PCR_Module(VarCon& vc, const Selection& sel);
