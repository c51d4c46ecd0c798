// A seeded random walk through whole passes of the program, on real key and
// mouse events from start-up: each form of a pass is left by a way drawn from
// its table (forward, Back, close box, Escape, a menu command, the calculator,
// the probabilities window, F-keys among the result screens, "Return to
// Main"), and fields take valid and refused figures drawn from a table of
// input kinds. The walk keeps its own account of which figures the pass has
// accepted, from what it did and the program's rules, never by asking the
// program; after every switch step the four result screens must show what a
// freshly started program shows when given only those figures.
//
// RANDOM_WALKS sets the number of seeds walked after the fixed ones (default
// 0), RANDOM_WALK_SEED the first of them (default 1). A failure prints the
// seed and every step taken.

#include "PassWalk.h"
#include "support/LocaleScope.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using paths::Captions;
using paths::Figures;
using testsupport::whenModal;

// --- what a pass has accepted --------------------------------------------------------------------
//
// The rules the walk keeps its account by:
// - a figure typed into a field and left by Tab is accepted once its checks
//   pass; a refused figure is not, nor one still being typed when its form is
//   closed by its close box;
// - the test characteristics and the unit-cost window keep what their fields
//   took, however they are then left (forward or back arrow, close box);
// - the review of the switch step keeps what was typed in it only when it is
//   left by its forward arrow; its Back and close box take it all back;
// - a cost worked out in the calculator and confirmed with "y" is taken by
//   the calculator's forward arrow;
// - the population form's Back to the console keeps its figures, and the
//   confirmation form keeps its answer; "Back/Return to Main" ends the pass,
//   and the next one starts from the defaults.
class PassAccount {
public:
    void newPass(const QString& programme)
    {
        accepted_ = Figures{programme, {}, {}, {}, {}, {}};
        review_.reset();
    }
    void accept(QString Figures::*figure, const QString& text) { (review_ ? *review_ : accepted_).*figure = text; }
    void reviewOpens() { review_ = accepted_; }
    void reviewCloses(bool keeps)
    {
        if (keeps)
            accepted_ = *review_;
        review_.reset();
    }
    const Figures& accepted() const { return accepted_; }

private:
    Figures accepted_;
    std::optional<Figures> review_;
};

// --- the input kinds ---------------------------------------------------------------------------------

enum class Input {
    Untouched,
    Valid,                // a valid figure, Tab: accepted
    RefusedThenValid,     // a refused figure, Tab, the message; then a valid one, Tab
    RefusedThenClosed,    // a refused figure, Tab, the message; then the form's close box
    HalfTypedThenClosed,  // a valid figure typed, rubbed out by Backspace; then the close box
};
const Input kInputs[] = {Input::Untouched, Input::Valid, Input::RefusedThenValid, Input::RefusedThenClosed,
                         Input::HalfTypedThenClosed};
const char* const kInputNames[] = {"untouched", "valid", "refused then valid", "refused then close box",
                                   "half-typed then close box"};

bool closesTheForm(Input in) { return in == Input::RefusedThenClosed || in == Input::HalfTypedThenClosed; }

// A field the walk types figures into, with the figures it draws from.
struct WalkedField {
    const char* name;
    QString Figures::*figure;
    std::vector<QString> valid, refused;
};

const std::vector<QString> kRefusedCosts{"0", "-3", "abc", "$5", "", "2000000"};
const WalkedField kSensitivity{"screening sensitivity", &Figures::sensitivity, {"0.92", "0.8", "0.95"},
                               {"abc", "0.5", "0", "-1", ""}};
const WalkedField kTestCost{"screening test cost", &Figures::testCost, {"4.10", "9.10", "12"}, kRefusedCosts};
const WalkedField kConfirmCost{"confirmation cost", &Figures::confirmCost, {"7.25", "5", "8.5"}, kRefusedCosts};
const WalkedField kReviewEiaSens{"review EIA sensitivity", &Figures::reviewEiaSens, {"0.6", "0.9", "0.75"},
                                 {"abc", "0.5", "0.98", ""}};
