#pragma once
// The design pieces the cost and projection screens share: cyan table cells,
// thin ruling lines and the white picture buttons.
#include "results/ResultScreens.h"

#include <QString>
#include <Qt>

namespace platform {
class Label;
class Shape;
class CommandButton;
}

// A label of a table: cyan like the form, one text line high unless given.
void DesignCell(platform::Label& label, double left, double top, double width, Qt::Alignment align,
                double height = 252);
// A table heading whose bottom edge lies at `bottom`.
void DesignHeading(platform::Label& label, const QString& caption, double left, double bottom, double width,
                   double height, Qt::Alignment align);
// A ruling line: horizontal when `length` runs along x, one pixel thick.
enum class Rule { Horizontal, Vertical };
void DesignRule(platform::Shape& shape, Rule direction, double left, double top, double length);
// A picture button without caption on white (":/arrow_left.png" and the like).
void DesignPictureButton(platform::CommandButton& button, const QString& picture, double left, double top,
                         double width, double height);
// A text button that nothing ever shows; its command is reached by a menu.
void DesignHiddenButton(platform::CommandButton& button, const QString& caption, double left, double top,
                        double width, double height);

// The menus of the cost and projection screens, which differ only in the
// screen they stand for and the name of one separator.
ResultMenuDesign WhatIfMenuDesign(ResultScreen own, const QString& screensSeparator);
