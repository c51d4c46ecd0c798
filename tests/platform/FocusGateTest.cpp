// Every path that moves the focus or presses a control goes through the same
// focus rules: driven by real keys and clicks, with message boxes that run a
// real event loop where a box's effect on pending input matters.

#include "PlatformFixture.h"

#include <QTest>

using namespace platformtest;

namespace {

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

using FocusGate = OnScreen;

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
    const std::pair<const char*, std::string> cases[] = {
        {"cmdGo", "Go.Click"}, {"opt(1)", "opt.Click 1"}, {"chkOn", "Check.Click 1"}};
    for (const auto& [name, click] : cases) {
        SCOPED_TRACE(name);
        GateForm f(runtime);
        showActive(f);
        Control& c = control(f, name);
        QWidget* target = c.widget();
        f.refuse = true;
        // The user lets go of the button while the message is up, then closes it.
        dialogs.whileNextBoxIsUp([target] { QTest::mouseRelease(target, Qt::LeftButton); });
        QTest::mousePress(target, Qt::LeftButton, {}, middle(c));
        EXPECT_EQ(f.activeControl(), &f.txtA);
        EXPECT_EQ(dialogs.prompts().size(), 1u);

        f.refuse = false;
        f.log.clear();
        QTest::mouseClick(target, Qt::LeftButton, {}, middle(c));
        EXPECT_EQ(std::count(f.log.begin(), f.log.end(), click), 1) << ::testing::PrintToString(f.log);
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
        {"check box access key", [](GateForm& f) { QTest::keyClick(f.txtA.widget(), Qt::Key_C, Qt::AltModifier); }},
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
        const char* from;
        Log expected;
    };
    const Case cases[] = {
        {"hidden", [](GateForm& f) { f.txtA.setVisible(false); }, "txtA", {"A.LostFocus", "B.GotFocus"}},
        {"disabled", [](GateForm& f) { f.txtA.setEnabled(false); }, "txtA", {"A.LostFocus", "B.GotFocus"}},
        {"its frame hidden", [](GateForm& f) { f.fraOpt.setVisible(false); }, "opt(0)", {"A.GotFocus"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GateForm f(runtime);
        showActive(f);
        control(f, c.from).setFocus();
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

TEST_F(FocusGate, AccessKeysValidateAndPressAndAFramesGoesToItsChosenOption)
{
    GateForm f(runtime);
    showActive(f);
    f.opt[2].setValue(true);
    f.log.clear();
    for (Qt::Key key : {Qt::Key_G, Qt::Key_C, Qt::Key_O})
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    EXPECT_EQ(f.log, (Log{"A.Validate", "A.LostFocus", "Go.GotFocus", "Go.Click", "Go.LostFocus", "Check.GotFocus",
                          "Check.Click 1", "Check.LostFocus", "opt.GotFocus 2"}));
    EXPECT_EQ(f.activeControl(), &f.opt[2]);  // the chosen one is the group's tab stop
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

TEST_F(FocusGate, ArrowKeysInAnOptionGroupChooseTheNextOptionUnlessRefused)
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
    // A refused move keeps the option and shows its box once.
    f.refuseOption = true;
    dialogs.setEveryBoxRunsALoop(true);
    f.log.clear();
    QTest::keyClick(f.opt[1].widget(), Qt::Key_Down);
    EXPECT_EQ(f.log, Log{"opt.Validate 1"});
    EXPECT_EQ(dialogs.prompts().size(), 1u);
    EXPECT_EQ(f.activeControl(), &f.opt[1]);
    EXPECT_TRUE(f.opt[1].value());
    EXPECT_FALSE(f.opt[2].value());
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
    f.opt[2].setValue(true);  // from code: Click as from the user, through the array's one handler
    for (Control* c : {static_cast<Control*>(&f.opt[1]), static_cast<Control*>(&f.chkOn)}) {
        SCOPED_TRACE(c->name().toStdString());
        const QPoint farRight(c->widget()->width() - 4, c->widget()->height() / 2);
        QTest::mouseClick(c->widget(), Qt::LeftButton, {}, farRight);
        EXPECT_EQ(f.activeControl(), c);
    }
    EXPECT_EQ(f.log, (Log{"A.GotFocus", "opt.Click 2", "A.Validate", "A.LostFocus", "opt.GotFocus 1", "opt.Click 1",
                          "opt.Validate 1", "Check.GotFocus", "Check.Click 1"}));
    EXPECT_TRUE(f.opt[1].value());
    EXPECT_FALSE(f.opt[2].value());
    EXPECT_EQ(f.opt[2].name(), QStringLiteral("opt(2)"));
    EXPECT_EQ(f.chkOn.value(), 1);
}

} // namespace
