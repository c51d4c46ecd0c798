#include "platform/Control.h"

#include "platform/Form.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

namespace platform {

namespace {
int px(double twips, double tpp) { return int(std::lround(twips / tpp)); }

void setBackground(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Button, c);
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setForeground(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}
} // namespace

Control::Control(Form& form, QString name, ControlKind kind)
    : form_(form), name_(std::move(name)), kind_(kind)
{
    form_.addControl(this);
}

Control::~Control() = default;

// --- design ------------------------------------------------------------------------

void Control::designGeometry(double left, double top, double width, double height)
{
    design_.left = left;
    design_.top = top;
    design_.width = width;
    design_.height = height;
}

void Control::designFont(const QString& name, double size, bool bold, bool italic)
{
    design_.font.name = name;
    design_.font.size = size;
    design_.font.bold = bold;
    design_.font.italic = italic;
}

void Control::designFontSize(double size) { design_.font.size = size; }
void Control::designBold(bool bold) { design_.font.bold = bold; }
void Control::designItalic(bool italic) { design_.font.italic = italic; }
void Control::designUnderline(bool underline) { design_.font.underline = underline; }
void Control::designBackColor(QColor c) { design_.back = c; }
void Control::designForeColor(QColor c) { design_.fore = c; }

void Control::designTabIndex(int index, bool tabStop)
{
    design_.tabIndex = index;
    design_.tabStop = tabStop;
}

void Control::designVisible(bool visible) { design_.visible = visible; }
void Control::designEnabled(bool enabled) { design_.enabled = enabled; }
void Control::designContainer(Frame& frame) { container_ = &frame; }

// --- life with the form -----------------------------------------------------------------

void Control::ensureLoaded() { form_.load(); }
double Control::twipsPerPixelX() const { return form_.twipsPerPixelX(); }
double Control::twipsPerPixelY() const { return form_.twipsPerPixelY(); }

void Control::create(QWidget* parent)
{
    state_ = design_;
    if (state_.font.name.isEmpty())
        state_.font.name = form_.design().fontName;
    if (state_.font.size <= 0)
        state_.font.size = form_.design().fontSize;
    resetState();
    widget_ = createWidget(parent);
    widget_->setProperty("controlName", name_);
    // Focus moves are the form's to make (it validates first), so no widget
    // takes the focus on a click by itself.
    widget_->setFocusPolicy(canHoldFocus() ? Qt::TabFocus : Qt::NoFocus);
    applyGeometry();
    if (hasFont())
        applyFont();
    applyColors();
    applyState();
    widget_->setEnabled(state_.enabled);
    widget_->setVisible(state_.visible);
}

void Control::destroy() { widget_ = nullptr; }

void Control::applyGeometry()
{
    if (!widget_)
        return;
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    int h = std::max(0, px(state_.height, ty));
    if (kind_ == ControlKind::ComboBox)
        h = widget_->sizeHint().height();
    widget_->setGeometry(px(state_.left, tx), px(state_.top, ty),
                         std::max(0, px(state_.width, tx)), h);
}

void Control::applyFont()
{
    if (!widget_)
        return;
    QFont f(state_.font.name);
    f.setPointSizeF(std::max(1.0, state_.font.size));
    f.setBold(state_.font.bold);
    f.setItalic(state_.font.italic);
    f.setUnderline(state_.font.underline);
    widget_->setFont(f);
    if (kind_ == ControlKind::ComboBox)
        applyGeometry();
}

void Control::applyColors()
{
    if (!widget_)
        return;
    if (state_.back)
        setBackground(widget_, *state_.back);
    if (state_.fore)
        setForeground(widget_, *state_.fore);
}

bool Control::isTabTarget() const
{
    if (!widget_ || !canHoldFocus() || !state_.tabStop || !state_.enabled)
        return false;
    QWidget* top = widget_->window();
    return widget_->isVisibleTo(top) && widget_->isEnabled();
}

void Control::raiseClick()
{
    if (Click)
        Click();
}

// --- properties -----------------------------------------------------------------------

double Control::left() { ensureLoaded(); return state_.left; }
double Control::top() { ensureLoaded(); return state_.top; }
double Control::width() { ensureLoaded(); return state_.width; }

double Control::height()
{
    ensureLoaded();
    if (kind_ == ControlKind::ComboBox && widget_)
        return widget_->height() * twipsPerPixelY();
    return state_.height;
}

void Control::move(double left, double top, double width, double height)
{
    ensureLoaded();
    state_.left = left;
    state_.top = top;
    state_.width = width;
    state_.height = height;
    applyGeometry();
}

void Control::setLeft(double v) { ensureLoaded(); state_.left = v; applyGeometry(); }
void Control::setTop(double v) { ensureLoaded(); state_.top = v; applyGeometry(); }
void Control::setWidth(double v) { ensureLoaded(); state_.width = v; applyGeometry(); }
void Control::setHeight(double v) { ensureLoaded(); state_.height = v; applyGeometry(); }

bool Control::hasFont() const { return true; }

double Control::fontSize() { ensureLoaded(); return state_.font.size; }

void Control::setFontSize(double points)
{
    ensureLoaded();
    state_.font.size = points;
    applyFont();
}

bool Control::fontBold() { ensureLoaded(); return state_.font.bold; }

void Control::setFontBold(bool bold)
{
    ensureLoaded();
    state_.font.bold = bold;
    applyFont();
}

QString Control::fontName() { ensureLoaded(); return state_.font.name; }

bool Control::visible() { ensureLoaded(); return state_.visible; }

void Control::setVisible(bool v)
{
    ensureLoaded();
    state_.visible = v;
    if (widget_)
        widget_->setVisible(v);
}

bool Control::enabled() { ensureLoaded(); return state_.enabled; }

void Control::setEnabled(bool e)
{
    ensureLoaded();
    state_.enabled = e;
    if (widget_)
        widget_->setEnabled(e);
}

QColor Control::backColor()
{
    ensureLoaded();
    return state_.back.value_or(widget_ ? widget_->palette().color(QPalette::Window) : QColor());
}

void Control::setBackColor(QColor c) { ensureLoaded(); state_.back = c; applyColors(); }

QColor Control::foreColor()
{
    ensureLoaded();
    return state_.fore.value_or(widget_ ? widget_->palette().color(QPalette::WindowText) : QColor());
}

void Control::setForeColor(QColor c) { ensureLoaded(); state_.fore = c; applyColors(); }

void Control::setFocus()
{
    ensureLoaded();
    if (!canHoldFocus() || !widget_)
        return;
    if (!form_.requestFocusMove(this) || !widget_)
        return;
    widget_->setFocus(Qt::OtherFocusReason);
    // A window that is not active gets no focus event now; the focus has
    // moved all the same.
    if (form_.activeControl() != this)
        form_.focusArrived(this);
}

bool Control::hasFocus() { ensureLoaded(); return form_.activeControl() == this; }

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

void Label::applyState() { static_cast<QLabel*>(widget())->setText(caption_); }
QString Label::caption() { ensureLoaded(); return caption_; }

void Label::setCaption(const QString& c)
{
    ensureLoaded();
    caption_ = c;
    if (widget())
        static_cast<QLabel*>(widget())->setText(c);
}

// --- TextBox -------------------------------------------------------------------------

QWidget* TextBox::createWidget(QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setAlignment(designAlign_);
    QObject::connect(e, &QLineEdit::textChanged, e, [this](const QString& t) {
        if (t == text_)
            return;
        text_ = t;
        if (Change)
            Change();
    });
    return e;
}

void TextBox::resetState()
{
    text_ = designText_;
    locked_ = designLocked_;
    selStart_ = selLength_ = 0;
}

void TextBox::applyState()
{
    auto* e = static_cast<QLineEdit*>(widget());
    QSignalBlocker block(e);
    e->setText(text_);
    e->setReadOnly(locked_);
    e->setCursorPosition(0);
}

QString TextBox::text() { ensureLoaded(); return text_; }

void TextBox::setText(const QString& t)
{
    ensureLoaded();
    const bool changed = t != text_;
    text_ = t;
    if (auto* e = static_cast<QLineEdit*>(widget())) {
        QSignalBlocker block(e);
        e->setText(t);
    }
    if (changed && Change)
        Change();
}

int TextBox::selStart()
{
    ensureLoaded();
    auto* e = static_cast<QLineEdit*>(widget());
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

int TextBox::selLength()
{
    ensureLoaded();
    return int(static_cast<QLineEdit*>(widget())->selectedText().size());
}

void TextBox::setSelStart(int s)
{
    ensureLoaded();
    auto* e = static_cast<QLineEdit*>(widget());
    e->setCursorPosition(std::clamp(s, 0, int(e->text().size())));
}

void TextBox::setSelLength(int n)
{
    ensureLoaded();
    auto* e = static_cast<QLineEdit*>(widget());
    const int start = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    e->setSelection(start, std::clamp(n, 0, int(e->text().size()) - start));
}

void TextBox::selectAll()
{
    ensureLoaded();
    static_cast<QLineEdit*>(widget())->selectAll();
}

bool TextBox::locked() { ensureLoaded(); return locked_; }

void TextBox::setLocked(bool l)
{
    ensureLoaded();
    locked_ = l;
    static_cast<QLineEdit*>(widget())->setReadOnly(l);
}

// --- CommandButton -------------------------------------------------------------------

namespace {
// A push button whose caption wraps at word boundaries when it does not fit
// on one line, as the old runtime's buttons do. The caption stays the
// button's text; only the drawing differs.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        const QString caption = option.text;
        if (caption.isEmpty() || !option.icon.isNull() ||
            fontMetrics().horizontalAdvance(caption) <= contents.width()) {
            QPushButton::paintEvent(e);
            return;
        }
        QStylePainter painter(this);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.drawItemText(contents, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                             isEnabled(), caption, QPalette::ButtonText);
    }
};
} // namespace

