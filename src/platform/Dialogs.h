#pragma once
// Modal message and input boxes. Forms ask through this interface so that a
// test can answer from a script; the program uses the Qt version.

#include <QString>

class QWidget;

namespace platform {

// Answer codes of a message box, as the forms compare them.
enum class Answer : int { Ok = 1, Yes = 6, No = 7 };

enum class Buttons { Ok, YesNo };
enum class Icon { None, Critical, Information };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows a modal message box. An empty title means the application's title.
    virtual Answer msgBox(const QString& prompt, Buttons buttons = Buttons::Ok,
                          Icon icon = Icon::None, const QString& title = {}) = 0;

    // Shows a modal input box; returns the typed text, or an empty text on Cancel.
    virtual QString inputBox(const QString& prompt, const QString& title = {},
                             const QString& defaultText = {}) = 0;
};

// The real thing: Qt's message box and input dialog, parented to the active window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QString applicationTitle);
    // The same defaults as the interface, so a call through a QtDialogs&
    // reads as one through a Dialogs&.
    Answer msgBox(const QString& prompt, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                  const QString& title = {}) override;
    QString inputBox(const QString& prompt, const QString& title = {},
                     const QString& defaultText = {}) override;

private:
    QString applicationTitle_;
};

} // namespace platform
