#pragma once
// The one rule by which captions, fields and the captions under a chart's
// bars fit a text to its room rather than cut it short, and the one floor
// below which no text is lettered.

#include <QFont>
#include <QRect>

#include <functional>

namespace platform {

class Screen;

// The smallest size a caption, a field's text or a chart's caption is ever
// drawn at: 6 points, or 5 on a screen smaller than 1024 x 768 pixels, where
// forms laid out for that size are scaled down with everything on them.
double smallestLegiblePoints(const Screen& screen);

struct FittedText {
    QFont font;
    QRect box;
};

// Fits a text to its box: at its own font where it fits there, which costs
// one measure; else at the largest size down to three quarters of its own;
// else, where the control can grow, in the box grown into the free space
// around it; and there, or in its own box where it cannot grow, at the
// largest size down to the floor, and at the floor in letters narrowed down
// to three quarters of their width. Sizes go in quarter points; nothing is
// ever lettered below the floor, nor above its own size. `fits` tells
// whether the text shows whole at a font in a box; `grow` (may be empty)
// gives the box grown to show it whole at a font, as far as the room goes.
FittedText fitText(const QFont& own, const QRect& box, double floor,
                   const std::function<bool(const QFont&, const QRect&)>& fits,
                   const std::function<QRect(const QFont&)>& grow = {});

} // namespace platform
