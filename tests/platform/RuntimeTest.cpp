// Modal showings, the close box, ending the program and the life of forms and
// their controls, with handlers that run while modal loops are up.

#include "PlatformFixture.h"
#include "platform/Printer.h"
#include "support/PdfText.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace platformtest;

namespace {

struct RuntimeFixture : OnScreen {
    // Runs action once form is up modally; a form still modal long after is
    // hidden so that the test fails instead of hanging.
    static void whenModal(Form& form, std::function<void()> action)
    {
        auto* poll = new QTimer(form.window());
        QObject::connect(poll, &QTimer::timeout, poll, [&form, poll, action] {
            if (!form.isModal())
                return;
            poll->deleteLater();
            action();
        });
        poll->start(0);
        QTimer::singleShot(3000, form.window(), [&form] {
            if (form.isModal()) {
                ADD_FAILURE() << form.name().toStdString() << " stayed modal";
                form.hide();
            }
        });
    }
};

TEST_F(RuntimeFixture, TheCloseBoxOfAModalFormLetsItsCallerGoOn)
{
    PlainForm results(runtime, "results"), review(runtime, "review"), next(runtime, "next");
    results.cmdGo.Click = [&] {
        results.hide();
        review.load();
        whenModal(review, [&] { review.window()->close(); });
        review.showModal();
        next.show();
    };
    results.show();
    QTest::mouseClick(results.cmdGo.widget(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(next.isShown());
    EXPECT_FALSE(review.isLoaded());
}

TEST_F(RuntimeFixture, EndingTheProgramReturnsFromEveryModalShowing)
{
    PlainForm outer(runtime, "outer"), inner(runtime, "inner");
    std::vector<std::string> returned;
    outer.load();
    inner.load();
    whenModal(outer, [&] {
        whenModal(inner, [&] { QTest::mouseClick(inner.cmdGo.widget(), Qt::LeftButton); });
        inner.showModal();
        returned.push_back("inner");
    });
    inner.cmdGo.Click = [&] { runtime.endProgram(); };
    outer.showModal();
    returned.push_back("outer");
    EXPECT_EQ(returned, (std::vector<std::string>{"inner", "outer"}));
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(outer.isModal());
}

TEST_F(RuntimeFixture, AFormAlreadyOnScreenShownModallyBlocksTheOthers)
{
    PlainForm other(runtime, "other"), f(runtime, "f");
    other.show();
    f.show();
    QWidget* modalWidget = nullptr;
    whenModal(f, [&] {
        modalWidget = QApplication::activeModalWidget();
        f.hide();
    });
    f.showModal();
    EXPECT_EQ(modalWidget, f.window());
}

TEST_F(RuntimeFixture, APrintJobLeftOpenIsSentWhenTheProgramEnds)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("open.pdf");
    Printer printer(dialogs, Destination::pdf(path));
    Runtime rt(dialogs, screen, &printer, [] {});
    printer.print("Left open at the end");
    rt.endProgram();
    EXPECT_TRUE(pdftest::text(path).contains("Left open at the end"));
}

// A form whose load handler unloads it again: its controls have no widget
// even after a property was asked for.
class SelfUnloadingForm : public Form {
public:
    explicit SelfUnloadingForm(Runtime& rt) : Form(rt, "SelfUnloading") {}
    void Form_Load() override { unload(); }
    CommandButton cmdGo{*this, "cmdGo"};
    CheckBox chkOn{*this, "chkOn"};
    OptionButton optOne{*this, "optOne"};
    ListBox lstItems{*this, "lstItems"};
    ComboBox cboItems{*this, "cboItems"};
    Frame fraBox{*this, "fraBox"};
    TextBox txtA{*this, "txtA"};
    Label lblA{*this, "lblA"};
};

TEST_F(RuntimeFixture, PropertiesOfAControlWithoutAWidgetNeverTouchIt)
{
    SelfUnloadingForm f(runtime);
    const std::vector<std::pair<const char*, std::function<void()>>> uses = {
        {"button caption", [&] { f.cmdGo.setCaption("x"); }},
        {"check value", [&] { f.chkOn.setValue(1); }},
        {"option value", [&] { f.optOne.setValue(false); }},
        {"list item", [&] { f.lstItems.addItem("x"); }},
        {"list index", [&] { f.lstItems.setListIndex(0); }},
        {"list clear", [&] { f.lstItems.clear(); }},
        {"combo index", [&] { f.cboItems.setListIndex(0); }},
        {"combo text", [&] { (void)f.cboItems.text(); }},
        {"frame caption", [&] { f.fraBox.setCaption("x"); }},
        {"text selection", [&] { f.txtA.setSelStart(1); f.txtA.setSelLength(1); f.txtA.selectAll(); }},
        {"text reading", [&] { (void)f.txtA.selStart(); (void)f.txtA.selLength(); }},
        {"text lock", [&] { f.txtA.setLocked(true); }},
        {"label caption", [&] { f.lblA.setCaption("x"); }},
        {"focus", [&] { f.txtA.setFocus(); }},
    };
    for (const auto& [name, use] : uses) {
        SCOPED_TRACE(name);
        use();
        EXPECT_FALSE(f.isLoaded());
    }
}

class ArrayOnHeapForm : public Form {
public:
    explicit ArrayOnHeapForm(Runtime& rt) : Form(rt, "ArrayOnHeap")
    {
        for (int i = 0; i < opt.size(); ++i)
            opt[i].designTabIndex(i);
    }
    ControlArray<OptionButton, 4> opt{*this, "opt"};
    TextBox txtA{*this, "txtA"};
};

TEST_F(RuntimeFixture, AFormGoesAwayCleanlyAfterItsControls)
{
    // The array's buttons are freed before the form's own destructor runs.
    for (bool shown : {false, true}) {
        auto f = std::make_unique<ArrayOnHeapForm>(runtime);
        if (shown)
            f->show();
        else
            f->load();
        f->opt[2].setFocus();
        f.reset();
        QApplication::processEvents();
    }
    EXPECT_EQ(runtime.findForm("ArrayOnHeap"), nullptr);
}

} // namespace
