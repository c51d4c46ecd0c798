#include "figures/PidProjection.h"

#include "model/Equations.h"

using namespace Equations;

namespace {

constexpr std::array<float VarCon::*, NgzOptionCount> PidNoWomNgz{&VarCon::PidNoWomNgz1, &VarCon::PidNoWomNgz2,
                                                                  &VarCon::PidNoWomNgz3};
constexpr std::array<Money VarCon::*, NgzOptionCount> PidCostNgz{&VarCon::PidCostNgz1, &VarCon::PidCostNgz2,
                                                                 &VarCon::PidCostNgz3};

bool ProjectsNgzOptions(const Selection& sel)
{
    return sel.optNgzTest(1) || sel.optNgzTest(2) || sel.optNgzTest(3) || sel.OptScrTest(0) ||
           sel.OptScrTest(1);
}

} // namespace

PidProjection ProjectPid(VarCon& vc, const Selection& sel)
{
    PidProjection result;
    AnCalcPidPerTest(vc, sel);
    AnCalcPidCostPerTest(vc);
    for (int t = 0; t < ScrTestCount; ++t)
        result.tests[t] = {vc.*PerTest::PidNoWom[t], vc.*PerTest::PidCost[t]};
    result.noScreeningCases = vc.lblNoPID2;
    result.noScreeningCost = vc.lblPIDCost2;

    result.ngzProjected = ProjectsNgzOptions(sel);
    if (!result.ngzProjected)
        return result;
    AnCalcPidPerNgz(vc, sel);
    AnCalcPidCostPerNgz(vc);
    for (int n = 0; n < NgzOptionCount; ++n)
        result.ngz[n] = {vc.*PidNoWomNgz[n], vc.*PidCostNgz[n]};
    return result;
}
