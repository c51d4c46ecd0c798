#include "switchto/SwitchToReport.h"

#include "platform/Printer.h"
#include "switchto/FrmSwitchTo.h"

namespace switchto {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString Blanks(int count) { return QString(count, QLatin1Char(' ')); }

QString Title(const QString& literal) { return Blanks(15) + literal + CrLf; }

QString Title(const QString& literal, platform::Label& name)
{
    return Blanks(15) + literal + "(" + name.caption() + ")" + CrLf;
}

// Four lines, one per cell: under 18, 18 to 25, over 25, all ages.
QString AgeLines(CountCells& cells, int totalsGap = 13)
{
    static const char* const literals[4] = {"Females under 18", "Females 18 to 25", "Female over 25  ",
                                            "Totals          "};
    const int gaps[4] = {4, 5, 5, totalsGap};
    QString text;
    for (int i = 0; i < 4; ++i)
        text += Blanks(25) + literals[i] + Blanks(gaps[i]) + cells[i].caption() + CrLf;
    return text;
}

QString Part(const char* heading, CountCells& cells, int totalsGap = 13)
{
    return Blanks(20) + heading + CrLf + AgeLines(cells, totalsGap);
}

QString FalsePositives(platform::Label& cell) { return Blanks(25) + "False Postives" + Blanks(9) + cell.caption() + CrLf; }

constexpr const char* Identified = "Number of Positives Identified";
constexpr const char* Detected = "Number of Truly Infected Detected";
constexpr const char* Missed = "Number of Positives Missed";

QString TestBlock(const QString& title, TestRowCells& row, int detectedTotalsGap)
{
    return Title(title, row.name) + Part(Identified, row.NP) + Part(Detected, row.ID, detectedTotalsGap) +
           Part(Missed, row.PM) + FalsePositives(row.FP);
}

QString NgzBlock(const QString& title, NgzRowCells& row) { return Title(title, row.name) + Part(Detected, row.ID) + Part(Missed, row.PM); }

void PageHeading(platform::Printer& printer, double points, const char* heading)
{
    printer.setFontBold(true);
    printer.setFontSize(points);
    printer.print(heading);
    printer.setFontBold(false);
    printer.setFontSize(10);
}

constexpr const char* Continued = "Results if you Changed Testing Strategies continued";

} // namespace

QStringList ReportBlocks(FrmSwitchTo& form)
{
    QStringList blocks;
    blocks << Title("Actual Number of Infected Women") + AgeLines(form.lblATI);
    blocks << TestBlock("Current Testing Strategy ", form.CT, 12);
    for (int k = 1; k <= 5; ++k)
        blocks << TestBlock("Switched To", form.testRow(k), 13);
    blocks << NgzBlock("Switched To Including NGZ Testing", form.NGZ1);
    QString last = NgzBlock("Switched To Including Ngz Testing", form.NGZ2);
    last.chop(CrLf.size());
    blocks << last;
    return blocks;
}

void PrintReport(FrmSwitchTo& form, platform::Printer& printer)
{
    const QStringList blocks = ReportBlocks(form);
    PageHeading(printer, 14, "Results if you Changed Testing Strategies");
    printer.print(blocks[0]);
    printer.print(blocks[1]);
    printer.newPage();
    PageHeading(printer, 8, Continued);
    for (int b : {2, 3, 4})
        printer.print(blocks[b]);
    printer.newPage();
    PageHeading(printer, 8, Continued);
    printer.print(blocks[5]);
    printer.print(blocks[6]);
    if (form.NGZ1.ID.c18.visible()) {
        printer.newPage();
        PageHeading(printer, 8, Continued);
        printer.print(blocks[7]);
        if (form.NGZ2.ID.c18.visible())
            printer.print(blocks[8]);
    }
    printer.endDoc();
}

} // namespace switchto
