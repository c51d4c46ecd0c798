#pragma once
// What every form reaches besides other forms: the message boxes, the screen,
// the printer, and the way to end the program. One per program; a test builds
// its own with scripted dialogs, a fixed screen and a PDF printer.

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QEventLoop;
class QObject;

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
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // The message and input boxes, as forms show them: while one is up the
    // program is inside one of its own event loops.
    Dialogs& dialogs();
    Screen& screen() { return screen_; }
    Printer& printer();
    void setPrinter(Printer* printer) { printer_ = printer; }

    // Ends the program at once, without a question. A print job still open is
    // sent first, and every modal showing returns. Code after the call still
    // runs in a test, so handlers return straight after it; once ended, no
    // form is shown any more.
    void endProgram();
    // What ended the program: a command (an Exit, or an answer that ends it
    // by design), the close box of the last window on screen, or a form
    // that left nothing on screen by other means.
    enum class Ending { NotEnded, Command, LastCloseBox, NothingOnScreen };
    Ending ending() const { return ending_; }
    bool ended() const { return ending_ != Ending::NotEnded; }

    // Every form registers itself, so the program can end when the last
    // visible one is closed.
    void registerForm(Form* form);
    void unregisterForm(Form* form);
    bool anyFormVisible() const;
    // The registered form of that name, or null when none was made yet.
    Form* findForm(const QString& name) const;
    // Ends the program when no form is left on screen. The check runs once
    // control is back in the main loop, so a caller still running (one that
    // showed a form modally and goes on to the next screen) is never cut off.
    void endIfNothingVisible();
    // A form went out of sight (hidden or unloaded), by its close box or by a
    // command. A form opened beside another that steps aside by a command and
    // leaves nothing on screen brings back the window it was opened over: the
    // last other form that went out of sight, loaded again if it was closed.
    // Otherwise the program ends once nothing is left on screen.
    void wentOutOfSight(Form& form);
    // While a form's close box is handled, that form's going is the user's;
    // null when the handling is done.
    void closeBoxPressed(Form* form) { closedByBox_ = form; }

    // Modal showings of forms, innermost last; ending the program ends them all.
    void enterModal(QEventLoop& loop);
    void leaveModal(QEventLoop& loop);

    // Whether captions, fields and charts fit their texts to their boxes (on
    // unless switched off). Off, every text is drawn at its control's font
    // in its control's box, cut where it does not fit: the benchmark uses it
    // to time what fitting costs.
    bool fitsCaptions() const { return fitsCaptions_; }
    void setFitsCaptions(bool on) { fitsCaptions_ = on; }

private:
    class CountingDialogs;

    bool insideNestedLoop() const;
    void endProgram(Ending ending);
    // Nothing is on screen: brings back the window beneath a form that
    // stepped aside, or ends the program.
    void nothingOnScreen();
    void scheduleCheck();
    void leftNestedLoop();

    Dialogs& dialogs_;
    std::unique_ptr<CountingDialogs> countingDialogs_;
    std::unique_ptr<QObject> timers_;
    std::vector<QEventLoop*> modalLoops_;
    int boxesUp_ = 0;
    bool checkPending_ = false;
    Screen& screen_;
    Printer* printer_;
    std::function<void()> endProgram_;
    std::vector<Form*> forms_;
    Ending ending_ = Ending::NotEnded;
    // The last form to go out of sight and whether its close box sent it;
    // the last one not opened beside another, nor shown modally.
    Form* lastGone_ = nullptr;
    bool lastGoneByBox_ = false;
    Form* beneath_ = nullptr;
    Form* closedByBox_ = nullptr;
    bool fitsCaptions_ = true;
};

} // namespace platform
