#include "platform/TextControls.h"

#include "platform/FontFit.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QStyle>
#include <QRegularExpression>
#include <QVariant>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QSignalBlocker>
#include <algorithm>
#include <functional>
#include <cmath>
#include <limits>

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
    refit();
}

QString Label::caption() { ensureLoaded(); return caption_; }

void Label::setCaption(const QString& c)
{
    ensureLoaded();
    if (c == caption_)
        return;
    caption_ = c;
    if (auto* l = static_cast<QLabel*>(widget())) {
        l->setText(c);
        refit();
    }
}

namespace {

// The rectangle a label of this geometry lays its text out in, as QLabel
// does: its contents within the frame, less the indent it gives a framed
// label's text (and before any drop to the baseline of its row).
QRect textArea(const QLabel& l, const QRect& geometry, const QFont& font)
{
    const int frameWidth = l.frameWidth();
    const QMargins frame(frameWidth, frameWidth, frameWidth, frameWidth);
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

// Whether a caption on one line, with a blank's margin, fits the area: the
// one measure most captions cost. The line's height is rounded up, as the
// label lays its text out, not to the nearest pixel.
bool fitsOnOneLine(const QLabel& l, const QRect& area, const QFont& font)
{
    const QFontMetrics metrics(font);
    return !l.text().contains(QLatin1Char('\n')) && std::ceil(QFontMetricsF(font).height()) <= area.height() &&
           metrics.horizontalAdvance(l.text() + QLatin1Char(' ')) <= area.width();
}

// Measuring a text is most of what fitting costs, and forms show the same
// captions at the same sizes load after load: each verdict is kept.
struct Measure {
    QString text;
    QFont font;
    QSize room;
    int flags;
    bool operator==(const Measure&) const = default;
};

size_t qHash(const Measure& m, size_t seed)
{
    return qHashMulti(seed, m.text, m.font, m.room.width(), m.room.height(), m.flags);
}

template <class Result = bool, class Measuring>
Result remembered(const Measure& m, Measuring measure)
{
    static QHash<Measure, Result> verdicts;
    if (const auto known = verdicts.constFind(m); known != verdicts.cend())
        return *known;
    constexpr qsizetype kMostKept = 20000;
    if (verdicts.size() >= kMostKept)
        verdicts.clear();
    return *verdicts.insert(m, measure());
}

bool fitsAt(const QLabel& l, const QRect& geometry, const QFont& font)
{
    const QRect area = textArea(l, geometry, font);
    return remembered({l.text(), font, area.size(), int(l.alignment()) | (l.wordWrap() ? Qt::TextWordWrap : 0)}, [&] {
        return fitsOnOneLine(l, area, font) ||
               (area.contains(textExtent(l, area, font)) && overflowAcross(l, area, font) == 0);
    });
}

// How far a box may grow to each side before it meets its container's edge
// or the box of another control: nearly all the way to a control that stays
// as it is, half way to one that may grow towards it too. A backdrop behind
// it does not stop it, and a hidden control keeps its place, so the controls
// grow the same whatever was shown first. Only controls beside the span
// [from, to] count.
struct Room {
    int before, after;
};

// Pixels a grown box keeps clear of a control that does not grow (a rule
// between columns), so its text does not run into it.
constexpr int kClearance = 3;

// Whether `other` stands beside the box in that direction. A box behind the
// control's middle is a backdrop; one that overlaps its edge more along the
// edge than across it (a cell that touches it, once the form's scaling has
// rounded both) is a neighbour all the same, so the control stops at its edge.
bool besideIn(Qt::Orientation direction, const QRect& box, const QRect& other)
{
    if (!other.intersects(box))
        return true;
    if (other.contains(box.center()))
        return false;
    const QRect common = other.intersected(box);
    return direction == Qt::Horizontal ? common.width() < common.height() : common.height() < common.width();
}

// The part of the control's container that can be seen, in the container's
// pixels: a frame that reaches past the window's client area shows only what
// lies inside it, and so does everything on it.
QRect seenRoom(Control& self)
{
    const QWidget* container = self.widget()->parentWidget();
    const QWidget* client = self.form().window() ? self.form().window()->centralWidget() : nullptr;
    QRect seen = container->rect();
    for (const QWidget* outer = container; outer != client && outer->parentWidget() && !outer->isWindow();) {
        outer = outer->parentWidget();
        seen &= QRect(container->mapFrom(outer, QPoint(0, 0)), outer->size());
    }
    return seen;
}

// The control's box as far as it can be seen; the whole box where none of it can.
QRect seenBox(Control& self)
{
    const QRect seen = self.boxPixels() & seenRoom(self);
    return seen.isEmpty() ? self.boxPixels() : seen;
}

Room roomAcross(Control& self, const QRect& box, Qt::Orientation direction, int from, int to)
{
    const QRect seen = seenRoom(self);
    const bool horizontal = direction == Qt::Horizontal;
    const int low = horizontal ? box.left() : box.top(), high = horizontal ? box.right() : box.bottom();
    Room room{low - (horizontal ? seen.left() : seen.top()), (horizontal ? seen.right() : seen.bottom()) - high};
    for (Control* other : self.form().controls()) {
        if (other == &self || other->container() != self.container() || !other->widget())
            continue;
        const bool grows = other->growsToFit(direction);
        const QRect g = grows ? other->boxPixels() : other->widget()->geometry();
        const int spanLow = horizontal ? g.top() : g.left(), spanHigh = horizontal ? g.bottom() : g.right();
        if (spanHigh < from || spanLow > to || !besideIn(direction, box, g))
            continue;
        const int otherLow = horizontal ? g.left() : g.top(), otherHigh = horizontal ? g.right() : g.bottom();
        const auto roomTo = [grows](int gap) { return grows ? gap / 2 : gap - kClearance; };
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

// The box widened into the free space beside it by `extra` pixels, as far as
// the room goes, on the side the alignment points away from.
QRect widened(Control& self, const QRect& box, int extra, Qt::Alignment a)
{
    if (extra <= 0)
        return box;
    const double leftShare = a & Qt::AlignRight ? 1.0 : a & Qt::AlignHCenter ? 0.5 : 0.0;
    const auto [left, right] = spread(extra, roomAcross(self, box, Qt::Horizontal, box.top(), box.bottom()), leftShare);
    return box.adjusted(-left, 0, right, 0);
}

// The box grown into the free space around it to hold the caption at this
// font: wider where a word does not fit, then taller where the lines do not.
QRect grownBox(Control& self, const QLabel& l, const QRect& box, const QFont& font)
{
    const Qt::Alignment a = l.alignment();
    const QRect wide = widened(self, box, overflowAcross(l, textArea(l, box, font), font), a);
    const QRect wideArea = textArea(l, wide, font);
    const int extraHeight = std::max(0, textExtent(l, wideArea, font).height() - wideArea.height());
    const double upShare = a & Qt::AlignBottom ? 1.0 : a & Qt::AlignVCenter ? 0.5 : 0.0;
    const auto [up, down] =
        spread(extraHeight, roomAcross(self, box, Qt::Vertical, wide.left(), wide.right()), upShare);
    return wide.adjusted(0, -up, 0, down);
}

double floorOf(Control& c) { return smallestLegiblePoints(c.form().runtime().screen()); }

// Where a top-aligned caption's first line can stand, in its container's
// pixels: from its baseline at the top of its text area down as far as the
// room below its lines allows.
struct BaselineSpan {
    int top, bottom;
};

BaselineSpan baselineSpan(const QLabel& l)
{
    const QRect area = textArea(l, l.geometry(), l.font());
    const int top = l.y() + area.top() + QFontMetrics(l.font()).ascent();
    const int flags = int(l.alignment()) | (l.wordWrap() ? int(Qt::TextWordWrap) : 0);
    const int height = remembered<int>({l.text(), l.font(), area.size(), flags},
                                       [&] { return textExtent(l, area, l.font()).height(); });
    return {top, top + std::max(0, area.height() - height)};
}

// Whether `a` is lettered smaller than `b`: a smaller size, or at one size narrower.
bool smallerLettering(const QFont& a, const QFont& b)
{
    const auto stretch = [](const QFont& f) { return f.stretch() == QFont::AnyStretch ? 100 : f.stretch(); };
    return a.pointSizeF() != b.pointSizeF() ? a.pointSizeF() < b.pointSizeF() : stretch(a) < stretch(b);
}

// The top-aligned captions of a row stand on one baseline: their own font's,
// as near as every one of them can come to it.
void alignRow(const std::vector<QLabel*>& row, int ownBaseline)
{
    int lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
    std::vector<BaselineSpan> spans;
    for (const QLabel* l : row) {
        spans.push_back(baselineSpan(*l));
        lowest = std::max(lowest, spans.back().top);
        highest = std::min(highest, spans.back().bottom);
    }
    const int baseline = std::max(lowest, std::min(ownBaseline, highest));
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int frame = row[i]->frameWidth();
        const int drop = std::clamp(baseline - spans[i].top, 0, spans[i].bottom - spans[i].top);
        row[i]->setContentsMargins(frame, frame + drop, frame, frame);
    }
}

} // namespace

void Label::fitContent()
{
    auto* l = static_cast<QLabel*>(widget());
    const QRect box = seenBox(*this);
    const FittedText fitted =
        fitText(stateFont(), box, floorOf(*this),
                [l](const QFont& f, const QRect& room) { return fitsAt(*l, room, f); },
                [this, l, box](const QFont& f) { return grownBox(*this, *l, box, f); });
    // The lettering waits for the column's (lineUp), so it is set once.
    fitFont_ = fitted.font;
    l->setGeometry(fitted.box);
}

void FittedTextControl::lineUp(Form& form, const std::vector<FittedTextControl*>& fitted)
{
    struct Cell {
        FittedTextControl* control;
        QRect box;
        bool columnDone = false, rowDone = false;
    };
    std::vector<Cell> cells;
    for (Control* c : form.controls())
        if (auto* t = dynamic_cast<FittedTextControl*>(c); t && t->fitFont_ && t->widget())
            cells.push_back({t, t->boxPixels()});
    const auto together = [](const Cell& a, const Cell& b) {
        return a.control->kind() == b.control->kind() && a.control->container() == b.control->container() &&
               a.control->sameFont(*b.control);
    };
    const auto sameColumn = [&together](const Cell& a, const Cell& b) {
        return a.box.left() == b.box.left() && a.box.size() == b.box.size() && together(a, b);
    };
    const auto sameRow = [&together](const Cell& a, const Cell& b) {
        return a.box.top() == b.box.top() && a.box.height() == b.box.height() && together(a, b);
    };
    const auto cellOf = [&cells](const FittedTextControl* t) {
        return std::find_if(cells.begin(), cells.end(), [t](const Cell& c) { return c.control == t; });
    };

    // A smaller lettering fits a cell wherever a larger one does: a column
    // takes the smallest its cells' own fits gave.
    std::vector<Cell*> changed;
    for (const FittedTextControl* t : fitted) {
        const auto self = cellOf(t);
        if (self == cells.end() || self->columnDone)
            continue;
        std::vector<Cell*> column;
        for (Cell& c : cells)
            if (sameColumn(c, *self)) {
                c.columnDone = true;
                column.push_back(&c);
            }
        QFont shared = *self->control->fitFont_;
        for (const Cell* c : column)
            if (smallerLettering(*c->control->fitFont_, shared))
                shared = *c->control->fitFont_;
        for (Cell* c : column) {
            QWidget* w = c->control->widget();
            const bool relettered = w->font() != shared;
            if (relettered)
                w->setFont(shared);
            if (relettered || std::find(fitted.begin(), fitted.end(), c->control) != fitted.end())
                changed.push_back(c);
        }
    }

    // Only captions stand on a row's baseline.
    for (const Cell* self : changed) {
        if (self->rowDone || self->control->kind() != ControlKind::Label)
            continue;
        std::vector<QLabel*> row;
        bool asDesigned = true;  // every caption at its own size, where its box stands
        for (Cell& c : cells)
            if (sameRow(c, *self)) {
                c.rowDone = true;
                auto* l = static_cast<QLabel*>(c.control->widget());
                if (l->alignment() & Qt::AlignTop)
                    row.push_back(l);
                asDesigned = asDesigned && l->y() == c.box.top() && l->font().pointSizeF() == c.control->fontSize();
            }
        if (asDesigned) {
            for (QLabel* l : row)
                if (const int frame = l->frameWidth(); l->contentsMargins().top() != frame)
                    l->setContentsMargins(frame, frame, frame, frame);
            continue;
        }
        const QFont own = self->control->stateFont();
        const auto* first = static_cast<const QLabel*>(self->control->widget());
        alignRow(row, self->box.top() + textArea(*first, self->box, own).top() + QFontMetrics(own).ascent());
    }
}

// --- TextBox -------------------------------------------------------------------------

// A single-line box is a QLineEdit, a multi-line one a QPlainTextEdit that
// wraps at word boundaries; selections are counted in characters in both.
namespace {
QLineEdit* lineEdit(QWidget* w) { return qobject_cast<QLineEdit*>(w); }
QPlainTextEdit* textEdit(QWidget* w) { return qobject_cast<QPlainTextEdit*>(w); }

// The room a line edit gives its text: its width less the frame and the
// margin QLineEdit keeps either side, and room for the caret.
int lineRoom(const QLineEdit& e, int width)
{
    const int frame = e.hasFrame() ? e.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &e) : 0;
    const QMargins margins = e.textMargins();
    constexpr int kLineEditMargin = 2;
    return width - 2 * frame - 2 * kLineEditMargin - margins.left() - margins.right() - 1;
}

// Whether the field's text shows whole at this font in a box of this width.
bool showsWholeAt(const QLineEdit& e, const QRect& box, const QFont& font)
{
    const int room = lineRoom(e, box.width());
    return remembered({e.text(), font, QSize(room, 0), 0},
                      [&] { return QFontMetrics(font).horizontalAdvance(e.text()) <= room; });
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
    QObject::connect(e, &QLineEdit::textChanged, e, [this] { refit(); });
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
    fitFont_.reset();
    userEdited_ = false;
    locked_ = designLocked_;
}

void TextBox::fitContent()
{
    auto* e = lineEdit(widget());
    if (!e)
        return;
    const QRect box = seenBox(*this);
    const FittedText fitted = fitText(
        stateFont(), box, floorOf(*this),
        [e](const QFont& f, const QRect& room) { return showsWholeAt(*e, room, f); },
        [this, e, box](const QFont& f) {
            const int extra = QFontMetrics(f).horizontalAdvance(e->text()) - lineRoom(*e, box.width());
            return widened(*this, box, extra, e->alignment());
        });
    // The lettering waits for the column's (lineUp), so it is set once.
    fitFont_ = fitted.font;
    e->setGeometry(fitted.box);
}

void TextBox::applyState()
{
    showText(widget(), text_);
    refit();
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
    refit();
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
