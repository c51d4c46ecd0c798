// NGZ retesting equations.
#include <gtest/gtest.h>

#include "Digits.h"
#include "WorkedExamples.h"
#include "model/Equations.h"

namespace {

using namespace Equations;

// The one age group of the outcome and treatment examples screened with GenProbe, with the
// results screen's chain run and PCR on GenProbe set up.
VarCon GenProbeWithPcr(float sensGP = 0.7f)
{
    VarCon vc = WorkedExamples::OneAgeGroupWithTreatment();
    vc.SensGP = vc.SensScr = sensGP;
    vc.SensPCRGP = 0.89f;
    vc.CostPNGZ = Money::fromTicks(9'6600);
    vc.NoPos18 = CalcNoPos(vc.NoFem18, vc.PerFem18);
    vc.NoInfTotal = CalcNoInfected(vc);
    vc.NoInFoTotal = CalcNoInfFound(vc);
    vc.NoInMiTotal = CalcNoInfMissed(vc);
    CalcNPV(vc);
    vc.NoPidTotal = CalcNoPid(vc);
    vc.SensNgz = vc.SensPCRGP;
    vc.CostNgz = vc.CostPNGZ;
    SetNgzZoneGP(vc);
    return vc;
}

// One NGZ row of the results screen for PCR on GenProbe.
struct RowTotals {
    float added, stillMissed, tests, truePositives, falsePositives, found, pidFound, pidAverted, pidWithNgz;
    double cost;
};

RowTotals RunGenProbeRow(VarCon& vc, const Selection& sel)
{
    RowTotals r{};
    CalcPerNgz(vc, sel, vc.Prev18, vc.Prev1825, vc.Prev25, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase,
               vc.SpecWithNgz);
    CalcPrevNgz(vc, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase, vc.SpecWithNgz);
    r.added = CalcAddInfNgz(vc);
    r.stillMissed = CalcInfFoundNgz(vc, r.added, vc.NoInFoTotal, vc.NoInfTotal);
    r.tests = CalcNoNgzTests(vc, vc.NoFem18, vc.NoPos18, vc.PerNgz18, vc.NoFem1825, vc.NoPos1825, vc.PerNgz1825,
                             vc.NoFem25, vc.NoPos25, vc.PerNgz25);
    r.truePositives = CalcNgzTruePos(vc, vc.PrevNgz18, vc.PerNgz18, vc.NoFem18, vc.NoPos18, vc.SensNgz,
                                     vc.PrevNgz1825, vc.PerNgz1825, vc.NoFem1825, vc.NoPos1825, vc.PrevNgz25,
                                     vc.PerNgz25, vc.NoFem25, vc.NoPos25);
    r.falsePositives = CalcNgzFalsePos(vc, vc.NoNgzTst18, vc.NgzTP18, vc.SpecWithNgz, vc.NoNgzTst1825,
                                       vc.NgzTP1825, vc.NoNgzTst25, vc.NgzTP25);
    r.found = DiffSingle(vc.NoInFoNgzTotal, vc.NoInFoTotal);
    r.cost = CalcNgzCost(vc, vc.PerNgz18, vc.NoFem18, vc.NoPos18, vc.PerNgz1825, vc.NoFem1825, vc.NoPos1825,
                         vc.PerNgz25, vc.NoFem25, vc.CostNgz, r.found, vc.PerReturn, vc.PerDox, vc.CostDox,
                         vc.PerAzi, vc.CostAzi);
    r.pidFound = CalcPidFoundNgz(vc);
    r.pidAverted = CalcPidAverted(vc);
    r.pidWithNgz = CalcPidWithNgz(vc);
    return r;
}

TEST(Ngz, WorkedExamplePcrOnGenProbe)
{
    VarCon vc = GenProbeWithPcr();
    Selection sel;
    const RowTotals r = RunGenProbeRow(vc, sel);

    EXPECT_DIGITS(vc.SensWithNgz, "0.75943");
    EXPECT_DIGITS(vc.SpecWithNgz, "0.986");
    EXPECT_DIGITS(vc.PrevNgz18, "0.9164156");
    EXPECT_DIGITS(vc.PerNgz18, "0.011477772");
    EXPECT_DIGITS(vc.AddInf18, "8.238018");
    EXPECT_DIGITS(vc.NoNgzTst18, "10.100439");
    EXPECT_DIGITS(vc.AdFaPo18, "0.026073892");
    EXPECT_DIGITS(vc.NoInFoNgz18, "117.26276");
    EXPECT_DIGITS(vc.NoInMiNgz18, "38.486862");
    EXPECT_DIGITS(r.found, "8.238022");  // not AddInf18's 8.238018: the float order matters
    EXPECT_ROUNDED(vc.PidFound18, "6.475139");  // given to seven digits: 6.4751387
    EXPECT_DIGITS(vc.PidAverted18, "0.5335942");
    EXPECT_DIGITS(vc.NoPidNgz18, "15.76709");
    EXPECT_ROUNDED(r.cost, "134.99");
    EXPECT_EQ(Money::wholeUnits(r.cost), Money::fromTicks(135'0000));
    EXPECT_EQ(r.truePositives, vc.AddInf18);
    EXPECT_EQ(r.stillMissed, vc.NoInMiNgz18);
}

TEST(Ngz, CutOffThresholdsAreStrict)
{
    struct Case {
        void (*setZone)(VarCon&);
        float sens;
        double factor;
    } cases[] = {
        {SetNgzZoneGP, 0.863f, 1.0849},     {SetNgzZoneGP, 0.8631f, 1.0425},
        {SetNgzZoneDFAEIA, 0.888f, 1.067},  {SetNgzZoneDFAEIA, 0.8881f, 1.033},
        {SetNgzZonePCREIA, 0.888f, 1.107},  {SetNgzZonePCREIA, 0.8881f, 1.054},
    };
    for (const Case& c : cases) {
        VarCon vc;
        vc.SensGP = vc.SensEIA = c.sens;
        vc.SpecGP = vc.SpecEIA = 0.99f;
        c.setZone(vc);
        EXPECT_EQ(vc.SensNgzBase, c.sens);
        EXPECT_EQ(vc.SpecNgzBase, 0.99f);
        EXPECT_EQ(vc.SensWithNgz, static_cast<float>(double(c.sens) * c.factor)) << c.sens;
        EXPECT_EQ(vc.SpecWithNgz, static_cast<float>(double(0.99f) - 0.001));
    }
}

TEST(Ngz, CappedRetestFindsEveryInfection)
{
    // A GenProbe sensitivity of 0.99 lifts SensWithNgz above 1; the finds reach
    // the missed infections and nothing is left missed.
    VarCon vc = GenProbeWithPcr(0.99f);
    EXPECT_GT(vc.SensWithNgz, 1.0f);
    Selection sel;
    CalcPerNgz(vc, sel, vc.Prev18, vc.Prev1825, vc.Prev25, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase,
               vc.SpecWithNgz);
    CalcPrevNgz(vc, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase, vc.SpecWithNgz);
    const float added = CalcAddInfNgz(vc);
    EXPECT_GE(double(added) + double(vc.NoInFoTotal), double(vc.NoInfTotal));
    EXPECT_EQ(CalcInfFoundNgz(vc, added, vc.NoInFoTotal, vc.NoInfTotal), 0.0f);
    EXPECT_EQ(vc.NoInFoNgzTotal, vc.NoInfTotal);
    EXPECT_EQ(vc.NoInFoNgz18, vc.NoInf18);
    EXPECT_EQ(vc.NoInMiNgz18, 0.0f);
    EXPECT_EQ(vc.NoInMiNgzTotal, 0.0f);
}

TEST(Ngz, EmptyAgeGroup)
{
    VarCon vc = GenProbeWithPcr();
    Selection sel;
    RunGenProbeRow(vc, sel);
    EXPECT_EQ(vc.Prev1825, 0.0f);
    EXPECT_EQ(vc.PrevNgz1825, 0.0f);
    const double Sp = vc.SpecNgzBase, SpWith = vc.SpecWithNgz;
    EXPECT_EQ(vc.PerNgz1825, static_cast<float>((Sp - SpWith) / Sp));
    EXPECT_EQ(vc.AddInf1825, 0.0f);
    EXPECT_EQ(vc.NoNgzTst1825, 0.0f);
}

// The EIA gray-zone rule, worked out by hand for three groups.
TEST(Ngz, PerNgzEiaRuleAndTheSelectionItFollows)
{
    VarCon vc;
    vc.SensEIA = vc.SensScr = 0.72f;
    vc.SpecEIA = vc.SpecScr = 0.995f;
    vc.SensPCREIA = 0.9f;
    SetNgzZonePCREIA(vc);
    const float p[3] = {0.1f, 0.05f, 0.02f};
    CalcPerNgzEIA(vc, p[0], p[1], p[2], vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase, vc.SpecWithNgz);

    // X' follows the DFA-on-EIA factor (0.72 is not above 0.888), not PCR's.
    const double X = 0.72f, Y = 0.995f;
    const double Xw = static_cast<float>(X * 1.067), Yw = static_cast<float>(Y - 0.001);
    auto share = [](double q, double se, double seW, double sp, double spW) {
        return static_cast<float>(((seW - se) * q + (1 - q) * (sp - spW)) / ((1 - se) * q + (1 - q) * sp));
    };
    EXPECT_EQ(vc.PerNgz18, share(p[0], X, Xw, Y, Yw));
    EXPECT_EQ(vc.PerNgz1825, share(p[1], X, Xw, Y, Yw));
    EXPECT_EQ(vc.PerNgz25, share(p[2], vc.SensNgzBase, Xw, vc.SpecNgzBase, vc.SpecWithNgz));
    const float eia[3] = {vc.PerNgz18, vc.PerNgz1825, vc.PerNgz25};

    // CalcPerNgz takes the same rule when the user chose EIA with PCR on EIA...
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::EIA);
    sel.selectNgzTest(vc, NgzTestKind::PcrOnEia);
    vc.PerNgz18 = vc.PerNgz1825 = vc.PerNgz25 = 0;
    CalcPerNgz(vc, sel, p[0], p[1], p[2], vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase, vc.SpecWithNgz);
    EXPECT_EQ(vc.PerNgz18, eia[0]);
    EXPECT_EQ(vc.PerNgz1825, eia[1]);
    EXPECT_EQ(vc.PerNgz25, eia[2]);

    // ...and the general rule otherwise.
    sel.selectNgzTest(vc, NgzTestKind::DfaOnEia);
    SetNgzZonePCREIA(vc);
    CalcPerNgz(vc, sel, p[0], p[1], p[2], vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase, vc.SpecWithNgz);
    EXPECT_EQ(vc.PerNgz18, share(p[0], X, static_cast<float>(X * 1.107), Y, Yw));
}

TEST(Ngz, EiaRowsPidCountsLeaveOutTheRetestFinds)
{
    VarCon vc = GenProbeWithPcr();
    vc.NoInFo18 = 100;
    vc.NoInMiNgz18 = 10;
    vc.AddInf18 = 5;
    const double K = PidRiskIdentified(vc);
    EXPECT_EQ(CalcPidFound(vc), static_cast<float>(K * 100 + 10 * double(vc.ProbPid)));
    EXPECT_EQ(CalcPidFoundNgz(vc), static_cast<float>(K * 5 + 10 * double(vc.ProbPid)));
}

} // namespace
