// How long the program takes for what a user waits on: its start, from
// nothing to the first instruction page on screen; one whole switch step,
// from the agree command on the drug-cost form to the projected PID screen
// loaded and on screen; and one headless pass of the model over the same
// programme. Runs offscreen many times and prints the medians. The start and
// the switch step are timed with captions fitted and with fitting switched
// off, taking turns in one run, so what fitting costs is their ratio.
//
//   ./build/benchmark [runs]      (default 200)

#include "app/Program.h"
#include "figures/CostComparison.h"
#include "figures/CurrentStrategy.h"
#include "figures/PidProjection.h"
#include "figures/SwitchToComparison.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "platform/Screen.h"
#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmTesting.h"
#include "results/FrmScrResult.h"
#include "results/ResultScreens.h"
#include "shell/FrmInstructSwitch.h"
#include "shell/frmSplash.h"
#include "support/Programmes.h"
#include "support/ScriptedDialogs.h"
#include "testchars/FrmSenSpec.h"
#include "whatif/FrmSwitchToAnaly.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The programme of the first acceptance case, as the agree step finds it.
const testsupport::Programme& programme()
{
    static const testsupport::Programme p = testsupport::programmes().front();
    return p;
}

// One headless pass: the current strategy, the comparison, the costs and
// the projections, in the order the switch step loads them.
double modelPass()
{
    VarCon vc = programme().vc;
    Selection sel = programme().sel;
    const Clock::time_point start = Clock::now();
    const CurrentStrategyFigures current = ComputeCurrentStrategy(vc, sel, programme().confirm);
    const auto comparison = switchto::CompareTests(vc, sel);
    const CostComparison costs = CompareCosts(vc, sel);
    const PidProjection pid = ProjectPid(vc, sel);
    const double took = microsecondsSince(start);
    // Keep the optimiser from dropping the work.
    if (current.found < 0 || !comparison || costs.tests.size() != pid.tests.size())
        std::fprintf(stderr, "unexpected model result\n");
    return took;
}

// One switch step in a fresh program: the questionnaire's answers stand in
// the model state, the drug-cost form is on screen, and the clock runs from
// its agree command until the projection screen is shown.
double switchStep(testsupport::ScriptedDialogs& dialogs, platform::Screen& screen, platform::Printer& printer,
                  bool fitting)
{
    dialogs.answer(platform::Answer::No);
    Program program(dialogs, screen, &printer, [] {});
    program.runtime().setFitsCaptions(fitting);
    program.FrmTesting().lstScreenTest.setListIndex(0);
    program.FrmConfirm().optConfirm[programme().confirm ? 0 : 1].setValue(true);
    program.vc = programme().vc;
    program.sel = programme().sel;
    program.sel.confirmsPositives = programme().confirm;
    FrmQuestDrugCost& drugs = program.FrmQuestDrugCost();
    drugs.show();
    QApplication::processEvents();

    // The review of the test characteristics is left unchanged by its forward button.
    QTimer review;
    review.setInterval(0);
    QObject::connect(&review, &QTimer::timeout, &review, [&program] {
        if (program.FrmSenSpec().isModal())
            program.FrmSenSpec().cmdNext_Click();
    });

    const Clock::time_point start = Clock::now();
    drugs.cmdAgree_Click();
    review.start();
    program.FrmScrResult().cmdSwitchTo_Click();
    review.stop();
    platform::Form& projection = program.resultScreen(ResultScreen::SwitchToAnalysis);
    goToResultScreen(program, program.resultScreen(ResultScreen::SwitchToTest), ResultScreen::SwitchToAnalysis);
    QApplication::processEvents();
    const double took = microsecondsSince(start);
    if (!projection.isShown())
        std::fprintf(stderr, "the projection screen is not on screen\n");
    return took;
}

// The program's start: the splash up (its question answered No), then the
// first instruction page a key on the splash leads to.
double startUp(testsupport::ScriptedDialogs& dialogs, platform::Screen& screen, platform::Printer& printer,
               bool fitting)
{
    dialogs.answer(platform::Answer::No);
    const Clock::time_point start = Clock::now();
    Program program(dialogs, screen, &printer, [] {});
    program.runtime().setFitsCaptions(fitting);
    program.start();
    QApplication::processEvents();
    program.frmSplash().Form_KeyPress(' ');
    QApplication::processEvents();
    const double took = microsecondsSince(start);
    if (!program.FrmInstructSwitch().isShown())
        std::fprintf(stderr, "the instructions are not on screen\n");
    return took;
}

// Times `run` with fitting on and off by turns, each first in every other round.
template <class Run>
std::pair<std::vector<double>, std::vector<double>> withAndWithoutFitting(int runs, Run run)
{
    std::vector<double> fitted, unfitted;
    for (int i = 0; i < runs; ++i)
        for (const bool fitting : {i % 2 == 0, i % 2 != 0})
            (fitting ? fitted : unfitted).push_back(run(fitting));
    return {fitted, unfitted};
}

void report(const char* what, const std::pair<std::vector<double>, std::vector<double>>& times, const char* span)
{
    const double fitted = median(times.first) / 1000.0, unfitted = median(times.second) / 1000.0;
    std::printf("%s median %.2f ms fitted, %.2f ms with fitting off, ratio %.3f, over %d runs each (%s)\n", what,
                fitted, unfitted, fitted / unfitted, int(times.first.size()), span);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    testsupport::ScriptedDialogs dialogs;
    platform::FixedScreen screen{1024, 768};
    QTemporaryDir folder;
    platform::Printer printer(dialogs, platform::Destination::pdf(folder.path() + QStringLiteral("/bench.pdf")));

    std::vector<double> model;
    for (int i = 0; i < runs * 10; ++i)
        model.push_back(modelPass());
    const auto start = withAndWithoutFitting(runs, [&](bool fitting) { return startUp(dialogs, screen, printer, fitting); });
    const auto step = withAndWithoutFitting(runs, [&](bool fitting) { return switchStep(dialogs, screen, printer, fitting); });

    std::printf("model pass:  median %.1f us over %d runs\n", median(model), int(model.size()));
    report("start-up:   ", start, "to the first instruction page shown");
    report("switch step:", step, "agree command to the projection screen shown");
    return 0;
}
