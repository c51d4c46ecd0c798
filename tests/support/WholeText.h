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
#include <QLineEdit>
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

// Whether a one-line field shows its whole text: within the room QLineEdit
// gives it, its frame and a margin of 2 pixels either side.
inline bool showsWholeText(const QLineEdit& e)
{
    return e.fontMetrics().horizontalAdvance(e.text()) <= e.contentsRect().width() - 4;
}

// The labels and one-line fields of the form on screen whose text shows cut,
// as "form.name: text at size in width x height".
inline QStringList cutCaptions(platform::Form& form)
{
    QStringList cut;
    for (platform::Control* c : form.controls()) {
        QWidget* w = c->widget();
        if (!w || !w->isVisibleTo(w->window()))
            continue;
        const auto* l = c->kind() == platform::ControlKind::Label ? qobject_cast<const QLabel*>(w) : nullptr;
        const auto* e = qobject_cast<const QLineEdit*>(w);
        const QString text = l ? l->text() : e ? e->text() : QString();
        if (text.isEmpty() || (l && showsWholeText(*l)) || (e && showsWholeText(*e)))
            continue;
        cut << QStringLiteral("%1.%2: \"%3\" at %4 pt in %5x%6")
                   .arg(form.name(), c->name(), text)
                   .arg(w->font().pointSizeF())
                   .arg(w->width())
                   .arg(w->height());
    }
    return cut;
}

} // namespace testsupport
