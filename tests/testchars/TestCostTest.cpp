// The unit-cost form: its defaults, its cost boxes, and the confirmation costs
// that the results read from it.

#include "testchars/FrmSenSpec.h"
#include "testchars/FrmTestCost.h"
#include "TestCharsFixture.h"
#include "support/LocaleScope.h"

#include "model/Equations.h"

#include <functional>
#include <optional>

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

// The defaults come with the first load of a pass, over whatever the model
// held; a later load of the same pass shows the costs in use; the return to
// the console starts a new pass.
TEST_F(TestCostTest, TheFirstLoadOfAPassWritesTheThirteenDefaultsALaterLoadShowsTheCostsInUse)
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
    struct Load {
        const char* what;
        bool newPass;
        bool defaults;
    };
    const Load loads[] = {
        {"first load", false, true}, {"later load of the pass", false, false}, {"load of a new pass", true, true}};
    VarCon& vc = program().vc;
    FrmTestCost& f = program().FrmTestCost();
    for (const Load& l : loads) {
        SCOPED_TRACE(l.what);
        for (const Case& c : cases)
            vc.*c.cost = Money::fromTicks(123450);
        f.unload();
        if (l.newPass)
            program().returnToConsole();
        f.load();
        for (const Case& c : cases) {
            SCOPED_TRACE((f.*c.box).name().toStdString());
            EXPECT_EQ(vc.*c.cost, Money::fromTicks(l.defaults ? c.ticks : 123450));
            EXPECT_EQ((f.*c.box).text(), l.defaults ? c.shown : "$12.35");
            EXPECT_FALSE((f.*c.box).visible()) << "every row starts hidden";
        }
        EXPECT_EQ(vc.TxtCostDFA, l.defaults ? Money::fromTicks(42000) : Money::fromTicks(123450));
        EXPECT_EQ(vc.TxtCostPCA, l.defaults ? Money::fromTicks(66300) : Money::fromTicks(123450));
    }
}

// The unit-cost boxes and the test-cost fields of the sensitivity form: the
// stored cost while editing, the currency format otherwise, and the stored
// cost back, selected, after a refusal.
TEST_F(TestCostTest, CostFieldsRefuseWhatIsNoAmountAboveZeroAndShowTheStoredCostAgain)
{
    struct Field {
        const char* name;
        std::function<platform::TextBox&(Program&)> open;
        Money VarCon::*cost;
        QString message;
        QString plain;  // the default as it is edited
    };
    const Field fields[] = {
        {"Azithromycin box",
         [](Program& p) -> platform::TextBox& {
             FrmTestCost& f = p.FrmTestCost();
             f.lblAzi.setVisible(true);
             f.TxtCostAzi.setVisible(true);
             f.show();
             return f.TxtCostAzi;
         },
         &VarCon::CostAzi, kCostMessage, "9.5"},
        {"EIA test cost of the sensitivity form",
         [](Program& p) -> platform::TextBox& {
             FrmSenSpec& f = p.FrmSenSpec();
             f.showRow(SenSpecRow::EIA);
             f.show();
             return f.txtTestCostEia;
         },
         &VarCon::CostEIA, "Value must be numeric and greater than zero", "2.3"},
    };
    struct Case {
        QString typed;
        std::optional<std::int64_t> ticks;  // none: refused
        QString shown;                      // when accepted, or the refusal above the limit
        const char* locale = "en_US";       // typed with its decimal sign
    };
    const QString limit = "Value out of Range: not more than $1,000,000.00";
    const QString limitDe = "Value out of Range: not more than 1.000.000,00\u00a0$";
    const Case cases[] = {
        {"12", 120000, "$12.00"},   {"12.345", 123500, "$12.35"}, {"1,000", 10000000, "$1,000.00"},
        // An amount is kept as its box shows it, a half cent rounded up as
        // the currency text rounds it.
        {"7.254", 72500, "$7.25"},  {"7.255", 72600, "$7.26"},    {"0.005", 100, "$0.01"},
        {"7.254", 72500, "7,25\u00a0$", "de_DE"}, {"7.255", 72600, "7,26\u00a0$", "de_DE"},
        {"0.005", 100, "0,01\u00a0$", "de_DE"},
        {"0.004", {}, {}},  // shows as $0.00
        {"0", {}, {}},             {"-3", {}, {}},              {"", {}, {}},
        {"$5", {}, {}},            {"ten", {}, {}},
        {"0.00004", {}, {}},  // above zero, but no ten-thousandth of a dollar
        {"1000000", 10'000'000'000, "$1,000,000.00"}, {"1000000.01", {}, limit}, {"1e20", {}, limit},
        // The limit too is judged on the amount as the box shows it.
        {"1000000.004", 10'000'000'000, "$1,000,000.00"}, {"1000000.005", {}, limit},
        {"1000000.004", 10'000'000'000, "1.000.000,00\u00a0$", "de_DE"}, {"1000000.005", {}, limitDe, "de_DE"},
        {"1e400", {}, limit},  // beyond what a double holds
    };
    for (const Field& fd : fields) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(fd.name) + " typed " + c.typed.toStdString() + " in " + c.locale);
            testsupport::LocaleScope locale{QLocale(QString::fromLatin1(c.locale))};
            const QString plain = testsupport::localDecimals(fd.plain);
            testsupport::ScriptedDialogs script;
            Program p(script, screen, &printer, [] {});
            platform::TextBox& box = fd.open(p);
            activate(box.form());
            const Money before = p.vc.*fd.cost;
            box.setFocus();
            EXPECT_EQ(edit(box)->selectedText(), plain) << "entering shows the stored cost, selected";
            typeAndTab(box, testsupport::localDecimals(c.typed));
            EXPECT_EQ(p.vc.*fd.cost, c.ticks ? Money::fromTicks(*c.ticks) : before);
            EXPECT_EQ(box.hasFocus(), !c.ticks);
            if (c.ticks) {
                EXPECT_EQ(box.text(), c.shown);
                EXPECT_TRUE(script.prompts().empty());
            } else {
                EXPECT_EQ(edit(box)->selectedText(), plain);
                EXPECT_EQ(script.prompts(), std::vector<QString>{c.shown.isEmpty() ? fd.message : c.shown});
            }
        }
    }
}

