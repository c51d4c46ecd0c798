// NGZ retesting equations.
#include "model/Arithmetic.h"
#include "model/Equations.h"

namespace Equations {
using namespace detail;

namespace {

// The gray-zone cut-off of a retest: the base test, and the lowered cut-off at
// which its sensitivity rises by a factor and its specificity falls by 0.001.
// The threshold is a float and the test strict.
void SetNgzZone(VarCon& vc, float sensBase, float specBase, float threshold, double factorAbove,
                double factorOtherwise)
{
    vc.SensNgzBase = sensBase;
    vc.SpecNgzBase = specBase;
    const double factor = vc.SensNgzBase > threshold ? factorAbove : factorOtherwise;
    vc.SensWithNgz = F(D(vc.SensNgzBase) * factor);
    vc.SpecWithNgz = F(D(vc.SpecNgzBase) - 0.001);
}

// The band's share of all negative results, for prevalence p.
float GrayZoneShare(double p, double Se, double SeWith, double Sp, double SpWith)
{
    return F(Ratio((SeWith - Se) * p + (1.0 - p) * (Sp - SpWith), (1.0 - Se) * p + (1.0 - p) * Sp));
}

} // namespace

void SetNgzZoneGP(VarCon& vc) { SetNgzZone(vc, vc.SensGP, vc.SpecGP, 0.863f, 1.0425, 1.0849); }

void SetNgzZoneDFAEIA(VarCon& vc) { SetNgzZone(vc, vc.SensEIA, vc.SpecEIA, 0.888f, 1.033, 1.067); }

void SetNgzZonePCREIA(VarCon& vc) { SetNgzZone(vc, vc.SensEIA, vc.SpecEIA, 0.888f, 1.054, 1.107); }

void CalcPrevNgz(VarCon& vc, float Se, float SeWith, float Sp, float SpWith)
{
    for (int g = 0; g < AgeGroupCount; ++g) {
        const double p = D(vc.*Age::Prev[g]);
        vc.*Age::PrevNgz[g] =
            F(Ratio((D(SeWith) - D(Se)) * p, (D(SeWith) - D(Se)) * p + (1.0 - p) * (D(Sp) - D(SpWith))));
    }
}

float CalcPerNgz(VarCon& vc, const Selection& sel, float p18, float p1825, float p25, float Se, float SeWith,
                 float Sp, float SpWith)
{
    // The EIA rule follows the user's selection, not the test being evaluated.
    if (sel.OptScrTest(1) && sel.optNgzTest(3))
        return CalcPerNgzEIA(vc, p18, p1825, p25, Se, SeWith, Sp, SpWith);
    const float p[AgeGroupCount] = {p18, p1825, p25};
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::PerNgz[g] = GrayZoneShare(D(p[g]), D(Se), D(SeWith), D(Sp), D(SpWith));
    return 0.0f;
}

float CalcPerNgzEIA(VarCon& vc, float p18, float p1825, float p25, float Se, float /*SeWith*/, float Sp,
                    float SpWith)
{
    const float X = vc.SensScr;
    const float Y = vc.SpecScr;
    const float XWith = F(D(X) * (X > 0.888f ? 1.033 : 1.067));
    const float YWith = F(D(Y) - 0.001);
    vc.PerNgz18 = GrayZoneShare(D(p18), D(X), D(XWith), D(Y), D(YWith));
    vc.PerNgz1825 = GrayZoneShare(D(p1825), D(X), D(XWith), D(Y), D(YWith));
    // The over-25 group mixes the arguments' base test with the EIA cut-off.
    vc.PerNgz25 = GrayZoneShare(D(p25), D(Se), D(XWith), D(Sp), D(SpWith));
    return 0.0f;
}

float CalcAddInfNgz(VarCon& vc)
{
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::AddInf[g] = F(D(vc.*Age::PrevNgz[g]) * D(vc.*Age::PerNgz[g]) * D(vc.SensNgz) *
                               (D(vc.*Age::NoFem[g]) - D(vc.*Age::NoPos[g])));
    return Total(vc, Age::AddInf);
}

float CalcInfFoundNgz(VarCon& vc, float F_, float TP, float I)
{
    const float S = F(D(F_) + D(TP));
    if (S < I) {
        vc.NoInFoNgzTotal = F(D(TP) + D(F_));
        for (int g = 0; g < AgeGroupCount; ++g)
            vc.*Age::NoInFoNgz[g] = F(D(vc.*Age::NoInFo[g]) + D(vc.*Age::AddInf[g]));
        vc.NoInMiNgzTotal = F(D(I) - D(vc.NoInFoNgzTotal));
        for (int g = 0; g < AgeGroupCount; ++g)
            vc.*Age::NoInMiNgz[g] = F(D(vc.*Age::NoInf[g]) - D(vc.*Age::NoInFoNgz[g]));
    } else {
        vc.NoInFoNgzTotal = I;
        for (int g = 0; g < AgeGroupCount; ++g)
            vc.*Age::NoInFoNgz[g] = vc.*Age::NoInf[g];
        vc.NoInMiNgzTotal = 0.0f;
        for (int g = 0; g < AgeGroupCount; ++g)
            vc.*Age::NoInMiNgz[g] = 0.0f;
    }
    return vc.NoInMiNgzTotal;
}

float CalcNoNgzTests(VarCon& vc, float w18, float pos18, float gz18, float w1825, float pos1825, float gz1825,
                     float w25, float pos25, float gz25)
{
    vc.NoNgzTst18 = F((D(w18) - D(pos18)) * D(gz18));
    vc.NoNgzTst1825 = F((D(w1825) - D(pos1825)) * D(gz1825));
    vc.NoNgzTst25 = F((D(w25) - D(pos25)) * D(gz25));
    return Total(vc, Age::NoNgzTst);
}

float CalcNgzTruePos(VarCon& vc, float q18, float gz18, float w18, float pos18, float s, float q1825,
                     float gz1825, float w1825, float pos1825, float q25, float gz25, float w25, float pos25)
{
    vc.NgzTP18 = F(D(q18) * D(gz18) * D(s) * (D(w18) - D(pos18)));
    vc.NgzTP1825 = F(D(q1825) * D(gz1825) * D(s) * (D(w1825) - D(pos1825)));
    vc.NgzTP25 = F(D(q25) * D(gz25) * D(s) * (D(w25) - D(pos25)));
    return Total(vc, Age::NgzTP);
}

float CalcNgzFalsePos(VarCon& vc, float t18, float tp18, float sp, float t1825, float tp1825, float t25,
                      float tp25)
{
    vc.AdFaPo18 = F((D(t18) - D(tp18)) * (1.0 - D(sp)));
    vc.AdFaPo1825 = F((D(t1825) - D(tp1825)) * (1.0 - D(sp)));
    vc.AdFaPo25 = F((D(t25) - D(tp25)) * (1.0 - D(sp)));
    return Total(vc, Age::AdFaPo);
}

double CalcNgzCost(const VarCon& vc, float gz18, float w18, float pos18, float gz1825, float w1825,
                   float pos1825, float gz25, float w25, Money unitCost, float found, float R, float pD, Money cD,
                   float pA, Money cA)
{
    // The third group takes its positives from the model state, not an argument.
    const double T = (D(w18) - D(pos18)) * D(gz18) + (D(w1825) - D(pos1825)) * D(gz1825) +
                     (D(w25) - D(vc.NoPos25)) * D(gz25);
    return unitCost.toDouble() * T +
           (D(found) * D(R)) * (cA.toDouble() * (D(pA) * 0.01) + cD.toDouble() * (D(pD) * 0.01));
}

float DiffSingle(float a, float b) { return F(D(a) - D(b)); }

float CalcPidFound(VarCon& vc)
{
    const double K = PidRiskIdentified(vc);
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::PidFound[g] = F(K * D(vc.*Age::NoInFo[g]) + D(vc.*Age::NoInMiNgz[g]) * D(vc.ProbPid));
    return Total(vc, Age::PidFound);
}

float CalcPidFoundNgz(VarCon& vc)
{
    const double K = PidRiskIdentified(vc);
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::PidFound[g] = F(K * D(vc.*Age::AddInf[g]) + D(vc.*Age::NoInMiNgz[g]) * D(vc.ProbPid));
    return Total(vc, Age::PidFound);
}

float CalcPidAverted(VarCon& vc)
{
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::PidAverted[g] = F(D(vc.*Age::NoInMi[g]) * D(vc.ProbPid) - D(vc.*Age::PidFound[g]));
    return Total(vc, Age::PidAverted);
}

float CalcPidWithNgz(VarCon& vc)
{
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::NoPidNgz[g] = F(D(vc.*Age::NoPid[g]) - D(vc.*Age::PidAverted[g]));
    return Total(vc, Age::NoPidNgz);
}

} // namespace Equations
