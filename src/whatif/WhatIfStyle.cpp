#include "whatif/WhatIfStyle.h"

#include "platform/Control.h"
#include "shell/HouseStyle.h"

namespace {
// One pixel at the design screen's 15 twips per pixel.
constexpr double RuleThickness = 15;
}

void DesignCell(platform::Label& label, double left, double top, double width, Qt::Alignment align, double height)
{
    label.designGeometry(left, top, width, height);
    label.designBackColor(kCyan);
    label.designAlignment(align | Qt::AlignTop);
}

void DesignHeading(platform::Label& label, const QString& caption, double left, double bottom, double width,
                   double height, Qt::Alignment align)
{
    DesignCell(label, left, bottom - height, width, align, height);
    label.designCaption(caption);
}

void DesignRule(platform::Shape& shape, Rule direction, double left, double top, double length)
{
    if (direction == Rule::Horizontal)
        shape.designGeometry(left, top, length, RuleThickness);
    else
        shape.designGeometry(left, top, RuleThickness, length);
    shape.designFill(Qt::black);
}

void DesignPictureButton(platform::CommandButton& button, const QString& picture, double left, double top,
                         double width, double height)
{
    button.designGeometry(left, top, width, height);
    button.designPicture(picture);
    button.designBackColor(Qt::white);
}

void DesignHiddenButton(platform::CommandButton& button, const QString& caption, double left, double top,
                        double width, double height)
{
    button.designGeometry(left, top, width, height);
    button.designCaption(caption);
    button.designVisible(false);
}

ResultMenuDesign WhatIfMenuDesign(ResultScreen own, const QString& screensSeparator)
{
    return {.withBack = false,
            .fileSeparator = "mnuSepp1",
            .screensMenu = "mnuResultScreens",
            .screensCaption = "&Result Screens",
            .screensEnabled = true,
            .testCaption = "Switch to Test",
            .costCaption = "Switch to Test Cost",
            .analysisCaption = "Switch to Test Analysis",
            // The cost screen's own, disabled item bears the screen's name.
            .costItem = own == ResultScreen::SwitchToCost ? "mnuSwToTestCost" : "mnuSwToCost",
            .screensSeparator = screensSeparator,
            .currentCaption = "Current Screening Strategy",
            .own = own,
            .withGraph = true};
}
