#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/FrmTesting.h"
#include "shell/FrmConsole.h"
#include "QuestFixture.h"

#include <QClipboard>
#include <QGuiApplication>

using questtest::QuestTest;

namespace {

class QuestPopTest : public QuestTest {
protected:
    FrmQuestPop& pop() { return shown(program().FrmQuestPop()); }

    // Types the three counts, leaving the focus in the under-18 positivity field.
    FrmQuestPop& withCounts(const QString& n18, const QString& n1825, const QString& n25)
    {
        FrmQuestPop& f = pop();
        typeAndTab(f.txtNoFem18, n18);
        typeAndTab(f.txtNoFem1825, n1825);
        typeAndTab(f.txtNoFem25, n25);
        return f;
    }
};

TEST_F(QuestPopTest, APositivityIsReadAsAPercentageFromOneUpAndAsAFractionBelow)
{
    struct Case {
        QString typed;
        float stored;       // PerFem18; NaN: refused
        QString echo, text;
    };
    const float refused = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"", 0.12f, "12%", "0.12"},   {"12", 0.12f, "12%", "0.12"}, {"0.5", 0.5f, "50%", "0.5"},
        {"1", 0.01f, "1%", "0.01"},   {"100", 1.0f, "100%", "1"},   {"0", 0.0f, "0%", "0"},
        {"101", refused, "", ""},     {"-1", refused, "", ""},      {"abc", refused, "", ""},
        {"(5)", refused, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        FrmQuestPop& f = withCounts("100", "100", "100");
        program().vc.PerFem18 = -7;
        dialogs.clear();
        typeAndTab(f.txtPerFem18, c.typed);
        if (std::isnan(c.stored)) {
            EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmQuestPop::MsgPositivity});
            EXPECT_TRUE(f.txtPerFem18.hasFocus());
            EXPECT_EQ(f.txtPerFem18.text(), "") << "a refused text is emptied";
            EXPECT_EQ(program().vc.PerFem18, -7) << "nothing is stored";
        } else {
            EXPECT_TRUE(dialogs.prompts().empty());
            EXPECT_TRUE(f.txtPerFem1825.hasFocus());
            EXPECT_EQ(program().vc.PerFem18, c.stored);
            EXPECT_EQ(f.lblYV18.caption(), c.echo);
            EXPECT_EQ(f.txtPerFem18.text(), c.text);
        }
        nextPass();
    }
}

