// Every way through the program as a person takes it, from start-up, by keys
// and clicks: which forms are on screen after each step, and the figures the
// result screens show against the acceptance programmes.

#include "Paths.h"

using namespace paths_test;

namespace {

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
    // Each screen brought back shows the programme's figures.
    expectWhatIfScreens(prog);
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
    EXPECT_EQ(p.FrmQuestDrugCost().txtAzi.text(), "$11.00");
    EXPECT_EQ(p.vc.CostAzi, Money::fromTicks(110000));
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



} // namespace
