#include "PathFixture.h"

#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmInitQuest.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/FrmTesting.h"
#include "results/FrmScrResult.h"
#include "shell/FrmConsole.h"
#include "shell/FrmInstruct.h"
#include "shell/FrmInstructSwitch.h"
#include "shell/frmSplash.h"
#include "testchars/FrmSenSpec.h"
#include "testchars/FrmTestCost.h"

#include <QTimer>

#include <algorithm>

namespace paths {

namespace {

const char* const kForms[] = {"frmSplash",        "FrmInstructSwitch", "FrmInstruct",     "FrmConsole",
                              "FrmInitQuest",     "FrmQuestPop",       "FrmTesting",      "FrmSenSpec",
                              "FrmConfirm",       "FrmTestCost",       "FrmDraftCostTest", "FrmQuestPercent",
                              "FrmQuestDrugCost", "FrmScrResult",      "FrmSwitchTo",     "FrmSwitchToCost",
                              "FrmSwitchToAnaly", "FrmGraph",          "FrmGraphResponse"};

// The list positions of the screening and NGZ tests on the test selection.
int screeningItem(const QString& test)
{
    return int(QStringList{"GenProbe", "EIA", "PCR Cervix", "LCR Cervix", "PCR Urine", "LCR Urine"}.indexOf(test));
}

int ngzItem(const QString& retest)
{
    return int(QStringList{"No NGZ Test", "PCR on GenProbe", "DFA on EIA", "PCR on EIA"}.indexOf(retest));
}

QString figure(const QJsonValue& v) { return v.isString() ? v.toString() : QString::number(v.toDouble()); }

} // namespace

QStringList PathTest::formsOnScreen()
{
    QStringList shown;
    for (const char* name : kForms)
        if (platform::Form* f = program().runtime().findForm(QString::fromLatin1(name)); f && f->isShown())
            shown << f->name();
    return shown;
}

platform::Form& PathTest::current()
{
    const QStringList shown = formsOnScreen();
    EXPECT_FALSE(shown.isEmpty()) << "no form on screen";
    platform::Form* f = shown.isEmpty() ? nullptr : program().runtime().findForm(shown.last());
    return f ? *f : program().FrmConsole();
}

void PathTest::expectOnScreen(const QStringList& forms)
{
    QStringList shown = formsOnScreen();
    for (const QString& open : leftOpen)
        EXPECT_TRUE(shown.removeAll(open) == 1 || forms.contains(open)) << open.toStdString() << " went away";
    for (const QString& f : forms)
        if (leftOpen.contains(f))
            shown.append(f);
    shown.removeDuplicates();
    QStringList expected = forms;
    std::sort(shown.begin(), shown.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(endCalls, 0) << "the program ended";
}

void PathTest::expectFigures(platform::Form& form, const acceptance::Programme& programme)
{
    const QString prefix = form.name() + '.';
    int compared = 0;
    for (auto it = programme.screens.begin(); it != programme.screens.end(); ++it) {
        const QString key = it.key();
        if (!key.startsWith(prefix) || key.endsWith(QLatin1String(".Visible")))
            continue;
        const QString control = key.mid(prefix.size());
        if (!dynamic_cast<platform::Label*>(testsupport::controlNamed(form, control)))
            continue;  // a public value of the form, not a caption
        EXPECT_EQ(testsupport::captionOf(form, control), it.value().toString()) << key.toStdString();
        ++compared;
    }
    EXPECT_GT(compared, 0) << "no figures of " << form.name().toStdString();
}

acceptance::Programme PathTest::programme(const QString& name)
{
    for (const acceptance::Programme& p : acceptance::programmes())
        if (p.name == name)
            return p;
    ADD_FAILURE() << "no programme " << name.toStdString();
    return {};
}

void PathTest::click(platform::Control& c)
{
    ASSERT_NE(c.widget(), nullptr) << c.name().toStdString();
    ASSERT_TRUE(c.widget()->isVisible()) << c.name().toStdString() << " is not on screen";
    // The click goes where the mouse lands: to whatever lies on top at the
    // control's centre.
    QWidget* window = c.widget()->window();
    const QPoint at = c.widget()->mapTo(window, c.widget()->rect().center());
    QWidget* hit = window->childAt(at);
    if (!hit)
        hit = window;
    EXPECT_TRUE(hit == c.widget() || c.widget()->isAncestorOf(hit))
        << "a click on " << c.name().toStdString() << " lands on " << hit->objectName().toStdString();
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(window, at));
}

void PathTest::typeAndTab(platform::TextBox& field, const QString& text)
{
    ASSERT_TRUE(field.hasFocus()) << field.name().toStdString() << " should have the focus";
    QTest::keyClicks(field.widget(), text);
    QTest::keyClick(field.widget(), Qt::Key_Tab);
}

void PathTest::enter(platform::TextBox& field)
{
    if (keyboardFirst) {
        EXPECT_TRUE(field.hasFocus()) << field.name().toStdString() << " should take the keys when its form comes up";
    }
    if (!field.hasFocus())
        click(field);
}

void PathTest::pressAfterTyping(platform::CommandButton& button)
{
    if (!keyboardFirst) {
        click(button);
        return;
    }
    // The last Tab has brought the focus to the button; Enter presses it.
    ASSERT_TRUE(button.hasFocus()) << button.name().toStdString() << " should follow the last field";
    QTest::keyClick(button.widget(), Qt::Key_Return);
}

void PathTest::clickItem(platform::ListBox& list, int index)
{
    auto* w = qobject_cast<QListWidget*>(list.widget());
    ASSERT_NE(w, nullptr) << list.name().toStdString();
    ASSERT_GE(index, 0);
    const QRect item = w->visualItemRect(w->item(index));
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, item.center());
}

