// The printed reports of the cost and projection screens: what each asks of
// the printer, the exact text of its lines, and what reaches the paper.
#include "WhatIfScreens.h"
#include "whatif/FrmSwitchToAnaly.h"
#include "whatif/FrmSwitchToCost.h"

#include <QPageSize>
#include <QPrinter>
#include <QTest>

namespace {

using namespace whatif_test;

QString Blanks(int n) { return QString(n, ' '); }

// The non-empty lines of the PDF, blanks made single, pages run together.
QStringList PrintedLines(const QString& pdf)
{
    QStringList lines;
    for (const QString& line : pdftest::lines(pdf))
        if (!line.isEmpty())
            lines << line;
    return lines;
}

QStringList Simplified(const QStringList& texts)
{
    QStringList lines;
    for (const QString& text : texts)
        for (const QString& line : text.split("\r\n"))
            if (!line.trimmed().isEmpty())
                lines << line.simplified();
    return lines;
}

class Reports : public WhatIfTest {};

TEST_F(Reports, TheCostReportPrintsEveryColumnAndTheNgzOptionsOnAPageOfTheirOwn)
{
    struct Case {
        const char* programme;
        bool ngzPage;
    };
    const Case cases[] = {{"pcrc_noconfirm", false}, {"gp_pcr_confirm", true}, {"eia_dfa_noconfirm_costs", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programme);
        Program& p = switched(Acceptance(c.programme));
        FrmSwitchToCost& f = p.FrmSwitchToCost();
        f.show();
        activate(f);
        QTest::mouseClick(f.cmdPrint.widget(), Qt::LeftButton);

        QStringList calls{"size 14", "bold", "print", "size 10", "regular"};
        for (int i = 0; i < 8; ++i)
            calls << "print";
        if (c.ngzPage) {
            calls << "new page" << "bold" << "size 8" << "print" << "regular" << "size 10";
            for (int i = 0; i < 6; ++i)
                calls << "print";
        }
        calls << "end";
        EXPECT_EQ(recorder.calls, calls);
        ASSERT_EQ(recorder.texts.size(), c.ngzPage ? 16 : 9);

        // Section 3: GenProbe and EIA only; the EIA figure six places further right.
        EXPECT_EQ(recorder.texts[3].toStdString(),
                  (Blanks(15) + "Confirmation Testing Cost\r\n" + Blanks(20) + "GenProbe" + Blanks(32) +
                   f.lblST1CTS.caption() + "\r\n" + Blanks(20) + "EIA" + Blanks(43) + f.lblST2CTS.caption() + "\r\n")
                      .toStdString());
        for (int section = 1; section <= 8; ++section) {
            const QStringList lines = recorder.texts[section].split("\r\n");
            EXPECT_EQ(lines.last(), "") << "each section ends with its own line break";
            for (int row = 1; row < lines.size() - 1; ++row)
                EXPECT_EQ(lines[row].indexOf('$') >= 0 ? lines[row].indexOf('$') : lines[row].lastIndexOf(' ') + 1,
                          row == 2 ? 66 : 60)
                    << "section " << section << " row " << row;
        }
        if (c.ngzPage) {
            EXPECT_EQ(recorder.texts[11].toStdString(),
                      (Blanks(15) + "Total Cost to Screen, Treat, and do NGZ Testing\r\n" + Blanks(20) + "GP/PCR" +
                       Blanks(10) + f.lblCSTNGZ1.caption() + "\r\n" + Blanks(20) + "EIA/DFA" + Blanks(10) +
                       f.lblCSTNGZ2.caption() + "\r\n" + Blanks(20) + "EIA/PCR" + Blanks(10) + f.lblCSTNGZ3.caption() +
                       "\r\n")
                          .toStdString());
        }

        // On paper: every line, in order; the NGZ options start a page.
        EXPECT_EQ(PrintedLines(pdf()), Simplified(recorder.texts));
        const auto pages = pdftest::pages(pdf());
        const auto continued = std::find_if(pages.begin(), pages.end(), [](const QStringList& page) {
            return page.value(0) == "Cost if you Changed Testing Strategies continued";
        });
        EXPECT_EQ(continued != pages.end(), c.ngzPage);
        EXPECT_EQ(pages.front().value(0), "Cost if you Changed Testing Strategies");
    }
}

TEST_F(Reports, TheProjectionReportPrintsTestsNgzOptionsAndNoScreening)
{
    struct Case {
        const char* programme;
        bool ngz;
    };
    const Case cases[] = {{"pcrc_noconfirm", false}, {"eia_dfa_noconfirm_costs", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programme);
        Program& p = switched(Acceptance(c.programme));
        FrmSwitchToAnaly& f = p.FrmSwitchToAnaly();
        f.show();
        activate(f);
        QTest::keyClick(f.window(), Qt::Key_P, Qt::ControlModifier);

        QStringList calls{"size 14", "bold", "print", "size 10", "regular", "print"};
        if (c.ngz)
            calls << "print";
        calls << "print" << "end";
        EXPECT_EQ(recorder.calls, calls) << "no new page is ever started";
        ASSERT_EQ(recorder.texts.size(), c.ngz ? 4 : 3);
        EXPECT_EQ(recorder.texts[0], "Projected Cases of PID if you Changed Testing Strategies");

        const QString heading = Blanks(15) + "Number of women who will develop PID, and the associated cost of PID,\r\n" +
                                Blanks(15) + "under current screening and treatment strategies, with or \r\n" +
                                Blanks(15) + "without confirmation testing, ";
        auto row = [](const char* name, int gap, platform::Label& cases, platform::Label& cost) {
            return Blanks(20) + name + Blanks(gap) + cases.caption() + Blanks(5) + cost.caption() + "\r\n";
        };
        EXPECT_EQ(recorder.texts[1].toStdString(),
                  (heading + "and no NGZ testing:\r\n" + row("GenProbe  ", 5, f.lblGPNoWom, f.lblGPCOP) +
                   row("EIA       ", 12, f.lblEIANoWom, f.lblEIACOP) +
                   row("PCR Cervix", 5, f.lblPCRCNoWom, f.lblPCRCCOP) +
                   row("PCR Urine ", 6, f.lblPCRUNoWom, f.lblPCRUCOP) +
                   row("LCR Cervix", 5, f.lblLCRCNoWom, f.lblLCRCCOP) +
                   row("LCR Urine ", 6, f.lblLCRUNoWom, f.lblLCRUCOP))
                      .toStdString());
        if (c.ngz) {
            EXPECT_EQ(recorder.texts[2].toStdString(),
                      (heading + "with NGZ testing:\r\n" + row("GP/PCR", 10, f.lblNGZ1NoWom, f.lblNGZ1COP) +
                       row("EIA/DFA", 10, f.lblNGZ2NoWom, f.lblNGZ2COP) +
                       row("EIA/PCR", 10, f.lblNGZ3NoWom, f.lblNGZ3COP))
                          .toStdString());
        }
        EXPECT_EQ(recorder.texts.last().toStdString(),
                  (Blanks(15) + "Number of women who will develop PID, and the cost of PID,\r\n" + Blanks(15) +
                   "with no screening test performed: \r\n" + Blanks(37) + f.lblNoScrNoWom.caption() + Blanks(5) +
                   f.lblNoScrCOP.caption())
                      .toStdString())
            << "the last line has no line break of its own";

        EXPECT_EQ(PrintedLines(pdf()), Simplified(recorder.texts));
        EXPECT_EQ(pdftest::pageCount(pdf()), 1);
    }
}

// A report longer than the paper goes on over the next pages: no line runs
// off the bottom, and the NGZ options still begin a page of their own.
TEST_F(Reports, AReportLongerThanAPageContinuesOnTheNextPage)
{
    const QString path = folder.path() + "/small.pdf";
    platform::Printer smallPaper(dialogs, platform::Destination::systemPrinter(folder.path(), [path] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        // As wide as A4, so no line wraps, but a third as tall.
        printer->setPageSize(QPageSize(QSizeF(210, 100), QPageSize::Millimeter));
        return printer;
    }));
    Program& p = switched(Acceptance("gp_pcr_confirm"));
    p.runtime().setPrinter(&smallPaper);
    p.FrmSwitchToCost().menus.mnuPrint->trigger();
    p.runtime().setPrinter(&recorder);
    p.FrmSwitchToCost().menus.mnuPrint->trigger();

