// Every way through the program as a person takes it, from start-up, by keys
// and clicks: which forms are on screen after each step, and the figures the
// result screens show against the acceptance programmes.

#include "PathFixture.h"

#include "app/ProgramLocale.h"
#include "shell/InstructionPages.h"
#include "platform/Chart.h"
#include "platform/Numbers.h"
#include "support/LocaleScope.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRegularExpression>

#include <cmath>
#include <functional>
#include <map>
#include <string>

using paths::PathTest;
using testsupport::whenModal;

namespace {

const QString kGenProbe = QStringLiteral("gp_pcr_confirm");
const QString kPcrCervix = QStringLiteral("pcrc_noconfirm");
const char* const kResultScreens[] = {"FrmSwitchTo", "FrmSwitchToCost", "FrmSwitchToAnaly", "FrmScrResult"};

class Paths : public PathTest {
protected:
    // The comparison, cost and projection screens, each alone on screen,
    // show the programme's figures.
    void expectWhatIfScreens(const acceptance::Programme& prog)
    {
        for (const char* screen : kResultScreens) {
            key(current(), screenKey(screen));
            expectOnScreen({screen});
            expectFigures(current(), prog);
        }
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
        ASSERT_NO_FATAL_FAILURE(switchStep());
        expectWhatIfScreens(prog);
    }

    // The EIA programme's own unit costs: the screening test's and the DFA
    // retest's on the rows of test characteristics, the DFA confirmation's on
    // the unit-cost form that the answer Yes opens, before the user settles
    // on No. From the console to the results screen.
    void ownUnitCostsToResults(const acceptance::Programme& prog)
    {
        const QJsonObject own = prog.figures["overrides"].toObject();
        auto typed = [&](const char* name) { return figure(own[name]); };
        consoleToPreview("Springfield");
        previewToPopulation();
        populationToTesting(prog);
        Program& p = program();
        choosePair("EIA", "DFA on EIA");
        FrmSenSpec& senSpec = p.FrmSenSpec();
        bringUp(senSpec);
        click(senSpec.txtTestCostEia);
        enterFigure(senSpec.txtTestCostEia, typed("CostEIA"));
        click(senSpec.txtTestCostEIADFA);
        enterFigure(senSpec.txtTestCostEIADFA, typed("CostDNGZ"));
        click(senSpec.cmdNext);
        expectOnScreen({"FrmTesting"});
        clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});

        ASSERT_NO_FATAL_FAILURE(answerYes(p.FrmTestCost().TxtCostDFA, typed("CostDFA")));
        click(p.FrmTestCost().cmdNext);
        FrmConfirm& confirm = p.FrmConfirm();
        bringUp(confirm);
        click(confirm.optConfirm[1]);
        click(confirm.cmdForward);
        expectOnScreen({"FrmQuestPercent"});
        percentToDrugCosts(prog);
        drugCostsToResults(prog);
    }

    // From the drug costs back through every question form to the population.
    void backToPopulation()
    {
        Program& p = program();
        clickThrough(p.FrmQuestDrugCost(), p.FrmQuestDrugCost().cmdBack, {"FrmQuestPercent"});
        clickThrough(p.FrmQuestPercent(), p.FrmQuestPercent().cmdBack, {"FrmConfirm"});
        clickThrough(p.FrmConfirm(), p.FrmConfirm().cmdBack, {"FrmTesting"});
        clickThrough(p.FrmTesting(), p.FrmTesting().cmdBack, {"FrmQuestPop"});
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
    returnToConsole(viewer);
    EXPECT_FALSE(viewer.isLoaded());
    EXPECT_FALSE(chooser.isLoaded());
}

class QuestionnairePath : public Paths, public ::testing::WithParamInterface<QString> {};

