// The switch-to cost table.
#include <cmath>

#include "model/Arithmetic.h"
#include "model/Equations.h"

namespace Equations {
using namespace detail;

namespace {

// The positives of a test that is not current: the whole number shown in the
// comparison screen's caption of its display slot.
double CaptionPositives(const VarCon& vc, int slot)
{
    return static_cast<double>(vc.*Slot::lblSATNPTot[slot - 1]);
}

} // namespace

double DrugCostPerTreated(const VarCon& vc)
{
    return vc.CostAzi.toDouble() * (D(vc.PerAzi) * 0.01) + vc.CostDox.toDouble() * (D(vc.PerDox) * 0.01);
}

void StCalcScreenCosts(VarCon& vc)
{
    const float S = TotalScreened(vc);
    for (int t = 0; t < ScrTestCount; ++t) {
        vc.CostPerTestSt = vc.*PerTest::Cost[t];
        vc.*PerTest::Isc[t] = Money::fromDouble(vc.CostPerTestSt.toDouble() * D(S));
    }
}

void StCalcConfirmCosts(VarCon& vc, const Selection& sel)
{
    const double positivesGP = sel.OptScrTest(0) ? D(TotalPositives(vc)) : CaptionPositives(vc, 1);
    vc.CtsGP = Money::fromDouble(vc.CostPCA.toDouble() * positivesGP);

    double positivesEIA = 0;
    if (sel.OptScrTest(1))
        positivesEIA = D(TotalPositives(vc));
    else if (sel.OptScrTest(0))
        positivesEIA = CaptionPositives(vc, 1);
    else
        positivesEIA = CaptionPositives(vc, 2);
    vc.CtsEIA = Money::fromDouble(vc.CostDFA.toDouble() * positivesEIA);
}

void StCalcDrugCosts(VarCon& vc, const Selection& sel)
{
    const double DT = DrugCostPerTreated(vc);
    for (int current = 0; current < ScrTestCount; ++current) {
        if (!sel.OptScrTest(current))
            continue;
        for (int t = 0; t < ScrTestCount; ++t) {
            const int slot = Slot::Of(ScrTestKind(t), ScrTestKind(current));
            // The current test's treated positives are a float product; an
            // alternative's are the caption times the rate, in double.
            const double treated = slot == 0 ? D(F(D(TotalPositives(vc)) * D(vc.PerReturn)))
                                             : CaptionPositives(vc, slot) * D(vc.PerReturn);
            vc.*PerTest::Dtc[t] = Money::fromDouble(treated * DT);
        }
    }
}

void StCalcScreenTreatCosts(VarCon& vc)
{
    for (int t = 0; t < ScrTestCount; ++t)
        vc.*PerTest::Tst[t] = vc.*PerTest::Isc[t] + vc.*PerTest::Dtc[t];
}

void StCalcConfirmTotals(VarCon& vc)
{
    for (int t = 0; t < ScrTestCount; ++t)
        vc.*PerTest::Ccst[t] = (vc.*PerTest::Isc[t] + vc.*PerTest::Cts[t]) + vc.*PerTest::Dtc[t];
}

void StGetMissedPositives(VarCon& vc, const Selection& sel)
{
    for (int current = 0; current < ScrTestCount; ++current) {
        if (!sel.OptScrTest(current))
            continue;
        for (int t = 0; t < ScrTestCount; ++t) {
            const int slot = Slot::Of(ScrTestKind(t), ScrTestKind(current));
            vc.*PerTest::Mp[t] = slot == 0 ? vc.CTNPMTot : vc.*Slot::SATPMTot[slot - 1];
        }
    }
}

OptionalMoney CostPerPositive(Money cost, double divisor)
{
    // Mended: nothing identified gives no figure. At half a woman or less the
    // divisor shows as 0 (float rounding leaves such crumbs where no woman is
    // infected), and a cost divided by it would be a figure without meaning.
    if (!(divisor > 0.5))
        return std::nullopt;
    const double quotient = cost.toDouble() / divisor;
    // Only a quotient that Money cannot hold goes without a figure; every
    // tick count below 2^63 in magnitude still rounds to a valid Money.
    constexpr double TickLimit = 9223372036854775808.0;  // 2^63
    if (!std::isfinite(quotient) || !(std::fabs(quotient * Money::TicksPerUnit) < TickLimit))
        return std::nullopt;
    return Money::fromDouble(quotient);
}

void StCalcCostPerPositive(VarCon& vc, const Selection& sel)
{
    const bool withConfirmation = sel.chkConfirPos == 1;
    for (int t = 0; t < ScrTestCount; ++t) {
        const Money base = withConfirmation ? vc.*PerTest::Ccst[t] : vc.*PerTest::Tst[t];
        vc.*PerTest::Pi[t] = CostPerPositive(base, D(vc.NoInfTotalSt) - D(vc.*PerTest::Mp[t]));
    }
}

} // namespace Equations
