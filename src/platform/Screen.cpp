#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {
// Twips per pixel follow the logical resolution: 15 at 96 dots per inch.
double twipsPerPixelFor(double dpi) { return dpi > 0 ? 1440.0 / dpi : 15.0; }
QScreen* primary() { return QGuiApplication::primaryScreen(); }
} // namespace

double QtScreen::twipsPerPixelX() const
{
    return primary() ? twipsPerPixelFor(primary()->logicalDotsPerInchX()) : 15.0;
}

double QtScreen::twipsPerPixelY() const
{
    return primary() ? twipsPerPixelFor(primary()->logicalDotsPerInchY()) : 15.0;
}

double QtScreen::widthTwips() const
{
    return (primary() ? primary()->geometry().width() : 1024) * twipsPerPixelX();
}

double QtScreen::heightTwips() const
{
    return (primary() ? primary()->geometry().height() : 768) * twipsPerPixelY();
}

} // namespace platform
