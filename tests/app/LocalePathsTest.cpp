// The way through in other locales and on other screens, the preview's
// options, and a positivity that does not fit the screening test wherever it
// comes in.

#include "Paths.h"

using namespace paths_test;

namespace {

struct LocaleCase {
    const char* name;
    std::map<std::string, std::string> environment;
    const char* locale;  // the locale the program takes from it
    const char* programme;
    testsupport::Writing writing = {};
    bool paste = false;
};

class LocalePath : public Paths, public ::testing::WithParamInterface<LocaleCase> {
protected:
    // Every figure on the loaded forms and in every message so far has the
    // digits 0-9, whatever digits the locale has of its own.
    void expectDigitsZeroToNine()
    {
        QStringList texts;
        for (const QString& prompt : dialogs.prompts())
            texts << prompt;
        int figures = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (QLabel* label : window->findChildren<QLabel*>())
                texts << label->text();
            for (QLineEdit* field : window->findChildren<QLineEdit*>())
                texts << field->text();
        }
        for (const QString& text : texts) {
            EXPECT_TRUE(testsupport::onlyAsciiDigits(text)) << text.toStdString();
            figures += text.contains(QRegularExpression(QStringLiteral("[0-9]"))) ? 1 : 0;
        }
        EXPECT_GT(figures, 100);
    }
};

