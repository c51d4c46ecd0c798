// The form and focus rules that every screen is written against, driven by
// real key and mouse events on the offscreen platform.

#include "PlatformFixture.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/Runtime.h"
#include "platform/Screen.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

using namespace platform;

namespace {

// A small form with two fields and a button, recording its events in order.
class TestForm : public Form {
public:
    explicit TestForm(Runtime& rt) : Form(rt, "TestForm")
    {
        designCaption("Test");
        designClientSize(6000, 4000);
        txtA.designGeometry(120, 120, 2000, 300);
        txtA.designTabIndex(0);
        txtB.designGeometry(120, 600, 2000, 300);
        txtB.designTabIndex(1);
        cmdGo.designGeometry(120, 1200, 1500, 400);
        cmdGo.designCaption("Go");
        cmdGo.designTabIndex(2);
        lblNote.designGeometry(3000, 120, 2000, 300);
        lblNote.designCaption("design caption");
        lstItems.designGeometry(3000, 600, 2000, 1500);
        lstItems.designItems({"one", "two", "three"});
        lstItems.designTabIndex(3);
        txtHidden.designGeometry(120, 2000, 2000, 300);
        txtHidden.designTabIndex(4);
        txtHidden.designVisible(false);

        txtA.GotFocus = [this] { log.push_back("A.GotFocus"); };
        txtA.LostFocus = [this] { log.push_back("A.LostFocus"); };
        txtA.Validate = [this](bool& cancel) {
            log.push_back("A.Validate");
            cancel = refuseA;
        };
        txtB.GotFocus = [this] { log.push_back("B.GotFocus"); };
        txtB.LostFocus = [this] { log.push_back("B.LostFocus"); };
        cmdGo.GotFocus = [this] { log.push_back("Go.GotFocus"); };
        cmdGo.Click = [this] {
            log.push_back("Go.Click");
            if (unloadOnClick)
                unload();
        };
        lstItems.Click = [this] { log.push_back("List.Click " + std::to_string(lstItems.listIndex())); };
        mnuDo.Click = [this] { log.push_back("Menu.Do"); };
    }

    void Form_Load() override
    {
        ++loads;
        log.push_back("Load");
    }

    TextBox txtA{*this, "txtA"};
    TextBox txtB{*this, "txtB"};
    CommandButton cmdGo{*this, "cmdGo"};
    Label lblNote{*this, "lblNote"};
    ListBox lstItems{*this, "lstItems"};
    TextBox txtHidden{*this, "txtHidden"};
    MenuItem mnuFile{*this, "mnuFile", "&File"};
    MenuItem mnuDo{*this, "mnuDo", "Do it", &mnuFile, QKeySequence(Qt::CTRL | Qt::Key_D)};
    MenuItem mnuSep{*this, "mnuSep", "-", &mnuFile};
    MenuItem mnuOff{*this, "mnuOff", "Off", &mnuFile, QKeySequence(Qt::Key_F5)};
    MenuItem mnuGraph{*this, "mnuGraph", "&Graph"};

