#include "platform/TextControls.h"

#include "platform/FontFit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QRegularExpression>
#include <QVariant>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QSignalBlocker>
#include <algorithm>
#include <functional>
#include <cmath>

namespace platform {

// --- Label ---------------------------------------------------------------------------

QWidget* Label::createWidget(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(designAlign_);
    if (designBorder_)
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
    if (designTransparent_)
        l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

void Label::applyState()
{
    static_cast<QLabel*>(widget())->setText(caption_);
    boxOrFontChanged();
}

QString Label::caption() { ensureLoaded(); return caption_; }

void Label::setCaption(const QString& c)
{
    ensureLoaded();
    caption_ = c;
    if (auto* l = static_cast<QLabel*>(widget())) {
        l->setText(c);
        boxOrFontChanged();
    }
}

namespace {

// The rectangle a label of this geometry lays its text out in, as QLabel
// does: its contents, less the indent it gives a framed label's text.
QRect textArea(const QLabel& l, const QRect& geometry, const QFont& font)
{
    const QMargins frame = l.contentsMargins();
    QRect r = QRect(QPoint(0, 0), geometry.size()).marginsRemoved(frame);
    int indent = l.indent();
    if (indent < 0 && l.frameWidth() > 0)
        indent = QFontMetrics(font).horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0) {
        const Qt::Alignment a = l.alignment();
        if (a & Qt::AlignLeft) r.setLeft(r.left() + indent);
        if (a & Qt::AlignRight) r.setRight(r.right() - indent);
        if (a & Qt::AlignTop) r.setTop(r.top() + indent);
        if (a & Qt::AlignBottom) r.setBottom(r.bottom() - indent);
    }
    return r;
}

// The room the text takes in that area, wrapped at word boundaries; a word
// wider than the area overflows it rather than being broken.
QRect textExtent(const QLabel& l, const QRect& area, const QFont& font)
{
    const int flags = int(l.alignment()) | (l.wordWrap() ? int(Qt::TextWordWrap) : 0);
    return QFontMetrics(font).boundingRect(area, flags, l.text());
}

// The width of the caption's widest run between blanks, with half a blank
// either side. Such a run (a figure such as "2.200.000,00 $") is kept on one
// line: the line breaker would otherwise split a number at its group
// separator. The margin keeps figures in cells that touch apart.
int widestRun(const QLabel& l, const QFont& font)
{
    static const QRegularExpression blanks(QStringLiteral("[ \t\n]+"));
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& run : l.text().split(blanks, Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(run));
    return widest > 0 ? widest + metrics.horizontalAdvance(QLatin1Char(' ')) : 0;
}

// How many pixels the text at this font overflows the area across.
int overflowAcross(const QLabel& l, const QRect& area, const QFont& font)
{
    return std::max({0, textExtent(l, area, font).width() - area.width(), widestRun(l, font) - area.width()});
}

bool fitsAt(const QLabel& l, const QRect& geometry, const QFont& font)
{
    const QRect area = textArea(l, geometry, font);
    return area.contains(textExtent(l, area, font)) && overflowAcross(l, area, font) == 0;
}

// The last resort of a caption with no room to grow.
constexpr double kLeastPoints = 1.0;

QFont largestFitting(const QLabel& l, const QRect& geometry, const QFont& font, double smallest)
{
    return platform::largestFitting(font, smallest, [&](const QFont& f) { return fitsAt(l, geometry, f); });
}

// A label widget keeps the box its control gives it, apart from the
// geometry it grew to, so the labels beside it grow towards that box only.
const char* const kBoxProperty = "captionBox";

QRect boxOf(const QWidget& w)
{
    const QVariant box = w.property(kBoxProperty);
    return box.isValid() ? box.toRect() : w.geometry();
}

// How far a box may grow to each side before it meets its container's edge
// or the box of another control: nearly all the way to a control that stays
// as it is, half way to a label that may grow towards it too. A backdrop behind
// it does not stop it, and a hidden control keeps its
// place, so the labels grow the same whatever was shown first. Only controls
// beside the span [from, to] count.
struct Room {
    int before, after;
};

// Pixels a grown box keeps clear of a control that does not grow (a rule
// between columns), so its text does not run into it.
constexpr int kClearance = 3;

// Whether `other` stands beside the box in that direction. A box behind the
// label's middle is a backdrop; one that overlaps the label's edge more along
// the edge than across it (a cell that touches it, once the form's scaling has
// rounded both) is a neighbour all the same, so the label stops at its edge.
bool besideIn(Qt::Orientation direction, const QRect& box, const QRect& other)
{
    if (!other.intersects(box))
        return true;
    if (other.contains(box.center()))
        return false;
    const QRect common = other.intersected(box);
    return direction == Qt::Horizontal ? common.width() < common.height() : common.height() < common.width();
}

Room roomAcross(const QLabel& l, const QRect& box, Qt::Orientation direction, int from, int to)
{
    const QWidget* container = l.parentWidget();
    const bool horizontal = direction == Qt::Horizontal;
    const int low = horizontal ? box.left() : box.top(), high = horizontal ? box.right() : box.bottom();
    Room room{low, (horizontal ? container->width() : container->height()) - 1 - high};
    for (const QObject* o : container->children()) {
        const auto* other = qobject_cast<const QWidget*>(o);
        if (!other || other == &l || other->isWindow())
            continue;
        const QRect g = boxOf(*other);
        const int spanLow = horizontal ? g.top() : g.left(), spanHigh = horizontal ? g.bottom() : g.right();
        if (spanHigh < from || spanLow > to || !besideIn(direction, box, g))
            continue;
        const int otherLow = horizontal ? g.left() : g.top(), otherHigh = horizontal ? g.right() : g.bottom();
        const bool label = other->property(kBoxProperty).isValid();
        const auto roomTo = [label](int gap) { return label ? gap / 2 : gap - kClearance; };
        const int centre = horizontal ? box.center().x() : box.center().y();
        const int otherCentre = horizontal ? g.center().x() : g.center().y();
        if (otherCentre > centre)
            room.after = std::min(room.after, roomTo(otherLow - high - 1));
        else
            room.before = std::min(room.before, roomTo(low - otherHigh - 1));
    }
    room.before = std::max(0, room.before);
    room.after = std::max(0, room.after);
    return room;
}

// Splits `extra` pixels between the two sides: the preferred share first
// (all of it before, all after, or half each), then whatever one side lacks
// from the other, as far as the room goes.
std::pair<int, int> spread(int extra, const Room& room, double shareBefore)
{
    int before = std::min(room.before, int(std::ceil(extra * shareBefore)));
    int after = std::min(room.after, extra - before);
    before = std::min(room.before, extra - after);
    return {before, after};
}

// The box grown into the free space around it to hold the text at this
// font: wider where a word does not fit, then taller where the lines do not.
QRect grownBox(const QLabel& l, const QRect& box, const QFont& font)
{
    if (!l.parentWidget())
        return box;
    const Qt::Alignment a = l.alignment();
    const QRect area = textArea(l, box, font);
    const int extraWidth = overflowAcross(l, area, font);
    const double leftShare = a & Qt::AlignRight ? 1.0 : a & Qt::AlignHCenter ? 0.5 : 0.0;
    const auto [left, right] =
        spread(extraWidth, roomAcross(l, box, Qt::Horizontal, box.top(), box.bottom()), leftShare);
    const QRect wide = box.adjusted(-left, 0, right, 0);

    const QRect wideArea = textArea(l, wide, font);
    const int extraHeight = std::max(0, textExtent(l, wideArea, font).height() - wideArea.height());
    const double upShare = a & Qt::AlignBottom ? 1.0 : a & Qt::AlignVCenter ? 0.5 : 0.0;
    const auto [up, down] =
        spread(extraHeight, roomAcross(l, box, Qt::Vertical, wide.left(), wide.right()), upShare);
    return wide.adjusted(0, -up, 0, down);
}

} // namespace

void Label::boxOrFontChanged()
{
    auto* l = static_cast<QLabel*>(widget());
    if (!l)
        return;
    const QRect box = boxPixels();
    const QFont own = stateFont();
    QFont font = largestFitting(*l, box, own, smallestFitPoints(own.pointSizeF()));
    QRect geometry = box;
    if (!fitsAt(*l, box, font)) {
        geometry = grownBox(*l, box, font);
        // Where there is not room enough around it, a whole caption in a
        // small font still beats a cut one.
        font = largestFitting(*l, geometry, font, kLeastPoints);
    }
    l->setProperty(kBoxProperty, box);
    l->setFont(font);
    l->setGeometry(geometry);
}

// --- TextBox -------------------------------------------------------------------------

// A single-line box is a QLineEdit, a multi-line one a QPlainTextEdit that
// wraps at word boundaries; selections are counted in characters in both.
namespace {
QLineEdit* lineEdit(QWidget* w) { return qobject_cast<QLineEdit*>(w); }
QPlainTextEdit* textEdit(QWidget* w) { return qobject_cast<QPlainTextEdit*>(w); }

// The room a line edit gives its text: its width less the frame and the
// margin QLineEdit keeps either side, and room for the caret.
int lineRoom(const QLineEdit& e)
{
    const int frame = e.hasFrame() ? e.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &e) : 0;
    const QMargins margins = e.textMargins();
    constexpr int kLineEditMargin = 2;
    return e.width() - 2 * frame - 2 * kLineEditMargin - margins.left() - margins.right() - 1;
}

QFont largestShowingWhole(const QLineEdit& e, const QFont& font, double smallest)
{
    const int room = lineRoom(e);
    return platform::largestFitting(font, smallest,
                          [&](const QFont& f) { return QFontMetrics(f).horizontalAdvance(e.text()) <= room; });
}

void showText(QWidget* w, const QString& t)
{
    QSignalBlocker block(w);
    if (auto* e = lineEdit(w))
        e->setText(t);
    else if (auto* m = textEdit(w))
        m->setPlainText(t);
}

// The selection as (anchor, position); equal when nothing is selected.
std::pair<int, int> selection(QWidget* w)
{
    if (auto* e = lineEdit(w)) {
        if (!e->hasSelectedText())
            return {e->cursorPosition(), e->cursorPosition()};
        return {e->selectionStart(), e->selectionStart() + int(e->selectedText().size())};
    }
    if (auto* m = textEdit(w)) {
        const QTextCursor c = m->textCursor();
        return {c.selectionStart(), c.selectionEnd()};
    }
    return {0, 0};
}

void select(QWidget* w, int start, int length)
{
    if (auto* e = lineEdit(w)) {
        if (length > 0)
            e->setSelection(start, length);
        else
            e->setCursorPosition(start);
    } else if (auto* m = textEdit(w)) {
        QTextCursor c = m->textCursor();
        c.setPosition(start);
        c.setPosition(start + length, QTextCursor::KeepAnchor);
        m->setTextCursor(c);
    }
}
} // namespace

