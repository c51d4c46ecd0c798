// The sensitivity and specificity form: its defaults, the ranges of its rate
// fields, its test-cost fields, the specificity check and the forward button.

#include "questionnaire/FrmQuestPop.h"
#include "testchars/FrmSenSpec.h"
#include "testchars/FrmTestCost.h"
#include "TestCharsFixture.h"

#include "platform/Numbers.h"
#include "support/LocaleScope.h"

#include <QMainWindow>
#include <array>
#include <functional>

using testchars_test::edit;
using testchars_test::typeAndTab;

namespace {

const QString kNumeric = "Value must be numeric and greater than zero";
const QString kSensRange = "Value out of Range";
const QString kSpecRange = "Values out of range";

class SenSpecTest : public testsupport::ProgramTest {
protected:
    // Every row and both frames on, the form on screen with its window active.
    static FrmSenSpec& allRows(Program& p)
    {
        FrmSenSpec& f = p.FrmSenSpec();
        f.prepareComparisonView();
        f.fraProb.setVisible(true);
        f.show();
        activate(f);
        return f;
    }
    FrmSenSpec& form() { return allRows(program()); }

    void positivity(float p18, float p1825, float p25, float women = 100)
    {
        VarCon& vc = program().vc;
        vc.PerFem18 = p18, vc.PerFem1825 = p1825, vc.PerFem25 = p25;
        vc.NoFem18 = vc.NoFem1825 = vc.NoFem25 = women;
    }
};

struct Rate {
    platform::TextBox FrmSenSpec::*field;
    float VarCon::*var;
    float fallback;  // the default
    float lowest, highest;
    QString rangeMessage;
};

const Rate kRanges[] = {
    {&FrmSenSpec::TxtGPSens, &VarCon::SensGP, 0.7f, 0.55f, 0.99f, kSensRange},
    {&FrmSenSpec::TxtGPSpec, &VarCon::SpecGP, 0.987f, 0.93f, 1.0f, kSpecRange},
    {&FrmSenSpec::TxtEIASens, &VarCon::SensEIA, 0.7f, 0.55f, 0.97f, kSensRange},
    {&FrmSenSpec::TxtEIASpec, &VarCon::SpecEIA, 0.985f, 0.94f, 1.0f, kSpecRange},
    {&FrmSenSpec::TxtPCRCSens, &VarCon::SensPCRC, 0.9f, 0.75f, 1.0f, kSensRange},
    {&FrmSenSpec::TxtPCRCSpec, &VarCon::SpecPCRC, 0.996f, 0.92f, 1.0f, kSpecRange},
    {&FrmSenSpec::TxtPCRUSens, &VarCon::SensPCRU, 0.85f, 0.62f, 1.0f, kSensRange},
    {&FrmSenSpec::TxtPCRUSpec, &VarCon::SpecPCRU, 0.996f, 0.97f, 1.0f, kSpecRange},
    {&FrmSenSpec::TxtLCRCSens, &VarCon::SensLCRC, 0.9f, 0.88f, 0.98f, kSensRange},
    {&FrmSenSpec::TxtLCRCSpec, &VarCon::SpecLCRC, 0.996f, 0.98f, 1.0f, kSpecRange},
    {&FrmSenSpec::TxtLCRUSens, &VarCon::SensLCRU, 0.85f, 0.81f, 1.0f, kSensRange},
    {&FrmSenSpec::TxtLCRUSpec, &VarCon::SpecLCRU, 0.996f, 0.98f, 1.0f, kSpecRange},
    {&FrmSenSpec::txtPCRGPSens, &VarCon::SensPCRGP, 0.89f, 0.75f, 0.99f, kSensRange},
    {&FrmSenSpec::txtPCRGPSpec, &VarCon::SpecPCRGP, 0.998f, 0.759f, 0.999f, kSpecRange},
    {&FrmSenSpec::txtDFAEIASens, &VarCon::SensDFAEIA, 0.871f, 0.75f, 0.99f, kSensRange},
    {&FrmSenSpec::txtDFAEIASpec, &VarCon::SpecDFAEIA, 0.998f, 0.759f, 0.999f, kSpecRange},
    {&FrmSenSpec::txtPCREIASens, &VarCon::SensPCREIA, 0.89f, 0.75f, 0.99f, kSensRange},
    {&FrmSenSpec::txtPCREIASpec, &VarCon::SpecPCREIA, 0.998f, 0.759f, 0.999f, kSpecRange},
    {&FrmSenSpec::txtProbPid, &VarCon::ProbPid, 0.15f, 0.1f, 0.2f, kSensRange},
    {&FrmSenSpec::txtProbPidFactor, &VarCon::ProbPidFactor, 0.06f, 0.01f, 0.11f, kSensRange},
};

TEST_F(SenSpecTest, LoadingWritesEveryDefaultOverWhatTheModelHeld)
{
    VarCon& vc = program().vc;
    for (const Rate& r : kRanges)
        vc.*r.var = 0.5f;
    vc.CCRateDox = vc.CCRateAzi = 0.5f;

    FrmSenSpec& f = program().FrmSenSpec();
    f.load();
    ASSERT_TRUE(program().FrmTestCost().isLoaded()) << "the unit-cost form is loaded for its costs";
    for (const Rate& r : kRanges) {
        SCOPED_TRACE((f.*r.field).name().toStdString());
        EXPECT_EQ(vc.*r.var, r.fallback);
        EXPECT_EQ((f.*r.field).text(), platform::numbers::generalFormat(r.fallback));
        if ((f.*r.field).container() == &f.fraScrTest) {
            EXPECT_FALSE((f.*r.field).visible()) << "rows start hidden";
        }
    }
    EXPECT_EQ(vc.CCRateDox, 0.857f);
    EXPECT_EQ(vc.CCRateAzi, 0.965f);
    EXPECT_EQ(f.txtCCRateAzi.text(), "0.965");
    EXPECT_EQ(f.txtTestCostEIAPCR.text(), "$9.66");
    EXPECT_EQ(f.txtTestCostEIADFA.text(), "$4.20");
    EXPECT_EQ(f.caption(), "Senitivity and Specifity");
    EXPECT_FALSE(f.lblNGZTitle.visible());
    EXPECT_TRUE(f.lblInstruction.caption().startsWith("The following are the test performance"));
}

// Every bound of every range field, typed as a fraction and as a percentage,
// just outside it both ways, and the texts that are no number above zero.
TEST_F(SenSpecTest, RangeFieldsAcceptTheirBoundsAndRefuseWhatLiesOutside)
{
    for (const Rate& r : kRanges) {
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        FrmSenSpec& f = allRows(p);
        platform::TextBox& box = f.*r.field;
        const auto pct = [](float v) { return QString::number(double(v) * 100, 'g', 6); };
        struct Case {
            QString typed;
            QString message;  // empty: accepted
            float stored;     // what the field reads, accepted or not
        };
        const Case cases[] = {
            {QString::number(double(r.lowest), 'g', 6), {}, r.lowest},
            {QString::number(double(r.highest), 'g', 6), {}, r.highest},
            {pct(r.lowest), {}, r.lowest},
            {pct(r.highest), {}, r.highest},
            {QString::number(double(r.lowest) - 0.001, 'g', 6), r.rangeMessage, 0},
            {QString::number(double(r.highest) + 0.001, 'g', 6), r.rangeMessage, 0},
            {QString::number(double(r.highest) * 100 + 0.1, 'g', 6), r.rangeMessage, 0},
            {"", kNumeric, 0},
            {"0", kNumeric, 0},
            {"-0.5", kNumeric, 0},
            {"high", kNumeric, 0},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE((box.name() + " typed '" + c.typed + "'").toStdString());
            // A typed 1 is 1 %, so a bound of 1.0 can only be typed as 100, and a
            // bound below 1 % not as a percentage at all.
            if ((c.typed == pct(r.lowest) && r.lowest < 0.01f) || c.typed == "1")
                continue;
            script.clear();
            const float before = p.vc.*r.var;
            typeAndTab(box, c.typed);
            if (c.message.isEmpty()) {
                EXPECT_TRUE(script.prompts().empty());
                EXPECT_EQ(p.vc.*r.var, c.stored);
                EXPECT_EQ(box.text(), platform::numbers::generalFormat(c.stored));
                EXPECT_FALSE(box.hasFocus());
                continue;
            }
            ASSERT_EQ(script.prompts(), std::vector<QString>{c.message});
            EXPECT_TRUE(box.hasFocus()) << "the focus stays";
            EXPECT_EQ(edit(box)->selectedText(), box.text()) << "the whole text is selected";
            EXPECT_EQ(p.vc.*r.var, before) << "a refused value does not reach the model";
            if (c.message == kNumeric) {
                EXPECT_EQ(box.text(), c.typed) << "a text that is no number stays as typed";
            }
        }
    }
}

// A typed value of 1 or more is a percentage; the value a field wrote itself
// is not read as one again, but the same text typed over it is. Cure rates
// above a hundred percent are refused, and so is a positive rate that a float
// holds only as 0. In every locale, in its notation.
TEST_F(SenSpecTest, PercentagesAreReadOnlyFromTypedText)
{
    struct Case {
        platform::TextBox FrmSenSpec::*field;
        float VarCon::*var;
        QString typed;
        float first;    // after the typed value was left
        QString shown;  // empty: refused with the message
        QString message;
    };
    const Case cases[] = {
        {&FrmSenSpec::TxtGPSpec, &VarCon::SpecGP, "100", 1.0f, "1", {}},
        {&FrmSenSpec::TxtPCRCSens, &VarCon::SensPCRC, "100", 1.0f, "1", {}},
        {&FrmSenSpec::TxtGPSens, &VarCon::SensGP, "98.7", 0.987f, "0.987", {}},
        {&FrmSenSpec::txtProbPidFactor, &VarCon::ProbPidFactor, "1", 0.01f, "0.01", {}},
        {&FrmSenSpec::txtCCRateDox, &VarCon::CCRateDox, "150", 0.857f, {}, kSensRange},
        {&FrmSenSpec::txtCCRateDox, &VarCon::CCRateDox, "100.5", 0.857f, {}, kSensRange},
        {&FrmSenSpec::txtCCRateDox, &VarCon::CCRateDox, "abc", 0.857f, {}, kNumeric},
        {&FrmSenSpec::txtCCRateDox, &VarCon::CCRateDox, "0", 0.857f, {}, kNumeric},
        {&FrmSenSpec::txtCCRateDox, &VarCon::CCRateDox, "1e-50", 0.857f, {}, kNumeric},
        {&FrmSenSpec::txtCCRateDox, &VarCon::CCRateDox, "100", 1.0f, "1", {}},
        // "1" typed over the "1" that 100 % left is 1 %.
        {&FrmSenSpec::txtCCRateDox, &VarCon::CCRateDox, "1", 0.01f, "0.01", {}},
        {&FrmSenSpec::txtCCRateAzi, &VarCon::CCRateAzi, "1", 0.01f, "0.01", {}},
        {&FrmSenSpec::txtCCRateAzi, &VarCon::CCRateAzi, "90", 0.9f, "0.9", {}},
        {&FrmSenSpec::TxtGPSpec, &VarCon::SpecGP, "1", 1.0f, {}, kSpecRange},
    };
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France),
                                  QLocale(QStringLiteral("ar_EG"))}) {
        testsupport::LocaleScope scope(locale);
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        FrmSenSpec& f = allRows(p);
        // The defaults the form wrote pass as they stand.
        for (platform::TextBox* box : {&f.TxtGPSens, &f.TxtGPSpec, &f.txtCCRateDox}) {
            box->setFocus();
            QTest::keyClick(edit(*box), Qt::Key_Tab);
        }
        EXPECT_TRUE(script.prompts().empty()) << locale.name().toStdString();
        for (const Case& c : cases) {
            SCOPED_TRACE(locale.name().toStdString() + " " + (f.*c.field).name().toStdString() + " " +
                         c.typed.toStdString());
            script.clear();
            typeAndTab(f.*c.field, testsupport::localDecimals(c.typed));
            EXPECT_EQ(p.vc.*c.var, c.first);
            if (!c.message.isEmpty()) {
                EXPECT_EQ(script.prompts(), std::vector<QString>{c.message});
                EXPECT_TRUE((f.*c.field).hasFocus());
                (f.*c.field).setText(platform::numbers::generalFormat(p.vc.*c.var));
                continue;
            }
            EXPECT_EQ((f.*c.field).text(), testsupport::localDecimals(c.shown));
            // Entering and leaving again without typing keeps the value.
            (f.*c.field).setFocus();
            QTest::keyClick(edit(f.*c.field), Qt::Key_Tab);
            EXPECT_EQ(p.vc.*c.var, c.first);
            EXPECT_EQ((f.*c.field).text(), testsupport::localDecimals(c.shown));
            EXPECT_TRUE(script.prompts().empty());
        }
        // A grouping that fits no thousands group could mean two numbers.
        script.clear();
        typeAndTab(f.TxtGPSens, locale.decimalPoint() == "," ? "0.7" : "1,5");
        EXPECT_EQ(script.prompts(), std::vector<QString>{kNumeric}) << locale.name().toStdString();
    }
}

