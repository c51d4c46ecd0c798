// A window opened beside another (the test characteristics, the unit costs,
// the calculator, the graph) that steps aside by its own command after the
// user closed the window beneath it brings that window back, loaded again,
// showing what is in use, and the program goes on with every figure typed:
// only an Exit command and the close box of the last window on screen end it.

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

    // The graph opened by the Graph menu of the window beneath; the results
    // screen has none, so for it the graph is opened over the projections
    // and the results brought up beneath it.
    QString beneath;
    void graph()
    {
        run(Leg::ToTestSelection, Leg::SwitchStep);
        Program& p = program();
        const QString from = beneath == "FrmScrResult" ? QStringLiteral("FrmSwitchToAnaly") : beneath;
        key(p.FrmSwitchTo(), screenKey(from));
        platform::Form& form = *p.runtime().findForm(from);
        ResultScreenMenus& menus = from == "FrmSwitchTo"       ? p.FrmSwitchTo().menus
                                   : from == "FrmSwitchToCost" ? p.FrmSwitchToCost().menus
                                                               : p.FrmSwitchToAnaly().menus;
        choose(form, *menus.mnuGraph);
        if (from != beneath)
            key(form, screenKey(beneath));
    }

    // Meanwhile, over the window closed beneath: the graph's chooser comes
    // up modally and is closed by its close box.
    void chooserClosed()
    {
        Program& p = program();
        testsupport::whenModal(p.FrmGraphResponse(), [&p] { p.FrmGraphResponse().window()->close(); });
        click(p.FrmGraph().cmdNext);
        expectOnScreen({"FrmGraph"});
    }

    // What the window brought back shows, and where it leads.
    // The test selection: the pair in use, ready to go on.
    void pairShown()
    {
        FrmTesting& testing = program().FrmTesting();
        EXPECT_EQ(testing.lstScreenTest.text().toLower(), prog.figures["test"].toString().toLower());
        EXPECT_EQ(testing.lstNgzTest.text().toLower(), prog.figures["ngz"].toString().toLower());
        clickThrough(testing, testing.cmdNext, {"FrmConfirm"});
    }
    // The console: the name typed, kept on into the questionnaire and the charts.
    void nameShown()
    {
        Program& p = program();
        FrmConsole& console = p.FrmConsole();
        EXPECT_EQ(console.txtRegion.text(), "Springfield");
        clickThrough(console, console.cmdApp, {"FrmInitQuest"});
        previewToPopulation();
        EXPECT_TRUE(p.FrmQuestPop().Label1.caption().contains("relevant to Springfield."));
        populationToTesting(prog);
        run(Leg::TestView, Leg::SwitchStep);
        choose(p.FrmSwitchTo(), *p.FrmSwitchTo().menus.mnuGraph);
        EXPECT_EQ(p.FrmGraph().chrNoWomen.title(), "Number Of Women Developing PID in Springfield");
    }

    // The commands that step aside.
    void senSpecForward() { click(program().FrmSenSpec().cmdNext); }
    void senSpecBack() { click(program().FrmSenSpec().cmdBack); }
    void unitCostsForward() { click(program().FrmTestCost().cmdNext); }
    void calculatorNext() { click(program().FrmDraftCostTest().cmdNext); }
    void calculatorFileNext() { choose(program().FrmDraftCostTest(), program().FrmDraftCostTest().mnuNext); }
    void graphReturn() { key(program().FrmGraph(), Qt::Key_R, Qt::ControlModifier); }
    void graphBack() { click(program().FrmGraph().cmdResume); }
};

using S = SteppingAside;
using Step = void (S::*)();

struct Case {
    const char* name;
    Step walk;
    const char* beside;   // the window opened beside
    const char* beneath;  // the window closed beneath it, and brought back
    Step leave;
    Step shown = nullptr;      // what the window brought back shows
    Step meanwhile = nullptr;  // between the close and the leaving
};

const Case kCases[] = {
    {"test view forward", &S::testView, "FrmSenSpec", "FrmTesting", &S::senSpecForward, &S::pairShown},
    {"test view back", &S::testView, "FrmSenSpec", "FrmTesting", &S::senSpecBack, &S::pairShown},
    {"probabilities forward", &S::probabilityView, "FrmSenSpec", "FrmInitQuest", &S::senSpecForward},
    {"probabilities back", &S::probabilityView, "FrmSenSpec", "FrmInitQuest", &S::senSpecBack},
    {"unit costs forward", &S::unitCosts, "FrmTestCost", "FrmConfirm", &S::unitCostsForward},
    {"calculator over the preview, Next", &S::calculatorOverThePreview, "FrmDraftCostTest", "FrmInitQuest",
     &S::calculatorNext},
    {"calculator beside the results, File > Next", &S::calculatorBesideTheResults, "FrmDraftCostTest",
     "FrmScrResult", &S::calculatorFileNext},
    {"calculator beside the console, Next", &S::calculatorBesideTheConsole, "FrmDraftCostTest", "FrmConsole",
     &S::calculatorNext, &S::nameShown},
    {"graph over the comparison, Ctrl+R", &S::graph, "FrmGraph", "FrmSwitchTo", &S::graphReturn},
    {"graph over the comparison, back arrow", &S::graph, "FrmGraph", "FrmSwitchTo", &S::graphBack},
    {"graph over the comparison, its chooser closed meanwhile, back arrow", &S::graph, "FrmGraph", "FrmSwitchTo",
     &S::graphBack, nullptr, &S::chooserClosed},
    {"graph over the costs, Ctrl+R", &S::graph, "FrmGraph", "FrmSwitchToCost", &S::graphReturn},
    {"graph over the costs, back arrow", &S::graph, "FrmGraph", "FrmSwitchToCost", &S::graphBack},
    {"graph over the projections, Ctrl+R", &S::graph, "FrmGraph", "FrmSwitchToAnaly", &S::graphReturn},
    {"graph over the projections, back arrow", &S::graph, "FrmGraph", "FrmSwitchToAnaly", &S::graphBack},
    {"graph over the results, Ctrl+R", &S::graph, "FrmGraph", "FrmScrResult", &S::graphReturn},
    {"graph over the results, back arrow", &S::graph, "FrmGraph", "FrmScrResult", &S::graphBack},
};

} // namespace

TEST_F(SteppingAside, AWindowThatStepsAsideBringsBackTheOneClosedBeneathIt)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        use(kGenProbe);
        startUpToConsole();
        beneath = QString::fromLatin1(c.beneath);
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
        if (c.meanwhile)
            (this->*c.meanwhile)();
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
        if (c.shown)
            (this->*c.shown)();
        // The last window's close box still ends the program.
        if (formsOnScreen().size() == 1) {
            closeBox(current());
            EXPECT_EQ(p.runtime().ending(), platform::Runtime::Ending::LastCloseBox);
        }
        restart();
    }
}