void PathTest::key(platform::Form& form, int key, Qt::KeyboardModifiers modifiers)
{
    ASSERT_NE(form.window(), nullptr) << form.name().toStdString();
    activate(form);
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != form.window())
        target = form.window();
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

void PathTest::choose(platform::Form& form, platform::MenuItem& item)
{
    ASSERT_NE(item.action(), nullptr) << item.name().toStdString();
    activate(form);
    auto* bar = form.window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    // The way down from the menu bar: its title, the submenus, the item.
    std::vector<platform::MenuItem*> chain;
    for (platform::MenuItem* m = &item; m; m = m->parent())
        chain.insert(chain.begin(), m);
    ASSERT_GE(chain.size(), 2u);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(chain[0]->action()).center());
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QMenu* menu = chain[i - 1]->action()->menu();
        ASSERT_NE(menu, nullptr);
        ASSERT_TRUE(menu->isVisible()) << "the menu " << chain[i - 1]->name().toStdString() << " did not open";
        const QPoint at = menu->actionGeometry(chain[i]->action()).center();
        if (i + 1 < chain.size()) {
            // A submenu opens under the mouse, or at once by the right arrow.
            QTest::mouseMove(menu, QPoint(at.x(), at.y() + menu->actionGeometry(chain[i]->action()).height()));
            QTest::mouseMove(menu, at);
            QTest::keyClick(menu, Qt::Key_Right);
            if (!chain[i]->action()->menu()->isVisible()) {
                // Offscreen, a submenu opened once before may not open again
                // under the mouse; the keyboard takes the same way down.
                menu->setActiveAction(chain[i]->action());
                QTest::keyClick(menu, Qt::Key_Right);
            }
        } else {
            QTest::mouseClick(menu, Qt::LeftButton, {}, at);
        }
    }
}

void PathTest::startUpToConsole(platform::Answer maximise)
{
    Program& p = started(maximise);
    // On an 800 x 600 screen the viewer cautions first: the user goes on.
    if (screen.widthTwips() == 800 * 15.0 && screen.heightTwips() == 600 * 15.0)
        dialogs.answer(platform::Answer::No);
    expectOnScreen({"frmSplash"});
    click(p.frmSplash().Frame1);
    expectOnScreen({"FrmInstructSwitch"});
    FrmInstruct& chooser = p.FrmInstruct();
    testsupport::whenModal(chooser, [&chooser] { click(chooser.cmdModel); });
    click(p.FrmInstructSwitch().cmdNext);
    expectOnScreen({"FrmConsole"});
}

void PathTest::consoleToResults(const acceptance::Programme& prog, const QString& region)
{
    consoleToPreview(region);
    previewToPopulation();
    populationToResults(prog);
}

void PathTest::consoleToPreview(const QString& region)
{
    FrmConsole& console = program().FrmConsole();
    bringUp(console);
    enter(console.txtRegion);
    typeAndTab(console.txtRegion, region);
    pressAfterTyping(console.cmdApp);
    expectOnScreen({"FrmInitQuest"});
}

void PathTest::previewToPopulation()
{
    bringUp(program().FrmInitQuest());
    click(program().FrmInitQuest().cmdNext);
    expectOnScreen({"FrmQuestPop"});
}

void PathTest::populationToResults(const acceptance::Programme& prog)
{
    populationToTesting(prog);
    testingToConfirm(prog);
    confirmToPercent(prog);
    percentToDrugCosts(prog);
    drugCostsToResults(prog);
}

