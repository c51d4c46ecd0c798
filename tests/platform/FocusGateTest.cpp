// Every path that moves the focus or presses a control goes through the same
// focus rules: driven by real keys and clicks, with message boxes that run a
// real event loop where a box's effect on pending input matters.

#include "platform/ControlArray.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/Screen.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

using Log = std::vector<std::string>;

// A field that can refuse to be left (with a message box), buttons with
// access keys, a field that is no tab stop, and an option group in a frame.
class GateForm : public Form {
public:
    explicit GateForm(Runtime& rt) : Form(rt, "GateForm")
    {
        designClientSize(8000, 6000);
        txtA.designGeometry(120, 120, 2000, 300);
        txtA.designTabIndex(0);
        txtNoStop.designGeometry(120, 500, 2000, 300);
        txtNoStop.designTabIndex(1, false);
        txtB.designGeometry(120, 900, 2000, 300);
        txtB.designTabIndex(2);
        cmdGo.designGeometry(120, 1400, 1500, 400);
        cmdGo.designCaption("&Go");
        cmdGo.designTabIndex(3);
        chkOn.designGeometry(120, 2000, 4000, 300);
        chkOn.designCaption("&Check");
        chkOn.designTabIndex(4);
        fraOpt.designGeometry(120, 2500, 5000, 1800);
        fraOpt.designCaption("&Options");
        fraOpt.designTabIndex(5);
        for (int i = 0; i < opt.size(); ++i) {
            opt[i].designContainer(fraOpt);
            opt[i].designGeometry(120, 300 + 450 * i, 4500, 300);
            opt[i].designCaption(QStringLiteral("Option %1").arg(i));
            opt[i].designTabIndex(6 + i);
        }

        for (auto [c, n] : {std::pair<Control*, std::string>{&txtA, "A"}, {&txtB, "B"}, {&txtNoStop, "NoStop"},
                            {&cmdGo, "Go"}, {&chkOn, "Check"}}) {
            c->GotFocus = [this, n] { log.push_back(n + ".GotFocus"); };
            c->LostFocus = [this, n] { log.push_back(n + ".LostFocus"); };
        }
        txtA.Validate = [this](bool& cancel) {
            log.push_back("A.Validate");
            if (refuse)
                runtime().dialogs().msgBox("Not a number");
            cancel = refuse;
        };
        cmdGo.Click = [this] { log.push_back("Go.Click"); };
        chkOn.Click = [this] { log.push_back("Check.Click " + std::to_string(chkOn.value())); };
        opt.Click = [this](int i) { log.push_back("opt.Click " + std::to_string(i)); };
        opt.GotFocus = [this](int i) { log.push_back("opt.GotFocus " + std::to_string(i)); };
        opt.Validate = [this](int i, bool& cancel) {
            log.push_back("opt.Validate " + std::to_string(i));
            if (refuseOption)
                runtime().dialogs().msgBox("Choose again");
            cancel = refuseOption;
        };
    }

    TextBox txtA{*this, "txtA"};
    TextBox txtNoStop{*this, "txtNoStop"};
    TextBox txtB{*this, "txtB"};
    CommandButton cmdGo{*this, "cmdGo"};
    CheckBox chkOn{*this, "chkOn"};
    Frame fraOpt{*this, "fraOpt"};
    ControlArray<OptionButton, 3> opt{*this, "opt"};

    Log log;
    bool refuse = false;
    bool refuseOption = false;
};

// Two lists first in the tab order: tabbing through must open nothing.
class ListsForm : public Form {
public:
    explicit ListsForm(Runtime& rt) : Form(rt, "ListsForm")
    {
        lstA.designGeometry(120, 120, 2000, 1200);
        lstA.designItems({"a0", "a1"});
        lstA.designTabIndex(0);
        lstB.designGeometry(2400, 120, 2000, 1200);
        lstB.designItems({"b0", "b1"});
        lstB.designTabIndex(1);
        lstA.Click = [this] { log.push_back("A.Click " + std::to_string(lstA.listIndex())); };
        lstB.Click = [this] { log.push_back("B.Click " + std::to_string(lstB.listIndex())); };
    }
    ListBox lstA{*this, "lstA"};
    ListBox lstB{*this, "lstB"};
    Log log;
};

