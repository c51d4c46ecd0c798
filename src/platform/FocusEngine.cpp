#include "platform/FocusEngine.h"

#include "platform/Control.h"
#include "platform/Form.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <algorithm>
#include <climits>
#include <utility>

namespace platform {

namespace {

// Tab order: indexed controls by their index, then the unindexed ones, each
// in the order they were declared.
std::vector<Control*> inTabOrder(std::vector<Control*> controls, const Form& form)
{
    const auto& declared = form.controls();
    auto key = [&declared](Control* c) {
        const long position = std::find(declared.begin(), declared.end(), c) - declared.begin();
        return std::pair(c->tabIndex() >= 0 ? c->tabIndex() : INT_MAX, position);
    };
    std::sort(controls.begin(), controls.end(), [&key](Control* a, Control* b) { return key(a) < key(b); });
    return controls;
}

bool isButton(const Control* c)
{
    return c->kind() == ControlKind::CommandButton || c->kind() == ControlKind::OptionButton ||
           c->kind() == ControlKind::CheckBox;
}

bool sameGroup(const Control* a, const Control* b)
{
    return a->kind() == ControlKind::OptionButton && b->kind() == ControlKind::OptionButton &&
           a->container() == b->container();
}

// Watches the whole application while a Validate runs: a mouse press or
// release anywhere means the user's hand moved on, in a message box the
// handler showed, and the release of the press being validated is no longer
// to come.
class InputWatch : public QObject {
public:
    InputWatch() { qApp->installEventFilter(this); }
    ~InputWatch() override { qApp->removeEventFilter(this); }
    bool sawMouseButton = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease)
            sawMouseButton = true;
        return false;
    }
};

} // namespace

void FocusEngine::reset()
{
    active_ = nullptr;
    refused_ = nullptr;
    focusDrawn_ = false;
}

// Whether the style draws the focus on the form's controls: it does after the
// keyboard (or code) moved the focus, not after a click.
void FocusEngine::drawFocus(bool drawn)
{
    focusDrawn_ = drawn;
    QWidget* window = form_.window();
    if (!window || window->testAttribute(Qt::WA_KeyboardFocusChange) == drawn)
        return;
    window->setAttribute(Qt::WA_KeyboardFocusChange, drawn);
    if (QWidget* focused = window->focusWidget()) {
        focused->update();
        if (auto* area = qobject_cast<QAbstractScrollArea*>(focused))
            area->viewport()->update();
    }
}

// Qt forgets how the focus came whenever a window comes on screen.
void FocusEngine::windowShown() { drawFocus(focusDrawn_); }

std::vector<Control*> FocusEngine::tabOrder(Control* from) const
{
    std::vector<Control*> order;
    for (Control* c : form_.controls())
        if (c->isTabTarget() || c == from)
            order.push_back(c);
    order = inTabOrder(std::move(order), form_);
    // Of a group of option buttons only the chosen one (or, with none chosen,
    // the first) takes Tab.
    std::vector<Control*> stops;
    for (Control* c : order) {
        if (c != from && c->kind() == ControlKind::OptionButton && !static_cast<OptionButton*>(c)->value()) {
            bool chosenOrEarlier = false;
            for (Control* d : order) {
                if (d == c)
                    break;
                chosenOrEarlier = chosenOrEarlier || sameGroup(c, d);
            }
            for (Control* d : order)
                chosenOrEarlier = chosenOrEarlier || (d != c && sameGroup(c, d) &&
                                                      static_cast<OptionButton*>(d)->value());
            if (chosenOrEarlier)
                continue;
        }
        stops.push_back(c);
    }
    return stops;
}

Control* FocusEngine::nextTabTarget(Control* from, bool backwards) const
{
    const std::vector<Control*> stops = tabOrder(from);
    auto it = std::find(stops.begin(), stops.end(), from);
    if (it == stops.end())
        return stops.empty() ? nullptr : stops.front();
    const long n = long(stops.size());
    long i = it - stops.begin();
    i = backwards ? (i - 1 + n) % n : (i + 1) % n;
    return stops[size_t(i)] == from ? nullptr : stops[size_t(i)];
}

