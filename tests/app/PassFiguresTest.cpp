// One pass, one set of figures: however a form of the pass is left (its
// forward or back arrow, its close box, Escape, a menu command) and however
// often it comes back, the four result screens after the switch step show
// what a freshly started program shows when given only the latest figures.

#include "PassWalk.h"

#include <QTimer>

#include <optional>
#include <vector>

using paths::Captions;
using paths::Figures;
using paths::Leg;
using paths::PassWalk;
using paths::kGenProbe;
using paths::kPcrCervix;
using testsupport::whenModal;

namespace {

class LeavingEachForm;

// The pass along the forward arrows up to the end of one leg, a way of
// leaving a form, and on from the start of another leg.
struct WalkCase {
    const char* name;
    Figures typed;
    Leg upTo;
    std::function<void(LeavingEachForm&)> detour;
    Leg onFrom;
    std::optional<Figures> latest = {};  // what a fresh program is given, when not `typed`
};

void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

class LeavingEachForm : public PassWalk, public ::testing::WithParamInterface<WalkCase> {
public:
    static std::vector<WalkCase> walks();
};

TEST_P(LeavingEachForm, TheResultScreensShowWhatAFreshProgramShowsForTheLatestFigures)
{
    const WalkCase& c = GetParam();
    const Captions fresh = freshProgramShows(c.latest.value_or(c.typed));
    use(c.typed);
    startUpToConsole();
    ASSERT_NO_FATAL_FAILURE(run(Leg::ToTestSelection, c.upTo));
    ASSERT_NO_FATAL_FAILURE(c.detour(*this));
    ASSERT_NO_FATAL_FAILURE(run(c.onFrom, Leg::SwitchStep));
    expectOnScreen({"FrmSwitchTo"});
    expectSameCaptions(resultCaptions(), fresh);
}

std::vector<WalkCase> LeavingEachForm::walks()
{
    using L = Leg;
    using T = LeavingEachForm;
    Figures reviewed = kGenProbe, noConfirmCost = kGenProbe, reviewedCost = kGenProbe, sharedRetestCost = kGenProbe;
    reviewed.reviewEiaSens = "0.6";
    noConfirmCost.confirmCost.clear();
    reviewedCost.reviewEiaCost = "5.55";
    sharedRetestCost.reviewPcrEiaCost = "5.55";
    // A new pass starts from the defaults: only its own figures count.
    const Figures genProbeAlone{"gp_pcr_confirm", {}, {}, {}, {}, {}, {}, {}, {}};
    const auto nothing = [](T&) {};
    // A menu's "Back/Return to Main", then a new pass with other figures.
    const auto backToMainThen = [](auto form, auto item, const Figures& next) {
        return [form, item, next](T& t) {
            Program& p = t.program();
            choose((p.*form)(), (p.*form)().*item);
            t.expectOnScreen({"FrmConsole"});
            t.use(next);
        };
    };
    const auto unitCostsCloseBox = [](T& t) {
        t.answerConfirmation(true);
        closeBox(t.program().FrmTestCost());
    };
    // The review left without its forward arrow; then the results' Back, the
    // agree step and a second switch step, whose review comes up as the first did.
    const auto reviewLeftThenASecondSwitchStep = [](T& t, const std::function<void(FrmSenSpec&)>& leave) {
        Program& p = t.program();
        t.switchStepLeavingReviewBy(leave);
        t.fig.reviewEiaSens.clear();
        t.key(p.FrmSwitchTo(), Qt::Key_F4);
        t.clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdBack, {"FrmQuestDrugCost"});
        t.clickThrough(p.FrmQuestDrugCost(), p.FrmQuestDrugCost().cmdAgree, {"FrmScrResult"});
    };
    return {
        {"forward_arrows", kGenProbe, L::SwitchStep, nothing, L::Done},
        // The figures come back on the population form; the test selection starts afresh.
        {"population_back_to_the_console_and_in_again", kGenProbe, L::TestViewForward,
         [](T& t) {
             Program& p = t.program();
             t.clickThrough(p.FrmTesting(), p.FrmTesting().cmdBack, {"FrmQuestPop"});
             t.key(p.FrmQuestPop(), Qt::Key_F2);
             t.expectOnScreen({"FrmConsole"});
             t.clickThrough(p.FrmConsole(), p.FrmConsole().cmdApp, {"FrmInitQuest"});
             t.clickThrough(p.FrmInitQuest(), p.FrmInitQuest().cmdNext, {"FrmQuestPop"});
             t.clickThrough(p.FrmQuestPop(), p.FrmQuestPop().cmdContinue, {"FrmTesting"});
             t.chooseThePair();
         },
         L::TestViewForward},
        {"test_view_back_arrow", kGenProbe, L::TestView, [](T& t) { click(t.program().FrmSenSpec().cmdBack); },
         L::TestingForward},
        {"test_view_close_box", kGenProbe, L::TestView, [](T& t) { closeBox(t.program().FrmSenSpec()); },
         L::TestingForward},
        {"test_view_escape", kGenProbe, L::TestView, [](T& t) { key(t.program().FrmSenSpec(), Qt::Key_Escape); },
         L::TestViewForward},
        // Back to the population and on again to the pair, whose rows come back
        // with the figures typed before.
        {"test_selection_back_arrow", kGenProbe, L::TestViewForward,
         [](T& t) {
             Program& p = t.program();
             t.clickThrough(p.FrmTesting(), p.FrmTesting().cmdBack, {"FrmQuestPop"});
             t.clickThrough(p.FrmQuestPop(), p.FrmQuestPop().cmdContinue, {"FrmTesting"});
             t.chooseThePair();
         },
         L::TestViewForward},
        {"test_selection_menu_back_to_screening_test", kPcrCervix, L::TestViewForward,
         [](T& t) {
             Program& p = t.program();
             choose(p.FrmTesting(), p.FrmTesting().mnuRestart);
             t.clickThrough(p.FrmQuestPop(), p.FrmQuestPop().cmdContinue, {"FrmTesting"});
             t.chooseThePair();
         },
         L::TestViewForward},
        {"test_selection_menu_forward", kGenProbe, L::TestViewForward,
         [](T& t) { choose(t.program().FrmTesting(), t.program().FrmTesting().mnuForward); }, L::Confirmation},
        {"test_selection_menu_back_to_main", kGenProbe, L::TestViewForward,
         backToMainThen(&Program::FrmTesting, &FrmTesting::mnuMain, genProbeAlone), L::ToTestSelection, genProbeAlone},
        // Asked afresh, the question opens the unit-cost window again with the cost typed before.
        {"confirmation_back_arrow", kGenProbe, L::Confirmation,
         [](T& t) {
             Program& p = t.program();
             t.clickThrough(p.FrmConfirm(), p.FrmConfirm().cmdBack, {"FrmTesting"});
             t.clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});
             t.answerConfirmation(false);
             t.clickThrough(p.FrmTestCost(), p.FrmTestCost().cmdNext, {"FrmConfirm"});
         },
         L::ConfirmForward},
        {"unit_costs_close_box", noConfirmCost, L::TestingForward, unitCostsCloseBox, L::ConfirmForward},
        {"unit_costs_close_box_after_typing", kGenProbe, L::TestingForward, unitCostsCloseBox, L::ConfirmForward},
        // A text typed and rubbed out again is no figure: the cost stays as it was.
        {"unit_costs_close_box_after_typing_and_rubbing_out", noConfirmCost, L::TestingForward,
         [](T& t) {
             Program& p = t.program();
             t.answerConfirmation(false);
             QTest::keyClicks(p.FrmTestCost().TxtCostPCA.widget(), "7.25");
             for (int i = 0; i < 4; ++i)
                 QTest::keyClick(p.FrmTestCost().TxtCostPCA.widget(), Qt::Key_Backspace);
             closeBox(p.FrmTestCost());
         },
         L::ConfirmForward},
        // A specificity refused for the positivity is no figure of the pass,
        // though the characteristics were closed and another pair chosen.
        {"refused_specificity_then_another_pair", kPcrCervix, L::ToTestSelection,
         [](T& t) {
             Program& p = t.program();
             t.choosePair("GenProbe", "No NGZ Test");
             FrmSenSpec& f = p.FrmSenSpec();
             bringUp(f);
             t.dialogs.type("2");
             t.enter(f.TxtGPSpec);
             typeAndTab(f.TxtGPSpec, "0.95");
             EXPECT_TRUE(f.TxtGPSpec.hasFocus()) << "0.95 and 2.5 % fall short of 1";
             closeBox(f);
         },
         L::TestView},
        {"unit_costs_escape", kGenProbe, L::TestingForward,
         [](T& t) {
             Program& p = t.program();
             t.answerConfirmation(true);
             key(p.FrmTestCost(), Qt::Key_Escape);
             t.clickThrough(p.FrmTestCost(), p.FrmTestCost().cmdNext, {"FrmConfirm"});
         },
         L::ConfirmForward},
        // Back again, the treatment question shows its answers and goes on with them.
        {"treatment_menu_back_to_confirm_test", kGenProbe, L::Treatment,
         [](T& t) {
             Program& p = t.program();
             t.clickThrough(p.FrmQuestDrugCost(), p.FrmQuestDrugCost().cmdBack, {"FrmQuestPercent"});
             choose(p.FrmQuestPercent(), p.FrmQuestPercent().mnuBack);
             t.clickThrough(p.FrmConfirm(), p.FrmConfirm().cmdForward, {"FrmQuestPercent"});
             t.clickThrough(p.FrmQuestPercent(), p.FrmQuestPercent().cmdOk, {"FrmQuestDrugCost"});
         },
         L::DrugCosts},
        {"treatment_menu_back_to_main", kGenProbe, L::ConfirmForward,
         backToMainThen(&Program::FrmQuestPercent, &FrmQuestPercent::mnuMain, kPcrCervix), L::ToTestSelection,
         kPcrCervix},
        {"drug_costs_back_arrow", kGenProbe, L::Treatment,
         [](T& t) {
             Program& p = t.program();
             t.clickThrough(p.FrmQuestDrugCost(), p.FrmQuestDrugCost().cmdBack, {"FrmQuestPercent"});
             t.clickThrough(p.FrmQuestPercent(), p.FrmQuestPercent().cmdOk, {"FrmQuestDrugCost"});
         },
         L::DrugCosts},
        {"results_back_arrow", kGenProbe, L::DrugCosts,
         [](T& t) {
             Program& p = t.program();
             t.clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdBack, {"FrmQuestDrugCost"});
             t.clickThrough(p.FrmQuestDrugCost(), p.FrmQuestDrugCost().cmdAgree, {"FrmScrResult"});
         },
         L::SwitchStep},
        {"results_menu_back_after_the_switch_step", kGenProbe, L::SwitchStep,
         [](T& t) {
             Program& p = t.program();
             key(p.FrmSwitchTo(), Qt::Key_F4);
             key(p.FrmScrResult(), Qt::Key_B, Qt::ControlModifier);
             t.clickThrough(p.FrmQuestDrugCost(), p.FrmQuestDrugCost().cmdAgree, {"FrmScrResult"});
         },
         L::SwitchStep},
        // The review's changes count only when it is left by its forward arrow.
        {"review_changed_forward_arrow", reviewed, L::SwitchStep, nothing, L::Done},
        {"review_changed_back_arrow", reviewed, L::DrugCosts,
         [](T& t) { t.switchStepLeavingReviewBy([](FrmSenSpec& f) { click(f.cmdBack); }); }, L::Done, kGenProbe},
        {"review_changed_escape", reviewed, L::DrugCosts,
         [](T& t) {
             t.switchStepLeavingReviewBy([](FrmSenSpec& f) {
                 key(f, Qt::Key_Escape);
                 click(f.cmdNext);
             });
         },
         L::Done},
        // Left without its forward arrow, the review comes back at the next
        // switch step with the figures in use, and its forward arrow keeps them.
        {"review_back_arrow_then_a_second_switch_step", kPcrCervix, L::DrugCosts,
         [=](T& t) { reviewLeftThenASecondSwitchStep(t, [](FrmSenSpec& f) { click(f.cmdBack); }); }, L::SwitchStep},
        {"review_close_box_then_a_second_switch_step", reviewed, L::DrugCosts,
         [=](T& t) { reviewLeftThenASecondSwitchStep(t, [](FrmSenSpec& f) { closeBox(f); }); }, L::SwitchStep,
         kGenProbe},
        // A cost typed in the review left by Back is no figure either, however
        // far back the user goes before the next switch step.
        {"review_cost_back_arrow_then_back_to_the_confirmation", reviewedCost, L::DrugCosts,
         [](T& t) {
             Program& p = t.program();
             t.switchStepLeavingReviewBy([](FrmSenSpec& f) { click(f.cmdBack); });
             t.fig.reviewEiaCost.clear();
             t.key(p.FrmSwitchTo(), Qt::Key_F4);
             t.clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdBack, {"FrmQuestDrugCost"});
             t.clickThrough(p.FrmQuestDrugCost(), p.FrmQuestDrugCost().cmdBack, {"FrmQuestPercent"});
             choose(p.FrmQuestPercent(), p.FrmQuestPercent().mnuBack);
             t.answerConfirmation(false);
             t.clickThrough(p.FrmTestCost(), p.FrmTestCost().cmdNext, {"FrmConfirm"});
             t.run(L::ConfirmForward, L::DrugCosts);
             t.switchStepLeavingReviewBy([](FrmSenSpec& f) { click(f.cmdBack); });
         },
         L::Done, kGenProbe},
        // The review cannot change the cost of the retest in use through the
        // other row that shares it.
        {"review_shared_retest_cost", sharedRetestCost, L::SwitchStep, nothing, L::Done, kGenProbe},
    };
}