QWidget* CommandButton::createWidget(QWidget* parent)
{
    auto* b = new WrappingButton(parent);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, b, [this] { raiseClick(); });
    return b;
}

// --- buttons -----------------------------------------------------------------------------

QString ButtonControl::caption() { ensureLoaded(); return caption_; }

void ButtonControl::setCaption(const QString& c)
{
    ensureLoaded();
    caption_ = c;
    static_cast<QAbstractButton*>(widget())->setText(c);
}

void ButtonControl::applyState() { static_cast<QAbstractButton*>(widget())->setText(caption_); }

void CommandButton::applyState()
{
    ButtonControl::applyState();
    auto* b = static_cast<QPushButton*>(widget());
    if (!picture_.isEmpty()) {
        b->setIcon(QIcon(picture_));
        b->setIconSize(QSize(32, 32));
    }
}


// --- OptionButton --------------------------------------------------------------------

QWidget* OptionButton::createWidget(QWidget* parent)
{
    auto* r = new QRadioButton(parent);
    QObject::connect(r, &QRadioButton::clicked, r, [this] { select(true); });
    return r;
}

void OptionButton::applyState()
{
    ButtonControl::applyState();
    auto* r = static_cast<QRadioButton*>(widget());
    r->setAutoExclusive(false);
    r->setChecked(value_);
}

