#pragma once
// One pass along the forward arrows with a set of figures typed on the way,
// and what the four result screens show after its switch step: a freshly
// started program given only those figures is what the walks compare with.

#include "PathFixture.h"

#include <QMap>

#include <functional>

namespace paths {

using testsupport::whenModal;

// What the user settles on in a pass, beyond the answers of the question forms.
struct Figures {
    QString programme;      // the acceptance programme answered on the question forms
    QString sensitivity;       // typed for the screening test on its row of characteristics
    QString testCost;          // typed for the screening test on the same row
    QString confirmCost;       // typed on the unit-cost window that the answer Yes opens
    QString reviewEiaSens;     // typed for EIA in the switch step's review
    QString reviewEiaCost;     // typed for EIA's test cost in the same review
    QString specificity;       // typed for the screening test on its row of characteristics
    QString reviewPcrEiaCost;  // typed for PCR on EIA's cost in the review, where it is not locked
    QString reviewGpCost;      // typed for GenProbe's cost in the review, where it is not locked
};

const Figures kGenProbe{"gp_pcr_confirm", "0.92", "4.10", "7.25", {}, {}, {}, {}, {}};
const Figures kPcrCervix{"pcrc_noconfirm", "0.8", "9.10", {}, {}, {}, {}, {}, {}};

using Captions = QMap<QString, QString>;

// The stretches of a pass, in order, from the console to the comparison.
enum class Leg {
    ToTestSelection,  // preview, population, the test selection on screen
    TestView,         // the pair chosen, the screening test's figures typed on its row
    TestViewForward,
    TestingForward,
    Confirmation,     // the answer, and with Yes the unit-cost window's forward arrow
    ConfirmForward,
    Treatment,        // on to the drug costs
    DrugCosts,        // typed and agreed: the results screen
    SwitchStep,       // the review left by its forward arrow: the comparison
    Done,
};

class PassWalk : public PathTest {
protected:
    Figures fig;
    acceptance::Programme prog;

    void use(const Figures& f)
    {
        fig = f;
        prog = programme(f.programme);
    }

    bool confirms() const { return prog.figures["confirm"].toBool(); }

    SenSpecRow screeningRow() const
    {
        const QString test = prog.figures["test"].toString();
        return test == "GenProbe" ? SenSpecRow::GP : test == "EIA" ? SenSpecRow::EIA : SenSpecRow::PCRC;
    }

    platform::TextBox& confirmationBox()
    {
        FrmTestCost& costs = program().FrmTestCost();
        return prog.figures["test"].toString() == "GenProbe" ? costs.TxtCostPCA : costs.TxtCostDFA;
    }

    void run(Leg from, Leg to)
    {
        for (int leg = int(from); leg <= int(to) && !HasFatalFailure(); ++leg)
            walk(Leg(leg));
    }

    void walk(Leg leg)
    {
        Program& p = program();
        switch (leg) {
        case Leg::ToTestSelection:
            consoleToPreview("Springfield");
            previewToPopulation();
            populationToTesting(prog);
            return;
        case Leg::TestView:
            chooseThePair();
            typeTestFigures();
            return;
        case Leg::TestViewForward:
            clickThrough(p.FrmSenSpec(), p.FrmSenSpec().cmdNext, {"FrmTesting"});
            return;
        case Leg::TestingForward:
            clickThrough(p.FrmTesting(), p.FrmTesting().cmdNext, {"FrmConfirm"});
            return;
        case Leg::Confirmation:
            answerConfirmation(true);
            if (confirms())
                clickThrough(p.FrmTestCost(), p.FrmTestCost().cmdNext, {"FrmConfirm"});
            return;
        case Leg::ConfirmForward:
            clickThrough(p.FrmConfirm(), p.FrmConfirm().cmdForward, {"FrmQuestPercent"});
            return;
        case Leg::Treatment:
            percentToDrugCosts(prog);
            return;
        case Leg::DrugCosts:
            drugCostsTo(prog, "FrmScrResult");
            return;
        case Leg::SwitchStep:
            switchStepLeavingReviewBy([](FrmSenSpec& f) { click(f.cmdNext); });
            return;
        case Leg::Done:
            return;
        }
    }

    void chooseThePair()
    {
        choosePair(prog.figures["test"].toString(), prog.figures["ngz"].toString());
        expectOnScreen({"FrmTesting", "FrmSenSpec"});
    }

    void typeTestFigures()
    {
        FrmSenSpec& f = program().FrmSenSpec();
        bringUp(f);
        const std::pair<platform::TextBox*, QString> typed[] = {
            {&f.sensitivityField(screeningRow()), fig.sensitivity},
            {&f.specificityField(screeningRow()), fig.specificity},
            {&f.testCostField(screeningRow()), fig.testCost}};
        for (const auto& [field, text] : typed) {
            if (text.isEmpty())
                continue;
            enter(*field);
            typeAndTab(*field, text);
        }
    }

