#pragma once
// The one gate through which the focus of a form moves and its controls are
// pressed. Every path ends here: Tab and Shift+Tab, a mouse press, an access
// key, Enter or Space on a button, the arrow keys in an option group, the
// first focus of a shown form, Qt's own attempts to move the focus (arrow keys
// on buttons, a hidden or disabled focus widget), and code that hides,
// disables or focuses a control.
//
// A move to another control of the form first asks the control that has the
// focus to Validate, unless the target is designed not to cause validation;
// a cancelled Validate keeps the focus where it is and swallows the key or
// click that asked for the move. LostFocus and GotFocus
// follow an accepted move. When code takes the focused control away (hides or
// disables it), the focus moves on to the next tab stop without Validate.

#include <QPointer>
#include <Qt>
#include <functional>
#include <optional>
#include <vector>

class QEvent;
class QObject;
class QWidget;

namespace platform {

class Control;
class Form;

class FocusEngine {
public:
    explicit FocusEngine(Form& form) : form_(form) {}

    Control* active() const { return active_; }
    // Forgets the focus without any event (the form was unloaded).
    void reset();

    // Moves the focus to target, validating the control that has it unless
    // validate is false. deliver, when given, runs once Qt's focus is on the
    // target and before LostFocus and GotFocus are raised. True when the
    // focus is on the target afterwards. Focus that arrives other than by the
    // mouse is drawn on the control, as keyboard focus is; a click draws none.
    bool moveTo(Control* target, bool validate = true, std::function<void()> deliver = {},
                Qt::FocusReason reason = Qt::OtherFocusReason);

    // The first focus of a form coming on screen.
    void giveInitialFocus();
    // The form's window has come on screen.
    void windowShown();
    // After code changed whether a control is on screen or enabled: the focus
    // leaves a control that can no longer hold it.
    void controlChanged();
    // Qt asks to move the focus on (QWidget::focusNextPrevChild).
    void qtMovesFocus(bool forward);

    // Input to one of the form's control widgets; true when it is consumed.
    bool filter(Control* c, QObject* watched, QEvent* event);

    // The controls that take Tab now, in tab order (with from, where Tab
    // starts, wherever it stands).
    std::vector<Control*> tabOrder(Control* from = nullptr) const;
    // The next tab stop after (or before) from; null when there is none.
    Control* nextTabTarget(Control* from, bool backwards) const;

private:
    bool mousePress(Control* c, QObject* watched, QEvent* event);
    bool mouseRelease(Control* c, QObject* watched, QEvent* event);
    bool keyPress(Control* c, QEvent* event);
    bool accessKey(Control* c);
    bool arrowInGroup(Control* c, bool forward);
    // reason is empty when Qt has put the focus on the target already.
    void arrive(Control* target, const std::function<void()>& deliver, std::optional<Qt::FocusReason> reason);
    void moveOn();
    void drawFocus(bool drawn);

    Form& form_;
    Control* active_ = nullptr;
    // The widget whose last press the gate refused; its release is swallowed.
    // Any later press clears it, as the release has then gone elsewhere.
    QPointer<QObject> refused_;
    // The release of the press being validated came while a message box was up.
    bool releaseDuringValidate_ = false;
    // The focus came by other means than the mouse, and is drawn.
    bool focusDrawn_ = false;
};

} // namespace platform
