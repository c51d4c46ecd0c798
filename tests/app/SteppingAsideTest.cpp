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

    void calculatorOverThePreview() { calculatorOverThePreviewNamed("Springfield"); }
    void calculatorOverThePreviewNamed(const QString& region)
    {
        consoleToPreview(region);
        FrmInitQuest& preview = program().FrmInitQuest();
        choose(preview, preview.mnuTestCostCalculator);
        leftOpen << "FrmDraftCostTest";
    }

    // The calculator left open beside the pass, from the preview on to `to`.
    void calculatorBesideThePass(Leg to)
    {
        calculatorOverThePreview();
        previewToPopulation();
        populationToTesting(prog);
        run(Leg::TestView, to);
    }
    void calculatorBesideTheResults() { calculatorBesideThePass(Leg::DrugCosts); }

    // The population form's Back returns to the console, the calculator
    // left open beside it; the facility name typed or left out.
    void calculatorBesideTheConsoleNamed(const QString& region)
    {
        calculatorOverThePreviewNamed(region);
        previewToPopulation();
        key(program().FrmQuestPop(), Qt::Key_F2);
    }
    void calculatorBesideTheConsole() { calculatorBesideTheConsoleNamed("Springfield"); }
    void calculatorBesideTheUnnamedConsole() { calculatorBesideTheConsoleNamed(""); }

    // The three counts and the under-18 positivity typed beside the
    // calculator; the other two positivities left to their defaults.
    void populationTyped()
    {
        calculatorOverThePreview();
        previewToPopulation();
        FrmQuestPop& pop = program().FrmQuestPop();
        typeIn(pop, {{&pop.txtNoFem18, "2500"}, {&pop.txtNoFem1825, "4100"}, {&pop.txtNoFem25, "3300"},
                     {&pop.txtPerFem18, "0.05"}});
    }

    // On to the treatment questions beside the calculator, the split and
    // the return rate typed.
    void treatmentTyped()
    {
        calculatorBesideThePass(Leg::ConfirmForward);
        FrmQuestPercent& percent = program().FrmQuestPercent();
        typeIn(percent, {{&percent.txtAzi, "70"}, {&percent.txtDox, "30"}, {&percent.txtPerReturn, "0.5"}});
    }
    // The same, then the form's own Back and the confirmation's forward
    // arrow bring it up again.
    void treatmentTypedBackAndForward()
    {
        treatmentTyped();
        Program& p = program();
        clickThrough(p.FrmQuestPercent(), p.FrmQuestPercent().cmdBack, {"FrmConfirm"});
        clickThrough(p.FrmConfirm(), p.FrmConfirm().cmdForward, {"FrmQuestPercent"});
    }
    // Answered 70/30 and taken on, then back from the drug costs: a new
    // Azithromycin share typed.
    void treatmentShareChanged()
    {
        treatmentTyped();
        Program& p = program();
        clickThrough(p.FrmQuestPercent(), p.FrmQuestPercent().cmdOk, {"FrmQuestDrugCost"});
        clickThrough(p.FrmQuestDrugCost(), p.FrmQuestDrugCost().cmdBack, {"FrmQuestPercent"});
        typeIn(p.FrmQuestPercent(), {{&p.FrmQuestPercent().txtAzi, "40"}});
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
    // The console: the name typed (none: an empty box and the general
    // wording), kept on into the questionnaire and the charts.
    void regionShown(const QString& typed, const QString& used)
    {
        Program& p = program();
        FrmConsole& console = p.FrmConsole();
        EXPECT_EQ(console.txtRegion.text(), typed);
        clickThrough(console, console.cmdApp, {"FrmInitQuest"});
        previewToPopulation();
        EXPECT_TRUE(p.FrmQuestPop().Label1.caption().contains("relevant to " + used + "."));
        populationToTesting(prog);
        run(Leg::TestView, Leg::SwitchStep);
        choose(p.FrmSwitchTo(), *p.FrmSwitchTo().menus.mnuGraph);
        EXPECT_EQ(p.FrmGraph().chrNoWomen.title(), "Number Of Women Developing PID in " + used);
    }
    void nameShown() { regionShown("Springfield", "Springfield"); }
    void noNameShown() { regionShown("", "your local area"); }

    // A question form: what its fields took, with their echoes; then its
    // forward arrow stores what it shows, a default only where none was given.
    void populationShown()
    {
        Program& p = program();
        FrmQuestPop& pop = p.FrmQuestPop();
        EXPECT_EQ((QStringList{pop.txtNoFem18.text(), pop.txtNoFem1825.text(), pop.txtNoFem25.text(),
                               pop.txtPerFem18.text(), pop.lblYV18.caption(), pop.txtPerFem1825.text()}),
                  (QStringList{"2,500", "4,100", "3,300", "0.05", "5%", ""}));
        clickThrough(pop, pop.cmdContinue, {"FrmTesting"});
        EXPECT_EQ(p.vc.NoFem1825, 4100.0f);
        EXPECT_EQ(p.vc.PerFem18, 0.05f);
        EXPECT_EQ(p.vc.PerFem1825, 0.08f);
    }
    void treatmentShownAs(const QString& azi, const QString& dox, float perAzi)
    {
        Program& p = program();
        FrmQuestPercent& percent = p.FrmQuestPercent();
        EXPECT_EQ((QStringList{percent.txtAzi.text(), percent.LabelAzi.caption(), percent.txtDox.text(),
                               percent.LabelDox.caption(), percent.txtPerReturn.text(), percent.labelReturn.caption()}),
                  (QStringList{azi, azi + "%", dox, dox + "%", "0.5", "50%"}));
        EXPECT_TRUE(percent.cmdOk.visible());
        clickThrough(percent, percent.cmdOk, {"FrmQuestDrugCost"});
        EXPECT_EQ(p.vc.PerAzi, perAzi);
        EXPECT_EQ(p.vc.PerDox, 100 - perAzi);
        EXPECT_EQ(p.vc.PerReturn, 0.5f);
    }
    void treatmentShown() { treatmentShownAs("70", "30", 70); }
    void changedShareShown() { treatmentShownAs("40", "60", 40); }

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
    {"calculator beside the console, no name typed, Next", &S::calculatorBesideTheUnnamedConsole,
     "FrmDraftCostTest", "FrmConsole", &S::calculatorNext, &S::noNameShown},
    {"population typed beside the calculator, Next", &S::populationTyped, "FrmDraftCostTest", "FrmQuestPop",
     &S::calculatorNext, &S::populationShown},
    {"treatment typed, its Back and forward again, Next", &S::treatmentTypedBackAndForward, "FrmDraftCostTest",
     "FrmQuestPercent", &S::calculatorNext, &S::treatmentShown},
    {"treatment's share changed after it was answered, Next", &S::treatmentShareChanged, "FrmDraftCostTest",
     "FrmQuestPercent", &S::calculatorNext, &S::changedShareShown},
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
