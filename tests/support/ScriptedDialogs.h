#pragma once
// A message-box service that answers from a script and records every prompt,
// so a test can drive a form that asks questions without a person.

#include "platform/Dialogs.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

namespace testsupport {

struct RecordedDialog {
    bool isInputBox = false;
    QString prompt;
    QString title;
    platform::Buttons buttons = platform::Buttons::Ok;
    platform::Icon icon = platform::Icon::None;
    QString defaultText;
};

class ScriptedDialogs : public platform::Dialogs {
public:
    // Queues the answer to the next Yes/No message box.
    void answer(platform::Answer a) { answers_.push_back(a); }
    // Queues the text typed into the next input box (empty = Cancel).
    void type(const QString& text) { inputs_.push_back(text); }

    // The next box comes up as a real modal window with an event loop of its
    // own, as a real message box does; whileUp runs inside that loop (it may
    // send input anywhere, show or hide forms) and then the box closes with
    // its scripted answer. Boxes without such an action return at once,
    // unless every box is made to run its loop.
    void whileNextBoxIsUp(std::function<void()> whileUp) { whileUp_.push_back(std::move(whileUp)); }
    void setEveryBoxRunsALoop(bool on) { everyBoxRunsALoop_ = on; }

    platform::Answer msgBox(const QString& prompt, platform::Buttons buttons = platform::Buttons::Ok,
                            platform::Icon icon = platform::Icon::None,
                            const QString& title = {}) override;
    QString inputBox(const QString& prompt, const QString& title = {},
                     const QString& defaultText = {}) override;

    const std::vector<RecordedDialog>& shown() const { return shown_; }
    // Prompts of every message box shown, in order.
    std::vector<QString> prompts() const;
    // Answers queued for input boxes that have not come up yet.
    std::size_t unusedInputs() const { return inputs_.size(); }
    // A Yes/No box or input box came up that the script had no answer for.
    bool ranOutOfAnswers() const { return ranOut_; }
    void clear() { shown_.clear(); }

private:
    std::deque<platform::Answer> answers_;
    std::deque<QString> inputs_;
    std::vector<RecordedDialog> shown_;
    bool ranOut_ = false;
    std::deque<std::function<void()>> whileUp_;
    bool everyBoxRunsALoop_ = false;

    void showUp(const QString& prompt);
};

} // namespace testsupport