// Controls declared without a tab index, before and after indexed ones.
class LooseForm : public Form {
public:
    explicit LooseForm(Runtime& rt) : Form(rt, "LooseForm")
    {
        int top = 120;
        for (TextBox* t : {&txtLoose1, &txtOne, &txtZero, &txtLoose2}) {
            t->designGeometry(120, top, 2000, 300);
            top += 400;
        }
        txtOne.designTabIndex(1);
        txtZero.designTabIndex(0);
    }
    TextBox txtLoose1{*this, "txtLoose1"};
    TextBox txtOne{*this, "txtOne"};
    TextBox txtZero{*this, "txtZero"};
    TextBox txtLoose2{*this, "txtLoose2"};
};

struct FocusGate : ::testing::Test {
    testsupport::ScriptedDialogs dialogs;
    FixedScreen screen{1024, 768};
    Runtime runtime{dialogs, screen, nullptr, [] {}};

    void showActive(Form& f)
    {
        f.show();
        QApplication::setActiveWindow(f.window());
        QApplication::processEvents();
    }

    static QPoint middle(Control& c) { return c.widget()->rect().center(); }
};

TEST_F(FocusGate, AListThatGetsTheFocusChoosesNothing)
{
    for (bool byTab : {false, true}) {
        SCOPED_TRACE(byTab ? "by Tab" : "first focus");
        ListsForm f(runtime);
        showActive(f);
        if (byTab)
            QTest::keyClick(f.lstA.widget(), Qt::Key_Tab);
        Control& focused = byTab ? static_cast<Control&>(f.lstB) : f.lstA;
        EXPECT_EQ(f.activeControl(), &focused);
        EXPECT_TRUE(f.log.empty());
        EXPECT_EQ(f.lstA.listIndex(), -1);
        EXPECT_EQ(f.lstB.listIndex(), -1);
        // The user's first Down chooses the first item.
        QTest::keyClick(focused.widget(), Qt::Key_Down);
        EXPECT_EQ(f.log, Log{byTab ? "B.Click 0" : "A.Click 0"});
    }
}

