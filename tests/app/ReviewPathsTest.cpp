// The test characteristics and their review on the way through, by keys and
// clicks: what they lock, how they are left, and the figures they pass on.

#include "Paths.h"

using namespace paths_test;

namespace {

double contrastRatio(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        double rgb[3] = {c.redF(), c.greenF(), c.blueF()};
        for (double& v : rgb)
            v = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        return 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    };
    const double la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

// The review in the switch step: every field white, whatever frame it lies
// in, and the greyed ones of the tests in use still readable.
TEST_F(Paths, TheReviewsFieldsAreWhiteAndTheDisabledOnesReadable)
{
    const acceptance::Programme prog = programme(kGenProbe);
    startUpToConsole();
    consoleToResults(prog);
    Program& p = program();
    FrmSenSpec& review = p.FrmSenSpec();
    int fields = 0, disabled = 0;
    whenModal(review, [&] {
        for (platform::Control* c : review.controls()) {
            if (c->kind() != platform::ControlKind::TextBox || !c->widget()->isVisible())
                continue;
            SCOPED_TRACE(c->name().toStdString());
            ++fields;
            const QPalette pal = c->widget()->palette();
            EXPECT_EQ(pal.color(QPalette::Active, QPalette::Base), QColor(Qt::white));
            EXPECT_EQ(pal.color(QPalette::Disabled, QPalette::Base), QColor(Qt::white));
            if (!c->widget()->isEnabled()) {
                ++disabled;
                EXPECT_GE(contrastRatio(pal.color(QPalette::Disabled, QPalette::Text),
                                        pal.color(QPalette::Disabled, QPalette::Base)), 4.5);
            }
        }
        click(review.cmdNext);
    });
    clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdSwitchTo, {"FrmSwitchTo"});
    EXPECT_EQ(fields, 27) << "every test's sensitivity, specificity and cost";
    EXPECT_GT(disabled, 0) << "the tests in use are greyed";
}

TEST_F(Paths, TheTestCharacteristicsLeftOpenBesideTheQuestionnaireComeUpForTheSwitchStep)
{
    // The user never closes the rows of test characteristics that the test
    // selection opened; they stay beside each question form.
    const acceptance::Programme prog = programme(kPcrCervix);
    startUpToTesting(prog);
    Program& p = program();
    choosePair("PCR Cervix", "No NGZ Test");
    expectOnScreen({"FrmTesting", "FrmSenSpec"});
    leftOpen = QStringList{"FrmSenSpec"};
    clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});
    confirmToPercent(prog);
    percentToDrugCosts(prog);
    ASSERT_NO_FATAL_FAILURE(drugCostsToResults(prog));

    // The switch step's review takes the open form over, modally, and leaves it closed.
    bool reviewedModally = false;
    whenModal(p.FrmSenSpec(), [&] {
        reviewedModally = true;
        bringUp(p.FrmSenSpec());
        click(p.FrmSenSpec().cmdNext);
    });
    leftOpen.clear();
    clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdSwitchTo, {"FrmSwitchTo"});
    EXPECT_TRUE(reviewedModally);
    expectWhatIfScreens(prog);
}