void PathTest::populationToTesting(const acceptance::Programme& prog)
{
    const QJsonObject& in = prog.figures;
    FrmQuestPop& pop = program().FrmQuestPop();
    bringUp(pop);
    enter(pop.txtNoFem18);
    platform::TextBox* counts[] = {&pop.txtNoFem18, &pop.txtNoFem1825, &pop.txtNoFem25};
    platform::TextBox* rates[] = {&pop.txtPerFem18, &pop.txtPerFem1825, &pop.txtPerFem25};
    for (int g = 0; g < 3; ++g)
        typeAndTab(*counts[g], figure(in["NoFem"].toArray()[g]));
    for (int g = 0; g < 3; ++g)
        typeAndTab(*rates[g], figure(in["PerFem"].toArray()[g]));
    pressAfterTyping(pop.cmdContinue);
    expectOnScreen({"FrmTesting"});
}

void PathTest::choosePair(const QString& test, const QString& retest)
{
    FrmTesting& testing = program().FrmTesting();
    bringUp(testing);
    // A test already chosen is not clicked again: leaving the NGZ list without
    // a choice would ask about the valid combinations.
    if (testing.lstScreenTest.listIndex() != screeningItem(test))
        clickItem(testing.lstScreenTest, screeningItem(test));
    clickItem(testing.lstNgzTest, ngzItem(retest));
}

void PathTest::testingToConfirm(const acceptance::Programme& prog)
{
    Program& p = program();
    choosePair(prog.figures["test"].toString(), prog.figures["ngz"].toString());
    // The pair's rows of test characteristics open beside the test selection;
    // the user looks them over and leaves them by their forward arrow.
    expectOnScreen({"FrmTesting", "FrmSenSpec"});
    bringUp(p.FrmSenSpec());
    click(p.FrmSenSpec().cmdNext);
    expectOnScreen({"FrmTesting"});
    bringUp(p.FrmTesting());
    click(p.FrmTesting().cmdNext);
    expectOnScreen({"FrmConfirm"});
}

void PathTest::confirmToPercent(const acceptance::Programme& prog)
{
    Program& p = program();
    FrmConfirm& confirm = p.FrmConfirm();
    bringUp(confirm);
    const bool yes = prog.figures["confirm"].toBool();
    click(confirm.optConfirm[yes ? 0 : 1]);
    if (yes) {
        // The confirmation test's cost comes up to be checked.
        expectOnScreen({"FrmConfirm", "FrmTestCost"});
        bringUp(p.FrmTestCost());
        click(p.FrmTestCost().cmdNext);
        bringUp(confirm);
    }
    EXPECT_EQ(confirm.optConfirm[0].value(), yes);
    click(confirm.cmdForward);
    expectOnScreen({"FrmQuestPercent"});
}

void PathTest::percentToDrugCosts(const acceptance::Programme& prog)
{
    const QJsonObject& in = prog.figures;
    FrmQuestPercent& percent = program().FrmQuestPercent();
    bringUp(percent);
    enter(percent.txtAzi);
    typeAndTab(percent.txtAzi, figure(in["PerAzi"]));
    typeAndTab(percent.txtDox, figure(in["PerDox"]));
    typeAndTab(percent.txtPerReturn, figure(in["PerReturn"]));
    pressAfterTyping(percent.cmdOk);
    expectOnScreen({"FrmQuestDrugCost"});
}

void PathTest::drugCostsToResults(const acceptance::Programme& prog)
{
    Program& p = program();
    FrmQuestDrugCost& drugs = p.FrmQuestDrugCost();
    bringUp(drugs);
    enter(drugs.txtAzi);
    typeAndTab(drugs.txtAzi, figure(prog.figures["CostAzi"]));
    typeAndTab(drugs.txtDox, figure(prog.figures["CostDox"]));
    typeAndTab(drugs.txtPID, figure(prog.figures["CostPID"]));
    pressAfterTyping(drugs.cmdAgree);
    expectOnScreen({"FrmScrResult"});
}

void PathTest::switchStep()
{
    Program& p = program();
    auto* review = new QTimer;
    testsupport::modalTimers().push_back(review);
    review->setSingleShot(true);
    QObject::connect(review, &QTimer::timeout, review, [&p] {
        FrmSenSpec& senSpec = p.FrmSenSpec();
        if (senSpec.isModal()) {
            activate(senSpec);
            click(senSpec.cmdNext);
        }
    });
    review->start(0);
    FrmScrResult& results = p.FrmScrResult();
    bringUp(results);
    click(results.cmdSwitchTo);
    expectOnScreen({"FrmSwitchTo"});
}

} // namespace paths
