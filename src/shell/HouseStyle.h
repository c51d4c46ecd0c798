#pragma once
// The look the program's screens share: cyan forms and labels, and the
// maker's two name labels at the top left.

#include "platform/Control.h"

#include <QColor>

#include <initializer_list>
#include <optional>

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

// The buttons of a chooser dialog (the instruction and graph choosers): each
// 1812 x 372 twips at its place, in the tab order given, from 1.
struct ChooserButtonDesign {
    platform::CommandButton& button;
    const char* caption;
    double left, top;
};

inline void designChooserButtons(std::initializer_list<ChooserButtonDesign> buttons,
                                 std::optional<QColor> back = std::nullopt)
{
    int tabIndex = 1;
    for (const ChooserButtonDesign& b : buttons) {
        b.button.designCaption(b.caption);
        b.button.designGeometry(b.left, b.top, 1812, 372);
        if (back)
            b.button.designBackColor(*back);
        b.button.designTabIndex(tabIndex++);
    }
}
