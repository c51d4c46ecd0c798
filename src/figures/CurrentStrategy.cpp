#include "figures/CurrentStrategy.h"

#include "fields/Figures.h"
#include "model/Equations.h"
#include "model/Families.h"
#include "model/Rounding.h"
#include "platform/Numbers.h"

using namespace Equations;

namespace {

enum class Retest { PcrOnGenProbe, DfaOnEia, PcrOnEia };
enum class Row { First, Second };

// Puts a retest that the user did not choose into the working values.
void SetUpRetest(VarCon& vc, Retest retest)
{
    switch (retest) {
    case Retest::PcrOnGenProbe:
        vc.SensNgz = vc.SensPCRGP, vc.SpecNgz = vc.SpecPCRGP, vc.NgzTest = "PCR on GenProbe";
        SetNgzZoneGP(vc);
        vc.CostNgz = vc.CostPNGZ;
        break;
    case Retest::DfaOnEia:
        vc.SensNgz = vc.SensDFAEIA, vc.SpecNgz = vc.SpecDFAEIA, vc.NgzTest = "DFA on EIA";
        SetNgzZoneDFAEIA(vc);
        vc.CostNgz = vc.CostDNGZ;
        break;
    case Retest::PcrOnEia:
        vc.SensNgz = vc.SensPCREIA, vc.SpecNgz = vc.SpecPCREIA, vc.NgzTest = "PCR on EIA";
        SetNgzZonePCREIA(vc);
        vc.CostNgz = vc.CostPNGZ;
        break;
    }
}

// The second EIA row works from EIA's own characteristics.
void SetUpSecondEiaRow(VarCon& vc, Retest retest)
{
    SetUpRetest(vc, retest);
    vc.SensScr = vc.SensEIA;
    vc.SpecScr = vc.SpecEIA;
}

// One NGZ row, its retest already set up in the working values.
NgzRowFigures NgzRow(VarCon& vc, const Selection& sel, Row row, Retest retest)
{
    const bool first = row == Row::First;
    NgzRowFigures r;
    r.test = vc.NgzTest;

    if (retest == Retest::PcrOnEia)
        CalcPerNgzEIA(vc, vc.Prev18, vc.Prev1825, vc.Prev25, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase,
                      vc.SpecWithNgz);
    else
        CalcPerNgz(vc, sel, vc.Prev18, vc.Prev1825, vc.Prev25, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase,
                   vc.SpecWithNgz);
    CalcPrevNgz(vc, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase, vc.SpecWithNgz);

    float& addInf = first ? vc.AddInfTotal : vc.AddInfTotal2;
    addInf = CalcAddInfNgz(vc);
    float& missed = first ? vc.InfMisNgz : vc.InfMisNgz2;
    missed = CalcInfFoundNgz(vc, addInf, vc.NoInFoTotal, vc.NoInfTotal);
    (first ? vc.NoNgzTstTotal : vc.NoNgzTstTotal2) =
        CalcNoNgzTests(vc, vc.NoFem18, vc.NoPos18, vc.PerNgz18, vc.NoFem1825, vc.NoPos1825, vc.PerNgz1825,
                       vc.NoFem25, vc.NoPos25, vc.PerNgz25);
    (first ? vc.NgzTPTotal : vc.NgzTPTotal2) =
        CalcNgzTruePos(vc, vc.PrevNgz18, vc.PerNgz18, vc.NoFem18, vc.NoPos18, vc.SensNgz, vc.PrevNgz1825,
                       vc.PerNgz1825, vc.NoFem1825, vc.NoPos1825, vc.PrevNgz25, vc.PerNgz25, vc.NoFem25,
                       vc.NoPos25);
    float& falsePos = first ? vc.AdFaPoTotal : vc.AdFaPoTotal2;
    falsePos = CalcNgzFalsePos(vc, vc.NoNgzTst18, vc.NgzTP18, vc.SpecWithNgz, vc.NoNgzTst1825, vc.NgzTP1825,
                               vc.NoNgzTst25, vc.NgzTP25);
    // The second row's unit cost carries only the currency's decimals.
    if (!first)
        vc.CostNgz = fields::shownAmount(retest == Retest::PcrOnEia ? vc.CostPNGZ : vc.CostDNGZ);

    float& found = first ? vc.AddFound : vc.AddFound2;
    found = DiffSingle(vc.NoInFoNgzTotal, vc.NoInFoTotal);
    Money& addCost = first ? vc.AddCost : vc.AddCost2;
    addCost = Money::wholeUnits(CalcNgzCost(vc, vc.PerNgz18, vc.NoFem18, vc.NoPos18, vc.PerNgz1825, vc.NoFem1825,
                                            vc.NoPos1825, vc.PerNgz25, vc.NoFem25, vc.CostNgz, found,
                                            vc.PerReturn, vc.PerDox, vc.CostDox, vc.PerAzi, vc.CostAzi));
    Money& total = first ? vc.TotalCost : vc.TotalCost2;
    if (first) {
        total = AddCurrency2(vc.AddCost, vc.CostTxScr).wholeUnits();
    } else {
        // The second row's own cost to screen, kept to four decimals.
        vc.CostScr = Money::fromDouble(CalcScreenCost(vc.CostScrTest, TotalScreened(vc)));
        vc.CostTxScr2 = AddCurrency(vc.CostScr, vc.CostTx);
        total = AddCurrency2(vc.AddCost2, vc.CostTxScr2).wholeUnits();
    }

    float count = 0;
    if (retest == Retest::PcrOnGenProbe) {
        vc.PidFoundTotal = CalcPidFoundNgz(vc);
        vc.PidAvertedTotal = CalcPidAverted(vc);
        vc.NoPidNgzTotal = CalcPidWithNgz(vc);
        count = vc.NoPidNgzTotal;
    } else {
        count = (first ? vc.PidFoundTotal : vc.PidFoundTotal2) = CalcPidFound(vc);
    }
    Money& pidCost = first ? vc.CostPidNgz : vc.CostPidNgz2;
    pidCost = Money::wholeUnits(CalcPidCostOf(vc, count));
    if (retest == Retest::DfaOnEia)
        vc.PidCountDfaEia = count;
    else if (retest == Retest::PcrOnEia)
        vc.PidCountPcrEia = count;

    r.addInfected = addInf;
    r.stillMissed = missed;
    r.addFalsePositives = falsePos;
    r.addCost = addCost;
    r.totalCost = total;
    r.pidCount = count;
    r.pidCost = pidCost;
    return r;
}

// The selected tests back in the working values, as their option buttons set them.
void RestoreSelectedTests(VarCon& vc, Selection& sel)
{
    if (const auto test = sel.scrTest())
        sel.OptScrTest_Click(vc, static_cast<int16_t>(*test));
    if (const auto retest = sel.ngzTest())
        sel.optNgzTest_Click(vc, static_cast<int16_t>(*retest));
}

void ComputeOutcome(VarCon& vc, CurrentStrategyFigures& f)
{
    for (int g = 0; g < AgeGroupCount; ++g)
        f.screened[g] = vc.*Age::NoFem[g];
    f.screenedTotal = TotalScreened(vc);
    for (int g = 0; g < AgeGroupCount; ++g)
        f.positives[g] = vc.*Age::NoPos[g] = CalcNoPos(vc.*Age::NoFem[g], vc.*Age::PerFem[g]);
    f.positivesTotal = TotalPositives(vc);
    f.perDox = vc.PerDox;
    f.perAzi = vc.PerAzi;

    f.scrTest = vc.ScrTest;
    f.infected = vc.NoInfTotal = CalcNoInfected(vc);
    f.found = vc.NoInFoTotal = CalcNoInfFound(vc);
    f.missed = vc.NoInMiTotal = CalcNoInfMissed(vc);
    f.falsePositives = vc.NoFaPoTotal = CalcNoFalsePos(vc);
}

void ComputeCosts(VarCon& vc, const Selection& sel, bool confirmPositives, CurrentStrategyFigures& f)
{
    f.costPerTest = vc.CostScrTest;
    f.costScr = vc.CostScr = Money::wholeUnits(CalcScreenCost(vc.CostScrTest, TotalScreened(vc)));
    f.costTx = vc.CostTx = Money::wholeUnits(
        CalcTreatCost(TotalPositives(vc), vc.PerReturn, vc.PerDox, vc.CostDox, vc.PerAzi, vc.CostAzi));
    f.costTxScr = vc.CostTxScr = AddCurrency(vc.CostScr, vc.CostTx).wholeUnits();

    // PCR and LCR tests have no confirmation test, so a "Yes" kept from an
    // earlier pass with GenProbe or EIA charges nothing here.
    const bool hasConfirmationTest = sel.OptScrTest(0) || sel.OptScrTest(1);
    if (confirmPositives && hasConfirmationTest) {
        const Money unit = sel.OptScrTest(0) ? vc.CostPCA : vc.CostDFA;
        const double amount = unit.toDouble() * double(TotalPositives(vc));
        vc.CostConfirmTotal = static_cast<float>(Rounding::WholeCount(amount));
        vc.CostScrConfTx = vc.CostTxScr + Money::fromDouble(vc.CostConfirmTotal);
        f.confirmation = ConfirmationFigures{vc.CostConfirmTotal, vc.CostScrConfTx};
    }
}

void ComputePid(VarCon& vc, CurrentStrategyFigures& f)
{
    CalcNPV(vc);
    f.pid = vc.NoPidTotal = CalcNoPid(vc);
    f.pidCost = vc.CostPidTotal = Money::wholeUnits(CalcPidCost(vc));
    f.pidNoScreening = vc.NoPidNoScrTotal = CalcPidNoScreen(vc);
    f.pidCostNoScreening = vc.CostPidNoScr = CalcPidCostNoScreen(vc).wholeUnits();
}

} // namespace

