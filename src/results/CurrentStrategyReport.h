#pragma once
// The two-page "Current Screening Strategy" report: what the results screen
// shows, as plain text lines whose columns are counted runs of blanks.

#include <QString>
#include <QStringList>

#include <vector>

class FrmScrResult;
struct VarCon;

namespace platform {
class Printer;
}

// One piece of the report as it goes to the printer: a text printed in one
// operation (its lines separated by CR LF), in a size and weight, or a page break.
struct ReportPiece {
    enum Kind { Text, NewPage } kind = Text;
    QString text;
    double fontSize = 10;
    bool bold = false;
};

// The report of what the screen shows now; the six inputs it prints (the
// positivity rates, the drug and PID costs) come from the model state.
std::vector<ReportPiece> CurrentStrategyReport(FrmScrResult& form, const VarCon& vc);

// Prints the pieces as one document.
void PrintReport(const std::vector<ReportPiece>& pieces, platform::Printer& printer);

void PrintCurrentStrategyReport(FrmScrResult& form, const VarCon& vc, platform::Printer& printer);
