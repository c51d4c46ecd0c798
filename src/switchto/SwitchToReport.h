#pragma once
// The comparison screen's printed report: the captions the screen shows, in
// nine text blocks on three pages, and a fourth page for the NGZ rows when
// the screen shows them. It computes nothing and changes nothing.

#include <QStringList>

class FrmSwitchTo;

namespace platform {
class Printer;
}

namespace switchto {

// The nine blocks, each one text with its lines ended by CR LF (all but the
// last line of the ninth).
QStringList ReportBlocks(FrmSwitchTo& form);

void PrintReport(FrmSwitchTo& form, platform::Printer& printer);

} // namespace switchto
