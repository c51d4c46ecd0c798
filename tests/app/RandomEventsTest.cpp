// A seeded storm of what a person can do to the program: keys, clicks
// anywhere, bad text typed into fields, close boxes, minimise and restore,
// resizes, and message and input boxes answered at random. It fails on a
// crash, a hang, a NaN or infinity in the model state, a moment with no
// form on screen while the program has not ended, an end of the program
// that neither an Exit command nor the last window's close box asked for, a
// field of a loaded form, other than the one the user is in, that does not
// show its figure, or a result screen on screen that does not show what its
// computation gives from the figures in use.
//
// RANDOM_EVENTS sets the number of events (default 3000), RANDOM_SEED the
// seed (default 20261207). A failure prints the seed and the last events.

#include "app/Program.h"
#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/FrmTesting.h"
#include "results/FrmScrResult.h"
#include "support/ResultsShown.h"
#include "shell/frmSplash.h"
#include "testchars/FrmDraftCostTest.h"
#include "testchars/FrmSenSpec.h"
#include "testchars/FrmTestCost.h"
#include "support/Programmes.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Numbers.h"
#include "platform/Printer.h"
#include "platform/Screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>

namespace {

// Every float of the model state, generated from VarCon.h at configure time.
constexpr float VarCon::* kModelFloats[] = {
#include "VarConFloats.inc"
};

// Every form of the program, by name, in a fixed order so a seed replays.
const char* const kFormNames[] = {
    "frmSplash",       "FrmInstructSwitch", "FrmInstruct",     "FrmConsole",     "FrmInitQuest",
    "FrmQuestPop",     "FrmTesting",        "FrmConfirm",      "FrmQuestPercent", "FrmQuestDrugCost",
    "FrmScrResult",    "FrmSwitchTo",       "FrmSwitchToCost", "FrmSwitchToAnaly", "FrmGraph",
    "FrmGraphResponse", "FrmSenSpec",       "FrmTestCost",     "FrmDraftCostTest"};

// --- what every bound field must show ---------------------------------------------------

namespace num = platform::numbers;

QString currency(Money m) { return num::formatCurrency(m.toDouble()); }
QString general(float v) { return num::generalFormat(v); }

// A field of a form and the text its figure stands for in the field's
// format, worked out here from the figure alone.
struct FieldShows {
    const char* form;
    std::function<platform::TextBox&(Program&)> box;
    std::function<QString(Program&)> expected;
};

std::vector<FieldShows> boundFields()
{
    std::vector<FieldShows> all;
    const auto add = [&all](const char* form, auto formOf, auto box, auto expected) {
        all.push_back({form, [=](Program& p) -> platform::TextBox& { return (p.*formOf)().*box; },
                       [=](Program& p) { return expected(p, (p.*formOf)()); }});
    };
    const auto cost = [](Money VarCon::*m) { return [m](Program& p, auto&) { return currency(p.vc.*m); }; };
    const auto rate = [](float VarCon::*v) { return [v](Program& p, auto&) { return general(p.vc.*v); }; };

    const std::pair<platform::TextBox FrmTestCost::*, Money VarCon::*> unitCosts[] = {
        {&FrmTestCost::TxtCostGP, &VarCon::CostGP},     {&FrmTestCost::TxtCostEIA, &VarCon::CostEIA},
        {&FrmTestCost::TxtCostPCRC, &VarCon::CostPCRC}, {&FrmTestCost::TxtCostPCRU, &VarCon::CostPCRU},
        {&FrmTestCost::TxtCostLCRC, &VarCon::CostLCRC}, {&FrmTestCost::TxtCostLCRU, &VarCon::CostLCRU},
        {&FrmTestCost::TxtCostDFA, &VarCon::CostDFA},   {&FrmTestCost::TxtCostPCA, &VarCon::CostPCA},
        {&FrmTestCost::TxtCostDox, &VarCon::CostDox},   {&FrmTestCost::TxtCostAzi, &VarCon::CostAzi},
        {&FrmTestCost::TxtCostDNGZ, &VarCon::CostDNGZ}, {&FrmTestCost::TxtCostPNGZ, &VarCon::CostPNGZ},
        {&FrmTestCost::TxtCostPID, &VarCon::CostPID}};
    for (const auto& [box, m] : unitCosts)
        add("FrmTestCost", &Program::FrmTestCost, box, cost(m));

    const std::pair<platform::TextBox FrmSenSpec::*, Money VarCon::*> testCosts[] = {
        {&FrmSenSpec::txtTestCostGp, &VarCon::CostGP},       {&FrmSenSpec::txtTestCostEia, &VarCon::CostEIA},
        {&FrmSenSpec::txtTestCostPCRC, &VarCon::CostPCRC},   {&FrmSenSpec::txtTestCostPCRU, &VarCon::CostPCRU},
        {&FrmSenSpec::txtTestCostLCRC, &VarCon::CostLCRC},   {&FrmSenSpec::txtTestCostLCRU, &VarCon::CostLCRU},
        {&FrmSenSpec::txtTestCostPCRGP, &VarCon::CostPNGZ},  {&FrmSenSpec::txtTestCostEIAPCR, &VarCon::CostPNGZ},
        {&FrmSenSpec::txtTestCostEIADFA, &VarCon::CostDNGZ}};
    for (const auto& [box, m] : testCosts)
        add("FrmSenSpec", &Program::FrmSenSpec, box, cost(m));
    const std::pair<platform::TextBox FrmSenSpec::*, float VarCon::*> rates[] = {
        {&FrmSenSpec::TxtGPSens, &VarCon::SensGP},           {&FrmSenSpec::TxtGPSpec, &VarCon::SpecGP},
        {&FrmSenSpec::TxtEIASens, &VarCon::SensEIA},         {&FrmSenSpec::TxtEIASpec, &VarCon::SpecEIA},
        {&FrmSenSpec::TxtPCRCSens, &VarCon::SensPCRC},       {&FrmSenSpec::TxtPCRCSpec, &VarCon::SpecPCRC},
        {&FrmSenSpec::TxtPCRUSens, &VarCon::SensPCRU},       {&FrmSenSpec::TxtPCRUSpec, &VarCon::SpecPCRU},
        {&FrmSenSpec::TxtLCRCSens, &VarCon::SensLCRC},       {&FrmSenSpec::TxtLCRCSpec, &VarCon::SpecLCRC},
        {&FrmSenSpec::TxtLCRUSens, &VarCon::SensLCRU},       {&FrmSenSpec::TxtLCRUSpec, &VarCon::SpecLCRU},
        {&FrmSenSpec::txtPCRGPSens, &VarCon::SensPCRGP},     {&FrmSenSpec::txtPCRGPSpec, &VarCon::SpecPCRGP},
        {&FrmSenSpec::txtDFAEIASens, &VarCon::SensDFAEIA},   {&FrmSenSpec::txtDFAEIASpec, &VarCon::SpecDFAEIA},
        {&FrmSenSpec::txtPCREIASens, &VarCon::SensPCREIA},   {&FrmSenSpec::txtPCREIASpec, &VarCon::SpecPCREIA},
        {&FrmSenSpec::txtProbPid, &VarCon::ProbPid},         {&FrmSenSpec::txtProbPidFactor, &VarCon::ProbPidFactor},
        {&FrmSenSpec::txtCCRateDox, &VarCon::CCRateDox},     {&FrmSenSpec::txtCCRateAzi, &VarCon::CCRateAzi}};
    for (const auto& [box, v] : rates)
        add("FrmSenSpec", &Program::FrmSenSpec, box, rate(v));

    // The calculator's own figures; one not given shows as an empty field.
    const std::pair<platform::TextBox FrmDraftCostTest::*, float FrmDraftCostTest::*> counts[] = {
        {&FrmDraftCostTest::txtTstPerBat, &FrmDraftCostTest::TstPerBat},
        {&FrmDraftCostTest::txtBatPerDay, &FrmDraftCostTest::BatPerDay},
        {&FrmDraftCostTest::txtContPerBat, &FrmDraftCostTest::ContPerBat}};
    for (const auto& [box, v] : counts)
        add("FrmDraftCostTest", &Program::FrmDraftCostTest, box,
            [v](Program&, FrmDraftCostTest& d) { return d.*v == 0 ? QString() : general(d.*v); });
    const std::pair<platform::TextBox FrmDraftCostTest::*, Money FrmDraftCostTest::*> amounts[] = {
        {&FrmDraftCostTest::txtLabHour, &FrmDraftCostTest::LabHour},
        {&FrmDraftCostTest::txtTestKits, &FrmDraftCostTest::TestKits},
        {&FrmDraftCostTest::txtReagTrans, &FrmDraftCostTest::ReagTrans}};
    for (const auto& [box, m] : amounts)
        add("FrmDraftCostTest", &Program::FrmDraftCostTest, box,
            [m](Program&, FrmDraftCostTest& d) { return (d.*m).ticks() == 0 ? QString() : currency(d.*m); });

    // The population form's answers of the pass; one not given shows empty.
    platform::TextBox FrmQuestPop::* const popCounts[] = {&FrmQuestPop::txtNoFem18, &FrmQuestPop::txtNoFem1825,
                                                          &FrmQuestPop::txtNoFem25};
    platform::TextBox FrmQuestPop::* const popRates[] = {&FrmQuestPop::txtPerFem18, &FrmQuestPop::txtPerFem1825,
                                                         &FrmQuestPop::txtPerFem25};
    for (size_t g = 0; g < 3; ++g) {
        add("FrmQuestPop", &Program::FrmQuestPop, popCounts[g],
            [g](Program&, FrmQuestPop& f) {
                return f.counts[g] ? num::formatPattern(std::int64_t(*f.counts[g]), QStringLiteral("##,###,##0"))
                                   : QString();
            });
        add("FrmQuestPop", &Program::FrmQuestPop, popRates[g],
            [g](Program&, FrmQuestPop& f) { return f.fractions[g] ? general(*f.fractions[g]) : QString(); });
    }

    // The treatment form's answers: the shares in percent (64 bits), the
    // return rate as a fraction.
    const std::pair<platform::TextBox FrmQuestPercent::*, std::optional<double> FrmQuestPercent::*> shares[] = {
        {&FrmQuestPercent::txtAzi, &FrmQuestPercent::AziPercent},
        {&FrmQuestPercent::txtDox, &FrmQuestPercent::DoxPercent}};
    for (const auto& [box, v] : shares)
        add("FrmQuestPercent", &Program::FrmQuestPercent, box,
            [v](Program&, FrmQuestPercent& f) { return f.*v ? num::generalFormat(*(f.*v)) : QString(); });
    add("FrmQuestPercent", &Program::FrmQuestPercent, &FrmQuestPercent::txtPerReturn,
        [](Program&, FrmQuestPercent& f) { return f.ReturnFrac ? general(*f.ReturnFrac) : QString(); });

    // The drug-cost form's costs: those in use.
    const std::pair<platform::TextBox FrmQuestDrugCost::*, Money VarCon::*> drugCosts[] = {
        {&FrmQuestDrugCost::txtAzi, &VarCon::CostAzi},
        {&FrmQuestDrugCost::txtDox, &VarCon::CostDox},
        {&FrmQuestDrugCost::txtPID, &VarCon::CostPID}};
    for (const auto& [box, m] : drugCosts)
        add("FrmQuestDrugCost", &Program::FrmQuestDrugCost, box, cost(m));
    return all;
}

// Figures a person would type, so the storm gets deep into the program too.
const char* const kGoodInputs[] = {
    "2500", "4100", "3300", "0.12", "12", "8", "2", "85", "0.85", "30", "70", "2.50", "11", "1500", "95", "0.99",
    // Amounts with more decimals than their boxes show.
    "7.254", "4.105", "9.995",
};

const char* const kBadInputs[] = {
    "",       " ",      "   ",        "abc",      "-",          "+",     "-5",     "0",
    "1e5",    "4e38",   "1e309",      "-1e20",    "99999999999", "$5",   "5$",     "1,500",
    "(5)",    "50%",    "0.5%",       "12.5abc",  ".",          "1.2.3", "100",    "1",
    "0.0001", "32768",  "-32769",     "2147483648", "NaN",      "inf",   "1e-50",  "$1,234.50",
    "e",      "--1",    "5 000",      "\t",       "1000000000000000000000", "0.99", "7",
};

// Keys a person presses, with the modifiers that go with them.
struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
};
const KeyPress kKeys[] = {
    {Qt::Key_Tab, Qt::NoModifier},    {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Return, Qt::NoModifier},
    {Qt::Key_Enter, Qt::NoModifier},  {Qt::Key_Escape, Qt::NoModifier},     {Qt::Key_Space, Qt::NoModifier},
    {Qt::Key_Up, Qt::NoModifier},     {Qt::Key_Down, Qt::NoModifier},       {Qt::Key_Left, Qt::NoModifier},
    {Qt::Key_Right, Qt::NoModifier},  {Qt::Key_F1, Qt::NoModifier},         {Qt::Key_F2, Qt::NoModifier},
    {Qt::Key_F3, Qt::NoModifier},     {Qt::Key_F4, Qt::NoModifier},         {Qt::Key_F5, Qt::NoModifier},
    {Qt::Key_F6, Qt::NoModifier},     {Qt::Key_F7, Qt::NoModifier},         {Qt::Key_F8, Qt::NoModifier},
    {Qt::Key_F9, Qt::NoModifier},     {Qt::Key_F10, Qt::NoModifier},        {Qt::Key_F11, Qt::NoModifier},
    {Qt::Key_F12, Qt::NoModifier},    {Qt::Key_P, Qt::ControlModifier},     {Qt::Key_R, Qt::ControlModifier},
    {Qt::Key_A, Qt::NoModifier},      {Qt::Key_Y, Qt::NoModifier},          {Qt::Key_N, Qt::NoModifier},
    {Qt::Key_1, Qt::NoModifier},      {Qt::Key_5, Qt::NoModifier},          {Qt::Key_0, Qt::NoModifier},
    {Qt::Key_Period, Qt::NoModifier}, {Qt::Key_Backspace, Qt::NoModifier},  {Qt::Key_F, Qt::AltModifier},
    {Qt::Key_N, Qt::AltModifier},     {Qt::Key_B, Qt::AltModifier},         {Qt::Key_C, Qt::AltModifier},
};

