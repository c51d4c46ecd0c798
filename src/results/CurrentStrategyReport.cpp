#include "results/CurrentStrategyReport.h"

#include "model/VarCon.h"
#include "platform/Numbers.h"
#include "platform/Printer.h"
#include "results/FrmScrResult.h"

namespace {

namespace numbers = platform::numbers;

const QString kCrLf = QStringLiteral("\r\n");

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

// A line of fixed indent and gaps: blanks(n) before each text.
QString line(std::initializer_list<std::pair<int, QString>> parts)
{
    QString s;
    for (const auto& [gap, text] : parts)
        s += blanks(gap) + text;
    return s + kCrLf;
}

QString percentOf(float share) { return numbers::generalFormat(static_cast<float>(share * 100.0f)) + QLatin1Char('%'); }
QString money(Money amount) { return numbers::formatCurrency(amount.toDouble()); }

QString population(FrmScrResult& f, const VarCon& vc)
{
    return line({{15, "Population Size"}})
           + line({{45, f.Label1.caption()}, {2, f.Label2.caption()}, {2, "Percentage Positive"}})
           + line({{20, f.Label3.caption()}, {5, f.lblNoScr18.caption()}, {25, f.lblNoPo18.caption()},
                   {15, percentOf(vc.PerFem18)}})
           + line({{20, f.Label4.caption()}, {6, f.lblNoScr1825.caption()}, {26, f.lblNoPo1825.caption()},
                   {15, percentOf(vc.PerFem1825)}})
           + line({{20, f.Label5.caption()}, {7, f.lblNoScr25.caption()}, {27, f.lblNoPo25.caption()},
                   {15, percentOf(vc.PerFem25)}})
           + line({{20, f.Label18.caption()}, {25, f.lblNoScrTotal.caption()}, {25, f.lblNoPosTotal.caption()}});
}

QString treatment(FrmScrResult& f, const VarCon& vc)
{
    return line({{15, "Treatment Strategy"}})
           + line({{20, "Azithromycin "}, {0, f.lblTxStraAzi.caption()}, {10, money(vc.CostAzi)}})
           + line({{20, "Doxycycline  "}, {0, f.lblTxStraDox.caption()}, {10, money(vc.CostDox)}});
}

QString screeningOutcome(FrmScrResult& f)
{
    return line({{15, "Screening Test"}}) + line({{20, f.lblScrTest1.caption()}})
           + line({{20, "Number of Truly Infected"}, {20, f.lblNoInf.caption()}})
           + line({{20, "Number of True Infections Found"}, {8, f.lblNoInFo.caption()}})
           + line({{20, "Number of True Infections Missed"}, {7, f.lblNoInMi.caption()}})
           + line({{20, "Number of False Positives"}, {20, f.lblNoFaPo.caption()}});
}

QString ngzOutcome(const QString& test, const QString& addInf, const QString& missed, const QString& falsePos)
{
    return line({{20, test}}) + line({{20, "Additional True Infections"}, {13, addInf}})
           + line({{20, "True Infections Missed"}, {17, missed}})
           + line({{20, "Additional False Positives"}, {13, falsePos}});
}

QString testingCosts(FrmScrResult& f)
{
    return line({{15, "Testing Cost"}}) + line({{20, f.lblScrTest2.caption()}})
           + line({{20, "Cost per Test"}, {42, f.lblCostTest.caption()}})
           + line({{20, "Cost for Screening"}, {32, f.lblCostScr.caption()}})
           + line({{40, "Cost to Confirm"}, {37, f.lblcc.caption()}})
           + line({{20, "Cost for Treatment"}, {32, f.lblCostTx.caption()}})
           + line({{20, "Cost to Screen and Treat"}, {21, f.lblCostTxScr.caption()}})
           + line({{20, "Cost to Screen, Confirm, and Treat"}, {4, f.lblsct.caption()}});
}

QString ngzCosts(const QString& test, const QString& addCost, const QString& total)
{
    return line({{20, test}}) + line({{20, "Additional NGZ Testing and Treatment Cost"}, {10, addCost}})
           + line({{20, "Total Cost to Screen, Treat, and do NGZ Testing"}, {4, total}});
}

QString pidFigures(const QString& women, const QString& cost)
{
    return line({{25, "Number of Women"}, {20, women}}) + line({{25, "Cost of PID"}, {20, cost}});
}

QString pidWithScreening(const char* ngzClause, const QString& test, const QString& women, const QString& cost)
{
    return line({{20, "Number of women who will develop PID, "}})
           + line({{20, "under current screening and treatment strategies, "}})
           + line({{20, QStringLiteral("with or without confirmation testing, %1:").arg(QLatin1String(ngzClause))}})
           + line({{25, test}}) + pidFigures(women, cost);
}

ReportPiece heading(const char* text, double size) { return {ReportPiece::Text, QString::fromLatin1(text), size, true}; }
ReportPiece body(const QString& text) { return {ReportPiece::Text, text, 10, false}; }

} // namespace

