#include "figures/SwitchToComparison.h"

#include "model/Equations.h"
#include "model/Rounding.h"

#include <span>

namespace switchto {

using namespace Equations;

namespace {

AgeCells Cells(const VarCon& vc, const AgeFamily<float>& family, float total)
{
    return {vc.*family[0], vc.*family[1], vc.*family[2], total};
}

// An NGZ retest of the other of GenProbe and EIA: the row's caption, the
// retest's sensitivity and specificity, and its cut-off.
struct Retest {
    const char* caption;
    float VarCon::*sens;
    float VarCon::*spec;
    void (*cutOff)(VarCon&);
};

constexpr Retest RetestsOnEia[] = {
    {"EIA/DFA", &VarCon::SensDFAEIA, &VarCon::SpecDFAEIA, SetNgzZoneDFAEIA},
    {"EIA/PCR", &VarCon::SensPCREIA, &VarCon::SpecPCREIA, SetNgzZonePCREIA},
};
constexpr Retest RetestsOnGenProbe[] = {
    {"GP/PCR", &VarCon::SensPCRGP, &VarCon::SpecPCRGP, SetNgzZoneGP},
};

TestFigures CurrentRow(VarCon& vc)
{
    // The current strategy's figures as the model state holds them, not
    // worked out again here: the chain over the figures in use
    // (ComparisonInUse) computes them first, so a changed figure of the
    // current test reaches this row as it reaches the results screen.
    TestFigures row;
    row.name = vc.ScrTest;
    vc.NoPosTotal = TotalPositives(vc);
    row.identified = Cells(vc, Age::NoPos, vc.NoPosTotal);
    row.detected = Cells(vc, Age::NoInFo, vc.NoInFoTotal);
    vc.NoInFoCur = vc.NoInFoTotal;
    row.missed = Cells(vc, Age::NoInMi, vc.NoInMiTotal);
    vc.CTNPMTot = vc.NoInMiTotal;
    row.falsePositives = double(vc.NoPosTotal) - double(vc.NoInFoTotal);
    return row;
}

TestFigures AlternativeRow(VarCon& vc, ScrTestKind test, int slot)
{
    const int t = static_cast<int>(test);
    TestFigures row;
    row.name = PerTest::Name[t];
    vc.SensSt = vc.*PerTest::Sens[t];
    vc.SpecSt = vc.*PerTest::Spec[t];
    vc.StNoPosTotal = StCalcPositives(vc, vc.Prev18, vc.NoFem18, vc.Prev1825, vc.NoFem1825, vc.Prev25,
                                      vc.NoFem25, vc.SensSt, vc.SpecSt);
    row.identified = Cells(vc, Age::StNoPos, vc.StNoPosTotal);
    vc.*Slot::lblSATNPTot[slot] = Rounding::WholeCount(vc.StNoPosTotal);
    vc.StNoInFoTotal = StCalcInfFound(vc);
    vc.*Slot::NoInFoSat[slot] = vc.StNoInFoTotal;
    row.detected = Cells(vc, Age::StNoInFo, vc.StNoInFoTotal);
    vc.StNoInMiTotal = StCalcInfMissed(vc);
    vc.*Slot::SATPMTot[slot] = vc.StNoInMiTotal;
    row.missed = Cells(vc, Age::StNoInMi, vc.StNoInMiTotal);
    row.falsePositives = double(vc.StNoPosTotal) - double(vc.StNoInFoTotal);
    return row;
}

NgzFigures NgzRow(VarCon& vc, const Selection& sel, const Retest& retest,
                  const std::array<float, AgeGroupCount>& slot1Missed)
{
    NgzFigures row;
    row.name = retest.caption;
    vc.SensNgz = vc.*retest.sens;
    vc.SpecNgz = vc.*retest.spec;
    retest.cutOff(vc);
    // With EIA current and PCR on EIA in use, the EIA rule would follow the
    // selection; this row always takes the general gray-zone rule, which
    // StCalcAddInfNgz applies when it sees no selection.
    const bool pcrOnEiaInUse = sel.OptScrTest(1) && sel.optNgzTest(3);
    vc.StAddInfTotal = StCalcAddInfNgz(vc, pcrOnEiaInUse ? Selection() : sel);
    row.detected = Cells(vc, Age::StAddInf, vc.StAddInfTotal);
    // The retest's finds come off the missed infections of its own test, slot 1
    // (the alternatives' loop left slot 5's there).
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::StNoInMi[g] = slot1Missed[g];
    vc.StNoInMiNgzTotal = StCalcMissedNgz(vc);
    row.missed = Cells(vc, Age::StNoInMiNgz, vc.StNoInMiNgzTotal);
    return row;
}

} // namespace

std::array<ScrTestKind, 5> AlternativesOf(ScrTestKind current)
{
    std::array<ScrTestKind, 5> order{};
    for (int t = 0, k = 0; t < ScrTestCount; ++t)
        if (t != static_cast<int>(current))
            order[k++] = static_cast<ScrTestKind>(t);
    return order;
}

std::optional<Comparison> CompareTests(VarCon& vc, const Selection& sel)
{
    const std::optional<ScrTestKind> current = sel.scrTest();
    if (!current)
        return std::nullopt;
    const int c = static_cast<int>(*current);
    vc.ScrTest = PerTest::Name[c];
    vc.SensScr = vc.*PerTest::Sens[c];
    vc.SpecScr = vc.*PerTest::Spec[c];

    Comparison out;
    vc.NoInfTotalSt = CalcNoInfected(vc);
    out.actualInfected = Cells(vc, Age::NoInf, vc.NoInfTotalSt);
    out.current = CurrentRow(vc);

    const bool withNgzRows = *current == ScrTestKind::GenProbe || *current == ScrTestKind::EIA;
    const std::array<ScrTestKind, 5> alternatives = AlternativesOf(*current);
    for (int k = 0; k < 5; ++k) {
        out.alternatives[k] = AlternativeRow(vc, alternatives[k], k);
        if (k == 0) {
            for (int g = 0; g < AgeGroupCount; ++g)
                vc.*Age::lblSAT1PM[g] = Rounding::WholeCount(vc.*Age::StNoInMi[g]);
            if (withNgzRows)
                out.slot1Missed = std::array<float, AgeGroupCount>{vc.StNoInMi18, vc.StNoInMi1825, vc.StNoInMi25};
        }
    }

    if (withNgzRows) {
        const std::span<const Retest> retests =
            *current == ScrTestKind::GenProbe ? std::span<const Retest>(RetestsOnEia) : std::span<const Retest>(RetestsOnGenProbe);
        for (const Retest& retest : retests)
            out.ngzRows.push_back(NgzRow(vc, sel, retest, *out.slot1Missed));
    }
    return out;
}

} // namespace switchto
