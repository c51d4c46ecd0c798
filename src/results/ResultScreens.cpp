#include "results/ResultScreens.h"

#include "app/Program.h"
#include "results/FrmScrResult.h"

#include <QKeySequence>

#include <array>

void goToResultScreen(Program& program, platform::Form& from, ResultScreen to)
{
    platform::Form& target = program.resultScreen(to);
    if (&target == &from)
        return;
    target.show();
    from.hide();
}

void showCurrentStrategy(Program& program, platform::Form& from)
{
    goToResultScreen(program, from, ResultScreen::CurrentStrategy);
    program.FrmScrResult().cmdSwitchTo.setVisible(false);
}

ResultScreenMenus::ResultScreenMenus(Program& program, platform::Form& form, const ResultMenuDesign& d)
{
    using platform::MenuItem;
    mnuFile.emplace(form, "mnuFile", "&File");
    mnuPrint.emplace(form, "mnuPrint", "Print", &*mnuFile, QKeySequence(Qt::CTRL | Qt::Key_P));
    if (d.withBack)
        mnuBack.emplace(form, "mnuBack", "Back", &*mnuFile, QKeySequence(Qt::CTRL | Qt::Key_B));
    mnuReturn.emplace(form, "mnuReturn", "Return to Main", &*mnuFile, QKeySequence(Qt::CTRL | Qt::Key_R));
    fileSeparator.emplace(form, d.fileSeparator, "-", &*mnuFile);
    mnuExit.emplace(form, "mnuExit", "Exit", &*mnuFile, QKeySequence(Qt::Key_F12));

    screens.emplace(form, d.screensMenu, d.screensCaption);
    screens->designEnabled(d.screensEnabled);
    mnuSwToTest.emplace(form, "mnuSwToTest", d.testCaption, &*screens, QKeySequence(Qt::Key_F1));
    mnuSwToCost.emplace(form, d.costItem, d.costCaption, &*screens, QKeySequence(Qt::Key_F2));
    mnuSwToAny.emplace(form, "mnuSwToAny", d.analysisCaption, &*screens, QKeySequence(Qt::Key_F3));
    screensSeparator.emplace(form, d.screensSeparator, "-", &*screens);
    mnuCSS.emplace(form, "mnuCSS", d.currentCaption, &*screens, QKeySequence(Qt::Key_F4));
    if (d.withGraph)
        mnuGraph.emplace(form, "mnuGraph", "&Graph");

    const std::array<std::pair<MenuItem*, ResultScreen>, 4> items{{{&*mnuSwToTest, ResultScreen::SwitchToTest},
                                                                   {&*mnuSwToCost, ResultScreen::SwitchToCost},
                                                                   {&*mnuSwToAny, ResultScreen::SwitchToAnalysis},
                                                                   {&*mnuCSS, ResultScreen::CurrentStrategy}}};
    for (auto [item, screen] : items) {
        if (screen == d.own)
            item->designEnabled(false);
        else
            item->Click = [&program, &form, screen] { goToResultScreen(program, form, screen); };
    }
    mnuReturn->Click = [&program] {
        program.returnToConsole();
        program.clearQuestionnaireFlags();
    };
    mnuExit->Click = [&program] { program.end(); };
}
