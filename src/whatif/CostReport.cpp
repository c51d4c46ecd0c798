// The printed report of the switch-to costs screen: the captions of its
// table, column by column, the NGZ options on a page of their own.
#include "app/Program.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "whatif/FrmSwitchToCost.h"
#include "whatif/ReportText.h"

namespace {

// Blanks between a test's name and its figure: fixed per row, so the EIA
// figure stands further right than the others.
constexpr int TestGap[ScrTestCount] = {32, 43, 30, 31, 30, 31};
constexpr int NgzGap = 10;
constexpr int RowIndent = 20;

QString Row(const QString& name, int gap, const QString& value)
{
    return Blanks(RowIndent) + name + Blanks(gap) + value + CrLf;
}

template <std::size_t N>
QString Section(const QString& title, const std::array<platform::Label*, N>& names,
                const std::array<platform::Label*, N>& values, int rows, const int* gaps, int sameGap = 0)
{
    QString text = HeadingLine(title);
    for (int row = 0; row < rows; ++row)
        text += Row(names[row]->caption(), gaps ? gaps[row] : sameGap, values[row]->caption());
    return text;
}

} // namespace

void FrmSwitchToCost::mnuPrint_Click()
{
    auto tests = [this](const QString& title, const TestColumn& values, int rows = ScrTestCount) {
        return Section(title, rowNames, values, rows, TestGap);
    };
    auto ngz = [this](const QString& title, const NgzColumn& values) {
        return Section(title, ngzNames, values, NgzOptionCount, nullptr, NgzGap);
    };
    const TestColumn confirmation{&lblST1CTS, &lblST2CTS};
    const QString testSections[] = {
        tests("Cost per Test", costPerTest),
        tests("Initial Screening Cost", initialScreening),
        tests("Confirmation Testing Cost", confirmation, 2),
        tests("Drug Treatment Cost", drugTreatment),
        tests("Total Cost to Screen and Treat", screenAndTreat),
        tests("Total Cost to Screen, Confirm and Treat", confirmScreenAndTreat),
        tests("Missed Positives", missedPositives),
        tests("Cost per True Positive Identified", perTruePositive),
    };
    const QString ngzSections[] = {
        ngz("Additional NGZ Testing and Treatment Cost", ngzAdditional),
        ngz("Total Cost to Screen, Treat, and do NGZ Testing", ngzScreenTreat),
        ngz("Total Cost to Screen, Confirm, Treat, and do NGZ Testing", ngzScreenConfirmTreat),
        ngz("Missed Positives", ngzMissed),
        ngz("Cost per Additional True Positive Identified", ngzPerAdditional),
        ngz("Total Cost per True Positive Identified", ngzPerTruePositive),
    };

    // A page too short for the sections goes on to the next by itself.
    platform::Printer& printer = runtime().printer();
    printer.setFontSize(14);
    printer.setFontBold(true);
    printer.print("Cost if you Changed Testing Strategies");
    printer.setFontSize(10);
    printer.setFontBold(false);
    for (const QString& section : testSections)
        printer.print(section);
    if (labeltitle1.visible()) {
        printer.newPage();
        printer.setFontBold(true);
        printer.setFontSize(8);
        printer.print("Cost if you Changed Testing Strategies continued");
        printer.setFontBold(false);
        printer.setFontSize(10);
        for (const QString& section : ngzSections)
            printer.print(section);
    }
    printer.endDoc();
}
