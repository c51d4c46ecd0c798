// Every way through the program as a person takes it, from start-up, by keys
// and clicks: which forms are on screen after each step, and the figures the
// result screens show against the acceptance programmes.

#include "PathFixture.h"

#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmInitQuest.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/FrmTesting.h"
#include "results/FrmScrResult.h"
#include "shell/FrmConsole.h"
#include "shell/FrmInstruct.h"
#include "shell/FrmInstructSwitch.h"
#include "shell/InstructionPages.h"
#include "shell/frmSplash.h"
#include "switchto/FrmSwitchTo.h"
#include "testchars/FrmDraftCostTest.h"
#include "testchars/FrmSenSpec.h"
#include "testchars/FrmTestCost.h"
#include "whatif/FrmGraph.h"
#include "whatif/FrmGraphResponse.h"
#include "whatif/FrmSwitchToAnaly.h"
#include "whatif/FrmSwitchToCost.h"

#include "platform/Chart.h"
#include "platform/Numbers.h"

#include <functional>

using paths::PathTest;
using testsupport::whenModal;

namespace {

const QString kGenProbe = QStringLiteral("gp_pcr_confirm");
const QString kPcrCervix = QStringLiteral("pcrc_noconfirm");

class Paths : public PathTest {
protected:
    // The comparison, cost and projection screens, each alone on screen,
    // show the programme's figures.
    void expectWhatIfScreens(const acceptance::Programme& prog)
    {
        Program& p = program();
        key(current(), Qt::Key_F1);
        expectOnScreen({"FrmSwitchTo"});
        expectFigures(p.FrmSwitchTo(), prog);
        key(p.FrmSwitchTo(), Qt::Key_F2);
        expectOnScreen({"FrmSwitchToCost"});
        expectFigures(p.FrmSwitchToCost(), prog);
        key(p.FrmSwitchToCost(), Qt::Key_F3);
        expectOnScreen({"FrmSwitchToAnaly"});
        expectFigures(p.FrmSwitchToAnaly(), prog);
        key(p.FrmSwitchToAnaly(), Qt::Key_F4);
        expectOnScreen({"FrmScrResult"});
        expectFigures(p.FrmScrResult(), prog);
    }

    // The value a chart holds for GenProbe, as the screens caption it.
    static QString genProbeBar(platform::Chart& chart, bool money)
    {
        for (const platform::ChartRow& row : chart.data().rows)
            if (row.label == "GP") {
                const double v = platform::Chart::number(row.value).value_or(-1);
                return money ? platform::numbers::formatCurrency(double(platform::numbers::roundHalfEven(v)))
                             : platform::numbers::groupedCountText(v);
            }
        return QString("no GenProbe row");
    }

    void startUpToTesting(const acceptance::Programme& prog)
    {
        startUpToConsole();
        consoleToPreview("Springfield");
        previewToPopulation();
        populationToTesting(prog);
    }

    // The switch step from the results screen, then each what-if screen in turn.
    void switchedScreens(const acceptance::Programme& prog)
    {
        switchStep();
        if (!HasFatalFailure())
            expectWhatIfScreens(prog);
    }

    // From the drug costs back through every question form to the population.
    void backToPopulation()
    {
        Program& p = program();
        const std::pair<const char*, std::function<void()>> backs[] = {
            {"FrmQuestPercent", [&] { click(p.FrmQuestDrugCost().cmdBack); }},
            {"FrmConfirm", [&] { click(p.FrmQuestPercent().cmdBack); }},
            {"FrmTesting", [&] { click(p.FrmConfirm().cmdBack); }},
            {"FrmQuestPop", [&] { click(p.FrmTesting().cmdBack); }},
        };
        for (const auto& [form, back] : backs) {
            SCOPED_TRACE(form);
            back();
            expectOnScreen({QString::fromLatin1(form)});
        }
    }