bool FocusEngine::moveTo(Control* target, bool validate, std::function<void()> deliver, Qt::FocusReason reason)
{
    releaseDuringValidate_ = false;
    if (!target || !form_.isLoaded() || !target->widget() || !target->isFocusTarget())
        return false;
    if (target == active_) {
        if (deliver)
            deliver();
        return true;
    }
    if (validate && target->causesValidation() && active_ && active_->Validate) {
        Control* from = active_;
        bool cancel = false;
        {
            InputWatch watch;
            from->Validate(cancel);
            releaseDuringValidate_ = watch.sawMouseButton;
        }
        if (!form_.isLoaded())
            return false;
        if (cancel) {
            // The handler may have shown a message; the focus belongs where it was.
            if (active_ == from && from->widget()) {
                drawFocus(true);
                from->widget()->setFocus(Qt::OtherFocusReason);
            }
            return false;
        }
        // The handler moved the focus itself, or took the target away.
        if (active_ != from || !target->widget() || !target->isFocusTarget())
            return false;
    }
    arrive(target, deliver, reason);
    return true;
}

void FocusEngine::arrive(Control* target, const std::function<void()>& deliver,
                         std::optional<Qt::FocusReason> reason)
{
    Control* old = active_;
    active_ = target;
    if (reason) {
        drawFocus(*reason != Qt::MouseFocusReason);
        target->widget()->setFocus(*reason);
    }
    if (deliver)
        deliver();
    if (old && old->LostFocus && form_.isLoaded())
        old->LostFocus();
    if (active_ == target && target->GotFocus && form_.isLoaded())
        target->GotFocus();
}

void FocusEngine::giveInitialFocus()
{
    if (active_ && active_->isFocusTarget())
        return;
    if (active_) {
        moveOn();
        return;
    }
    const std::vector<Control*> order = tabOrder();
    if (!order.empty())
        moveTo(order.front(), false);
}

void FocusEngine::controlChanged()
{
    if (active_ && !active_->isFocusTarget())
        moveOn();
}

void FocusEngine::moveOn()
{
    Control* leaving = active_;
    Control* next = nextTabTarget(leaving, false);
    if (next && next != leaving) {
        moveTo(next, false);
        return;
    }
    // Nothing left to take the focus.
    active_ = nullptr;
    if (leaving && leaving->LostFocus)
        leaving->LostFocus();
}

void FocusEngine::qtMovesFocus(bool forward)
{
    if (!active_ || !active_->isFocusTarget()) {
        moveOn();
        return;
    }
    Control* next = nextTabTarget(active_, !forward);
    if (next)
        moveTo(next, true, {}, forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// --- input ------------------------------------------------------------------------------

bool FocusEngine::filter(Control* c, QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return mousePress(c, watched, event);
    case QEvent::MouseButtonRelease:
        return mouseRelease(c, watched, event);
    case QEvent::KeyPress:
        return keyPress(c, event);
    case QEvent::Shortcut:
        return accessKey(c);
    case QEvent::FocusIn:
        // Qt put the focus somewhere by a way of its own (a window coming
        // back, for one): the form follows it without Validate.
        if (c != active_ && c->isFocusTarget() && form_.isLoaded())
            arrive(c, {}, std::nullopt);
        return false;
    default:
        return false;
    }
}

bool FocusEngine::mousePress(Control* c, QObject* watched, QEvent* event)
{
    refused_ = nullptr;
    if (!c->canHoldFocus() || c == active_ || !c->isFocusTarget())
        return false;
    QPointer<QObject> guard(watched);
    auto* me = static_cast<QMouseEvent*>(event);
    // A text box places its caret on the press; it has the focus first, and
    // GotFocus comes after the caret is placed, so a selection it makes stays.
    bool delivered = false;
    const bool moved = moveTo(
        c, true,
        [&] {
            if (guard && c->kind() == ControlKind::TextBox) {
                QCoreApplication::sendEvent(watched, event);
                delivered = true;
            }
        },
        Qt::MouseFocusReason);
    if (!moved) {
        // Refused: the click is swallowed, and its release with it, should
        // the release still come here.
        refused_ = watched;
        return true;
    }
    if (!guard || (!delivered && !releaseDuringValidate_))
        return !guard;
    if (!delivered)
        QCoreApplication::sendEvent(watched, event);
    if (guard && releaseDuringValidate_) {
        // A message box took the release of this press: the click completes
        // here, so the user never has to click twice.
        QMouseEvent release(QEvent::MouseButtonRelease, me->position(), me->scenePosition(),
                            me->globalPosition(), me->button(), Qt::NoButton, me->modifiers());
        QCoreApplication::sendEvent(watched, &release);
    }
    return true;
}

bool FocusEngine::mouseRelease(Control* c, QObject* watched, QEvent* event)
{
    if (watched == refused_) {
        refused_ = nullptr;
        return true;
    }
    // Controls that Qt gives no click signal of their own; the click is
    // theirs alone, not also the frame's they lie in.
    if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        (c->kind() == ControlKind::Label || c->kind() == ControlKind::Image ||
         c->kind() == ControlKind::Frame || c->kind() == ControlKind::Shape)) {
        c->raiseClick();
        return true;
    }
    return false;
}

