#include "platform/Runtime.h"

#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Printer.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace platform {

// Passes every box on, counting the ones that are up.
class Runtime::CountingDialogs : public Dialogs {
public:
    CountingDialogs(Runtime& runtime, Dialogs& inner) : runtime_(runtime), inner_(inner) {}

    Answer msgBox(const QString& prompt, Buttons buttons, Icon icon, const QString& title) override
    {
        Up up(runtime_);
        return inner_.msgBox(prompt, buttons, icon, title);
    }

    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        Up up(runtime_);
        return inner_.inputBox(prompt, title, defaultText);
    }

private:
    struct Up {
        explicit Up(Runtime& r) : runtime(r) { ++runtime.boxesUp_; }
        ~Up()
        {
            --runtime.boxesUp_;
            runtime.leftNestedLoop();
        }
        Runtime& runtime;
    };

    Runtime& runtime_;
    Dialogs& inner_;
};

Runtime::Runtime(Dialogs& dialogs, Screen& screen, Printer* printer,
                 std::function<void()> endProgram)
    : dialogs_(dialogs), countingDialogs_(std::make_unique<CountingDialogs>(*this, dialogs)),
      timers_(std::make_unique<QObject>()), screen_(screen), printer_(printer),
      endProgram_(std::move(endProgram))
{
}

Runtime::~Runtime() = default;

Dialogs& Runtime::dialogs() { return *countingDialogs_; }

Printer& Runtime::printer()
{
    if (!printer_)
        throw std::logic_error("no printer was given to the runtime");
    return *printer_;
}

void Runtime::endProgram() { endProgram(Ending::Command); }

void Runtime::endProgram(Ending ending)
{
    if (ended())
        return;
    ending_ = ending;
    // A document still open when the program ends is sent, not dropped.
    if (printer_)
        printer_->endDoc();
    for (auto it = modalLoops_.rbegin(); it != modalLoops_.rend(); ++it)
        (*it)->quit();
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
    for (Form** kept : {&lastGone_, &beneath_, &closedByBox_})
        if (*kept == form)
            *kept = nullptr;
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

void Runtime::wentOutOfSight(Form& form)
{
    lastGone_ = &form;
    lastGoneByBox_ = closedByBox_ == &form;
    if (!form.opensBeside() && !form.isModal())
        beneath_ = &form;
    endIfNothingVisible();
}

void Runtime::nothingOnScreen()
{
    const bool steppedAside = lastGone_ && lastGone_->opensBeside() && !lastGoneByBox_;
    if (steppedAside && beneath_) {
        beneath_->show();
        if (anyFormVisible() || ended())
            return;
    }
    endProgram(lastGoneByBox_ ? Ending::LastCloseBox : Ending::NothingOnScreen);
}

void Runtime::endIfNothingVisible()
{
    if (!ended())
        scheduleCheck();
}

bool Runtime::insideNestedLoop() const { return !modalLoops_.empty() || boxesUp_ > 0; }

void Runtime::scheduleCheck()
{
    if (insideNestedLoop()) {
        checkPending_ = true;
        return;
    }
    QTimer::singleShot(0, timers_.get(), [this] {
        if (ended())
            return;
        if (insideNestedLoop())
            checkPending_ = true;
        else if (!anyFormVisible())
            nothingOnScreen();
    });
}

void Runtime::leftNestedLoop()
{
    if (checkPending_ && !insideNestedLoop()) {
        checkPending_ = false;
        scheduleCheck();
    }
}

void Runtime::enterModal(QEventLoop& loop) { modalLoops_.push_back(&loop); }

void Runtime::leaveModal(QEventLoop& loop)
{
    modalLoops_.erase(std::remove(modalLoops_.begin(), modalLoops_.end(), &loop), modalLoops_.end());
    leftNestedLoop();
}

} // namespace platform
