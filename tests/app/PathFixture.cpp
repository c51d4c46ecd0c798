#include "PathFixture.h"

#include "platform/Numbers.h"
#include "support/LocaleScope.h"

#include <QLocale>
#include <QRegularExpression>
#include <QClipboard>
#include <QGuiApplication>
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
        EXPECT_EQ(testsupport::captionOf(form, control), localised(it.value().toString())) << key.toStdString();
        ++compared;
    }
    EXPECT_GT(compared, 0) << "no figures of " << form.name().toStdString();
}

QString PathTest::localised(const QString& usCaption)
{
    if (usCaption.contains(u'$')) {
        QString digits = usCaption;
        const bool negative = digits.startsWith(u'(');
        digits.remove(QRegularExpression(QStringLiteral("[$,()]")));
        bool ok = false;
        const double amount = digits.toDouble(&ok);
        EXPECT_TRUE(ok) << usCaption.toStdString();
        return platform::numbers::formatCurrency(negative ? -amount : amount);
    }
    const QLocale locale;
    QString text;
    for (QChar c : usCaption)
        text += c == u',' ? locale.groupSeparator() : c == u'.' ? locale.decimalPoint() : QString(c);
    return text;
}

acceptance::Programme PathTest::programme(const QString& name)
{
    for (const acceptance::Programme& p : acceptance::programmes())
        if (p.name == name)
            return p;
    ADD_FAILURE() << "no programme " << name.toStdString();
    return {};
}

Qt::Key PathTest::screenKey(const QString& form)
{
    const QStringList screens{"FrmSwitchTo", "FrmSwitchToCost", "FrmSwitchToAnaly", "FrmScrResult"};
    EXPECT_TRUE(screens.contains(form)) << form.toStdString();
    return Qt::Key(Qt::Key_F1 + screens.indexOf(form));
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

void PathTest::clickThrough(platform::Form& form, platform::CommandButton& button, const QStringList& next)
{
    bringUp(form);
    click(button);
    expectOnScreen(next);
}

void PathTest::typeAndTab(platform::TextBox& field, const QString& text)
{
    ASSERT_TRUE(field.hasFocus()) << field.name().toStdString() << " should have the focus";
    testsupport::typeKeys(field.widget(), text);
    QTest::keyClick(field.widget(), Qt::Key_Tab);
}

void PathTest::pasteAndTab(platform::TextBox& field, const QString& text)
{
    ASSERT_TRUE(field.hasFocus()) << field.name().toStdString() << " should have the focus";
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field.widget(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field.widget(), Qt::Key_Tab);
}

QString PathTest::figure(const QJsonValue& v) const
{
    return writeFigure(v.isString() ? v.toString() : QString::number(v.toDouble()));
}

void PathTest::enterFigure(platform::TextBox& field, const QString& text)
{
    if (pasteFigures)
        pasteAndTab(field, text);
    else
        typeAndTab(field, text);
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
    // The way down from the menu bar: its title, the submenus, the item; an
    // entry of the bar without items is clicked on the bar.
    std::vector<platform::MenuItem*> chain;
    for (platform::MenuItem* m = &item; m; m = m->parent())
        chain.insert(chain.begin(), m);
    ASSERT_GE(chain.size(), 1u);
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

void PathTest::closeBox(platform::Form& form)
{
    form.window()->close();
    QCoreApplication::processEvents();
}

void PathTest::returnToConsole(platform::Form& form)
{
    key(form, Qt::Key_R, Qt::ControlModifier);
    expectOnScreen({"FrmConsole"});
}

void PathTest::typeIn(platform::Form& form, std::initializer_list<std::pair<platform::TextBox*, QString>> fields)
{
    bringUp(form);
    enter(*fields.begin()->first);
    for (const auto& [field, text] : fields)
        enterFigure(*field, text);
}

void PathTest::fillIn(platform::Form& form, std::initializer_list<std::pair<platform::TextBox*, QString>> fields,
                      platform::CommandButton& button, const QString& next)
{
    typeIn(form, fields);
    pressAfterTyping(button);
    expectOnScreen({next});
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
    fillIn(console, {{&console.txtRegion, region}}, console.cmdApp, "FrmInitQuest");
}

void PathTest::previewToPopulation()
{
    clickThrough(program().FrmInitQuest(), program().FrmInitQuest().cmdNext, {"FrmQuestPop"});
}

void PathTest::populationToResults(const acceptance::Programme& prog)
{
    populationToTesting(prog);
    testingToResults(prog);
}

void PathTest::testingToResults(const acceptance::Programme& prog)
{
    testingToConfirm(prog);
    confirmToPercent(prog);
    percentToDrugCosts(prog);
    drugCostsToResults(prog);
}

void PathTest::populationToTesting(const acceptance::Programme& prog)
{
    const QJsonArray counts = prog.figures["NoFem"].toArray(), rates = prog.figures["PerFem"].toArray();
    FrmQuestPop& pop = program().FrmQuestPop();
    fillIn(pop,
           {{&pop.txtNoFem18, figure(counts[0])}, {&pop.txtNoFem1825, figure(counts[1])},
            {&pop.txtNoFem25, figure(counts[2])}, {&pop.txtPerFem18, figure(rates[0])},
            {&pop.txtPerFem1825, figure(rates[1])}, {&pop.txtPerFem25, figure(rates[2])}},
           pop.cmdContinue, "FrmTesting");
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
    clickThrough(p.FrmSenSpec(), p.FrmSenSpec().cmdNext, {"FrmTesting"});
    clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});
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
    fillIn(percent,
           {{&percent.txtAzi, figure(in["PerAzi"])}, {&percent.txtDox, figure(in["PerDox"])},
            {&percent.txtPerReturn, figure(in["PerReturn"])}},
           percent.cmdOk, "FrmQuestDrugCost");
}

void PathTest::answerYes(platform::TextBox& box, const QString& cost)
{
    FrmConfirm& confirm = program().FrmConfirm();
    bringUp(confirm);
    click(confirm.optConfirm[0]);
    expectOnScreen({"FrmConfirm", "FrmTestCost"});
    bringUp(program().FrmTestCost());
    ASSERT_TRUE(box.hasFocus());
    if (!cost.isEmpty())
        enterFigure(box, cost);
}

void PathTest::drugCostsTo(const acceptance::Programme& prog, const QString& next)
{
    const QJsonObject& in = prog.figures;
    FrmQuestDrugCost& drugs = program().FrmQuestDrugCost();
    fillIn(drugs,
           {{&drugs.txtAzi, figure(in["CostAzi"])}, {&drugs.txtDox, figure(in["CostDox"])},
            {&drugs.txtPID, figure(in["CostPID"])}},
           drugs.cmdAgree, next);
}

void PathTest::drugCostsToResults(const acceptance::Programme& prog)
{
    drugCostsTo(prog, "FrmScrResult");
    expectFigures(program().FrmScrResult(), prog);
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
    clickThrough(results, results.cmdSwitchTo, {"FrmSwitchTo"});
}

} // namespace paths
