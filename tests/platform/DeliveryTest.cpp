// Where input lands: a mouse move reaches the control under the mouse only,
// the navigation keys of a list with nothing chosen, the shortcut keys of
// entries whose menu is not on offer, and the picture a form prints.

#include "platform/Chart.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/Runtime.h"
#include "platform/Screen.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace platform;

namespace {

struct Delivery : ::testing::Test {
    testsupport::ScriptedDialogs dialogs;
    FixedScreen screen{1024, 768};
    Runtime runtime{dialogs, screen, nullptr, [] {}};

    static void showActive(Form& f)
    {
        f.show();
        QApplication::setActiveWindow(f.window());
        QApplication::processEvents();
    }
};

// --- mouse moves ------------------------------------------------------------------------

class HoverForm : public Form {
public:
    explicit HoverForm(Runtime& rt) : Form(rt, "HoverForm")
    {
        designClientSize(9000, 6000);
        cmdHelp.designGeometry(120, 120, 1500, 500);
        cmdPlain.designGeometry(1800, 120, 1500, 500);
        cmdOff.designGeometry(3500, 120, 1500, 500);
        cmdOff.designEnabled(false);
        lblBare.designGeometry(5200, 120, 1500, 500);
        shpBack.designGeometry(7000, 120, 1500, 500);
        fraBox.designGeometry(120, 1200, 6000, 3000);
        txtInside.designGeometry(240, 600, 1500, 400);
        txtInside.designContainer(fraBox);
        lblInside.designGeometry(2000, 600, 1500, 400);
        lblInside.designContainer(fraBox);
        shpInside.designGeometry(3800, 600, 1500, 400);
        shpInside.designContainer(fraBox);

        for (Control* c : {static_cast<Control*>(&cmdHelp), static_cast<Control*>(&cmdOff),
                           static_cast<Control*>(&fraBox)})
            c->MouseMove = [this, c] { heard.push_back(c->name().toStdString()); };
    }
    void Form_MouseMove() override { heard.push_back("Form"); }

    CommandButton cmdHelp{*this, "cmdHelp"};
    CommandButton cmdPlain{*this, "cmdPlain"};
    CommandButton cmdOff{*this, "cmdOff"};
    Label lblBare{*this, "lblBare"};
    Shape shpBack{*this, "shpBack"};
    Frame fraBox{*this, "fraBox"};
    TextBox txtInside{*this, "txtInside"};
    Label lblInside{*this, "lblInside"};
    Shape shpInside{*this, "shpInside"};

