// The switch-to cost table, and The worked example's NGZ option totals.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "model/Equations.h"
#include "model/Families.h"

namespace {

using namespace Equations;

TEST(Costs, SlotTableMapsEveryTestToItsDisplaySlot)
{
    // Rows: current test; columns: the tests in display slots 1..5.
    using K = ScrTestKind;
    const K table[6][5] = {
        {K::EIA, K::PCRC, K::PCRU, K::LCRC, K::LCRU},      {K::GenProbe, K::PCRC, K::PCRU, K::LCRC, K::LCRU},
        {K::GenProbe, K::EIA, K::PCRU, K::LCRC, K::LCRU},  {K::GenProbe, K::EIA, K::PCRC, K::LCRC, K::LCRU},
        {K::GenProbe, K::EIA, K::PCRC, K::PCRU, K::LCRU},  {K::GenProbe, K::EIA, K::PCRC, K::PCRU, K::LCRC},
    };
    for (int current = 0; current < 6; ++current) {
        EXPECT_EQ(Slot::Of(K(current), K(current)), 0);
        for (int slot = 1; slot <= 5; ++slot)
            EXPECT_EQ(Slot::Of(table[current][slot - 1], K(current)), slot) << current << " " << slot;
    }
}

// A model state as the comparison screen leaves it: slot k shows 10k positives
// and misses 1.5k infections; the current test has 12.6 positives.
VarCon AfterComparison()
{
    VarCon vc;
    vc.NoFem18 = 60, vc.NoFem1825 = 30, vc.NoFem25 = 10;
    vc.NoPos18 = 6.3f, vc.NoPos1825 = 6.3f, vc.NoPos25 = 0;
    vc.PerReturn = 0.5f;
    vc.PerDox = 40, vc.PerAzi = 60;
    vc.CostDox = Money::fromTicks(2'0000), vc.CostAzi = Money::fromTicks(10'0000);
    vc.CostPCA = Money::fromTicks(6'6300), vc.CostDFA = Money::fromTicks(4'2000);
    for (int t = 0; t < ScrTestCount; ++t)
        vc.*PerTest::Cost[t] = Money::fromTicks((t + 1) * 1'0000);
    for (int k = 0; k < 5; ++k) {
        vc.*Slot::lblSATNPTot[k] = (k + 1) * 10;
        vc.*Slot::SATPMTot[k] = 1.5f * (k + 1);
    }
    vc.CTNPMTot = 0.25f;
    vc.NoInfTotalSt = 20;
    return vc;
}

TEST(Costs, ScreenCostsPerTest)
{
    VarCon vc = AfterComparison();
    StCalcScreenCosts(vc);
    for (int t = 0; t < ScrTestCount; ++t)
        EXPECT_EQ(vc.*PerTest::Isc[t], Money::fromTicks((t + 1) * 100'0000)) << t;
    EXPECT_EQ(vc.CostPerTestSt, vc.CostLCRU);
}

TEST(Costs, ConfirmationCostsReadTheRightSlot)
{
    struct Case {
        ScrTestKind current;
        double positivesGP, positivesEIA;
    } cases[] = {
        {ScrTestKind::GenProbe, 12.6f, 10},  // EIA in slot 1
        {ScrTestKind::EIA, 10, 12.6f},       // GenProbe in slot 1
        {ScrTestKind::PCRU, 10, 20},         // GenProbe slot 1, EIA slot 2
    };
    for (const Case& c : cases) {
        VarCon vc = AfterComparison();
        Selection sel;
        sel.selectScrTest(vc, c.current);
        StCalcConfirmCosts(vc, sel);
        EXPECT_EQ(vc.CtsGP, Money::fromDouble(6.63 * c.positivesGP));
        EXPECT_EQ(vc.CtsEIA, Money::fromDouble(4.2 * c.positivesEIA));
        const Money gp = vc.CtsGP, eia = vc.CtsEIA;
        StCalcConfirmCosts(vc, sel);  // the cost screen calls it twice
        EXPECT_EQ(vc.CtsGP, gp);
        EXPECT_EQ(vc.CtsEIA, eia);
        EXPECT_EQ(vc.CtsPCRC, Money());
        EXPECT_EQ(vc.CtsLCRU, Money());
    }
}

TEST(Costs, DrugCostsUseFractionalCurrentAndWholeCaptions)
{
    VarCon vc = AfterComparison();
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::PCRC);
    StCalcDrugCosts(vc, sel);
    const double DT = 10.0 * 0.6 + 2.0 * 0.4;  // 6.8 per treated woman
    // Current test: 12.6 positives, the treated as a float product.
    EXPECT_EQ(vc.DtcPCRC, Money::fromDouble(double(12.6f * 0.5f) * DT));
    // GenProbe slot 1 (10), EIA slot 2 (20), PCR Urine slot 3 (30) ...
    EXPECT_EQ(vc.DtcGP, Money::fromDouble(10 * 0.5 * DT));
    EXPECT_EQ(vc.DtcEIA, Money::fromDouble(20 * 0.5 * DT));
    EXPECT_EQ(vc.DtcPCRU, Money::fromDouble(30 * 0.5 * DT));
    EXPECT_EQ(vc.DtcLCRC, Money::fromDouble(40 * 0.5 * DT));
    EXPECT_EQ(vc.DtcLCRU, Money::fromDouble(50 * 0.5 * DT));
}

// The cost screen's columns up to the confirmation totals, in its order.
void CostColumns(VarCon& vc, const Selection& sel)
{
    StCalcScreenCosts(vc);
    StCalcConfirmCosts(vc, sel);
    StCalcDrugCosts(vc, sel);
    StCalcScreenTreatCosts(vc);
    StCalcConfirmTotals(vc);
}

TEST(Costs, TotalsAddExactly)
{
    VarCon vc = AfterComparison();
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::GenProbe);
    CostColumns(vc, sel);
    for (int t = 0; t < ScrTestCount; ++t) {
        EXPECT_EQ(vc.*PerTest::Tst[t], vc.*PerTest::Isc[t] + vc.*PerTest::Dtc[t]);
        EXPECT_EQ(vc.*PerTest::Ccst[t], vc.*PerTest::Isc[t] + vc.*PerTest::Cts[t] + vc.*PerTest::Dtc[t]);
    }
    for (int t = 2; t < ScrTestCount; ++t)
        EXPECT_EQ(vc.*PerTest::Ccst[t], vc.*PerTest::Tst[t]);
}

TEST(Costs, MissedPositivesFollowTheSlots)
{
    VarCon vc = AfterComparison();
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::PCRU);
    StGetMissedPositives(vc, sel);
    EXPECT_EQ(vc.MpPCRU, 0.25f);
    EXPECT_EQ(vc.MpGP, vc.SAT1PMTot);
    EXPECT_EQ(vc.MpEIA, vc.SAT2PMTot);
    EXPECT_EQ(vc.MpPCRC, vc.SAT3PMTot);
    EXPECT_EQ(vc.MpLCRC, vc.SAT4PMTot);
    EXPECT_EQ(vc.MpLCRU, vc.SAT5PMTot);

    sel.selectScrTest(vc, ScrTestKind::EIA);
    StGetMissedPositives(vc, sel);
    EXPECT_EQ(vc.MpGP, vc.SAT1PMTot);
    EXPECT_EQ(vc.MpEIA, 0.25f);
}

TEST(Costs, CostPerPositiveAndItsMissingValue)
{
    VarCon vc = AfterComparison();
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::GenProbe);
    CostColumns(vc, sel);
    StGetMissedPositives(vc, sel);
    vc.NoInfTotalSt = 7.5f;  // LCR Urine (slot 5) misses 7.5: nothing identified
    vc.MpPCRU = 0;
    StCalcCostPerPositive(vc, sel);
    EXPECT_EQ(vc.PiGP, Money::fromDouble(vc.TstGP.toDouble() / (7.5 - 0.25)));
    EXPECT_EQ(vc.PiEIA, Money::fromDouble(vc.TstEIA.toDouble() / (7.5 - 1.5)));
    EXPECT_FALSE(vc.PiLCRU.has_value());
    // Confirmation read from the hidden check box: unchecked, the base is Tst.
    sel.chkConfirPos = 1;
    StCalcCostPerPositive(vc, sel);
    EXPECT_EQ(vc.PiGP, Money::fromDouble(vc.CcstGP.toDouble() / (7.5 - 0.25)));

