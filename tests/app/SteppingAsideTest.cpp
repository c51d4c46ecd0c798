// A window opened beside another (the test characteristics, the unit costs,
// the calculator, the graph) that steps aside by its own command after the
// user closed the window beneath it brings that window back, loaded again,
// and the program goes on with every figure typed: only an Exit command and
// the close box of the last window on screen end it.

#include "PassWalk.h"
#include "support/ResultsShown.h"

using paths::kGenProbe;
using paths::Leg;
using paths::PassWalk;

namespace {

class SteppingAside : public PassWalk {
public:
    // The pair chosen on the test selection, the screening test's figures
    // typed on its row of characteristics.
    void testView() { run(Leg::ToTestSelection, Leg::TestView); }

    void probabilityView()
    {
        consoleToPreview("Springfield");
        FrmInitQuest& preview = program().FrmInitQuest();
        choose(preview, preview.mnuProbabilities);
    }

    // Yes to confirming positives: the unit costs come up beside the
    // question, the confirmation cost typed.
    void unitCosts()
    {
        run(Leg::ToTestSelection, Leg::TestingForward);
        answerConfirmation(true);
    }

    void calculatorOverThePreview()
    {
        consoleToPreview("Springfield");
        FrmInitQuest& preview = program().FrmInitQuest();
        choose(preview, preview.mnuTestCostCalculator);
        leftOpen << "FrmDraftCostTest";
    }

    void calculatorBesideTheResults()
    {
        calculatorOverThePreview();
        previewToPopulation();
        populationToTesting(prog);
        run(Leg::TestView, Leg::DrugCosts);
    }

    // The population form's Back returns to the console, the calculator
    // left open beside it.
    void calculatorBesideTheConsole()
    {
        calculatorOverThePreview();
        previewToPopulation();
        key(program().FrmQuestPop(), Qt::Key_F2);
    }

    // The graph opened by the Graph menu of the screen that F-key brings up;
    // the results screen has none, so for it the graph is opened over the
    // projections and the results brought up beneath it.
    void graphOver(Qt::Key screen)
    {
        run(Leg::ToTestSelection, Leg::SwitchStep);
        Program& p = program();
        const Qt::Key openedFrom = screen == Qt::Key_F4 ? Qt::Key_F3 : screen;
        key(p.FrmSwitchTo(), openedFrom);
        if (openedFrom == Qt::Key_F1)
            choose(p.FrmSwitchTo(), *p.FrmSwitchTo().menus.mnuGraph);
        else if (openedFrom == Qt::Key_F2)
            choose(p.FrmSwitchToCost(), *p.FrmSwitchToCost().menus.mnuGraph);
        else
            choose(p.FrmSwitchToAnaly(), *p.FrmSwitchToAnaly().menus.mnuGraph);
        if (screen != openedFrom)
            key(p.FrmSwitchToAnaly(), screen);
    }
    void graphOverTheComparison() { graphOver(Qt::Key_F1); }
    void graphOverTheCosts() { graphOver(Qt::Key_F2); }
    void graphOverTheProjections() { graphOver(Qt::Key_F3); }
    void graphOverTheResults() { graphOver(Qt::Key_F4); }

