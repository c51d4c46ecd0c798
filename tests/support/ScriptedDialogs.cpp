#include "support/ScriptedDialogs.h"

namespace testsupport {

platform::Answer ScriptedDialogs::msgBox(const QString& prompt, platform::Buttons buttons,
                                         platform::Icon icon, const QString& title)
{
    shown_.push_back({false, prompt, title, buttons, icon, {}});
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
    if (inputs_.empty()) {
        ranOut_ = true;
        return {};
    }
    QString t = inputs_.front();
    inputs_.pop_front();
    return t;
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
