// The switch-to costs screen: which parts it shows for which test, what a
// cost per positive shows without a divisor, and its commands.
#include "WhatIfScreens.h"
#include "whatif/FrmSwitchToAnaly.h"
#include "whatif/FrmSwitchToCost.h"
#include "shell/FrmConsole.h"
#include "switchto/FrmSwitchTo.h"
#include "whatif/FrmGraph.h"

#include <QApplication>
#include <QTest>

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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program& p = switched(Default(ScrTestKind::GenProbe, NgzTestKind::None, c.change));
        FrmSwitchToCost& f = p.FrmSwitchToCost();
        for (const QString& cell : c.notApplicable)
            EXPECT_EQ(CaptionOf(f, cell).toStdString(), "n/a") << cell.toStdString();
        for (const QString& cell : c.figures)
            EXPECT_TRUE(CaptionOf(f, cell).startsWith("$")) << cell.toStdString() << " " << CaptionOf(f, cell).toStdString();
    }
}

} // namespace

namespace {

using namespace whatif_test;

class WhatIfNavigation : public WhatIfTest {
protected:
    // Both screens loaded as the switch step leaves them, the cost screen in view.
    Program& costInView()
    {
        Program& p = switched(Acceptance("gp_pcr_confirm"));
        goToResultScreen(p, p.FrmSwitchTo(), ResultScreen::SwitchToCost);
        activate(p.FrmSwitchToCost());
        return p;
    }
};

TEST_F(WhatIfNavigation, ArrowsAndFunctionKeysMoveBetweenTheScreensWithoutRecomputing)
{
    Program& p = costInView();
    FrmSwitchToCost& cost = p.FrmSwitchToCost();
    FrmSwitchToAnaly& analy = p.FrmSwitchToAnaly();
    platform::Form& comparison = p.FrmSwitchTo();
    platform::Form& results = p.FrmScrResult();
    const QString costShown = cost.lblST1PI.caption(), casesShown = analy.lblGPNoWom.caption();
    // Figures that a recomputation would pick up.
    p.vc.CostPID = Money::fromTicks(1);
    p.vc.CostGP = Money::fromTicks(1);

    auto key = [](platform::Form& on, Qt::Key k) {
        return [&on, k] {
            QApplication::setActiveWindow(on.window());
            QTest::keyClick(on.window(), k);
        };
    };
    auto click = [](platform::CommandButton& button) {
        return [&button] { QTest::mouseClick(button.widget(), Qt::LeftButton); };
    };
    struct Step {
        const char* name;
        std::function<void()> act;
        platform::Form* inView;
    };
    const Step steps[] = {
        {"forward arrow", click(cost.cmdProject), &analy},
        {"back arrow", click(analy.cmdCost), &cost},
        {"F3 on the cost screen", key(cost, Qt::Key_F3), &analy},
        {"F3 greyed out on the projection screen", key(analy, Qt::Key_F3), &analy},
        {"F2 on the projection screen", key(analy, Qt::Key_F2), &cost},
        {"F2 greyed out on the cost screen", key(cost, Qt::Key_F2), &cost},
        {"back arrow of the cost screen", click(cost.cmdTest), &comparison},
        {"F3 on the comparison", key(comparison, Qt::Key_F3), &analy},
        {"F1 on the projection screen", key(analy, Qt::Key_F1), &comparison},
        {"F2 on the comparison", key(comparison, Qt::Key_F2), &cost},
        {"F4 on the cost screen", key(cost, Qt::Key_F4), &results},
        {"F3 on the results", key(results, Qt::Key_F3), &analy},
        {"F4 on the projection screen", key(analy, Qt::Key_F4), &results},
        {"F2 on the results", key(results, Qt::Key_F2), &cost},
        {"F1 on the cost screen", key(cost, Qt::Key_F1), &comparison},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        for (platform::Form* screen : {&comparison, static_cast<platform::Form*>(&cost),
                                       static_cast<platform::Form*>(&analy), &results}) {
            EXPECT_EQ(screen->isShown(), screen == s.inView) << screen->name().toStdString();
            EXPECT_TRUE(screen->isLoaded()) << "the screen left behind is hidden, not unloaded";
        }
    }
    EXPECT_EQ(cost.lblST1PI.caption(), costShown);
    EXPECT_EQ(analy.lblGPNoWom.caption(), casesShown);
    EXPECT_FALSE(p.FrmScrResult().cmdSwitchTo.visible()) << "the results screen offers Resume, not Switch";
    EXPECT_TRUE(p.FrmScrResult().cmdResume.visible());
    EXPECT_FALSE(cost.cmdCSSR.visible() || cost.cmdReturn.visible() || cost.cmdGraph.visible());
    EXPECT_FALSE(analy.cmdCSSR.visible() || analy.cmdTest.visible() || analy.cmdGraphNoWom.visible() ||
                 analy.cmdMain.visible());

    // Only a new load takes the changed figures.
    cost.unload();
    cost.load();
    EXPECT_NE(cost.lblST1CT.caption(), "$3.35");
}

TEST_F(WhatIfNavigation, TheGraphOpensOverTheScreenWhichStaysInView)
{
    Program& p = costInView();
    struct Case {
        const char* name;
        platform::Form* screen;
        std::function<void()> open;
    };
    FrmSwitchToCost& cost = p.FrmSwitchToCost();
    FrmSwitchToAnaly& analy = p.FrmSwitchToAnaly();
    const Case cases[] = {
        {"cost screen, Graph menu", &cost, [&] { cost.menus.mnuGraph->trigger(); }},
        {"projection screen, forward arrow", &analy,
         [&] { QTest::mouseClick(analy.cmdGraph.widget(), Qt::LeftButton); }},
        {"projection screen, Graph menu", &analy, [&] { analy.menus.mnuGraph->trigger(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::Form& other = c.screen == &cost ? static_cast<platform::Form&>(analy) : cost;
        c.screen->show();
        other.hide();
        c.open();
        EXPECT_TRUE(p.FrmGraph().isShown());
        EXPECT_TRUE(c.screen->isShown()) << "the screen stays beneath the graph";
        p.FrmGraph().hide();
    }
}

TEST_F(WhatIfNavigation, ReturnToMainUnloadsTheScreensAndClearsTheQuestionnaireFlags)
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
        Program& p = costInView();
        platform::Form& screen = c.onCost ? static_cast<platform::Form&>(p.FrmSwitchToCost()) : p.FrmSwitchToAnaly();
        screen.show();
        activate(screen);
        p.vc.QuestPopFromSenSpec = p.vc.SpecEntered = -1;
        if (c.menu)
            QTest::keyClick(screen.window(), Qt::Key_R, Qt::ControlModifier);
        else if (c.onCost)
            p.FrmSwitchToCost().cmdReturn_Click();
        else
            p.FrmSwitchToAnaly().cmdMain_Click();
        EXPECT_TRUE(p.FrmConsole().isShown());
        for (platform::Form* f : {static_cast<platform::Form*>(&p.FrmSwitchToCost()),
                                  static_cast<platform::Form*>(&p.FrmSwitchToAnaly()),
                                  static_cast<platform::Form*>(&p.FrmSwitchTo()),
                                  static_cast<platform::Form*>(&p.FrmScrResult())})
            EXPECT_FALSE(f->isLoaded()) << f->name().toStdString();
        EXPECT_EQ(p.vc.QuestPopFromSenSpec, c.menu ? 0 : -1);
        EXPECT_EQ(p.vc.SpecEntered, c.menu ? 0 : -1);
    }
}

TEST_F(WhatIfNavigation, ExitEndsTheProgramWithoutAQuestion)
{
    Program& p = costInView();
    QTest::keyClick(p.FrmSwitchToCost().window(), Qt::Key_F12);
    EXPECT_EQ(endCalls, 1);
    EXPECT_TRUE(dialogs.shown().empty());
}

} // namespace