void OptionButton::resetState()
{
    ButtonControl::resetState();
    value_ = designValue_;
}

bool OptionButton::value() { ensureLoaded(); return value_; }

void OptionButton::setValue(bool v)
{
    ensureLoaded();
    if (v) {
        select(true);
        return;
    }
    value_ = false;
    if (widget())
        static_cast<QRadioButton*>(widget())->setChecked(false);
}

// Chooses this button and clears the others of its container, then raises Click.
void OptionButton::select(bool raise)
{
    for (Control* c : form().controls()) {
        if (c == this || c->kind() != ControlKind::OptionButton || c->container() != container())
            continue;
        auto* other = static_cast<OptionButton*>(c);
        other->value_ = false;
        if (other->widget())
            static_cast<QRadioButton*>(other->widget())->setChecked(false);
    }
    value_ = true;
    if (widget())
        static_cast<QRadioButton*>(widget())->setChecked(true);
    if (raise)
        raiseClick();
}

// --- CheckBox -----------------------------------------------------------------------------

QWidget* CheckBox::createWidget(QWidget* parent)
{
    auto* b = new QCheckBox(parent);
    QObject::connect(b, &QCheckBox::clicked, b, [this](bool checked) {
        value_ = checked ? 1 : 0;
        raiseClick();
    });
    return b;
}

void CheckBox::applyState()
{
    ButtonControl::applyState();
    auto* b = static_cast<QCheckBox*>(widget());
    b->setChecked(value_ != 0);
}

void CheckBox::resetState()
{
    ButtonControl::resetState();
    value_ = designValue_;
}

int CheckBox::value() { ensureLoaded(); return value_; }

void CheckBox::setValue(int v)
{
    ensureLoaded();
    if (v == value_)
        return;
    value_ = v;
    static_cast<QCheckBox*>(widget())->setChecked(v != 0);
    raiseClick();
}

// --- ListBox --------------------------------------------------------------------------------

QWidget* ListBox::createWidget(QWidget* parent)
{
    auto* l = new QListWidget(parent);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(l, &QListWidget::currentRowChanged, l, [this](int row) { selectionChanged(row); });
    return l;
}

void ListBox::applyState()
{
    auto* l = static_cast<QListWidget*>(widget());
    QSignalBlocker block(l);
    l->clear();
    l->addItems(items_);
    l->setCurrentRow(index_);
}

void ListBox::selectionChanged(int row)
{
    if (row == index_)
        return;
    index_ = row;
    raiseClick();
}

int ListBox::listIndex() { ensureLoaded(); return index_; }

void ListBox::setListIndex(int i)
{
    ensureLoaded();
    if (i < -1 || i >= items_.size())
        i = -1;
    if (i == index_)
        return;
    auto* l = static_cast<QListWidget*>(widget());
    {
        QSignalBlocker block(l);
        l->setCurrentRow(i);
        if (i < 0)
            l->clearSelection();
    }
    selectionChanged(i);
}

