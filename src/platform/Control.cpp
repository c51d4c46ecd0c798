#include "platform/ControlBase.h"

#include "platform/FocusEngine.h"
#include "platform/Form.h"
#include "platform/Palette.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace platform {

namespace {
int px(double twips, double tpp) { return int(std::lround(twips / tpp)); }

bool isField(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::ListBox || kind == ControlKind::ComboBox ||
           kind == ControlKind::RichTextBox;
}
} // namespace

Control::Control(Form& form, QString name, ControlKind kind)
    : form_(form), name_(std::move(name)), kind_(kind)
{
    form_.addControl(this);
}

Control::~Control() { form_.removeControl(this); }

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
void Control::designCausesValidation(bool causes) { design_.causesValidation = causes; }

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
    // Screen readers, test tools and a lookup by name find the control under
    // its design name.
    widget_->setObjectName(name_);
    widget_->setAccessibleName(name_);
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

void Control::destroy()
{
    widget_ = nullptr;
    fitPending_ = false;
}

QRect Control::boxPixels() const
{
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    int h = std::max(0, px(state_.height, ty));
    if (kind_ == ControlKind::ComboBox && widget_)
        h = widget_->sizeHint().height();
    return {px(state_.left, tx), px(state_.top, ty), std::max(0, px(state_.width, tx)), h};
}

QFont Control::stateFont() const
{
    QFont f(state_.font.name);
    f.setPointSizeF(std::max(1.0, state_.font.size));
    f.setBold(state_.font.bold);
    f.setItalic(state_.font.italic);
    f.setUnderline(state_.font.underline);
    return f;
}

void Control::applyGeometry()
{
    if (!widget_)
        return;
    widget_->setGeometry(boxPixels());
    refit();
}

void Control::applyFont()
{
    if (!widget_)
        return;
    widget_->setFont(stateFont());
    if (kind_ == ControlKind::ComboBox)
        applyGeometry();
    else
        refit();
}

void Control::refit()
{
    if (!widget_ || !fitsText())
        return;
    fitPending_ = true;
    form_.fitWhenSettled();
}

namespace {

// The palette of a control's own colours: only the roles it sets, so the
// rest comes from where it lies. A field shows its own colour, not the fill
// of the frame it lies in, and its greyed text, when disabled, stays readable
// on that colour. Many controls share their colours: each palette is made once.
const QPalette& colourPalette(const std::optional<QColor>& back, const std::optional<QColor>& fore, bool field)
{
    using Key = std::tuple<QRgb, QRgb, int>;
    static std::map<Key, QPalette> made;
    const Key key{back ? back->rgba() : 0, fore ? fore->rgba() : 0, (back ? 1 : 0) | (fore ? 2 : 0) | (field ? 4 : 0)};
    if (const auto it = made.find(key); it != made.end())
        return it->second;
    QPalette p;
    if (back)
        for (QPalette::ColorRole ground : {QPalette::Window, QPalette::Button, QPalette::Base})
            p.setColor(ground, *back);
    if (fore)
        for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            p.setColor(text, *fore);
    if (field) {
        const QColor ground = back.value_or(QApplication::palette().color(QPalette::Active, QPalette::Base));
        p.setColor(QPalette::Base, ground);
        const QColor greyed = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
        p.setColor(QPalette::Disabled, QPalette::Text, readableDisabledText(greyed, ground));
    }
    return made.emplace(key, p).first->second;
}

} // namespace

void Control::applyColors()
{
    const bool field = isField(kind_);
    if (!widget_ || (!state_.back && !state_.fore && !field))
        return;
    widget_->setPalette(colourPalette(state_.back, state_.fore, field));
    if (state_.back)
        widget_->setAutoFillBackground(true);
}

bool Control::isFocusTarget() const
{
    if (!widget_ || !canHoldFocus() || !state_.enabled)
        return false;
    QWidget* top = widget_->window();
    return widget_->isVisibleTo(top) && widget_->isEnabled();
}

bool Control::isTabTarget() const { return state_.tabStop && isFocusTarget(); }

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

double Control::designFontSize() const
{
    return design_.font.size > 0 ? design_.font.size : form_.design().fontSize;
}

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
    form_.focus().controlChanged();
}

bool Control::enabled() { ensureLoaded(); return state_.enabled; }

void Control::setEnabled(bool e)
{
    ensureLoaded();
    state_.enabled = e;
    if (widget_)
        widget_->setEnabled(e);
    form_.focus().controlChanged();
}

QColor Control::backColor()
{
    ensureLoaded();
    const QPalette::ColorRole fill = isField(kind_) ? QPalette::Base : QPalette::Window;
    return state_.back.value_or(widget_ ? widget_->palette().color(fill) : QColor());
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
    form_.focus().moveTo(this);
}

bool Control::hasFocus() { ensureLoaded(); return form_.activeControl() == this; }

} // namespace platform