bool FocusEngine::keyPress(Control* c, QEvent* event)
{
    auto* ke = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = ke->modifiers() & ~Qt::KeypadModifier;
    const int key = ke->key();
    if ((key == Qt::Key_Tab && !(mods & (Qt::ControlModifier | Qt::AltModifier))) || key == Qt::Key_Backtab) {
        const bool backwards = key == Qt::Key_Backtab || (mods & Qt::ShiftModifier);
        if (Control* next = nextTabTarget(c, backwards))
            moveTo(next, true, {}, backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
    if (c->kind() == ControlKind::OptionButton && mods == Qt::NoModifier &&
        (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right))
        return arrowInGroup(c, key == Qt::Key_Down || key == Qt::Key_Right);
    if (!isButton(c) || (mods != Qt::NoModifier))
        return false;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!enter && key != Qt::Key_Space)
        return false;
    // The key presses the button that has the focus; a button that has it in
    // Qt's eyes only is first given it through the focus rules.
    if (c != active_ && !moveTo(c))
        return true;
    if (!enter || c->kind() != ControlKind::CommandButton)
        return false;  // Space: the button's own press and release
    if (!ke->isAutoRepeat() && c->widget())
        static_cast<QAbstractButton*>(c->widget())->click();
    return true;
}

bool FocusEngine::accessKey(Control* c)
{
    if (c->kind() == ControlKind::Frame) {
        // A frame's access key goes to the first control inside it.
        for (Control* inside : tabOrder())
            if (inside->container() == c)
                return moveTo(inside, true, {}, Qt::ShortcutFocusReason), true;
        return true;
    }
    if (!isButton(c) || !c->isFocusTarget())
        return true;
    QPointer<QWidget> widget = c->widget();
    if (moveTo(c, true, {}, Qt::ShortcutFocusReason) && widget)
        static_cast<QAbstractButton*>(widget.data())->click();
    return true;
}

bool FocusEngine::arrowInGroup(Control* c, bool forward)
{
    std::vector<Control*> group;
    for (Control* d : form_.controls())
        if ((d == c || sameGroup(c, d)) && d->isFocusTarget())
            group.push_back(d);
    group = inTabOrder(std::move(group), form_);
    auto it = std::find(group.begin(), group.end(), c);
    if (group.size() < 2 || it == group.end())
        return true;
    const long n = long(group.size());
    const long i = ((it - group.begin()) + (forward ? 1 : n - 1)) % n;
    auto* next = static_cast<OptionButton*>(group[size_t(i)]);
    if (moveTo(next, true, {}, Qt::TabFocusReason) && next->widget())
        next->setValue(true);
    return true;
}

} // namespace platform