TEST_P(QuestionnairePath, LeadsFromTheConsoleToTheResultsOfTheProgramme)
{
    const acceptance::Programme prog = programme(GetParam());
    keyboardFirst = true;
    startUpToConsole();
    ASSERT_NO_FATAL_FAILURE(consoleToResults(prog));
    EXPECT_EQ(program().vc.Region, "Springfield");
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
    // Figures that a recomputation would pick up.
    Program& p = program();
    p.vc.CostPID = p.vc.CostGP = Money::fromTicks(1);

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
        {"costs: F2, its own", [&] { key(p.FrmSwitchToCost(), Qt::Key_F2); }, "FrmSwitchToCost"},
        {"costs: F1", [&] { key(p.FrmSwitchToCost(), Qt::Key_F1); }, "FrmSwitchTo"},
        {"comparison: F3", [&] { key(p.FrmSwitchTo(), Qt::Key_F3); }, "FrmSwitchToAnaly"},
        {"projections: F3, its own", [&] { key(p.FrmSwitchToAnaly(), Qt::Key_F3); }, "FrmSwitchToAnaly"},
        {"projections: F2", [&] { key(p.FrmSwitchToAnaly(), Qt::Key_F2); }, "FrmSwitchToCost"},
        {"costs: F4", [&] { key(p.FrmSwitchToCost(), Qt::Key_F4); }, "FrmScrResult"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        expectOnScreen({QString::fromLatin1(s.onScreen)});
        for (const char* screen : kResultScreens) {
            const platform::Form* f = p.runtime().findForm(screen);
            EXPECT_TRUE(f && f->isLoaded()) << screen << ": the screen left behind is hidden, not unloaded";
        }
    }
    // Moving between the screens computes nothing again; only a new load takes the changed figures.
    expectWhatIfScreens(prog);
    p.FrmSwitchToCost().unload();
    p.FrmSwitchToCost().load();
    EXPECT_NE(p.FrmSwitchToCost().lblST1CT.caption(), prog.screens["FrmSwitchToCost.lblST1CT"].toString());
}