    EXPECT_FALSE(CostPerPositive(Money::fromTicks(1), 0.0).has_value());
    EXPECT_FALSE(CostPerPositive(Money::fromTicks(1), -3.0).has_value());
    EXPECT_FALSE(CostPerPositive(Money::fromTicks(1'0000), 1e-300).has_value());
    // Float crumbs where nobody is infected: the divisor shows as 0 women.
    EXPECT_FALSE(CostPerPositive(Money::fromTicks(46'640'0000), 0.0002).has_value());
    EXPECT_FALSE(CostPerPositive(Money::fromTicks(1'0000), 0.5).has_value());
    EXPECT_EQ(CostPerPositive(Money::fromTicks(1'0000), 0.5000001), Money::fromDouble(1 / 0.5000001));
    EXPECT_EQ(CostPerPositive(Money::fromTicks(10'0000), 4.0), Money::fromTicks(2'5000));
}

// A cost per positive is left without a figure only when Money cannot hold it:
// quotients up to the end of the Money range (about 9.22e14) keep their value.
TEST(Costs, CostPerPositiveKeepsEveryFigureMoneyCanHold)
{
    struct Case {
        int64_t costTicks;
        double divisor;
        std::optional<int64_t> ticks;
    } cases[] = {
        {4'600'000'000'000'000'000, 0.5, std::nullopt},                // half a woman shows as 0
        {6'900'000'000'000'000'000, 0.75, 9'200'000'000'000'000'000}, // 9.2e14 units
        {9'220'000'000'000'000'000, 1.0, 9'220'000'000'000'000'000},   // 9.22e14 units
        {9'000'000'000'000'000'000, 0.6, std::nullopt},                // 1.5e15 units: beyond the range
        {1'0000, 1e-300, std::nullopt},
    };
    for (const Case& c : cases) {
        const OptionalMoney pi = CostPerPositive(Money::fromTicks(c.costTicks), c.divisor);
        ASSERT_EQ(pi.has_value(), c.ticks.has_value()) << c.costTicks << " / " << c.divisor;
        if (c.ticks) {
            EXPECT_EQ(pi->ticks(), *c.ticks) << c.costTicks << " / " << c.divisor;
        }
    }
}

TEST(Costs, NgzOptionTotals)
{
    VarCon vc;
    vc.IscGP = Money::fromTicks(100'0000), vc.DtcGP = Money::fromTicks(20'0000), vc.CtsGP = Money::fromTicks(5'0000);
    vc.IscEIA = Money::fromTicks(90'0000), vc.DtcEIA = Money::fromTicks(18'0000), vc.CtsEIA = Money::fromTicks(4'0000);
    vc.AdNgz1 = Money::fromTicks(1'0000), vc.AdNgz2 = Money::fromTicks(2'0000), vc.AdNgz3 = Money::fromTicks(3'0000);
    NgzCalcTotalCosts(vc);
    NgzCalcTotalConfirmCosts(vc);
    EXPECT_EQ(vc.CstNgz1, Money::fromTicks(121'0000));
    EXPECT_EQ(vc.CstNgz2, Money::fromTicks(110'0000));
    EXPECT_EQ(vc.CstNgz3, Money::fromTicks(111'0000));
    EXPECT_EQ(vc.CsctNgz1, Money::fromTicks(126'0000));
    EXPECT_EQ(vc.CsctNgz2, Money::fromTicks(114'0000));
    EXPECT_EQ(vc.CsctNgz3, Money::fromTicks(115'0000));

    // A retest that finds nothing more has no cost per additional positive.
    vc.MpGP = 5, vc.MpNgz1 = 5, vc.MpEIA = 6, vc.MpNgz2 = 4, vc.MpNgz3 = 7;
    NgzCalcCostPerAddPositive(vc);
    EXPECT_FALSE(vc.CatpiNgz1.has_value());
    EXPECT_EQ(vc.CatpiNgz2, Money::fromTicks(1'0000));
    EXPECT_FALSE(vc.CatpiNgz3.has_value());
    vc.NoInfTotalSt = 14;
    Selection sel;
    NgzCalcCostPerPositive(vc, sel);
    EXPECT_EQ(vc.TctpiNgz1, Money::fromDouble(121.0 / 9));
    EXPECT_EQ(vc.TctpiNgz2, Money::fromDouble(110.0 / 10));
    EXPECT_EQ(vc.TctpiNgz3, Money::fromDouble(111.0 / 7));
}

} // namespace
