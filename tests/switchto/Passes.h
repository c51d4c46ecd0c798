#pragma once
// A programme taken through the questionnaire and the results screen,
// headless, as the switch step finds the model state.

#include "model/Families.h"
#include "model/ScreenSequences.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <iterator>

namespace passes {

struct Pass {
    VarCon vc;
    Selection sel;
};

inline Pass AfterResults(ScrTestKind test, NgzTestKind retest, VarCon vc = ScreenSequences::ThreeAgeGroups())
{
    Selection sel = ScreenSequences::ChooseTests(vc, test, retest);
    ScreenSequences::ResultsScreen(vc, sel, false);
    return {vc, sel};
}

inline ScrTestKind TestNamed(const QString& name)
{
    const auto& names = PerTest::Name;
    const auto at = std::find(names.begin(), names.end(), name.toStdString());
    return static_cast<ScrTestKind>(std::distance(names.begin(), at));
}

inline NgzTestKind RetestNamed(const QString& name)
{
    if (name == "PCR on GenProbe")
        return NgzTestKind::PcrOnGenProbe;
    if (name == "DFA on EIA")
        return NgzTestKind::DfaOnEia;
    if (name == "PCR on EIA")
        return NgzTestKind::PcrOnEia;
    return NgzTestKind::None;
}

// The figures of an acceptance programme on top of the default test figures;
// the comparison reads no cost, so the costs stay at their defaults.
inline Pass FromFigures(const QJsonObject& figures)
{
    VarCon vc = ScreenSequences::ThreeAgeGroups();
    vc.SensEIA = 0.7f;  // the review form's default; the model's tests set it apart from GenProbe's
    const QJsonArray women = figures["NoFem"].toArray();
    const QJsonArray positivity = figures["PerFem"].toArray();
    for (int g = 0; g < AgeGroupCount; ++g) {
        vc.*Age::NoFem[g] = static_cast<float>(women[g].toDouble());
        vc.*Age::PerFem[g] = static_cast<float>(positivity[g].toDouble());
    }
    vc.PerReturn = static_cast<float>(figures["PerReturn"].toDouble());
    vc.PerDox = static_cast<float>(figures["PerDox"].toDouble());
    vc.PerAzi = static_cast<float>(figures["PerAzi"].toDouble());
    return AfterResults(TestNamed(figures["test"].toString()), RetestNamed(figures["ngz"].toString()), vc);
}

} // namespace passes
