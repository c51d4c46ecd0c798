// The printed report of the projected PID screen: cases and cost per test,
// per NGZ option when the screen shows them, and without screening.
#include "app/Program.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "whatif/FrmSwitchToAnaly.h"
#include "whatif/ReportText.h"

namespace {

// The report's own test names, all ten characters, and the blanks after each:
// fixed per row, so the EIA figures stand further right than the others.
constexpr const char* TestName[ScrTestCount] = {"GenProbe  ", "EIA       ", "PCR Cervix",
                                                "PCR Urine ", "LCR Cervix", "LCR Urine "};
constexpr int TestGap[ScrTestCount] = {5, 12, 5, 6, 5, 6};
constexpr int NgzGap = 10;
constexpr int RowIndent = 20;
constexpr int CostGap = 5;
constexpr int NoScreeningIndent = 37;

QString Figures(platform::Label& cases, platform::Label& cost)
{
    return cases.caption() + Blanks(CostGap) + cost.caption();
}

QString Headings(std::initializer_list<const char*> lines)
{
    QString text;
    for (const char* line : lines)
        text += HeadingLine(QString::fromLatin1(line));
    return text;
}

} // namespace

void FrmSwitchToAnaly::mnuPrint_Click()
{
    QString tests = Headings({"Number of women who will develop PID, and the associated cost of PID,",
                              "under current screening and treatment strategies, with or ",
                              "without confirmation testing, and no NGZ testing:"});
    for (int row = 0; row < ScrTestCount; ++row)
        tests += Blanks(RowIndent) + TestName[row] + Blanks(TestGap[row]) +
                 Figures(*testCases[row], *testCost[row]) + CrLf;

    QString ngz = Headings({"Number of women who will develop PID, and the associated cost of PID,",
                            "under current screening and treatment strategies, with or ",
                            "without confirmation testing, with NGZ testing:"});
    for (int row = 0; row < NgzOptionCount; ++row)
        ngz += Blanks(RowIndent) + ngzNames[row]->caption() + Blanks(NgzGap) +
               Figures(*ngzCases[row], *ngzCost[row]) + CrLf;

    const QString noScreening = Headings({"Number of women who will develop PID, and the cost of PID,",
                                          "with no screening test performed: "}) +
                                Blanks(NoScreeningIndent) + Figures(lblNoScrNoWom, lblNoScrCOP);

    // A page too short for the sections goes on to the next by itself.
    platform::Printer& printer = runtime().printer();
    printer.setFontSize(14);
    printer.setFontBold(true);
    printer.print("Projected Cases of PID if you Changed Testing Strategies");
    printer.setFontSize(10);
    printer.setFontBold(false);
    printer.print(tests);
    if (lblNGZ1.visible())
        printer.print(ngz);
    printer.print(noScreening);
    printer.endDoc();
}
