#include "platform/FontFit.h"

#include "platform/Screen.h"

#include <algorithm>
#include <cmath>

namespace platform {

double smallestLegiblePoints(const Screen& screen)
{
    const double widthPx = screen.widthTwips() / screen.twipsPerPixelX();
    const double heightPx = screen.heightTwips() / screen.twipsPerPixelY();
    return widthPx < 1024 || heightPx < 768 ? 5.0 : 6.0;
}

namespace {

QFont sized(QFont f, double points)
{
    f.setPointSizeF(points);
    return f;
}

// The largest size from `smallest` up to below `font`'s own, in quarter
// points, at which `fits` holds, the font's own size being known not to;
// `smallest` when it holds at none.
QFont largestBelow(const QFont& font, double smallest, const std::function<bool(const QFont&)>& fits)
{
    int low = 0, high = int(std::ceil((font.pointSizeF() - smallest) * 4));  // quarter points above smallest
    if (high <= 0 || !fits(sized(font, smallest)))
        return sized(font, smallest);
    while (high - low > 1) {  // low always fits, high never does
        const int mid = (low + high) / 2;
        (fits(sized(font, smallest + mid / 4.0)) ? low : high) = mid;
    }
    return sized(font, smallest + low / 4.0);
}

// The widest lettering, from kNarrowest to full width in percent, at which
// `fits` holds; kNarrowest when it holds at none.
constexpr int kNarrowest = 75;

QFont widestFitting(QFont font, const std::function<bool(const QFont&)>& fits)
{
    int low = kNarrowest, high = 100;  // high never fits
    font.setStretch(low);
    if (!fits(font))
        return font;
    while (high - low > 1) {
        const int mid = (low + high) / 2;
        font.setStretch(mid);
        (fits(font) ? low : high) = mid;
    }
    font.setStretch(low);
    return font;
}

} // namespace

FittedText fitText(const QFont& own, const QRect& box, double floor,
                   const std::function<bool(const QFont&, const QRect&)>& fits,
                   const std::function<QRect(const QFont&)>& grow)
{
    if (fits(own, box))
        return {own, box};
    const double ownPoints = own.pointSizeF();
    floor = std::min(floor, ownPoints);
    const auto fitsIn = [&fits](const QRect& room) { return [&fits, room](const QFont& f) { return fits(f, room); }; };
    // A little smaller first: a caption keeps its box as long as it can.
    const QFont shrunk = largestBelow(own, std::max(floor, ownPoints * 0.75), fitsIn(box));
    if (fits(shrunk, box))
        return {shrunk, box};
    const QRect room = grow ? grow(shrunk) : box;
    if (room != box && fits(shrunk, room))
        return {shrunk, room};
    const QFont smallest = largestBelow(shrunk, floor, fitsIn(room));
    if (fits(smallest, room))
        return {smallest, room};
    // At the floor the letters are narrowed rather than made smaller still:
    // a condensed figure reads where a smaller one would not.
    return {widestFitting(smallest, fitsIn(room)), room};
}

} // namespace platform
