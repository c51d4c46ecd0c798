// The printed report of the results screen.
#include "results/CurrentStrategyReport.h"

#include "results/ResultsFixture.h"

#include <QTest>

namespace {

QString b(int n) { return QString(n, QLatin1Char(' ')); }

class ReportTest : public results_test::ResultsTest {
protected:
    QString printed() const { return folder.path() + "/lines.pdf"; }
};

// The sections whose gaps differ from line to line, blank for blank.
TEST_F(ReportTest, SectionsHaveTheirCountedBlanks)
{
    FrmScrResult& f = resultsOf("eia_dfa_noconfirm_costs");
    const std::vector<ReportPiece> report = CurrentStrategyReport(f, program().vc);
    QStringList texts;
    for (const ReportPiece& p : report)
        texts << p.text;
    const QString crlf = "\r\n";

    EXPECT_TRUE(texts.contains(b(15) + "Population Size" + crlf                                                //
                               + b(45) + "Number Screened" + b(2) + "Number Positive" + b(2) + "Percentage Positive" + crlf
                               + b(20) + "Females under 18" + b(5) + "800" + b(25) + "80" + b(15) + "10%" + crlf
                               + b(20) + "Females 18 to 25" + b(6) + "2,600" + b(26) + "182" + b(15) + "7%" + crlf
                               + b(20) + "Females over 25" + b(7) + "6,100" + b(27) + "183" + b(15) + "3%" + crlf
                               + b(20) + "Total" + b(25) + "9,500" + b(25) + "445" + crlf));
    EXPECT_TRUE(texts.contains(b(15) + "Treatment Strategy" + crlf                    //
                               + b(20) + "Azithromycin 40%" + b(10) + "$8.25" + crlf  //
                               + b(20) + "Doxycycline  60%" + b(10) + "$1.75" + crlf));
    EXPECT_TRUE(texts.contains(b(15) + "Cost per Case of PID" + b(10) + "$1,200.00" + crlf));
    EXPECT_TRUE(texts.contains(b(15) + "Testing Cost" + crlf + b(20) + "EIA" + crlf                      //
                               + b(20) + "Cost per Test" + b(42) + "$2.75" + crlf                        //
                               + b(20) + "Cost for Screening" + b(32) + "$26,125.00" + crlf              //
                               + b(40) + "Cost to Confirm" + b(37) + crlf                                //
                               + b(20) + "Cost for Treatment" + b(32) + "$1,355.00" + crlf               //
                               + b(20) + "Cost to Screen and Treat" + b(21) + "$27,480.00" + crlf        //
                               + b(20) + "Cost to Screen, Confirm, and Treat" + b(4) + crlf));
    EXPECT_TRUE(texts.contains(b(20) + "PCR on EIA" + crlf                                               //
                               + b(20) + "Additional NGZ Testing and Treatment Cost" + b(10) + "$350.00" + crlf
                               + b(20) + "Total Cost to Screen, Treat, and do NGZ Testing" + b(4) + "$27,830.00" + crlf));

    // Page 2: the heading and the line after it are not followed by a blank line.
    const auto page2 = std::find_if(report.begin(), report.end(),
                                    [](const ReportPiece& p) { return p.kind == ReportPiece::NewPage; });
    ASSERT_NE(page2, report.end());
    ASSERT_GE(report.end() - page2, 4);
    EXPECT_EQ(page2[1].text, "Current Screening Strategy continued");
    EXPECT_EQ(page2[1].fontSize, 8);
    EXPECT_TRUE(page2[1].bold);
    EXPECT_EQ(page2[2].text, b(15) + "Projected Cases of PID");
    EXPECT_EQ(page2[3].text, b(20) + "Number of women who will develop PID, " + crlf                       //
                                 + b(20) + "under current screening and treatment strategies, " + crlf      //
                                 + b(20) + "with or without confirmation testing, and no NGZ testing:" + crlf
                                 + b(25) + "EIA" + crlf + b(25) + "Number of Women" + b(20) + "49" + crlf
                                 + b(25) + "Cost of PID" + b(20) + "$58,452.00" + crlf);
    EXPECT_EQ(report.front().text, "Current Screening Strategy");
    EXPECT_EQ(report.front().fontSize, 14);
    for (auto p = report.begin() + 1; p != report.end(); ++p) {
        if (p != page2 + 1 && p->kind == ReportPiece::Text) {
            EXPECT_TRUE(p->fontSize == 10 && !p->bold) << p->text.toStdString();
        }
    }
}

// The positivity rates are read from the model when the report is printed,
// as percentages in their shortest text.
TEST_F(ReportTest, PositivityPrintsAsAPercentage)
{
    const std::pair<float, QString> cases[] = {{0.12f, "12%"}, {0.085f, "8.5%"}, {0.0f, "0%"}, {1.0f, "100%"}};
    FrmScrResult& f = resultsOf("pcrc_noconfirm");
    for (const auto& [rate, shown] : cases) {
        SCOPED_TRACE(shown.toStdString());
        program().vc.PerFem25 = rate;
        const QString population = CurrentStrategyReport(f, program().vc).at(1).text;
        EXPECT_TRUE(population.contains(b(15) + shown + "\r\n" + b(20) + "Total")) << population.toStdString();
    }
}

// What reaches the paper: two pages in the monospaced face, with the NGZ
// rows of the screening test and nothing of the others.
TEST_F(ReportTest, PrintsTwoPagesWithTheRowsOfTheScreeningTest)
{
    struct Case {
        const char* programme;
        int outcomeRows;   // NGZ outcome rows on page 1
        int costRows;      // NGZ cost rows on page 1
        bool pidWithNgz;   // the PID-with-NGZ section on page 2
        QString lastLine;
        QString confirmLine;
    };
    const Case cases[] = {
        {"gp_pcr_confirm", 1, 1, true, "Cost of PID $118,843.00", "Cost to Confirm $4,601.00"},
        {"eia_dfa_noconfirm_costs", 2, 2, true, "Cost of PID $54,747.00", "Cost to Confirm"},
        {"pcrc_noconfirm", 0, 0, false, "Cost of PID $78,284.00", "Cost to Confirm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programme);
        FrmScrResult& f = resultsOf(c.programme);
        QTest::mouseClick(f.cmdPrint.widget(), Qt::LeftButton);

        ASSERT_EQ(pdftest::pageCount(printed()), 2);
        const std::vector<QStringList> pages = pdftest::pages(printed());
        const QStringList& one = pages.at(0);
        const QStringList& two = pages.at(1);
        EXPECT_EQ(one.first(), "Current Screening Strategy");
        EXPECT_EQ(one.filter("Additional True Infections").size(), c.outcomeRows);
        EXPECT_EQ(one.filter("Total Cost to Screen, Treat, and do NGZ Testing").size(), c.costRows);
        EXPECT_EQ(one.filter("Negative Gray Zone(NGZ) Test").size(), c.outcomeRows > 0 ? 1 : 0);
        EXPECT_TRUE(one.contains(c.confirmLine));
        EXPECT_TRUE(one.contains("Cost to Screen, Confirm, and Treat") || c.confirmLine != "Cost to Confirm");

        ASSERT_GE(two.size(), 3);
        EXPECT_EQ(two[0], "Current Screening Strategy continued");
        EXPECT_EQ(two[1], "Projected Cases of PID");
        EXPECT_EQ(two[2], "Number of women who will develop PID,");
        EXPECT_EQ(two.filter("with NGZ testing:").size(), c.pidWithNgz ? 1 : 0);
        EXPECT_EQ(two.last(), c.lastLine);

        const QString fonts = pdftest::fonts(printed());
        EXPECT_TRUE(fonts.contains("LiberationMono-Bold")) << fonts.toStdString();
        EXPECT_TRUE(fonts.contains("LiberationMono ") || fonts.contains("LiberationMono-Regular"))
            << fonts.toStdString();
        f.unload();
    }
}

} // namespace