TEST_F(Paths, TheGraphOpensOverTheResultScreensAndItsChooserRedrawsIt)
{
    const acceptance::Programme prog = programme(kGenProbe);
    startUpToConsole();
    consoleToResults(prog);
    ASSERT_NO_FATAL_FAILURE(switchStep());
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

    // From the Graph entry of each screen's menu bar, and back by Ctrl+R.
    for (const char* name : {"FrmSwitchTo", "FrmSwitchToCost", "FrmSwitchToAnaly"}) {
        SCOPED_TRACE(name);
        key(current(), screenKey(name));
        expectOnScreen({name});
        platform::Form* screen = &current();
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
    clickThrough(p.FrmQuestDrugCost(), p.FrmQuestDrugCost().cmdAgree, {"FrmScrResult"});
    expectFigures(p.FrmScrResult(), first);
    switchedScreens(first);
    // The graph, opened over the projections, stays open as the user goes
    // back to the projections beneath, then to the current strategy.
    key(current(), Qt::Key_F3);
    clickThrough(p.FrmSwitchToAnaly(), p.FrmSwitchToAnaly().cmdGraph, {"FrmSwitchToAnaly", "FrmGraph"});
    key(p.FrmSwitchToAnaly(), Qt::Key_F4);
    EXPECT_EQ(formsOnScreen(), (QStringList{"FrmScrResult", "FrmGraph"}));

    // Back (Ctrl+B this time): the charts of this pass go from the screen
    // with the screens they were drawn from. Through every question form to
    // the population, then on with the other programme.
    key(p.FrmScrResult(), Qt::Key_B, Qt::ControlModifier);
    expectOnScreen({"FrmQuestDrugCost"});
    backToPopulation();
    ASSERT_NO_FATAL_FAILURE(populationToResults(second));
    switchedScreens(second);
    // Opened again, the graph charts the new pass.
    key(current(), Qt::Key_F3);
    clickThrough(p.FrmSwitchToAnaly(), p.FrmSwitchToAnaly().cmdGraph, {"FrmSwitchToAnaly", "FrmGraph"});
    EXPECT_EQ(genProbeBar(p.FrmGraph().chrNoWomen, false), second.screens["FrmSwitchToAnaly.lblGPNoWom"].toString());
}

TEST_F(Paths, ReturnToMainFromEachResultScreenLeadsToTheConsoleAndANewPass)
{
    const acceptance::Programme first = programme(kGenProbe), second = programme(kPcrCervix);
    startUpToConsole();
    Program& p = program();
    int pass = 0;
    for (const char* screen : {"FrmScrResult", "FrmSwitchTo", "FrmSwitchToCost", "FrmSwitchToAnaly"}) {
        SCOPED_TRACE(screen);
        const acceptance::Programme& prog = pass++ % 2 ? second : first;
        ASSERT_NO_FATAL_FAILURE(consoleToResults(prog, QString("Area %1").arg(pass)));
        ASSERT_NO_FATAL_FAILURE(switchStep());
        expectWhatIfScreens(prog);
        key(current(), screenKey(screen));
        expectOnScreen({screen});
        returnToConsole(current());
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
        ASSERT_NO_FATAL_FAILURE(c.reach());
        c.back();
        expectOnScreen({"FrmConsole"});
        // The new pass starts from the forms' load handlers with the other programme.
        ASSERT_NO_FATAL_FAILURE(consoleToResults(second));
        returnToConsole(p.FrmScrResult());
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
        ASSERT_NO_FATAL_FAILURE(populationToTesting(prog));
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
        ASSERT_NO_FATAL_FAILURE(testingToResults(prog));
        returnToConsole(p.FrmScrResult());
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
        Program& p = program();
        if (stage == Stage::Instructions) {
            click(started().frmSplash().Frame1);
            return;
        }
        startUpToConsole();
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
                key(current(), stage == Stage::WhatIf ? screenKey(form) : Qt::Key_F1);
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
    ASSERT_NO_FATAL_FAILURE(reach(c.stage, c.form));
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

// Escape is the graph chooser's close box, and changes nothing on any other screen.
TEST_P(CloseBoxPath, EscapeClosesTheGraphChooserAloneAsItsCloseBoxDoes)
{
    const ExitCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(reach(c.stage, c.form));
    if (c.stage == Stage::GraphChooser) {
        FrmGraphResponse& chooser = program().FrmGraphResponse();
        whenModal(chooser, [&] { key(chooser, Qt::Key_Escape); });
        click(program().FrmGraph().cmdNext);
        expectOnScreen({"FrmSwitchToAnaly", "FrmGraph"});
        EXPECT_TRUE(chooser.isLoaded()) << "kept for the next forward arrow";
        return;
    }
    platform::Form& form = current();
    ASSERT_EQ(form.name(), c.form);
    const QStringList before = formsOnScreen();
    key(form, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(formsOnScreen(), before);
    EXPECT_EQ(endCalls, 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, CloseBoxPath, ::testing::ValuesIn(kExits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(ExitPath, EndsTheProgramAtOnce)
{
    const ExitCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(reach(c.stage, c.form));
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


// WCAG contrast of two colours, from 1 (alike) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        double rgb[3] = {c.redF(), c.greenF(), c.blueF()};
        for (double& v : rgb)
            v = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        return 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    };
    const double la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

// The review in the switch step: every field white, whatever frame it lies
// in, and the greyed ones of the tests in use still readable.
TEST_F(Paths, TheReviewsFieldsAreWhiteAndTheDisabledOnesReadable)
{
    const acceptance::Programme prog = programme(kGenProbe);
    startUpToConsole();
    consoleToResults(prog);
    Program& p = program();
    FrmSenSpec& review = p.FrmSenSpec();
    int fields = 0, disabled = 0;
    whenModal(review, [&] {
        for (platform::Control* c : review.controls()) {
            if (c->kind() != platform::ControlKind::TextBox || !c->widget()->isVisible())
                continue;
            SCOPED_TRACE(c->name().toStdString());
            ++fields;
            const QPalette pal = c->widget()->palette();
            EXPECT_EQ(pal.color(QPalette::Active, QPalette::Base), QColor(Qt::white));
            EXPECT_EQ(pal.color(QPalette::Disabled, QPalette::Base), QColor(Qt::white));
            if (!c->widget()->isEnabled()) {
                ++disabled;
                EXPECT_GE(contrastRatio(pal.color(QPalette::Disabled, QPalette::Text),
                                        pal.color(QPalette::Disabled, QPalette::Base)), 4.5);
            }
        }
        click(review.cmdNext);
    });
    clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdSwitchTo, {"FrmSwitchTo"});
    EXPECT_EQ(fields, 27) << "every test's sensitivity, specificity and cost";
    EXPECT_GT(disabled, 0) << "the tests in use are greyed";
}

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
    clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});
    confirmToPercent(prog);
    percentToDrugCosts(prog);
    ASSERT_NO_FATAL_FAILURE(drugCostsToResults(prog));

    // The switch step's review takes the open form over, modally, and leaves it closed.
    bool reviewedModally = false;
    whenModal(p.FrmSenSpec(), [&] {
        reviewedModally = true;
        bringUp(p.FrmSenSpec());
        click(p.FrmSenSpec().cmdNext);
    });
    leftOpen.clear();
    clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdSwitchTo, {"FrmSwitchTo"});
    EXPECT_TRUE(reviewedModally);
    expectWhatIfScreens(prog);
}

TEST_F(Paths, TheSpecificityCheckLeadsToThePopulationAndTheTestSelectionBackLeadsOnFromIt)
{
    // However the population form that the check opened is left, the forms
    // behind it take over again, and the specificity keeps the focus.
    struct Case {
        const char* how;
        std::function<void(PathTest&, FrmQuestPop&)> leave;
        float perFem25;
    };
    const Case cases[] = {
        {"Continue, the over-25 positivity raised",
         [](PathTest&, FrmQuestPop& pop) {
             click(pop.txtPerFem25);
             typeAndTab(pop.txtPerFem25, "0.05");
             click(pop.cmdContinue);
         },
         0.05f},
        {"close box", [](PathTest&, FrmQuestPop& pop) { pop.window()->close(); }, 0.02f},
        {"Back (F2)", [](PathTest&, FrmQuestPop& pop) { key(pop, Qt::Key_F2); }, 0.02f},
    };
    const acceptance::Programme prog = programme(kGenProbe);
    startUpToTesting(prog);
    Program& p = program();
    FrmSenSpec& senSpec = p.FrmSenSpec();
    FrmQuestPop& pop = p.FrmQuestPop();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        choosePair("GenProbe", "PCR on GenProbe");
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
            c.leave(*this, pop);
        });
        typeAndTab(senSpec.TxtGPSpec, "0.97");
        EXPECT_EQ(withThePopulation, (QStringList{"FrmQuestPop", "FrmTesting", "FrmSenSpec"}));
        expectOnScreen({"FrmTesting", "FrmSenSpec"});
        EXPECT_TRUE(senSpec.TxtGPSpec.hasFocus());
        EXPECT_FLOAT_EQ(p.vc.PerFem25, c.perFem25);
        if (c.perFem25 > 0.03f) {
            // Left again, the specificity now passes.
            QTest::keyClick(senSpec.TxtGPSpec.widget(), Qt::Key_Tab);
            EXPECT_FALSE(senSpec.TxtGPSpec.hasFocus());
            EXPECT_FLOAT_EQ(p.vc.SpecGP, 0.97f);
        }

        // Back from the test selection to the population: its Continue leads on
        // to the test selection again, not into nothing.
        clickThrough(p.FrmTesting(), p.FrmTesting().cmdBack, {"FrmQuestPop"});
        if (c.perFem25 > 0.03f) {
            EXPECT_EQ(pop.txtPerFem25.text(), "0.05");
        }
        ASSERT_NO_FATAL_FAILURE(populationToTesting(prog));
    }
}