TEST_F(FocusGate, AClickRefusedWithARealBoxNeverCostsTheNextClick)
{
    struct Case {
        const char* name;
        Control& (*target)(GateForm&);
        const char* click;
    };
    const Case cases[] = {
        {"command button", [](GateForm& f) -> Control& { return f.cmdGo; }, "Go.Click"},
        {"option button", [](GateForm& f) -> Control& { return f.opt[1]; }, "opt.Click 1"},
        {"check box", [](GateForm& f) -> Control& { return f.chkOn; }, "Check.Click 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GateForm f(runtime);
        showActive(f);
        QWidget* target = c.target(f).widget();
        f.refuse = true;
        // The user lets go of the button while the message is up, then closes it.
        dialogs.whileNextBoxIsUp([target] { QTest::mouseRelease(target, Qt::LeftButton); });
        QTest::mousePress(target, Qt::LeftButton, {}, middle(c.target(f)));
        EXPECT_EQ(f.activeControl(), &f.txtA);
        EXPECT_EQ(dialogs.prompts().size(), 1u);

        f.refuse = false;
        f.log.clear();
        QTest::mouseClick(target, Qt::LeftButton, {}, middle(c.target(f)));
        EXPECT_EQ(std::count(f.log.begin(), f.log.end(), c.click), 1) << ::testing::PrintToString(f.log);
        dialogs.clear();
    }
}

TEST_F(FocusGate, AValidateThatShowsARealBoxShowsItOnceOnEveryPath)
{
    struct Path {
        const char* name;
        void (*act)(GateForm&);
    };
    const Path paths[] = {
        {"Tab", [](GateForm& f) { QTest::keyClick(f.txtA.widget(), Qt::Key_Tab); }},
        {"Shift+Tab", [](GateForm& f) { QTest::keyClick(f.txtA.widget(), Qt::Key_Backtab, Qt::ShiftModifier); }},
        {"click on a button", [](GateForm& f) { QTest::mouseClick(f.cmdGo.widget(), Qt::LeftButton); }},
        {"click on a field", [](GateForm& f) { QTest::mouseClick(f.txtB.widget(), Qt::LeftButton); }},
        {"access key", [](GateForm& f) { QTest::keyClick(f.txtA.widget(), Qt::Key_G, Qt::AltModifier); }},
        {"frame access key", [](GateForm& f) { QTest::keyClick(f.txtA.widget(), Qt::Key_O, Qt::AltModifier); }},
        {"code", [](GateForm& f) { f.txtB.setFocus(); }},
    };
    dialogs.setEveryBoxRunsALoop(true);
    for (const Path& p : paths) {
        SCOPED_TRACE(p.name);
        GateForm f(runtime);
        showActive(f);
        f.refuse = true;
        f.log.clear();
        dialogs.clear();
        p.act(f);
        EXPECT_EQ(f.log, Log{"A.Validate"});
        EXPECT_EQ(dialogs.prompts().size(), 1u);
        EXPECT_EQ(f.activeControl(), &f.txtA);
        EXPECT_EQ(QApplication::focusWidget(), f.txtA.widget());
    }
}

TEST_F(FocusGate, FocusTakenAwayByCodeGoesToTheNextTabStopWithoutValidate)
{
    struct Case {
        const char* name;
        void (*takeAway)(GateForm&);
        Control& (*from)(GateForm&);
        Log expected;
    };
    const Case cases[] = {
        {"hidden", [](GateForm& f) { f.txtA.setVisible(false); }, [](GateForm& f) -> Control& { return f.txtA; },
         {"A.LostFocus", "B.GotFocus"}},
        {"disabled", [](GateForm& f) { f.txtA.setEnabled(false); }, [](GateForm& f) -> Control& { return f.txtA; },
         {"A.LostFocus", "B.GotFocus"}},
        {"its frame hidden", [](GateForm& f) { f.fraOpt.setVisible(false); },
         [](GateForm& f) -> Control& { return f.opt[0]; }, {"A.GotFocus"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GateForm f(runtime);
        showActive(f);
        c.from(f).setFocus();
        f.refuse = true;  // must not be asked
        f.log.clear();
        c.takeAway(f);
        EXPECT_EQ(f.log, c.expected);
        // Past the option group the tab order wraps round to the first field.
        Control* next = c.expected.back() == "B.GotFocus" ? static_cast<Control*>(&f.txtB) : &f.txtA;
        EXPECT_EQ(f.activeControl(), next);
        EXPECT_EQ(QApplication::focusWidget(), next->widget());
        EXPECT_TRUE(dialogs.prompts().empty());
    }
}

TEST_F(FocusGate, AccessKeysValidateAndPress)
{
    for (bool refuse : {true, false}) {
        SCOPED_TRACE(refuse ? "refused" : "accepted");
        GateForm f(runtime);
        showActive(f);
        f.refuse = refuse;
        f.log.clear();
        QTest::keyClick(f.txtA.widget(), Qt::Key_G, Qt::AltModifier);
        QTest::keyClick(f.txtA.widget(), Qt::Key_C, Qt::AltModifier);
        if (refuse)
            EXPECT_EQ(f.log, (Log{"A.Validate", "A.Validate"}));
        else
            EXPECT_EQ(f.log, (Log{"A.Validate", "A.LostFocus", "Go.GotFocus", "Go.Click", "Go.LostFocus",
                                  "Check.GotFocus", "Check.Click 1"}));
    }
}

TEST_F(FocusGate, AFramesAccessKeyGoesToTheFirstControlInside)
{
    GateForm f(runtime);
    showActive(f);
    f.opt[2].setValue(true);
    f.log.clear();
    QTest::keyClick(f.txtA.widget(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(f.activeControl(), &f.opt[2]);  // the chosen one is the group's tab stop
    EXPECT_EQ(f.log, (Log{"A.Validate", "A.LostFocus", "opt.GotFocus 2"}));
}

TEST_F(FocusGate, EnterAndSpacePressTheFocusedButtonOnce)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        GateForm f(runtime);
        showActive(f);
        f.cmdGo.setFocus();
        f.log.clear();
        QTest::keyClick(f.cmdGo.widget(), key);
        EXPECT_EQ(f.log, Log{"Go.Click"});
    }
}

TEST_F(FocusGate, ArrowKeysInAnOptionGroupChooseTheNextOption)
{
    struct Step {
        Qt::Key key;
        int chosen;
    };
    GateForm f(runtime);
    showActive(f);
    QTest::mouseClick(f.opt[0].widget(), Qt::LeftButton, {}, middle(f.opt[0]));
    f.log.clear();
    // Down and Right go forward, Up and Left back, round the group.
    for (Step s : {Step{Qt::Key_Down, 1}, {Qt::Key_Right, 2}, {Qt::Key_Down, 0}, {Qt::Key_Up, 2}, {Qt::Key_Left, 1}}) {
        QTest::keyClick(QApplication::focusWidget(), s.key);
        EXPECT_EQ(f.activeControl(), &f.opt[s.chosen]);
        for (int i = 0; i < f.opt.size(); ++i)
            EXPECT_EQ(f.opt[i].value(), i == s.chosen) << "after moving to " << s.chosen;
        EXPECT_EQ(f.log.back(), "opt.Click " + std::to_string(s.chosen));
    }
}

TEST_F(FocusGate, ARefusedArrowKeepsTheOptionAndShowsItsBoxOnce)
{
    GateForm f(runtime);
    showActive(f);
    QTest::mouseClick(f.opt[0].widget(), Qt::LeftButton, {}, middle(f.opt[0]));
    f.refuseOption = true;
    dialogs.setEveryBoxRunsALoop(true);
    f.log.clear();
    QTest::keyClick(f.opt[0].widget(), Qt::Key_Down);
    EXPECT_EQ(f.log, Log{"opt.Validate 0"});
    EXPECT_EQ(dialogs.prompts().size(), 1u);
    EXPECT_EQ(f.activeControl(), &f.opt[0]);
    EXPECT_TRUE(f.opt[0].value());
    EXPECT_FALSE(f.opt[1].value());
}

TEST_F(FocusGate, UnindexedControlsFollowTheIndexedOnesInDeclarationOrder)
{
    LooseForm f(runtime);
    showActive(f);
    std::vector<Control*> visited{f.activeControl()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(f.activeControl());
    }
    EXPECT_EQ(visited, (std::vector<Control*>{&f.txtZero, &f.txtOne, &f.txtLoose1, &f.txtLoose2, &f.txtZero}));
}

TEST_F(FocusGate, AClickAnywhereOnAWideOptionOrCheckBoxChoosesIt)
{
    GateForm f(runtime);
    showActive(f);
    for (Control* c : {static_cast<Control*>(&f.opt[1]), static_cast<Control*>(&f.chkOn)}) {
        SCOPED_TRACE(c->name().toStdString());
        const QPoint farRight(c->widget()->width() - 4, c->widget()->height() / 2);
        QTest::mouseClick(c->widget(), Qt::LeftButton, {}, farRight);
        EXPECT_EQ(f.activeControl(), c);
    }
    EXPECT_TRUE(f.opt[1].value());
    EXPECT_EQ(f.chkOn.value(), 1);
}

} // namespace