INSTANTIATE_TEST_SUITE_P(Walks, LeavingEachForm, ::testing::ValuesIn(LeavingEachForm::walks()),
                         [](const auto& info) { return std::string(info.param.name); });

// A cost worked out in the calculator, left open since the preview, is the
// one in use once the calculator's Next has taken it: the characteristics
// already on screen show it and the results use it. The preview's
// Probabilities window, left by its forward arrow or left open, changes nothing.
TEST_F(PassWalk, ACostTakenInTheCalculatorIsTheOneInUse)
{
    enum class Probabilities { NotOpened, LeftByForward, LeftOpen };
    for (const Probabilities opened : {Probabilities::NotOpened, Probabilities::LeftByForward, Probabilities::LeftOpen}) {
        SCOPED_TRACE(int(opened));
        Figures calculated = kGenProbe;
        calculated.testCost = "8";
        const Captions fresh = freshProgramShows(calculated);
        calculated.testCost.clear();
        use(calculated);
        startUpToConsole();
        Program& p = program();
        consoleToPreview("Springfield");
        FrmInitQuest& preview = p.FrmInitQuest();
        if (opened != Probabilities::NotOpened) {
            choose(preview, preview.mnuProbabilities);
            if (opened == Probabilities::LeftByForward)
                clickThrough(p.FrmSenSpec(), p.FrmSenSpec().cmdNext, {"FrmInitQuest"});
        }
        choose(preview, preview.mnuTestCostCalculator);
        leftOpen = {"FrmDraftCostTest"};
        if (opened == Probabilities::LeftOpen)
            leftOpen << "FrmSenSpec";
        bringUp(preview);
        previewToPopulation();
        populationToTesting(prog);
        // The probabilities window becomes the test view of the pair.
        leftOpen.removeAll("FrmSenSpec");
        chooseThePair();

        FrmDraftCostTest& calc = p.FrmDraftCostTest();
        workOutGenProbe("y");
        click(calc.cmdNext);
        leftOpen.removeAll("FrmDraftCostTest");
        EXPECT_EQ(p.FrmSenSpec().testCostField(SenSpecRow::GP).text(), "$8.00");

        typeTestFigures();
        run(Leg::TestViewForward, Leg::SwitchStep);
        expectOnScreen({"FrmSwitchTo"});
        expectSameCaptions(resultCaptions(), fresh);
        restart();
        leftOpen.clear();
    }
}

