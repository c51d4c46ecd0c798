// The switch-to costs screen: which parts it shows for which test, what a
// cost per positive shows without a divisor, and the way back to the console.
#include "WhatIfScreens.h"
#include "whatif/FrmSwitchToAnaly.h"
#include "whatif/FrmSwitchToCost.h"
#include "shell/FrmConsole.h"
#include "switchto/FrmSwitchTo.h"
#include "testchars/FrmSenSpec.h"

#include <QTest>

#include <map>

namespace {

using namespace whatif_test;

const QStringList NgzCells{"lblNGZT", "lblAdNGZ", "lblCSTNGZ", "lblCSCTNGZ", "lblMP", "lblCATPI", "lblTCTPI"};

class CostScreen : public WhatIfTest {};

TEST_F(CostScreen, TheNgzTableIsShownAndFilledOnlyForGenProbeAndEia)
{
    struct Case {
        ScrTestKind test;
        NgzTestKind retest;
        bool ngz;
    };
    const Case cases[] = {
        {ScrTestKind::GenProbe, NgzTestKind::None, true},   {ScrTestKind::GenProbe, NgzTestKind::PcrOnGenProbe, true},
        {ScrTestKind::EIA, NgzTestKind::None, true},        {ScrTestKind::EIA, NgzTestKind::PcrOnEia, true},
        {ScrTestKind::PCRC, NgzTestKind::None, false},      {ScrTestKind::PCRU, NgzTestKind::None, false},
        {ScrTestKind::LCRC, NgzTestKind::None, false},      {ScrTestKind::LCRU, NgzTestKind::None, false},
    };
    for (const Case& c : cases) {
        testsupport::Programme programme = Default(c.test, c.retest);
        SCOPED_TRACE(programme.name + " retest " + std::to_string(int(c.retest)));
        const Money untouched = Money::fromTicks(12345);
        programme.vc.AdNgz1 = untouched;
        Program& p = switched(programme);
        FrmSwitchToCost& f = p.FrmSwitchToCost();

        for (int row = 1; row <= 6; ++row)
            EXPECT_EQ(CaptionOf(f, QString("lblST%1").arg(row)).toStdString(), PerTest::Name[row - 1])
                << "the tests keep their order whatever the current one";
        EXPECT_EQ(f.labeltitle1.visible(), c.ngz);
        EXPECT_EQ(p.vc.AdNgz1 != untouched, c.ngz) << "the NGZ options are costed only when shown";
        for (const QString& stem : NgzCells)
            for (int row = 1; row <= 3; ++row) {
                SCOPED_TRACE((stem + QString::number(row)).toStdString());
                EXPECT_EQ(Find(f, stem + QString::number(row))->visible(), c.ngz);
                EXPECT_EQ(CaptionOf(f, stem + QString::number(row)).isEmpty(), !c.ngz);
            }
        for (const char* rule : {"Shape11", "Shape17", "labeltitle8"})
            EXPECT_EQ(Find(f, rule)->visible(), c.ngz) << rule;
        EXPECT_TRUE(f.Shape1.visible() && f.Label9.visible() && f.lblST6PI.visible());
        FrmSwitchToAnaly& a = p.FrmSwitchToAnaly();
        for (platform::CommandButton* hidden :
             {&f.cmdCSSR, &f.cmdReturn, &f.cmdGraph, &a.cmdCSSR, &a.cmdTest, &a.cmdGraphNoWom, &a.cmdMain})
            EXPECT_FALSE(hidden->visible()) << hidden->name().toStdString();
    }
}

// An NGZ option's missed positives start from its own screening test's
// missed infections (GenProbe for GP/PCR, EIA for the other two), whichever
// of the two is in use.
TEST_F(CostScreen, AnNgzOptionsMissedPositivesAreThoseOfItsOwnTest)
{
    struct Case {
        ScrTestKind test;
        NgzTestKind retest;
        float sensEIA;
        std::map<QString, QString> cells;
    };
    const Case cases[] = {
        {ScrTestKind::EIA, NgzTestKind::None, 0.7f,
         {{"lblMP2", "111"}, {"lblMP3", "109"}, {"lblCATPI2", "$12.00"}, {"lblCATPI3", "$19.00"}}},
        {ScrTestKind::GenProbe, NgzTestKind::PcrOnGenProbe, 0.95f, {{"lblMP1", "0"}, {"lblCATPI1", "$86.00"}}},
    };
    for (const Case& c : cases) {
        const testsupport::Programme programme = Default(c.test, c.retest, [&](VarCon& vc) {
            vc.NoFem18 = 1200, vc.NoFem1825 = 3400, vc.NoFem25 = 5100;
            vc.PerFem18 = 0.09f, vc.PerFem1825 = 0.06f, vc.PerFem25 = 0.025f;
            vc.PerReturn = 0.79f, vc.PerDox = 50, vc.PerAzi = 50;
            vc.CostDox = Money::fromDouble(2), vc.CostAzi = Money::fromDouble(9.5);
            vc.CostPID = Money::fromDouble(1167);
            vc.SensGP = 0.99f, vc.SensEIA = c.sensEIA;
        });
        SCOPED_TRACE(programme.name);
        // The characteristics were seen in this pass, so the review keeps the sensitivities.
        program().pass().recordLoad(program().FrmSenSpec());
        FrmSwitchToCost& f = switched(programme).FrmSwitchToCost();
        for (const auto& [cell, caption] : c.cells)
            EXPECT_EQ(CaptionOf(f, cell), caption) << cell.toStdString();
    }
}

TEST_F(CostScreen, EachTablesRulingLinesLieOverItsCells)
{
    Program& p = switched(Acceptance("gp_pcr_confirm"));
    FrmSwitchToCost& f = p.FrmSwitchToCost();
    ASSERT_TRUE(f.Shape11.visible());
    for (platform::Shape* rule : {&f.Shape1, &f.Shape11}) {
        SCOPED_TRACE(rule->name().toStdString());
        QWidget* line = rule->widget();
        int covered = 0;
        for (platform::Control* c : f.controls()) {
            if (c->kind() != platform::ControlKind::Label || !c->visible())
                continue;
            const QRect overlap = c->widget()->geometry() & line->geometry();
            if (overlap.isEmpty())
                continue;
            ++covered;
            // Siblings stack in the order of their parent's children, the last on top.
            const QObjectList stack = line->parentWidget()->children();
            EXPECT_GT(stack.indexOf(line), stack.indexOf(c->widget())) << "under " << c->name().toStdString();
        }
        EXPECT_GT(covered, 0) << "the rule crosses some cell";
    }
}

TEST_F(CostScreen, TheF2ItemOfEachResultScreenHasItsOwnName)
{
    struct Case {
        const char* form;
        const char* item;
        const char* caption;
        bool enabled;
    };
    const Case cases[] = {
        {"FrmScrResult", "mnuSwToCost", "Switch to Cost", true},
        {"FrmSwitchTo", "mnuSwToCost", "Switch To Test Cost", true},
        {"FrmSwitchToCost", "mnuSwToTestCost", "Switch to Test Cost", false},
        {"FrmSwitchToAnaly", "mnuSwToCost", "Switch to Test Cost", true},
    };
    Program& p = switched(Acceptance("gp_pcr_confirm"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        platform::Form* form = p.runtime().findForm(c.form);
        ASSERT_NE(form, nullptr);
        std::vector<platform::MenuItem*> f2;
        for (platform::MenuItem* m : form->menuItems())
            if (m->shortcut() == QKeySequence(Qt::Key_F2))
                f2.push_back(m);
        ASSERT_EQ(f2.size(), 1u);
        EXPECT_EQ(f2.front()->name(), c.item);
        EXPECT_EQ(f2.front()->caption(), c.caption);
        EXPECT_EQ(f2.front()->enabled(), c.enabled);
    }
}

// A cost per positive has no meaning when its divisor is zero or negative:
// nothing identified, or a retest that finds nothing more.
TEST_F(CostScreen, ACostPerPositiveWithoutADivisorShowsNotApplicable)
{
    struct Case {
        const char* name;
        std::function<void(VarCon&)> change;
        QStringList notApplicable;
        QStringList figures;
        ScrTestKind test = ScrTestKind::GenProbe;
    };
    auto nobodyInfected = [](VarCon& vc) {
        // Every group's positivity is what the test's false positives alone give.
        vc.PerFem18 = vc.PerFem1825 = vc.PerFem25 = 1 - vc.SpecGP;
    };
    const Case cases[] = {
        {"no infection anywhere", nobodyInfected,
         {"lblST1PI", "lblST2PI", "lblST3PI", "lblST4PI", "lblST5PI", "lblST6PI", "lblTCTPI1", "lblTCTPI2",
          "lblTCTPI3"},
         {"lblST1TST", "lblAdNGZ1"}},
        {"a DFA retest that finds nothing", [](VarCon& vc) { vc.SensDFAEIA = 0; },
         {"lblCATPI2"},
         {"lblCATPI1", "lblCATPI3", "lblTCTPI2", "lblST1PI"}},
        // 1.5 % typed against EIA's specificity 0.985: float rounding leaves a
        // fraction of a woman infected, which shows as 0.
        {"EIA at a positivity of 1 minus its specificity",
         [](VarCon& vc) { vc.PerFem18 = vc.PerFem1825 = vc.PerFem25 = 0.015f; },
         {"lblST1PI", "lblST2PI", "lblST3PI", "lblST4PI", "lblST5PI", "lblST6PI"},
         {"lblST1TST", "lblST2TST"},
         ScrTestKind::EIA},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program& p = switched(Default(c.test, NgzTestKind::None, c.change));
        FrmSwitchToCost& f = p.FrmSwitchToCost();
        for (const QString& cell : c.notApplicable)
            EXPECT_EQ(CaptionOf(f, cell).toStdString(), "n/a") << cell.toStdString();
        for (const QString& cell : c.figures)
            EXPECT_TRUE(CaptionOf(f, cell).startsWith("$")) << cell.toStdString() << " " << CaptionOf(f, cell).toStdString();
    }
}

TEST_F(CostScreen, ReturnToMainUnloadsTheScreensAndClearsTheQuestionnaireFlags)
{
    struct Case {
        const char* name;
        bool onCost;
        bool menu;  // the menu command, or its hidden button's handler alone
    };
    const Case cases[] = {
        {"cost screen, Ctrl+R", true, true},
        {"cost screen, hidden button", true, false},
        {"projection screen, Ctrl+R", false, true},
        {"projection screen, hidden button", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program& p = switched(Acceptance("gp_pcr_confirm"));
        platform::Form& screen = c.onCost ? static_cast<platform::Form&>(p.FrmSwitchToCost()) : p.FrmSwitchToAnaly();
        goToResultScreen(p, p.FrmSwitchTo(), c.onCost ? ResultScreen::SwitchToCost : ResultScreen::SwitchToAnalysis);
        activate(screen);
        p.vc.QuestPopFromSenSpec = p.vc.SpecEntered = -1;
        if (c.menu)
            QTest::keyClick(screen.window(), Qt::Key_R, Qt::ControlModifier);
        else if (c.onCost)
            p.FrmSwitchToCost().cmdReturn_Click();
        else
            p.FrmSwitchToAnaly().cmdMain_Click();
        EXPECT_TRUE(p.FrmConsole().isShown());
        for (const char* name : {"FrmSwitchToCost", "FrmSwitchToAnaly", "FrmSwitchTo", "FrmScrResult"}) {
            const platform::Form* f = p.runtime().findForm(name);
            EXPECT_FALSE(f && f->isLoaded()) << name;
        }
        EXPECT_EQ(p.vc.QuestPopFromSenSpec, c.menu ? 0 : -1);
        EXPECT_EQ(p.vc.SpecEntered, c.menu ? 0 : -1);
    }
}

} // namespace
