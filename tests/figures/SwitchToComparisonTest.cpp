// The comparison's figures and the model state it leaves, headless.
#include "figures/SwitchToComparison.h"

#include "model/Equations.h"
#include "model/WorkedExamples.h"
#include "switchto/Passes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using switchto::CompareTests;
using K = ScrTestKind;

// The textbook figures in double, worked out apart from the model's code:
// the prevalence estimated from the observed positivity with the current
// test, then each test applied to the same infected women.
struct Reference {
    double infected[3];
    double positives(const VarCon& vc, int g, K test) const
    {
        const double w = vc.*Age::NoFem[g], se = vc.*PerTest::Sens[int(test)], sp = vc.*PerTest::Spec[int(test)];
        const double p = infected[g] / w;
        return (p * se + (1 - p) * (1 - sp)) * w;
    }
    double found(const VarCon& vc, int g, K test) const { return infected[g] * vc.*PerTest::Sens[int(test)]; }
};

Reference ReferenceFor(const VarCon& vc, K current)
{
    const double se = vc.*PerTest::Sens[int(current)], sp = vc.*PerTest::Spec[int(current)];
    Reference r{};
    for (int g = 0; g < AgeGroupCount; ++g) {
        const double w = vc.*Age::NoFem[g], rate = vc.*Age::PerFem[g];
        r.infected[g] = w == 0 ? 0 : (rate - (1 - sp)) / (se - (1 - sp)) * w;
    }
    return r;
}

// Within the float model's rounding of the double figure.
void ExpectNear(double actual, double reference, const char* what)
{
    EXPECT_NEAR(actual, reference, 1e-4 * std::max(1.0, std::abs(reference))) << what;
}

TEST(SwitchToComparison, EachTestAsCurrentWithThreeAgeGroups)
{
    struct Case {
        K current;
        K order[5];
        std::vector<std::string> ngzRows;
        K leftInScrValues;  // whose sensitivity SensScr holds afterwards
    };
    const Case cases[] = {
        {K::GenProbe, {K::EIA, K::PCRC, K::PCRU, K::LCRC, K::LCRU}, {"EIA/DFA", "EIA/PCR"}, K::EIA},
        {K::EIA, {K::GenProbe, K::PCRC, K::PCRU, K::LCRC, K::LCRU}, {"GP/PCR"}, K::GenProbe},
        {K::PCRC, {K::GenProbe, K::EIA, K::PCRU, K::LCRC, K::LCRU}, {}, K::PCRC},
        {K::PCRU, {K::GenProbe, K::EIA, K::PCRC, K::LCRC, K::LCRU}, {}, K::PCRU},
        {K::LCRC, {K::GenProbe, K::EIA, K::PCRC, K::PCRU, K::LCRU}, {}, K::LCRC},
        {K::LCRU, {K::GenProbe, K::EIA, K::PCRC, K::PCRU, K::LCRC}, {}, K::LCRU},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(PerTest::Name[int(c.current)]);
        passes::Pass pass = passes::AfterResults(c.current, NgzTestKind::None);
        VarCon& vc = pass.vc;
        const VarCon before = vc;
        const Reference ref = ReferenceFor(vc, c.current);
        const auto result = CompareTests(vc, pass.sel);
        ASSERT_TRUE(result);

        double infectedTotal = 0;
        for (int g = 0; g < AgeGroupCount; ++g) {
            ExpectNear(result->actualInfected[g], ref.infected[g], "actual infected");
            infectedTotal += ref.infected[g];
        }
        ExpectNear(vc.NoInfTotalSt, infectedTotal, "NoInfTotalSt");

        // The current row is the results screen's, not recomputed.
        EXPECT_EQ(result->current.name, PerTest::Name[int(c.current)]);
        EXPECT_EQ(result->current.detected[3], before.NoInFoTotal);
        EXPECT_EQ(result->current.missed[3], before.NoInMiTotal);
        EXPECT_EQ(vc.CTNPMTot, before.NoInMiTotal);
        EXPECT_EQ(vc.NoInFoCur, before.NoInFoTotal);

        for (int k = 0; k < 5; ++k) {
            SCOPED_TRACE(k + 1);
            const K t = c.order[k];
            const switchto::TestFigures& row = result->alternatives[k];
            EXPECT_EQ(row.name, PerTest::Name[int(t)]);
            double positives = 0, found = 0;
            for (int g = 0; g < AgeGroupCount; ++g) {
                ExpectNear(row.identified[g], ref.positives(vc, g, t), "positives");
                ExpectNear(row.detected[g], ref.found(vc, g, t), "found");
                ExpectNear(row.missed[g], ref.infected[g] - ref.found(vc, g, t), "missed");
                positives += ref.positives(vc, g, t);
                found += ref.found(vc, g, t);
            }
            ExpectNear(row.falsePositives, positives - found, "false positives");
            ExpectNear(vc.*Slot::NoInFoSat[k], found, "NoInFoSat");
            ExpectNear(vc.*Slot::SATPMTot[k], infectedTotal - found, "SATPMTot");
            EXPECT_EQ(vc.*Slot::lblSATNPTot[k], std::lround(row.identified[3]));
        }
        for (int g = 0; g < AgeGroupCount; ++g)
            EXPECT_EQ(vc.*Age::lblSAT1PM[g], std::lround(result->alternatives[0].missed[g]));

        // What the cost and projection screens start from.
        EXPECT_EQ(vc.ScrTest, PerTest::Name[int(c.current)]);
        EXPECT_EQ(vc.SensScr, vc.*PerTest::Sens[int(c.leftInScrValues)]);
        EXPECT_EQ(vc.SpecScr, vc.*PerTest::Spec[int(c.leftInScrValues)]);
        EXPECT_EQ(vc.SensSt, vc.*PerTest::Sens[int(c.order[4])]);
        EXPECT_EQ(vc.SpecSt, vc.*PerTest::Spec[int(c.order[4])]);
        const switchto::TestFigures& leftMissed = result->alternatives[c.ngzRows.empty() ? 4 : 0];
        for (int g = 0; g < AgeGroupCount; ++g)
            EXPECT_EQ(vc.*Age::StNoInMi[g], leftMissed.missed[g]);

        ASSERT_EQ(result->ngzRows.size(), c.ngzRows.size());
        EXPECT_EQ(result->slot1Missed.has_value(), !c.ngzRows.empty());
        for (std::size_t j = 0; j < c.ngzRows.size(); ++j) {
            const switchto::NgzFigures& row = result->ngzRows[j];
            EXPECT_EQ(row.name, c.ngzRows[j]);
            for (int g = 0; g < AgeGroupCount; ++g)
                EXPECT_FLOAT_EQ(row.missed[g], std::max(0.0f, result->alternatives[0].missed[g] - row.detected[g]));
        }
        if (c.current == K::GenProbe)
            EXPECT_EQ(vc.SensNgz, vc.SensPCREIA);
        else if (c.current == K::EIA)
            EXPECT_EQ(vc.SensNgz, vc.SensPCRGP);
        else
            EXPECT_EQ(vc.SensNgz, before.SensNgz);
    }
}

