#pragma once
// Whether a label shows its whole caption, measured with the font it draws
// with: the caption laid out as QLabel lays it out (wrapped at word
// boundaries, a framed label's text indented) must lie inside the label, the
// label inside its container and its window's client area, and no run
// between blanks (a figure such as "2.200.000,00 $") may be split over two
// lines.

#include "platform/Form.h"
#include "platform/TextControls.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRegularExpression>
#include <QStringList>

#include <map>
#include <tuple>
#include <vector>

namespace testsupport {

// The area of a label its caption is laid out in, less a framed label's indent.
inline QRect captionArea(const QLabel& l)
{
    QRect area = l.contentsRect();
    int indent = l.indent();
    if (indent < 0 && l.frameWidth() > 0)
        indent = l.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    const Qt::Alignment a = l.alignment();
    if (indent > 0)
        area.adjust(a & Qt::AlignLeft ? indent : 0, a & Qt::AlignTop ? indent : 0,
                    a & Qt::AlignRight ? -indent : 0, a & Qt::AlignBottom ? -indent : 0);
    return area;
}

// Whether the widget lies inside its window's client area, where it can be
// seen: a frame that reaches past the window's edge does not take its
// captions with it.
inline bool insideClientArea(const QWidget& w)
{
    const auto* window = qobject_cast<const QMainWindow*>(w.window());
    const QWidget* client = window ? window->centralWidget() : nullptr;
    return !client || !client->isAncestorOf(&w) || client->rect().contains(QRect(w.mapTo(client, QPoint()), w.size()));
}

inline bool showsWholeText(const QLabel& l)
{
    const QRect area = captionArea(l);
    const int flags = int(l.alignment()) | (l.wordWrap() ? int(Qt::TextWordWrap) : 0);
    const bool insideContainer =
        (!l.parentWidget() || l.parentWidget()->rect().contains(l.geometry())) && insideClientArea(l);
    for (const QString& run : l.text().split(QRegularExpression("[ \\t\\n]+"), Qt::SkipEmptyParts))
        if (l.fontMetrics().horizontalAdvance(run) > area.width())
            return false;
    return insideContainer && area.contains(l.fontMetrics().boundingRect(area, flags, l.text()));
}

// Whether a one-line field shows its whole text: within the room QLineEdit
// gives it, its frame and a margin of 2 pixels either side.
inline bool showsWholeText(const QLineEdit& e)
{
    return e.fontMetrics().horizontalAdvance(e.text()) <= e.contentsRect().width() - 4 && insideClientArea(e);
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

// The labels and one-line fields of the form on screen whose text is
// lettered below `floor` points, as "form.name: text at size".
inline QStringList captionsBelow(platform::Form& form, double floor)
{
    QStringList small;
    for (platform::Control* c : form.controls()) {
        QWidget* w = c->widget();
        const auto* l = c->kind() == platform::ControlKind::Label ? qobject_cast<const QLabel*>(w) : nullptr;
        const auto* e = qobject_cast<const QLineEdit*>(w);
        const QString text = l ? l->text() : e ? e->text() : QString();
        if (text.trimmed().isEmpty() || !w->isVisibleTo(w->window()) || w->font().pointSizeF() >= floor)
            continue;
        small << QStringLiteral("%1.%2: \"%3\" at %4 pt").arg(form.name(), c->name(), text).arg(w->font().pointSizeF());
    }
    return small;
}

// The baseline of a label's first line as QLabel draws it, in its window's coordinates.
inline int baselineOf(const QLabel& l)
{
    const int flags = int(l.alignment()) | (l.wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect text = l.fontMetrics().boundingRect(captionArea(l), flags, l.text());
    return l.mapTo(l.window(), QPoint(0, text.top() + l.fontMetrics().ascent())).y();
}

// The captions (or one-line fields) on screen grouped by what they share: a
// row's cells share the top and height of their boxes, a column's their
// left, width and height; both share their container, font and alignment.
enum class Line { Row, Column };
using Cells = std::vector<std::pair<platform::Control*, const QWidget*>>;
inline std::vector<Cells> linesOf(platform::Form& form, Line line, platform::ControlKind kind)
{
    std::map<std::tuple<platform::Frame*, double, double, double, bool, int>, Cells> lines;
    for (platform::Control* c : form.controls()) {
        if (c->kind() != kind)
            continue;
        const QWidget* w = c->widget();
        const auto* l = qobject_cast<const QLabel*>(w);
        const auto* e = qobject_cast<const QLineEdit*>(w);
        if (!(l || e) || !w->isVisibleTo(w->window()) || (l ? l->text() : e->text()).trimmed().isEmpty())
            continue;
        const double across = line == Line::Row ? c->top() : c->left() * 1e6 + c->width();
        const int alignment = int(l ? l->alignment() : e->alignment());
        const auto key = std::tuple(c->container(), across, c->height(), c->fontSize(), c->fontBold(), alignment);
        lines[key].emplace_back(c, w);
    }
    std::vector<Cells> out;
    for (auto& [key, cells] : lines)
        if (cells.size() > 1)
            out.push_back(cells);
    return out;
}

// The captions on screen that do not stand on the baseline of their row, as
// "form.a / form.b at y and y'".
inline QStringList offTheirRow(platform::Form& form)
{
    QStringList off;
    for (const auto& row : linesOf(form, Line::Row, platform::ControlKind::Label)) {
        const auto& first = static_cast<const QLabel&>(*row.front().second);
        for (const auto& [c, w] : row)
            if (baselineOf(static_cast<const QLabel&>(*w)) != baselineOf(first))
                off << QStringLiteral("%1.%2 / %1.%3 at %4 and %5")
                           .arg(form.name(), row.front().first->name(), c->name())
                           .arg(baselineOf(first))
                           .arg(baselineOf(static_cast<const QLabel&>(*w)));
    }
    return off;
}

// The captions and one-line fields on screen lettered otherwise than the
// other cells of their column, as "form.a / form.b at size and size'".
inline QStringList unevenColumns(platform::Form& form)
{
    QStringList uneven;
    for (platform::ControlKind kind : {platform::ControlKind::Label, platform::ControlKind::TextBox})
        for (const auto& column : linesOf(form, Line::Column, kind))
            for (const auto& [c, w] : column)
                if (w->font() != column.front().second->font())
                    uneven << QStringLiteral("%1.%2 / %1.%3 at %4 and %5 pt")
                                  .arg(form.name(), column.front().first->name(), c->name())
                                  .arg(column.front().second->font().pointSizeF())
                                  .arg(w->font().pointSizeF());
    return uneven;
}

// Whether a caption or field is drawn on each pixel of `area` (in its
// window's coordinates), a label's background left out.
inline QImage captionInk(const QWidget& l, const QRect& area)
{
    QImage ink(area.size(), QImage::Format_ARGB32);
    ink.fill(Qt::transparent);
    const_cast<QWidget&>(l).render(&ink, l.mapTo(l.window(), QPoint()) - area.topLeft(), QRegion(),
                                  QWidget::RenderFlags());
    // A label that fills its background: only what differs from it is ink.
    const QRgb fill = qobject_cast<const QLabel*>(&l) && l.autoFillBackground()
                          ? l.palette().color(l.backgroundRole()).rgba()
                          : 0;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x)
            if (ink.pixel(x, y) == fill)
                ink.setPixel(x, y, 0);
    return ink;
}

// The pairs of captions and one-line fields on the form on screen that are
// drawn over each other, as "form.a / form.b". A field's ink is all of it,
// its frame and panel too.
inline QStringList overlappingCaptions(platform::Form& form)
{
    std::vector<std::pair<QString, const QWidget*>> shown;
    for (platform::Control* c : form.controls()) {
        const auto* l = c->kind() == platform::ControlKind::Label ? qobject_cast<const QLabel*>(c->widget()) : nullptr;
        const auto* e = qobject_cast<const QLineEdit*>(c->widget());
        if (l && l->isVisibleTo(l->window()) && !l->text().trimmed().isEmpty())
            shown.emplace_back(c->name(), l);
        if (e && e->isVisibleTo(e->window()))
            shown.emplace_back(c->name(), e);
    }
    const auto placed = [](const QWidget& l) { return QRect(l.mapTo(l.window(), QPoint()), l.size()); };
    const auto textOf = [](const QWidget& w) {
        const auto* l = qobject_cast<const QLabel*>(&w);
        return l ? l->text() : static_cast<const QLineEdit&>(w).text();
    };
    QStringList over;
    for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j) {
            const QWidget &a = *shown[i].second, &b = *shown[j].second;
            const QRect common = placed(a).intersected(placed(b));
            if (common.isEmpty())
                continue;
            const QImage inkA = captionInk(a, common), inkB = captionInk(b, common);
            bool clash = false;
            for (int y = 0; y < common.height() && !clash; ++y)
                for (int x = 0; x < common.width() && !clash; ++x)
                    clash = qAlpha(inkA.pixel(x, y)) > 0 && qAlpha(inkB.pixel(x, y)) > 0;
            if (clash)
                over << QStringLiteral("%1.%2 \"%3\" / %1.%4 \"%5\"")
                            .arg(form.name(), shown[i].first, textOf(a), shown[j].first, textOf(b));
        }
    return over;
}

} // namespace testsupport
