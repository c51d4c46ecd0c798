// Every path that moves the focus or presses a control goes through the same
// focus rules: driven by real keys and clicks, with message boxes that run a
// real event loop where a box's effect on pending input matters.

#include "PlatformFixture.h"

#include <QListWidget>
#include <QPaintEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
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

// Counts the focus frames the style is asked to draw with keyboard focus (on
// a push button the style draws it as part of the button's panel).
class FocusFrames : public QProxyStyle {
public:
    FocusFrames() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override
    {
        if ((e == PE_FrameFocusRect || e == PE_PanelButtonCommand) && (o->state & State_HasFocus) &&
            (o->state & State_KeyboardFocusChange))
            ++drawn;
        QProxyStyle::drawPrimitive(e, o, p, w);
    }
    mutable int drawn = 0;
};

// Whether the control shows the focus: it has it, its style option carries
// keyboard focus, and painting it draws a focus frame.
testing::AssertionResult showsFocus(Control& c)
{
    QWidget* w = c.widget();
    QStyleOption option;
    option.initFrom(w);
    FocusFrames frames;
    w->setStyle(&frames);
    w->grab();
    w->setStyle(nullptr);
    const bool flags = (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
    if (w->hasFocus() && flags && frames.drawn > 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << c.name().toStdString() << ": focus " << w->hasFocus() << ", keyboard flags "
                                       << flags << ", frames drawn " << frames.drawn;
}

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

// The focus drawn on the first row of a list with nothing chosen goes when a
// click chooses another row: the first row is painted again.
TEST_F(FocusGate, AListsFirstRowLosesTheFocusDrawnOnItWhenAnotherRowIsClicked)
{
    ListsForm f(runtime);
    showActive(f);
    QTest::keyClick(f.lstA.widget(), Qt::Key_Tab);
    auto* list = static_cast<QListWidget*>(f.lstB.widget());
    ASSERT_EQ(f.activeControl(), &f.lstB);
    QApplication::processEvents();

    struct PaintedRegion : QObject {
        QRegion region;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                region += static_cast<QPaintEvent*>(e)->region();
            return false;
        }
    } painted;
    list->viewport()->installEventFilter(&painted);
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QApplication::processEvents();
    list->viewport()->removeEventFilter(&painted);
    EXPECT_EQ(f.lstB.listIndex(), 1);
    EXPECT_TRUE(painted.region.contains(list->visualItemRect(list->item(0)))) << "the first row is painted again";
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

// A button designed to cause no validation (a back arrow) is pressed while the
// field left would refuse: the field is not asked, and loses the focus.
TEST_F(FocusGate, AButtonThatCausesNoValidationIsPressedWithoutAskingTheFieldLeft)
{
    const std::pair<const char*, void (*)(GateForm&)> presses[] = {
        {"click", [](GateForm& f) { QTest::mouseClick(f.cmdGo.widget(), Qt::LeftButton); }},
        {"access key", [](GateForm& f) { QTest::keyClick(f.txtA.widget(), Qt::Key_G, Qt::AltModifier); }},
    };
    for (const auto& [how, press] : presses) {
        SCOPED_TRACE(how);
        GateForm f(runtime);
        f.cmdGo.designCausesValidation(false);
        showActive(f);
        f.refuse = true;
        f.log.clear();
        press(f);
        EXPECT_EQ(f.log, (Log{"A.LostFocus", "Go.GotFocus", "Go.Click"}));
        EXPECT_TRUE(dialogs.prompts().empty());
    }
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

// Focus that comes by the keyboard is drawn on buttons, option buttons, check
// boxes and lists, also where nothing in the list is chosen; a click draws none.
TEST_F(FocusGate, KeyboardFocusIsDrawnOnTheControlAndAClicksIsNot)
{
    struct Case {
        const char* name;
        const char* start;  // clicked first, so no earlier key has shown the focus
        Qt::Key key;        // Qt::Key_unknown: the click alone
        Qt::KeyboardModifiers modifiers;
        const char* focused;
    };
    const Case cases[] = {
        {"Tab to a button", "txtB", Qt::Key_Tab, {}, "cmdGo"},
        {"Shift+Tab to a check box", "opt(0)", Qt::Key_Backtab, Qt::ShiftModifier, "chkOn"},
        {"access key of a check box", "txtB", Qt::Key_C, Qt::AltModifier, "chkOn"},
        {"arrow in an option group", "opt(0)", Qt::Key_Down, {}, "opt(1)"},
        {"click on a button", "cmdGo", Qt::Key_unknown, {}, "cmdGo"},
        {"click on an option", "opt(0)", Qt::Key_unknown, {}, "opt(0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GateForm f(runtime);
        showActive(f);
        Control& start = control(f, c.start);
        QTest::mouseClick(start.widget(), Qt::LeftButton, {}, middle(start));
        if (c.key != Qt::Key_unknown)
            QTest::keyClick(start.widget(), c.key, c.modifiers);
        Control& focused = control(f, c.focused);
        ASSERT_EQ(f.activeControl(), &focused);
        if (c.key != Qt::Key_unknown)
            EXPECT_TRUE(showsFocus(focused));
        else
            EXPECT_FALSE(showsFocus(focused));
    }
}

TEST_F(FocusGate, TheFocusShowsOnAFormsFirstControlAndWhereARefusalPutsItBack)
{
    {
        SCOPED_TRACE("a list that chooses nothing, first and by Tab");
        ListsForm f(runtime);
        showActive(f);
        EXPECT_TRUE(showsFocus(f.lstA));
        QTest::mouseClick(static_cast<QListWidget*>(f.lstB.widget())->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
        ASSERT_EQ(f.activeControl(), &f.lstB);
        EXPECT_FALSE(showsFocus(f.lstB)) << "chosen by a click";
        QTest::keyClick(f.lstB.widget(), Qt::Key_Tab);
        EXPECT_TRUE(showsFocus(f.lstA));
        EXPECT_EQ(f.lstA.listIndex(), -1);
    }
    {
        SCOPED_TRACE("a refused arrow key");
        GateForm f(runtime);
        showActive(f);
        QTest::mouseClick(f.opt[1].widget(), Qt::LeftButton, {}, middle(f.opt[1]));
        f.refuseOption = true;
        dialogs.setEveryBoxRunsALoop(true);
        QTest::keyClick(f.opt[1].widget(), Qt::Key_Down);
        ASSERT_EQ(dialogs.prompts().size(), 1u);
        ASSERT_EQ(f.activeControl(), &f.opt[1]);
        EXPECT_TRUE(showsFocus(f.opt[1]));
    }
}

} // namespace
