// The unit-cost form: its defaults, its cost boxes, and the confirmation costs
// that the results read from it.

#include "testchars/FrmTestCost.h"
#include "TestCharsFixture.h"

#include "model/Equations.h"

using testchars_test::edit;
using testchars_test::typeAndTab;

namespace {

const QString kCostMessage = "Cost value has to be numeric and greater than zero";

class TestCostTest : public testsupport::ProgramTest {
protected:
    // Every row on, the form on screen with its window active.
    FrmTestCost& form()
    {
        FrmTestCost& f = program().FrmTestCost();
        for (platform::Control* c : f.controls())
            c->setVisible(true);
        f.show();
        activate(f);
        return f;
    }
};

TEST_F(TestCostTest, LoadingWritesTheThirteenDefaultsOverWhatTheModelHeld)
{
    struct Case {
        platform::TextBox FrmTestCost::*box;
        Money VarCon::*cost;
        std::int64_t ticks;
        QString shown;
    };
    const Case cases[] = {
        {&FrmTestCost::TxtCostGP, &VarCon::CostGP, 33500, "$3.35"},
        {&FrmTestCost::TxtCostEIA, &VarCon::CostEIA, 23000, "$2.30"},
        {&FrmTestCost::TxtCostPCRC, &VarCon::CostPCRC, 96600, "$9.66"},
        {&FrmTestCost::TxtCostPCRU, &VarCon::CostPCRU, 96600, "$9.66"},
        {&FrmTestCost::TxtCostLCRC, &VarCon::CostLCRC, 81800, "$8.18"},
        {&FrmTestCost::TxtCostLCRU, &VarCon::CostLCRU, 81800, "$8.18"},
        {&FrmTestCost::TxtCostDFA, &VarCon::CostDFA, 42000, "$4.20"},
        {&FrmTestCost::TxtCostPCA, &VarCon::CostPCA, 66300, "$6.63"},
        {&FrmTestCost::TxtCostDox, &VarCon::CostDox, 20000, "$2.00"},
        {&FrmTestCost::TxtCostAzi, &VarCon::CostAzi, 95000, "$9.50"},
        {&FrmTestCost::TxtCostDNGZ, &VarCon::CostDNGZ, 42000, "$4.20"},
        {&FrmTestCost::TxtCostPNGZ, &VarCon::CostPNGZ, 96600, "$9.66"},
        {&FrmTestCost::TxtCostPID, &VarCon::CostPID, 11670000, "$1,167.00"},
    };
    for (const Case& c : cases)
        program().vc.*c.cost = Money::fromTicks(7);
    FrmTestCost& f = program().FrmTestCost();
    f.load();
    for (const Case& c : cases) {
        SCOPED_TRACE((f.*c.box).name().toStdString());
        EXPECT_EQ(program().vc.*c.cost, Money::fromTicks(c.ticks));
        EXPECT_EQ((f.*c.box).text(), c.shown);
        EXPECT_FALSE((f.*c.box).visible()) << "every row starts hidden";
    }
    EXPECT_EQ(program().vc.TxtCostDFA, Money::fromTicks(42000));
    EXPECT_EQ(program().vc.TxtCostPCA, Money::fromTicks(66300));
}

TEST_F(TestCostTest, ABoxRefusesWhatIsNoAmountAboveZeroAndShowsTheStoredCostAgain)
{
    struct Case {
        QString typed;
        bool accepted;
        Money stored;
        QString shown;
    };
    const Case cases[] = {
        {"9.5", true, Money::fromTicks(95000), "$9.50"},
        {"1,000", true, Money::fromTicks(10000000), "$1,000.00"},
        {"12.345", true, Money::fromTicks(123450), "$12.35"},
        {"0", false, Money::fromTicks(95000), "9.5"},
        {"-3", false, Money::fromTicks(95000), "9.5"},
        {"", false, Money::fromTicks(95000), "9.5"},
        {"$5", false, Money::fromTicks(95000), "9.5"},
        {"ten", false, Money::fromTicks(95000), "9.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        FrmTestCost& f = p.FrmTestCost();
        f.lblAzi.setVisible(true);
        f.TxtCostAzi.setVisible(true);
        f.show();
        activate(f);
        f.TxtCostAzi.setFocus();
        EXPECT_EQ(edit(f.TxtCostAzi)->selectedText(), "9.5");
        typeAndTab(f.TxtCostAzi, c.typed);
        EXPECT_EQ(p.vc.CostAzi, c.stored);
        EXPECT_EQ(f.TxtCostAzi.text(), c.shown);
        EXPECT_EQ(f.TxtCostAzi.hasFocus(), !c.accepted);
        EXPECT_EQ(script.prompts(), c.accepted ? std::vector<QString>{} : std::vector<QString>{kCostMessage});
    }
}

// What the results take as the confirmation costs is always an accepted
// amount, as the box shows it.
TEST_F(TestCostTest, ConfirmationCostsReachTheModelOnlyOnceAccepted)
{
    FrmTestCost& f = form();
    VarCon& vc = program().vc;
    f.TxtCostDFA_GotFocus();
    QTest::keyClicks(edit(f.TxtCostDFA), "5.125");
    Equations::SetCostConfirm(vc);
    EXPECT_EQ(vc.CostDFA, Money::fromTicks(42000)) << "typed, not yet accepted";

    QTest::keyClick(edit(f.TxtCostDFA), Qt::Key_Tab);
    EXPECT_EQ(f.TxtCostDFA.text(), "$5.13");
    Equations::SetCostConfirm(vc);
    EXPECT_EQ(vc.CostDFA, Money::fromTicks(51300)) << "the amount the box shows";
    EXPECT_EQ(vc.CostPCA, Money::fromTicks(66300));

    f.writeCost(f.TxtCostPCA, "$7.00");
    Equations::SetCostConfirm(vc);
    EXPECT_EQ(vc.CostPCA, Money::fromTicks(70000)) << "an amount another form wrote";
}

TEST_F(TestCostTest, ForwardStoresEveryBoxAsItShowsAndHides)
{
    FrmTestCost& f = form();
    typeAndTab(f.TxtCostGP, "4.125");
    ASSERT_EQ(program().vc.CostGP, Money::fromTicks(41250)) << "leaving stores the typed amount";
    f.writeCost(f.TxtCostEIA, "$3.00");
    program().vc.CostDox = Money::fromTicks(1);
    QTest::mouseClick(f.cmdNext.widget(), Qt::LeftButton);
    EXPECT_FALSE(f.isShown());
    EXPECT_EQ(program().vc.CostGP, Money::fromTicks(41300)) << "read back from $4.13";
    EXPECT_EQ(program().vc.CostEIA, Money::fromTicks(30000));
    EXPECT_EQ(program().vc.CostDox, Money::fromTicks(20000)) << "the drug boxes are stored too";
}

} // namespace
