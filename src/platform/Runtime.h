#pragma once
// What every form reaches besides other forms: the message boxes, the screen,
// the printer, and the way to end the program. One per program; a test builds
// its own with scripted dialogs, a fixed screen and a PDF printer.

#include <QString>

#include <functional>
#include <vector>

namespace platform {

class Dialogs;
class Screen;
class Printer;
class Form;

class Runtime {
public:
    // endProgram is what ending the program does; the default closes every
    // window and leaves the process at once.
    Runtime(Dialogs& dialogs, Screen& screen, Printer* printer = nullptr,
            std::function<void()> endProgram = {});

    Dialogs& dialogs() { return dialogs_; }
    Screen& screen() { return screen_; }
    Printer& printer();
    void setPrinter(Printer* printer) { printer_ = printer; }

    // Ends the program at once, without a question. Code after the call still
    // runs in a test, so handlers return straight after it; once ended, no
    // form is shown any more.
    void endProgram();
    bool ended() const { return ended_; }

    // Every form registers itself, so the program can end when the last
    // visible one is closed.
    void registerForm(Form* form);
    void unregisterForm(Form* form);
    bool anyFormVisible() const;
    // The registered form of that name, or null when none was made yet.
    Form* findForm(const QString& name) const;
    void endIfNothingVisible();

private:
    Dialogs& dialogs_;
    Screen& screen_;
    Printer* printer_;
    std::function<void()> endProgram_;
    std::vector<Form*> forms_;
    bool ended_ = false;
};

} // namespace platform