const WalkedField kReviewEiaCost{"review EIA cost", &Figures::reviewEiaCost, {"5.55", "3"}, kRefusedCosts};

// The stages of a pass; each is left by one of the ways of its table.
enum class Stage { Console, Preview, Population, TestView, Testing, Confirm, Percent, DrugCosts, Results, Comparison };

class RandomWalk : public paths::PassWalk {
public:
    struct Way {
        const char* name;
        std::function<Stage(RandomWalk&)> go;
        bool (*offered)(RandomWalk&) = nullptr;  // when not every time
    };

    // Walks `passes` switch steps from start-up, then compares each with a fresh program.
    void walk(unsigned seed, int switchSteps)
    {
        rng.seed(seed);
        account = {};
        steps.clear();
        snapshots.clear();
        leftOpen.clear();
        passOpen = populationTyped = percentTyped = drugCostsTyped = calculatorOpen = false;
        startUpToConsole();
        Stage stage = Stage::Console;
        for (int step = 0; step < 400 && snapshots.size() < std::size_t(switchSteps) && !HasFatalFailure(); ++step)
            stage = leave(stage);
        ASSERT_FALSE(HasFatalFailure()) << replay(seed);
        ASSERT_EQ(snapshots.size(), std::size_t(switchSteps)) << replay(seed);
        leftOpen.clear();
        for (const auto& [accepted, walked] : snapshots) {
            const Captions fresh = freshFor(accepted);
            if (fresh.isEmpty() || walked != fresh) {
                expectSameCaptions(walked, fresh);
                ADD_FAILURE() << "accepted: " << describe(accepted) << '\n' << replay(seed);
            }
        }
    }

private:
    std::mt19937 rng;
    PassAccount account;
    std::vector<std::string> steps;
    std::vector<std::pair<Figures, Captions>> snapshots;
    bool passOpen = false, populationTyped = false, percentTyped = false, drugCostsTyped = false;
    bool calculatorOpen = false;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    template <typename T> const T& pickFrom(const std::vector<T>& v) { return v[std::size_t(pick(int(v.size())))]; }
    void note(const std::string& s) { steps.push_back(s); }
    bool genProbe() const { return prog.figures["test"].toString() == "GenProbe"; }

    Stage leave(Stage stage)
    {
        std::vector<const Way*> offered;
        for (const Way& w : ways().at(stage))
            if (!w.offered || w.offered(*this))
                offered.push_back(&w);
        // The first way of each table, the way on, is taken every other time,
        // so that a walk reaches the switch step often enough.
        const Way& way = pick(2) ? *offered.front() : *offered[std::size_t(pick(int(offered.size())))];
        note(std::string(stageName(stage)) + ": " + way.name + "   [on screen: " +
             formsOnScreen().join(' ').toStdString() + ']');
        return way.go(*this);
    }

    // --- the ways out of each stage -----------------------------------------------------------------

