// Projected PID cases and costs.
#include <algorithm>

#include "model/Arithmetic.h"
#include "model/Equations.h"

namespace Equations {
using namespace detail;

void AnCalcPidPerTest(VarCon& vc, const Selection& sel)
{
    const double K = PidRiskIdentified(vc);
    for (int current = 0; current < ScrTestCount; ++current) {
        if (!sel.OptScrTest(current))
            continue;
        for (int t = 0; t < ScrTestCount; ++t) {
            const int slot = Slot::Of(ScrTestKind(t), ScrTestKind(current));
            const float identified = slot == 0 ? vc.NoInFoCur : vc.*Slot::NoInFoSat[slot - 1];
            vc.*PerTest::PidNoWom[t] = F(K * D(identified) + D(vc.*PerTest::Mp[t]) * D(vc.ProbPid));
        }
    }
}

void AnCalcPidCostPerTest(VarCon& vc)
{
    for (int t = 0; t < ScrTestCount; ++t)
        vc.*PerTest::PidCost[t] = Money::fromDouble(vc.CostPID.toDouble() * D(vc.*PerTest::PidNoWom[t]));
}

void AnCalcPidPerNgz(VarCon& vc, const Selection& sel)
{
    if (sel.OptScrTest(1)) {
        vc.PidNoWomNgz1 = AnCalcPidNgzFromEIA(vc, sel);
        vc.PidNoWomNgz2 = vc.PidCountDfaEia;
        vc.PidNoWomNgz3 = vc.PidCountPcrEia;
    } else {
        AnRecomputeNgzOptions(vc, sel);
    }
}

float AnCalcPidNgzFromEIA(VarCon& vc, const Selection& sel)
{
    vc.ScrTest = "EIA";
    vc.StAddInfTotal = EvaluateNgzOption(vc, sel, 1);
    vc.MpNgz1 = StCalcMissedNgz(vc);
    const double K = PidRiskIdentified(vc);
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::StPidNgz[g] = F(K * D(vc.*Age::NoInFo[g]) + D(vc.*Age::StNoInMiNgz[g]) * D(vc.ProbPid));
    return Total(vc, Age::StPidNgz);
}

namespace {

// The current strategy's chain run again with GenProbe and PCR on GenProbe;
// returns its PID cases with NGZ retesting.
float RecomputeGenProbeWithPcr(VarCon& vc, const Selection& sel)
{
    vc.SensScr = vc.SensGP;
    vc.SpecScr = vc.SpecGP;
    vc.NoInfTotal = CalcNoInfected(vc);
    vc.NoInFoTotal = CalcNoInfFound(vc);
    vc.NoInMiTotal = CalcNoInfMissed(vc);
    vc.NoFaPoTotal = CalcNoFalsePos(vc);
    vc.SensNgz = vc.SensPCRGP;
    vc.SpecNgz = vc.SpecPCRGP;
    SetNgzZoneGP(vc);
    CalcPerNgz(vc, sel, vc.Prev18, vc.Prev1825, vc.Prev25, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase,
               vc.SpecWithNgz);
    CalcPrevNgz(vc, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase, vc.SpecWithNgz);
    vc.AddInfTotal = CalcAddInfNgz(vc);
    vc.InfMisNgz = CalcInfFoundNgz(vc, vc.AddInfTotal, vc.NoInFoTotal, vc.NoInfTotal);
    vc.NoNgzTstTotal = CalcNoNgzTests(vc, vc.NoFem18, vc.NoPos18, vc.PerNgz18, vc.NoFem1825, vc.NoPos1825,
                                      vc.PerNgz1825, vc.NoFem25, vc.NoPos25, vc.PerNgz25);
    vc.NgzTPTotal = CalcNgzTruePos(vc, vc.PrevNgz18, vc.PerNgz18, vc.NoFem18, vc.NoPos18, vc.SensNgz,
                                   vc.PrevNgz1825, vc.PerNgz1825, vc.NoFem1825, vc.NoPos1825, vc.PrevNgz25,
                                   vc.PerNgz25, vc.NoFem25, vc.NoPos25);
    vc.AdFaPoTotal = CalcNgzFalsePos(vc, vc.NoNgzTst18, vc.NgzTP18, vc.SpecWithNgz, vc.NoNgzTst1825,
                                     vc.NgzTP1825, vc.NoNgzTst25, vc.NgzTP25);
    vc.AddFound = DiffSingle(vc.NoInFoNgzTotal, vc.NoInFoTotal);
    vc.PidFoundTotal = CalcPidFoundNgz(vc);
    vc.PidAvertedTotal = CalcPidAverted(vc);
    return CalcPidWithNgz(vc);
}

// An EIA retest added to the current GenProbe strategy: B less, per group, the PID cases the retest's finds avert.
float EiaRetestPid(VarCon& vc, const float (&A)[AgeGroupCount], float B, float sensRetest, float specRetest,
                   void (*setNgzZone)(VarCon&))
{
    vc.SensScr = vc.SensGP;
    vc.SpecScr = vc.SpecGP;
    vc.SensNgz = sensRetest;
    vc.SpecNgz = specRetest;
    setNgzZone(vc);
    CalcPrevNgz(vc, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase, vc.SpecWithNgz);
    CalcPerNgzEIA(vc, vc.Prev18, vc.Prev1825, vc.Prev25, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase,
                  vc.SpecWithNgz);
    const double K = PidRiskIdentified(vc);
    const double P0 = D(vc.ProbPid);
    double averted = 0.0;
    for (int g = 0; g < AgeGroupCount; ++g) {
        const float found = F(D(vc.*Age::PrevNgz[g]) * D(vc.*Age::PerNgz[g]) * D(vc.SensNgz) *
                              (D(vc.*Age::NoFem[g]) - D(vc.*Age::NoPos[g])));
        // Mended: infections still missed after the retest never go below 0.
        const float stillMissed = F(std::max(0.0, static_cast<double>(vc.*Age::lblSAT1PM[g]) - D(found)));
        const float cases = F(K * D(found) + D(stillMissed) * P0);
        averted += D(A[g]) - D(cases);
    }
    return F(D(B) - averted);
}

} // namespace

void AnRecomputeNgzOptions(VarCon& vc, const Selection& sel)
{
    const double K = PidRiskIdentified(vc);
    const double P0 = D(vc.ProbPid);
    float A[AgeGroupCount];
    float Bg[AgeGroupCount];
    for (int g = 0; g < AgeGroupCount; ++g) {
        A[g] = F(D(vc.*Age::NoInMi[g]) * P0);
        Bg[g] = F(K * D(vc.*Age::NoInFo[g]) + D(vc.*Age::NoInMi[g]) * P0);
    }
    const float B = F(D(Bg[0]) + D(Bg[1]) + D(Bg[2]));

    vc.PidNoWomNgz1 = sel.optNgzTest(1) ? vc.NoPidNgzTotal : RecomputeGenProbeWithPcr(vc, sel);
    vc.PidNoWomNgz2 = EiaRetestPid(vc, A, B, vc.SensDFAEIA, vc.SpecDFAEIA, SetNgzZoneDFAEIA);
    vc.PidNoWomNgz3 = EiaRetestPid(vc, A, B, vc.SensPCREIA, vc.SpecPCREIA, SetNgzZonePCREIA);
}

void AnCalcPidCostPerNgz(VarCon& vc)
{
    vc.PidCostNgz1 = Money::fromDouble(vc.CostPID.toDouble() * D(vc.PidNoWomNgz1));
    vc.PidCostNgz2 = Money::fromDouble(vc.CostPID.toDouble() * D(vc.PidNoWomNgz2));
    vc.PidCostNgz3 = Money::fromDouble(vc.CostPID.toDouble() * D(vc.PidNoWomNgz3));
}

} // namespace Equations