// A confirmation cost taken in the calculator while the user types in its
// unit-cost box, a text then dropped by the close box, is the one the
// agree step charges.
TEST_F(PassWalk, ACalculatedConfirmationCostOutlivesATextDroppedInItsBox)
{
    use({"eia_dfa_noconfirm_costs", {}, {}, {}, {}, {}, {}, {}, {}});
    startUpToConsole();
    Program& p = program();
    consoleToPreview("Springfield");
    choose(p.FrmInitQuest(), p.FrmInitQuest().mnuTestCostCalculator);
    leftOpen = {"FrmDraftCostTest"};
    bringUp(p.FrmInitQuest());
    previewToPopulation();
    populationToTesting(prog);
    run(Leg::TestView, Leg::TestingForward);
    answerYes(p.FrmTestCost().TxtCostDFA, {});
    QTest::keyClicks(p.FrmTestCost().TxtCostDFA.widget(), "5");

    FrmDraftCostTest& calc = p.FrmDraftCostTest();
    key(calc, Qt::Key_F5);
    calc.txtTstPerBat_GotFocus();
    for (const char* figure : {"40", "2", "4", "12", "5"}) {
        platform::TextBox* field = dynamic_cast<platform::TextBox*>(calc.activeControl());
        ASSERT_NE(field, nullptr);
        typeAndTab(*field, figure);
    }
    dialogs.type("y");
    key(calc, Qt::Key_F5, Qt::ControlModifier);
    click(calc.cmdNext);
    leftOpen.clear();
    // 6.3333 worked out, taken as the $6.33 the question named.
    const Money taken = Money::fromTicks(63300);
    ASSERT_EQ(p.vc.CostDFA, taken);
    EXPECT_EQ(p.FrmTestCost().TxtCostDFA.text(), "5") << "the text being typed stays the user's";

    closeBox(p.FrmTestCost());
    run(Leg::ConfirmForward, Leg::DrugCosts);
    EXPECT_EQ(p.vc.CostDFA, taken);
    EXPECT_EQ(p.FrmTestCost().TxtCostDFA.text(), "$6.33");
}