    static const std::map<Stage, std::vector<Way>>& ways()
    {
        using W = RandomWalk;
        static const std::map<Stage, std::vector<Way>> table{
            {Stage::Console, {{"enter the questionnaire", [](W& w) { return w.enterQuestionnaire(); }}}},
            {Stage::Preview,
             {{"forward arrow", [](W& w) { return w.previewForward(false); }},
              {"menu Forward", [](W& w) { return w.previewForward(true); }},
              {"calculator: GenProbe worked out, y, its forward arrow",
               [](W& w) {
                   w.openCalculator();
                   w.calculatorTakesGenProbe();
                   return Stage::Preview;
               },
               [](W& w) { return w.genProbe() && !w.calculatorOpen; }},
              {"calculator opened and left open",
               [](W& w) {
                   w.openCalculator();
                   return Stage::Preview;
               },
               [](W& w) { return !w.calculatorOpen; }},
              {"probabilities left by their forward arrow", [](W& w) { return w.probabilities(true); }},
              {"probabilities left open", [](W& w) { return w.probabilities(false); }}}},
            {Stage::Population,
             {{"Continue", [](W& w) { return w.populationContinue(); }},
              {"Back (F2) to the console, figures kept", [](W& w) { return w.populationBack(); }}}},
            {Stage::TestView,
             {{"forward arrow", [](W& w) { return w.leaveTestView([](W& t) { click(t.senSpec().cmdNext); }); }},
              {"Back arrow", [](W& w) { return w.leaveTestView([](W& t) { click(t.senSpec().cmdBack); }); }},
              {"close box", [](W& w) { return w.leaveTestView([](W& t) { closeBox(t.senSpec()); }); }},
              {"Escape, then the forward arrow",
               [](W& w) {
                   return w.leaveTestView([](W& t) {
                       key(t.senSpec(), Qt::Key_Escape);
                       click(t.senSpec().cmdNext);
                   });
               }},
              {"left open", [](W& w) { return w.leaveTestView(nullptr); }}}},
            {Stage::Testing,
             {{"forward arrow", [](W& w) { return w.testingForward(false); }},
              {"menu Forward", [](W& w) { return w.testingForward(true); }},
              {"Back arrow", [](W& w) { return w.testingBack(false); }},
              {"menu Back to Screening Test", [](W& w) { return w.testingBack(true); }},
              {"menu Back to Main", [](W& w) { return w.backToMain(w.program().FrmTesting(), w.program().FrmTesting().mnuMain); }}}},
            {Stage::Confirm,
             {{"answered, forward arrow", [](W& w) { return w.confirm(true); }},
              {"answered, Back arrow", [](W& w) { return w.confirm(false); }}}},
            {Stage::Percent,
             {{"OK", [](W& w) { return w.percentOk(); }},
              {"menu Back to Confirm Test", [](W& w) { return w.percentBackToConfirm(); }},
              {"menu Back to Main",
               [](W& w) { return w.backToMain(w.program().FrmQuestPercent(), w.program().FrmQuestPercent().mnuMain); }}}},
            {Stage::DrugCosts,
             {{"agree", [](W& w) { return w.drugCostsAgree(); }},
              {"Back arrow", [](W& w) { return w.drugCostsBack(); }}}},
            {Stage::Results,
             {{"switch step", [](W& w) { return w.switchStep(); }},
              {"Back arrow", [](W& w) { return w.resultsBack(); }},
              {"Return to Main (Ctrl+R)", [](W& w) { return w.returnToMain(w.program().FrmScrResult()); }}}},
            {Stage::Comparison,
             {{"F-keys, then Return to Main (Ctrl+R)",
               [](W& w) {
                   w.fKeys();
                   return w.returnToMain(w.current());
               }},
              {"F-keys, F4, the results' Back arrow",
               [](W& w) {
                   w.fKeys();
                   key(w.current(), Qt::Key_F4);
                   return w.resultsBack();
               }}}},
        };
        return table;
    }

    // The review's ways out, and whether each keeps what was typed in it.
    struct ReviewWay {
        const char* name;
        void (*leave)(FrmSenSpec&);
        bool keeps;
    };
    static constexpr ReviewWay kReviewWays[] = {
        {"forward arrow", [](FrmSenSpec& f) { click(f.cmdNext); }, true},
        {"Back arrow", [](FrmSenSpec& f) { click(f.cmdBack); }, false},
        {"close box", [](FrmSenSpec& f) { closeBox(f); }, false},
        {"Escape, then the forward arrow",
         [](FrmSenSpec& f) {
             key(f, Qt::Key_Escape);
             click(f.cmdNext);
         },
         true},
    };
    static constexpr std::size_t kReviewCloseBox = 2;

    static const char* stageName(Stage s)
    {
        const char* const names[] = {"console", "preview", "population", "test characteristics", "test selection",
                                     "confirmation", "treatment", "drug costs", "results", "comparison"};
        return names[int(s)];
    }