    EXPECT_EQ(PrintedLines(path), PrintedLines(pdf())) << "the same lines as on a page that holds them";
    EXPECT_GE(pdftest::pageCount(path), 4) << "the test sections run over several pages, the NGZ options follow";
    bool continuedOnNewPage = false;
    for (const QStringList& page : pdftest::pages(path))
        continuedOnNewPage |= page.value(0) == "Cost if you Changed Testing Strategies continued";
    EXPECT_TRUE(continuedOnNewPage);
    EXPECT_TRUE(dialogs.shown().empty()) << "nothing failed";
}

// "n/a" reaches the paper as the screen shows it.
TEST_F(Reports, ACostPerPositiveWithoutADivisorIsPrintedAsNotApplicable)
{
    Program& p = switched(Default(ScrTestKind::GenProbe, NgzTestKind::None,
                              [](VarCon& vc) { vc.PerFem18 = vc.PerFem1825 = vc.PerFem25 = 1 - vc.SpecGP; }));
    p.FrmSwitchToCost().menus.mnuPrint->trigger();
    const QStringList lines = PrintedLines(pdf());
    const auto section = lines.indexOf("Cost per True Positive Identified");
    ASSERT_GE(section, 0);
    EXPECT_EQ(lines.mid(section + 1, 6),
              QStringList({"GenProbe n/a", "EIA n/a", "PCR Cervix n/a", "PCR Urine n/a", "LCR Cervix n/a",
                           "LCR Urine n/a"}));
}

} // namespace