    // Everything a pass loads is gone; the console and the confirmation
    // answer stay.
    void expectPassUnloaded()
    {
        for (const char* name : {"FrmInitQuest", "FrmQuestPop", "FrmTesting", "FrmSenSpec", "FrmTestCost",
                                 "FrmQuestPercent", "FrmQuestDrugCost", "FrmScrResult", "FrmSwitchTo",
                                 "FrmSwitchToCost", "FrmSwitchToAnaly", "FrmGraph"}) {
            const platform::Form* f = program().runtime().findForm(QString::fromLatin1(name));
            EXPECT_FALSE(f && f->isLoaded()) << name;
        }
        EXPECT_TRUE(program().FrmConfirm().isLoaded());
    }
};

TEST_F(Paths, StartUpLeadsThroughTheInstructionsAndTheirChooserToTheConsole)
{
    Program& p = started();
    expectOnScreen({"frmSplash"});
    // A character key leaves the splash as a click does.
    key(p.frmSplash(), Qt::Key_A);
    expectOnScreen({"FrmInstructSwitch"});
    FrmInstructSwitch& viewer = p.FrmInstructSwitch();
    EXPECT_EQ(viewer.rtfInstructions.text(), instructionPageText(InstructionPage::About));
    key(viewer, Qt::Key_F2);
    EXPECT_EQ(viewer.rtfInstructions.text(), instructionPageText(InstructionPage::Documentation));

    // Forward: the chooser; a page button brings the viewer back on that page.
    FrmInstruct& chooser = p.FrmInstruct();
    QStringList whileChoosing;
    whenModal(chooser, [&] {
        whileChoosing = formsOnScreen();
        click(chooser.cmdHotKey);
    });
    click(viewer.cmdNext);
    EXPECT_EQ(whileChoosing, QStringList{"FrmInstruct"});
    expectOnScreen({"FrmInstructSwitch"});
    EXPECT_EQ(viewer.rtfInstructions.text(), instructionPageText(InstructionPage::SpecialKeys));

    // Return to Main (Ctrl+R) also asks the chooser; Model goes on to the console.
    whenModal(chooser, [&] { click(chooser.cmdModel); });
    key(viewer, Qt::Key_R, Qt::ControlModifier);
    expectOnScreen({"FrmConsole"});
    EXPECT_FALSE(viewer.isLoaded());
    EXPECT_FALSE(chooser.isLoaded());
}

class QuestionnairePath : public Paths, public ::testing::WithParamInterface<QString> {};

TEST_P(QuestionnairePath, LeadsFromTheConsoleToTheResultsOfTheProgramme)
{
    const acceptance::Programme prog = programme(GetParam());
    keyboardFirst = true;
    startUpToConsole();
    consoleToResults(prog);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(program().vc.Region, "Springfield");
    expectFigures(program().FrmScrResult(), prog);
    // Before the switch step the function keys lead nowhere else.
    for (int k : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4}) {
        key(program().FrmScrResult(), k);
        expectOnScreen({"FrmScrResult"});
    }
    EXPECT_FALSE(program().FrmSwitchTo().isLoaded());
}

INSTANTIATE_TEST_SUITE_P(Programmes, QuestionnairePath, ::testing::Values(kGenProbe, kPcrCervix),
                         [](const auto& info) { return info.param.toStdString(); });

TEST_F(Paths, TheSwitchStepLeadsBetweenTheFourResultScreensByFunctionKeysAndArrows)
{
    const acceptance::Programme prog = programme(kGenProbe);
    startUpToConsole();
    consoleToResults(prog);
    switchedScreens(prog);

    Program& p = program();
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* onScreen;
    };
    const Step steps[] = {
        {"results: forward arrow", [&] { click(p.FrmScrResult().cmdResume); }, "FrmSwitchTo"},
        {"comparison: forward arrow", [&] { click(p.FrmSwitchTo().cmdCost); }, "FrmSwitchToCost"},
        {"costs: forward arrow", [&] { click(p.FrmSwitchToCost().cmdProject); }, "FrmSwitchToAnaly"},
        {"projections: back arrow", [&] { click(p.FrmSwitchToAnaly().cmdCost); }, "FrmSwitchToCost"},
        {"costs: back arrow", [&] { click(p.FrmSwitchToCost().cmdTest); }, "FrmSwitchTo"},
        {"comparison: back arrow", [&] { click(p.FrmSwitchTo().cmdCSSR); }, "FrmScrResult"},
        {"results: F3", [&] { key(p.FrmScrResult(), Qt::Key_F3); }, "FrmSwitchToAnaly"},
        {"projections: F1", [&] { key(p.FrmSwitchToAnaly(), Qt::Key_F1); }, "FrmSwitchTo"},
        {"comparison: F1, its own", [&] { key(p.FrmSwitchTo(), Qt::Key_F1); }, "FrmSwitchTo"},
        {"comparison: F4", [&] { key(p.FrmSwitchTo(), Qt::Key_F4); }, "FrmScrResult"},
        {"results: F2", [&] { key(p.FrmScrResult(), Qt::Key_F2); }, "FrmSwitchToCost"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        expectOnScreen({QString::fromLatin1(s.onScreen)});
    }
    // Moving between the screens computes nothing again.
    expectWhatIfScreens(prog);
}