// Message and input boxes answered at random, from the same seeded stream.
class RandomDialogs : public platform::Dialogs {
public:
    explicit RandomDialogs(std::mt19937& rng) : rng_(rng) {}

    platform::Answer msgBox(const QString&, platform::Buttons buttons, platform::Icon, const QString&) override
    {
        if (buttons == platform::Buttons::Ok)
            return platform::Answer::Ok;
        return pick(2) == 0 ? platform::Answer::Yes : platform::Answer::No;
    }

    QString inputBox(const QString&, const QString&, const QString& defaultText) override
    {
        static const char* const answers[] = {"", "1", "2", "3", "4", "y", "yes", "n", "no", "9", "abc", " "};
        const int n = int(std::size(answers));
        const int i = pick(n + 1);
        return i == n ? defaultText : QString::fromLatin1(answers[i]);
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    std::mt19937& rng_;
};

// Aborts the process with the recent events when the event loop stops
// moving, which no assertion inside the loop could report.
class Watchdog {
public:
    explicit Watchdog(std::function<void()> onHang) : onHang_(std::move(onHang)), thread_([this] { run(); }) {}
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    void beat() { ++beats_; }

private:
    void run()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        unsigned long last = beats_;
        while (!wake_.wait_for(lock, std::chrono::seconds(30), [this] { return stop_; })) {
            if (beats_ == last) {
                onHang_();
                std::abort();
            }
            last = beats_;
        }
    }
    std::function<void()> onHang_;
    std::atomic<unsigned long> beats_{0};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;
};