TEST(SwitchToComparison, WorkedExampleWithPcrCervixAsAnAlternative)
{
    VarCon vc = WorkedExamples::OneAgeGroup();
    vc.SensEIA = 0.72f, vc.SpecEIA = 0.985f;
    vc.SensPCRC = 0.9f, vc.SpecPCRC = 0.996f;
    Selection sel;
    sel.selectScrTest(vc, K::GenProbe);
    vc.NoPos18 = Equations::CalcNoPos(vc.NoFem18, vc.PerFem18);
    Equations::CalcNoInfected(vc);
    const auto result = CompareTests(vc, sel);
    ASSERT_TRUE(result);
    const switchto::TestFigures& pcrCervix = result->alternatives[1];
    ASSERT_EQ(pcrCervix.name, "PCR Cervix");
    EXPECT_EQ(std::lround(pcrCervix.identified[0]), 144);
    EXPECT_EQ(std::lround(pcrCervix.detected[0]), 140);
    EXPECT_EQ(std::lround(pcrCervix.missed[0]), 16);
}

// With EIA current, the GenProbe retest row does not depend on the NGZ test in use.
TEST(SwitchToComparison, EiaRowIsTheSameWhateverRetestIsInUse)
{
    std::vector<switchto::NgzFigures> rows;
    for (NgzTestKind retest : {NgzTestKind::None, NgzTestKind::DfaOnEia, NgzTestKind::PcrOnEia}) {
        passes::Pass pass = passes::AfterResults(K::EIA, retest);
        rows.push_back(CompareTests(pass.vc, pass.sel)->ngzRows.at(0));
    }
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].detected, rows[0].detected) << i;
        EXPECT_EQ(rows[i].missed, rows[0].missed) << i;
    }
}

// A retest that would find more than its test missed leaves no infection
// missed, never a negative count.
TEST(SwitchToComparison, StillMissedAfterARetestStopsAtZero)
{
    VarCon vc = ScreenSequences::ThreeAgeGroups();
    vc.SensEIA = 0.95f, vc.SpecEIA = 0.94f;
    passes::Pass pass = passes::AfterResults(K::GenProbe, NgzTestKind::None, vc);
    const auto result = CompareTests(pass.vc, pass.sel);
    const switchto::NgzFigures& pcrOnEia = result->ngzRows.at(1);
    ASSERT_GT(pcrOnEia.detected[2], result->alternatives[0].missed[2]);
    EXPECT_EQ(pcrOnEia.missed[2], 0.0f);
    EXPECT_EQ(pcrOnEia.missed[3], pcrOnEia.missed[0] + pcrOnEia.missed[1]);
}

// A change to one alternative's sensitivity moves that slot alone.
TEST(SwitchToComparison, ChangedSensitivityMovesOnlyItsSlot)
{
    passes::Pass base = passes::AfterResults(K::PCRC, NgzTestKind::None);
    passes::Pass changed = base;
    changed.vc.SensLCRC = 0.8f;
    const auto a = CompareTests(base.vc, base.sel);
    const auto b = CompareTests(changed.vc, changed.sel);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(a->alternatives[k].detected == b->alternatives[k].detected, k != 3) << k + 1;
    EXPECT_EQ(a->actualInfected, b->actualInfected);
}

} // namespace
