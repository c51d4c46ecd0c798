#include "testchars/PositivityCheck.h"

#include "model/Families.h"
#include "platform/Numbers.h"
#include "fields/Figures.h"

namespace testchars {

namespace {

const char* const kGroupNames[AgeGroupCount] = {"Females Under 18", "Females 18 to 25", "Females over 25"};

bool takesPart(const VarCon& vc, int group)
{
    return vc.*Age::PerFem[size_t(group)] != 0 || vc.*Age::NoFem[size_t(group)] != 0;
}

float positivity(const VarCon& vc, int group) { return vc.*Age::PerFem[size_t(group)]; }

bool sumBelowOne(const VarCon& vc, int group, float specificity)
{
    return takesPart(vc, group) && float(double(specificity) + double(positivity(vc, group))) < 1.0f;
}

// "Females over 25: 0.5% positive; GenProbe specificity 0.987."
QString figures(const VarCon& vc, const TestFigures& test, const PositivityConflict& c)
{
    const float figure = c.aboveSensitivity ? test.sensitivity : test.specificity;
    return QStringLiteral("%1: %2 positive; %3 %4 %5.")
        .arg(QLatin1String(kGroupNames[c.group]), fields::percentText(positivity(vc, c.group)), test.name,
             c.aboveSensitivity ? QStringLiteral("sensitivity") : QStringLiteral("specificity"),
             platform::numbers::generalFormat(figure));
}

const QString kSumShort = QStringLiteral("Your percentage of positive women and specificity value do not exceed 1. ");
const QString kAboveSensitivity =
    QStringLiteral("Your percentage of positive women exceeds the sensitivity of the test: more women would be "
                   "infected than were screened. ");

// The choice a question ends with: 1 the positivity, 2 the test's figure.
QString choice(const QString& figure)
{
    return QStringLiteral("You need to change at least one of these values: \r\n"
                          "Select 1 to change percentage of positive women. \r\n"
                          "Select 2 to change the %1 value. ")
        .arg(figure);
}

} // namespace

std::optional<PositivityConflict> positivityConflict(const VarCon& vc, const TestFigures& test,
                                                     PositivityRule rule)
{
    const bool sum = rule != PositivityRule::Sensitivity, cap = rule != PositivityRule::Sum;
    for (int g = 0; g < AgeGroupCount; ++g) {
        if (sum && sumBelowOne(vc, g, test.specificity))
            return PositivityConflict{g, false};
        if (cap && takesPart(vc, g) && positivity(vc, g) > test.sensitivity)
            return PositivityConflict{g, true};
    }
    return std::nullopt;
}

QString conflictMessage(const VarCon& vc, const TestFigures& test, const PositivityConflict& c)
{
    return (c.aboveSensitivity ? kAboveSensitivity : kSumShort) + figures(vc, test, c);
}

QString conflictQuestion(const VarCon& vc, const TestFigures& test, const PositivityConflict& c)
{
    if (!c.aboveSensitivity)
        return kSumShort + choice(QStringLiteral("specificity"));
    return kAboveSensitivity + figures(vc, test, c) + ' ' + choice(QStringLiteral("sensitivity"));
}

} // namespace testchars