int envInt(const char* name, int fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : fallback;
}

class Storm {
public:
    Storm(unsigned seed, int events) : rng_(seed), seed_(seed), total_(events) {}

    void run()
    {
        Watchdog dog([this] { dump("the event loop hung"); });
        watchdog_ = &dog;
        while (done_ < total_ && !failed_) {
            ++programs_;
            startProgram();
            QEventLoop outer;
            outer_ = &outer;
            schedule();
            outer.exec();
            outer_ = nullptr;
            program_.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        watchdog_ = nullptr;
    }

    // One event per turn of whatever event loop is running: a fresh timer each
    // time, because Qt does not fire a timer again inside its own slot, and a
    // click may open a modal form whose loop must see the next event.
    void schedule()
    {
        QTimer::singleShot(0, [this] { tick(); });
    }

    void tick()
    {
        watchdog_->beat();
        if (runtimeEnded_ && !failed_ && !endedByTheUser())
            fail("the program ended, not by an Exit command nor the close box of the last window");
        if (done_ >= total_ || failed_ || runtimeEnded_) {
            // Still inside a modal showing: ending the program unwinds it.
            if (!runtimeEnded_)
                program_->end();
            if (outer_)
                outer_->quit();
            return;
        }
        check();
        if (failed_)
            return tick();
        schedule();
        step();
    }

    bool failed() const { return failed_; }
    const std::string& failure() const { return failure_; }
    int programs() const { return programs_; }
    int done() const { return done_; }
    std::string formsSeen() const
    {
        std::string all;
        for (const std::string& f : formsSeen_)
            all += (all.empty() ? "" : " ") + f;
        return all;
    }

private:
    void startProgram()
    {
        runtimeEnded_ = false;
        emptyTurns_ = 0;
        dialogs_ = std::make_unique<RandomDialogs>(rng_);
        printer_ = std::make_unique<platform::Printer>(
            *dialogs_, platform::Destination::pdf(folder_.path() + QStringLiteral("/storm.pdf")));
        program_ = std::make_unique<Program>(*dialogs_, screen_, printer_.get(), [this] { runtimeEnded_ = true; });
        program_->start();
        // Every other run starts where an agree step leaves a programme, so
        // the result screens get as many events as the questions do.
        if (programs_ % 2 == 0)
            startAtTheResults();
    }

    void startAtTheResults()
    {
        static const std::vector<testsupport::Programme> all = testsupport::programmes();
        const testsupport::Programme& p = all[std::size_t(pick(int(all.size())))];
        note("start at the results of " + p.name);
        program_->FrmTesting().lstScreenTest.setListIndex(0);
        program_->FrmConfirm().optConfirm[p.confirm ? 0 : 1].setValue(true);
        program_->FrmTesting().hide();
        program_->FrmConfirm().hide();
        program_->vc = p.vc;
        program_->sel = p.sel;
        program_->sel.confirmsPositives = p.confirm;
        // The figures were set behind the forms' backs.
        program_->figuresChanged();
        program_->FrmScrResult().show();
        program_->frmSplash().unload();
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // Only an Exit command (or an answer at start-up that ends the program by
    // design) and the close box of the last window on screen end it.
    bool endedByTheUser() const
    {
        using Ending = platform::Runtime::Ending;
        const Ending e = program_->runtime().ending();
        return e == Ending::Command || e == Ending::LastCloseBox;
    }

    // The window a person could reach now: a modal form's, else any shown form's.
    QMainWindow* targetWindow()
    {
        if (auto* modal = qobject_cast<QMainWindow*>(QApplication::activeModalWidget()))
            return modal;
        std::vector<QMainWindow*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* mw = qobject_cast<QMainWindow*>(w); mw && mw->isVisible())
                shown.push_back(mw);
        if (shown.empty())
            return nullptr;
        // The application keeps its windows in no fixed order; by name, a
        // seed replays the same run.
        std::sort(shown.begin(), shown.end(),
                  [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
        return shown[std::size_t(pick(int(shown.size())))];
    }

    void note(const std::string& what)
    {
        recent_.push_back(std::to_string(done_) + ": " + what);
        if (recent_.size() > 400)
            recent_.pop_front();
    }

    void step()
    {
        ++done_;
        QMainWindow* w = targetWindow();
        if (!w)
            return;
        QApplication::setActiveWindow(w);
        const std::string form = w->objectName().toStdString();
        formsSeen_.insert(form);
        const int kind = pick(100);
        if (kind < 30)
            pressKey(w, form);
        else if (kind < 45)
            clickSomewhere(w, form);
        else if (kind < 70)
            clickAControl(w, form);
        else if (kind < 95)
            typeText(w, form);
        else if (kind < 97)
            resize(w, form);
        else if (kind < 98)
            minimiseAndRestore(w, form);
        else if (kind < 99)
            closeBeneathAWindowBeside(w, form);
        else
            closeBox(w, form);
    }

    // With a window opened beside another on screen (the graph, the
    // calculator, the unit costs, the test characteristics), a window beneath
    // it is closed by its close box, so the one beside stays over what is left.
    void closeBeneathAWindowBeside(QMainWindow* w, const std::string& form)
    {
        std::vector<platform::Form*> beside, beneath;
        for (const char* name : kFormNames)
            if (platform::Form* f = program_->runtime().findForm(QString::fromLatin1(name)); f && f->isShown())
                (f->opensBeside() ? beside : beneath).push_back(f);
        if (beside.empty() || beneath.empty())
            return closeBox(w, form);
        platform::Form* closed = beneath[std::size_t(pick(int(beneath.size())))];
        note(closed->name().toStdString() + " close box beneath " + beside.front()->name().toStdString());
        closed->window()->close();
    }

    void pressKey(QMainWindow* w, const std::string& form)
    {
        const KeyPress& k = kKeys[pick(int(std::size(kKeys)))];
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != w)
            target = w;
        note(form + " key " + QKeySequence(int(k.key) | int(k.mods)).toString().toStdString());
        QTest::keyClick(target, k.key, k.mods);
    }

    void clickSomewhere(QMainWindow* w, const std::string& form)
    {
        QWidget* central = w->centralWidget() ? w->centralWidget() : w;
        if (central->width() <= 0 || central->height() <= 0)
            return;
        const QPoint at(pick(central->width()), pick(central->height()));
        QWidget* hit = central->childAt(at);
        if (!hit)
            hit = central;
        const QPoint local = hit->mapFrom(central, at);
        note(form + " click " + hit->objectName().toStdString() + " at " + std::to_string(at.x()) + "," +
             std::to_string(at.y()));
        QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, local);
    }

    // A click on one of the window's controls, so the storm gets past the
    // buttons that lead on as often as a person would.
    void clickAControl(QMainWindow* w, const std::string& form)
    {
        std::vector<QWidget*> controls;
        for (QWidget* c : w->findChildren<QWidget*>())
            if (c->isVisible() && c->isEnabled() && c->focusPolicy() != Qt::NoFocus && !c->objectName().isEmpty() &&
                !c->objectName().startsWith(QLatin1String("qt_")))
                controls.push_back(c);
        if (controls.empty())
            return clickSomewhere(w, form);
        QWidget* c = controls[std::size_t(pick(int(controls.size())))];
        const QPoint at(pick(std::max(1, c->width())), pick(std::max(1, c->height())));
        note(form + " click control " + c->objectName().toStdString());
        QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, at);
    }