QWidget* TextBox::createWidget(QWidget* parent)
{
    if (multiLine_) {
        auto* m = new QPlainTextEdit(parent);
        m->setWordWrapMode(QTextOption::WordWrap);
        m->document()->setDefaultTextOption(QTextOption(designAlign_));
        QObject::connect(m, &QPlainTextEdit::textChanged, m, [this, m] {
            userEdited_ = true;
            edited(m->toPlainText());
        });
        return m;
    }
    auto* e = new QLineEdit(parent);
    e->setAlignment(designAlign_);
    QObject::connect(e, &QLineEdit::textChanged, e, [this] { boxOrFontChanged(); });
    // Only the user's edits reach here: the program writes with signals blocked.
    QObject::connect(e, &QLineEdit::textEdited, e, [this] { userEdited_ = true; });
    QObject::connect(e, &QLineEdit::textChanged, e, [this](const QString& t) { edited(t); });
    return e;
}

void TextBox::edited(const QString& t)
{
    if (t == text_)
        return;
    text_ = t;
    if (Change)
        Change();
}

void TextBox::resetState()
{
    text_ = designText_;
    userEdited_ = false;
    locked_ = designLocked_;
}

void TextBox::boxOrFontChanged()
{
    auto* e = lineEdit(widget());
    if (!e)
        return;
    const QFont own = stateFont();
    e->setFont(largestShowingWhole(*e, own, std::min(own.pointSizeF(), 6.0)));
}