TEST_F(Paths, TheSpecificityCheckLeadsToThePopulationAndTheTestSelectionBackLeadsOnFromIt)
{
    // However the population form that the check opened is left, the forms
    // behind it take over again, and the specificity keeps the focus.
    struct Case {
        const char* how;
        std::function<void(PathTest&, FrmQuestPop&)> leave;
        float perFem25;
    };
    const Case cases[] = {
        {"Continue, the over-25 positivity raised",
         [](PathTest&, FrmQuestPop& pop) {
             click(pop.txtPerFem25);
             typeAndTab(pop.txtPerFem25, "0.05");
             click(pop.cmdContinue);
         },
         0.05f},
        {"close box", [](PathTest&, FrmQuestPop& pop) { pop.window()->close(); }, 0.02f},
        {"Back (F2)", [](PathTest&, FrmQuestPop& pop) { key(pop, Qt::Key_F2); }, 0.02f},
    };
    const acceptance::Programme prog = programme(kGenProbe);
    startUpToTesting(prog);
    Program& p = program();
    FrmSenSpec& senSpec = p.FrmSenSpec();
    FrmQuestPop& pop = p.FrmQuestPop();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        choosePair("GenProbe", "PCR on GenProbe");
        bringUp(senSpec);
        ASSERT_TRUE(senSpec.TxtGPSens.hasFocus());
        QTest::keyClick(senSpec.TxtGPSens.widget(), Qt::Key_Tab);

        // 0.97 and the over-25 positivity of 0.02 fall short of 1: the user
        // answers 1, to change the positivity, and the population comes up over it.
        dialogs.type("1");
        QStringList withThePopulation;
        whenModal(pop, [&] {
            withThePopulation = formsOnScreen();
            bringUp(pop);
            c.leave(*this, pop);
        });
        typeAndTab(senSpec.TxtGPSpec, "0.97");
        EXPECT_EQ(withThePopulation, (QStringList{"FrmQuestPop", "FrmTesting", "FrmSenSpec"}));
        expectOnScreen({"FrmTesting", "FrmSenSpec"});
        EXPECT_TRUE(senSpec.TxtGPSpec.hasFocus());
        EXPECT_FLOAT_EQ(p.vc.PerFem25, c.perFem25);
        if (c.perFem25 > 0.03f) {
            // Left again, the specificity now passes.
            QTest::keyClick(senSpec.TxtGPSpec.widget(), Qt::Key_Tab);
            EXPECT_FALSE(senSpec.TxtGPSpec.hasFocus());
            EXPECT_FLOAT_EQ(p.vc.SpecGP, 0.97f);
        }

        // Back from the test selection to the population: its Continue leads on
        // to the test selection again, not into nothing.
        clickThrough(p.FrmTesting(), p.FrmTesting().cmdBack, {"FrmQuestPop"});
        if (c.perFem25 > 0.03f) {
            EXPECT_EQ(pop.txtPerFem25.text(), "0.05");
        }
        ASSERT_NO_FATAL_FAILURE(populationToTesting(prog));
    }
}

// The review's changes hold for the pass alone: the next pass shows the
// programme's own figures again.
TEST_F(Paths, TheSwitchStepGoesOnHoweverItsReviewIsLeftAndItsChangesDoNotOutliveTheReturnToMain)
{
    const acceptance::Programme prog = programme(kGenProbe);
    struct Case {
        const char* what;
        std::function<void(FrmSenSpec&)> leave;
        bool eiaLowered;
    };
    const Case cases[] = {
        {"EIA sensitivity lowered, forward arrow",
         [](FrmSenSpec& f) {
             click(f.TxtEIASens);
             typeAndTab(f.TxtEIASens, "0.6");
             click(f.cmdNext);
         },
         true},
        {"forward arrow", [](FrmSenSpec& f) { click(f.cmdNext); }, false},
        {"back arrow", [](FrmSenSpec& f) { click(f.cmdBack); }, false},
        {"close box", [](FrmSenSpec& f) { f.window()->close(); }, false},
    };
    startUpToConsole();
    Program& p = program();
    int reviews = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(consoleToResults(prog));
        FrmSenSpec& review = p.FrmSenSpec();
        whenModal(review, [&] {
            ++reviews;
            expectOnScreen({"FrmSenSpec"});
            bringUp(review);
            EXPECT_FALSE(review.TxtGPSens.widget()->isEnabled() || review.TxtGPSpec.widget()->isEnabled())
                << "the current test's figures are shown but locked";
            c.leave(review);
        });
        clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdSwitchTo, {"FrmSwitchTo"});
        if (c.eiaLowered) {
            // EIA, in the comparison's first slot, finds fewer with the lower sensitivity.
            EXPECT_LT(testsupport::captionOf(p.FrmSwitchTo(), "lblSAT1IDTot").toInt(),
                      prog.screens["FrmSwitchTo.lblSAT1IDTot"].toString().toInt());
            EXPECT_EQ(testsupport::captionOf(p.FrmSwitchTo(), "lblCTTIDTot"),
                      prog.screens["FrmSwitchTo.lblCTTIDTot"].toString());
        } else {
            expectWhatIfScreens(prog);
        }
        returnToConsole(current());
    }
    EXPECT_EQ(reviews, int(std::size(cases)));
}


