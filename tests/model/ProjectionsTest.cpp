// Projected PID cases and costs.
#include <gtest/gtest.h>

#include "model/Equations.h"
#include "model/Families.h"

namespace {

using namespace Equations;

VarCon WithTreatment()
{
    VarCon vc;
    vc.CureDox = 0.4285f, vc.CureAzi = 0.4825f;
    vc.ProbPid = 0.15f, vc.ProbPidFactor = 0.06f, vc.PerReturn = 0.79f;
    vc.CostPID = Money::fromTicks(1167'0000);
    return vc;
}

TEST(Projections, PerTestFollowsTheSlots)
{
    // With EIA current: GenProbe is slot 1, PCR Cervix 2, ... LCR Urine 5.
    VarCon vc = WithTreatment();
    vc.NoInFoCur = 100;
    for (int k = 0; k < 5; ++k)
        vc.*Slot::NoInFoSat[k] = 10.0f * (k + 1);
    vc.MpGP = 1, vc.MpEIA = 0, vc.MpPCRC = 3, vc.MpPCRU = 4, vc.MpLCRC = 5, vc.MpLCRU = 6;
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::EIA);
    AnCalcPidPerTest(vc, sel);
    AnCalcPidCostPerTest(vc);
    const double K = PidRiskIdentified(vc);
    const double P0 = 0.15f;
    EXPECT_EQ(vc.PidNoWomEIA, static_cast<float>(K * 100));  // misses nothing: K x I
    EXPECT_EQ(vc.PidNoWomGP, static_cast<float>(K * 10 + 1 * P0));
    EXPECT_EQ(vc.PidNoWomPCRC, static_cast<float>(K * 20 + 3 * P0));
    EXPECT_EQ(vc.PidNoWomLCRU, static_cast<float>(K * 50 + 6 * P0));
    EXPECT_EQ(vc.PidCostLCRU, Money::fromDouble(1167.0 * double(vc.PidNoWomLCRU)));
}

TEST(Projections, NothingSelectedProjectsNothing)
{
    VarCon vc = WithTreatment();
    vc.NoInFoCur = 100;
    vc.PidNoWomGP = 3;
    AnCalcPidPerTest(vc, Selection());
    EXPECT_EQ(vc.PidNoWomGP, 3.0f);
}

TEST(Projections, EiaCurrentTakesTheResultsScreensCounts)
{
    VarCon vc = WithTreatment();
    vc.NoFem18 = 100;
    vc.NoPos18 = 10;
    vc.SensGP = 0.7f, vc.SpecGP = 0.987f, vc.SensPCRGP = 0.89f;
    vc.NoInFo18 = 5;
    vc.StNoInMi18 = 0.5f;  // GenProbe misses little: the retest's finds exceed it
    vc.PidCountDfaEia = 4.5f;
    vc.PidCountPcrEia = 3.5f;
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::EIA);
    AnCalcPidPerNgz(vc, sel);
    AnCalcPidCostPerNgz(vc);
    EXPECT_EQ(vc.PidNoWomNgz2, 4.5f);
    EXPECT_EQ(vc.PidNoWomNgz3, 3.5f);
    EXPECT_GT(vc.StAddInf18, 0.5f);
    EXPECT_EQ(vc.StNoInMiNgz18, 0.0f);  // never below 0
    EXPECT_EQ(vc.MpNgz1, 0.0f);
    EXPECT_EQ(vc.StPidNgz18, static_cast<float>(PidRiskIdentified(vc) * 5));
    EXPECT_EQ(vc.PidNoWomNgz1, vc.StPidNgz18);
    EXPECT_EQ(vc.ScrTest, "EIA");
    EXPECT_EQ(vc.PidCostNgz2, Money::fromDouble(1167.0 * 4.5));
}

TEST(Projections, EiaRetestOnGenProbeNeverLeavesNegativeMissed)
{
    // The whole number of EIA's missed positives is smaller than the retest's
    // finds: the still-missed term is 0, not negative.
    VarCon vc = WithTreatment();
    vc.NoFem18 = 100;
    vc.NoPos18 = 10;
    vc.SensGP = 0.7f, vc.SpecGP = 0.987f, vc.SensEIA = 0.72f, vc.SpecEIA = 0.985f;
    vc.SensDFAEIA = 0.871f, vc.SensPCREIA = 0.89f;
    vc.Prev18 = CalcTruePrev(10, 100, vc.SpecGP, vc.SensGP);
    vc.NoInFo18 = 4, vc.NoInMi18 = 2;
    vc.lblSAT1PM18 = 0;
    vc.NoPidNgzTotal = 9;
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::GenProbe);
    sel.selectNgzTest(vc, NgzTestKind::PcrOnGenProbe);
    AnRecomputeNgzOptions(vc, sel);
    EXPECT_EQ(vc.PidNoWomNgz1, 9.0f);  // PCR on GenProbe chosen: the results screen's count

    const double K = PidRiskIdentified(vc);
    const double P0 = 0.15f;
    const float A = static_cast<float>(2 * P0);
    const float B = static_cast<float>(K * 4 + 2 * P0);
    const float found = static_cast<float>(double(vc.PrevNgz18) * double(vc.PerNgz18) *
                                                              double(vc.SensPCREIA) * 90.0);
    const float C = static_cast<float>(K * found + 0 * P0);
    EXPECT_GT(found, 0.0f);
    EXPECT_EQ(vc.PidNoWomNgz3, static_cast<float>(double(B) - (double(A) - double(C))));
}

} // namespace