    std::vector<std::string> log;
    bool refuseA = false;
    bool unloadOnClick = false;
    int loads = 0;          // a form-level variable: survives unloads
};

using Fixture = platformtest::OnScreen;
using FormFocus = Fixture;

TEST_F(FormFocus, FirstControlGetsFocusWhenShown)
{
    TestForm f(runtime);
    showActive(f);
    EXPECT_EQ(f.activeControl(), &f.txtA);
    EXPECT_EQ(f.log, (std::vector<std::string>{"Load", "A.GotFocus"}));
}

TEST_F(FormFocus, TabRaisesValidateLostFocusGotFocusInOrder)
{
    TestForm f(runtime);
    showActive(f);
    f.log.clear();
    QTest::keyClick(f.txtA.widget(), Qt::Key_Tab);
    EXPECT_EQ(f.log, (std::vector<std::string>{"A.Validate", "A.LostFocus", "B.GotFocus"}));
    EXPECT_EQ(f.activeControl(), &f.txtB);
    EXPECT_EQ(QApplication::focusWidget(), f.txtB.widget());
}

TEST_F(FormFocus, ShiftTabGoesBackAndSkipsHiddenControls)
{
    TestForm f(runtime);
    showActive(f);
    // From the first control backwards: the list (index 3); the hidden field (4) is skipped.
    QTest::keyClick(f.txtA.widget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(f.activeControl(), &f.lstItems);
}

TEST_F(FormFocus, CancelledValidateKeepsFocusAndSwallowsClick)
{
    TestForm f(runtime);
    showActive(f);
    f.refuseA = true;
    f.log.clear();
    QTest::mouseClick(f.cmdGo.widget(), Qt::LeftButton);
    EXPECT_EQ(f.log, (std::vector<std::string>{"A.Validate"}));
    EXPECT_EQ(f.activeControl(), &f.txtA);
    EXPECT_EQ(QApplication::focusWidget(), f.txtA.widget());

    f.log.clear();
    QTest::keyClick(f.txtA.widget(), Qt::Key_Tab);
    EXPECT_EQ(f.log, (std::vector<std::string>{"A.Validate"}));
    EXPECT_EQ(f.activeControl(), &f.txtA);
}

TEST_F(FormFocus, AcceptedClickMovesFocusThenClicks)
{
    TestForm f(runtime);
    showActive(f);
    f.log.clear();
    QTest::mouseClick(f.cmdGo.widget(), Qt::LeftButton);
    EXPECT_EQ(f.log, (std::vector<std::string>{"A.Validate", "A.LostFocus", "Go.GotFocus", "Go.Click"}));
}

TEST_F(FormFocus, MenuCommandDoesNotValidate)
{
    TestForm f(runtime);
    showActive(f);
    f.refuseA = true;
    f.log.clear();
    QTest::keyClick(f.txtA.widget(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.log, (std::vector<std::string>{"Menu.Do"}));
    EXPECT_EQ(f.activeControl(), &f.txtA);
}

TEST_F(FormFocus, SetFocusFromCodeValidatesToo)
{
    TestForm f(runtime);
    showActive(f);
    f.refuseA = true;
    f.txtB.setFocus();
    EXPECT_EQ(f.activeControl(), &f.txtA);
    f.refuseA = false;
    f.txtB.setFocus();
    EXPECT_EQ(f.activeControl(), &f.txtB);
}

using FormLifecycle = Fixture;

TEST_F(FormLifecycle, ReferringToAControlLoadsTheForm)
{
    TestForm f(runtime);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(f.lblNote.caption(), "design caption");
    EXPECT_TRUE(f.isLoaded());
    EXPECT_EQ(f.loads, 1);
    f.load();  // a second load does nothing
    EXPECT_EQ(f.loads, 1);
    EXPECT_FALSE(f.isShown());
}

TEST_F(FormLifecycle, UnloadFromOwnHandlerThenReloadStartsFromDesign)
{
    TestForm f(runtime);
    showActive(f);
    f.lblNote.setCaption("changed");
    f.txtB.setText("typed");
    f.txtHidden.setVisible(true);
    f.cmdGo.setEnabled(true);
    f.mnuOff.setEnabled(false);
    f.unloadOnClick = true;
    QTest::mouseClick(f.cmdGo.widget(), Qt::LeftButton);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(f.cmdGo.widget(), nullptr);
    QApplication::processEvents();  // the window is deleted once back in the loop

    EXPECT_EQ(f.lblNote.caption(), "design caption");
    EXPECT_EQ(f.txtB.text(), "");
    EXPECT_FALSE(f.txtHidden.visible());
    EXPECT_TRUE(f.mnuOff.enabled());
    EXPECT_EQ(f.loads, 2);  // the form's own variable kept its count
    EXPECT_TRUE(f.unloadOnClick);
}

TEST_F(FormLifecycle, HideKeepsEverything)
{
    TestForm f(runtime);
    showActive(f);
    f.txtB.setText("kept");
    f.hide();
    EXPECT_TRUE(f.isLoaded());
    EXPECT_FALSE(f.visible());
    f.show();
    EXPECT_EQ(f.txtB.text(), "kept");
    EXPECT_EQ(f.loads, 1);
}

TEST_F(FormLifecycle, ModalShowReturnsOnHideAndOnUnload)
{
    // A second modal showing asked for while the first runs only brings the
    // form up; hiding or unloading it ends the one showing.
    struct Case {
        bool byUnload, secondShowing;
    };
    TestForm stays(runtime);  // keeps the program from ending with nothing on screen
    showActive(stays);
    for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        SCOPED_TRACE(testing::Message() << "by unload " << c.byUnload << ", second showing " << c.secondShowing);
        TestForm f(runtime);
        bool secondReturned = false;
        const auto end = [&] { c.byUnload ? f.unload() : f.hide(); };
        // Timers of this case alone: none may fire into the next one.
        QTimer first, second;
        first.setSingleShot(true);
        second.setSingleShot(true);
        QObject::connect(&second, &QTimer::timeout, [&] {
            if (!secondReturned) {
                ADD_FAILURE() << "the second showing waits in a loop of its own";
                end();
            }
        });
        QObject::connect(&first, &QTimer::timeout, [&] {
            EXPECT_TRUE(f.isModal());
            if (c.secondShowing) {
                second.start(0);
                f.showModal();
                secondReturned = true;
                EXPECT_TRUE(f.isModal() && f.isShown());
            }
            end();
        });
        first.start(0);
        // Should a loop outlive the end, the test ends it and fails.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            if (f.isModal()) {
                ADD_FAILURE() << "a modal showing outlived the form's end";
                f.unload();
            }
        });
        guard.start(1000);
        f.showModal();  // returns only once the loop has ended
        EXPECT_FALSE(f.isModal());
        EXPECT_EQ(f.isLoaded(), !c.byUnload);
        EXPECT_EQ(ended, 0);
    }
}

