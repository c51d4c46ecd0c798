// Windows that stay open beside the result screens (the test-cost
// calculator, the unit-cost window) change a figure the screens were
// computed from: every result screen then shows what a freshly started
// program shows when given the figures in use.

#include "PassWalk.h"

using paths::Captions;
using paths::Figures;
using paths::Leg;
using paths::PassWalk;
using paths::kGenProbe;

namespace {

class FiguresInUse : public PassWalk {
public:
    // What the calculator's box is answered with.
    QString answer = QStringLiteral("y");
    // The calculator's six answers, and what is typed in the PCA box.
    QStringList worked;
    QString pca;

    void openCalculatorFromThePreview()
    {
        FrmInitQuest& preview = program().FrmInitQuest();
        choose(preview, preview.mnuTestCostCalculator);
        leftOpen << "FrmDraftCostTest";
        bringUp(preview);
    }

    // A confirmed cost is taken at "y"; the calculator closed, that pass
    // finished and a new one begun, a Next with no new "y" takes nothing.
    void confirmedCostAndANextInTheNextPass()
    {
        consoleToPreview("Springfield");
        openCalculatorFromThePreview();
        workOutGenProbe("y");
        closeBox(program().FrmDraftCostTest());
        leftOpen.clear();
        bringUp(program().FrmInitQuest());
        previewToPopulation();
        populationToTesting(prog);
        run(Leg::TestView, Leg::DrugCosts);
        returnToConsole(program().FrmScrResult());

        consoleToPreview("Springfield");
        openCalculatorFromThePreview();
        click(program().FrmDraftCostTest().cmdNext);
        leftOpen.clear();
        bringUp(program().FrmInitQuest());
        previewToPopulation();
        populationToTesting(prog);
        run(Leg::TestView, Leg::SwitchStep);
    }

    // The calculator opened from the preview and left open through a pass
    // with the cost typed; with the comparison on screen, GenProbe worked
    // out, the answer given and Next.
    void calculatorLeftOpenBesideTheResults()
    {
        consoleToPreview("Springfield");
        openCalculatorFromThePreview();
        previewToPopulation();
        populationToTesting(prog);
        run(Leg::TestView, Leg::SwitchStep);
        workOutGenProbe(answer, worked);
        click(program().FrmDraftCostTest().cmdNext);
        leftOpen.clear();
    }

    // The graph opened by the projections' forward arrow stays over the
    // screens; beneath it a key brings up another result screen, which the
    // close box then closes; GenProbe is worked out on the calculator left
    // open since the preview, and the graph moves on to the cost per positive.
    void graphLeftOverAClosedResultWindow(Qt::Key beneath)
    {
        consoleToPreview("Springfield");
        openCalculatorFromThePreview();
        previewToPopulation();
        populationToTesting(prog);
        run(Leg::TestView, Leg::SwitchStep);
        Program& p = program();
        key(p.FrmSwitchTo(), Qt::Key_F3);
        click(p.FrmSwitchToAnaly().cmdGraph);
        ASSERT_TRUE(p.FrmGraph().isShown());
        key(p.FrmSwitchToAnaly(), beneath);
        platform::Form& closed = beneath == Qt::Key_F2 ? static_cast<platform::Form&>(p.FrmSwitchToCost())
                                                       : static_cast<platform::Form&>(p.FrmScrResult());
        ASSERT_TRUE(closed.isShown());
        closeBox(closed);
        ASSERT_FALSE(closed.isLoaded());
        workOutGenProbe(answer, worked);
        leftOpen.clear();
        key(p.FrmGraph(), Qt::Key_F3);
    }
    void graphLeftOverTheClosedCosts() { graphLeftOverAClosedResultWindow(Qt::Key_F2); }
    void graphLeftOverTheClosedResults() { graphLeftOverAClosedResultWindow(Qt::Key_F4); }

