// Treatment, cost and PID equations.
#include "model/Arithmetic.h"
#include "model/Equations.h"

namespace Equations {
using namespace detail;

double CalcScreenCost(Money unitCost, float count) { return unitCost.toDouble() * D(count); }

double CalcTreatCost(float n, float R, float pD, Money cD, float pA, Money cA)
{
    return (cA.toDouble() * (D(pA) * 0.01) + cD.toDouble() * (D(pD) * 0.01)) * (D(n) * D(R));
}

Money AddCurrency(Money a, Money b) { return a + b; }

Money AddCurrency2(Money a, Money b) { return a + b; }

void CalcCureDox(VarCon& vc, float pD) { vc.CureDox = F(D(vc.CCRateDox) * D(pD) * 0.01); }

void CalcCureAzi(VarCon& vc, float pA) { vc.CureAzi = F(D(vc.CCRateAzi) * D(pA) * 0.01); }

double PidRiskIdentified(const VarCon& vc)
{
    const double Q = D(vc.CureDox) + D(vc.CureAzi);
    const double P0 = D(vc.ProbPid);
    const double P1 = D(vc.ProbPidFactor);
    const double R = D(vc.PerReturn);
    return Q * P1 * R + (1.0 - Q) * P0 * R + (1.0 - R) * P0;
}

float CalcNoPid(VarCon& vc)
{
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::PPV[g] = CalcPPV(vc.*Age::Prev[g], vc.SensScr, vc.SpecScr);
    CalcCureDox(vc, vc.PerDox);
    CalcCureAzi(vc, vc.PerAzi);

    const double Q = D(vc.CureDox) + D(vc.CureAzi);
    const double P0 = D(vc.ProbPid);
    const double P1 = D(vc.ProbPidFactor);
    const double R = D(vc.PerReturn);
    for (int g = 0; g < AgeGroupCount; ++g) {
        const double ppv = D(vc.*Age::PPV[g]);
        const double npv = D(vc.*Age::NPV[g]);
        const double pos = D(vc.*Age::NoPos[g]);
        const double women = D(vc.*Age::NoFem[g]);
        vc.*Age::NoPid[g] =
            F((Q * P1 * R * ppv + (1.0 - Q) * P0 * R * ppv + (1.0 - R) * P0 * ppv) * pos +
              (women - pos) * ((1.0 - npv) * P0));
    }
    return Total(vc, Age::NoPid);
}

double CalcPidCost(const VarCon& vc) { return vc.CostPID.toDouble() * D(vc.NoPidTotal); }

float CalcPidNoScreen(VarCon& vc)
{
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::NoPidNoScr[g] = F(D(vc.*Age::NoFem[g]) * D(vc.*Age::Prev[g]) * D(vc.ProbPid));
    return Total(vc, Age::NoPidNoScr);
}

Money CalcPidCostNoScreen(VarCon& vc)
{
    const float cases = CalcPidNoScreen(vc);
    return Money::fromDouble(vc.CostPID.toDouble() * D(cases));
}

double CalcPidCostOf(const VarCon& vc, float cases) { return vc.CostPID.toDouble() * D(cases); }

} // namespace Equations