NgzRowFigures GP_PCR_Module(VarCon& vc, const Selection& sel)
{
    if (sel.optNgzTest(0))
        SetUpRetest(vc, Retest::PcrOnGenProbe);
    return NgzRow(vc, sel, Row::First, Retest::PcrOnGenProbe);
}

std::array<NgzRowFigures, 2> EIA_DFA_Module(VarCon& vc, const Selection& sel)
{
    if (sel.optNgzTest(0))
        SetUpRetest(vc, Retest::DfaOnEia);
    NgzRowFigures first = NgzRow(vc, sel, Row::First, Retest::DfaOnEia);
    SetUpSecondEiaRow(vc, Retest::PcrOnEia);
    return {first, NgzRow(vc, sel, Row::Second, Retest::PcrOnEia)};
}

std::array<NgzRowFigures, 2> EIA_PCR_Module(VarCon& vc, const Selection& sel)
{
    NgzRowFigures first = NgzRow(vc, sel, Row::First, Retest::PcrOnEia);
    SetUpSecondEiaRow(vc, Retest::DfaOnEia);
    return {first, NgzRow(vc, sel, Row::Second, Retest::DfaOnEia)};
}

CurrentStrategyFigures ComputeCurrentStrategy(VarCon& vc, Selection& sel, bool confirmPositives)
{
    RestoreSelectedTests(vc, sel);
    CurrentStrategyFigures f;
    ComputeOutcome(vc, f);
    ComputeCosts(vc, sel, confirmPositives, f);
    ComputePid(vc, f);

    const bool noRetest = sel.optNgzTest(0);
    if (sel.OptScrTest(0) && (noRetest || sel.optNgzTest(1))) {
        f.ngzRows = NgzRows::PcrOnGenProbe;
        f.row1 = GP_PCR_Module(vc, sel);
    } else if (sel.OptScrTest(1) && (noRetest || sel.optNgzTest(2))) {
        f.ngzRows = NgzRows::DfaThenPcrOnEia;
        const auto rows = EIA_DFA_Module(vc, sel);
        f.row1 = rows[0], f.row2 = rows[1];
    } else if (sel.OptScrTest(1) && sel.optNgzTest(3)) {
        f.ngzRows = NgzRows::PcrThenDfaOnEia;
        const auto rows = EIA_PCR_Module(vc, sel);
        f.row1 = rows[0], f.row2 = rows[1];
    }
    return f;
}
