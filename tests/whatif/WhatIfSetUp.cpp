#include "WhatIfSetUp.h"

#include "model/ScreenSequences.h"
#include "platform/Numbers.h"
#include "support/AcceptanceProgrammes.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace whatif_test {

namespace {

Money Amount(const QJsonValue& typed)
{
    const auto ticks = platform::numbers::toCurrencyTicks(typed.toString());
    EXPECT_TRUE(ticks.has_value()) << typed.toString().toStdString();
    return Money::fromTicks(ticks.value_or(0));
}

ScrTestKind TestNamed(const QString& name)
{
    for (int t = 0; t < ScrTestCount; ++t)
        if (name == PerTest::Name[t])
            return ScrTestKind(t);
    ADD_FAILURE() << "unknown test " << name.toStdString();
    return ScrTestKind::GenProbe;
}

NgzTestKind RetestNamed(const QString& name)
{
    const char* names[] = {"No NGZ Test", "PCR on GenProbe", "DFA on EIA", "PCR on EIA"};
    for (int n = 0; n < 4; ++n)
        if (name == names[n])
            return NgzTestKind(n);
    ADD_FAILURE() << "unknown retest " << name.toStdString();
    return NgzTestKind::None;
}

void Override(VarCon& vc, const QString& field, Money amount)
{
    if (field == "CostEIA")
        vc.CostEIA = amount;
    else if (field == "CostDNGZ")
        vc.CostDNGZ = amount;
    else if (field == "CostDFA")
        vc.TxtCostDFA = amount;
    else
        ADD_FAILURE() << "no override for " << field.toStdString();
}

Programme Run(Programme p, ScrTestKind test, NgzTestKind retest, bool confirm)
{
    p.sel = ScreenSequences::ChooseTests(p.vc, test, retest);
    ScreenSequences::ResultsScreen(p.vc, p.sel, confirm);
    ScreenSequences::SwitchToScreen(p.vc, p.sel);
    return p;
}

Programme SetUp(const acceptance::Programme& entry, const QString& retest)
{
    const QJsonObject& figures = entry.figures;
    Programme p;
    p.name = entry.name;
    p.screens = entry.screens;
    p.vc = ScreenSequences::ThreeAgeGroups();
    VarCon& vc = p.vc;
    vc.SensEIA = 0.7f;  // the review form's default; the model tests use 0.72
    const QJsonArray women = figures["NoFem"].toArray(), positivity = figures["PerFem"].toArray();
    float* const noFem[] = {&vc.NoFem18, &vc.NoFem1825, &vc.NoFem25};
    float* const perFem[] = {&vc.PerFem18, &vc.PerFem1825, &vc.PerFem25};
    for (int g = 0; g < 3; ++g) {
        *noFem[g] = float(women[g].toDouble());
        *perFem[g] = float(positivity[g].toDouble());
    }
    vc.PerReturn = float(figures["PerReturn"].toDouble());
    vc.PerDox = float(figures["PerDox"].toDouble());
    vc.PerAzi = float(figures["PerAzi"].toDouble());
    vc.CostDox = Amount(figures["CostDox"]);
    vc.CostAzi = Amount(figures["CostAzi"]);
    vc.CostPID = Amount(figures["CostPID"]);
    const QJsonObject overrides = figures["overrides"].toObject();
    for (auto it = overrides.begin(); it != overrides.end(); ++it)
        Override(vc, it.key(), Amount(it.value()));
    return Run(std::move(p), TestNamed(figures["test"].toString()),
               RetestNamed(retest.isEmpty() ? figures["ngz"].toString() : retest), figures["confirm"].toBool());
}

} // namespace

std::vector<Programme> AcceptanceProgrammes()
{
    std::vector<Programme> all;
    for (const acceptance::Programme& entry : acceptance::programmes())
        all.push_back(SetUp(entry, {}));
    EXPECT_EQ(all.size(), 3u) << "the acceptance programmes are there";
    return all;
}

Programme AcceptanceProgramme(const QString& name, const QString& retest)
{
    for (const acceptance::Programme& entry : acceptance::programmes())
        if (entry.name == name)
            return SetUp(entry, retest);
    ADD_FAILURE() << "no programme " << name.toStdString();
    return {};
}

Programme Default(ScrTestKind test, NgzTestKind retest, const std::function<void(VarCon&)>& change)
{
    Programme p;
    p.name = PerTest::Name[int(test)];
    p.vc = ScreenSequences::ThreeAgeGroups();
    if (change)
        change(p.vc);
    return Run(std::move(p), test, retest, false);
}

} // namespace whatif_test
