// Switch-to-test equations.
#include <algorithm>

#include "model/Arithmetic.h"
#include "model/Equations.h"

namespace Equations {
using namespace detail;

float StCalcPositives(VarCon& vc, float p18, float w18, float p1825, float w1825, float p25, float w25, float se,
                      float sp)
{
    const float p[AgeGroupCount] = {p18, p1825, p25};
    const float w[AgeGroupCount] = {w18, w1825, w25};
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::StNoPos[g] = F((D(p[g]) * D(se) + (1.0 - D(p[g])) * (1.0 - D(sp))) * D(w[g]));
    return Total(vc, Age::StNoPos);
}

float StCalcInfFound(VarCon& vc)
{
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::StNoInFo[g] = F(D(vc.*Age::NoInf[g]) * D(vc.SensSt));
    return Total(vc, Age::StNoInFo);
}

float StCalcInfMissed(VarCon& vc)
{
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::StNoInMi[g] = F(D(vc.*Age::NoInf[g]) - D(vc.*Age::StNoInFo[g]));
    return Total(vc, Age::StNoInMi);
}

float StCalcAddInfNgz(VarCon& vc, const Selection& sel)
{
    const bool retestOnEia = vc.ScrTest == "GenProbe";
    vc.SensScr = retestOnEia ? vc.SensEIA : vc.SensGP;
    vc.SpecScr = retestOnEia ? vc.SpecEIA : vc.SpecGP;
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::Prev[g] = CalcTruePrev(vc.*Age::NoPos[g], vc.*Age::NoFem[g], vc.SpecScr, vc.SensScr);
    CalcPrevNgz(vc, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase, vc.SpecWithNgz);
    if (retestOnEia)
        CalcPerNgzEIA(vc, vc.Prev18, vc.Prev1825, vc.Prev25, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase,
                      vc.SpecWithNgz);
    else
        CalcPerNgz(vc, sel, vc.Prev18, vc.Prev1825, vc.Prev25, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase,
                   vc.SpecWithNgz);
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::StAddInf[g] = F(D(vc.*Age::PrevNgz[g]) * D(vc.*Age::PerNgz[g]) * D(vc.SensNgz) *
                                 (D(vc.*Age::NoFem[g]) - D(vc.*Age::NoPos[g])));
    return Total(vc, Age::StAddInf);
}

float StCalcMissedNgz(VarCon& vc)
{
    // A retest cannot leave fewer than no infections missed: the finds may
    // exceed the missed count of the test they are subtracted from, and the
    // difference stops at 0 (CalcInfFoundNgz caps its own count the same way).
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::StNoInMiNgz[g] = F(std::max(0.0, D(vc.*Age::StNoInMi[g]) - D(vc.*Age::StAddInf[g])));
    return Total(vc, Age::StNoInMiNgz);
}

} // namespace Equations
