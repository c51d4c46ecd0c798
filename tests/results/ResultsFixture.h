#pragma once
// A program with the results screen of a programme on screen, its model
// state and selection set up as the questionnaire's agree step leaves them.

#include "figures/Combinations.h"
#include "results/FrmScrResult.h"

#include "app/Program.h"
#include "model/ScreenSequences.h"
#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmTesting.h"
#include "support/FormLookup.h"
#include "support/ProgramFixture.h"
#include "support/Programmes.h"
#include "testchars/FrmSenSpec.h"

#include <QTest>
#include <QTimer>

#include <functional>

namespace results_test {

class ResultsTest : public testsupport::ProgramTest {
protected:
    // The confirmation question answered as the user did; "Yes" is only
    // offered while GenProbe or EIA stands chosen on the test selection.
    void answerConfirmation(bool yes)
    {
        program().FrmTesting().lstScreenTest.setListIndex(0);
        program().FrmConfirm().optConfirm[yes ? 0 : 1].setValue(true);
    }

    // The switch step's review of the test characteristics, once it comes up,
    // left without a change (its Back), so the comparison goes on with the
    // figures the test set up; its Forward would store what its fields show,
    // which a test that sets the model state directly has not put there.
    void acceptReviewIfAsked()
    {
        auto* timer = new QTimer;
        testsupport::modalTimers().push_back(timer);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, timer, [this] {
            FrmSenSpec& review = program().FrmSenSpec();
            if (review.isModal())
                review.cmdBack_Click();
        });
        timer->start(0);
    }

    FrmScrResult& resultsOf(const VarCon& vc, const Selection& sel, bool confirm)
    {
        answerConfirmation(confirm);
        program().vc = vc;
        program().sel = sel;
        program().sel.confirmsPositives = confirm;  // the answer stays with the selection
        FrmScrResult& f = program().FrmScrResult();
        f.show();
        activate(f);
        return f;
    }

    FrmScrResult& resultsOf(const testsupport::Programme& p) { return resultsOf(p.vc, p.sel, p.confirm); }

    FrmScrResult& resultsOf(const std::string& programme)
    {
        for (const testsupport::Programme& p : testsupport::programmes())
            if (p.name == programme)
                return resultsOf(p);
        ADD_FAILURE() << "no programme " << programme;
        return program().FrmScrResult();
    }

    // Every caption and visibility of the form that the independent model
    // worked out for the programme; its numbers are public values, read by value.
    static void expectScreen(platform::Form& f, const testsupport::Programme& p,
                             const std::function<float(const QString&)>& value, int atLeast)
    {
        int checked = 0;
        for (auto it = p.screens.begin(); it != p.screens.end(); ++it) {
            const QStringList key = it.key().split(QLatin1Char('.'));
            if (key[0] != f.name())
                continue;
            SCOPED_TRACE(it.key().toStdString());
            ++checked;
            if (key.size() == 3)
                EXPECT_EQ(testsupport::controlNamed(f, key[1])->visible(), it.value().toBool());
            else if (it.value().isString())
                EXPECT_EQ(testsupport::captionOf(f, key[1]).toStdString(), it.value().toString().toStdString());
            else
                EXPECT_FLOAT_EQ(value(key[1]), float(it.value().toDouble()));
        }
        EXPECT_GE(checked, atLeast);
    }

    // The screen's public PID counts are the model's, where its EIA rows leave them.
    void expectShows(FrmScrResult& f, const testsupport::Programme& p)
    {
        const VarCon& vc = program().vc;
        expectScreen(f, p, [&vc](const QString& name) {
            EXPECT_TRUE(name == QLatin1String("PidCountDfaEia") || name == QLatin1String("PidCountPcrEia"));
            return name == QLatin1String("PidCountDfaEia") ? vc.PidCountDfaEia : vc.PidCountPcrEia;
        }, 31);
    }

    enum class Review { Forward, Back };

    // The switch step, its review of the test figures left by the review
    // form's forward or back button.
    void switchStep(FrmScrResult& f, Review answer = Review::Forward)
    {
        FrmSenSpec& review = program().FrmSenSpec();
        testsupport::whenModal(review, [&review, answer] {
            QTest::mouseClick((answer == Review::Forward ? review.cmdNext : review.cmdBack).widget(), Qt::LeftButton);
        });
        QTest::mouseClick(f.cmdSwitchTo.widget(), Qt::LeftButton);
    }

    // The default programme of three age groups with these tests.
    FrmScrResult& resultsOf(ScrTestKind test, NgzTestKind retest, bool confirm = false)
    {
        const Pass p = ChosenTests(test, retest);
        return resultsOf(p.vc, p.sel, confirm);
    }
};

} // namespace results_test
