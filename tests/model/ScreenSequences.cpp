#include "ScreenSequences.h"

#include <cmath>

#include "model/Equations.h"
#include "model/Families.h"
#include "model/Rounding.h"

using namespace Equations;

namespace ScreenSequences {

namespace {

Money Cents(int64_t cents) { return Money::fromTicks(cents * 100); }

// A unit cost written in the currency format (two decimals in en_US) and read
// back, as the results screen's second NGZ row does.
Money AsCurrencyText(Money amount) { return Money::fromDouble(std::nearbyint(amount.toDouble() * 100) / 100); }

enum class Row { First, Second };
enum class Retest { PcrOnGenProbe, DfaOnEia, PcrOnEia };

// One NGZ row of the results screen ; the row's
// set-up has been done.
void NgzRow(VarCon& vc, const Selection& sel, Row row, Retest retest)
{
    if (retest == Retest::PcrOnEia)
        CalcPerNgzEIA(vc, vc.Prev18, vc.Prev1825, vc.Prev25, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase,
                      vc.SpecWithNgz);
    else
        CalcPerNgz(vc, sel, vc.Prev18, vc.Prev1825, vc.Prev25, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase,
                   vc.SpecWithNgz);
    CalcPrevNgz(vc, vc.SensNgzBase, vc.SensWithNgz, vc.SpecNgzBase, vc.SpecWithNgz);
    const bool first = row == Row::First;
    float& addInf = first ? vc.AddInfTotal : vc.AddInfTotal2;
    addInf = CalcAddInfNgz(vc);
    (first ? vc.InfMisNgz : vc.InfMisNgz2) = CalcInfFoundNgz(vc, addInf, vc.NoInFoTotal, vc.NoInfTotal);
    (first ? vc.NoNgzTstTotal : vc.NoNgzTstTotal2) =
        CalcNoNgzTests(vc, vc.NoFem18, vc.NoPos18, vc.PerNgz18, vc.NoFem1825, vc.NoPos1825, vc.PerNgz1825,
                       vc.NoFem25, vc.NoPos25, vc.PerNgz25);
    (first ? vc.NgzTPTotal : vc.NgzTPTotal2) =
        CalcNgzTruePos(vc, vc.PrevNgz18, vc.PerNgz18, vc.NoFem18, vc.NoPos18, vc.SensNgz, vc.PrevNgz1825,
                       vc.PerNgz1825, vc.NoFem1825, vc.NoPos1825, vc.PrevNgz25, vc.PerNgz25, vc.NoFem25,
                       vc.NoPos25);
    (first ? vc.AdFaPoTotal : vc.AdFaPoTotal2) =
        CalcNgzFalsePos(vc, vc.NoNgzTst18, vc.NgzTP18, vc.SpecWithNgz, vc.NoNgzTst1825, vc.NgzTP1825,
                        vc.NoNgzTst25, vc.NgzTP25);
    if (!first)
        vc.CostNgz = AsCurrencyText(retest == Retest::PcrOnEia ? vc.CostPNGZ : vc.CostDNGZ);
    float& found = first ? vc.AddFound : vc.AddFound2;
    found = DiffSingle(vc.NoInFoNgzTotal, vc.NoInFoTotal);
    Money& addCost = first ? vc.AddCost : vc.AddCost2;
    addCost = Money::wholeUnits(CalcNgzCost(vc, vc.PerNgz18, vc.NoFem18, vc.NoPos18, vc.PerNgz1825, vc.NoFem1825,
                                            vc.NoPos1825, vc.PerNgz25, vc.NoFem25, vc.CostNgz, found,
                                            vc.PerReturn, vc.PerDox, vc.CostDox, vc.PerAzi, vc.CostAzi));
    if (first) {
        vc.TotalCost = AddCurrency2(vc.AddCost, vc.CostTxScr).wholeUnits();
    } else {
        vc.CostScr = Money::fromDouble(CalcScreenCost(vc.CostScrTest, TotalScreened(vc)));
        vc.CostTxScr2 = AddCurrency(vc.CostScr, vc.CostTx);
        vc.TotalCost2 = AddCurrency2(vc.AddCost2, vc.CostTxScr2).wholeUnits();
    }
    float count = 0;
    if (retest == Retest::PcrOnGenProbe) {
        vc.PidFoundTotal = CalcPidFoundNgz(vc);
        vc.PidAvertedTotal = CalcPidAverted(vc);
        vc.NoPidNgzTotal = CalcPidWithNgz(vc);
        count = vc.NoPidNgzTotal;
    } else {
        count = (first ? vc.PidFoundTotal : vc.PidFoundTotal2) = CalcPidFound(vc);
        (retest == Retest::DfaOnEia ? vc.PidCountDfaEia : vc.PidCountPcrEia) = count;
    }
    (first ? vc.CostPidNgz : vc.CostPidNgz2) = Money::wholeUnits(CalcPidCostOf(vc, count));
}

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

void SetUpSecondEiaRow(VarCon& vc, Retest retest)
{
    vc.SensScr = vc.SensEIA;
    vc.SpecScr = vc.SpecEIA;
    SetUpRetest(vc, retest);
}

} // namespace

VarCon ThreeAgeGroups()
{
    VarCon vc;
    vc.NoFem18 = 500, vc.NoFem1825 = 1200, vc.NoFem25 = 800;
    vc.PerFem18 = 0.1f, vc.PerFem1825 = 0.08f, vc.PerFem25 = 0.04f;
    vc.PerReturn = 0.79f;
    vc.PerDox = 60, vc.PerAzi = 40;
    vc.SensGP = 0.7f, vc.SpecGP = 0.987f;
    vc.SensEIA = 0.72f, vc.SpecEIA = 0.985f;
    vc.SensPCRC = 0.9f, vc.SpecPCRC = 0.996f;
    vc.SensPCRU = 0.85f, vc.SpecPCRU = 0.996f;
    vc.SensLCRC = 0.9f, vc.SpecLCRC = 0.996f;
    vc.SensLCRU = 0.85f, vc.SpecLCRU = 0.996f;
    vc.SensPCRGP = 0.89f, vc.SpecPCRGP = 0.998f;
    vc.SensDFAEIA = 0.871f, vc.SpecDFAEIA = 0.998f;
    vc.SensPCREIA = 0.89f, vc.SpecPCREIA = 0.998f;
    vc.ProbPid = 0.15f, vc.ProbPidFactor = 0.06f;
    vc.CCRateDox = 0.857f, vc.CCRateAzi = 0.965f;
    vc.CostGP = Cents(335), vc.CostEIA = Cents(230), vc.CostPCRC = Cents(966), vc.CostPCRU = Cents(966);
    vc.CostLCRC = Cents(818), vc.CostLCRU = Cents(818);
    vc.TxtCostDFA = Cents(420), vc.TxtCostPCA = Cents(663);
    vc.CostDox = Cents(200), vc.CostAzi = Cents(950);
    vc.CostDNGZ = Cents(420), vc.CostPNGZ = Cents(966);
    vc.CostPID = Cents(116700);
    return vc;
}

Selection ChooseTests(VarCon& vc, ScrTestKind screening, NgzTestKind retest)
{
    Selection sel;
    sel.selectScrTest(vc, screening);
    sel.selectNgzTest(vc, retest);
    // FrmTesting's forward command: the NGZ copy and cut-off.
    if (screening == ScrTestKind::GenProbe) {
        vc.SensNgz = vc.SensPCRGP;
        SetNgzZoneGP(vc);
    } else if (screening == ScrTestKind::EIA && retest == NgzTestKind::DfaOnEia) {
        vc.SensNgz = vc.SensDFAEIA;
        SetNgzZoneDFAEIA(vc);
    } else if (screening == ScrTestKind::EIA && retest == NgzTestKind::PcrOnEia) {
        vc.SensNgz = vc.SensPCREIA;
        SetNgzZonePCREIA(vc);
    }
    // The agree step.
    SetCostConfirm(vc);
    SetCostNgz(vc, sel);
    SetCostScrTest(vc, sel);
    return sel;
}

void ResultsScreen(VarCon& vc, const Selection& sel, bool confirmPositives)
{
    TotalScreened(vc);
    vc.NoPos18 = CalcNoPos(vc.NoFem18, vc.PerFem18);
    vc.NoPos1825 = CalcNoPos(vc.NoFem1825, vc.PerFem1825);
    vc.NoPos25 = CalcNoPos(vc.NoFem25, vc.PerFem25);
    TotalPositives(vc);
    vc.NoInfTotal = CalcNoInfected(vc);
    vc.NoInFoTotal = CalcNoInfFound(vc);
    vc.NoInMiTotal = CalcNoInfMissed(vc);
    vc.NoFaPoTotal = CalcNoFalsePos(vc);
    vc.CostScr = Money::wholeUnits(CalcScreenCost(vc.CostScrTest, TotalScreened(vc)));
    vc.CostTx = Money::wholeUnits(
        CalcTreatCost(TotalPositives(vc), vc.PerReturn, vc.PerDox, vc.CostDox, vc.PerAzi, vc.CostAzi));
    vc.CostTxScr = AddCurrency(vc.CostScr, vc.CostTx).wholeUnits();
    if (confirmPositives) {
        const Money unit = sel.OptScrTest(0) ? vc.CostPCA : vc.CostDFA;
        vc.CostConfirmTotal = static_cast<float>(Rounding::WholeCount(unit.toDouble() * double(TotalPositives(vc))));
        vc.CostScrConfTx = vc.CostTxScr + Money::fromDouble(vc.CostConfirmTotal);
    }
    CalcNPV(vc);
    vc.NoPidTotal = CalcNoPid(vc);
    vc.CostPidTotal = Money::wholeUnits(CalcPidCost(vc));
    vc.NoPidNoScrTotal = CalcPidNoScreen(vc);
    vc.CostPidNoScr = CalcPidCostNoScreen(vc).wholeUnits();

    const bool noRetest = sel.optNgzTest(0);
    if (sel.OptScrTest(0) && (noRetest || sel.optNgzTest(1))) {
        if (noRetest)
            SetUpRetest(vc, Retest::PcrOnGenProbe);
        NgzRow(vc, sel, Row::First, Retest::PcrOnGenProbe);
    } else if (sel.OptScrTest(1) && (noRetest || sel.optNgzTest(2))) {
        if (noRetest)
            SetUpRetest(vc, Retest::DfaOnEia);
        NgzRow(vc, sel, Row::First, Retest::DfaOnEia);
        SetUpSecondEiaRow(vc, Retest::PcrOnEia);
        NgzRow(vc, sel, Row::Second, Retest::PcrOnEia);
    } else if (sel.OptScrTest(1) && sel.optNgzTest(3)) {
        NgzRow(vc, sel, Row::First, Retest::PcrOnEia);
        SetUpSecondEiaRow(vc, Retest::DfaOnEia);
        NgzRow(vc, sel, Row::Second, Retest::DfaOnEia);
    }
}

void SwitchToScreen(VarCon& vc, const Selection& sel)
{
    const auto current = sel.scrTest();
    if (!current)
        return;
    const int c = static_cast<int>(*current);
    vc.ScrTest = PerTest::Name[c];
    vc.SensScr = vc.*PerTest::Sens[c];
    vc.SpecScr = vc.*PerTest::Spec[c];
    vc.NoInfTotalSt = CalcNoInfected(vc);
    vc.NoPosTotal = TotalPositives(vc);
    vc.NoInFoCur = vc.NoInFoTotal;
    vc.CTNPMTot = vc.NoInMiTotal;

    float slot1Missed[AgeGroupCount] = {};
    for (int t = 0, k = 0; t < ScrTestCount; ++t) {
        if (t == c)
            continue;
        vc.SensSt = vc.*PerTest::Sens[t];
        vc.SpecSt = vc.*PerTest::Spec[t];
        vc.StNoPosTotal = StCalcPositives(vc, vc.Prev18, vc.NoFem18, vc.Prev1825, vc.NoFem1825, vc.Prev25,
                                          vc.NoFem25, vc.SensSt, vc.SpecSt);
        vc.*Slot::lblSATNPTot[k] = Rounding::WholeCount(vc.StNoPosTotal);
        vc.StNoInFoTotal = StCalcInfFound(vc);
        vc.*Slot::NoInFoSat[k] = vc.StNoInFoTotal;
        vc.StNoInMiTotal = StCalcInfMissed(vc);
        vc.*Slot::SATPMTot[k] = vc.StNoInMiTotal;
        if (k == 0 && c <= 1) {
            for (int g = 0; g < AgeGroupCount; ++g) {
                slot1Missed[g] = vc.*Age::StNoInMi[g];
                vc.*Age::lblSAT1PM[g] = Rounding::WholeCount(slot1Missed[g]);
            }
        }
        ++k;
    }
    auto restoreSlot1Missed = [&] {
        for (int g = 0; g < AgeGroupCount; ++g)
            vc.*Age::StNoInMi[g] = slot1Missed[g];
    };
    if (c == 0) {
        for (const Retest retest : {Retest::DfaOnEia, Retest::PcrOnEia}) {
            vc.SensNgz = retest == Retest::DfaOnEia ? vc.SensDFAEIA : vc.SensPCREIA;
            vc.SpecNgz = retest == Retest::DfaOnEia ? vc.SpecDFAEIA : vc.SpecPCREIA;
            (retest == Retest::DfaOnEia ? SetNgzZoneDFAEIA : SetNgzZonePCREIA)(vc);
            vc.StAddInfTotal = StCalcAddInfNgz(vc, sel);
            restoreSlot1Missed();
            vc.StNoInMiNgzTotal = StCalcMissedNgz(vc);
        }
    } else if (c == 1) {
        vc.SensNgz = vc.SensPCRGP;
        vc.SpecNgz = vc.SpecPCRGP;
        SetNgzZoneGP(vc);
        // With PCR on EIA chosen the screen works the general rule out itself;
        // evaluated against no selection, StCalcAddInfNgz does the same.
        vc.StAddInfTotal = StCalcAddInfNgz(vc, sel.optNgzTest(3) ? Selection() : sel);
        restoreSlot1Missed();
        vc.StNoInMiNgzTotal = StCalcMissedNgz(vc);
    }
}

void CostScreen(VarCon& vc, const Selection& sel)
{
    StCalcScreenCosts(vc);
    StCalcConfirmCosts(vc, sel);
    StCalcConfirmCosts(vc, sel);
    StCalcDrugCosts(vc, sel);
    StCalcScreenTreatCosts(vc);
    StCalcConfirmTotals(vc);
    StGetMissedPositives(vc, sel);
    StCalcCostPerPositive(vc, sel);
    if (sel.OptScrTest(0) || sel.OptScrTest(1)) {
        NgzCalcAddCosts(vc, sel);
        NgzCalcTotalCosts(vc);
        NgzCalcTotalConfirmCosts(vc);
        NgzCalcMissedPositives(vc, sel);
        NgzCalcCostPerAddPositive(vc);
        NgzCalcCostPerPositive(vc, sel);
    }
}

void ProjectionScreen(VarCon& vc, const Selection& sel)
{
    AnCalcPidPerTest(vc, sel);
    AnCalcPidCostPerTest(vc);
    if (sel.optNgzTest(1) || sel.optNgzTest(2) || sel.optNgzTest(3) || sel.OptScrTest(0) || sel.OptScrTest(1)) {
        AnCalcPidPerNgz(vc, sel);
        AnCalcPidCostPerNgz(vc);
    }
}

} // namespace ScreenSequences