    // GenProbe's cost worked out on the calculator, which is open: 40 tests
    // and 4 controls a batch, 2 batches a day, $12 an hour, $5 kits and $1
    // reagents give $8.00 a test, unless `figures` gives other answers in
    // that order. `answer` goes into the box that asks whether that is the
    // cost: "y" takes it, an empty answer is Cancel.
    void workOutGenProbe(const QString& answer, const QStringList& figures = {"40", "2", "4", "12", "5", "1"})
    {
        FrmDraftCostTest& calc = program().FrmDraftCostTest();
        bringUp(calc);
        key(calc, Qt::Key_F1);
        platform::TextBox* const fields[] = {&calc.txtTstPerBat, &calc.txtBatPerDay, &calc.txtContPerBat,
                                             &calc.txtLabHour,   &calc.txtTestKits,  &calc.txtReagTrans};
        for (size_t i = 0; i < std::size(fields); ++i) {
            enter(*fields[i]);
            typeAndTab(*fields[i], figures.value(qsizetype(i)));
        }
        dialogs.type(answer);
        const std::size_t boxes = dialogs.shown().size();
        key(calc, Qt::Key_F1, Qt::ControlModifier);
        EXPECT_TRUE(dialogs.shown().size() > boxes && dialogs.shown().back().isInputBox)
            << "the calculator did not ask to confirm its cost; last box: "
            << (dialogs.shown().empty() ? std::string("none") : dialogs.shown().back().prompt.toStdString());
    }

    // The answer the programme gives; Yes brings the unit-cost window, where
    // the confirmation cost is typed when `type` says so.
    void answerConfirmation(bool type)
    {
        if (confirms()) {
            answerYes(confirmationBox(), type ? fig.confirmCost : QString());
            return;
        }
        bringUp(program().FrmConfirm());
        click(program().FrmConfirm().optConfirm[1]);
    }

    // The results screen's forward arrow; in the review the EIA sensitivity
    // is typed when the figures say so, and the review is left by `leave`.
    // The review shows the screening test's figures in use, locked.
    void switchStepLeavingReviewBy(std::function<void(FrmSenSpec&)> leave)
    {
        Program& p = program();
        FrmSenSpec& review = p.FrmSenSpec();
        whenModal(review, [&] {
            bringUp(review);
            platform::TextBox& sens = review.sensitivityField(screeningRow());
            EXPECT_FALSE(sens.enabled()) << "the current test's figures are shown but locked";
            EXPECT_EQ(review.lblNGZTitle.visible(), prog.figures["ngz"].toString() != "No NGZ Test");
            if (!fig.sensitivity.isEmpty()) {
                EXPECT_EQ(sens.text(), fig.sensitivity) << "the review shows the sensitivity in use";
            }
            const std::pair<platform::TextBox*, QString> typed[] = {
                {&review.TxtEIASens, fig.reviewEiaSens},
                {&review.txtTestCostEia, fig.reviewEiaCost},
                {&review.txtTestCostEIAPCR, fig.reviewPcrEiaCost},
                {&review.txtTestCostGp, fig.reviewGpCost}};
            // PCR on EIA shares the cost of PCR on GenProbe: with that retest
            // in use both are locked, and a click types nothing there.
            if (prog.figures["ngz"].toString() == "PCR on GenProbe") {
                EXPECT_FALSE(review.txtTestCostEIAPCR.enabled());
            }
            for (const auto& [field, text] : typed) {
                if (text.isEmpty())
                    continue;
                click(*field);
                if (field->hasFocus())
                    typeAndTab(*field, text);
            }
            leave(review);
        });
        clickThrough(p.FrmScrResult(), p.FrmScrResult().cmdSwitchTo, {"FrmSwitchTo"});
    }

    // Every caption of the four result screens as the user sees them, a
    // screen out of sight as it shows when brought back; with `loadedOnly`,
    // of those loaded now, the others left out.
    Captions resultCaptions(bool loadedOnly = false)
    {
        Captions captions;
        for (const char* name : {"FrmScrResult", "FrmSwitchTo", "FrmSwitchToCost", "FrmSwitchToAnaly"}) {
            platform::Form* form = program().runtime().findForm(QString::fromLatin1(name));
            const bool loaded = form && form->isLoaded();
            EXPECT_TRUE(loaded || loadedOnly) << name;
            if (!loaded && (loadedOnly || !form))
                continue;
            if (loaded && !form->isShown())
                form->Form_Shown();
            for (platform::Control* c : form->controls())
                if (auto* label = dynamic_cast<platform::Label*>(c))
                    captions[QString::fromLatin1(name) + '.' + label->name()] = label->caption();
        }
        return captions;
    }

    // A program started afresh, given the figures along the forward arrows.
    Captions freshProgramShows(const Figures& latest)
    {
        restart();
        use(latest);
        startUpToConsole();
        run(Leg::ToTestSelection, Leg::SwitchStep);
        const Captions captions = resultCaptions();
        restart();
        return captions;
    }

    void expectSameCaptions(const Captions& walked, const Captions& fresh)
    {
        ASSERT_FALSE(fresh.isEmpty());
        int differing = 0;
        for (auto it = fresh.begin(); it != fresh.end(); ++it)
            if (walked.value(it.key()) != it.value() && ++differing <= 8)
                ADD_FAILURE() << it.key().toStdString() << " shows \"" << walked.value(it.key()).toStdString()
                              << "\", a fresh program \"" << it.value().toStdString() << '"';
        EXPECT_EQ(differing, 0) << "captions differ from a fresh program's";
    }
};

} // namespace paths
