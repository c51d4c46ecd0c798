#pragma once
// The data of the graph screen's three charts, from the figures the cost and
// projection computations leave in the model state: a row for each of the six
// tests, with the long form (GenProbe or EIA in use) a row for each of the
// three NGZ options, and for the PID charts a row for no screening. Each bar
// is captioned as the screens write that kind of figure.

#include "model/VarCon.h"
#include "platform/Chart.h"

platform::ChartData PidCasesChart(const VarCon& vc, bool withNgz);
platform::ChartData PidCostChart(const VarCon& vc, bool withNgz);
platform::ChartData CostPerPositiveChart(const VarCon& vc, bool withNgz);
