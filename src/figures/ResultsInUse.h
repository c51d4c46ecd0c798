#pragma once
// The result screens' computations over the figures in use. Each runs the
// computations whose results it reads first, in the order the screens were
// designed around: the unit costs of the tests in use and the current
// strategy, then the comparison with the other tests, their costs, and the
// projected PID cases. So every result screen and chart, whichever way it is
// brought up and whatever else is loaded, shows what the model's figures
// give. Each works in the model state it is given, leaving there the working
// values and whole figures its screens read.

#include "figures/CostComparison.h"
#include "figures/CurrentStrategy.h"
#include "figures/PidProjection.h"
#include "figures/SwitchToComparison.h"
#include "model/Selection.h"
#include "model/VarCon.h"

#include <optional>

CurrentStrategyFigures CurrentStrategyInUse(VarCon& vc, Selection& sel);
// Nothing without a screening test selected.
std::optional<switchto::Comparison> ComparisonInUse(VarCon& vc, Selection& sel);
CostComparison CostsInUse(VarCon& vc, Selection& sel);
PidProjection ProjectionInUse(VarCon& vc, Selection& sel);

// What the graph charts: the costs per positive, and the projection the
// same chain goes on to.
struct Outlook {
    CostComparison costs;
    PidProjection projection;
};
Outlook OutlookInUse(VarCon& vc, Selection& sel);
