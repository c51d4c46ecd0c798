#pragma once
// The dotted rectangle that desktop programs draw round a control whose focus
// came by the keyboard, over the style's own, easily missed focus frame.

#include <QPainter>
#include <QPen>
#include <QStyle>
#include <QStyleOption>

namespace platform {

// Whether the control of the style option has the focus, and it came by the
// keyboard (or by code), not by a click.
inline bool hasKeyboardFocus(const QStyleOption& option)
{
    return (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
}

// The dotted rectangle just inside `r`.
inline void drawFocusDots(QPainter& painter, const QRect& r, const QColor& colour)
{
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace platform
