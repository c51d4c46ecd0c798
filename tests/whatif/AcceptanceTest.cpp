// The cost and projection screens loaded on the model state of three
// programmes, every caption checked against the figures an independent model
// of the equations gives for them.
#include "WhatIfScreens.h"
#include "whatif/FrmSwitchToAnaly.h"
#include "whatif/FrmSwitchToCost.h"

namespace {

using namespace whatif_test;

// Every caption and visibility flag the acceptance data holds for the form.
void ExpectScreen(platform::Form& form, const QJsonObject& screens, const QStringList& except = {})
{
    const QString prefix = form.name() + ".";
    int checked = 0;
    for (auto it = screens.begin(); it != screens.end(); ++it) {
        if (!it.key().startsWith(prefix) || except.contains(it.key()))
            continue;
        QString control = it.key().mid(prefix.size());
        SCOPED_TRACE(it.key().toStdString());
        if (control.endsWith(".Visible")) {
            control.chop(int(sizeof(".Visible") - 1));
            platform::Control* c = Find(form, control);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->visible(), it.value().toBool());
        } else {
            EXPECT_EQ(CaptionOf(form, control).toStdString(), it.value().toString().toStdString());
        }
        ++checked;
    }
    EXPECT_GT(checked, 10) << "the acceptance data names the form's captions";
}

class AcceptanceScreens : public WhatIfTest {};

TEST_F(AcceptanceScreens, EveryCaptionOfBothScreensMatchesTheIndependentFigures)
{
    for (const testsupport::Programme& programme : testsupport::programmes()) {
        SCOPED_TRACE(programme.name);
        Program& p = switched(programme);
        ExpectScreen(p.FrmSwitchToCost(), programme.screens);
        ExpectScreen(p.FrmSwitchToAnaly(), programme.screens);
    }
}

// With GenProbe or EIA in use the NGZ options are costed and projected
// whatever retest the user chose: the same figures as with the programme's own.
TEST_F(AcceptanceScreens, TheNgzOptionsDoNotDependOnTheRetestChosen)
{
    struct Case {
        const char* programme;
        const char* retest;
        QStringList differs;
    };
    // Without a retest of its own, a GenProbe programme's GenProbe figures are
    // worked out afresh and the EIA options then rest on GenProbe's
    // prevalences, not on EIA's: their costs move by a few units.
    const QStringList eiaOptionCosts{"FrmSwitchToAnaly.lblNGZ2COP", "FrmSwitchToAnaly.lblNGZ3COP"};
    const Case cases[] = {
        {"gp_pcr_confirm", "No NGZ Test", eiaOptionCosts},
        {"eia_dfa_noconfirm_costs", "No NGZ Test", {}},
        {"eia_dfa_noconfirm_costs", "PCR on EIA", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.programme) + " with " + c.retest);
        const testsupport::Programme programme = Acceptance(c.programme, c.retest);
        Program& p = switched(programme);
        ExpectScreen(p.FrmSwitchToCost(), programme.screens);
        ExpectScreen(p.FrmSwitchToAnaly(), programme.screens, c.differs);
        for (const QString& key : c.differs)
            EXPECT_NE(CaptionOf(p.FrmSwitchToAnaly(), key.section('.', 1)), "") << key.toStdString();
    }
}

} // namespace