TEST_F(Paths, TheGraphOpensOverTheResultScreensAndItsChooserRedrawsIt)
{
    const acceptance::Programme prog = programme(kGenProbe);
    startUpToConsole();
    consoleToResults(prog);
    switchStep();
    ASSERT_FALSE(HasFatalFailure());
    Program& p = program();
    FrmGraph& graph = p.FrmGraph();

    const QString cases = prog.screens["FrmSwitchToAnaly.lblGPNoWom"].toString();
    const QString cost = prog.screens["FrmSwitchToAnaly.lblGPCOP"].toString();
    const QString perPositive = prog.screens["FrmSwitchToCost.lblST1PI"].toString();

    // From the projections' forward arrow, over the projections.
    key(p.FrmSwitchTo(), Qt::Key_F3);
    click(p.FrmSwitchToAnaly().cmdGraph);
    expectOnScreen({"FrmSwitchToAnaly", "FrmGraph"});
    EXPECT_TRUE(graph.chrNoWomen.visible());
    EXPECT_EQ(genProbeBar(graph.chrNoWomen, false), cases);
    key(graph, Qt::Key_F2);
    EXPECT_TRUE(graph.chrCost.visible());
    EXPECT_EQ(genProbeBar(graph.chrCost, true), cost);
    key(graph, Qt::Key_F3);
    EXPECT_TRUE(graph.chrPerPos.visible());
    EXPECT_EQ(genProbeBar(graph.chrPerPos, true), perPositive);

    // The forward arrow asks which chart next, the graph hidden meanwhile.
    FrmGraphResponse& chooser = p.FrmGraphResponse();
    QStringList whileChoosing;
    whenModal(chooser, [&] {
        whileChoosing = formsOnScreen();
        click(chooser.cmdNoWom);
    });
    click(graph.cmdNext);
    EXPECT_EQ(whileChoosing, (QStringList{"FrmSwitchToAnaly", "FrmGraphResponse"}));
    expectOnScreen({"FrmSwitchToAnaly", "FrmGraph"});
    EXPECT_TRUE(graph.chrNoWomen.visible());
    EXPECT_EQ(genProbeBar(graph.chrNoWomen, false), cases);

    // Its back arrow only hides it.
    click(graph.cmdResume);
    expectOnScreen({"FrmSwitchToAnaly"});

    // From the comparison's and the costs' Graph entry of the menu bar, and back by Ctrl+R.
    for (platform::Form* screen : {static_cast<platform::Form*>(&p.FrmSwitchTo()),
                                   static_cast<platform::Form*>(&p.FrmSwitchToCost())}) {
        SCOPED_TRACE(screen->name().toStdString());
        key(current(), screen == &p.FrmSwitchTo() ? Qt::Key_F1 : Qt::Key_F2);
        expectOnScreen({screen->name()});
        auto* bar = screen->window()->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        QAction* graphEntry = nullptr;
        for (QAction* a : bar->actions())
            if (a->text() == "&Graph")
                graphEntry = a;
        ASSERT_NE(graphEntry, nullptr);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(graphEntry).center());
        expectOnScreen({screen->name(), "FrmGraph"});
        EXPECT_EQ(genProbeBar(graph.chrNoWomen, false), cases);
        key(graph, Qt::Key_R, Qt::ControlModifier);
        expectOnScreen({screen->name()});
    }
}

TEST_F(Paths, BackToTheDrugCostsAndThroughTheQuestionnaireAgainShowsTheNewFigures)
{
    const acceptance::Programme first = programme(kGenProbe), second = programme(kPcrCervix);
    startUpToConsole();
    consoleToResults(first);
    switchedScreens(first);

    // The results screen's back arrow: the drug costs as they were typed.
    Program& p = program();
    click(p.FrmScrResult().cmdBack);
    expectOnScreen({"FrmQuestDrugCost"});
    EXPECT_EQ(p.FrmQuestDrugCost().AziDoseCost, Money::fromTicks(110000));
    // Agreeing again without a change shows the same figures once more.
    bringUp(p.FrmQuestDrugCost());
    click(p.FrmQuestDrugCost().cmdAgree);
    expectOnScreen({"FrmScrResult"});
    expectFigures(p.FrmScrResult(), first);
    switchedScreens(first);

    // Back (Ctrl+B this time) and through every question form to the
    // population, then on with the other programme.
    key(p.FrmScrResult(), Qt::Key_B, Qt::ControlModifier);
    expectOnScreen({"FrmQuestDrugCost"});
    backToPopulation();
    populationToResults(second);
    ASSERT_FALSE(HasFatalFailure());
    expectFigures(p.FrmScrResult(), second);
    switchedScreens(second);
}