// The review's changes hold for the pass alone: the next pass shows the
// programme's own figures again.
TEST_F(Paths, TheSwitchStepGoesOnHoweverItsReviewIsLeftAndItsChangesDoNotOutliveTheReturnToMain)
{
    const acceptance::Programme prog = programme(kGenProbe);
    struct Case {
        const char* what;
        std::function<void(FrmSenSpec&)> leave;
        bool eiaLowered;
    };
    const Case cases[] = {
        {"EIA sensitivity lowered, forward arrow",
         [](FrmSenSpec& f) {
             click(f.TxtEIASens);
             typeAndTab(f.TxtEIASens, "0.6");
             click(f.cmdNext);
         },
         true},
        {"forward arrow", [](FrmSenSpec& f) { click(f.cmdNext); }, false},
        {"back arrow", [](FrmSenSpec& f) { click(f.cmdBack); }, false},
        {"close box", [](FrmSenSpec& f) { f.window()->close(); }, false},
    };
    startUpToConsole();
    Program& p = program();
    int reviews = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(consoleToResults(prog));
        FrmSenSpec& review = p.FrmSenSpec();
        whenModal(review, [&] {
            ++reviews;
            expectOnScreen({"FrmSenSpec"});
            bringUp(review);
            EXPECT_FALSE(review.TxtGPSens.widget()->isEnabled() || review.TxtGPSpec.widget()->isEnabled())
                << "the current test's figures are shown but locked";
            c.leave(review);
        });
        clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdSwitchTo, {"FrmSwitchTo"});
        if (c.eiaLowered) {
            // EIA, in the comparison's first slot, finds fewer with the lower sensitivity.
            EXPECT_LT(testsupport::captionOf(p.FrmSwitchTo(), "lblSAT1IDTot").toInt(),
                      prog.screens["FrmSwitchTo.lblSAT1IDTot"].toString().toInt());
            EXPECT_EQ(testsupport::captionOf(p.FrmSwitchTo(), "lblCTTIDTot"),
                      prog.screens["FrmSwitchTo.lblCTTIDTot"].toString());
        } else {
            expectWhatIfScreens(prog);
        }
        returnToConsole(current());
    }
    EXPECT_EQ(reviews, int(std::size(cases)));
}