// A pair taken forward and then given up for another at the test selection
// leaves no lock behind: the chosen test's figures are open to change, and
// the review locks the fields of the tests in use (and the PCR retest cost
// they share) and no others.
TEST_F(Paths, TheReviewLocksTheTestsInUseAloneAfterAnotherPairWasTakenForwardFirst)
{
    const QStringList genProbeLocked{"TxtGPSens",         "TxtGPSpec",     "txtPCRGPSens",    "txtPCRGPSpec",
                                     "txtTestCostEIAPCR", "txtTestCostGp", "txtTestCostPCRGP"};
    struct Case {
        const char* first[2];  // the pair taken forward first
        QString programme;
        platform::TextBox FrmSenSpec::*chosen;  // the sensitivity of the test in use
        QStringList locked;
    };
    const Case cases[] = {
        {{"GenProbe", "PCR on GenProbe"}, kPcrCervix, &FrmSenSpec::TxtPCRCSens,
         {"TxtPCRCSens", "TxtPCRCSpec", "txtTestCostPCRC"}},
        {{"PCR Cervix", "No NGZ Test"}, kGenProbe, &FrmSenSpec::TxtGPSens, genProbeLocked},
        // The same screening test with another retest.
        {{"GenProbe", "No NGZ Test"}, kGenProbe, &FrmSenSpec::TxtGPSens, genProbeLocked},
    };
    startUpToConsole();
    Program& p = program();
    FrmSenSpec& review = p.FrmSenSpec();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programme.toStdString() + " after " + c.first[0] + ", " + c.first[1]);
        const acceptance::Programme prog = programme(c.programme);
        consoleToPreview("Springfield");
        previewToPopulation();
        populationToTesting(prog);
        choosePair(c.first[0], c.first[1]);
        clickThrough(review, review.cmdNext, {"FrmTesting"});
        clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});
        clickThrough(p.FrmConfirm(), p.FrmConfirm().cmdBack, {"FrmTesting"});
        choosePair(prog.figures["test"].toString(), prog.figures["ngz"].toString());
        expectOnScreen({"FrmTesting", "FrmSenSpec"});
        EXPECT_TRUE((review.*c.chosen).hasFocus()) << "the chosen test's figures are open to change";
        clickThrough(review, review.cmdNext, {"FrmTesting"});
        clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});
        confirmToPercent(prog);
        percentToDrugCosts(prog);
        ASSERT_NO_FATAL_FAILURE(drugCostsToResults(prog));

        QStringList locked;
        whenModal(review, [&] {
            for (platform::Control* f : review.controls())
                if (f->kind() == platform::ControlKind::TextBox && f->widget()->isVisible() &&
                    !f->widget()->isEnabled())
                    locked << f->name();
            click(review.cmdNext);
        });
        clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdSwitchTo, {"FrmSwitchTo"});
        locked.sort();
        EXPECT_EQ(locked, c.locked);
        expectWhatIfScreens(prog);
        returnToConsole(current());
    }
}

// After the review's forward arrow refused a specificity too low for the
// positivity, the user may still leave the review without changing it: the
// field it put in focus is not checked again, and the switch step goes on.
TEST_F(Paths, TheReviewRefusedByItsForwardArrowIsLeftWithoutAnotherCheck)
{
    struct Case {
        const char* how;
        std::function<void(FrmSenSpec&)> leave;
    };
    const Case cases[] = {
        {"back arrow", [](FrmSenSpec& f) { click(f.cmdBack); }},
        {"close box", [](FrmSenSpec& f) { closeBox(f); }},
    };
    // PCR Cervix holds with an over-25 positivity of 0.5 %; GenProbe's 0.987 does not.
    acceptance::Programme prog = programme(kPcrCervix);
    QJsonArray rates = prog.figures["PerFem"].toArray();
    rates[2] = "0.005";
    prog.figures["PerFem"] = rates;
    startUpToConsole();
    Program& p = program();
    FrmSenSpec& review = p.FrmSenSpec();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        consoleToPreview("Springfield");
        previewToPopulation();
        populationToTesting(prog);
        testingToConfirm(prog);
        confirmToPercent(prog);
        percentToDrugCosts(prog);
        drugCostsTo(prog, "FrmScrResult");

        bool refused = false;
        whenModal(review, [&] {
            bringUp(review);
            click(review.cmdNext);
            refused = review.isModal() && review.TxtGPSpec.hasFocus();
            dialogs.clear();
            c.leave(review);
        });
        clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdSwitchTo, {"FrmSwitchTo"});
        EXPECT_TRUE(refused) << "GenProbe's specificity and 0.5 % fall short of 1";
        EXPECT_TRUE(dialogs.prompts().empty()) << "leaving asks nothing";
        EXPECT_EQ(p.vc.SpecGP, 0.987f);
        returnToConsole(current());
    }
}


TEST_F(Paths, UnitCostsTypedOnTheWayReachEveryResultScreen)
{
    startUpToConsole();
    ASSERT_NO_FATAL_FAILURE(ownUnitCostsToResults(programme("eia_dfa_noconfirm_costs")));
    switchedScreens(programme("eia_dfa_noconfirm_costs"));
}

// Under another locale the user types and reads figures in its notation, and
// the four result screens show the same figures. The locale is the one the
// environment names for numbers; the user types or pastes the figures with

} // namespace