// A positivity the field wrote itself, left again without typing, keeps its value.
TEST_F(QuestPopTest, LeavingAPositivityAgainKeepsWhatTheFieldWrote)
{
    struct Case {
        const char* name;
        QString n18, typed;  // typed null: the field is only passed through
        QString written;
        float stored;
        QString echo;
        QString retyped = {};  // typed over what the field wrote
    };
    const Case cases[] = {
        {"100 % shows as 1, which is not 1 %", "100", "100", "1", 1.0f, "100%"},
        {"a group with no women takes zero", "0", {}, "0", 0.0f, "0%"},
        {"1 typed over the 1 that 100 % left is 1 %", "100", "100", "1", 0.01f, "1%", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmQuestPop& f = withCounts(c.n18, "400", "300");
        if (!c.typed.isNull()) {
            typeAndTab(f.txtPerFem18, c.typed);
            QTest::keyClick(edit(f.txtPerFem1825), Qt::Key_Backtab);
        }
        EXPECT_EQ(f.txtPerFem18.text(), c.written);
        if (!c.retyped.isEmpty())
            QTest::keyClicks(edit(f.txtPerFem18), c.retyped);
        QTest::keyClick(edit(f.txtPerFem18), Qt::Key_Tab);
        EXPECT_EQ(program().vc.PerFem18, c.stored);
        EXPECT_EQ(f.lblYV18.caption(), c.echo);
        nextPass();
    }
}

// A count shows grouped as the locale groups its numbers (en_IN: 1,00,00,000),
// and so does the limit its message names; a count grouped by three is taken
// in every locale.
TEST_F(QuestPopTest, ACountIsAWholeNumberHalvesToEven)
{
    struct Case {
        QString typed;
        float stored;   // -1: refused
        QString text;
        QString message = FrmQuestPop::MsgPopulation;  // when refused
        QString locale = QStringLiteral("en_US");
        bool pasted = false;
    };
    const QString limit = "Population out of range: not more than 10,000,000 women in an age group";
    const QString limitIn = "Population out of range: not more than 1,00,00,000 women in an age group";
    const QString in = QStringLiteral("en_IN");
    const Case cases[] = {
        {"12.5", 12, "12"},        {"13.5", 14, "14"},    {"1,500", 1500, "1,500"}, {"2500", 2500, "2,500"},
        {"0", 0, "0"},             {"-3", -1, "-3"},      {"abc", -1, "abc"},       {"", -1, ""},
        {"(5)", -1, "(5)"},        {"1,5", -1, "1,5"},
        {"10000000", 10'000'000, "10,000,000"},           {"10000000.5", 10'000'000, "10,000,000"},
        {"10000001", -1, "10000001", limit},             {"3000000000", -1, "3000000000", limit},
        {"1e300", -1, "1e300", limit},       {"1e400", -1, "1e400", limit},
        // Beyond what a double holds; the box keeps as many digits as it takes.
        {QString(40000, u'9'), -1, {}, limit, QStringLiteral("en_US"), true},
        {"400000", 400000, "4,00,000", {}, in},          {"1,340,000", 1340000, "13,40,000", {}, in},
        {"13,40,000", 1340000, "13,40,000", {}, in},     {"10000000", 10'000'000, "1,00,00,000", {}, in},
        {"10000001", -1, "10000001", limitIn, in},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.locale + " " + c.typed.left(40)).toStdString());
        testsupport::LocaleScope scope{QLocale(c.locale)};
        FrmQuestPop& f = pop();
        program().vc.NoFem18 = -9;
        dialogs.clear();
        if (c.pasted) {
            QGuiApplication::clipboard()->setText(c.typed);
            QTest::keyClick(edit(f.txtNoFem18), Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(edit(f.txtNoFem18), Qt::Key_Tab);
        } else {
            typeAndTab(f.txtNoFem18, c.typed);
        }
        EXPECT_EQ(f.txtNoFem18.text(), c.pasted ? c.typed.left(edit(f.txtNoFem18)->maxLength()) : c.text);
        if (c.stored < 0) {
            EXPECT_EQ(dialogs.prompts(), std::vector<QString>{c.message});
            EXPECT_TRUE(f.txtNoFem18.hasFocus());
            EXPECT_EQ(program().vc.NoFem18, -9);
        } else {
            EXPECT_TRUE(dialogs.prompts().empty());
            EXPECT_EQ(program().vc.NoFem18, c.stored);
            EXPECT_EQ(f.counts[0], static_cast<int>(c.stored));
        }
        nextPass();
    }
}

