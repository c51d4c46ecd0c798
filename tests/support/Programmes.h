#pragma once
// The acceptance programmes set into a model state and a selection as the
// questionnaire's agree step leaves them, costs included, beside every caption,
// visibility and public value the result screens show for them.
//
// Needs tests/model/ScreenSequences.cpp (see CMakeLists.txt).

#include "model/Families.h"
#include "model/ScreenSequences.h"
#include "platform/Numbers.h"
#include "support/AcceptanceProgrammes.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <gtest/gtest.h>

#include <vector>

namespace testsupport {

struct Programme {
    std::string name;
    VarCon vc;
    Selection sel;
    bool confirm = false;  // the answer to the confirmation question
    QJsonObject screens;  // "Form.control" -> caption, "Form.control.Visible" -> flag, "Form.value" -> number
};

inline Money moneyOf(const QJsonValue& typed)
{
    const auto ticks = platform::numbers::toCurrencyTicks(typed.toString());
    EXPECT_TRUE(ticks) << typed.toString().toStdString();
    return Money::fromTicks(ticks.value_or(0));
}

inline Programme programmeOf(const acceptance::Programme& entry)
{
    const QJsonObject& in = entry.figures;
    Programme p{entry.name.toStdString(), ScreenSequences::ThreeAgeGroups(), {}, in["confirm"].toBool(),
                entry.screens};
    VarCon& vc = p.vc;
    // The defaults of the review form; the model tests' programme uses another EIA sensitivity.
    vc.SensEIA = 0.7f;
    const QJsonArray women = in["NoFem"].toArray(), positivity = in["PerFem"].toArray();
    for (int g = 0; g < AgeGroupCount; ++g) {
        vc.*Age::NoFem[g] = static_cast<float>(women[g].toDouble());
        vc.*Age::PerFem[g] = static_cast<float>(positivity[g].toDouble());
    }
    vc.PerReturn = static_cast<float>(in["PerReturn"].toDouble());
    vc.PerDox = static_cast<float>(in["PerDox"].toDouble());
    vc.PerAzi = static_cast<float>(in["PerAzi"].toDouble());
    vc.CostDox = moneyOf(in["CostDox"]);
    vc.CostAzi = moneyOf(in["CostAzi"]);
    vc.CostPID = moneyOf(in["CostPID"]);
    const QJsonObject overrides = in["overrides"].toObject();
    const std::pair<const char*, Money VarCon::*> costFields[] = {
        {"CostGP", &VarCon::CostGP},     {"CostEIA", &VarCon::CostEIA},   {"CostPCRC", &VarCon::CostPCRC},
        {"CostPCRU", &VarCon::CostPCRU}, {"CostLCRC", &VarCon::CostLCRC}, {"CostLCRU", &VarCon::CostLCRU},
        {"CostDNGZ", &VarCon::CostDNGZ}, {"CostPNGZ", &VarCon::CostPNGZ}, {"CostDFA", &VarCon::TxtCostDFA},
        {"CostPCA", &VarCon::TxtCostPCA}};
    for (const auto& [key, field] : costFields)
        if (overrides.contains(QLatin1String(key)))
            vc.*field = moneyOf(overrides[QLatin1String(key)]);

    const QString test = in["test"].toString();
    int t = 0;
    while (t < ScrTestCount && test != QLatin1String(PerTest::Name[t]))
        ++t;
    const QStringList retests{"No NGZ Test", "PCR on GenProbe", "DFA on EIA", "PCR on EIA"};
    EXPECT_LT(t, ScrTestCount) << test.toStdString();
    p.sel = ScreenSequences::ChooseTests(vc, static_cast<ScrTestKind>(t),
                                         static_cast<NgzTestKind>(retests.indexOf(in["ngz"].toString())));
    return p;
}

inline std::vector<Programme> programmes()
{
    std::vector<Programme> all;
    for (const acceptance::Programme& entry : acceptance::programmes())
        all.push_back(programmeOf(entry));
    EXPECT_EQ(all.size(), 3u);
    return all;
}

} // namespace testsupport
