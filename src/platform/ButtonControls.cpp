#include "platform/ButtonControls.h"

#include "platform/FocusDots.h"
#include "platform/Form.h"

#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <type_traits>

namespace platform {

// --- CommandButton -------------------------------------------------------------------

namespace {
// A push button whose caption wraps at word boundaries when it does not fit
// on one line, so a long caption shows whole in its button. The caption
// stays the button's text; only the drawing differs.
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
        } else {
            QStylePainter painter(this);
            option.text.clear();
            painter.drawControl(QStyle::CE_PushButton, option);
            painter.drawItemText(contents, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                                 isEnabled(), caption, QPalette::ButtonText);
        }
        // The style's thin focus outline is easily missed on a light button:
        // keyboard focus also gets the dotted rectangle inside the button
        // that desktop programs draw.
        if (hasKeyboardFocus(option)) {
            QPainter painter(this);
            drawFocusDots(painter, rect().adjusted(3, 3, -3, -3), palette().color(QPalette::ButtonText));
        }
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
    if (auto* b = static_cast<QAbstractButton*>(widget()))
        b->setText(c);
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

namespace {
// Qt's option buttons and check boxes answer a click only on their indicator
// and caption; a click anywhere on the control chooses it, as users expect.
// Keyboard focus gets the dotted rectangle round the caption that desktop
// programs draw, over the style's faint frame.
template <class QtButton>
class WholeAreaButton : public QtButton {
public:
    using QtButton::QtButton;

protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }

    void paintEvent(QPaintEvent* e) override
    {
        QtButton::paintEvent(e);
        QStyleOptionButton option;
        this->initStyleOption(&option);
        if (!hasKeyboardFocus(option))
            return;
        constexpr bool radio = std::is_same_v<QtButton, QRadioButton>;
        const QRect caption =
            this->style()->subElementRect(radio ? QStyle::SE_RadioButtonFocusRect : QStyle::SE_CheckBoxFocusRect,
                                          &option, this);
        QPainter painter(this);
        drawFocusDots(painter, caption, this->palette().color(QPalette::WindowText));
    }
};
} // namespace

QWidget* OptionButton::createWidget(QWidget* parent)
{
    auto* r = new WholeAreaButton<QRadioButton>(parent);
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
    auto* b = new WholeAreaButton<QCheckBox>(parent);
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
    if (auto* b = static_cast<QCheckBox*>(widget()))
        b->setChecked(v != 0);
    raiseClick();
}

} // namespace platform