TEST_F(Paths, ReturnToMainFromEachResultScreenLeadsToTheConsoleAndANewPass)
{
    const acceptance::Programme first = programme(kGenProbe), second = programme(kPcrCervix);
    startUpToConsole();
    Program& p = program();
    const std::pair<const char*, std::function<platform::Form&()>> screens[] = {
        {"results", [&]() -> platform::Form& { return p.FrmScrResult(); }},
        {"comparison", [&]() -> platform::Form& { return p.FrmSwitchTo(); }},
        {"costs", [&]() -> platform::Form& { return p.FrmSwitchToCost(); }},
        {"projections", [&]() -> platform::Form& { return p.FrmSwitchToAnaly(); }},
    };
    int pass = 0;
    for (const auto& [what, screen] : screens) {
        SCOPED_TRACE(what);
        const acceptance::Programme& prog = pass++ % 2 ? second : first;
        consoleToResults(prog, QString("Area %1").arg(pass));
        ASSERT_FALSE(HasFatalFailure());
        expectFigures(p.FrmScrResult(), prog);
        switchStep();
        ASSERT_FALSE(HasFatalFailure());
        expectWhatIfScreens(prog);
        platform::Form& from = screen();
        key(current(), from.name() == "FrmScrResult" ? Qt::Key_F4
                             : from.name() == "FrmSwitchTo" ? Qt::Key_F1
                             : from.name() == "FrmSwitchToCost" ? Qt::Key_F2 : Qt::Key_F3);
        expectOnScreen({from.name()});
        key(from, Qt::Key_R, Qt::ControlModifier);
        expectOnScreen({"FrmConsole"});
        expectPassUnloaded();
        EXPECT_EQ(p.vc.Region, QString("Area %1").arg(pass).toStdString());
    }
}


TEST_F(Paths, TheQuestionFormsLeadBackToTheConsoleAndANewPassStartsAfresh)
{
    const acceptance::Programme first = programme(kGenProbe), second = programme(kPcrCervix);
    startUpToConsole();
    Program& p = program();
    struct Case {
        const char* what;
        std::function<void()> reach;
        std::function<void()> back;
    };
    const Case cases[] = {
        {"population: Back (F2)", [] {}, [&] { key(p.FrmQuestPop(), Qt::Key_F2); }},
        {"test selection: Back to Main", [&] { populationToTesting(first); },
         [&] { choose(p.FrmTesting(), p.FrmTesting().mnuMain); }},
        {"test selection with its pair chosen: Back to Main",
         [&] {
             populationToTesting(first);
             choosePair("GenProbe", "PCR on GenProbe");
         },
         [&] { choose(p.FrmTesting(), p.FrmTesting().mnuMain); }},
        {"treatment: Back to Main",
         [&] {
             populationToTesting(first);
             testingToConfirm(first);
             confirmToPercent(first);
         },
         [&] { choose(p.FrmQuestPercent(), p.FrmQuestPercent().mnuMain); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        consoleToPreview("Springfield");
        previewToPopulation();
        c.reach();
        ASSERT_FALSE(HasFatalFailure());
        c.back();
        expectOnScreen({"FrmConsole"});
        // The new pass starts from the forms' load handlers with the other programme.
        consoleToResults(second);
        ASSERT_FALSE(HasFatalFailure());
        expectFigures(p.FrmScrResult(), second);
        key(p.FrmScrResult(), Qt::Key_R, Qt::ControlModifier);
        expectOnScreen({"FrmConsole"});
    }
}

TEST_F(Paths, TheInstructionsOpenedFromTheTestSelectionLeadBackToIt)
{
    const acceptance::Programme prog = programme(kGenProbe);
    // How the user leaves the chooser that the viewer's forward arrow opens.
    // (By Ctrl+R, Return to Main, instead of the forward arrow in the last case.)
    enum class Leave { Model, AboutThenModel, CloseBox, ReturnToMain };
    struct Case {
        const char* what;
        bool invalidPair;  // else the NGZ list is left without a choice, GenProbe chosen
        Leave leave;
    };
    const Case cases[] = {{"an unsupported pair", true, Leave::Model},
                          {"no NGZ test chosen", false, Leave::Model},
                          {"an unsupported pair, About first", true, Leave::AboutThenModel},
                          {"an unsupported pair, the chooser's close box", true, Leave::CloseBox},
                          {"no NGZ test chosen, Return to Main", false, Leave::ReturnToMain}};
    startUpToConsole();
    Program& p = program();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        consoleToPreview("Springfield");
        previewToPopulation();
        populationToTesting(prog);
        ASSERT_FALSE(HasFatalFailure());
        FrmTesting& testing = p.FrmTesting();
        FrmInstructSwitch& viewer = p.FrmInstructSwitch();
        FrmInstruct& chooser = p.FrmInstruct();

        QString pageShown;
        QStringList withTheViewer;
        whenModal(viewer, [&] {
            pageShown = viewer.rtfInstructions.text();
            withTheViewer = formsOnScreen();
            switch (c.leave) {
            case Leave::Model:
                whenModal(chooser, [&] { click(chooser.cmdModel); });
                break;
            case Leave::AboutThenModel:
                whenModal(chooser, [&] {
                    click(chooser.cmdAbout);
                    whenModal(chooser, [&] { click(chooser.cmdModel); });
                    click(viewer.cmdNext);
                });
                break;
            case Leave::CloseBox:
                whenModal(chooser, [&] { chooser.window()->close(); });
                break;
            case Leave::ReturnToMain:
                whenModal(chooser, [&] { click(chooser.cmdModel); });
                key(viewer, Qt::Key_R, Qt::ControlModifier);
                return;
            }
            click(viewer.cmdNext);
        });
        dialogs.answer(platform::Answer::Yes);
        dialogs.clear();
        if (c.invalidPair) {
            choosePair("EIA", "PCR on GenProbe");
            EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmTesting::MsgInvalidPair});
        } else {
            bringUp(testing);
            clickItem(testing.lstScreenTest, 0);
            QTest::keyClick(testing.lstScreenTest.widget(), Qt::Key_Tab);
            QTest::keyClick(testing.lstNgzTest.widget(), Qt::Key_Tab);
            EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmTesting::MsgNoNgzTest});
        }
        EXPECT_EQ(pageShown, instructionPageText(InstructionPage::DetailedInstructions));
        EXPECT_TRUE(withTheViewer.contains("FrmTesting") && withTheViewer.contains("FrmInstructSwitch"))
            << withTheViewer.join(", ").toStdString();
        expectOnScreen({"FrmTesting"});
        EXPECT_EQ(p.vc.InstructFromTesting, 0);
        EXPECT_FALSE(viewer.isLoaded());

        // The user goes on from where the instructions were asked for.
        testingToConfirm(prog);
        confirmToPercent(prog);
        percentToDrugCosts(prog);
        drugCostsToResults(prog);
        ASSERT_FALSE(HasFatalFailure());
        expectFigures(p.FrmScrResult(), prog);
        key(p.FrmScrResult(), Qt::Key_R, Qt::ControlModifier);
        expectOnScreen({"FrmConsole"});
    }
}

