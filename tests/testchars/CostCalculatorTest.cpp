// The test-cost calculator, driven through its menu keys and its fields as a
// person uses it.

#include "testchars/FrmDraftCostTest.h"
#include "testchars/FrmTestCost.h"
#include "TestCharsFixture.h"
#include "support/LocaleScope.h"

#include <QApplication>
#include <QMainWindow>

using testchars_test::edit;
using testchars_test::typeAndTab;

namespace {

const QString kNumeric = "Value must be numeric and greater than zero";
const QString kControls = "Controls per batch has to be less than Test per batch";
const QString kCostLimit = "Value out of Range: not more than $1,000,000.00";
const QStringList kWorkedFigures{"40", "2", "4", "12", "5", "1"};

class CalculatorTest : public testsupport::ProgramTest {
protected:
    static FrmDraftCostTest& onScreen(Program& p)
    {
        FrmDraftCostTest& d = p.FrmDraftCostTest();
        d.show();
        activate(d);
        return d;
    }
    FrmDraftCostTest& calc() { return onScreen(program()); }
    void key(FrmDraftCostTest& d, Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(d.window(), k, m); }
    // Types the figures into the visible fields in order, leaving each with Tab.
    static void enter(FrmDraftCostTest& d, const QStringList& figures)
    {
        platform::TextBox* fields[] = {&d.txtTstPerBat, &d.txtBatPerDay, &d.txtContPerBat,
                                       &d.txtLabHour,   &d.txtTestKits,  &d.txtReagTrans};
        for (int i = 0; i < figures.size(); ++i)
            typeAndTab(*fields[i], figures[i]);
    }
};

TEST_F(CalculatorTest, WorkedExamples)
{
    struct Case {
        const char* name;
        bool genProbeFiguresFirst;  // the six figures stored under GenProbe first
        bool resetFirst;
        Qt::Key type;
        QStringList figures;
        std::int64_t ticks;
        std::vector<std::pair<platform::TextBox FrmTestCost::*, Money VarCon::*>> boxes;
        QString shown;
        std::int64_t taken;  // the cost a "y" takes: the one the question names
    };
    const Case cases[] = {
        {"GenProbe", false, false, Qt::Key_F1, kWorkedFigures, 80000, {{&FrmTestCost::TxtCostGP, &VarCon::CostGP}},
         "$8.00", 80000},
        {"GenProbe to more decimals than shown", false, false, Qt::Key_F1, {"40", "3", "4", "10", "5", "1"},
         7407 + 66667, {{&FrmTestCost::TxtCostGP, &VarCon::CostGP}}, "$7.41", 74100},
        {"EIA", false, false, Qt::Key_F2, kWorkedFigures, 80000, {{&FrmTestCost::TxtCostEIA, &VarCon::CostEIA}},
         "$8.00", 80000},
        {"DFA after a reset", true, true, Qt::Key_F5, kWorkedFigures.mid(0, 5), 13333 + 50000,
         {{&FrmTestCost::TxtCostDFA, &VarCon::CostDFA}, {&FrmTestCost::TxtCostDNGZ, &VarCon::CostDNGZ}}, "$6.33",
         63300},
        {"DFA with a reagent stored earlier", true, false, Qt::Key_F5, {}, 13333 + 70000,
         {{&FrmTestCost::TxtCostDFA, &VarCon::CostDFA}, {&FrmTestCost::TxtCostDNGZ, &VarCon::CostDNGZ}}, "$8.33",
         83300},
        {"LCR after a reset", true, true, Qt::Key_F3, kWorkedFigures.mid(0, 5), 13333 + 55556,
         {{&FrmTestCost::TxtCostLCRC, &VarCon::CostLCRC}, {&FrmTestCost::TxtCostLCRU, &VarCon::CostLCRU}}, "$6.89",
         68900},
        {"PCR", false, false, Qt::Key_F4, kWorkedFigures, 80000,
         {{&FrmTestCost::TxtCostPCRC, &VarCon::CostPCRC},
          {&FrmTestCost::TxtCostPCRU, &VarCon::CostPCRU},
          {&FrmTestCost::TxtCostPNGZ, &VarCon::CostPNGZ}},
         "$8.00", 80000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        FrmDraftCostTest& d = onScreen(p);
        if (c.genProbeFiguresFirst) {
            key(d, Qt::Key_F1);
            enter(d, kWorkedFigures);
        }
        if (c.resetFirst)
            key(d, Qt::Key_F9);
        key(d, c.type);
        enter(d, c.figures);
        script.type("y");
        key(d, c.type, Qt::ControlModifier);

        ASSERT_EQ(script.shown().size(), 1u);
        const testsupport::RecordedDialog& box = script.shown()[0];
        EXPECT_EQ(box.title, "Confirm");
        EXPECT_TRUE(box.prompt.endsWith(c.shown + "\r\n\r\nIf this is your cost then type the letter 'y' "));
        EXPECT_EQ(d.LaborMaterials, Money::fromTicks(c.ticks));
        EXPECT_EQ(d.lblLaborMaterials.caption(), "The labor and materials cost is: " + c.shown);
        // "y" makes it the unit cost of the test, which the unit-cost boxes
        // show at once; Next only steps aside.
        FrmTestCost& unitCosts = p.FrmTestCost();
        for (auto [b, cost] : c.boxes) {
            EXPECT_EQ((unitCosts.*b).text(), c.shown) << (unitCosts.*b).name().toStdString();
            EXPECT_EQ(p.vc.*cost, Money::fromTicks(c.taken)) << (unitCosts.*b).name().toStdString();
        }
        d.mnuNext.trigger();
        EXPECT_FALSE(d.isShown());
        for (auto [b, cost] : c.boxes)
            EXPECT_EQ((unitCosts.*b).text(), c.shown) << (unitCosts.*b).name().toStdString();
    }
}

TEST_F(CalculatorTest, OnlyYAcceptsTheCostCancelKeepsTheAnswersAnythingElseResets)
{
    enum class Outcome { Taken, Kept, Reset };
    const std::pair<QString, Outcome> cases[] = {{"y", Outcome::Taken}, {"Y", Outcome::Taken}, {"", Outcome::Kept},
                                                 {"yes", Outcome::Reset}, {"n", Outcome::Reset}};
    for (const auto& [answer, outcome] : cases) {
        SCOPED_TRACE(answer.toStdString());
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        FrmDraftCostTest& d = onScreen(p);
        key(d, Qt::Key_F1);
        enter(d, kWorkedFigures);
        script.type(answer);  // empty: the box's Cancel
        key(d, Qt::Key_F1, Qt::ControlModifier);
        const bool reset = outcome == Outcome::Reset;
        const bool taken = outcome == Outcome::Taken;
        EXPECT_EQ(p.vc.CostGP, taken ? Money::fromTicks(80000) : Money::fromTicks(33500));
        EXPECT_EQ(p.FrmTestCost().TxtCostGP.text(), taken ? "$8.00" : "$3.35");
        EXPECT_EQ(d.TestType, reset ? 0 : 1);
        EXPECT_EQ(d.txtTstPerBat.visible(), !reset);
        const QStringList shown{d.txtTstPerBat.text(), d.txtBatPerDay.text(), d.txtContPerBat.text(),
                                d.txtLabHour.text(),   d.txtTestKits.text(),  d.txtReagTrans.text()};
        const QStringList typed{"40", "2", "4", "$12.00", "$5.00", "$1.00"};
        EXPECT_EQ(shown, reset ? QStringList(6, QString()) : typed);
        EXPECT_EQ(d.TstPerBat, reset ? 0.0f : 40.0f);
        EXPECT_EQ(d.lblLaborMaterials.caption().isEmpty(), reset);
    }
}

// Fields left as the calculator shows them after a reset, and the reset
// itself while a question is being answered.
TEST_F(CalculatorTest, ARateOrKitCostLeftAtTheShownZeroIsRefusedAndResetLeavesTheFieldsEmpty)
{
    struct Case {
        const char* what;
        int answered;              // figures typed before, in question order
        bool reset;                // F9 then, with the next question in focus; else left as shown
    };
    const Case cases[] = {
        {"hourly rate left at 0", 3, false},        {"kit cost left at 0", 4, false},
        {"reset in the hourly rate", 3, true},      {"reset in the reagent cost", 5, true},
        {"reset in the tests per batch", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        FrmDraftCostTest& d = onScreen(p);
        key(d, Qt::Key_F1);
        enter(d, kWorkedFigures.mid(0, c.answered));
        platform::TextBox* fields[] = {&d.txtTstPerBat, &d.txtBatPerDay, &d.txtContPerBat,
                                       &d.txtLabHour,   &d.txtTestKits,  &d.txtReagTrans};
        platform::TextBox& next = *fields[c.answered];
        ASSERT_TRUE(next.hasFocus());
        script.clear();
        if (c.reset) {
            key(d, Qt::Key_F9);
            EXPECT_TRUE(script.prompts().empty());
            key(d, Qt::Key_F1);
            for (platform::TextBox* f : fields)
                EXPECT_EQ(f->text(), "") << f->name().toStdString();
            EXPECT_EQ(d.LabHour, Money());
            continue;
        }
        EXPECT_EQ(next.text(), "0");
        QTest::keyClick(edit(next), Qt::Key_Tab);
        EXPECT_EQ(script.prompts(), std::vector<QString>{kNumeric});
        EXPECT_TRUE(next.hasFocus());
    }
}

TEST_F(CalculatorTest, MissingFiguresAreNamedAndNothingIsComputed)
{
    struct Case {
        const char* name;
        Qt::Key type;
        QStringList figures;
        QString pending;  // typed into the field that has the focus, not left
        QString message;
        platform::TextBox FrmDraftCostTest::*focus;
    };
    const Case cases[] = {
        {"as many controls as tests", Qt::Key_F2, {"10", "2"}, "10", kControls, &FrmDraftCostTest::txtTstPerBat},
        {"nothing entered", Qt::Key_F2, {}, {}, kControls, &FrmDraftCostTest::txtTstPerBat},
        {"no batches per day", Qt::Key_F1, {}, "40", "Batches per day has to be greater than zero",
         &FrmDraftCostTest::txtBatPerDay},
        {"an empty field being edited", Qt::Key_F1, {}, {}, kNumeric, &FrmDraftCostTest::txtTstPerBat},
        // $1,000,000 an hour for one test a day: no such unit cost is offered.
        {"a cost above the largest unit cost", Qt::Key_F1, {"2", "1", "1", "1000000", "5", "1"}, {},
         "The labor and materials cost of $8,000,012.00 is more than the largest unit cost, $1,000,000.00, and is "
         "not taken.",
         nullptr},
        // No unit-cost field takes a cost of zero.
        {"a cost of zero", Qt::Key_F1, {"40", "2"}, "4",
         "The labor and materials cost of $0.00 is not more than zero, and is not taken.", nullptr},
        // A cost beyond every amount: no figure to name.
        {"a cost beyond every amount", Qt::Key_F1, {"40", "1e-40", "4", "12", "5", "1"}, {},
         "The labor and materials cost is more than the largest unit cost, $1,000,000.00, and is not taken.",
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        FrmDraftCostTest& d = onScreen(p);
        key(d, c.type);
        enter(d, c.figures);
        if (!c.pending.isEmpty())
            QTest::keyClicks(QApplication::focusWidget(), c.pending);
        key(d, c.type, Qt::ControlModifier);
        EXPECT_EQ(script.prompts(), std::vector<QString>{c.message});
        EXPECT_EQ(script.shown().size(), 1u) << "no cost is offered";
        if (c.focus) {
            EXPECT_TRUE((d.*c.focus).hasFocus());
        }
        EXPECT_EQ(d.LaborMaterials, Money());
        EXPECT_EQ(d.lblLaborMaterials.caption(), "");
        if (c.message == kControls) {
            EXPECT_EQ(d.txtTstPerBat.text(), "");
            EXPECT_EQ(d.txtContPerBat.text(), "");
        }
    }
}

TEST_F(CalculatorTest, TheTestCostMenuNeedsTheChosenType)
{
    FrmDraftCostTest& d = calc();
    key(d, Qt::Key_F3, Qt::ControlModifier);
    key(d, Qt::Key_F4);
    key(d, Qt::Key_F1, Qt::ControlModifier);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].prompt, "You need to select a test. Please reset by pressing the F9 key or "
                                         "resetting file reset menu command bar. ");
    EXPECT_EQ(dialogs.shown()[1].title, "Test Choice Error");
    EXPECT_EQ(dialogs.shown()[1].prompt, "You chose the wrong combination of tests. You selected PCR as your test. "
                                         "Clear this message box by clicking ok then select PCR in the Test Cost "
                                         "menu.");
    EXPECT_FALSE(d.mnuTCPCA.enabled());
    EXPECT_FALSE(d.mnuTTPCA.enabled());
}

// A cost command takes the figure being typed, as if the field had been left;
// a figure its field would refuse stops the command.
TEST_F(CalculatorTest, TheFieldBeingEditedCountsWhenACostIsAskedFor)
{
    FrmDraftCostTest& d = calc();
    key(d, Qt::Key_F1);
    enter(d, kWorkedFigures.mid(0, 5));
    d.txtReagTrans.setFocus();
    QTest::keyClicks(edit(d.txtReagTrans), "3");
    dialogs.type("y");
    key(d, Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(d.ReagTrans, Money::fromTicks(30000));
    EXPECT_EQ(d.LaborMaterials, Money::fromTicks(13333 + 88889));

    dialogs.clear();
    d.txtTestKits.setFocus();
    QTest::keyClicks(edit(d.txtTestKits), "x");
    key(d, Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(dialogs.prompts(), std::vector<QString>{kNumeric});
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(d.txtTestKits.text(), "x") << "the calculator keeps what was typed";
}

TEST_F(CalculatorTest, FieldsRefuseWhatTheyCannotUseAndKeepTheText)
{
    struct Case {
        platform::TextBox FrmDraftCostTest::*field;
        QString typed;
        QString message;  // empty: accepted
        QString shown;
    };
    const Case cases[] = {
        {&FrmDraftCostTest::txtContPerBat, "0", kNumeric, "0"},
        {&FrmDraftCostTest::txtTstPerBat, "$40", kNumeric, "$40"},
        {&FrmDraftCostTest::txtLabHour, "", kNumeric, ""},
        {&FrmDraftCostTest::txtLabHour, "12.5", {}, "$12.50"},
        // No reagent cost shows as the empty field that stands for it.
        {&FrmDraftCostTest::txtReagTrans, "0", {}, ""},
        // Positive texts that would be stored as 0.
        {&FrmDraftCostTest::txtTstPerBat, "1e-50", kNumeric, "1e-50"},
        {&FrmDraftCostTest::txtLabHour, "0.00004", kNumeric, "0.00004"},
        {&FrmDraftCostTest::txtLabHour, "1000000", {}, "$1,000,000.00"},
        {&FrmDraftCostTest::txtTestKits, "1000000.01", kCostLimit, "1000000.01"},
        {&FrmDraftCostTest::txtReagTrans, "1e20", kCostLimit, "1e20"},
        {&FrmDraftCostTest::txtReagTrans, "-1", "Value must be numeric and greater than or equal to zero", "-1"},
        // Counts are written out in full, as the figure in use.
        {&FrmDraftCostTest::txtTstPerBat, "10000000", {}, "10,000,000"},
        {&FrmDraftCostTest::txtBatPerDay, "12345678", {}, "12,345,678"},
        {&FrmDraftCostTest::txtBatPerDay, "123456789", {}, "123,456,792"},
        {&FrmDraftCostTest::txtBatPerDay, "2.5", {}, "2.5"},
        {&FrmDraftCostTest::txtBatPerDay, "1e-7", {}, "0.0000001"},
    };
    for (const Case& c : cases) {
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        FrmDraftCostTest& d = onScreen(p);
        key(d, Qt::Key_F1);
        enter(d, kWorkedFigures);
        SCOPED_TRACE(((d.*c.field).name() + " " + c.typed).toStdString());
        script.clear();
        typeAndTab(d.*c.field, c.typed);
        EXPECT_EQ(script.prompts(), c.message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.message});
        EXPECT_EQ((d.*c.field).text(), c.shown);
        EXPECT_EQ((d.*c.field).hasFocus(), !c.message.isEmpty());
    }
}

// In every locale, digits beyond the Basic Multilingual Plane too (Chakma,
// Adlam), the cost worked out reaches the model, and no other cost is put
// back.
TEST_F(CalculatorTest, NextStoresTheConfirmedCostsAndHides)
{
    struct Case {
        const char* locale;
        QStringList figures;
        std::int64_t taken;
    };
    // 7.4074 is asked about, and taken, as the 7.41 its question names.
    const QStringList sevenFortyOne{"40", "3", "4", "10", "5", "1"};
    const Case cases[] = {{"ccp_BD", kWorkedFigures, 80000}, {"ff_Adlm_GN", kWorkedFigures, 80000},
                          {"ar_EG", kWorkedFigures, 80000},  {"de_CH", kWorkedFigures, 80000},
                          {"en_US", kWorkedFigures, 80000},  {"en_US", sevenFortyOne, 74100},
                          {"de_DE", sevenFortyOne, 74100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale + (" " + c.figures.join(u' ')).toStdString());
        testsupport::LocaleScope scope{QLocale(QString::fromLatin1(c.locale))};
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        FrmDraftCostTest& d = onScreen(p);
        key(d, Qt::Key_F1);
        enter(d, c.figures);
        script.type("y");
        key(d, Qt::Key_F1, Qt::ControlModifier);
        p.vc.CostPCA = Money::fromTicks(1);
        d.mnuNext.trigger();
        EXPECT_FALSE(d.isShown());
        EXPECT_EQ(p.vc.CostGP, Money::fromTicks(c.taken));
        EXPECT_EQ(p.vc.CostPCA, Money::fromTicks(1));
    }

    // A new load after an unload starts with no type but keeps the figures.
    FrmDraftCostTest& d = calc();
    key(d, Qt::Key_F1);
    enter(d, kWorkedFigures);
    dialogs.type("y");
    key(d, Qt::Key_F1, Qt::ControlModifier);
    d.mnuNext.trigger();
    d.unload();
    d.show();
    EXPECT_EQ(d.TestType, 0);
    EXPECT_FALSE(d.txtTstPerBat.visible());
    key(d, Qt::Key_F2);
    dialogs.type("y");
    key(d, Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(d.LaborMaterials, Money::fromTicks(80000));
}

TEST_F(CalculatorTest, HoverHelpOfTheFormAndOfItsForwardButton)
{
    FrmDraftCostTest& d = calc();
    EXPECT_TRUE(d.lblInstruct.caption().startsWith("This is the Test Cost Calculator: Use the calculator"));
    testchars_test::moveOver(d.cmdNext.widget());
    EXPECT_EQ(d.lblInstruct.caption(),
              "This command button allows you to proceed on to the next screen in the application. You will have an "
              "opportunity later when the sensitivity and specificity screen come up to change any values you do not "
              "agree with.");
    testchars_test::moveOver(d.window()->centralWidget());
    EXPECT_TRUE(d.lblInstruct.caption().endsWith("will be the new test cost used to calculate all cost values for "
                                                 "that test."));
}

} // namespace