std::vector<ReportPiece> CurrentStrategyReport(FrmScrResult& f, const VarCon& vc)
{
    std::vector<ReportPiece> r;
    r.push_back(heading("Current Screening Strategy", 14));
    r.push_back(body(population(f, vc)));
    r.push_back(body(treatment(f, vc)));
    r.push_back(body(line({{15, "Cost per Case of PID"}, {10, money(vc.CostPID)}})));
    r.push_back(body(screeningOutcome(f)));
    const bool ngzShown = f.fraNGZtest.visible();
    if (ngzShown) {
        r.push_back(body(line({{15, "Negative Gray Zone(NGZ) Test"}})
                         + ngzOutcome(f.lblNgzTest.caption(), f.lblAddInf.caption(), f.lblInfMis.caption(),
                                      f.lblAdFaPo.caption())));
        if (!f.lblNgzTest2.caption().isEmpty())
            r.push_back(body(ngzOutcome(f.lblNgzTest2.caption(), f.lblAddInf2.caption(), f.lblInfMis2.caption(),
                                        f.lblAdFaPo2.caption())));
    }
    r.push_back(body(testingCosts(f)));
    if (!f.lblNGZScrTest.caption().isEmpty())
        r.push_back(body(line({{15, "NGZ Testing Cost"}})
                         + ngzCosts(f.lblNGZScrTest.caption(), f.lblAddCost.caption(), f.lblTotalCost.caption())));
    if (!f.lblNgzScrTest2.caption().isEmpty())
        r.push_back(body(ngzCosts(f.lblNgzScrTest2.caption(), f.lblAddCost2.caption(), f.lblTotalCost2.caption())));

    r.push_back({ReportPiece::NewPage, {}, 10, false});
    r.push_back(heading("Current Screening Strategy continued", 8));
    r.push_back(body(blanks(15) + QStringLiteral("Projected Cases of PID")));
    r.push_back(body(pidWithScreening("and no NGZ testing", f.lblScrTest3.caption(), f.lblNoPid.caption(),
                                      f.lblPidCost1.caption())));
    r.push_back(body(line({{20, f.Label20.caption()}}) + pidFigures(f.lblNoPID2.caption(), f.lblPIDCost2.caption())));
    if (f.labelPPNGZ.visible()) {
        r.push_back(body(pidWithScreening("with NGZ testing", f.lblScrTest4.caption(), f.lblNoPID3.caption(),
                                          f.lblPIDCost3.caption())));
        if (!f.lblNgzscrTest5.caption().isEmpty())
            r.push_back(body(line({{25, f.lblNgzscrTest5.caption()}})
                             + pidFigures(f.lblNoPid5.caption(), f.lblPidCost5.caption())));
    }
    return r;
}

void PrintReport(const std::vector<ReportPiece>& pieces, platform::Printer& printer)
{
    for (const ReportPiece& p : pieces) {
        if (p.kind == ReportPiece::NewPage) {
            printer.newPage();
            continue;
        }
        printer.setFontSize(p.fontSize);
        printer.setFontBold(p.bold);
        printer.print(p.text);
    }
    printer.endDoc();
}

void PrintCurrentStrategyReport(FrmScrResult& form, const VarCon& vc, platform::Printer& printer)
{
    PrintReport(CurrentStrategyReport(form, vc), printer);
}