// Exit, from each screen that offers it, ends the program at once. The walk
// goes as far as the stage, then the screen's Exit is used: its F12, its
// menu item chosen with the mouse, or the graph chooser's end button.
enum class Stage { Instructions, Console, Preview, Population, Treatment, DrugCosts, Results, WhatIf, Graph, GraphChooser };
enum class ExitBy { F12, Menu, EndButton };

struct ExitCase {
    const char* name;
    Stage stage;
    const char* form;
    ExitBy by;
};

class ExitPath : public Paths, public ::testing::WithParamInterface<ExitCase> {
protected:
    void reach(Stage stage, const QString& form)
    {
        const acceptance::Programme prog = programme(kGenProbe);
        Program& p = started();
        click(p.frmSplash().Frame1);
        if (stage == Stage::Instructions)
            return;
        FrmInstruct& chooser = p.FrmInstruct();
        whenModal(chooser, [&chooser] { click(chooser.cmdModel); });
        click(p.FrmInstructSwitch().cmdNext);
        const std::function<void()> steps[] = {
            [] {},
            [&] { consoleToPreview("Springfield"); },
            [&] { previewToPopulation(); },
            [&] {
                populationToTesting(prog);
                testingToConfirm(prog);
                confirmToPercent(prog);
            },
            [&] { percentToDrugCosts(prog); },
            [&] { drugCostsToResults(prog); },
            [&] {
                switchStep();
                key(current(), form == "FrmSwitchToCost" ? Qt::Key_F2 : form == "FrmSwitchToAnaly" ? Qt::Key_F3 : Qt::Key_F1);
            },
            [&] {
                key(current(), Qt::Key_F3);
                click(p.FrmSwitchToAnaly().cmdGraph);
            },
        };
        for (int s = 0; s <= int(stage) - int(Stage::Console) && s < int(std::size(steps)); ++s) {
            steps[s]();
            if (HasFatalFailure())
                return;
        }
    }
};

const ExitCase kExits[] = {
    {"instructions", Stage::Instructions, "FrmInstructSwitch", ExitBy::F12},
    {"console", Stage::Console, "FrmConsole", ExitBy::F12},
    {"preview", Stage::Preview, "FrmInitQuest", ExitBy::Menu},
    {"population", Stage::Population, "FrmQuestPop", ExitBy::Menu},
    {"treatment", Stage::Treatment, "FrmQuestPercent", ExitBy::Menu},
    {"drug_costs", Stage::DrugCosts, "FrmQuestDrugCost", ExitBy::Menu},
    {"results", Stage::Results, "FrmScrResult", ExitBy::F12},
    {"comparison", Stage::WhatIf, "FrmSwitchTo", ExitBy::F12},
    {"costs", Stage::WhatIf, "FrmSwitchToCost", ExitBy::F12},
    {"projections", Stage::WhatIf, "FrmSwitchToAnaly", ExitBy::F12},
    {"graph", Stage::Graph, "FrmGraph", ExitBy::F12},
    {"graph_chooser", Stage::GraphChooser, "FrmGraphResponse", ExitBy::EndButton},
};

