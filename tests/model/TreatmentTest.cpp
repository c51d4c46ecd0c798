// Treatment, cost and PID equations.
#include <gtest/gtest.h>

#include "Digits.h"
#include "WorkedExamples.h"
#include "model/Equations.h"

namespace {

using namespace Equations;

// The results screen's steps up to the PID counts, on one age group.
VarCon WorkedExampleAfterPid()
{
    VarCon vc = WorkedExamples::OneAgeGroupWithTreatment();
    vc.NoPos18 = CalcNoPos(vc.NoFem18, vc.PerFem18);
    vc.NoInfTotal = CalcNoInfected(vc);
    vc.NoInFoTotal = CalcNoInfFound(vc);
    vc.NoInMiTotal = CalcNoInfMissed(vc);
    CalcNPV(vc);
    vc.NoPidTotal = CalcNoPid(vc);
    vc.NoPidNoScrTotal = CalcPidNoScreen(vc);
    return vc;
}

TEST(Treatment, WorkedExample)
{
    const VarCon vc = WorkedExampleAfterPid();
    EXPECT_DIGITS(vc.CureDox, "0.4285");
    EXPECT_EQ(vc.CureDox, 0.4285f);
    EXPECT_DIGITS(vc.CureAzi, "0.4825");
    EXPECT_DIGITS(vc.NoPid18, "16.300684");
    EXPECT_DIGITS(vc.NoPidNoScr18, "23.362444");
    EXPECT_EQ(vc.NoPidTotal, vc.NoPid18);

    const double treatCost = CalcTreatCost(TotalPositives(vc), vc.PerReturn, vc.PerDox, vc.CostDox, vc.PerAzi,
                                           vc.CostAzi);
    EXPECT_DIGITS(treatCost, "545.10001");
    EXPECT_EQ(Money::wholeUnits(treatCost), Money::fromTicks(545'0000));
}

TEST(Treatment, ScreenCostWholeUnitsHalfToEven)
{
    const Money unit = Money::fromTicks(2'5000);
    EXPECT_EQ(Money::wholeUnits(CalcScreenCost(unit, 5)), Money::fromTicks(12'0000));
    EXPECT_EQ(Money::wholeUnits(CalcScreenCost(Money::fromTicks(2'7000), 5)), Money::fromTicks(14'0000));  // 13.5
    EXPECT_EQ(Money::wholeUnits(CalcScreenCost(unit, 1001)), Money::fromTicks(2502'0000));
    EXPECT_EQ(Money::wholeUnits(CalcScreenCost(unit, 1003)), Money::fromTicks(2508'0000));
}

TEST(Treatment, AllDoxycycline)
{
    VarCon vc = WorkedExampleAfterPid();
    vc.PerDox = 100;
    vc.PerAzi = 0;
    CalcNoPid(vc);
    EXPECT_EQ(vc.CureAzi, 0.0f);
    EXPECT_EQ(vc.CureDox, 0.857f);
    const double cost = CalcTreatCost(120, 1.0f, 100, vc.CostDox, 0, vc.CostAzi);
    EXPECT_EQ(cost, 240.0);
}

TEST(Treatment, PidRiskAtTheReturnRateLimits)
{
    VarCon vc = WorkedExampleAfterPid();
    const double Q = double(vc.CureDox) + double(vc.CureAzi);
    vc.PerReturn = 1.0f;
    EXPECT_DOUBLE_EQ(PidRiskIdentified(vc), Q * double(vc.ProbPidFactor) + (1.0 - Q) * double(vc.ProbPid));
    vc.PerReturn = 0.0f;
    EXPECT_DOUBLE_EQ(PidRiskIdentified(vc), double(vc.ProbPid));
}

TEST(Treatment, PidCostsAndCurrencySums)
{
    VarCon vc = WorkedExampleAfterPid();
    vc.CostPID = Money::fromTicks(1000'0000);
    EXPECT_EQ(CalcPidCost(vc), 1000.0 * double(vc.NoPidTotal));
    EXPECT_EQ(CalcPidCostNoScreen(vc), Money::fromDouble(1000.0 * double(vc.NoPidNoScr18)));
    EXPECT_EQ(CalcPidCostOf(vc, 2.5f), 2500.0);
    EXPECT_EQ(AddCurrency(Money::fromTicks(1), Money::fromTicks(2)), Money::fromTicks(3));
    EXPECT_EQ(AddCurrency2(Money::fromTicks(5), Money::fromTicks(-2)), Money::fromTicks(3));
}

} // namespace
