#include "platform/FontFit.h"

namespace platform {

namespace {

QFont sized(QFont f, double points)
{
    f.setPointSizeF(points);
    return f;
}

} // namespace

QFont largestFitting(const QFont& font, double smallest, const std::function<bool(const QFont&)>& fits)
{
    if (fits(font))
        return font;
    int low = 0, high = int((font.pointSizeF() - smallest) * 4);  // quarter points above smallest
    if (high <= 0 || !fits(sized(font, smallest)))
        return sized(font, smallest);
    while (high - low > 1) {  // low always fits, high never does
        const int mid = (low + high) / 2;
        (fits(sized(font, smallest + mid / 4.0)) ? low : high) = mid;
    }
    return sized(font, smallest + low / 4.0);
}

} // namespace platform