TEST_F(QuestPopTest, OnlyTheLastCountAsksForAGroupAboveZero)
{
    struct Case {
        const char* name;
        QString n18, n1825, n25;
        std::vector<QString> messages;
    };
    const Case cases[] = {
        {"all zero", "0", "0", "0", {FrmQuestPop::MsgAllZero}},
        // A refused text is no figure: its own message alone.
        {"last empty", "0", "0", "", {FrmQuestPop::MsgPopulation}},
        {"last above the limit", "0", "0", "10000001",
         {"Population out of range: not more than 10,000,000 women in an age group"}},
        {"a fraction that rounds to none", "0.4", "0", "0", {FrmQuestPop::MsgAllZero}},
        {"one group", "0", "0", "7", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmQuestPop& f = pop();
        typeAndTab(f.txtNoFem18, c.n18);
        typeAndTab(f.txtNoFem1825, c.n1825);
        EXPECT_TRUE(dialogs.prompts().empty()) << "the first two fields accept zero";
        typeAndTab(f.txtNoFem25, c.n25);
        EXPECT_EQ(dialogs.prompts(), c.messages);
        EXPECT_EQ(f.txtNoFem25.hasFocus(), !c.messages.empty());
        dialogs.clear();
        nextPass();
    }
}

TEST_F(QuestPopTest, ContinueStoresTheDefaultsOfUntouchedPositivitiesAndGoesToTheTestSelection)
{
    FrmQuestPop& f = pop();
    typeAndTab(f.txtNoFem18, "2500");
    typeAndTab(f.txtNoFem1825, "4100");
    QTest::keyClicks(edit(f.txtNoFem25), "3300");
    press(f.cmdContinue);
    const VarCon& vc = program().vc;
    EXPECT_EQ((std::vector<float>{vc.NoFem18, vc.NoFem1825, vc.NoFem25}), (std::vector<float>{2500, 4100, 3300}));
    EXPECT_EQ((std::vector<float>{vc.PerFem18, vc.PerFem1825, vc.PerFem25}),
              (std::vector<float>{0.12f, 0.08f, 0.02f}));
    EXPECT_EQ(f.txtPerFem18.text(), "0.12") << "the field shows the figure in use";
    EXPECT_EQ(f.lblYV18.caption(), "12%");
    EXPECT_FALSE(f.isShown());
    EXPECT_TRUE(program().FrmTesting().isShown());
}

// Continue goes on only with every count given and one of them above zero.
TEST_F(QuestPopTest, ContinueChecksEveryCountItself)
{
    FrmQuestPop& f = pop();
    program().vc.NoFem1825 = 55;
    press(f.cmdContinue);
    EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmQuestPop::MsgPopulation}) << "the empty under-18 count";
    EXPECT_TRUE(f.txtNoFem18.hasFocus());
    EXPECT_EQ(program().vc.NoFem1825, 55);
    typeAndTab(f.txtNoFem18, "0");
    typeAndTab(f.txtNoFem1825, "0");
    dialogs.clear();
    QTest::keyClicks(edit(f.txtNoFem25), "0");
    press(f.cmdContinue);
    EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmQuestPop::MsgAllZero});
    EXPECT_TRUE(f.txtNoFem25.hasFocus());
    edit(f.txtNoFem25)->selectAll();
    QTest::keyClicks(edit(f.txtNoFem25), "1,200");
    press(f.cmdContinue);
    EXPECT_EQ(program().vc.NoFem25, 1200);
    EXPECT_TRUE(program().FrmTesting().isShown());
}

TEST_F(QuestPopTest, ContinueEndsAShowingFromTheSpecificityCheckAndNeverStrandsTheUser)
{
    // Shown modally by the specificity check: Continue only hides the form.
    FrmQuestPop& f = program().FrmQuestPop();
    program().vc.QuestPopFromSenSpec = -1;
    testsupport::whenModal(f, [&] {
        f.counts = {10, 10, 10};
        f.cmdContinue_Click();
    });
    f.showModal();
    EXPECT_FALSE(f.isShown());
    EXPECT_FALSE(program().FrmTesting().isLoaded());
    EXPECT_EQ(program().vc.QuestPopFromSenSpec, 0);

    // A flag left over from a showing that ended otherwise leads on as usual.
    program().vc.QuestPopFromSenSpec = -1;
    shown(f);
    f.cmdContinue_Click();
    EXPECT_TRUE(program().FrmTesting().isShown());
    EXPECT_EQ(program().vc.QuestPopFromSenSpec, 0);
}

// Back leaves the pass under way: the form loaded again shows what its
// fields took; the next pass asks afresh.
TEST_F(QuestPopTest, BackReturnsToTheConsoleAndOnlyANewPassEmptiesTheFields)
{
    FrmQuestPop& f = withCounts("100", "200", "300");
    program().vc.Region = "Lakeside";
    QTest::keyClick(f.window(), Qt::Key_F2);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_TRUE(program().FrmConsole().isShown());
    EXPECT_EQ(program().vc.NoFem25, 300) << "the model keeps what the fields stored";
    EXPECT_EQ(f.txtNoFem25.text(), "300");
    EXPECT_TRUE(f.Label1.caption().contains("at Lakeside over the past year."));
    nextPass();
    EXPECT_EQ(pop().txtNoFem25.text(), "");
    EXPECT_EQ(f.counts[2], std::nullopt);
}

} // namespace
