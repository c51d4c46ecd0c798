// The results screen: what it shows for a programme, and its commands.
#include "results/FrmScrResult.h"

#include "model/Families.h"
#include "model/ScreenSequences.h"
#include "platform/Numbers.h"
#include "results/ResultsFixture.h"

#include <QTest>

#include <algorithm>

namespace {

namespace numbers = platform::numbers;

using ResultScreenTest = results_test::ResultsTest;

TEST_F(ResultScreenTest, ShowsWhatTheIndependentModelWorkedOutForTheAcceptanceProgrammes)
{
    for (testsupport::Programme& p : testsupport::programmes()) {
        SCOPED_TRACE(p.name);
        FrmScrResult& f = resultsOf(p);
        expectShows(f, p);
        f.unload();
    }
}

// Every combination of screening test and retest, with and without
// confirmation: the captions are the model's own sequence in the screen's
// formats, and the NGZ and confirmation parts show exactly where they belong.
TEST_F(ResultScreenTest, ShowsTheRowsAndPartsOfEachCombination)
{
    for (const results_test::Combination& c : results_test::kCombinations) {
        for (const bool confirm : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (confirm ? ", confirmed" : ""));
            VarCon model = ScreenSequences::ThreeAgeGroups();
            const Selection sel = ScreenSequences::ChooseTests(model, c.screening, c.retest);
            const bool charged = confirm && c.screening <= ScrTestKind::EIA;
            const bool ngz = c.rows != NgzRows::None, secondRow = *c.row2 != 0;
            ScreenSequences::ResultsScreen(model, sel, charged);
            FrmScrResult& f = resultsOf(c.screening, c.retest, confirm);

            auto money = [](Money m) { return numbers::formatCurrency(m.toDouble()); };
            const std::pair<platform::Label*, QString> captions[] = {
                {&f.lblNoScrTotal, "2,500"},
                {&f.lblNoPosTotal, numbers::groupedCountText(model.NoPos18 + model.NoPos1825 + model.NoPos25)},
                {&f.lblTxStraDox, "60%"},
                {&f.lblScrTest1, PerTest::Name[int(c.screening)]},
                {&f.lblNoInf, numbers::groupedCountText(model.NoInfTotal)},
                {&f.lblNoInFo, numbers::groupedCountText(model.NoInFoTotal)},
                {&f.lblNoInMi, numbers::groupedCountText(model.NoInMiTotal)},
                {&f.lblNoFaPo, numbers::groupedCountText(model.NoFaPoTotal)},
                {&f.lblCostTxScr, money(model.CostTxScr)},
                {&f.lblcc, charged ? numbers::formatCurrency(model.CostConfirmTotal) : ""},
                {&f.lblsct, charged ? money(model.CostScrConfTx) : ""},
                {&f.lblNoPid, numbers::groupedCountText(model.NoPidTotal)},
                {&f.lblPIDCost2, money(model.CostPidNoScr)},
                {&f.lblNgzTest, c.row1},
                {&f.lblNGZScrTest, c.row1},
                {&f.lblScrTest4, c.row1},
                {&f.lblAddInf, ngz ? numbers::groupedCountText(model.AddInfTotal) : ""},
                {&f.lblAdFaPo, ngz ? numbers::formatPattern(model.AdFaPoTotal, "##0.#") : ""},
                {&f.lblTotalCost, ngz ? money(model.TotalCost) : ""},
                {&f.lblNgzTest2, c.row2},
                {&f.lblNgzScrTest2, c.row2},
                {&f.lblNgzscrTest5, c.row2},
                {&f.lblInfMis2, secondRow ? numbers::groupedCountText(model.InfMisNgz2) : ""},
                {&f.lblTotalCost2, secondRow ? money(model.TotalCost2) : ""},
                {&f.lblPidCost5, secondRow ? money(model.CostPidNgz2) : ""},
            };
            for (const auto& [label, caption] : captions)
                EXPECT_EQ(label->caption(), caption) << label->name().toStdString();

            const std::pair<std::vector<platform::Control*>, bool> parts[] = {
                {{&f.Label22, &f.Label28, &f.lblcc, &f.lblsct}, charged},
                {{&f.fraNGZtest, &f.Shape10, &f.Shape12, &f.Shape13, &f.labelFNgz, &f.labelAdd, &f.labelTotal,
                  &f.labelPPNGZ, &f.labelPPNGZtest, &f.labelPPNoWom, &f.labelPPCOP},
                 ngz},
                {{&f.labelNgz, &f.labelNow, &f.labelCop, &f.lblNgzScrTest2, &f.lblAddCost2, &f.lblTotalCost2},
                 secondRow},
            };
            for (const auto& [controls, shown] : parts)
                for (platform::Control* control : controls)
                    EXPECT_EQ(control->visible(), shown) << control->name().toStdString();
            f.unload();
        }
    }
}

// A load of the screen fits each caption once, after the screen has been
// scaled and filled, not while its labels are made and filled one by one.
TEST_F(ResultScreenTest, OneLoadFitsEachCaptionAtMostOnce)
{
    for (testsupport::Programme& p : testsupport::programmes()) {
        SCOPED_TRACE(p.name);
        FrmScrResult& f = resultsOf(p);
        const auto labels = std::count_if(f.controls().begin(), f.controls().end(), [](platform::Control* c) {
            return c->kind() == platform::ControlKind::Label;
        });
        EXPECT_GT(f.fitsSinceLoad(), 0);
        EXPECT_LE(f.fitsSinceLoad(), labels);
        f.unload();
    }
}

TEST_F(ResultScreenTest, CountsShowAllTheirDigits)
{
    struct Case {
        float noFem18, noFem1825, noFem25;
        const char *screened18, *screened1825, *screenedTotal;
    };
    // Beyond the 16-bit range, and beyond the seven digits a float's own
    // format keeps (12,345,678 must not show as 12,345,680).
    const Case cases[] = {
        {40000, 60000, 0, "40,000", "60,000", "100,000"},
        {12345678, 9999999, 7654321, "12,345,678", "9,999,999", "29,999,998"},
        {10000000, 10000000, 10000000, "10,000,000", "10,000,000", "30,000,000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screened18);
        VarCon vc = ScreenSequences::ThreeAgeGroups();
        vc.NoFem18 = c.noFem18, vc.NoFem1825 = c.noFem1825, vc.NoFem25 = c.noFem25;
        vc.PerFem18 = 0.9f, vc.PerFem1825 = 0.5f;
        const Selection sel = ScreenSequences::ChooseTests(vc, ScrTestKind::PCRC, NgzTestKind::None);
        FrmScrResult& f = resultsOf(vc, sel, false);
        EXPECT_EQ(f.lblNoScr18.caption().toStdString(), c.screened18);
        EXPECT_EQ(f.lblNoScr1825.caption().toStdString(), c.screened1825);
        EXPECT_EQ(f.lblNoScrTotal.caption().toStdString(), c.screenedTotal);
        EXPECT_EQ(f.lblNoInf.caption(), numbers::groupedCountText(program().vc.NoInfTotal));
        EXPECT_GT(program().vc.NoInfTotal, 32767.0f);
        f.unload();
    }
}

} // namespace