// A close box on the screen of each stage: the program either ends or keeps
// a form on screen; it never runs on with nothing to show.
class CloseBoxPath : public ExitPath {};

TEST_P(CloseBoxPath, LeavesAFormOnScreenOrEndsTheProgram)
{
    const ExitCase& c = GetParam();
    reach(c.stage, c.form);
    ASSERT_FALSE(HasFatalFailure());
    if (c.stage == Stage::GraphChooser) {
        FrmGraphResponse& chooser = program().FrmGraphResponse();
        whenModal(chooser, [&] { chooser.window()->close(); });
        click(program().FrmGraph().cmdNext);
        expectOnScreen({"FrmSwitchToAnaly", "FrmGraph"});
        return;
    }
    platform::Form& form = current();
    ASSERT_EQ(form.name(), c.form);
    form.window()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(endCalls == 1 || program().runtime().anyFormVisible()) << "nothing on screen, still running";
    EXPECT_FALSE(form.isLoaded());
}

INSTANTIATE_TEST_SUITE_P(Screens, CloseBoxPath, ::testing::ValuesIn(kExits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(ExitPath, EndsTheProgramAtOnce)
{
    const ExitCase& c = GetParam();
    reach(c.stage, c.form);
    ASSERT_FALSE(HasFatalFailure());
    Program& p = program();
    const auto questions = dialogs.shown().size();
    if (c.by == ExitBy::EndButton) {
        FrmGraphResponse& chooser = p.FrmGraphResponse();
        whenModal(chooser, [&] {
            click(chooser.cmdEnd);
            // The process would be gone here; in a test the modal loop is left by hand.
            if (endCalls == 1)
                chooser.hide();
        });
        click(p.FrmGraph().cmdNext);
    } else {
        platform::Form& form = current();
        ASSERT_EQ(form.name(), c.form);
        ASSERT_EQ(endCalls, 0);
        if (c.by == ExitBy::F12) {
            key(form, Qt::Key_F12);
        } else {
            platform::MenuItem* exit = nullptr;
            for (platform::MenuItem* m : form.menuItems())
                if (m->name() == "mnuExit")
                    exit = m;
            ASSERT_NE(exit, nullptr);
            choose(form, *exit);
        }
    }
    EXPECT_EQ(endCalls, 1);
    EXPECT_EQ(dialogs.shown().size(), questions) << "Exit asks no question";
}

INSTANTIATE_TEST_SUITE_P(Screens, ExitPath, ::testing::ValuesIn(kExits),
                         [](const auto& info) { return std::string(info.param.name); });


TEST_F(Paths, TheTestCharacteristicsLeftOpenBesideTheQuestionnaireComeUpForTheSwitchStep)
{
    // The user never closes the rows of test characteristics that the test
    // selection opened; they stay beside each question form.
    const acceptance::Programme prog = programme(kPcrCervix);
    startUpToTesting(prog);
    Program& p = program();
    choosePair("PCR Cervix", "No NGZ Test");
    expectOnScreen({"FrmTesting", "FrmSenSpec"});
    leftOpen = QStringList{"FrmSenSpec"};
    bringUp(p.FrmTesting());
    click(p.FrmTesting().cmdNext);
    expectOnScreen({"FrmConfirm"});
    confirmToPercent(prog);
    percentToDrugCosts(prog);
    drugCostsToResults(prog);
    ASSERT_FALSE(HasFatalFailure());
    expectFigures(p.FrmScrResult(), prog);

    // The switch step's review takes the open form over, modally, and leaves it closed.
    bool reviewedModally = false;
    whenModal(p.FrmSenSpec(), [&] {
        reviewedModally = true;
        bringUp(p.FrmSenSpec());
        click(p.FrmSenSpec().cmdNext);
    });
    bringUp(p.FrmScrResult());
    click(p.FrmScrResult().cmdSwitchTo);
    EXPECT_TRUE(reviewedModally);
    leftOpen.clear();
    expectOnScreen({"FrmSwitchTo"});
    expectWhatIfScreens(prog);
}

TEST_F(Paths, TheSpecificityCheckLeadsToThePopulationAndTheTestSelectionBackLeadsOnFromIt)
{
    const acceptance::Programme prog = programme(kGenProbe);
    startUpToTesting(prog);
    Program& p = program();
    choosePair("GenProbe", "PCR on GenProbe");
    FrmSenSpec& senSpec = p.FrmSenSpec();
    FrmQuestPop& pop = p.FrmQuestPop();
    bringUp(senSpec);
    ASSERT_TRUE(senSpec.TxtGPSens.hasFocus());
    QTest::keyClick(senSpec.TxtGPSens.widget(), Qt::Key_Tab);

    // 0.97 and the over-25 positivity of 0.02 fall short of 1: the user
    // answers 1, to change the positivity, and the population comes up over it.
    dialogs.type("1");
    QStringList withThePopulation;
    whenModal(pop, [&] {
        withThePopulation = formsOnScreen();
        bringUp(pop);
        pop.txtPerFem25.setFocus();
        typeAndTab(pop.txtPerFem25, "0.05");
        click(pop.cmdContinue);
    });
    typeAndTab(senSpec.TxtGPSpec, "0.97");
    EXPECT_EQ(withThePopulation, (QStringList{"FrmQuestPop", "FrmTesting", "FrmSenSpec"}));
    expectOnScreen({"FrmTesting", "FrmSenSpec"});
    EXPECT_TRUE(senSpec.TxtGPSpec.hasFocus());
    EXPECT_FLOAT_EQ(p.vc.PerFem25, 0.05f);
    // Left again, the specificity now passes.
    QTest::keyClick(senSpec.TxtGPSpec.widget(), Qt::Key_Tab);
    EXPECT_FALSE(senSpec.TxtGPSpec.hasFocus());
    EXPECT_FLOAT_EQ(p.vc.SpecGP, 0.97f);

    // Back from the test selection to the population: its Continue leads on
    // to the test selection again, not into nothing.
    bringUp(p.FrmTesting());
    click(p.FrmTesting().cmdBack);
    expectOnScreen({"FrmQuestPop"});
    EXPECT_EQ(pop.txtPerFem25.text(), "0.05");
    bringUp(pop);
    click(pop.cmdContinue);
    expectOnScreen({"FrmTesting"});
}

TEST_F(Paths, AGraphLeftOpenShowsNoFiguresOfAnEarlierPass)
{
    const acceptance::Programme first = programme(kGenProbe), second = programme(kPcrCervix);
    startUpToConsole();
    consoleToResults(first);
    switchStep();
    ASSERT_FALSE(HasFatalFailure());
    Program& p = program();
    key(current(), Qt::Key_F3);
    click(p.FrmSwitchToAnaly().cmdGraph);
    expectOnScreen({"FrmSwitchToAnaly", "FrmGraph"});
    // The user goes back to the projections beneath, then to the current strategy.
    key(p.FrmSwitchToAnaly(), Qt::Key_F4);
    EXPECT_EQ(formsOnScreen(), (QStringList{"FrmScrResult", "FrmGraph"}));

    // Back into the questionnaire: the charts of this pass go from the screen
    // with the screens they were drawn from.
    click(p.FrmScrResult().cmdBack);
    expectOnScreen({"FrmQuestDrugCost"});
    backToPopulation();
    populationToResults(second);
    expectOnScreen({"FrmScrResult"});
    switchStep();
    ASSERT_FALSE(HasFatalFailure());
    // Opened again, it charts the new pass.
    key(current(), Qt::Key_F3);
    click(p.FrmSwitchToAnaly().cmdGraph);
    expectOnScreen({"FrmSwitchToAnaly", "FrmGraph"});
    EXPECT_EQ(genProbeBar(p.FrmGraph().chrNoWomen, false), second.screens["FrmSwitchToAnaly.lblGPNoWom"].toString());
}

TEST_F(Paths, TheSwitchStepGoesOnHoweverItsReviewIsLeft)
{
    const acceptance::Programme prog = programme(kGenProbe);
    struct Case {
        const char* what;
        std::function<void(FrmSenSpec&)> leave;
    };
    const Case cases[] = {
        {"forward arrow", [](FrmSenSpec& f) { click(f.cmdNext); }},
        {"back arrow", [](FrmSenSpec& f) { click(f.cmdBack); }},
        {"close box", [](FrmSenSpec& f) { f.window()->close(); }},
    };
    startUpToConsole();
    Program& p = program();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        consoleToResults(prog);
        ASSERT_FALSE(HasFatalFailure());
        whenModal(p.FrmSenSpec(), [&] {
            expectOnScreen({"FrmSenSpec"});
            bringUp(p.FrmSenSpec());
            c.leave(p.FrmSenSpec());
        });
        bringUp(p.FrmScrResult());
        click(p.FrmScrResult().cmdSwitchTo);
        expectOnScreen({"FrmSwitchTo"});
        expectWhatIfScreens(prog);
        key(current(), Qt::Key_R, Qt::ControlModifier);
        expectOnScreen({"FrmConsole"});
    }
}


TEST_F(Paths, UnitCostsTypedOnTheWayReachEveryResultScreen)
{
    // The EIA programme's own unit costs: the screening test's and the DFA
    // retest's on the rows of test characteristics, the DFA confirmation's on
    // the unit-cost form that the answer Yes opens, before the user settles on No.
    const acceptance::Programme prog = programme("eia_dfa_noconfirm_costs");
    const QJsonObject own = prog.figures["overrides"].toObject();
    startUpToTesting(prog);
    Program& p = program();
    choosePair("EIA", "DFA on EIA");
    FrmSenSpec& senSpec = p.FrmSenSpec();
    bringUp(senSpec);
    click(senSpec.txtTestCostEia);
    typeAndTab(senSpec.txtTestCostEia, own["CostEIA"].toString());
    click(senSpec.txtTestCostEIADFA);
    typeAndTab(senSpec.txtTestCostEIADFA, own["CostDNGZ"].toString());
    click(senSpec.cmdNext);
    expectOnScreen({"FrmTesting"});
    bringUp(p.FrmTesting());
    click(p.FrmTesting().cmdNext);
    expectOnScreen({"FrmConfirm"});

    FrmConfirm& confirm = p.FrmConfirm();
    bringUp(confirm);
    click(confirm.optConfirm[0]);
    expectOnScreen({"FrmConfirm", "FrmTestCost"});
    FrmTestCost& unitCosts = p.FrmTestCost();
    bringUp(unitCosts);
    ASSERT_TRUE(unitCosts.TxtCostDFA.hasFocus());
    typeAndTab(unitCosts.TxtCostDFA, own["CostDFA"].toString());
    click(unitCosts.cmdNext);
    bringUp(confirm);
    click(confirm.optConfirm[1]);
    click(confirm.cmdForward);
    expectOnScreen({"FrmQuestPercent"});
    percentToDrugCosts(prog);
    drugCostsToResults(prog);
    ASSERT_FALSE(HasFatalFailure());
    expectFigures(p.FrmScrResult(), prog);
    switchedScreens(prog);
}


TEST_F(Paths, FiguresChangedInTheReviewDoNotOutliveTheReturnToMain)
{
    const acceptance::Programme prog = programme(kGenProbe);
    startUpToConsole();
    consoleToResults(prog);
    ASSERT_FALSE(HasFatalFailure());
    Program& p = program();
    FrmSenSpec& review = p.FrmSenSpec();
    bool locked = false;
    whenModal(review, [&] {
        bringUp(review);
        locked = !review.TxtGPSens.widget()->isEnabled() && !review.TxtGPSpec.widget()->isEnabled();
        click(review.TxtEIASens);
        typeAndTab(review.TxtEIASens, "0.6");
        click(review.cmdNext);
    });
    bringUp(p.FrmScrResult());
    click(p.FrmScrResult().cmdSwitchTo);
    expectOnScreen({"FrmSwitchTo"});
    EXPECT_TRUE(locked) << "the current test's figures are shown but locked";
    // EIA, in the comparison's first slot, finds fewer with the lower sensitivity.
    EXPECT_LT(testsupport::captionOf(p.FrmSwitchTo(), "lblSAT1IDTot").toInt(),
              prog.screens["FrmSwitchTo.lblSAT1IDTot"].toString().toInt());
    EXPECT_EQ(testsupport::captionOf(p.FrmSwitchTo(), "lblCTTIDTot"), prog.screens["FrmSwitchTo.lblCTTIDTot"].toString());

    key(p.FrmSwitchTo(), Qt::Key_R, Qt::ControlModifier);
    expectOnScreen({"FrmConsole"});
    consoleToResults(prog);
    ASSERT_FALSE(HasFatalFailure());
    expectFigures(p.FrmScrResult(), prog);
    switchedScreens(prog);
}


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
    consoleToResults(prog);
    ASSERT_FALSE(HasFatalFailure());
    expectFigures(program().FrmScrResult(), prog);
    switchedScreens(prog);
    key(program().FrmScrResult(), Qt::Key_R, Qt::ControlModifier);
    expectOnScreen({"FrmConsole"});
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
    consoleToPreview("Springfield");
    ASSERT_FALSE(HasFatalFailure());

    // The PID probabilities and cure rates, looked over and left by the forward arrow.
    choose(preview, preview.mnuProbabilities);
    expectOnScreen({"FrmInitQuest", "FrmSenSpec"});
    EXPECT_TRUE(p.FrmSenSpec().fraProb.visible());
    bringUp(p.FrmSenSpec());
    click(p.FrmSenSpec().cmdNext);
    expectOnScreen({"FrmInitQuest"});

    // The test-cost calculator, left by its forward arrow without a cost worked out.
    choose(preview, preview.mnuTestCostCalculator);
    expectOnScreen({"FrmInitQuest", "FrmDraftCostTest"});
    bringUp(p.FrmDraftCostTest());
    click(p.FrmDraftCostTest().cmdNext);
    expectOnScreen({"FrmInitQuest"});

    previewToPopulation();
    populationToResults(prog);
    ASSERT_FALSE(HasFatalFailure());
    expectFigures(p.FrmScrResult(), prog);
    switchedScreens(prog);
}

} // namespace
