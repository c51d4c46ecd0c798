// The comparison screen: its captions against the acceptance programmes,
// its load and reload, its keys and commands, and its printed report.
#include "Passes.h"
#include "figures/ResultsInUse.h"
#include "results/ResultsFixture.h"
#include "switchto/FrmSwitchTo.h"
#include "switchto/SwitchToReport.h"

#include <QTest>

#include <map>

namespace {

class SwitchToTest : public results_test::ResultsTest {
protected:
    // The switch step of the results screen, clicked, its review left unchanged.
    FrmSwitchTo& switchedFrom(FrmScrResult& results)
    {
        switchStep(results, Review::Back);
        FrmSwitchTo& form = program().FrmSwitchTo();
        EXPECT_TRUE(form.isShown());
        EXPECT_FALSE(results.isShown());
        activate(form);
        return form;
    }

    FrmSwitchTo& loaded(const passes::Pass& pass)
    {
        program().vc = pass.vc;
        program().sel = pass.sel;
        FrmSwitchTo& form = program().FrmSwitchTo();
        form.show();
        activate(form);
        return form;
    }

    FrmSwitchTo& loaded(ScrTestKind test) { return loaded(passes::AfterResults(test, NgzTestKind::None)); }
};

TEST_F(SwitchToTest, ShowsWhatTheIndependentModelShowsForEachProgramme)
{
    for (const testsupport::Programme& programme : testsupport::programmes()) {
        SCOPED_TRACE(programme.name);
        FrmSwitchTo& form = switchedFrom(resultsOf(programme));
        // Slot 1's missed infections per age group are a figure of the
        // comparison (kept for the NGZ rows alone), worked out here on a copy
        // of the figures in use.
        VarCon vc = program().vc;
        Selection sel = program().sel;
        const std::optional<switchto::Comparison> comparison = ComparisonInUse(vc, sel);
        ASSERT_TRUE(comparison);
        const std::array<float, AgeGroupCount> slot1 = comparison->slot1Missed.value_or(std::array<float, AgeGroupCount>{});
        const std::map<QString, float> values = {{"CTNPMTot", program().vc.CTNPMTot},
                                                 {"SAT1PM18", slot1[0]},
                                                 {"SAT1PM182", slot1[1]},
                                                 {"SAT1PM25", slot1[2]}};
        expectScreen(form, programme, [&](const QString& name) {
            return values.count(name) ? values.at(name) : program().vc.*Slot::SATPMTot[name.mid(3, 1).toInt() - 1];
        }, 100);
        program().returnToConsole();
    }
}

TEST_F(SwitchToTest, NgzRowsAndTheirFramesShowOnlyForGenProbeAndEia)
{
    struct Case {
        ScrTestKind test;
        bool row1, row2;
        std::vector<int> shapes;  // the NGZ frames shown
    };
    const Case cases[] = {
        {ScrTestKind::GenProbe, true, true, {25, 26, 27, 33, 34, 36, 37, 38, 41, 42, 43, 44, 45, 46}},
        {ScrTestKind::EIA, true, false, {26, 27, 33, 36, 37, 38, 39, 40}},
        {ScrTestKind::PCRU, false, false, {}},
        {ScrTestKind::LCRU, false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(PerTest::Name[int(c.test)]);
        FrmSwitchTo& form = loaded(c.test);
        EXPECT_EQ(form.labelNgz.visible(), c.row1);
        EXPECT_EQ(form.NGZ1.PM.Tot.visible(), c.row1);
        EXPECT_EQ(form.NGZ2.ID.c18.visible(), c.row2);
        for (int n : {25, 26, 27, 33, 34, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46})
            EXPECT_EQ(form.shape(n).visible(), std::count(c.shapes.begin(), c.shapes.end(), n) == 1) << n;
        form.unload();
    }
}

TEST_F(SwitchToTest, NothingSelectedLeavesTheTableEmpty)
{
    passes::Pass pass{ScreenSequences::ThreeAgeGroups(), Selection()};
    pass.vc.NoInfTotalSt = 7;
    FrmSwitchTo& form = loaded(pass);
    EXPECT_EQ(program().vc.NoInfTotalSt, 7) << "nothing is computed";
    EXPECT_EQ(form.lblATI.Tot.caption(), "");
    EXPECT_EQ(form.SAT1.name.caption(), "");
    EXPECT_FALSE(form.labelNgz.visible());
    EXPECT_EQ(program().vc.CTNPMTot, 0);
    EXPECT_EQ(program().vc.ScrTest, "");
}

// A count beyond the 16-bit range shows its whole value, and the cost
// screen reads the same whole number from the model state.
TEST_F(SwitchToTest, LargeProgrammesShowTheirFullCounts)
{
    VarCon vc = ScreenSequences::ThreeAgeGroups();
    vc.NoFem18 = 150000, vc.NoFem1825 = 400000, vc.NoFem25 = 250000;
    FrmSwitchTo& form = loaded(passes::AfterResults(ScrTestKind::EIA, NgzTestKind::None, vc));
    for (int k = 1; k <= 5; ++k) {
        const QString caption = form.testRow(k).NP.Tot.caption();
        EXPECT_GT(caption.toLongLong(), 32767) << k;
        EXPECT_EQ(caption.toLongLong(), program().vc.*Slot::lblSATNPTot[k - 1]) << k;
    }
    EXPECT_GT(form.lblATI.Tot.caption().toLongLong(), 32767);
}

// The under-18 cells of every alternative for programmes at the edges.
TEST_F(SwitchToTest, EdgeProgrammesShowWholeNumbersEvenBelowZero)
{
    struct Case {
        const char* name;
        float women, positivity;
        std::function<bool(const QString&)> expected;
    };
    const Case cases[] = {
        {"no women under 18", 0, 0, [](const QString& c) { return c == "0"; }},
        {"positivity below one minus the specificity", 10000, 0.001f,
         [](const QString& c) { return c.startsWith('-') && c.mid(1).toInt() > 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VarCon vc = ScreenSequences::ThreeAgeGroups();
        vc.NoFem18 = c.women, vc.PerFem18 = c.positivity;
        FrmSwitchTo& form = loaded(passes::AfterResults(ScrTestKind::PCRC, NgzTestKind::None, vc));
        EXPECT_TRUE(c.expected(form.lblATI.c18.caption())) << form.lblATI.c18.caption().toStdString();
        for (int k = 1; k <= 5; ++k)
            for (CountCells* cells : {&form.testRow(k).ID, &form.testRow(k).PM})
                EXPECT_TRUE(c.expected(cells->c18.caption())) << k << " " << cells->c18.caption().toStdString();
        form.unload();
    }
}

// A figure changed while the screen is out of sight: brought back, it shows
// what a new load shows.
TEST_F(SwitchToTest, ShownAgainItShowsWhatANewLoadShows)
{
    FrmSwitchTo& form = loaded(ScrTestKind::PCRC);
    const QString before = form.SAT3.ID.Tot.caption();
    program().vc.SensPCRU = 0.5f;
    form.hide();
    form.show();
    const QString shownAgain = form.SAT3.ID.Tot.caption();
    EXPECT_NE(shownAgain, before);
    form.unload();
    form.show();
    EXPECT_EQ(form.SAT3.ID.Tot.caption(), shownAgain);
    EXPECT_EQ(form.SAT3.name.caption(), "PCR Urine");
}

TEST_F(SwitchToTest, OnlyThePictureButtonsAreOnScreenInTabOrder)
{
    FrmSwitchTo& form = loaded(ScrTestKind::GenProbe);
    for (platform::CommandButton* hidden : {&form.cmdProject, &form.cmdGraph, &form.cmdReturn})
        EXPECT_FALSE(hidden->visible()) << hidden->name().toStdString();
    form.cmdCost.setFocus();
    const platform::CommandButton* order[] = {&form.cmdCSSR, &form.cmdPrint, &form.cmdCost};
    for (const platform::CommandButton* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(form.activeControl(), next) << next->name().toStdString();
    }
}

// The screen commands by their hidden buttons; their keys, arrows and menu
// entries are walked on the whole paths through the program.
TEST_F(SwitchToTest, CommandsLeadToTheirScreens)
{
    struct Case {
        platform::CommandButton FrmSwitchTo::*button;
        const char* target;
        bool staysVisible;
    };
    const Case cases[] = {{&FrmSwitchTo::cmdGraph, "FrmGraph", true}, {&FrmSwitchTo::cmdProject, "FrmSwitchToAnaly", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        FrmSwitchTo& form = switchedFrom(resultsOf(ScrTestKind::PCRC, NgzTestKind::None));
        const QString before = form.SAT1.NP.Tot.caption();
        (form.*c.button).raiseClick();
        const platform::Form* target = program().runtime().findForm(QString::fromLatin1(c.target));
        EXPECT_TRUE(target && target->isShown());
        EXPECT_EQ(form.isShown(), c.staysVisible);
        EXPECT_EQ(form.SAT1.NP.Tot.caption(), before) << "moving between screens recomputes nothing";
        program().returnToConsole();
    }
}

// The report, printed and read back: its pages, headings and blocks.
TEST_F(SwitchToTest, ReportPagesFollowTheNgzRows)
{
    struct Case {
        ScrTestKind test;
        int pages;
        QStringList lastPageTitles;
    };
    const Case cases[] = {
        {ScrTestKind::GenProbe, 4,
         {"Switched To Including NGZ Testing(EIA/DFA)", "Switched To Including Ngz Testing(EIA/PCR)"}},
        {ScrTestKind::EIA, 4, {"Switched To Including NGZ Testing(GP/PCR)"}},
        {ScrTestKind::LCRC, 3, {"Switched To(PCR Urine)", "Switched To(LCR Urine)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(PerTest::Name[int(c.test)]);
        FrmSwitchTo& form = loaded(c.test);
        if (c.test == ScrTestKind::GenProbe)
            QTest::keyClick(form.window(), Qt::Key_P, Qt::ControlModifier);
        else
            QTest::mouseClick(form.cmdPrint.widget(), Qt::LeftButton);
        const std::vector<QStringList> pages = pdftest::pages(folder.path() + "/lines.pdf");
        ASSERT_EQ(int(pages.size()), c.pages);
        EXPECT_EQ(pages[0][0], "Results if you Changed Testing Strategies");
        EXPECT_EQ(pages[0][1], "Actual Number of Infected Women");
        EXPECT_EQ(pages[0][2], "Females under 18 " + form.lblATI.c18.caption());
        EXPECT_TRUE(pages[0].contains(QString("Current Testing Strategy (%1)").arg(PerTest::Name[int(c.test)])));
        EXPECT_TRUE(pages[0].contains("False Postives " + form.CT.FP.caption()));
        EXPECT_TRUE(pages[1].contains("Switched To(" + form.SAT1.name.caption() + ")"));
        for (std::size_t p = 1; p < pages.size(); ++p)
            EXPECT_EQ(pages[p][0], "Results if you Changed Testing Strategies continued") << p;
        QStringList titles;
        for (const QString& line : pages.back())
            if (line.startsWith("Switched To"))
                titles << line;
        EXPECT_EQ(titles, c.lastPageTitles);
        const QString lastLine = c.test == ScrTestKind::GenProbe ? "Totals " + form.NGZ2.PM.Tot.caption()
                                 : c.test == ScrTestKind::EIA    ? "Totals " + form.NGZ1.PM.Tot.caption()
                                                                 : "False Postives " + form.SAT5.FP.caption();
        EXPECT_EQ(pages.back().last(), lastLine);
        EXPECT_FALSE(c.pages == 4 && pages.back().contains("Number of Positives Identified"))
            << "the NGZ blocks have no positives identified";
        form.unload();
    }
}

// The blocks' exact blanks, which the paper's proportional face hides.
TEST_F(SwitchToTest, ReportBlocksKeepTheirCountedBlanksAndLineEnds)
{
    FrmSwitchTo& form = loaded(ScrTestKind::GenProbe);
    const QStringList blocks = switchto::ReportBlocks(form);
    ASSERT_EQ(blocks.size(), 9);
    const QString b15(15, ' '), b20(20, ' '), b25(25, ' ');
    const QString ati = "               Actual Number of Infected Women\r\n"
                        "                         Females under 18    " + form.lblATI.c18.caption() + "\r\n"
                        "                         Females 18 to 25     " + form.lblATI.c182.caption() + "\r\n"
                        "                         Female over 25       " + form.lblATI.c25.caption() + "\r\n"
                        "                         Totals                       " + form.lblATI.Tot.caption() + "\r\n";
    EXPECT_EQ(blocks[0], ati);
    EXPECT_TRUE(blocks[1].startsWith(b15 + "Current Testing Strategy (GenProbe)\r\n" + b20 +
                                     "Number of Positives Identified\r\n"));
    EXPECT_TRUE(blocks[1].contains(b25 + "Totals          " + QString(12, ' ') + form.CT.ID.Tot.caption() + "\r\n" +
                                   b20 + "Number of Positives Missed"));
    EXPECT_TRUE(blocks[2].contains(b25 + "Totals          " + QString(13, ' ') + form.SAT1.ID.Tot.caption() + "\r\n" +
                                   b20 + "Number of Positives Missed"));
    EXPECT_TRUE(blocks[1].endsWith(b25 + "False Postives" + QString(9, ' ') + form.CT.FP.caption() + "\r\n"));
    EXPECT_TRUE(blocks[2].startsWith(b15 + "Switched To(EIA)\r\n"));
    EXPECT_TRUE(blocks[8].startsWith(b15 + "Switched To Including Ngz Testing(EIA/PCR)\r\n" + b20 +
                                     "Number of Truly Infected Detected\r\n"));
    EXPECT_TRUE(blocks[8].endsWith("Totals          " + QString(13, ' ') + form.NGZ2.PM.Tot.caption()));
    EXPECT_TRUE(blocks[7].endsWith("\r\n"));
}

} // namespace
