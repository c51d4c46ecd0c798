#include "shell/Resize.h"

#include "app/Program.h"
#include "platform/Runtime.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"

#include <cmath>
#include <limits>

namespace {
// Out of range, a conversion gives 0.
int16_t toInt16(double v) { return platform::numbers::toInt16(v).value_or(0); }

int32_t toInt32(double v) { return platform::numbers::toInt32(v).value_or(0); }

bool usable(double v) { return std::isfinite(v) && v >= 0; }
} // namespace

void ResizeForm(float ScaleX, float ScaleY, platform::Form& frm, ResizeModule& module)
{
    // Every caption is fitted once, to the boxes, fonts and form as they end up.
    const platform::Form::Settling settling(frm);
    auto& [sinceDesignX, sinceDesignY] = module.ScaleSinceDesign[&frm];
    if (module.FirstResize) {
        // The first scaling after a load starts from the design.
        sinceDesignX = ScaleX;
        sinceDesignY = ScaleY;
    } else {
        sinceDesignX *= ScaleX;
        sinceDesignY *= ScaleY;
    }
    const float mean = float((sinceDesignX + sinceDesignY) / 2);
    for (platform::Control* c : frm.controls()) {
        if (c->kind() == platform::ControlKind::Line)
            continue;  // a line has no position or size to scale
        if (c->kind() == platform::ControlKind::ComboBox) {
            // A combo box's height follows its font.
            const double l = c->left() * ScaleX, t = c->top() * ScaleY, w = c->width() * ScaleX;
            if (usable(w)) {
                c->setLeft(l);
                c->setTop(t);
                c->setWidth(w);
            }
        } else {
            const double l = c->left() * ScaleX, t = c->top() * ScaleY;
            const double w = c->width() * ScaleX, h = c->height() * ScaleY;
            if (usable(w) && usable(h))
                c->move(l, t, w, h);
        }
        if (c->hasFont()) {
            const double size = c->designFontSize() * mean;
            if (std::isfinite(size) && size > 0)
                c->setFontSize(size);
        }
    }
    if (module.FirstResize) {
        const double w = frm.width() * ScaleX, h = frm.height() * ScaleY;
        if (usable(w) && usable(h) && w > 0 && h > 0)
            frm.move(frm.left() * ScaleX, frm.top() * ScaleY, w, h);
    }
}

ScalingForm::ScalingForm(Program& program, QString name)
    : platform::Form(program.runtime(), std::move(name)), program(program)
{
}

void ScalingForm::scaleAndCentre(Centring centring)
{
    ResizeModule& m = program.resize;
    platform::Screen& screen = runtime().screen();
    DesignWidth = 1024;
    DesignHeight = 768;
    m.FirstResize = -1;
    m.ResizeReady = 0;
    m.TwipsX = toInt16(screen.twipsPerPixelX());
    m.TwipsY = toInt16(screen.twipsPerPixelY());
    if (m.TwipsX == 0 || m.TwipsY == 0)
        m.TwipsX = m.TwipsY = 15;
    m.ScreenHeightPx = toInt16(screen.heightTwips() / m.TwipsY);
    m.ScreenWidthPx = toInt16(screen.widthTwips() / m.TwipsX);
    const float ScaleX = float(double(m.ScreenWidthPx) / DesignWidth);
    const float ScaleY = float(double(m.ScreenHeightPx) / DesignHeight);
    ResizeForm(ScaleX, ScaleY, *this, m);
    OldHeight = toInt32(height());
    OldWidth = toInt32(width());
    smallestWidth_ = OldWidth / 8;
    smallestHeight_ = OldHeight / 8;
    const double raise = centring == Centring::Raised ? 100 : 0;
    move((screen.widthTwips() - width()) / 2, (screen.heightTwips() - height()) / 2 - raise);
}

void ScalingForm::maximiseWhereAsked()
{
    const ResizeModule& m = program.resize;
    if (m.ScreenWidthPx == 800 && m.ScreenHeightPx == 600)
        setWindowState(platform::WindowState::Maximized);
    if (program.vc.ScreenMax == 6)
        setWindowState(platform::WindowState::Maximized);
}

void ScalingForm::scalingPreamble(Centring centring)
{
    scaleAndCentre(centring);
    maximiseWhereAsked();
}

void ScalingForm::Form_Resize()
{
    ResizeModule& m = program.resize;
    if (!m.ResizeReady) {
        m.ResizeReady = -1;
        return;
    }
    const double w = width(), h = height();
    if (windowState() == platform::WindowState::Minimized || OldWidth <= 0 || OldHeight <= 0 ||
        w < smallestWidth_ || h < smallestHeight_)
        return;
    m.FirstResize = 0;
    const float ScaleX = float(w / OldWidth);
    const float ScaleY = float(h / OldHeight);
    ResizeForm(ScaleX, ScaleY, *this, m);
    OldHeight = toInt32(h);
    OldWidth = toInt32(w);
}