// A pair taken forward and then given up for another at the test selection
// leaves no lock behind: the chosen test's figures are open to change, and
// the review locks the fields of the tests in use (and the PCR retest cost
// they share) and no others.
TEST_F(Paths, TheReviewLocksTheTestsInUseAloneAfterAnotherPairWasTakenForwardFirst)
{
    const QStringList genProbeLocked{"TxtGPSens",         "TxtGPSpec",     "txtPCRGPSens",    "txtPCRGPSpec",
                                     "txtTestCostEIAPCR", "txtTestCostGp", "txtTestCostPCRGP"};
    struct Case {
        const char* first[2];  // the pair taken forward first
        QString programme;
        platform::TextBox FrmSenSpec::*chosen;  // the sensitivity of the test in use
        QStringList locked;
    };
    const Case cases[] = {
        {{"GenProbe", "PCR on GenProbe"}, kPcrCervix, &FrmSenSpec::TxtPCRCSens,
         {"TxtPCRCSens", "TxtPCRCSpec", "txtTestCostPCRC"}},
        {{"PCR Cervix", "No NGZ Test"}, kGenProbe, &FrmSenSpec::TxtGPSens, genProbeLocked},
        // The same screening test with another retest.
        {{"GenProbe", "No NGZ Test"}, kGenProbe, &FrmSenSpec::TxtGPSens, genProbeLocked},
    };
    startUpToConsole();
    Program& p = program();
    FrmSenSpec& review = p.FrmSenSpec();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programme.toStdString() + " after " + c.first[0] + ", " + c.first[1]);
        const acceptance::Programme prog = programme(c.programme);
        consoleToPreview("Springfield");
        previewToPopulation();
        populationToTesting(prog);
        choosePair(c.first[0], c.first[1]);
        clickThrough(review, review.cmdNext, {"FrmTesting"});
        clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});
        clickThrough(p.FrmConfirm(), p.FrmConfirm().cmdBack, {"FrmTesting"});
        choosePair(prog.figures["test"].toString(), prog.figures["ngz"].toString());
        expectOnScreen({"FrmTesting", "FrmSenSpec"});
        EXPECT_TRUE((review.*c.chosen).hasFocus()) << "the chosen test's figures are open to change";
        clickThrough(review, review.cmdNext, {"FrmTesting"});
        clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});
        confirmToPercent(prog);
        percentToDrugCosts(prog);
        ASSERT_NO_FATAL_FAILURE(drugCostsToResults(prog));

        QStringList locked;
        whenModal(review, [&] {
            for (platform::Control* f : review.controls())
                if (f->kind() == platform::ControlKind::TextBox && f->widget()->isVisible() &&
                    !f->widget()->isEnabled())
                    locked << f->name();
            click(review.cmdNext);
        });
        clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdSwitchTo, {"FrmSwitchTo"});
        locked.sort();
        EXPECT_EQ(locked, c.locked);
        expectWhatIfScreens(prog);
        returnToConsole(current());
    }
}

