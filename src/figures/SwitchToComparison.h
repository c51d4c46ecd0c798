#pragma once
// What the comparison screen shows: the current test's figures beside those of
// the five other tests and, when the current test is GenProbe or EIA, the NGZ
// retests of the other of the two. Runs the equations in the screen's order
// over the model state and leaves there what the cost and projection screens
// read next (the public missed totals, the slot captions, the slot figures).
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/Families.h"
#include "model/Selection.h"
#include "model/VarCon.h"

namespace switchto {

// One figure group in the screen's column order: females under 18, 18 to 25,
// over 25, all ages.
using AgeCells = std::array<float, 4>;

struct TestFigures {
    std::string name;
    AgeCells identified{};  // positives identified
    AgeCells detected{};    // truly infected detected
    AgeCells missed{};      // infections missed
    double falsePositives = 0;
};

struct NgzFigures {
    std::string name;  // "EIA/DFA", "EIA/PCR" or "GP/PCR"
    AgeCells detected{};
    AgeCells missed{};
};

struct Comparison {
    AgeCells actualInfected{};
    TestFigures current;
    std::array<TestFigures, 5> alternatives;  // display slots 1..5
    std::vector<NgzFigures> ngzRows;   // two with GenProbe, one with EIA, else none
    // Slot 1's missed infections per age group, kept only when NGZ rows exist.
    std::optional<std::array<float, AgeGroupCount>> slot1Missed;
};

// The five other tests in display-slot order: ScrTestKind order without the
// current one.
std::array<ScrTestKind, 5> AlternativesOf(ScrTestKind current);

// The comparison for the screening test selected in `sel`. It writes the model
// state the screen leaves (ScrTest and the working values, NoInfTotalSt,
// NoPosTotal, NoInFoCur, NoInFoSat1..5, the St values, the public values
// CTNPMTot and SAT1PMTot..SAT5PMTot and the whole numbers of the captions
// lblSAT1NPTot..lblSAT5NPTot, lblSAT1PM18..lblSAT1PM25). With no screening
// test selected it computes nothing, changes nothing and returns nothing.
std::optional<Comparison> CompareTests(VarCon& vc, const Selection& sel);

} // namespace switchto