    void typeText(QMainWindow* w, const std::string& form)
    {
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!edit || edit->window() != w) {
            pressKey(w, form);
            return;
        }
        const char* text = pick(2) == 0 ? kGoodInputs[pick(int(std::size(kGoodInputs)))]
                                        : kBadInputs[pick(int(std::size(kBadInputs)))];
        note(form + " type '" + text + "' into " + edit->objectName().toStdString());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromLatin1(text));
        if (pick(2) == 0)
            QTest::keyClick(edit, Qt::Key_Tab);
    }

    void resize(QMainWindow* w, const std::string& form)
    {
        const QSize size(40 + pick(1400), 40 + pick(1000));
        note(form + " resize " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
        w->resize(size);
    }

    // Minimised now, restored by a later event that picks it again.
    void minimiseAndRestore(QMainWindow* w, const std::string& form)
    {
        const bool minimised = w->windowState() & Qt::WindowMinimized;
        note(form + (minimised ? " restore" : " minimise"));
        w->setWindowState(minimised ? Qt::WindowNoState : Qt::WindowMinimized);
    }

    void closeBox(QMainWindow* w, const std::string& form)
    {
        note(form + " close box");
        w->close();
    }

    void check()
    {
        if (!program_ || runtimeEnded_)
            return;
        for (float VarCon::* member : kModelFloats) {
            const float v = program_->vc.*member;
            if (!std::isfinite(v))
                return fail("a value of the model state is not finite: " + std::to_string(v));
        }
        // The field that holds the focus of its form may be the user's; every
        // other field of a loaded form shows its figure.
        static const std::vector<FieldShows> fields = boundFields();
        for (const FieldShows& f : fields) {
            platform::Form* form = program_->runtime().findForm(QString::fromLatin1(f.form));
            if (!form || !form->isLoaded())
                continue;
            platform::TextBox& box = f.box(*program_);
            if (box.hasFocus())
                continue;
            const QString expected = f.expected(*program_);
            if (box.text() != expected)
                return fail(std::string(f.form) + "." + box.name().toStdString() + " shows \"" +
                            box.text().toStdString() + "\", its figure \"" + expected.toStdString() + "\"");
        }
        if (const std::optional<std::string> stale = testsupport::staleResultScreen(*program_))
            return fail(*stale);
        // A close box ends the program once control is back in the main loop,
        // so the screen may be empty for one turn of it, never for two.
        if (program_->runtime().anyFormVisible() || QApplication::activeModalWidget() != nullptr) {
            emptyTurns_ = 0;
            return;
        }
        if (++emptyTurns_ > 1)
            return fail("no form is on screen and the program has not ended");
    }

    void fail(const std::string& why)
    {
        failed_ = true;
        failure_ = why;
        dump(why);
    }

    void dump(const std::string& why)
    {
        std::fprintf(stderr, "random events, seed %u: %s after event %d; the last events:\n", seed_, why.c_str(),
                     done_);
        for (const std::string& line : recent_)
            std::fprintf(stderr, "  %s\n", line.c_str());
    }

    std::mt19937 rng_;
    unsigned seed_;
    int total_;
    int done_ = 0;
    int programs_ = 0;
    bool failed_ = false;
    bool runtimeEnded_ = false;
    int emptyTurns_ = 0;
    std::string failure_;
    std::deque<std::string> recent_;
    std::set<std::string> formsSeen_;
    Watchdog* watchdog_ = nullptr;
    QEventLoop* outer_ = nullptr;
    QTemporaryDir folder_;
    platform::FixedScreen screen_{1024, 768};
    std::unique_ptr<RandomDialogs> dialogs_;
    std::unique_ptr<platform::Printer> printer_;
    std::unique_ptr<Program> program_;
};

} // namespace

TEST(RandomEvents, NothingAPersonDoesBreaksTheProgram)
{
    const unsigned seed = unsigned(envInt("RANDOM_SEED", 20261207));
    const int events = envInt("RANDOM_EVENTS", 3000);
    Storm storm(seed, events);
    storm.run();
    EXPECT_FALSE(storm.failed()) << storm.failure() << " (seed " << seed << ")";
    EXPECT_EQ(storm.done(), events);
    RecordProperty("programs", storm.programs());
    RecordProperty("forms", storm.formsSeen());
}
