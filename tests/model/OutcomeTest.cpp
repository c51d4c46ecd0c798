// The outcome chain, against the worked example and edge cases.
#include <gtest/gtest.h>

#include "Digits.h"
#include "WorkedExamples.h"
#include "model/Equations.h"

namespace {

using namespace Equations;

// The results screen's order of the outcome chain.
void RunOutcomeChain(VarCon& vc)
{
    vc.NoPos18 = CalcNoPos(vc.NoFem18, vc.PerFem18);
    vc.NoPos1825 = CalcNoPos(vc.NoFem1825, vc.PerFem1825);
    vc.NoPos25 = CalcNoPos(vc.NoFem25, vc.PerFem25);
    vc.NoInfTotal = CalcNoInfected(vc);
    vc.NoInFoTotal = CalcNoInfFound(vc);
    vc.NoInMiTotal = CalcNoInfMissed(vc);
    vc.NoFaPoTotal = CalcNoFalsePos(vc);
}

TEST(Outcome, WorkedExampleOneAgeGroup)
{
    VarCon vc = WorkedExamples::OneAgeGroup();
    RunOutcomeChain(vc);
    CalcNPV(vc);
    vc.PPV18 = CalcPPV(vc.Prev18, vc.SensScr, vc.SpecScr);

    EXPECT_EQ(vc.NoPos18, 120.0f);
    EXPECT_DIGITS(vc.Prev18, "0.15574962");
    EXPECT_DIGITS(vc.NoInf18, "155.74962");
    EXPECT_DIGITS(vc.NoInFo18, "109.02473");
    EXPECT_DIGITS(vc.NoInMi18, "46.724884");
    EXPECT_DIGITS(vc.NoFaPoTotal, "10.975266");
    EXPECT_DIGITS(vc.NPV18, "0.9469035");
    EXPECT_DIGITS(vc.PPV18, "0.9085395");
    EXPECT_DIGITS(vc.NoInfTotal, "155.74962");
    EXPECT_DIGITS(vc.NoInFoTotal, "109.02473");
    EXPECT_DIGITS(vc.NoInMiTotal, "46.724884");
}

TEST(Outcome, EmptyAgeGroupGivesZeroes)
{
    VarCon vc = WorkedExamples::OneAgeGroup();
    vc.PerFem1825 = 0.2f;  // a positivity but no women
    RunOutcomeChain(vc);
    CalcNPV(vc);
    EXPECT_EQ(vc.NoPos1825, 0.0f);
    EXPECT_EQ(vc.Prev1825, 0.0f);
    EXPECT_EQ(vc.NoInf1825, 0.0f);
    EXPECT_EQ(vc.NoInFo1825, 0.0f);
    EXPECT_EQ(vc.NoInMi1825, 0.0f);
    EXPECT_EQ(vc.NPV1825, 1.0f);
    EXPECT_DIGITS(vc.NoInfTotal, "155.74962");
}

TEST(Outcome, ZeroDenominatorPredictiveValuesAreZero)
{
    // An empty age group (p = 0) with a specificity of exactly 1: PPV's
    // denominator is 0. p = 1 with a sensitivity of 1: NPV's is 0.
    EXPECT_EQ(CalcPPV(0.0f, 0.9f, 1.0f), 0.0f);
    VarCon vc;
    vc.SensScr = 1.0f;
    vc.SpecScr = 0.99f;
    vc.Prev18 = 1.0f;
    CalcNPV(vc);
    EXPECT_EQ(vc.NPV18, 0.0f);
}

TEST(Outcome, TruePrevalenceIsNotLimited)
{
    // Observed positivity 0.9 with sensitivity 0.7: a prevalence above 1.
    EXPECT_GT(CalcTruePrev(900, 1000, 0.987f, 0.7f), 1.0f);
    // Positivity plus specificity below 1: negative.
    EXPECT_LT(CalcTruePrev(5, 1000, 0.99f, 0.7f), 0.0f);
    EXPECT_EQ(CalcTruePrev(5, 0, 0.99f, 0.7f), 0.0f);
}

TEST(Outcome, InfFoundUsesTheInfectedItFindsOnEntry)
{
    // Without a preceding CalcNoInfected, the per-group finds use the earlier
    // NoInf values while the returned total is current.
    VarCon vc = WorkedExamples::OneAgeGroup();
    vc.NoPos18 = 120;
    vc.NoInf18 = 100;
    const float total = CalcNoInfFound(vc);
    EXPECT_EQ(vc.NoInFo18, 70.0f);
    EXPECT_DIGITS(total, "109.02473");
}

TEST(Outcome, TotalsSumInAgeOrder)
{
    VarCon vc;
    vc.NoFem18 = 16777216;  // 2^24: adding 1 then 1 in float order loses both
    vc.NoFem1825 = 1;
    vc.NoFem25 = 1;
    // Summed in double then rounded once: 16777218.
    EXPECT_EQ(TotalScreened(vc), 16777218.0f);
}

} // namespace
