#include "WhatIfScreens.h"

namespace whatif_test {

testsupport::Programme Acceptance(const std::string& name, const QString& retest)
{
    for (acceptance::Programme entry : acceptance::programmes()) {
        if (entry.name.toStdString() != name)
            continue;
        if (!retest.isEmpty())
            entry.figures["ngz"] = retest;
        return testsupport::programmeOf(entry);
    }
    ADD_FAILURE() << "no programme " << name;
    return {};
}

testsupport::Programme Default(ScrTestKind test, NgzTestKind retest, const std::function<void(VarCon&)>& change)
{
    testsupport::Programme p;
    p.name = PerTest::Name[int(test)];
    p.vc = ScreenSequences::ThreeAgeGroups();
    if (change)
        change(p.vc);
    p.sel = ScreenSequences::ChooseTests(p.vc, test, retest);
    return p;
}

} // namespace whatif_test
