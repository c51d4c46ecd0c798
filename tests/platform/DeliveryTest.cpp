// Where input lands: a mouse move reaches the control under the mouse only,
// the navigation keys of a list with nothing chosen, the shortcut keys of
// entries whose menu is not on offer, and the picture a form prints.

#include "PlatformFixture.h"

#include <QTest>

#include <functional>
#include <tuple>

using namespace platformtest;

namespace {

using Delivery = OnScreen;

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

    Log heard;
};

TEST_F(Delivery, AMouseMoveReachesTheControlUnderTheMouseOnly)
{
    HoverForm f(runtime);
    showActive(f);
    QWidget* client = f.window()->centralWidget();
    QWindow* window = f.window()->windowHandle();
    // Points in the window, over the middle of a control or a free area.
    auto over = [&](Control& c) { return c.widget()->mapTo(f.window(), c.widget()->rect().center()); };
    const QPoint freeArea = client->mapTo(f.window(), QPoint(590, 390));
    const QPoint freeFrame = f.fraBox.widget()->mapTo(f.window(), f.fraBox.widget()->rect().bottomRight() - QPoint(9, 9));
    const std::tuple<const char*, QPoint, Log> cases[] = {
        {"the form's free area", freeArea, {"Form"}},
        {"a button with a handler", over(f.cmdHelp), {"cmdHelp"}},
        {"a button without one", over(f.cmdPlain), {}},
        {"a disabled button", over(f.cmdOff), {"Form"}},
        {"a label", over(f.lblBare), {}},
        {"a shape", over(f.shpBack), {"Form"}},
        {"the frame's free area", freeFrame, {"fraBox"}},
        {"a field in the frame", over(f.txtInside), {}},
        {"a label in the frame", over(f.lblInside), {}},
        {"a shape in the frame", over(f.shpInside), {"fraBox"}},
    };
    for (const auto& [name, where, heard] : cases) {
        SCOPED_TRACE(name);
        f.heard.clear();
        QTest::mouseMove(window, where);
        EXPECT_EQ(f.heard, heard);
    }

    // A drag started on the form's free area stays the form's over a button.
    QTest::mousePress(window, Qt::LeftButton, {}, freeArea);
    f.heard.clear();
    QTest::mouseMove(window, over(f.cmdHelp));
    EXPECT_EQ(f.heard, Log{"Form"});
    QTest::mouseRelease(window, Qt::LeftButton, {}, freeArea);
}

TEST_F(Delivery, ListKeysWithNothingChosenActFromTheTop)
{
    ListsForm f(runtime);
    showActive(f);
    // Where a page down goes from the first item on the same list: a page, not the end.
    f.lstB.setFocus();
    QTest::keyClick(f.lstB.widget(), Qt::Key_Home);
    QTest::keyClick(f.lstB.widget(), Qt::Key_PageDown);
    const int pageFromFirst = f.lstB.listIndex();
    ASSERT_GT(pageFromFirst, 0);
    ASSERT_LT(pageFromFirst, 29);

    const std::pair<Qt::Key, int> cases[] = {{Qt::Key_End, 29}, {Qt::Key_Home, 0},   {Qt::Key_PageUp, 0},
                                             {Qt::Key_PageDown, pageFromFirst}, {Qt::Key_Down, 0}, {Qt::Key_Up, 0}};
    for (auto [key, expected] : cases) {
        SCOPED_TRACE(key);
        f.unload();
        showActive(f);
        f.lstB.setFocus();
        f.log.clear();
        ASSERT_EQ(f.lstB.listIndex(), -1);
        QTest::keyClick(f.lstB.widget(), key);
        EXPECT_EQ(f.lstB.listIndex(), expected);
        EXPECT_EQ(f.log, Log{"B.Click " + std::to_string(expected)}) << "one Click for one choice";
        QTest::keyClick(f.lstB.widget(), key == Qt::Key_End ? Qt::Key_Home : Qt::Key_End);
        EXPECT_EQ(f.lstB.listIndex(), key == Qt::Key_End ? 0 : 29) << "the next key moves on from there";
    }
}

// --- shortcut keys of a menu not on offer ---------------------------------------------------------

TEST_F(Delivery, EntriesOfAMenuNotOnOfferIgnoreTheirShortcuts)
{
    GateForm f(runtime);
    struct Case {
        const char* name;
        std::function<void(GateForm&)> change;
        std::vector<std::string> ran;  // after F1, then Ctrl+K
    };
    const Case cases[] = {
        {"all on offer", [](GateForm&) {}, {"One", "Two"}},
        {"menu disabled", [](GateForm& m) { m.mnuScreens.setEnabled(false); }, {}},
        {"submenu disabled", [](GateForm& m) { m.mnuMore.setEnabled(false); }, {"One"}},
        {"menu hidden", [](GateForm& m) { m.mnuScreens.setVisible(false); }, {}},
        {"entry disabled", [](GateForm& m) { m.mnuOne.setEnabled(false); }, {"Two"}},
        {"menu disabled and enabled again",
         [](GateForm& m) {
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
        f.log.clear();
        QTest::keyClick(f.txtA.widget(), Qt::Key_F1);
        QTest::keyClick(f.txtA.widget(), Qt::Key_K, Qt::ControlModifier);
        EXPECT_EQ(f.log, c.ran);
        // Each entry keeps its own flag, whatever its menu's.
        EXPECT_EQ(f.mnuTwo.enabled(), true);
    }
}

// --- the picture of a form -------------------------------------------------------------------

TEST_F(Delivery, TheFormsPictureIsItsClientAreaWithTheChartJustDrawn)
{
    for (bool withMenu : {false, true}) {
        SCOPED_TRACE(withMenu ? "with a menu bar" : "without one");
        ChartForm f(runtime, withMenu);
        showActive(f);
        f.chrValues.setData({"Cost", {{"A", 10.0}, {"B", 30.0}, {"C", 20.0}}});
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
