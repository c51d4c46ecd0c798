// Switch-to-test equations.
#include <gtest/gtest.h>

#include "Digits.h"
#include "WorkedExamples.h"
#include "model/Equations.h"

namespace {

using namespace Equations;

VarCon AfterOutcomeChain()
{
    VarCon vc = WorkedExamples::OneAgeGroup();
    vc.NoPos18 = CalcNoPos(vc.NoFem18, vc.PerFem18);
    CalcNoInfected(vc);
    return vc;
}

TEST(SwitchTo, WorkedExamplePcrCervix)
{
    VarCon vc = AfterOutcomeChain();
    vc.SensSt = 0.9f;
    vc.SpecSt = 0.996f;
    const float positives = StCalcPositives(vc, vc.Prev18, vc.NoFem18, vc.Prev1825, vc.NoFem1825, vc.Prev25,
                                            vc.NoFem25, vc.SensSt, vc.SpecSt);
    const float found = StCalcInfFound(vc);
    const float missed = StCalcInfMissed(vc);
    EXPECT_DIGITS(vc.StNoPos18, "143.55167");
    EXPECT_DIGITS(vc.StNoInFo18, "140.17465");
    EXPECT_DIGITS(vc.StNoInMi18, "15.574966");
    EXPECT_EQ(positives, vc.StNoPos18);
    EXPECT_EQ(found, vc.StNoInFo18);
    EXPECT_EQ(missed, vc.StNoInMi18);
}

TEST(SwitchTo, SameSensitivityFindsTheSameInfections)
{
    VarCon vc = AfterOutcomeChain();
    vc.NoInFoTotal = CalcNoInfFound(vc);
    vc.SensSt = vc.SensScr;
    vc.SpecSt = 0.999f;
    EXPECT_EQ(StCalcInfFound(vc), vc.NoInFoTotal);
    EXPECT_EQ(vc.StNoInFo18, vc.NoInFo18);
    const float positives = StCalcPositives(vc, vc.Prev18, vc.NoFem18, 0, 0, 0, 0, vc.SensSt, vc.SpecSt);
    EXPECT_NE(positives, vc.NoPos18);
}

// StCalcAddInfNgz re-estimates the prevalence as if the other of GenProbe and
// EIA had produced the positives: only "GenProbe" takes EIA's values.
TEST(SwitchTo, AddInfNgzTakesTheOtherTest)
{
    struct Case {
        const char* scrTest;
        bool takesEia;
    } cases[] = {{"GenProbe", true}, {"EIA", false}, {"PCR Cervix", false}, {"LCR Urine", false},
                 {"genprobe", false}};
    for (const Case& c : cases) {
        VarCon vc = AfterOutcomeChain();
        vc.SensEIA = 0.75f;
        vc.SpecEIA = 0.99f;
        vc.ScrTest = c.scrTest;
        vc.SensNgz = 0.9f;
        if (c.takesEia)
            SetNgzZonePCREIA(vc);
        else
            SetNgzZoneGP(vc);
        const float total = StCalcAddInfNgz(vc, Selection());
        EXPECT_EQ(vc.SensScr, c.takesEia ? 0.75f : 0.7f) << c.scrTest;
        EXPECT_EQ(vc.SpecScr, c.takesEia ? 0.99f : 0.987f) << c.scrTest;
        EXPECT_EQ(vc.Prev18, CalcTruePrev(120, 1000, vc.SpecScr, vc.SensScr));
        // Worked independently: PrevNgz x PerNgz x SensNgz x negatives.
        const double p = vc.Prev18;
        const double Se = vc.SensNgzBase, SeW = vc.SensWithNgz, Sp = vc.SpecNgzBase, SpW = vc.SpecWithNgz;
        const float prevNgz = static_cast<float>((SeW - Se) * p / ((SeW - Se) * p + (1 - p) * (Sp - SpW)));
        EXPECT_EQ(vc.PrevNgz18, prevNgz);
        EXPECT_EQ(vc.StAddInf18,
                  static_cast<float>(double(prevNgz) * double(vc.PerNgz18) * 0.9f * (1000.0 - 120.0)));
        EXPECT_EQ(total, vc.StAddInf18);
    }
}

TEST(SwitchTo, MissedAfterRetestNeverBelowZero)
{
    VarCon vc;
    vc.StNoInMi18 = 10;
    vc.StAddInf18 = 4;
    vc.StNoInMi1825 = 3;
    vc.StAddInf1825 = 5;  // the retest would find more than the test missed
    vc.StNoInMi25 = 0;
    vc.StAddInf25 = 0;
    EXPECT_EQ(StCalcMissedNgz(vc), 6.0f);
    EXPECT_EQ(vc.StNoInMiNgz18, 6.0f);
    EXPECT_EQ(vc.StNoInMiNgz1825, 0.0f);
    EXPECT_EQ(vc.StNoInMiNgz25, 0.0f);
}

} // namespace
