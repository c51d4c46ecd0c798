#include "figures/ResultsInUse.h"

#include "model/Equations.h"
#include "model/Rounding.h"

CurrentStrategyFigures CurrentStrategyInUse(VarCon& vc, Selection& sel)
{
    Equations::SetUnitCostsInUse(vc, sel);
    CurrentStrategyFigures f = ComputeCurrentStrategy(vc, sel, sel.confirmsPositives);
    // The figures without screening as the results screen writes them,
    // which the projection and its chart show beside their own.
    vc.lblNoPID2 = Rounding::WholeCount(f.pidNoScreening);
    vc.lblPIDCost2 = f.pidCostNoScreening;
    return f;
}

std::optional<switchto::Comparison> ComparisonInUse(VarCon& vc, Selection& sel)
{
    CurrentStrategyInUse(vc, sel);
    return switchto::CompareTests(vc, sel);
}

CostComparison CostsInUse(VarCon& vc, Selection& sel)
{
    ComparisonInUse(vc, sel);
    return CompareCosts(vc, sel);
}

PidProjection ProjectionInUse(VarCon& vc, Selection& sel) { return OutlookInUse(vc, sel).projection; }

Outlook OutlookInUse(VarCon& vc, Selection& sel)
{
    Outlook o;
    o.costs = CostsInUse(vc, sel);
    o.projection = ProjectPid(vc, sel);
    return o;
}