    std::vector<std::string> heard;
};

TEST_F(Delivery, AMouseMoveReachesTheControlUnderTheMouseOnly)
{
    HoverForm f(runtime);
    showActive(f);
    QWidget* client = f.window()->centralWidget();
    const QPoint freeFrame(f.fraBox.widget()->width() - 10, f.fraBox.widget()->height() - 10);
    struct Case {
        const char* over;
        std::function<QPoint()> where;  // in the client area
        std::vector<std::string> heard;
    };
    auto middle = [client](Control& c) {
        return [client, &c] { return c.widget()->mapTo(client, c.widget()->rect().center()); };
    };
    const Case cases[] = {
        {"the form's free area", [] { return QPoint(590, 390); }, {"Form"}},
        {"a button with a handler", middle(f.cmdHelp), {"cmdHelp"}},
        {"a button without one", middle(f.cmdPlain), {}},
        {"a disabled button", middle(f.cmdOff), {"Form"}},
        {"a label", middle(f.lblBare), {}},
        {"a shape", middle(f.shpBack), {"Form"}},
        {"the frame's free area", [&] { return f.fraBox.widget()->mapTo(client, freeFrame); }, {"fraBox"}},
        {"a field in the frame", middle(f.txtInside), {}},
        {"a label in the frame", middle(f.lblInside), {}},
        {"a shape in the frame", middle(f.shpInside), {"fraBox"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.over);
        f.heard.clear();
        QTest::mouseMove(f.window()->windowHandle(), client->mapTo(f.window(), c.where()));
        EXPECT_EQ(f.heard, c.heard);
    }

    // A drag started on the form's free area stays the form's over a button.
    QWindow* window = f.window()->windowHandle();
    const QPoint freeArea = client->mapTo(f.window(), QPoint(590, 390));
    QTest::mousePress(window, Qt::LeftButton, {}, freeArea);
    f.heard.clear();
    QTest::mouseMove(window, client->mapTo(f.window(), middle(f.cmdHelp)()));
    EXPECT_EQ(f.heard, std::vector<std::string>{"Form"});
    QTest::mouseRelease(window, Qt::LeftButton, {}, freeArea);
}

// --- list keys ------------------------------------------------------------------------------

class ListForm : public Form {
public:
    explicit ListForm(Runtime& rt) : Form(rt, "ListForm")
    {
        designClientSize(4000, 4000);
        QStringList items;
        for (int i = 0; i < 30; ++i)
            items << QStringLiteral("item %1").arg(i);
        lstMany.designItems(items);
        lstMany.designGeometry(120, 120, 3000, 1500);
        lstMany.Click = [this] { clicks.push_back(lstMany.listIndex()); };
    }
    ListBox lstMany{*this, "lstMany"};
    std::vector<int> clicks;
};

TEST_F(Delivery, ListKeysWithNothingChosenActFromTheTop)
{
    ListForm f(runtime);
    showActive(f);
    const int shown = static_cast<QListWidget*>(f.lstMany.widget())->viewport()->height() /
                      static_cast<QListWidget*>(f.lstMany.widget())->sizeHintForRow(0);
    ASSERT_GT(shown, 2);
    ASSERT_LT(shown, 20);
    struct Case {
        Qt::Key key;
        const char* name;
        bool onePageDown;  // lands where a page down from the first item does
        int index;
    };
    const Case cases[] = {
        {Qt::Key_End, "End", false, 29},
        {Qt::Key_Home, "Home", false, 0},
        {Qt::Key_PageUp, "PageUp", false, 0},
        {Qt::Key_PageDown, "PageDown", true, 0},
        {Qt::Key_Down, "Down", false, 0},
        {Qt::Key_Up, "Up", false, 0},
    };
    // Where a page down goes from the first item on the same list.
    f.lstMany.setFocus();
    QTest::keyClick(f.lstMany.widget(), Qt::Key_Home);
    QTest::keyClick(f.lstMany.widget(), Qt::Key_PageDown);
    const int pageFromFirst = f.lstMany.listIndex();
    ASSERT_GT(pageFromFirst, 0);
    ASSERT_LT(pageFromFirst, 29);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.unload();
        showActive(f);
        f.lstMany.setFocus();
        f.clicks.clear();
        ASSERT_EQ(f.lstMany.listIndex(), -1);
        QTest::keyClick(f.lstMany.widget(), c.key);
        const int expected = c.onePageDown ? pageFromFirst : c.index;
        EXPECT_EQ(f.lstMany.listIndex(), expected);
        EXPECT_EQ(f.clicks, std::vector<int>{expected}) << "one Click for one choice";
        QTest::keyClick(f.lstMany.widget(), c.key == Qt::Key_End ? Qt::Key_Home : Qt::Key_End);
        EXPECT_EQ(f.lstMany.listIndex(), c.key == Qt::Key_End ? 0 : 29) << "the next key moves on from there";
    }
}

// --- shortcut keys of a menu not on offer ---------------------------------------------------------

class MenuForm : public Form {
public:
    explicit MenuForm(Runtime& rt) : Form(rt, "MenuForm")
    {
        designClientSize(4000, 3000);
        txtField.designGeometry(120, 120, 2000, 300);
        mnuOne.Click = [this] { ran.push_back("One"); };
        mnuTwo.Click = [this] { ran.push_back("Two"); };
    }
    TextBox txtField{*this, "txtField"};
    MenuItem mnuScreens{*this, "mnuScreens", "&Screens"};
    MenuItem mnuOne{*this, "mnuOne", "One", &mnuScreens, QKeySequence(Qt::Key_F1)};
    MenuItem mnuMore{*this, "mnuMore", "More", &mnuScreens};
    MenuItem mnuTwo{*this, "mnuTwo", "Two", &mnuMore, QKeySequence(Qt::CTRL | Qt::Key_K)};
    std::vector<std::string> ran;
};

TEST_F(Delivery, EntriesOfAMenuNotOnOfferIgnoreTheirShortcuts)
{
    MenuForm f(runtime);
    struct Case {
        const char* name;
        std::function<void(MenuForm&)> change;
        std::vector<std::string> ran;  // after F1, then Ctrl+K
    };
    const Case cases[] = {
        {"all on offer", [](MenuForm&) {}, {"One", "Two"}},
        {"menu disabled", [](MenuForm& m) { m.mnuScreens.setEnabled(false); }, {}},
        {"submenu disabled", [](MenuForm& m) { m.mnuMore.setEnabled(false); }, {"One"}},
        {"menu hidden", [](MenuForm& m) { m.mnuScreens.setVisible(false); }, {}},
        {"entry disabled", [](MenuForm& m) { m.mnuOne.setEnabled(false); }, {"Two"}},
        {"menu disabled and enabled again",
         [](MenuForm& m) {
             m.mnuScreens.setEnabled(false);
             m.mnuScreens.setEnabled(true);
         },
         {"One", "Two"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.unload();
        showActive(f);
        c.change(f);
        f.ran.clear();
        QTest::keyClick(f.txtField.widget(), Qt::Key_F1);
        QTest::keyClick(f.txtField.widget(), Qt::Key_K, Qt::ControlModifier);
        EXPECT_EQ(f.ran, c.ran);
        // Each entry keeps its own flag, whatever its menu's.
        EXPECT_EQ(f.mnuTwo.enabled(), true);
    }
}

// --- the picture of a form -------------------------------------------------------------------

class ChartForm : public Form {
public:
    explicit ChartForm(Runtime& rt, bool withMenu) : Form(rt, "ChartForm")
    {
        designClientSize(6000, 4500);
        designBackColor(QColor(0, 128, 0));
        chrBars.designGeometry(0, 0, 6000, 4500);
        if (withMenu)
            mnuFile.emplace(*this, "mnuFile", "&File");
    }
    Chart chrBars{*this, "chrBars"};
    std::optional<MenuItem> mnuFile;
};

TEST_F(Delivery, TheFormsPictureIsItsClientAreaWithTheChartJustDrawn)
{
    for (bool withMenu : {false, true}) {
        SCOPED_TRACE(withMenu ? "with a menu bar" : "without one");
        ChartForm f(runtime, withMenu);
        showActive(f);
        f.chrBars.setData({"Cost", {{"A", 10.0}, {"B", 30.0}, {"C", 20.0}}});
        const QImage now = f.grabImage();
        QApplication::processEvents();
        const QImage settled = f.grabImage();
        const QSize client = f.window()->centralWidget()->size() * now.devicePixelRatio();
        EXPECT_TRUE(now.size() == client) << now.width() << "x" << now.height() << " for a client area of "
                                          << client.width() << "x" << client.height();
        EXPECT_TRUE(now == settled) << "the chart drawn at once is the chart the screen settles on";
    }
}

} // namespace