    // --- typing ----------------------------------------------------------------------------------

    // Types into the field by an input kind drawn from the table; returns it.
    // A kind that ends by closing the form leaves the closing to the caller.
    Input typeInto(platform::TextBox& field, const WalkedField& walked, bool mayClose)
    {
        Input in = kInputs[pick(int(std::size(kInputs)))];
        if (closesTheForm(in) && !mayClose)
            in = Input::Valid;
        const QString valid = pickFrom(walked.valid), refused = pickFrom(walked.refused);
        std::ostringstream what;
        what << "  " << walked.name << ": " << kInputNames[int(in)];
        if (in == Input::Untouched) {
            note(what.str());
            return in;
        }
        enter(field);
        if (in == Input::RefusedThenValid || in == Input::RefusedThenClosed) {
            what << " \"" << refused.toStdString() << '"';
            // Entering the field selected its text: the refused figure, even
            // an empty one, takes its place.
            QTest::keyClick(field.widget(), Qt::Key_Backspace);
            QTest::keyClicks(field.widget(), refused);
            QTest::keyClick(field.widget(), Qt::Key_Tab);
            EXPECT_TRUE(field.hasFocus()) << walked.name << " took \"" << refused.toStdString() << '"';
        }
        if (in == Input::Valid || in == Input::RefusedThenValid) {
            what << " \"" << valid.toStdString() << '"';
            typeAndTab(field, valid);
            account.accept(walked.figure, valid);
        }
        if (in == Input::HalfTypedThenClosed) {
            what << " \"" << valid.toStdString() << '"';
            QTest::keyClicks(field.widget(), valid);
            for (int i = 0; i < valid.size(); ++i)
                QTest::keyClick(field.widget(), Qt::Key_Backspace);
        }
        note(what.str());
        return in;
    }

    // A figure of the programme typed into the question form's field, after
    // a refused one now and then.
    void typeAnswer(platform::TextBox& field, const QString& text, const std::vector<QString>& refused)
    {
        if (pick(3) == 0) {
            const QString bad = pickFrom(refused);
            note("  refused \"" + bad.toStdString() + "\" before " + field.name().toStdString());
            typeAndTab(field, bad);
            EXPECT_TRUE(field.hasFocus()) << field.name().toStdString() << " took \"" << bad.toStdString() << '"';
        }
        typeAndTab(field, text);
    }

    // --- the stages ------------------------------------------------------------------------------

    FrmSenSpec& senSpec() { return program().FrmSenSpec(); }

    Stage enterQuestionnaire()
    {
        if (!passOpen) {
            const QString name = pick(2) ? "gp_pcr_confirm" : "pcrc_noconfirm";
            use(Figures{name, {}, {}, {}, {}, {}});
            account.newPass(name);
            note("new pass: " + name.toStdString());
            passOpen = true;
        }
        consoleToPreview("Springfield");
        return Stage::Preview;
    }

    Stage previewForward(bool menu)
    {
        FrmInitQuest& preview = program().FrmInitQuest();
        bringUp(preview);
        menu ? choose(preview, preview.mnuForward) : click(preview.cmdNext);
        return Stage::Population;
    }

    void openCalculator()
    {
        choose(program().FrmInitQuest(), program().FrmInitQuest().mnuTestCostCalculator);
        calculatorOpen = true;
        leftOpen << "FrmDraftCostTest";
    }

