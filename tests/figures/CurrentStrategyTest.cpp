// The results screen's computation, without a window.
#include "figures/CurrentStrategy.h"

#include "figures/Combinations.h"
#include "model/Families.h"
#include "model/ScreenSequences.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

Money Cents(int64_t cents) { return Money::fromTicks(cents * 100); }

TEST(CurrentStrategy, OneAgeGroupOfTheWorkedExample)
{
    VarCon vc;
    vc.NoFem18 = 1000, vc.PerFem18 = 0.12f;
    vc.SensGP = 0.7f, vc.SpecGP = 0.987f;
    vc.PerReturn = 0.79f, vc.PerDox = 50, vc.PerAzi = 50;
    vc.CostDox = Cents(200), vc.CostAzi = Cents(950);
    Selection sel;
    sel.selectScrTest(vc, ScrTestKind::GenProbe);
    sel.selectNgzTest(vc, NgzTestKind::None);

    const CurrentStrategyFigures f = ComputeCurrentStrategy(vc, sel, false);
    EXPECT_FLOAT_EQ(f.positivesTotal, 120);
    EXPECT_EQ(std::lround(f.infected), 156);
    EXPECT_EQ(std::lround(f.found), 109);
    EXPECT_EQ(std::lround(f.missed), 47);
    EXPECT_EQ(std::lround(f.falsePositives), 11);
    EXPECT_EQ(f.costTx, Cents(54500));
    EXPECT_EQ(f.scrTest, "GenProbe");
}

using results_test::ChosenTests;
using results_test::Combination;
using results_test::kCombinations;
using results_test::Pass;

// The model's own call sequence of this screen leaves the state that the
// comparison screens read; the screen's computation must leave the same, to the bit.
TEST(CurrentStrategy, LeavesTheModelStateOfTheScreensCallSequence)
{
    for (const Combination& c : kCombinations) {
        for (const bool confirm : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (confirm ? ", confirmed" : ""));
            Pass screen = ChosenTests(c.screening, c.retest);
            Pass model = ChosenTests(c.screening, c.retest);
            const CurrentStrategyFigures f = ComputeCurrentStrategy(screen.vc, screen.sel, confirm);
            // Confirmation is charged only where a confirmation test exists.
            ScreenSequences::ResultsScreen(model.vc, model.sel,
                                           confirm && (c.screening == ScrTestKind::GenProbe ||
                                                       c.screening == ScrTestKind::EIA));
            const VarCon& a = screen.vc;
            const VarCon& b = model.vc;
            for (float VarCon::*v :
                 {&VarCon::NoInfTotal, &VarCon::NoInFoTotal, &VarCon::NoInMiTotal, &VarCon::NoFaPoTotal,
                  &VarCon::NoPidTotal, &VarCon::NoPidNoScrTotal, &VarCon::CostConfirmTotal, &VarCon::AddInfTotal,
                  &VarCon::AddInfTotal2, &VarCon::InfMisNgz, &VarCon::InfMisNgz2, &VarCon::AdFaPoTotal,
                  &VarCon::AdFaPoTotal2, &VarCon::AddFound, &VarCon::AddFound2, &VarCon::PidFoundTotal,
                  &VarCon::PidFoundTotal2, &VarCon::NoPidNgzTotal, &VarCon::PidCountDfaEia,
                  &VarCon::PidCountPcrEia, &VarCon::SensScr, &VarCon::SpecScr, &VarCon::SensNgz,
                  &VarCon::SensWithNgz, &VarCon::SpecWithNgz, &VarCon::CureDox, &VarCon::CureAzi})
                EXPECT_EQ(a.*v, b.*v);
            for (Money VarCon::*m : {&VarCon::CostScr, &VarCon::CostTx, &VarCon::CostTxScr, &VarCon::CostScrConfTx,
                                     &VarCon::CostPidTotal, &VarCon::CostPidNoScr, &VarCon::AddCost, &VarCon::AddCost2,
                                     &VarCon::TotalCost, &VarCon::TotalCost2, &VarCon::CostPidNgz,
                                     &VarCon::CostPidNgz2, &VarCon::CostNgz, &VarCon::CostTxScr2})
                EXPECT_EQ(a.*m, b.*m);
            EXPECT_EQ(a.NgzTest, b.NgzTest);

            EXPECT_EQ(f.ngzRows, c.rows);
            EXPECT_EQ(f.row1 ? f.row1->test : "", c.row1);
            EXPECT_EQ(f.row2 ? f.row2->test : "", c.row2);
            EXPECT_EQ(f.confirmation.has_value(), b.CostConfirmTotal != 0);
        }
    }
}

