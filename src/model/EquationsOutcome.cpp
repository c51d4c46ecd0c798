// The outcome chain of the current strategy.
#include "model/Arithmetic.h"
#include "model/Equations.h"

namespace Equations {
using namespace detail;

float CalcNoPos(float n, float r) { return F(D(n) * D(r)); }

float CalcTruePrev(float pos, float n, float sp, float se)
{
    if (n == 0.0f)
        return 0.0f;
    return F(Ratio(D(pos) / D(n) - 1.0 + D(sp), (D(se) - 1.0) + D(sp)));
}

float CalcPPV(float p, float se, float sp)
{
    return F(Ratio(D(p) * D(se), D(p) * D(se) + (1.0 - D(p)) * (1.0 - D(sp))));
}

float CalcNoInfected(VarCon& vc)
{
    for (int g = 0; g < AgeGroupCount; ++g) {
        vc.*Age::Prev[g] = CalcTruePrev(vc.*Age::NoPos[g], vc.*Age::NoFem[g], vc.SpecScr, vc.SensScr);
        vc.*Age::NoInf[g] = F(D(vc.*Age::Prev[g]) * D(vc.*Age::NoFem[g]));
    }
    return Total(vc, Age::NoInf);
}

float CalcNoInfFound(VarCon& vc)
{
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::NoInFo[g] = F(D(vc.*Age::NoInf[g]) * D(vc.SensScr));
    const float infected = CalcNoInfected(vc);
    return F(D(vc.SensScr) * D(infected));
}

float CalcNoInfMissed(VarCon& vc)
{
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::NoInMi[g] = F(D(vc.*Age::NoInf[g]) - D(vc.*Age::NoInFo[g]));
    const float infected = CalcNoInfected(vc);
    const float found = CalcNoInfFound(vc);
    return F(D(infected) - D(found));
}

float CalcNoFalsePos(VarCon& vc)
{
    const float positives = Total(vc, Age::NoPos);
    return F(D(positives) - D(CalcNoInfFound(vc)));
}

float TotalScreened(const VarCon& vc) { return Total(vc, Age::NoFem); }

float TotalPositives(const VarCon& vc) { return Total(vc, Age::NoPos); }

float CalcNPV(VarCon& vc)
{
    const double se = D(vc.SensScr);
    const double sp = D(vc.SpecScr);
    for (int g = 0; g < AgeGroupCount; ++g) {
        const double p = D(vc.*Age::Prev[g]);
        vc.*Age::NPV[g] = F(Ratio((1.0 - p) * sp, (1.0 - p) * sp + (1.0 - se) * p));
    }
    return Total(vc, Age::NPV);
}

} // namespace Equations