    // The commands that step aside.
    void senSpecForward() { click(program().FrmSenSpec().cmdNext); }
    void senSpecBack() { click(program().FrmSenSpec().cmdBack); }
    void unitCostsForward() { click(program().FrmTestCost().cmdNext); }
    void calculatorNext() { click(program().FrmDraftCostTest().cmdNext); }
    void calculatorFileNext() { choose(program().FrmDraftCostTest(), program().FrmDraftCostTest().mnuNext); }
    void graphReturn() { key(program().FrmGraph(), Qt::Key_R, Qt::ControlModifier); }
    void graphBack() { click(program().FrmGraph().cmdResume); }
};

using Step = void (SteppingAside::*)();

struct Case {
    const char* name;
    Step walk;
    const char* beside;   // the window opened beside
    const char* beneath;  // the window closed beneath it, and brought back
    Step leave;
};

const Case kCases[] = {
    {"test view forward", &SteppingAside::testView, "FrmSenSpec", "FrmTesting", &SteppingAside::senSpecForward},
    {"test view back", &SteppingAside::testView, "FrmSenSpec", "FrmTesting", &SteppingAside::senSpecBack},
    {"probabilities forward", &SteppingAside::probabilityView, "FrmSenSpec", "FrmInitQuest", &SteppingAside::senSpecForward},
    {"probabilities back", &SteppingAside::probabilityView, "FrmSenSpec", "FrmInitQuest", &SteppingAside::senSpecBack},
    {"unit costs forward", &SteppingAside::unitCosts, "FrmTestCost", "FrmConfirm",
     &SteppingAside::unitCostsForward},
    {"calculator over the preview, Next", &SteppingAside::calculatorOverThePreview, "FrmDraftCostTest",
     "FrmInitQuest", &SteppingAside::calculatorNext},
    {"calculator beside the results, File > Next", &SteppingAside::calculatorBesideTheResults, "FrmDraftCostTest",
     "FrmScrResult", &SteppingAside::calculatorFileNext},
    {"calculator beside the console, Next", &SteppingAside::calculatorBesideTheConsole, "FrmDraftCostTest",
     "FrmConsole", &SteppingAside::calculatorNext},
    {"graph over the comparison, Ctrl+R", &SteppingAside::graphOverTheComparison, "FrmGraph", "FrmSwitchTo",
     &SteppingAside::graphReturn},
    {"graph over the comparison, back arrow", &SteppingAside::graphOverTheComparison, "FrmGraph", "FrmSwitchTo",
     &SteppingAside::graphBack},
    {"graph over the costs, Ctrl+R", &SteppingAside::graphOverTheCosts, "FrmGraph", "FrmSwitchToCost", &SteppingAside::graphReturn},
    {"graph over the costs, back arrow", &SteppingAside::graphOverTheCosts, "FrmGraph", "FrmSwitchToCost",
     &SteppingAside::graphBack},
    {"graph over the projections, Ctrl+R", &SteppingAside::graphOverTheProjections, "FrmGraph", "FrmSwitchToAnaly",
     &SteppingAside::graphReturn},
    {"graph over the projections, back arrow", &SteppingAside::graphOverTheProjections, "FrmGraph",
     "FrmSwitchToAnaly", &SteppingAside::graphBack},
    {"graph over the results, Ctrl+R", &SteppingAside::graphOverTheResults, "FrmGraph", "FrmScrResult", &SteppingAside::graphReturn},
    {"graph over the results, back arrow", &SteppingAside::graphOverTheResults, "FrmGraph", "FrmScrResult",
     &SteppingAside::graphBack},
};

} // namespace

TEST_F(SteppingAside, AWindowThatStepsAsideBringsBackTheOneClosedBeneathIt)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        use(kGenProbe);
        startUpToConsole();
        (this->*c.walk)();
        if (HasFatalFailure())
            return;
        Program& p = program();
        platform::Form* beside = p.runtime().findForm(QString::fromLatin1(c.beside));
        platform::Form* beneath = p.runtime().findForm(QString::fromLatin1(c.beneath));
        ASSERT_TRUE(beside && beside->isShown());
        ASSERT_TRUE(beneath && beneath->isShown());
        closeBox(*beneath);
        ASSERT_EQ(formsOnScreen(), QStringList{c.beside});
        const VarCon typed = p.vc;
        leftOpen.clear();

        (this->*c.leave)();
        QCoreApplication::processEvents();

        expectOnScreen({c.beneath});
        EXPECT_EQ(p.runtime().ending(), platform::Runtime::Ending::NotEnded);
        EXPECT_EQ(p.vc.SensGP, typed.SensGP);
        EXPECT_EQ(p.vc.CostGP, typed.CostGP);
        EXPECT_EQ(p.vc.NoFem18, typed.NoFem18);
        EXPECT_EQ(testsupport::staleResultScreen(p), std::nullopt);
        // The last window's close box still ends the program.
        if (formsOnScreen().size() == 1) {
            closeBox(current());
            EXPECT_EQ(p.runtime().ending(), platform::Runtime::Ending::LastCloseBox);
        }
        restart();
    }
}
