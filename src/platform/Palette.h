#pragma once
// Colours that can be read: the WCAG contrast of two colours and the greyed
// text of disabled controls and menus, darkened until it reads on its ground.

#include <QColor>

class QWidget;

namespace platform {

// WCAG contrast of two colours, from 1 (alike) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);

// The style's grey for disabled text, darkened (or on a dark field lightened)
// until it can be read against the field: at least 4.5:1.
QColor readableDisabledText(QColor text, const QColor& field);

// Gives the widget's disabled texts (window, button and field text) a grey
// that reads on each ground its palette paints: the menu bar and menus, whose
// style greys them too faintly.
void makeDisabledTextReadable(QWidget* w);

} // namespace platform