// Once the results screen has shown the pass's figures, the review may not
// change the positivity behind them, even when the characteristics were
// never stored by their forward arrow.
TEST_F(PassWalk, AfterTheResultsTheReviewRefusesToChangeThePositivity)
{
    use(kGenProbe);
    startUpToConsole();
    Program& p = program();
    run(Leg::ToTestSelection, Leg::TestView);
    click(p.FrmSenSpec().cmdBack);
    run(Leg::TestingForward, Leg::DrugCosts);
    ASSERT_EQ(p.vc.SpecEntered, 0);

    // Should the population come up, the test records it and takes it away.
    bool populationCameUp = false;
    auto* watch = new QTimer;
    testsupport::modalTimers().push_back(watch);
    QObject::connect(watch, &QTimer::timeout, watch, [&] {
        if (p.FrmQuestPop().isModal()) {
            populationCameUp = true;
            p.FrmQuestPop().hide();
        }
    });
    watch->start(0);

    dialogs.clear();
    dialogs.type("1");
    const float over25 = p.vc.PerFem25;
    switchStepLeavingReviewBy([&](FrmSenSpec& f) {
        // 0.95 and the over-25 positivity of 2 % fall short of 1.
        enter(f.TxtEIASpec);
        typeAndTab(f.TxtEIASpec, "0.95");
        EXPECT_TRUE(f.TxtEIASpec.hasFocus());
        f.window()->close();
    });
    EXPECT_FALSE(populationCameUp);
    const QString refusal = "I am sorry, but one(changing the percentage positive) is not an option, Changing "
                            "positivity rates now will change the values you viewed on your current screening "
                            "strategies will not be accurate. You must change the specificity.";
    EXPECT_EQ(dialogs.prompts(), std::vector<QString>{refusal});
    EXPECT_EQ(p.vc.PerFem25, over25);
}

} // namespace
