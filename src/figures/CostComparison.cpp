#include "figures/CostComparison.h"

#include "model/Equations.h"

using namespace Equations;

namespace {

using MoneyOf = Money VarCon::*;
using OptionalMoneyOf = OptionalMoney VarCon::*;
using CountOf = float VarCon::*;

constexpr std::array<MoneyOf, NgzOptionCount> AdNgz{&VarCon::AdNgz1, &VarCon::AdNgz2, &VarCon::AdNgz3};
constexpr std::array<MoneyOf, NgzOptionCount> CstNgz{&VarCon::CstNgz1, &VarCon::CstNgz2, &VarCon::CstNgz3};
constexpr std::array<MoneyOf, NgzOptionCount> CsctNgz{&VarCon::CsctNgz1, &VarCon::CsctNgz2, &VarCon::CsctNgz3};
constexpr std::array<CountOf, NgzOptionCount> MpNgz{&VarCon::MpNgz1, &VarCon::MpNgz2, &VarCon::MpNgz3};
constexpr std::array<OptionalMoneyOf, NgzOptionCount> CatpiNgz{&VarCon::CatpiNgz1, &VarCon::CatpiNgz2,
                                                               &VarCon::CatpiNgz3};
constexpr std::array<OptionalMoneyOf, NgzOptionCount> TctpiNgz{&VarCon::TctpiNgz1, &VarCon::TctpiNgz2,
                                                               &VarCon::TctpiNgz3};

void CostTests(VarCon& vc, const Selection& sel)
{
    StCalcScreenCosts(vc);
    // Called once for each of the two confirmation cells; the second call
    // gives the same figures.
    StCalcConfirmCosts(vc, sel);
    StCalcConfirmCosts(vc, sel);
    StCalcDrugCosts(vc, sel);
    StCalcScreenTreatCosts(vc);
    StCalcConfirmTotals(vc);
    StGetMissedPositives(vc, sel);
    StCalcCostPerPositive(vc, sel);
}

void CostNgzOptions(VarCon& vc, const Selection& sel)
{
    NgzCalcAddCosts(vc, sel);
    NgzCalcTotalCosts(vc);
    NgzCalcTotalConfirmCosts(vc);
    NgzCalcMissedPositives(vc, sel);
    NgzCalcCostPerAddPositive(vc);
    NgzCalcCostPerPositive(vc, sel);
}

} // namespace

CostComparison CompareCosts(VarCon& vc, const Selection& sel)
{
    CostComparison result;
    CostTests(vc, sel);
    for (int t = 0; t < ScrTestCount; ++t) {
        TestCosts& row = result.tests[t];
        row.costPerTest = vc.*PerTest::Cost[t];
        row.initialScreening = vc.*PerTest::Isc[t];
        row.confirmation = vc.*PerTest::Cts[t];
        row.drugTreatment = vc.*PerTest::Dtc[t];
        row.screenAndTreat = vc.*PerTest::Tst[t];
        row.confirmScreenAndTreat = vc.*PerTest::Ccst[t];
        row.missedPositives = vc.*PerTest::Mp[t];
        row.perTruePositive = vc.*PerTest::Pi[t];
    }

    result.ngzCosted = sel.OptScrTest(0) || sel.OptScrTest(1);
    if (!result.ngzCosted)
        return result;
    CostNgzOptions(vc, sel);
    for (int n = 0; n < NgzOptionCount; ++n) {
        NgzOptionCosts& row = result.ngz[n];
        row.additional = vc.*AdNgz[n];
        row.screenTreatAndNgz = vc.*CstNgz[n];
        row.screenConfirmTreatAndNgz = vc.*CsctNgz[n];
        row.missedPositives = vc.*MpNgz[n];
        row.perAdditionalPositive = vc.*CatpiNgz[n];
        row.perTruePositive = vc.*TctpiNgz[n];
    }
    return result;
}