    // GenProbe's cost worked out (40 tests and 4 controls per batch, 2
    // batches a day, $12 an hour, kits $5, reagent $1: $8.00), confirmed
    // with "y" and taken by the calculator's forward arrow.
    void calculatorTakesGenProbe()
    {
        FrmDraftCostTest& calc = program().FrmDraftCostTest();
        key(calc, Qt::Key_F1);
        const std::pair<platform::TextBox*, const char*> figures[] = {
            {&calc.txtTstPerBat, "40"}, {&calc.txtBatPerDay, "2"}, {&calc.txtContPerBat, "4"},
            {&calc.txtLabHour, "12"},   {&calc.txtTestKits, "5"},  {&calc.txtReagTrans, "1"}};
        for (const auto& [field, text] : figures) {
            bringUp(calc);
            enter(*field);
            typeAndTab(*field, QString::fromLatin1(text));
        }
        dialogs.type("y");
        key(calc, Qt::Key_F1, Qt::ControlModifier);
        bringUp(calc);
        click(calc.cmdNext);
        account.accept(&Figures::testCost, "8");
        calculatorOpen = false;
        leftOpen.removeAll("FrmDraftCostTest");
    }

    Stage probabilities(bool forward)
    {
        choose(program().FrmInitQuest(), program().FrmInitQuest().mnuProbabilities);
        if (forward) {
            bringUp(senSpec());
            click(senSpec().cmdNext);
            leftOpen.removeAll("FrmSenSpec");
        } else if (!leftOpen.contains("FrmSenSpec")) {
            leftOpen << "FrmSenSpec";
        }
        return Stage::Preview;
    }

    Stage populationContinue()
    {
        FrmQuestPop& pop = program().FrmQuestPop();
        bringUp(pop);
        if (!populationTyped) {
            const QJsonArray counts = prog.figures["NoFem"].toArray(), rates = prog.figures["PerFem"].toArray();
            platform::TextBox* const countFields[] = {&pop.txtNoFem18, &pop.txtNoFem1825, &pop.txtNoFem25};
            platform::TextBox* const rateFields[] = {&pop.txtPerFem18, &pop.txtPerFem1825, &pop.txtPerFem25};
            enter(pop.txtNoFem18);
            for (int g = 0; g < 3; ++g)
                typeAnswer(*countFields[g], testsupport::localDecimals(QString::number(counts[g].toDouble())), {"abc", "-5", "20000000"});
            for (int g = 0; g < 3; ++g)
                typeAnswer(*rateFields[g], testsupport::localDecimals(QString::number(rates[g].toDouble())), {"abc", "-1"});
            populationTyped = true;
        }
        click(pop.cmdContinue);
        return testingChooses();
    }

    Stage populationBack()
    {
        key(program().FrmQuestPop(), Qt::Key_F2);
        return Stage::Console;
    }

    // The pair chosen on the test selection: its rows of characteristics
    // come up, where the walk types the screening test's figures.
    Stage testingChooses()
    {
        leftOpen.removeAll("FrmSenSpec");
        chooseThePair();
        bringUp(senSpec());
        return Stage::TestView;
    }

    Stage leaveTestView(void (*leave)(RandomWalk&))
    {
        bool closed = false;
        for (const WalkedField* f : {&kSensitivity, &kTestCost}) {
            platform::TextBox& field = f == &kSensitivity ? senSpec().sensitivityField(screeningRow())
                                                          : senSpec().testCostField(screeningRow());
            if (closesTheForm(typeInto(field, *f, true))) {
                closed = true;
                break;
            }
        }
        if (calculatorOpen && !closed) {
            if (genProbe()) {
                note("  the calculator, left open, works out GenProbe");
                calculatorTakesGenProbe();
            }
        }
        if (closed) {
            note("  close box");
            closeBox(senSpec());
        } else if (leave) {
            leave(*this);
        } else {
            leftOpen << "FrmSenSpec";
        }
        return Stage::Testing;
    }

    Stage testingForward(bool menu)
    {
        FrmTesting& testing = program().FrmTesting();
        bringUp(testing);
        menu ? choose(testing, testing.mnuForward) : click(testing.cmdNext);
        return Stage::Confirm;
    }

    Stage testingBack(bool menu)
    {
        FrmTesting& testing = program().FrmTesting();
        bringUp(testing);
        menu ? choose(testing, testing.mnuRestart) : click(testing.cmdBack);
        leftOpen.removeAll("FrmSenSpec");
        clickThrough(program().FrmQuestPop(), program().FrmQuestPop().cmdContinue, {"FrmTesting"});
        return testingChooses();
    }

