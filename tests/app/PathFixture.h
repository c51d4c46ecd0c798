#pragma once
// A person's way through the whole program: start-up, the instructions, the
// console, the questionnaire with an acceptance programme's figures, the
// results and the switch step, each step by key presses and mouse clicks on
// the forms' own widgets. After each step a test asks which forms are on
// screen and what figures they show.

#include "app/Program.h"
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
#include "switchto/FrmSwitchTo.h"
#include "testchars/FrmDraftCostTest.h"
#include "testchars/FrmSenSpec.h"
#include "testchars/FrmTestCost.h"
#include "whatif/FrmGraph.h"
#include "whatif/FrmGraphResponse.h"
#include "whatif/FrmSwitchToAnaly.h"
#include "whatif/FrmSwitchToCost.h"
#include "support/LocaleScope.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "support/AcceptanceProgrammes.h"
#include "support/FormLookup.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QJsonArray>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTest>

#include <functional>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace paths {

class PathTest : public testsupport::ProgramTest {
protected:
    // --- what is on screen ---------------------------------------------------------------------

    // The forms of the program whose windows are on screen, by name.
    QStringList formsOnScreen();
    // The form on screen, the one on top when there are several.
    platform::Form& current();
    // Exactly these forms are on screen, besides those the user left open,
    // and the program has not ended.
    void expectOnScreen(const QStringList& forms);
    QStringList leftOpen;

    // Every caption the acceptance data gives for this form equals the form's.
    void expectFigures(platform::Form& form, const acceptance::Programme& programme);

    static acceptance::Programme programme(const QString& name);
    // A caption of the acceptance data, written in en_US, as the default
    // locale writes it: amounts in its currency format, its separators.
    static QString localised(const QString& usCaption);
    // The function key that brings the result screen of this name.
    static Qt::Key screenKey(const QString& form);

    // --- input -----------------------------------------------------------------------------------

    // Makes the form the active window, as the user's click on it does.
    static void bringUp(platform::Form& form) { activate(form); }
    static void click(platform::Control& c);
    // Brings the form up, clicks the button and checks what is on screen then.
    void clickThrough(platform::Form& form, platform::CommandButton& button, const QStringList& next);
    // Types into the field, which must hold the focus, and tabs on.
    static void typeAndTab(platform::TextBox& field, const QString& text);
    // Pastes the text over the field's selection and tabs on.
    static void pasteAndTab(platform::TextBox& field, const QString& text);
    // A figure of the programme as the user writes it: typed in the locale's
    // notation unless the test says otherwise.
    QString figure(const QJsonValue& v) const;
    void enterFigure(platform::TextBox& field, const QString& text);
    std::function<QString(const QString&)> writeFigure = testsupport::localDecimals;
    bool pasteFigures = false;
    // The user starts typing in the field, clicking it first unless it has
    // the focus already.
    void enter(platform::TextBox& field);
    // The forward button after a form's last field: clicked, or reached by
    // the Tab and pressed by Enter.
    void pressAfterTyping(platform::CommandButton& button);
    // Whether the keys alone must do: the first field of each form that comes
    // up holds the focus, and the Tab leads on from the last field to the button.
    bool keyboardFirst = false;
    static void key(platform::Form& form, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Opens the item's menu on the form's menu bar with the mouse and clicks the item.
    static void choose(platform::Form& form, platform::MenuItem& item);
    // The form's close box, and what it sets off.
    static void closeBox(platform::Form& form);
    // Ctrl+R on the form: the console alone on screen.
    void returnToConsole(platform::Form& form);
    // The user types into the form's fields in turn, each figure followed
    // by Tab, and stays on the form.
    void typeIn(platform::Form& form, std::initializer_list<std::pair<platform::TextBox*, QString>> fields);
    // The user fills in the form's fields in turn, then goes on by the
    // button to the form named `next`.
    void fillIn(platform::Form& form, std::initializer_list<std::pair<platform::TextBox*, QString>> fields,
                platform::CommandButton& button, const QString& next);

    // --- the way through -------------------------------------------------------------------------

    // Start-up to the console: the window-state question answered No, a
    // click on the splash, the instruction viewer's forward arrow and
    // "Model" in the chooser.
    void startUpToConsole(platform::Answer maximise = platform::Answer::No);
    // From the console, with the facility name typed, to the results screen.
    void consoleToResults(const acceptance::Programme& p, const QString& region = QStringLiteral("Springfield"));
    void consoleToPreview(const QString& region);
    void previewToPopulation();
    // The population form on screen: the rest of the questionnaire, in the
    // steps below, each from the form named first to the one named last.
    void populationToResults(const acceptance::Programme& p);
    void populationToTesting(const acceptance::Programme& p);
    // The test selection on screen: its pair chosen, on to the results.
    void testingToResults(const acceptance::Programme& p);
    void testingToConfirm(const acceptance::Programme& p);
    void confirmToPercent(const acceptance::Programme& p);
    // The answer Yes on the confirmation question: the unit-cost window comes
    // up with the focus in `box`, where `cost` is typed unless it is empty.
    void answerYes(platform::TextBox& box, const QString& cost);
    void percentToDrugCosts(const acceptance::Programme& p);
    // Clicks the screening test, then the NGZ retest on the test selection.
    void choosePair(const QString& test, const QString& retest);
    // The drug-cost form on screen: its figures typed and the agree step;
    // the results screen shows the programme's figures.
    void drugCostsToResults(const acceptance::Programme& p);
    // The same figures typed and agreed, on to the form named `next`.
    void drugCostsTo(const acceptance::Programme& p, const QString& next);
    // The results screen's forward arrow: the review of the test
    // characteristics, if one comes up, left unchanged by its forward
    // arrow; then the comparison screen.
    void switchStep();
};

} // namespace paths