int ListBox::listCount() { ensureLoaded(); return int(items_.size()); }

QString ListBox::list(int i)
{
    ensureLoaded();
    return i >= 0 && i < items_.size() ? items_.at(i) : QString();
}

QString ListBox::text() { return list(listIndex()); }

void ListBox::addItem(const QString& item)
{
    ensureLoaded();
    items_.append(item);
    static_cast<QListWidget*>(widget())->addItem(item);
}

void ListBox::clear()
{
    ensureLoaded();
    items_.clear();
    index_ = -1;
    auto* l = static_cast<QListWidget*>(widget());
    QSignalBlocker block(l);
    l->clear();
}

// --- ComboBox ---------------------------------------------------------------------------------

QWidget* ComboBox::createWidget(QWidget* parent)
{
    auto* c = new QComboBox(parent);
    QObject::connect(c, &QComboBox::currentIndexChanged, c, [this](int i) {
        if (i == index_)
            return;
        index_ = i;
        raiseClick();
    });
    return c;
}

void ComboBox::applyState()
{
    auto* c = static_cast<QComboBox*>(widget());
    QSignalBlocker block(c);
    c->clear();
    c->addItems(items_);
    c->setCurrentIndex(index_);
}

int ComboBox::listIndex() { ensureLoaded(); return index_; }

void ComboBox::setListIndex(int i)
{
    ensureLoaded();
    static_cast<QComboBox*>(widget())->setCurrentIndex(i);
}

QString ComboBox::text()
{
    ensureLoaded();
    return static_cast<QComboBox*>(widget())->currentText();
}

// --- Frame ----------------------------------------------------------------------------------------

QWidget* Frame::createWidget(QWidget* parent)
{
    auto* g = new QGroupBox(parent);
    g->setFlat(!border_);
    return g;
}

void Frame::applyState() { static_cast<QGroupBox*>(widget())->setTitle(caption_); }
QString Frame::caption() { ensureLoaded(); return caption_; }

void Frame::setCaption(const QString& c)
{
    ensureLoaded();
    caption_ = c;
    static_cast<QGroupBox*>(widget())->setTitle(c);
}

// --- Shape, Line, Image ---------------------------------------------------------------------------

namespace {
class ShapeWidget : public QWidget {
public:
    ShapeWidget(QWidget* parent, Shape::Kind k, QColor border, int bw, std::optional<QColor> fill)
        : QWidget(parent), kind_(k), border_(border), bw_(bw), fill_(fill)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(border_, bw_));
        p.setBrush(fill_ ? QBrush(*fill_) : Qt::NoBrush);
        QRectF r = QRectF(rect()).adjusted(bw_ / 2.0, bw_ / 2.0, -bw_ / 2.0, -bw_ / 2.0);
        if (kind_ == Shape::Kind::Square || kind_ == Shape::Kind::Circle ||
            kind_ == Shape::Kind::RoundedSquare) {
            const double s = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - s / 2, r.center().y() - s / 2, s, s);
        }
        switch (kind_) {
        case Shape::Kind::Rectangle:
        case Shape::Kind::Square: p.drawRect(r); break;
        case Shape::Kind::Oval:
        case Shape::Kind::Circle: p.drawEllipse(r); break;
        case Shape::Kind::RoundedRectangle:
        case Shape::Kind::RoundedSquare: p.drawRoundedRect(r, r.width() / 8, r.height() / 8); break;
        }
    }

private:
    Shape::Kind kind_;
    QColor border_;
    int bw_;
    std::optional<QColor> fill_;
};

class LineWidget : public QWidget {
public:
    LineWidget(QWidget* parent, QPoint a, QPoint b, QColor c, int w)
        : QWidget(parent), a_(a), b_(b), c_(c), w_(w)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(c_, w_));
        p.drawLine(a_ - pos(), b_ - pos());
    }

private:
    QPoint a_, b_;
    QColor c_;
    int w_;
};
} // namespace

QWidget* Shape::createWidget(QWidget* parent)
{
    return new ShapeWidget(parent, shape_, borderColor_, borderWidth_, fill_);
}

void Line::designPoints(double x1, double y1, double x2, double y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    designGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 30, std::abs(y2 - y1) + 30);
}

QWidget* Line::createWidget(QWidget* parent)
{
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    return new LineWidget(parent, QPoint(px(x1_, tx), px(y1_, ty)), QPoint(px(x2_, tx), px(y2_, ty)),
                          color_, penWidth_);
}

QWidget* Image::createWidget(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setPixmap(QPixmap(picture_));
    l->setScaledContents(stretch_);
    return l;
}

} // namespace platform