    Stage backToMain(platform::Form& form, platform::MenuItem& item)
    {
        choose(form, item);
        return passEnds();
    }

    Stage returnToMain(platform::Form& form)
    {
        key(form, Qt::Key_R, Qt::ControlModifier);
        return passEnds();
    }

    Stage passEnds()
    {
        leftOpen.clear();
        expectOnScreen({"FrmConsole"});
        passOpen = populationTyped = percentTyped = drugCostsTyped = calculatorOpen = false;
        return Stage::Console;
    }

    // The answer of the programme; Yes brings the unit-cost window with the
    // focus in the confirmation box.
    Stage confirm(bool forward)
    {
        Program& p = program();
        if (confirms()) {
            answerYes(confirmationBox(), {});
            FrmTestCost& costs = p.FrmTestCost();
            const Input in = typeInto(confirmationBox(), kConfirmCost, true);
            if (closesTheForm(in)) {
                note("  unit costs: close box");
                closeBox(costs);
            } else {
                const int way = pick(3);
                note(way == 0 ? "  unit costs: close box" : way == 1 ? "  unit costs: Escape, forward arrow"
                                                                     : "  unit costs: forward arrow");
                if (way == 0) {
                    closeBox(costs);
                } else {
                    if (way == 1)
                        key(costs, Qt::Key_Escape);
                    bringUp(costs);
                    click(costs.cmdNext);
                }
            }
        } else {
            answerConfirmation(false);
        }
        FrmConfirm& question = p.FrmConfirm();
        bringUp(question);
        if (!forward) {
            click(question.cmdBack);
            return Stage::Testing;
        }
        click(question.cmdForward);
        return Stage::Percent;
    }

    Stage percentOk()
    {
        if (!percentTyped) {
            percentToDrugCosts(prog);
            percentTyped = true;
        } else {
            clickThrough(program().FrmQuestPercent(), program().FrmQuestPercent().cmdOk, {"FrmQuestDrugCost"});
        }
        return Stage::DrugCosts;
    }

    Stage percentBackToConfirm()
    {
        choose(program().FrmQuestPercent(), program().FrmQuestPercent().mnuBack);
        return Stage::Confirm;
    }

    Stage drugCostsAgree()
    {
        FrmQuestDrugCost& drugs = program().FrmQuestDrugCost();
        bringUp(drugs);
        if (!drugCostsTyped) {
            const QJsonObject& in = prog.figures;
            enter(drugs.txtAzi);
            const std::vector<QString> refused{"abc", "0", "-3"};
            typeAnswer(drugs.txtAzi, testsupport::localDecimals(in["CostAzi"].toString()), refused);
            typeAnswer(drugs.txtDox, testsupport::localDecimals(in["CostDox"].toString()), refused);
            typeAnswer(drugs.txtPID, testsupport::localDecimals(in["CostPID"].toString()), refused);
            drugCostsTyped = true;
        }
        click(drugs.cmdAgree);
        return Stage::Results;
    }

    Stage drugCostsBack()
    {
        clickThrough(program().FrmQuestDrugCost(), program().FrmQuestDrugCost().cmdBack, {"FrmQuestPercent"});
        return Stage::Percent;
    }

    Stage resultsBack()
    {
        FrmScrResult& results = program().FrmScrResult();
        bringUp(results);
        click(results.cmdBack);
        return Stage::DrugCosts;
    }