TEST_F(SenSpecTest, AFieldLockedWhileItHoldsARefusedValueShowsTheLastAcceptedOne)
{
    FrmSenSpec& f = form();
    typeAndTab(f.TxtGPSens, "40");
    ASSERT_TRUE(f.TxtGPSens.hasFocus());
    ASSERT_EQ(f.TxtGPSens.text(), "0.4");
    f.lockRow(SenSpecRow::GP);
    EXPECT_EQ(program().vc.SensGP, 0.7f);
    EXPECT_EQ(f.TxtGPSens.text(), "0.7");
}

// The specificity check of a single field: it asks once when the value and
// the positivity of a group with women (or with a positivity) fall short of 1,
// and every answer but 1 leaves the value to change.
TEST_F(SenSpecTest, ALowSpecificityAsksWhatToChange)
{
    struct Case {
        const char* name;
        QString typed;
        float per18, per1825, per25;
        float n18, n1825, n25;  // women in each group
        bool specEntered;
        QString answer;
        bool asks;
        std::vector<QString> messages;
    };
    const QString sorry =
        "I am sorry, but one(changing the percentage positive) is not an option, Changing positivity rates now "
        "will change the values you viewed on your current screening strategies will not be accurate. You must "
        "change the specificity.";
    const QString oneOrTwo = "You need to select either 1 or 2";
    const Case cases[] = {
        {"2", "0.95", 0, 0, 0.02f, 0, 0, 100, false, "2", true, {}},
        {"1 after the step was completed", "0.95", 0, 0, 0.02f, 0, 0, 100, true, "1", true, {sorry}},
        {"blank before 1", "0.95", 0, 0, 0.02f, 0, 0, 100, false, " 1", true, {oneOrTwo}},
        {"word", "0.95", 0, 0, 0.02f, 0, 0, 100, false, "one", true, {oneOrTwo}},
        {"cancel", "0.95", 0, 0, 0.02f, 0, 0, 100, false, "", true, {oneOrTwo}},
        {"0.98 and 2 % make exactly 1", "0.98", 0.02f, 0.02f, 0.02f, 100, 100, 100, false, "2", false, {}},
        {"0.98 and 1.9 %", "0.98", 0.019f, 0.02f, 0.02f, 100, 100, 100, false, "2", true, {}},
        {"a specificity of 1 never fails", "100", 0, 0, 0, 100, 100, 100, false, "2", false, {}},
        {"women without positivity", "0.999", 0, 0, 0, 100, 100, 100, false, "2", true, {}},
        {"no women and no positivity are left out", "0.95", 0, 0, 0, 0, 0, 0, false, "2", false, {}},
        {"no women but a positivity is tested", "0.95", 0.02f, 0, 0, 0, 0, 0, false, "2", true, {}},
        {"one group of three fails", "0.95", 0.12f, 0.08f, 0.02f, 100, 100, 100, false, "2", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        p.vc.PerFem18 = c.per18, p.vc.PerFem1825 = c.per1825, p.vc.PerFem25 = c.per25;
        p.vc.NoFem18 = c.n18, p.vc.NoFem1825 = c.n1825, p.vc.NoFem25 = c.n25;
        p.vc.SpecEntered = c.specEntered ? -1 : 0;
        FrmSenSpec& f = allRows(p);
        script.type(c.answer);
        typeAndTab(f.TxtGPSpec, c.typed);
        EXPECT_EQ(f.TxtGPSpec.hasFocus(), c.asks);
        if (!c.asks) {
            EXPECT_TRUE(script.shown().empty());
            continue;
        }
        ASSERT_EQ(script.shown().size(), c.messages.size() + 1) << "one question per validation";
        const testsupport::RecordedDialog& box = script.shown().front();
        EXPECT_TRUE(box.isInputBox);
        EXPECT_EQ(box.defaultText, "2");
        EXPECT_TRUE(box.title.isEmpty());
        EXPECT_TRUE(box.prompt.contains("\r\nSelect 1 to change percentage of positive women. \r\n"));
        EXPECT_EQ(script.prompts(), c.messages);
        EXPECT_EQ(edit(f.TxtGPSpec)->selectedText(), c.typed);
        EXPECT_EQ(p.vc.SpecGP, 0.987f) << "a refused figure never reaches the model";
        EXPECT_EQ(p.vc.QuestPopFromSenSpec, 0);
    }
}

TEST_F(SenSpecTest, AnsweringOneOpensThePopulationFormAndChecksAgainstWhatItStored)
{
    FrmSenSpec& f = form();
    positivity(0, 0, 0.02f, 0);
    program().vc.NoFem25 = 100;
    FrmQuestPop& pop = program().FrmQuestPop();
    bool flagWhileOpen = false;
    testsupport::whenModal(pop, [&] {
        flagWhileOpen = program().vc.QuestPopFromSenSpec == -1;
        program().vc.PerFem25 = 0.1f;  // what the user enters there
        pop.hide();
    });
    dialogs.type("1");
    typeAndTab(f.TxtGPSpec, "95");
    EXPECT_TRUE(flagWhileOpen);
    EXPECT_EQ(program().vc.QuestPopFromSenSpec, 0);
    EXPECT_TRUE(f.TxtGPSpec.hasFocus()) << "the specificity keeps the focus";
    EXPECT_EQ(edit(f.TxtGPSpec)->selectedText(), "0.95");

    dialogs.clear();
    QTest::keyClick(edit(f.TxtGPSpec), Qt::Key_Tab);
    EXPECT_TRUE(dialogs.shown().empty()) << "0.95 and 10 % pass";
    EXPECT_FALSE(f.TxtGPSpec.hasFocus());
}

// A specificity refused for its range never comes into use: the check that
// follows the range message reads the figure in use, and so does the
// population form that answer 1 brings up.
TEST_F(SenSpecTest, AnOutOfRangeSpecificityIsCheckedWithTheFigureInUse)
{
    struct Case {
        const char* name;
        std::array<float, 3> positivity;
        QString named;  // what the population form's Continue refuses; empty: no question
    };
    const Case cases[] = {
        {"the figure in use fits", {0.12f, 0.08f, 0.1f}, {}},
        {"the figure in use falls short too", {0, 0.08f, 0.1f},
         "Females Under 18: 0% positive; GenProbe specificity 0.987."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        const auto [p18, p1825, p25] = c.positivity;
        p.vc.PerFem18 = p18, p.vc.PerFem1825 = p1825, p.vc.PerFem25 = p25;
        p.vc.NoFem18 = p.vc.NoFem1825 = p.vc.NoFem25 = 100;
        FrmSenSpec& f = allRows(p);
        FrmQuestPop& pop = p.FrmQuestPop();
        QString refusal;
        if (!c.named.isEmpty())
            testsupport::whenModal(pop, [&] {
                activate(pop);
                for (platform::TextBox* count : {&pop.txtNoFem18, &pop.txtNoFem1825, &pop.txtNoFem25})
                    typeAndTab(*count, "100");
                for (auto [field, share] : {std::pair{&pop.txtPerFem18, p18}, {&pop.txtPerFem1825, p1825},
                                            {&pop.txtPerFem25, p25}})
                    typeAndTab(*field, platform::numbers::generalFormat(share));
                QTest::mouseClick(pop.cmdContinue.widget(), Qt::LeftButton);
                refusal = script.shown().back().prompt;
                pop.window()->close();
            });
        // Without a conflict in use, a question would be answered 2.
        script.type(c.named.isEmpty() ? "2" : "1");
        typeAndTab(f.TxtGPSpec, "50");
        ASSERT_FALSE(script.shown().empty());
        EXPECT_EQ(script.shown()[0].prompt, kSpecRange);
        EXPECT_EQ(script.shown().size(), c.named.isEmpty() ? 1u : 3u);
        if (!c.named.isEmpty()) {
            EXPECT_TRUE(script.shown()[1].isInputBox);
            EXPECT_TRUE(refusal.endsWith(c.named)) << refusal.toStdString();
        }
        EXPECT_TRUE(f.TxtGPSpec.hasFocus());
        EXPECT_EQ(p.vc.SpecGP, 0.987f);
    }
}

// The forward button's own check: the first visible, enabled specificity
// whose sum with a positivity is below 1 gets the message and the focus.
TEST_F(SenSpecTest, ForwardRefusesTheFirstVisibleEnabledSpecificityTooLow)
{
    struct Case {
        const char* name;
        float positivity;
        std::function<void(FrmSenSpec&)> view;
        platform::TextBox FrmSenSpec::*refused;  // null: the step passes
    };
    const auto genProbeRow = [](FrmSenSpec& f) {
        f.fraProb.setVisible(false);
        f.showRow(SenSpecRow::GP);
        f.show();
    };
    const Case cases[] = {
        {"GenProbe at 1 %", 0.01f, genProbeRow, &FrmSenSpec::TxtGPSpec},
        {"GenProbe at 1.3 %, which rounds to 1 in 32 bits", 0.013f, genProbeRow, nullptr},
        {"comparison view after a GenProbe pass", 0.001f,
         [](FrmSenSpec& f) {
             f.prepareComparisonView();
             f.lockRow(SenSpecRow::GP);
             f.lockRow(SenSpecRow::PCRGP);
             f.show();
         },
         &FrmSenSpec::TxtEIASpec},
        {"probability view of a fresh form", 0.001f, [](FrmSenSpec& f) { f.showProbabilityView(); }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedDialogs script;
        Program p(script, screen, &printer, [] {});
        p.vc.NoFem25 = 10;
        p.vc.PerFem25 = c.positivity;
        FrmSenSpec& f = p.FrmSenSpec();
        c.view(f);
        activate(f);
        QTest::mouseClick(f.cmdNext.widget(), Qt::LeftButton);
        EXPECT_EQ(f.isShown(), c.refused != nullptr);
        EXPECT_TRUE(f.isLoaded());
        EXPECT_EQ(p.vc.SpecEntered, c.refused ? 0 : -1);
        if (!c.refused)
            continue;
        ASSERT_EQ(script.prompts().size(), 1u);
        EXPECT_TRUE(script.prompts()[0].startsWith("At least, one of the fields percentage of infected "));
        EXPECT_TRUE((f.*c.refused).hasFocus());
    }
}

TEST_F(SenSpecTest, ThePcrRetestCostLeftLastIsTheOneKept)
{
    FrmSenSpec& f = form();
    typeAndTab(f.txtTestCostPCRGP, "12");
    EXPECT_EQ(program().vc.CostPNGZ, Money::fromTicks(120000));
    f.txtTestCostEIAPCR.setFocus();
    EXPECT_EQ(f.txtTestCostEIAPCR.text(), "12") << "entering shows the shared cost";
    typeAndTab(f.txtTestCostEIAPCR, "11.5");
    QTest::mouseClick(f.cmdNext.widget(), Qt::LeftButton);
    ASSERT_FALSE(f.isShown());
    EXPECT_EQ(f.txtTestCostPCRGP.text(), "$11.50");
    EXPECT_EQ(program().vc.CostPNGZ, Money::fromTicks(115000));
    EXPECT_EQ(program().FrmTestCost().TxtCostPNGZ.text(), "$11.50");
}

TEST_F(SenSpecTest, BackUnloadsAndTheFieldsFiguresHoldForThePass)
{
    FrmSenSpec& f = form();
    typeAndTab(f.TxtEIASens, "80");
    QTest::mouseClick(f.cmdBack.widget(), Qt::LeftButton);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(program().vc.SensEIA, 0.8f);
    EXPECT_EQ(program().vc.SpecEntered, 0);
    f.load();
    EXPECT_EQ(program().vc.SensEIA, 0.8f) << "a later load of the pass keeps the figure";
    EXPECT_EQ(f.TxtEIASens.text(), "0.8");
    f.unload();
    program().returnToConsole();
    f.load();
    EXPECT_EQ(program().vc.SensEIA, 0.7f) << "a new pass starts from the default";
    EXPECT_EQ(f.TxtEIASens.text(), "0.7");
}

TEST_F(SenSpecTest, HoverHelpFollowsTheMouse)
{
    FrmSenSpec& f = form();
    const QString rule68(68, u'_');
    struct Case {
        const char* name;
        QWidget* over;
        QString startsWith;
        QString endsWith;
    };
    const Case cases[] = {
        {"probability frame", f.fraProb.widget(), "Probability Factors \r\n" + rule68 + "\r\n",
         "\r\nFor Azithromycin the rate = 0.965 "},
        {"test frame", f.fraScrTest.widget(), "Test     Sensitivity Range       Specificity Range \r\n",
         " EIAPCR   0.75 through 0.999       0.759 through 0.999"},
        {"form", f.window()->centralWidget(), "The following are the test performance characteristics",
         "greater than 2%.\r\n\r\nRecommendation: By tabbing through these fields, the values will be checked "
         "for valid conditions."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testchars_test::moveOver(c.over);
        EXPECT_TRUE(f.lblInstruction.caption().startsWith(c.startsWith)) << f.lblInstruction.caption().toStdString();
        EXPECT_TRUE(f.lblInstruction.caption().endsWith(c.endsWith));
    }
    // With a decimal comma the ranges read as the fields write and take them.
    testsupport::LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    testchars_test::moveOver(f.fraProb.widget());
    testchars_test::moveOver(f.fraScrTest.widget());
    EXPECT_TRUE(f.lblInstruction.caption().endsWith(" EIAPCR   0,75 through 0,999       0,759 through 0,999"))
        << f.lblInstruction.caption().toStdString();
}

} // namespace
