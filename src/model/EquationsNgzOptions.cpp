// The NGZ option costs of the cost comparison screen.
#include "model/Arithmetic.h"
#include "model/Equations.h"

#include <array>

namespace Equations {
using namespace detail;

namespace {

// The NGZ tests done, with the gray-zone shares as they stand.
double NgzTestsDone(const VarCon& vc)
{
    double N = 0.0;
    for (int g = 0; g < AgeGroupCount; ++g)
        N += (D(vc.*Age::NoFem[g]) - D(vc.*Age::NoPos[g])) * D(vc.*Age::PerNgz[g]);
    return N;
}

} // namespace

float EvaluateNgzOption(VarCon& vc, const Selection& sel, int option)
{
    switch (option) {
    case 1:
        vc.SensNgz = vc.SensPCRGP;
        SetNgzZoneGP(vc);
        // Option 1 always takes the general gray-zone shares. With EIA and PCR on
        // EIA chosen, CalcPerNgz would switch to the EIA rule, so the option's
        // steps are then worked out in place; evaluating against no selection
        // is exactly that.
        return StCalcAddInfNgz(vc, sel.optNgzTest(3) ? Selection() : sel);
    case 2:
        vc.SensNgz = vc.SensDFAEIA;
        SetNgzZoneDFAEIA(vc);
        return StCalcAddInfNgz(vc, sel);
    default:
        vc.SensNgz = vc.SensPCREIA;
        SetNgzZonePCREIA(vc);
        return StCalcAddInfNgz(vc, sel);
    }
}

void NgzCalcAddCosts(VarCon& vc, const Selection& sel)
{
    const double DT = DrugCostPerTreated(vc);
    const double R = D(vc.PerReturn);

    vc.ScrTest = "EIA";
    vc.AddInfNgz1 = EvaluateNgzOption(vc, sel, 1);
    vc.AdNgz1 = Money::fromDouble(DT * (D(vc.AddInfNgz1) * R) + vc.CostPNGZ.toDouble() * NgzTestsDone(vc));

    vc.ScrTest = "GenProbe";
    vc.AddInfNgz2 = EvaluateNgzOption(vc, sel, 2);
    vc.AddInfNgz3 = EvaluateNgzOption(vc, sel, 3);
    // Options 2 and 3 share their gray-zone shares, so one count serves both.
    const double N = NgzTestsDone(vc);
    vc.AdNgz2 = Money::fromDouble(DT * (D(vc.AddInfNgz2) * R) + vc.CostDNGZ.toDouble() * N);
    vc.AdNgz3 = Money::fromDouble(DT * (D(vc.AddInfNgz3) * R) + vc.CostPNGZ.toDouble() * N);
}

void NgzCalcTotalCosts(VarCon& vc)
{
    vc.CstNgz1 = (vc.IscGP + vc.DtcGP) + vc.AdNgz1;
    vc.CstNgz2 = (vc.IscEIA + vc.DtcEIA) + vc.AdNgz2;
    vc.CstNgz3 = (vc.IscEIA + vc.DtcEIA) + vc.AdNgz3;
}

void NgzCalcTotalConfirmCosts(VarCon& vc)
{
    vc.CsctNgz1 = ((vc.IscGP + vc.CtsGP) + vc.DtcGP) + vc.AdNgz1;
    vc.CsctNgz2 = ((vc.IscEIA + vc.CtsEIA) + vc.DtcEIA) + vc.AdNgz2;
    vc.CsctNgz3 = ((vc.IscEIA + vc.CtsEIA) + vc.DtcEIA) + vc.AdNgz3;
}

// An option's finds are subtracted from the missed infections of its own
// screening test, per age group: the current test's own (NoInMi) when the
// option retests it, else those the comparison left for the other of
// GenProbe and EIA (StNoInMi), which stay as they were for the projection.
void NgzCalcMissedPositives(VarCon& vc, const Selection& sel)
{
    float* const missed[3] = {&vc.MpNgz1, &vc.MpNgz2, &vc.MpNgz3};
    std::array<float, AgeGroupCount> otherTest{};
    for (int g = 0; g < AgeGroupCount; ++g)
        otherTest[g] = vc.*Age::StNoInMi[g];
    for (int option = 1; option <= 3; ++option) {
        const ScrTestKind ownTest = option == 1 ? ScrTestKind::GenProbe : ScrTestKind::EIA;
        vc.ScrTest = option == 1 ? "EIA" : "GenProbe";
        vc.StAddInfTotal = EvaluateNgzOption(vc, sel, option);
        for (int g = 0; g < AgeGroupCount; ++g)
            vc.*Age::StNoInMi[g] = sel.scrTest() == ownTest ? vc.*Age::NoInMi[g] : otherTest[g];
        *missed[option - 1] = StCalcMissedNgz(vc);
    }
    for (int g = 0; g < AgeGroupCount; ++g)
        vc.*Age::StNoInMi[g] = otherTest[g];
}

void NgzCalcCostPerAddPositive(VarCon& vc)
{
    vc.CatpiNgz1 = CostPerPositive(vc.AdNgz1, D(vc.MpGP) - D(vc.MpNgz1));
    vc.CatpiNgz2 = CostPerPositive(vc.AdNgz2, D(vc.MpEIA) - D(vc.MpNgz2));
    vc.CatpiNgz3 = CostPerPositive(vc.AdNgz3, D(vc.MpEIA) - D(vc.MpNgz3));
}

void NgzCalcCostPerPositive(VarCon& vc, const Selection& sel)
{
    const bool withConfirmation = sel.chkConfirPos == 1;
    vc.TctpiNgz1 = CostPerPositive(withConfirmation ? vc.CsctNgz1 : vc.CstNgz1, D(vc.NoInfTotalSt) - D(vc.MpNgz1));
    vc.TctpiNgz2 = CostPerPositive(withConfirmation ? vc.CsctNgz2 : vc.CstNgz2, D(vc.NoInfTotalSt) - D(vc.MpNgz2));
    vc.TctpiNgz3 = CostPerPositive(withConfirmation ? vc.CsctNgz3 : vc.CstNgz3, D(vc.NoInfTotalSt) - D(vc.MpNgz3));
}

} // namespace Equations
