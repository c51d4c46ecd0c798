#include "platform/Runtime.h"

#include "platform/Form.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace platform {

Runtime::Runtime(Dialogs& dialogs, Screen& screen, Printer* printer,
                 std::function<void()> endProgram)
    : dialogs_(dialogs), screen_(screen), printer_(printer), endProgram_(std::move(endProgram))
{
}

Printer& Runtime::printer()
{
    if (!printer_)
        throw std::logic_error("no printer was given to the runtime");
    return *printer_;
}

void Runtime::endProgram()
{
    if (ended_)
        return;
    ended_ = true;
    if (endProgram_) {
        endProgram_();
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    std::exit(0);
}

void Runtime::registerForm(Form* form) { forms_.push_back(form); }

void Runtime::unregisterForm(Form* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

bool Runtime::anyFormVisible() const
{
    return std::any_of(forms_.begin(), forms_.end(),
                       [](const Form* f) { return f->isLoaded() && f->isShown(); });
}

Form* Runtime::findForm(const QString& name) const
{
    const auto it = std::find_if(forms_.begin(), forms_.end(), [&](const Form* f) { return f->name() == name; });
    return it == forms_.end() ? nullptr : *it;
}

void Runtime::endIfNothingVisible()
{
    if (!ended_ && !anyFormVisible())
        endProgram();
}

} // namespace platform
