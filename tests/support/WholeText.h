#pragma once
// Whether a label shows its whole caption, measured with the font it draws
// with: the caption laid out as QLabel lays it out (wrapped at word
// boundaries, a framed label's text indented) must lie inside the label, the
// label inside its container, and no run between blanks (a figure such as
// "2.200.000,00 $") may be split over two lines.

#include "platform/Form.h"
#include "platform/TextControls.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>

namespace testsupport {

inline bool showsWholeText(const QLabel& l)
{
    QRect area = l.contentsRect();
    const QFontMetrics metrics = l.fontMetrics();
    int indent = l.indent();
    if (indent < 0 && l.frameWidth() > 0)
        indent = metrics.horizontalAdvance(QLatin1Char('x')) / 2;
    const Qt::Alignment a = l.alignment();
    if (indent > 0)
        area.adjust(a & Qt::AlignLeft ? indent : 0, a & Qt::AlignTop ? indent : 0,
                    a & Qt::AlignRight ? -indent : 0, a & Qt::AlignBottom ? -indent : 0);
    const int flags = int(a) | (l.wordWrap() ? int(Qt::TextWordWrap) : 0);
    const bool insideContainer = !l.parentWidget() || l.parentWidget()->rect().contains(l.geometry());
    for (const QString& run : l.text().split(QRegularExpression("[ \\t\\n]+"), Qt::SkipEmptyParts))
        if (metrics.horizontalAdvance(run) > area.width())
            return false;
    return insideContainer && area.contains(metrics.boundingRect(area, flags, l.text()));
}

// The labels of the form on screen whose caption shows cut, as
// "name: caption (font size)".
inline QStringList cutLabels(platform::Form& form)
{
    QStringList cut;
    for (platform::Control* c : form.controls()) {
        const auto* l = qobject_cast<const QLabel*>(c->widget());
        if (c->kind() != platform::ControlKind::Label || !l || l->text().isEmpty() || !l->isVisibleTo(l->window()))
            continue;
        if (!showsWholeText(*l))
            cut << QStringLiteral("%1.%2: \"%3\" at %4 pt in %5x%6")
                       .arg(form.name(), c->name(), l->text())
                       .arg(l->font().pointSizeF())
                       .arg(l->width())
                       .arg(l->height());
    }
    return cut;
}

} // namespace testsupport
