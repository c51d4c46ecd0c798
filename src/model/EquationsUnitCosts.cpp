// The unit costs of the tests in use.
#include "model/Equations.h"
#include "model/Families.h"

namespace Equations {

void SetCostScrTest(VarCon& vc, const Selection& sel)
{
    for (int t = 0; t < ScrTestCount; ++t)
        if (sel.OptScrTest(t))
            vc.CostScrTest = vc.*PerTest::Cost[t];
}

void SetCostNgz(VarCon& vc, const Selection& sel)
{
    if (sel.optNgzTest(1) || sel.optNgzTest(3))
        vc.CostNgz = vc.CostPNGZ;
    if (sel.optNgzTest(2))
        vc.CostNgz = vc.CostDNGZ;
    if (sel.optNgzTest(0))
        vc.CostNgz = Money();
}

void SetCostConfirm(VarCon& vc)
{
    vc.CostDFA = vc.TxtCostDFA;
    vc.CostPCA = vc.TxtCostPCA;
}

// The confirmation boxes stand for the costs in use; a text being typed
// there is no figure yet.
void SetUnitCostsInUse(VarCon& vc, const Selection& sel)
{
    vc.TxtCostDFA = vc.CostDFA;
    vc.TxtCostPCA = vc.CostPCA;
    SetCostConfirm(vc);
    SetCostNgz(vc, sel);
    SetCostScrTest(vc, sel);
}

} // namespace Equations