// What the results take as the confirmation cost is the one its box holds
// accepted: a figure changed elsewhere shows at once, a text being typed
// counts only once it is left.
TEST_F(TestCostTest, TheConfirmationCostTheResultsTakeIsTheOneAccepted)
{
    FrmTestCost& f = form();
    VarCon& vc = program().vc;
    struct Step {
        const char* what;
        std::function<void()> act;
        QString boxShows;
        std::int64_t confirmTicks;
    };
    const Step steps[] = {
        {"changed elsewhere", [&] {
             vc.CostDFA = Money::fromTicks(63300);
             program().figuresChanged();
         }, "$6.33", 63300},
        {"entered: the stored cost", [&] { f.TxtCostDFA_GotFocus(); }, "6.33", 63300},
        {"typed", [&] { QTest::keyClicks(edit(f.TxtCostDFA), "5.125"); }, "5.125", 63300},
        {"typed over with a refused text", [&] {
             edit(f.TxtCostDFA)->selectAll();
             QTest::keyClicks(edit(f.TxtCostDFA), "0");
         }, "0", 63300},
        {"typed again and left", [&] {
             edit(f.TxtCostDFA)->selectAll();
             QTest::keyClicks(edit(f.TxtCostDFA), "5.125");
             QTest::keyClick(edit(f.TxtCostDFA), Qt::Key_Tab);
         }, "$5.13", 51300},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(f.TxtCostDFA.text(), s.boxShows);
        // The agree step, on a copy: the stored cost stays as it is.
        VarCon agreed = vc;
        Equations::SetCostConfirm(agreed);
        EXPECT_EQ(agreed.CostDFA, Money::fromTicks(s.confirmTicks));
        EXPECT_EQ(agreed.CostPCA, Money::fromTicks(66300));
    }
}

// The forward arrow takes the box being typed in; every other box shows its
// cost already, so no figure of an earlier moment comes back.
TEST_F(TestCostTest, ForwardTakesTheBoxBeingTypedInAndPutsBackNothing)
{
    FrmTestCost& f = form();
    typeAndTab(f.TxtCostGP, "4.125");
    ASSERT_EQ(program().vc.CostGP, Money::fromTicks(41300)) << "leaving stores the amount as its box shows it";
    QTest::keyClicks(edit(f.TxtCostEIA), "3.004");
    program().vc.CostDox = Money::fromTicks(1);
    program().figuresChanged();
    QTest::mouseClick(f.cmdNext.widget(), Qt::LeftButton);
    EXPECT_FALSE(f.isShown());
    EXPECT_EQ(program().vc.CostGP, Money::fromTicks(41300));
    EXPECT_EQ(program().vc.CostEIA, Money::fromTicks(30000)) << "taken as $3.00";
    EXPECT_EQ(program().vc.CostDox, Money::fromTicks(1)) << "a cost changed elsewhere stays";
}

} // namespace
