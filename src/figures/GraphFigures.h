#pragma once
// The data of the graph screen's three charts, from the figures the cost and
// projection computations return: a row for each of the six tests, with the
// long form (GenProbe or EIA in use) a row for each of the three NGZ options,
// and for the PID charts a row for no screening. Each bar is captioned as the
// screens write that kind of figure.

#include "figures/CostComparison.h"
#include "figures/PidProjection.h"
#include "platform/Chart.h"

platform::ChartData PidCasesChart(const PidProjection& projection, bool withNgz);
platform::ChartData PidCostChart(const PidProjection& projection, bool withNgz);
platform::ChartData CostPerPositiveChart(const CostComparison& costs, bool withNgz);
