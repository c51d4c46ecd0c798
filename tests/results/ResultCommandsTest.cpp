// The results screen's commands: Back, Return to Main, Exit, the result
// screens menu and the switch step, driven by keys and clicks.
#include "results/FrmScrResult.h"

#include "results/ResultsFixture.h"
#include "shell/FrmConsole.h"
#include "support/FormLookup.h"
#include "switchto/FrmSwitchTo.h"

#include <QTest>

namespace {

class ResultCommandsTest : public results_test::ResultsTest {
protected:
    FrmScrResult& results(bool confirm = false) { return resultsOf(ScrTestKind::GenProbe, NgzTestKind::None, confirm); }

    static void press(platform::Form& f, Qt::Key key, Qt::KeyboardModifiers mods = {})
    {
        QTest::keyClick(f.window(), key, mods);
    }
};

// Every way back to the console unloads the result screens and starts the
// selection afresh; the comparison's hidden button runs the unloading alone,
// leaving the questionnaire flags.
TEST_F(ResultCommandsTest, ReturnToMainShowsTheConsoleUnloadsAndClearsTheQuestionnaireFlags)
{
    struct Case {
        const char* name;
        bool switched;  // from the comparison, after the switch step
        std::function<void(platform::Form&)> run;
        int16_t flagsAfter;
    };
    const auto ctrlR = [](platform::Form& f) { press(f, Qt::Key_R, Qt::ControlModifier); };
    const Case cases[] = {
        {"results: Ctrl+R", false, ctrlR, 0},
        {"results: menu", false, [](platform::Form& f) { static_cast<FrmScrResult&>(f).menus.mnuReturn->trigger(); }, 0},
        {"comparison: Ctrl+R", true, ctrlR, 0},
        {"comparison: Return to Console button", true,
         [](platform::Form& f) { static_cast<FrmSwitchTo&>(f).cmdReturn.raiseClick(); }, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmScrResult& f = results();
        FrmSwitchTo& comparison = program().FrmSwitchTo();
        if (c.switched) {
            switchStep(f);
            activate(comparison);
        }
        program().vc.QuestPopFromSenSpec = program().vc.SpecEntered = -1;
        c.run(c.switched ? static_cast<platform::Form&>(comparison) : f);
        EXPECT_TRUE(program().FrmConsole().isShown());
        EXPECT_FALSE(f.isLoaded());
        EXPECT_FALSE(comparison.isLoaded());
        EXPECT_FALSE(program().sel.scrTest().has_value()) << "the selection starts afresh";
        EXPECT_EQ(program().vc.QuestPopFromSenSpec, c.flagsAfter);
        EXPECT_EQ(program().vc.SpecEntered, c.flagsAfter);
        EXPECT_EQ(endCalls, 0);
        program().FrmConsole().hide();
    }
}

// Back, by its arrow or Ctrl+B, after the switch step too, unloads the
// screens: the next load computes afresh and starts from the design, the
// result screens waiting for a new switch step.
TEST_F(ResultCommandsTest, BackUnloadsSoTheNextLoadRecomputesFromTheDesign)
{
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Ctrl+B" : "button");
        FrmScrResult& f = results(true);
        ASSERT_TRUE(f.lblcc.visible());
        switchStep(f);
        ASSERT_TRUE(f.menus.screens->enabled());
        QTest::mouseClick(program().FrmSwitchTo().cmdCSSR.widget(), Qt::LeftButton);
        activate(f);
        if (byKey)
            press(f, Qt::Key_B, Qt::ControlModifier);
        else
            QTest::mouseClick(f.cmdBack.widget(), Qt::LeftButton);
        EXPECT_FALSE(f.isLoaded());
        EXPECT_FALSE(program().FrmSwitchTo().isLoaded());

        answerConfirmation(false);
        program().vc.NoFem18 = 5000;
        f.show();
        EXPECT_EQ(f.lblNoScrTotal.caption(), "7,000");
        EXPECT_FALSE(f.menus.screens->enabled()) << "the result screens menu waits for the switch step";
        EXPECT_FALSE(f.cmdResume.visible());
        EXPECT_TRUE(f.cmdSwitchTo.visible());
        EXPECT_FALSE(f.menus.mnuCSS->enabled());
        for (platform::Control* c : std::initializer_list<platform::Control*>{&f.Label22, &f.Label28, &f.lblcc, &f.lblsct})
            EXPECT_FALSE(c->visible()) << c->name().toStdString();
        EXPECT_EQ(f.lblcc.caption(), "");
        f.unload();
    }
}

// The switch step computes the comparison and shows it; from then on the
// result screens menu and the resume button lead back to it without a new load.
TEST_F(ResultCommandsTest, TheSwitchStepOpensTheComparisonAndTheWaysBackToIt)
{
    struct Case {
        const char* name;
        std::function<void(FrmScrResult&)> go;
        ResultScreen target;
    };
    const Case cases[] = {
        {"resume button", [](FrmScrResult& f) { QTest::mouseClick(f.cmdResume.widget(), Qt::LeftButton); },
         ResultScreen::SwitchToTest},
        {"F1", [](FrmScrResult& f) { press(f, Qt::Key_F1); }, ResultScreen::SwitchToTest},
        {"F2", [](FrmScrResult& f) { press(f, Qt::Key_F2); }, ResultScreen::SwitchToCost},
        {"F3", [](FrmScrResult& f) { press(f, Qt::Key_F3); }, ResultScreen::SwitchToAnalysis},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmScrResult& f = results();
        FrmSwitchTo& comparison = program().FrmSwitchTo();
        platform::Form& target = program().resultScreen(c.target);
        auto currentTest = [&] { return testsupport::captionOf(comparison, "lblCTSTest"); };
        switchStep(f);
        ASSERT_TRUE(comparison.isShown());
        EXPECT_FALSE(f.isShown());
        EXPECT_EQ(currentTest(), "GenProbe");
        EXPECT_TRUE(f.menus.screens->enabled());
        EXPECT_TRUE(f.cmdResume.visible());
        EXPECT_FALSE(f.menus.mnuCSS->enabled()) << "this screen's own item stays disabled";

        // Back on this screen by the comparison's back arrow.
        static_cast<platform::Label*>(testsupport::controlNamed(comparison, "lblCTSTest"))->setCaption("kept");
        QTest::mouseClick(comparison.cmdCSSR.widget(), Qt::LeftButton);
        ASSERT_TRUE(f.isShown());
        EXPECT_FALSE(comparison.isShown());
        EXPECT_FALSE(f.cmdSwitchTo.visible()) << "the resume arrow stands in its place";
        activate(f);
        c.go(f);
        EXPECT_TRUE(target.isShown());
        EXPECT_FALSE(f.isShown());
        if (&target == &comparison) {
            EXPECT_EQ(currentTest(), "GenProbe") << "brought back, it shows its figures in use";
        } else {
            EXPECT_EQ(currentTest(), "kept") << "a screen out of sight computes nothing";
        }

        program().returnToConsole();
        EXPECT_FALSE(comparison.isLoaded());
        EXPECT_FALSE(target.isLoaded());
        program().FrmConsole().hide();
    }
}

// The review's Back means "no change": the comparison goes on with the
// figures the user had, not with the defaults its form's next load writes.
TEST_F(ResultCommandsTest, TheReviewKeepsTheUsersFiguresWhenLeftByBack)
{
    struct Case {
        const char* name;
        ScrTestKind test;
        Review answer;
        float sensGP;   // after the switch step
    };
    const Case cases[] = {
        {"Back, GenProbe", ScrTestKind::GenProbe, Review::Back, 0.75f},
        {"Back, PCR Cervix", ScrTestKind::PCRC, Review::Back, 0.75f},
        // Forward stores what the review shows: the figures in use.
        {"Forward", ScrTestKind::GenProbe, Review::Forward, 0.75f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmSenSpec& review = program().FrmSenSpec();
        review.load();  // as the test selection left it
        FrmScrResult& f = resultsOf(c.test, NgzTestKind::None);
        program().vc.SensGP = 0.75f, program().vc.ProbPid = 0.2f;  // the user's own figures
        switchStep(f, c.answer);

        EXPECT_TRUE(program().FrmSwitchTo().isShown());
        EXPECT_FLOAT_EQ(program().vc.SensGP, c.sensGP);
        if (c.answer == Review::Back) {
            EXPECT_FLOAT_EQ(program().vc.ProbPid, 0.2f);
        }
        EXPECT_TRUE(review.isLoaded());
        EXPECT_EQ(review.caption(), "Sensitivity and Specificity");
        EXPECT_FALSE(review.isShown());
        program().returnToConsole();
        program().FrmConsole().hide();
    }
}

} // namespace
