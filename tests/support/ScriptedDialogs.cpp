#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace testsupport {

platform::Answer ScriptedDialogs::msgBox(const QString& prompt, platform::Buttons buttons,
                                         platform::Icon icon, const QString& title)
{
    shown_.push_back({false, prompt, title, buttons, icon, {}});
    showUp(prompt);
    if (buttons == platform::Buttons::Ok)
        return platform::Answer::Ok;
    if (answers_.empty()) {
        ranOut_ = true;
        return platform::Answer::No;
    }
    platform::Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText)
{
    shown_.push_back({true, prompt, title, platform::Buttons::Ok, platform::Icon::None, defaultText});
    showUp(prompt);
    if (inputs_.empty()) {
        ranOut_ = true;
        return {};
    }
    QString t = inputs_.front();
    inputs_.pop_front();
    return t;
}

void ScriptedDialogs::showUp(const QString& prompt)
{
    if (whileUp_.empty() && !everyBoxRunsALoop_)
        return;
    std::function<void()> action;
    if (!whileUp_.empty()) {
        action = std::move(whileUp_.front());
        whileUp_.pop_front();
    }
    QPointer<QWidget> window = QApplication::activeWindow();
    QMessageBox box(window);
    box.setText(prompt);
    box.setWindowModality(Qt::ApplicationModal);
    QTimer::singleShot(0, &box, [&box, action] {
        if (action)
            action();
        box.done(0);
    });
    box.exec();
    // As a window manager does, the window under the box is active again.
    if (window)
        QApplication::setActiveWindow(window);
}

std::vector<QString> ScriptedDialogs::prompts() const
{
    std::vector<QString> out;
    for (const auto& d : shown_)
        if (!d.isInputBox)
            out.push_back(d.prompt);
    return out;
}

} // namespace testsupport