TEST_F(FormLifecycle, CloseBoxUnloadsAndEndsWhenNothingIsLeft)
{
    TestForm a(runtime);
    TestForm b(runtime);
    showActive(a);
    showActive(b);
    b.window()->close();
    EXPECT_FALSE(b.isLoaded());
    QApplication::processEvents();
    EXPECT_EQ(ended, 0);  // a is still on screen
    a.window()->close();
    QApplication::processEvents();  // the program ends once back in the main loop
    EXPECT_EQ(ended, 1);
}

TEST_F(FormLifecycle, NoFormIsShownOnceTheProgramHasEnded)
{
    TestForm f(runtime);
    runtime.endProgram();
    f.show();
    EXPECT_FALSE(f.isShown());
}

using FormControls = Fixture;

TEST_F(FormControls, ListClickOnEveryChangeOfSelection)
{
    TestForm f(runtime);
    showActive(f);
    EXPECT_EQ(f.lstItems.listIndex(), -1);
    f.log.clear();
    f.lstItems.setListIndex(1);  // from code
    f.lstItems.setFocus();
    QTest::keyClick(f.lstItems.widget(), Qt::Key_Down);  // keyboard
    auto* lw = static_cast<QListWidget*>(f.lstItems.widget());
    QRect r = lw->visualItemRect(lw->item(0));
    QTest::mouseClick(lw->viewport(), Qt::LeftButton, {}, r.center());  // mouse
    std::vector<std::string> clicks;
    for (const auto& e : f.log)
        if (e.rfind("List.Click", 0) == 0)
            clicks.push_back(e);
    EXPECT_EQ(clicks, (std::vector<std::string>{"List.Click 1", "List.Click 2", "List.Click 0"}));
    EXPECT_EQ(f.lstItems.text(), "one");
}

TEST_F(FormControls, GeometryInTwipsFollowsTheScreen)
{
    TestForm f(runtime);
    f.load();
    EXPECT_EQ(f.txtA.widget()->geometry(), QRect(8, 8, 133, 20));
    f.txtA.move(1500, 1500, 3000, 450);
    EXPECT_EQ(f.txtA.widget()->geometry(), QRect(100, 100, 200, 30));
    EXPECT_DOUBLE_EQ(f.txtA.width(), 3000);
    EXPECT_DOUBLE_EQ(f.scaleWidth(), 6000);
}

class OptionForm : public Form {
public:
    explicit OptionForm(Runtime& rt) : Form(rt, "OptionForm")
    {
        fraB.designGeometry(2000, 0, 2000, 2000);
        for (OptionButton* o : {&optA0, &optA1})
            o->Click = [this, o] { clicks.push_back(o->name().toStdString()); };
        optB0.designContainer(fraB);
        optB0.Click = [this] { clicks.push_back("optB0"); };
        optA0.designGeometry(0, 0, 1500, 300);
        optA1.designGeometry(0, 400, 1500, 300);
        optB0.designGeometry(100, 300, 1500, 300);
    }
    OptionButton optA0{*this, "optA0"};
    OptionButton optA1{*this, "optA1"};
    Frame fraB{*this, "fraB"};
    OptionButton optB0{*this, "optB0"};
    std::vector<std::string> clicks;
};

TEST_F(FormControls, OptionGroupsFollowTheirContainer)
{
    OptionForm f(runtime);
    f.optA0.setValue(true);
    f.optB0.setValue(true);
    EXPECT_TRUE(f.optA0.value());  // another container: not cleared
    f.optA1.setValue(true);
    EXPECT_FALSE(f.optA0.value());
    EXPECT_TRUE(f.optB0.value());
    // Setting from code raises Click as a click by the user does.
    EXPECT_EQ(f.clicks, (std::vector<std::string>{"optA0", "optB0", "optA1"}));
    showActive(f);
    QTest::mouseClick(f.optA0.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f.optA0.value());
    EXPECT_FALSE(f.optA1.value());
    EXPECT_EQ(f.clicks.back(), "optA0");
}

