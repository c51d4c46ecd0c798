// The switch-to costs screen: which parts it shows for which test, what a
// cost per positive shows without a divisor, and its commands.
#include "WhatIfScreens.h"
#include "whatif/FrmSwitchToAnaly.h"
#include "whatif/FrmSwitchToCost.h"

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
        Programme programme = Default(c.test, c.retest);
        SCOPED_TRACE(programme.name.toStdString() + " retest " + std::to_string(int(c.retest)));
        const Money untouched = Money::fromTicks(12345);
        programme.vc.AdNgz1 = untouched;
        Program& p = with(programme);
        FrmSwitchToCost& f = p.FrmSwitchToCost();
        f.load();

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
        Program& p = with(Default(ScrTestKind::GenProbe, NgzTestKind::None, c.change));
        FrmSwitchToCost& f = p.FrmSwitchToCost();
        f.load();
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
        Program& p = with(AcceptanceProgramme("gp_pcr_confirm"));
        p.FrmSwitchToCost().load();
        p.FrmSwitchToAnaly().load();
        p.FrmSwitchToCost().show();
        activate(p.FrmSwitchToCost());
        return p;
    }
};

TEST_F(WhatIfNavigation, ArrowsAndFunctionKeysMoveBetweenTheScreensWithoutRecomputing)
{
    Program& p = costInView();
    FrmSwitchToCost& cost = p.FrmSwitchToCost();
    FrmSwitchToAnaly& analy = p.FrmSwitchToAnaly();
    const QString costShown = cost.lblST1PI.caption(), casesShown = analy.lblGPNoWom.caption();
    // Figures that a recomputation would pick up.
    p.vc.CostPID = Money::fromTicks(1);
    p.vc.CostGP = Money::fromTicks(1);

    struct Step {
        const char* name;
        std::function<void()> act;
        bool costShownAfter;
    };
    const Step steps[] = {
        {"forward arrow", [&] { QTest::mouseClick(cost.cmdProject.widget(), Qt::LeftButton); }, false},
        {"back arrow", [&] { QTest::mouseClick(analy.cmdCost.widget(), Qt::LeftButton); }, true},
        {"F3 on the cost screen", [&] { QTest::keyClick(cost.window(), Qt::Key_F3); }, false},
        {"F3 greyed out here", [&] { QTest::keyClick(analy.window(), Qt::Key_F3); }, false},
        {"F2 on the projection screen", [&] { QTest::keyClick(analy.window(), Qt::Key_F2); }, true},
        {"F2 greyed out here", [&] { QTest::keyClick(cost.window(), Qt::Key_F2); }, true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        EXPECT_EQ(cost.isShown(), s.costShownAfter);
        EXPECT_EQ(analy.isShown(), !s.costShownAfter);
        EXPECT_TRUE(cost.isLoaded() && analy.isLoaded()) << "the screen left behind is hidden, not unloaded";
        activate(s.costShownAfter ? static_cast<platform::Form&>(cost) : analy);
    }
    EXPECT_EQ(cost.lblST1PI.caption(), costShown);
    EXPECT_EQ(analy.lblGPNoWom.caption(), casesShown);
    EXPECT_FALSE(cost.mnuSwToTestCost.enabled());
    EXPECT_FALSE(analy.mnuSwToAny.enabled());
    EXPECT_FALSE(cost.cmdCSSR.visible() || cost.cmdReturn.visible() || cost.cmdGraph.visible());
    EXPECT_FALSE(analy.cmdCSSR.visible() || analy.cmdTest.visible() || analy.cmdGraphNoWom.visible() ||
                 analy.cmdMain.visible());

    // Only a new load takes the changed figures.
    cost.unload();
    cost.load();
    EXPECT_NE(cost.lblST1CT.caption(), "$3.35");
}

TEST_F(WhatIfNavigation, ExitEndsTheProgramWithoutAQuestion)
{
    for (bool onCost : {true, false}) {
        SCOPED_TRACE(onCost ? "cost screen" : "projection screen");
        endCalls = 0;
        Program& p = costInView();
        platform::Form& screen = onCost ? static_cast<platform::Form&>(p.FrmSwitchToCost()) : p.FrmSwitchToAnaly();
        screen.show();
        activate(screen);
        QTest::keyClick(screen.window(), Qt::Key_F12);
        EXPECT_EQ(endCalls, 1);
        EXPECT_TRUE(dialogs.shown().empty());
    }
}

} // namespace