void TextBox::applyState()
{
    showText(widget(), text_);
    boxOrFontChanged();
    setLocked(locked_);
    select(widget(), 0, 0);
}

QString TextBox::text() { ensureLoaded(); return text_; }

void TextBox::setText(const QString& t)
{
    ensureLoaded();
    const bool changed = t != text_;
    text_ = t;
    userEdited_ = false;
    showText(widget(), t);
    boxOrFontChanged();
    if (changed && Change)
        Change();
}

bool TextBox::userEdited() { ensureLoaded(); return userEdited_; }

int TextBox::selStart()
{
    ensureLoaded();
    return selection(widget()).first;
}

int TextBox::selLength()
{
    ensureLoaded();
    const auto [start, end] = selection(widget());
    return end - start;
}

void TextBox::setSelStart(int s)
{
    ensureLoaded();
    select(widget(), std::clamp(s, 0, int(text_.size())), 0);
}

void TextBox::setSelLength(int n)
{
    ensureLoaded();
    const int start = selection(widget()).first;
    select(widget(), start, std::clamp(n, 0, int(text_.size()) - start));
}

void TextBox::selectAll()
{
    ensureLoaded();
    select(widget(), 0, int(text_.size()));
}

bool TextBox::locked() { ensureLoaded(); return locked_; }

void TextBox::setLocked(bool l)
{
    ensureLoaded();
    locked_ = l;
    if (auto* e = lineEdit(widget()))
        e->setReadOnly(l);
    else if (auto* m = textEdit(widget()))
        m->setReadOnly(l);
}

} // namespace platform