TEST_F(FormControls, MenusKeepTheirDesign)
{
    TestForm f(runtime);
    f.load();
    EXPECT_EQ(f.mnuFile.action()->text(), "&File");
    EXPECT_TRUE(f.mnuSep.action()->isSeparator());
    EXPECT_EQ(f.mnuOff.action()->shortcut(), QKeySequence(Qt::Key_F5));
    f.mnuDo.setEnabled(false);
    f.log.clear();
    f.mnuDo.trigger();  // a disabled command does nothing
    EXPECT_TRUE(f.log.empty());
    // A menu-bar entry without items still runs its command.
    bool graph = false;
    f.mnuGraph.Click = [&] { graph = true; };
    f.mnuGraph.action()->trigger();
    EXPECT_TRUE(graph);
}

// WCAG contrast of two colours from their relative luminance: 1 (alike) to
// 21 (black on white).
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the text drawn in an area of a picture: its strongest pixel
// against the area's most common colour, its background.
double textContrast(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const QRgb background =
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    double strongest = 1;
    for (const auto& [colour, n] : counts)
        strongest = std::max(strongest, contrast(colour, background));
    return strongest;
}

// A disabled menu title, menu-bar entry or item is greyed, yet can be read:
// at least 4.5:1 against the bar or menu it is drawn on.
TEST_F(FormControls, DisabledMenusCanBeRead)
{
    TestForm f(runtime);
    showActive(f);
    f.mnuOff.setEnabled(false);
    QMenu* file = f.mnuFile.action()->menu();
    file->popup(f.window()->mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    const double item = textContrast(file->grab().toImage(), file->actionGeometry(f.mnuOff.action()));
    file->close();
    f.mnuFile.setEnabled(false);
    f.mnuGraph.setEnabled(false);
    QMenuBar* bar = f.window()->menuBar();
    const QImage shown = bar->grab().toImage();
    EXPECT_GE(textContrast(shown, bar->actionGeometry(f.mnuFile.action())), 4.5) << "menu title";
    EXPECT_GE(textContrast(shown, bar->actionGeometry(f.mnuGraph.action())), 4.5) << "menu-bar entry";
    EXPECT_GE(item, 4.5) << "menu item";
}

} // namespace

TEST_F(FormControls, ToolsFindEveryControlAndTheWindowByName)
{
    TestForm f(runtime);
    f.load();
    EXPECT_EQ(f.window()->objectName(), "TestForm");
    EXPECT_EQ(f.window()->accessibleName(), "TestForm");
    for (Control* c : f.controls()) {
        SCOPED_TRACE(c->name().toStdString());
        EXPECT_EQ(c->widget()->accessibleName(), c->name());
        EXPECT_EQ(f.window()->findChild<QWidget*>(c->name()), c->widget());
    }
}

// Calls through the concrete Qt service read like calls through the interface.
static_assert(requires(QtDialogs& d) { d.msgBox(QString()); d.inputBox(QString()); });

TEST_F(FormControls, OnlyAMultiLineBoxTakesLineBreaks)
{
    platformtest::GateForm f(runtime);
    showActive(f);
    for (TextBox* box : {&f.txtA, &f.txtNoStop}) {
        SCOPED_TRACE(box->name().toStdString());
        box->setFocus();
        QTest::keyClicks(box->widget(), "ab");
        QTest::keyClick(box->widget(), Qt::Key_Return);
        QTest::keyClicks(box->widget(), "c");
        EXPECT_EQ(box->text(), box == &f.txtNoStop ? "ab\nc" : "abc");
        box->selectAll();
        EXPECT_EQ(box->selStart(), 0);
        EXPECT_EQ(box->selLength(), box->text().size());
    }
}

namespace {
class FixedForm : public Form {
public:
    FixedForm(Runtime& rt, BorderStyle border) : Form(rt, "FixedForm")
    {
        designClientSize(3000, 1500);
        designBorder(border);
    }
};
} // namespace

TEST_F(FormLifecycle, FixedBorderFormsKeepTheirSize)
{
    for (BorderStyle border : {BorderStyle::FixedDialog, BorderStyle::None}) {
        FixedForm f(runtime, border);
        showActive(f);
        const QSize designed(200, 100);
        ASSERT_EQ(f.window()->size(), designed);
        f.window()->resize(600, 400);
        f.window()->showMaximized();
        QApplication::processEvents();
        EXPECT_EQ(f.window()->size(), designed);
        EXPECT_FALSE(f.window()->windowFlags() & Qt::WindowMaximizeButtonHint);
        // Its own code may still size it.
        f.move(0, 0, 4500, 3000);
        EXPECT_EQ(f.window()->size(), QSize(300, 200));
    }
}
