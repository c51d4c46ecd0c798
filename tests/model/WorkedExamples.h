#pragma once
// The programme figures of the worked examples, as a model state the
// forms would have filled.
#include "model/VarCon.h"

namespace WorkedExamples {

// The worked example's one age group: 1000 women under 18, 12 % positive, a screening
// test of sensitivity 0.7 and specificity 0.987 (GenProbe in the NGZ example).
inline VarCon OneAgeGroup()
{
    VarCon vc;
    vc.NoFem18 = 1000;
    vc.PerFem18 = 0.12f;
    vc.SensGP = 0.7f;
    vc.SpecGP = 0.987f;
    vc.SensScr = 0.7f;
    vc.SpecScr = 0.987f;
    vc.ScrTest = "GenProbe";
    return vc;
}

// The worked example's treatment figures on top of it.
inline VarCon OneAgeGroupWithTreatment()
{
    VarCon vc = OneAgeGroup();
    vc.PerReturn = 0.79f;
    vc.PerDox = 50;
    vc.PerAzi = 50;
    vc.CCRateDox = 0.857f;
    vc.CCRateAzi = 0.965f;
    vc.ProbPid = 0.15f;
    vc.ProbPidFactor = 0.06f;
    vc.CostDox = Money::fromTicks(2'0000);
    vc.CostAzi = Money::fromTicks(9'5000);
    return vc;
}

} // namespace WorkedExamples
