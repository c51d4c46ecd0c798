#include "testchars/PositivityCheck.h"

#include "app/Program.h"
#include "fields/Figures.h"
#include "testchars/FrmSenSpec.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

namespace testchars {

namespace {

const char* const kGroupNames[AgeGroupCount] = {"Females Under 18", "Females 18 to 25", "Females over 25"};

float positivity(const VarCon& vc, int group) { return vc.*Age::PerFem[size_t(group)]; }

// "Females over 25: 0.5% positive; GenProbe specificity 0.987."
QString figures(const VarCon& vc, const PositivityTest& test, const PositivityConflict& c)
{
    const float figure = c.aboveSensitivity ? test.sensitivity : test.specificity;
    return QStringLiteral("%1: %2 positive; %3 %4 %5.")
        .arg(QLatin1String(kGroupNames[c.group]), fields::percentText(positivity(vc, c.group)),
             QString::fromStdString(test.name),
             c.aboveSensitivity ? QStringLiteral("sensitivity") : QStringLiteral("specificity"),
             platform::numbers::generalFormat(figure));
}

const QString kSumShort = QStringLiteral("Your percentage of positive women and specificity value do not exceed 1. ");
const QString kAboveSensitivity =
    QStringLiteral("Your percentage of positive women exceeds the sensitivity of the test: more women would be "
                   "infected than were screened. ");
const QString kSelectOneOrTwo = QStringLiteral("You need to select either 1 or 2");

// The choice a question ends with: 1 the positivity, 2 the test's figure.
QString choice(const QString& figure)
{
    return QStringLiteral("You need to change at least one of these values: \r\n"
                          "Select 1 to change percentage of positive women. \r\n"
                          "Select 2 to change the %1 value. ")
        .arg(figure);
}

// The question of the characteristics form: 1 the positivity (while it may
// still change), 2 the test's figure, which the caller puts in focus.
void askWhichFigure(Program& program, const FiguresNow& figures, const PositivityConflict& conflict)
{
    ::FrmSenSpec& senSpec = program.FrmSenSpec();
    senSpec.Spec_Response(conflictQuestion(program.vc, figures(), conflict));
    // Once the characteristics were stored, or the results of the pass were
    // shown, the positivity behind them stays as it is.
    const bool positivityFixed = program.vc.SpecEntered || program.pass().resultsShown();
    platform::Dialogs& dialogs = program.runtime().dialogs();
    if (senSpec.strResponse == QLatin1String("1") && positivityFixed) {
        dialogs.msgBox(senSpec.strSorryMsg);
    } else if (senSpec.strResponse == QLatin1String("1")) {
        program.vc.QuestPopFromSenSpec = -1;
        program.showPopulationToFit(figures);
        // However the population form went away, its next showing is a normal one.
        program.vc.QuestPopFromSenSpec = 0;
    } else if (senSpec.strResponse != QLatin1String("2")) {
        dialogs.msgBox(kSelectOneOrTwo);
    }
}

} // namespace

PositivityTest figuresInModel(const VarCon& vc, ScrTestKind test)
{
    const size_t i = size_t(test);
    return {PerTest::Name[i], vc.*PerTest::Sens[i], vc.*PerTest::Spec[i]};
}

std::optional<PositivityConflict> positivityConflict(const VarCon& vc, const PositivityTest& test, PositivityRule rule)
{
    return ::positivityConflict(vc, test.sensitivity, test.specificity, rule);
}

QString conflictMessage(const VarCon& vc, const PositivityTest& test, const PositivityConflict& c)
{
    return (c.aboveSensitivity ? kAboveSensitivity : kSumShort) + figures(vc, test, c);
}

QString conflictQuestion(const VarCon& vc, const PositivityTest& test, const PositivityConflict& c)
{
    if (!c.aboveSensitivity)
        return kSumShort + choice(QStringLiteral("specificity"));
    return kAboveSensitivity + figures(vc, test, c) + ' ' + choice(QStringLiteral("sensitivity"));
}

std::optional<PositivityConflict> refusePositivity(Program& program, const FiguresNow& figures, PositivityRule rule,
                                                   LeadBack way)
{
    const PositivityTest test = figures();
    const std::optional<PositivityConflict> conflict = positivityConflict(program.vc, test, rule);
    if (!conflict)
        return std::nullopt;
    if (way == LeadBack::ChooseFigure) {
        askWhichFigure(program, figures, *conflict);
    } else {
        program.runtime().dialogs().msgBox(conflictMessage(program.vc, test, *conflict));
        program.leadToPositivity(figures, conflict->group);
    }
    return conflict;
}

} // namespace testchars