    // The unit-cost window that the confirmation's Yes opens stays beside
    // the rest of the pass; with the comparison on screen a cost is typed in
    // the PCA box and the Tab leaves it.
    void unitCostWindowLeftOpenBesideTheResults()
    {
        run(Leg::ToTestSelection, Leg::TestingForward);
        answerConfirmation(true);
        leftOpen << "FrmTestCost";
        run(Leg::ConfirmForward, Leg::SwitchStep);
        FrmTestCost& costs = program().FrmTestCost();
        bringUp(costs);
        enter(costs.TxtCostPCA);
        typeAndTab(costs.TxtCostPCA, pca);
        leftOpen.clear();
    }
};

struct Case {
    const char* name;
    void (FiguresInUse::*walk)();
    Figures walked;  // the figures typed on the forms along the way
    Figures fresh;   // what a fresh program is given
    // A caption that must show at the end, on the results screen.
    const char* label = nullptr;
    const char* caption = nullptr;
    const char* answer = "y";  // the calculator's box: "" is its Cancel
    const char* pca = "9";     // typed in the PCA box left open
    const char* worked = "40 2 4 12 5 1";  // the calculator's answers
    // The caption is the graph's GenProbe bar of the cost per positive, as
    // the cost screen of a fresh program shows that cost.
    bool onTheGraph = false;
};

Figures with(Figures f, QString Figures::*figure, const char* text)
{
    f.*figure = QString::fromLatin1(text);
    return f;
}

const Figures kDefaultCost = with(kGenProbe, &Figures::testCost, "");

const Case kCases[] = {
    {"a confirmed cost does not come back at a later pass's Next", &FiguresInUse::confirmedCostAndANextInTheNextPass,
     kDefaultCost, kDefaultCost, "lblCostTest", "$3.35"},
    {"the calculator left open works out the cost of the test in use",
     &FiguresInUse::calculatorLeftOpenBesideTheResults, kGenProbe, with(kGenProbe, &Figures::testCost, "8"),
     "lblCostTest", "$8.00"},
    {"a cost worked out and not confirmed changes nothing", &FiguresInUse::calculatorLeftOpenBesideTheResults,
     kGenProbe, kGenProbe, "lblCostTest", "$4.10", ""},
    {"the unit-cost window left open changes the confirmation cost",
     &FiguresInUse::unitCostWindowLeftOpenBesideTheResults, kGenProbe, with(kGenProbe, &Figures::confirmCost, "9"),
     "lblcc", "$6,246.00"},
    {"the graph over the costs closed follows the calculator", &FiguresInUse::graphLeftOverTheClosedCosts, kGenProbe,
     with(kGenProbe, &Figures::testCost, "8"), "FrmSwitchToCost.lblST1PI", "$147.00", "y", "9", "40 2 4 12 5 1",
     true},
    {"the graph over the results closed follows the calculator", &FiguresInUse::graphLeftOverTheClosedResults,
     kGenProbe, with(kGenProbe, &Figures::testCost, "8"), "FrmSwitchToCost.lblST1PI", "$147.00", "y", "9",
     "40 2 4 12 5 1", true},
    // An amount counts as its box shows it, a cost worked out as the
    // calculator's question names it.
    {"an amount typed with more decimals than its box shows counts as shown",
     &FiguresInUse::unitCostWindowLeftOpenBesideTheResults, kGenProbe, kGenProbe, "lblcc", "$5,032.00", "y", "7.254"},
    {"an amount typed at half a cent counts as its box rounds it",
     &FiguresInUse::unitCostWindowLeftOpenBesideTheResults, kGenProbe, with(kGenProbe, &Figures::confirmCost, "7.26"),
     "lblcc", "$5,038.00", "y", "7.255"},
    {"a worked-out cost is the one its question names", &FiguresInUse::calculatorLeftOpenBesideTheResults, kGenProbe,
     with(kGenProbe, &Figures::testCost, "7.41"), "lblCostScr", "$73,359.00", "y", "9", "40 3 4 10 5 1"},
};

} // namespace

TEST_F(FiguresInUse, EveryResultScreenFollowsAFigureChangedBesideIt)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const Captions fresh = freshProgramShows(c.fresh);
        use(c.walked);
        answer = QString::fromLatin1(c.answer);
        pca = QString::fromLatin1(c.pca);
        worked = QString::fromLatin1(c.worked).split(u' ');
        startUpToConsole();
        (this->*c.walk)();
        if (HasFatalFailure())
            return;
        if (c.onTheGraph) {
            FrmGraph& graph = program().FrmGraph();
            ASSERT_TRUE(graph.chrPerPos.visible());
            const QString bar = platform::Chart::rowCaption(graph.chrPerPos.data().rows.at(0));
            EXPECT_EQ(bar, "GP\n" + QString::fromLatin1(c.caption));
            EXPECT_EQ(bar, "GP\n" + fresh.value(QString::fromLatin1(c.label)));
        } else {
            const Captions walked = resultCaptions();
            EXPECT_EQ(walked.value(QStringLiteral("FrmScrResult.") + c.label), QString::fromLatin1(c.caption));
            expectSameCaptions(walked, fresh);
        }
        restart();
        leftOpen.clear();
    }
}