TEST_P(LocalePath, TypedFiguresGiveTheSameResultsInTheLocalesNotation)
{
    const LocaleCase& c = GetParam();
    testsupport::EnvironmentScope environment(c.environment);
    testsupport::LocaleScope scope(programLocale());
    ASSERT_EQ(QLocale().name(), c.locale);
    writeFigure = [&c](const QString& f) { return testsupport::written(f, c.writing); };
    pasteFigures = c.paste;
    const acceptance::Programme prog = programme(c.programme);
    keyboardFirst = true;
    startUpToConsole();
    if (prog.figures.contains("overrides")) {
        ASSERT_NO_FATAL_FAILURE(ownUnitCostsToResults(prog));
    } else {
        ASSERT_NO_FATAL_FAILURE(consoleToResults(prog));
    }
    switchedScreens(prog);
    expectDigitsZeroToNine();
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocalePath,
    ::testing::Values(
        LocaleCase{"de_gp", {{"LC_ALL", ""}, {"LC_NUMERIC", ""}, {"LANG", "de_DE.UTF-8"}}, "de_DE", "gp_pcr_confirm", {"."}},
        LocaleCase{"de_eia", {{"LC_ALL", "de_DE.UTF-8"}, {"LC_NUMERIC", "C"}, {"LANG", "C"}}, "de_DE", "eia_dfa_noconfirm_costs"},
        // LC_NUMERIC is followed whatever LANG says.
        LocaleCase{"de_numeric_pcrc", {{"LC_ALL", ""}, {"LC_NUMERIC", "de_DE.UTF-8"}, {"LANG", "C.UTF-8"}}, "de_DE",
                   "pcrc_noconfirm", {"."}},
        // A typed space groups where the locale groups with a narrow no-break space.
        LocaleCase{"fr_gp", {{"LC_ALL", ""}, {"LC_NUMERIC", ""}, {"LANG", "fr_FR.UTF-8"}}, "fr_FR", "gp_pcr_confirm", {" "}},
        // Pasted with no-break spaces, one before each figure too.
        LocaleCase{"fr_eia_pasted", {{"LC_ALL", ""}, {"LC_NUMERIC", ""}, {"LANG", "fr_FR.UTF-8"}}, "fr_FR",
                   "eia_dfa_noconfirm_costs", {"\u00a0", false, "\u00a0"}, true},
        LocaleCase{"fr_pcrc", {{"LC_ALL", ""}, {"LC_NUMERIC", ""}, {"LANG", "fr_FR.UTF-8"}}, "fr_FR", "pcrc_noconfirm"},
        // The apostrophe a Swiss keyboard types for U+2019.
        LocaleCase{"ch_gp", {{"LC_ALL", ""}, {"LC_NUMERIC", ""}, {"LANG", "de_CH.UTF-8"}}, "de_CH", "gp_pcr_confirm", {"'"}},
        // Figures typed in the locale's own digits; every figure shown in 0-9.
        LocaleCase{"ar_gp", {{"LC_ALL", ""}, {"LC_NUMERIC", ""}, {"LANG", "ar_EG.UTF-8"}}, "ar_EG", "gp_pcr_confirm",
                   {"\u066c", true}},
        LocaleCase{"ar_eia", {{"LC_ALL", ""}, {"LC_NUMERIC", ""}, {"LANG", "ar_EG.UTF-8"}}, "ar_EG", "eia_dfa_noconfirm_costs"},
        // Digits beyond the Basic Multilingual Plane, pasted: every amount is read.
        LocaleCase{"ccp_eia", {{"LC_ALL", ""}, {"LC_NUMERIC", ""}, {"LANG", "ccp_BD.UTF-8"}}, "ccp_BD",
                   "eia_dfa_noconfirm_costs", {",", true}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// The whole way on other screens: maximised on a larger one, and on the
// smallest screen the program runs on, where the caution is answered No.
struct ScreenCase {
    const char* name;
    int width, height;
    platform::Answer maximise;
};

class OtherScreen : public Paths, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(OtherScreen, TheWholeWayHolds)
{
    const ScreenCase& c = GetParam();
    const acceptance::Programme prog = programme(kGenProbe);
    screen.setSize(c.width, c.height);
    startUpToConsole(c.maximise);
    ASSERT_NO_FATAL_FAILURE(consoleToResults(prog));
    switchedScreens(prog);
    returnToConsole(program().FrmScrResult());
}

INSTANTIATE_TEST_SUITE_P(Screens, OtherScreen,
                         ::testing::Values(ScreenCase{"maximised_1280", 1280, 1024, platform::Answer::Yes},
                                           ScreenCase{"small_800", 800, 600, platform::Answer::No}),
                         [](const auto& info) { return std::string(info.param.name); });


TEST_F(Paths, ThePreviewsOptionsLeadBackToItAndLeaveTheFiguresAlone)
{
    const acceptance::Programme prog = programme(kPcrCervix);
    startUpToConsole();
    Program& p = program();
    FrmInitQuest& preview = p.FrmInitQuest();
    ASSERT_NO_FATAL_FAILURE(consoleToPreview("Springfield"));

    // The PID probabilities and cure rates, looked over and left by the forward arrow.
    choose(preview, preview.mnuProbabilities);
    expectOnScreen({"FrmInitQuest", "FrmSenSpec"});
    EXPECT_TRUE(p.FrmSenSpec().fraProb.visible());
    clickThrough(p.FrmSenSpec(), p.FrmSenSpec().cmdNext, {"FrmInitQuest"});

    // The test-cost calculator, left by its forward arrow without a cost worked out.
    choose(preview, preview.mnuTestCostCalculator);
    expectOnScreen({"FrmInitQuest", "FrmDraftCostTest"});
    clickThrough(p.FrmDraftCostTest(), p.FrmDraftCostTest().cmdNext, {"FrmInitQuest"});

    previewToPopulation();
    ASSERT_NO_FATAL_FAILURE(populationToResults(prog));
    switchedScreens(prog);
}


// A positivity that does not fit the screening test's figures (the
// specificity plus the positivity short of 1, or a positivity above the
// sensitivity) is refused wherever it comes in, naming the group and both
// figures, and the user is led to the figure to change.
enum class Moment { SensitivityField, TestSelectionForward, PopulationContinue, AgreeStep };

struct PositivityCase {
    const char* name;
    Moment moment;
    int group;             // the age group whose positivity is typed
    const char* typed;     // as the user types it
    const char* named;     // what the refusal says of the figures
    const char* screening = "GenProbe";  // the test chosen at the start
    SenSpecRow row = SenSpecRow::GP;     // and its row of the characteristics
};

class PositivityPath : public Paths, public ::testing::WithParamInterface<PositivityCase> {
protected:
    // The refusal shown last names the group and both figures.
    void expectRefusal(const PositivityCase& c)
    {
        ASSERT_FALSE(dialogs.shown().empty());
        const QString last = dialogs.shown().back().prompt;
        EXPECT_TRUE(last.contains(QString::fromUtf8(c.named))) << last.toStdString();
    }

    platform::TextBox& positivityField(FrmQuestPop& pop, int group)
    {
        platform::TextBox* fields[] = {&pop.txtPerFem18, &pop.txtPerFem1825, &pop.txtPerFem25};
        return *fields[group];
    }
};

TEST_P(PositivityPath, IsRefusedWithTheWayBackToTheFigure)
{
    const PositivityCase& c = GetParam();
    const acceptance::Programme prog = programme(kGenProbe);
    acceptance::Programme typedIn = prog;
    QJsonArray rates = prog.figures["PerFem"].toArray();
    const QJsonValue own = rates[c.group];
    const bool atTheStart = c.moment == Moment::SensitivityField || c.moment == Moment::TestSelectionForward;
    if (atTheStart)
        rates[c.group] = QString::fromUtf8(c.typed);
    typedIn.figures["PerFem"] = rates;
    startUpToTesting(typedIn);
    Program& p = program();
    FrmSenSpec& senSpec = p.FrmSenSpec();
    FrmQuestPop& pop = p.FrmQuestPop();
    // The user puts the programme's own positivity back on the population
    // form that the refusal leads to.
    const auto putBack = [&] {
        bringUp(pop);
        platform::TextBox& field = positivityField(pop, c.group);
        ASSERT_TRUE(field.hasFocus()) << "the refused positivity is the one to change";
        typeAndTab(field, own.toVariant().toString());
        click(pop.cmdContinue);
    };

    switch (c.moment) {
    case Moment::SensitivityField:
        choosePair("GenProbe", "PCR on GenProbe");
        bringUp(senSpec);
        ASSERT_TRUE(senSpec.TxtGPSens.hasFocus());
        dialogs.type("2");
        QTest::keyClick(senSpec.TxtGPSens.widget(), Qt::Key_Tab);
        expectRefusal(c);
        EXPECT_TRUE(senSpec.TxtGPSens.hasFocus());
        return;
    case Moment::TestSelectionForward:
        choosePair(QString::fromUtf8(c.screening), c.row == SenSpecRow::GP ? "PCR on GenProbe" : "No NGZ Test");
        dialogs.type("2");
        clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmTesting", "FrmSenSpec"});
        expectRefusal(c);
        EXPECT_TRUE(senSpec.sensitivityField(c.row).hasFocus());
        EXPECT_FALSE(p.FrmConfirm().isShown());
        return;
    case Moment::PopulationContinue:
    case Moment::AgreeStep:
        break;
    }

    // The EIA rows stay on the characteristics after GenProbe is chosen; the
    // pair goes on while they stay open beside the questionnaire.
    choosePair("EIA", "No NGZ Test");
    choosePair("GenProbe", "PCR on GenProbe");
    leftOpen = QStringList{"FrmSenSpec"};
    clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});
    // An EIA specificity of 0.95 falls short with the over-25 positivity:
    // answer 1, and the population comes up over the characteristics.
    bringUp(senSpec);
    click(senSpec.TxtEIASpec);
    dialogs.type("1");
    bool refusedAtContinue = false;
    whenModal(pop, [&] {
        bringUp(pop);
        platform::TextBox& field = positivityField(pop, c.group);
        click(field);
        typeAndTab(field, QString::fromUtf8(c.typed));
        click(pop.cmdContinue);
        refusedAtContinue = pop.isModal() && field.hasFocus();
        if (c.moment == Moment::PopulationContinue)
            expectRefusal(c);
        // The user gives up on the positivity: the close box.
        pop.window()->close();
    });
    typeAndTab(senSpec.TxtEIASpec, "0.95");
    if (c.moment == Moment::PopulationContinue) {
        EXPECT_TRUE(refusedAtContinue);
        return;
    }
    // The user leaves the EIA figures as they are and goes on with the
    // questions: EIA is not the test in use.
    confirmToPercent(prog);
    percentToDrugCosts(prog);
    // The agree step refuses: the results are not computed from figures
    // the screening test in use cannot have produced.
    whenModal(pop, putBack);
    drugCostsTo(prog, "FrmQuestDrugCost");
    expectRefusal(c);
    EXPECT_FALSE(p.FrmScrResult().isLoaded());
    // Agreed again with the positivity put back: the programme's own results.
    clickThrough(p.FrmQuestDrugCost(), p.FrmQuestDrugCost().cmdAgree, {"FrmScrResult"});
    expectFigures(p.FrmScrResult(), prog);
}

const PositivityCase kPositivityCases[] = {
    {"sensitivity_field", Moment::SensitivityField, 0, "80", "Females Under 18: 80% positive; GenProbe sensitivity 0.7"},
    {"test_selection_forward", Moment::TestSelectionForward, 0, "80",
     "Females Under 18: 80% positive; GenProbe sensitivity 0.7"},
    // The list shows PCR Urine after LCR Cervix; the way back is its own row.
    {"test_selection_forward_pcr_urine", Moment::TestSelectionForward, 0, "95",
     "Females Under 18: 95% positive; PCR Urine sensitivity 0.85.", "PCR Urine", SenSpecRow::PCRU},
    {"population_continue", Moment::PopulationContinue, 1, "75", "Females 18 to 25: 75% positive; EIA sensitivity 0.7"},
    {"agree_step_sum", Moment::AgreeStep, 2, "0.005", "Females over 25: 0.5% positive; GenProbe specificity 0.987"},
    {"agree_step_sensitivity", Moment::AgreeStep, 0, "90", "Females Under 18: 90% positive; GenProbe sensitivity 0.7"},
};

INSTANTIATE_TEST_SUITE_P(Moments, PositivityPath, ::testing::ValuesIn(kPositivityCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