// After the review's forward arrow refused a specificity too low for the
// positivity, the user may still leave the review without changing it: the
// field it put in focus is not checked again, and the switch step goes on.
TEST_F(Paths, TheReviewRefusedByItsForwardArrowIsLeftWithoutAnotherCheck)
{
    struct Case {
        const char* how;
        std::function<void(FrmSenSpec&)> leave;
    };
    const Case cases[] = {
        {"back arrow", [](FrmSenSpec& f) { click(f.cmdBack); }},
        {"close box", [](FrmSenSpec& f) { closeBox(f); }},
    };
    // PCR Cervix holds with an over-25 positivity of 0.5 %; GenProbe's 0.987 does not.
    acceptance::Programme prog = programme(kPcrCervix);
    QJsonArray rates = prog.figures["PerFem"].toArray();
    rates[2] = "0.005";
    prog.figures["PerFem"] = rates;
    startUpToConsole();
    Program& p = program();
    FrmSenSpec& review = p.FrmSenSpec();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        consoleToPreview("Springfield");
        previewToPopulation();
        populationToTesting(prog);
        testingToConfirm(prog);
        confirmToPercent(prog);
        percentToDrugCosts(prog);
        drugCostsTo(prog, "FrmScrResult");

        bool refused = false;
        whenModal(review, [&] {
            bringUp(review);
            click(review.cmdNext);
            refused = review.isModal() && review.TxtGPSpec.hasFocus();
            dialogs.clear();
            c.leave(review);
        });
        clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdSwitchTo, {"FrmSwitchTo"});
        EXPECT_TRUE(refused) << "GenProbe's specificity and 0.5 % fall short of 1";
        EXPECT_TRUE(dialogs.prompts().empty()) << "leaving asks nothing";
        EXPECT_EQ(p.vc.SpecGP, 0.987f);
        returnToConsole(current());
    }
}


TEST_F(Paths, UnitCostsTypedOnTheWayReachEveryResultScreen)
{
    startUpToConsole();
    ASSERT_NO_FATAL_FAILURE(ownUnitCostsToResults(programme("eia_dfa_noconfirm_costs")));
    switchedScreens(programme("eia_dfa_noconfirm_costs"));
}

// Under another locale the user types and reads figures in its notation, and
// the four result screens show the same figures. The locale is the one the
// environment names for numbers; the user types or pastes the figures with
// the separators and digits of the row.
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

} // namespace

namespace {

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
