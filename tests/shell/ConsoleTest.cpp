#include "shell/FrmConsole.h"
#include "support/ProgramFixture.h"

#include <QLineEdit>
#include <QTest>

using testsupport::ProgramTest;

namespace {

class ConsoleTest : public ProgramTest {
protected:
    FrmConsole& console()
    {
        FrmConsole& c = program().FrmConsole();
        c.show();
        activate(c);
        return c;
    }

    static QLineEdit* box(FrmConsole& c) { return static_cast<QLineEdit*>(c.txtRegion.widget()); }
};

TEST_F(ConsoleTest, TheNameIsStoredWhenTheBoxIsLeft)
{
    enum class Leave { Tab, ClickOnButton };
    struct Case {
        const char* name;
        QString typed;
        Leave leave;
        std::string region;
    };
    const Case cases[] = {
        {"name, Tab", "Lakeside Clinic", Leave::Tab, "Lakeside Clinic"},
        {"name, button", "County of Orvane", Leave::ClickOnButton, "County of Orvane"},
        {"empty, Tab", "", Leave::Tab, "your local area"},
        {"empty, button", "", Leave::ClickOnButton, "your local area"},
        {"blanks only", "   ", Leave::Tab, "   "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedDialogs script;
        platform::FixedScreen screen;
        Program p(script, screen, &printer, [] {});
        FrmConsole& f = p.FrmConsole();
        f.show();
        activate(f);
        ASSERT_TRUE(f.txtRegion.hasFocus()) << "the name box has the focus when the console comes up";
        EXPECT_EQ(p.vc.Region, "") << "nothing is stored before the box is left";

        QTest::keyClicks(box(f), c.typed);
        if (c.leave == Leave::Tab)
            QTest::keyClick(box(f), Qt::Key_Tab);
        else
            QTest::mouseClick(f.cmdApp.widget(), Qt::LeftButton);

        EXPECT_FALSE(f.txtRegion.hasFocus());
        EXPECT_EQ(p.vc.Region, c.region);
        EXPECT_EQ(f.txtRegion.text(), c.typed) << "the box shows what was typed";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ConsoleTest, EnteringTheBoxAgainSelectsItsWholeTextAndLeavingStoresTheNewName)
{
    FrmConsole& c = console();
    QTest::keyClicks(box(c), "North Ward");
    QTest::keyClick(box(c), Qt::Key_Tab);
    ASSERT_EQ(program().vc.Region, "North Ward");

    // Back with a click, which places the caret before GotFocus selects.
    QTest::mouseClick(box(c), Qt::LeftButton, {}, QPoint(4, box(c)->height() / 2));
    ASSERT_TRUE(c.txtRegion.hasFocus());
    EXPECT_EQ(box(c)->selectedText(), "North Ward");
    QTest::keyClick(box(c), Qt::Key_Tab);

    // And by code, which leaves Qt's own select-on-Tab out of it.
    c.txtRegion.setFocus();
    ASSERT_TRUE(c.txtRegion.hasFocus());
    EXPECT_EQ(box(c)->selectedText(), "North Ward");

    // Typing replaces the selected name.
    QTest::keyClicks(box(c), "South Ward");
    QTest::keyClick(box(c), Qt::Key_Tab);
    EXPECT_EQ(program().vc.Region, "South Ward");
}

TEST_F(ConsoleTest, ExitApplicationEndsTheProgramWithoutAQuestion)
{
    FrmConsole& c = console();
    QTest::keyClick(c.window(), Qt::Key_F12);
    EXPECT_EQ(endCalls, 1);
    EXPECT_TRUE(dialogs.shown().empty());
}

} // namespace
