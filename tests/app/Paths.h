#pragma once
// What the path tests share: the two programmes walked most, the result
// screens, and the steps from start-up that several paths take.

#include "PathFixture.h"

#include "app/ProgramLocale.h"
#include "shell/InstructionPages.h"
#include "platform/Chart.h"
#include "platform/Numbers.h"
#include "support/LocaleScope.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRegularExpression>

#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace paths_test {

using paths::PathTest;
using testsupport::whenModal;

inline const QString kGenProbe = QStringLiteral("gp_pcr_confirm");
inline const QString kPcrCervix = QStringLiteral("pcrc_noconfirm");
inline const char* const kResultScreens[] = {"FrmSwitchTo", "FrmSwitchToCost", "FrmSwitchToAnaly", "FrmScrResult"};

class Paths : public PathTest {
protected:
    // The comparison, cost and projection screens, each alone on screen,
    // show the programme's figures.
    void expectWhatIfScreens(const acceptance::Programme& prog)
    {
        for (const char* screen : kResultScreens) {
            key(current(), screenKey(screen));
            expectOnScreen({screen});
            expectFigures(current(), prog);
        }
    }

    // The value a chart holds for GenProbe, as the screens caption it.
    static QString genProbeBar(platform::Chart& chart, bool money)
    {
        for (const platform::ChartRow& row : chart.data().rows)
            if (row.label == "GP") {
                const double v = platform::Chart::number(row.value).value_or(-1);
                return money ? platform::numbers::formatCurrency(double(platform::numbers::roundHalfEven(v)))
                             : platform::numbers::groupedCountText(v);
            }
        return QString("no GenProbe row");
    }

    void startUpToTesting(const acceptance::Programme& prog)
    {
        startUpToConsole();
        consoleToPreview("Springfield");
        previewToPopulation();
        populationToTesting(prog);
    }

    // The switch step from the results screen, then each what-if screen in turn.
    void switchedScreens(const acceptance::Programme& prog)
    {
        ASSERT_NO_FATAL_FAILURE(switchStep());
        expectWhatIfScreens(prog);
    }

    // The EIA programme's own unit costs: the screening test's and the DFA
    // retest's on the rows of test characteristics, the DFA confirmation's on
    // the unit-cost form that the answer Yes opens, before the user settles
    // on No. From the console to the results screen.
    void ownUnitCostsToResults(const acceptance::Programme& prog)
    {
        const QJsonObject own = prog.figures["overrides"].toObject();
        auto typed = [&](const char* name) { return figure(own[name]); };
        consoleToPreview("Springfield");
        previewToPopulation();
        populationToTesting(prog);
        Program& p = program();
        choosePair("EIA", "DFA on EIA");
        FrmSenSpec& senSpec = p.FrmSenSpec();
        bringUp(senSpec);
        click(senSpec.txtTestCostEia);
        enterFigure(senSpec.txtTestCostEia, typed("CostEIA"));
        click(senSpec.txtTestCostEIADFA);
        enterFigure(senSpec.txtTestCostEIADFA, typed("CostDNGZ"));
        click(senSpec.cmdNext);
        expectOnScreen({"FrmTesting"});
        clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});

        ASSERT_NO_FATAL_FAILURE(answerYes(p.FrmTestCost().TxtCostDFA, typed("CostDFA")));
        click(p.FrmTestCost().cmdNext);
        FrmConfirm& confirm = p.FrmConfirm();
        bringUp(confirm);
        click(confirm.optConfirm[1]);
        click(confirm.cmdForward);
        expectOnScreen({"FrmQuestPercent"});
        percentToDrugCosts(prog);
        drugCostsToResults(prog);
    }

    // From the drug costs back through every question form to the population.
    void backToPopulation()
    {
        Program& p = program();
        clickThrough(p.FrmQuestDrugCost(), p.FrmQuestDrugCost().cmdBack, {"FrmQuestPercent"});
        clickThrough(p.FrmQuestPercent(), p.FrmQuestPercent().cmdBack, {"FrmConfirm"});
        clickThrough(p.FrmConfirm(), p.FrmConfirm().cmdBack, {"FrmTesting"});
        clickThrough(p.FrmTesting(), p.FrmTesting().cmdBack, {"FrmQuestPop"});
    }

    // Everything a pass loads is gone; the console and the confirmation
    // answer stay.
    void expectPassUnloaded()
    {
        for (const char* name : {"FrmInitQuest", "FrmQuestPop", "FrmTesting", "FrmSenSpec", "FrmTestCost",
                                 "FrmQuestPercent", "FrmQuestDrugCost", "FrmScrResult", "FrmSwitchTo",
                                 "FrmSwitchToCost", "FrmSwitchToAnaly", "FrmGraph"}) {
            const platform::Form* f = program().runtime().findForm(QString::fromLatin1(name));
            EXPECT_FALSE(f && f->isLoaded()) << name;
        }
        EXPECT_TRUE(program().FrmConfirm().isLoaded());
    }
};

} // namespace paths_test