// The comparison screens leave other tests in the working values; a new load
// of the results screen must compute with the user's own tests again.
TEST(CurrentStrategy, ANewLoadStartsFromTheSelectedTestsNotFromLeftovers)
{
    for (const Combination& c : kCombinations) {
        SCOPED_TRACE(c.name);
        Pass p = ChosenTests(c.screening, c.retest);
        const CurrentStrategyFigures first = ComputeCurrentStrategy(p.vc, p.sel, true);
        const VarCon before = p.vc;

        p.vc.ScrTest = "LCR Cervix";
        p.vc.SensScr = 0.5f, p.vc.SpecScr = 0.9f;
        p.vc.NgzTest = "DFA on EIA";
        p.vc.SensNgz = 0.3f, p.vc.SpecNgz = 0.3f;
        p.vc.SensNgzBase = 0.4f, p.vc.SensWithNgz = 0.45f, p.vc.SpecNgzBase = 0.8f, p.vc.SpecWithNgz = 0.79f;
        p.vc.CostNgz = Cents(1), p.vc.CostScrTest = Cents(2);
        const CurrentStrategyFigures again = ComputeCurrentStrategy(p.vc, p.sel, true);

        EXPECT_EQ(again.scrTest, first.scrTest);
        EXPECT_EQ(again.found, first.found);
        EXPECT_EQ(again.falsePositives, first.falsePositives);
        EXPECT_EQ(again.costScr, first.costScr);
        EXPECT_EQ(p.vc.NoInfTotal, before.NoInfTotal);
        if (first.row1) {
            ASSERT_TRUE(again.row1);
            EXPECT_EQ(again.row1->test, first.row1->test);
            EXPECT_EQ(again.row1->addInfected, first.row1->addInfected);
            EXPECT_EQ(again.row1->addCost, first.row1->addCost);
            EXPECT_EQ(again.row1->pidCount, first.row1->pidCount);
        }
    }
}

TEST(CurrentStrategy, ConfirmationIsChargedOnlyWithAConfirmationTest)
{
    struct Case {
        const char* name;
        ScrTestKind test;
        bool yes;
        std::optional<float> charged;  // total confirmation cost
    };
    // 1,900 women: 500 x 10 % + 1,200 x 8 % + 800 x 4 % = 178 positives.
    const Case cases[] = {
        {"GenProbe, PCA", ScrTestKind::GenProbe, true, 1180},   // 6.63 x 178 = 1,180.14
        {"EIA, DFA", ScrTestKind::EIA, true, 748},              // 4.20 x 178 = 747.60
        {"GenProbe, no", ScrTestKind::GenProbe, false, std::nullopt},
        {"PCR Cervix, yes", ScrTestKind::PCRC, true, std::nullopt},
        {"LCR Urine, yes", ScrTestKind::LCRU, true, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pass p = ChosenTests(c.test, NgzTestKind::None);
        p.vc.CostConfirmTotal = 99, p.vc.CostScrConfTx = Cents(9900);  // from an earlier pass
        const CurrentStrategyFigures f = ComputeCurrentStrategy(p.vc, p.sel, c.yes);
        ASSERT_EQ(f.confirmation.has_value(), c.charged.has_value());
        if (c.charged) {
            EXPECT_EQ(f.confirmation->costConfirmTotal, *c.charged);
            EXPECT_EQ(f.confirmation->costScrConfTx, f.costTxScr + Money::fromDouble(*c.charged));
        } else {
            EXPECT_EQ(p.vc.CostConfirmTotal, 99) << "an earlier pass's amount is left as it was";
        }
    }
}

TEST(CurrentStrategy, WholeUnitsRoundHalvesToEvenAndLargeAmountsStayWhole)
{
    struct Case {
        float women;
        int64_t unitCents;
        int64_t expectedUnits;
    };
    const Case cases[] = {
        {1001, 250, 2502},   // 2,502.50
        {1003, 250, 2508},   // 2,507.50
        {30'000'000, 100'000, 30'000'000'000},  // far beyond the 32-bit range
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.women);
        Pass p = ChosenTests(ScrTestKind::PCRC, NgzTestKind::None);
        p.vc.NoFem18 = c.women, p.vc.NoFem1825 = 0, p.vc.NoFem25 = 0;
        p.vc.CostPCRC = Cents(c.unitCents);
        const CurrentStrategyFigures f = ComputeCurrentStrategy(p.vc, p.sel, false);
        EXPECT_EQ(f.costPerTest, Cents(c.unitCents)) << "the cost per test is not rounded";
        EXPECT_EQ(f.costScr, Cents(c.expectedUnits * 100));
    }
}

// The second row works with its unit cost as the currency format shows it; the
// first row of the same retest, when chosen, with the cost as stored.
TEST(CurrentStrategy, SecondRowUsesItsUnitCostAsTheCurrencyShowsIt)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const Money stored = Money::fromTicks(96649);  // 9.6649
    const Money shown = Cents(966);
    // Enough women for a fraction of a cent per test to show in whole units.
    auto withPcrCost = [](NgzTestKind retest, Money cost) {
        Pass p = ChosenTests(ScrTestKind::EIA, retest);
        p.vc.NoFem18 *= 100, p.vc.NoFem1825 *= 100, p.vc.NoFem25 *= 100;
        p.vc.CostPNGZ = cost;
        p.sel = ScreenSequences::ChooseTests(p.vc, ScrTestKind::EIA, retest);
        return std::pair{ComputeCurrentStrategy(p.vc, p.sel, false), p.vc.CostNgz};
    };
    const auto [secondStored, costLeft] = withPcrCost(NgzTestKind::DfaOnEia, stored);
    const auto [secondShown, unused] = withPcrCost(NgzTestKind::DfaOnEia, shown);
    EXPECT_EQ(costLeft, shown);
    EXPECT_EQ(secondStored.row2->test, "PCR on EIA");
    EXPECT_EQ(secondStored.row2->addCost, secondShown.row2->addCost);

    const auto [firstStored, costLeft1] = withPcrCost(NgzTestKind::PcrOnEia, stored);
    const auto [firstShown, unused1] = withPcrCost(NgzTestKind::PcrOnEia, shown);
    EXPECT_EQ(firstStored.row1->test, "PCR on EIA");
    EXPECT_GT(firstStored.row1->addCost, firstShown.row1->addCost);
}

} // namespace