    // The results' forward arrow: the review comes up, takes figures and is
    // left by a way of its table; the comparison then shows the figures the
    // pass has accepted.
    Stage switchStep()
    {
        leftOpen.removeAll("FrmSenSpec");
        account.reviewOpens();
        FrmSenSpec& review = senSpec();
        whenModal(review, [this, &review] {
            bringUp(review);
            std::size_t way = std::size_t(pick(int(std::size(kReviewWays))));
            for (const WalkedField* f : {&kReviewEiaSens, &kReviewEiaCost}) {
                platform::TextBox& field = f == &kReviewEiaSens ? review.TxtEIASens : review.txtTestCostEia;
                if (closesTheForm(typeInto(field, *f, true))) {
                    way = kReviewCloseBox;
                    break;
                }
            }
            note(std::string("  review: ") + kReviewWays[way].name);
            account.reviewCloses(kReviewWays[way].keeps);
            kReviewWays[way].leave(review);
        });
        FrmScrResult& results = program().FrmScrResult();
        bringUp(results);
        click(results.cmdSwitchTo);
        if (!program().FrmSwitchTo().isShown()) {
            ADD_FAILURE() << "no comparison after the switch step";
            return Stage::Results;
        }
        snapshots.emplace_back(account.accepted(), resultCaptions());
        note("  compared: " + describe(account.accepted()));
        return Stage::Comparison;
    }

    void fKeys()
    {
        for (int n = pick(4); n > 0; --n)
            key(current(), Qt::Key_F1 + pick(4));
    }

    // --- the fresh program --------------------------------------------------------------------------

    // A fresh program's captions for these figures, worked out once per run.
    Captions freshFor(const Figures& f)
    {
        static std::map<std::string, Captions> seen;
        const std::string key = describe(f);
        if (!seen.count(key))
            seen[key] = freshProgramShows(f);
        return seen[key];
    }

    static std::string describe(const Figures& f)
    {
        std::ostringstream s;
        s << f.programme.toStdString() << " sens=" << f.sensitivity.toStdString()
          << " cost=" << f.testCost.toStdString() << " confirm=" << f.confirmCost.toStdString()
          << " reviewEiaSens=" << f.reviewEiaSens.toStdString() << " reviewEiaCost=" << f.reviewEiaCost.toStdString();
        return s.str();
    }

    std::string replay(unsigned seed) const
    {
        std::ostringstream s;
        s << "seed " << seed << " (RANDOM_WALK_SEED=" << seed << " RANDOM_WALKS=1), steps:";
        for (const std::string& step : steps)
            s << "\n  " << step;
        return s.str();
    }
};

// The seeds CI walks, each through three switch steps. A seed that today
// meets a fault still being mended names it and is skipped until it is.
struct Seed {
    unsigned seed;
    const char* knownFault = nullptr;
};
const Seed kSeeds[] = {
    {1},
    {3},
    {6},
    {8},
    {9},
    {2, "issue 21, fault 3: a half-typed confirmation cost, dropped by the unit-cost window's close box, is charged"},
    {16, "issue 21, fault 2: a GenProbe cost taken in the calculator is written over by the characteristics' "
         "stale row"},
};

class RandomWalkSeed : public RandomWalk, public ::testing::WithParamInterface<Seed> {};

TEST_P(RandomWalkSeed, TheResultScreensShowWhatAFreshProgramShowsForTheAcceptedFigures)
{
    if (GetParam().knownFault)
        GTEST_SKIP() << GetParam().knownFault;
    walk(GetParam().seed, 3);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomWalkSeed, ::testing::ValuesIn(kSeeds),
                         [](const auto& info) { return "seed_" + std::to_string(info.param.seed); });

class RandomWalkOnRequest : public RandomWalk {};

TEST_F(RandomWalkOnRequest, MoreSeeds)
{
    const char* count = std::getenv("RANDOM_WALKS");
    const char* first = std::getenv("RANDOM_WALK_SEED");
    if (!count && !first)
        GTEST_SKIP() << "set RANDOM_WALKS and RANDOM_WALK_SEED to walk more seeds";
    const unsigned from = first ? unsigned(std::strtoul(first, nullptr, 10)) : 1;
    const int n = count ? std::atoi(count) : 1;
    for (int i = 0; i < n && !HasFailure(); ++i) {
        restart();
        walk(from + unsigned(i), 3);
    }
}

} // namespace
