#pragma once
// The look the program's screens share: cyan forms and labels, and the
// maker's two name labels at the top left.

#include "platform/Control.h"

#include <QColor>

inline const QColor kCyan(0, 255, 255);

struct MakerLabelsDesign {
    double left;
    double acronymTop;
    double nameTop;
    double nameWidth;
    double acronymSize;   // points
    int acronymTab;
    int nameTab;
};

// "OHRA" above "Orvane Health Institute", both on cyan.
inline void designMakerLabels(platform::Label& acronym, platform::Label& name, const MakerLabelsDesign& d)
{
    // Wider than first drawn (852 twips), which cut the acronym off at these sizes.
    acronym.designGeometry(d.left, d.acronymTop, 1212, 492);
    acronym.designCaption("OHRA");
    acronym.designFont("Times New Roman", d.acronymSize);
    acronym.designBackColor(kCyan);
    acronym.designTabIndex(d.acronymTab);

    name.designGeometry(d.left, d.nameTop, d.nameWidth, 372);
    name.designCaption("Orvane Health Institute");
    name.designFont("Times New Roman", 7.5);
    name.designBackColor(kCyan);
    name.designTabIndex(d.nameTab);
}
