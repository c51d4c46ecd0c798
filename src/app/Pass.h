#pragma once
// One pass through the questionnaire. It begins when the console leads into
// the questionnaire with no pass under way (at start-up, or after the last
// one ended), and it ends only when a "Back/Return to Main" or "Return to
// Console" command brings the console back (Program::returnToConsole), which
// unloads the pass's forms.
//
// Within a pass a figure the user entered or accepted is never replaced by a
// default: a setting form writes its defaults at its first load of the pass
// only, a question form starts with empty fields at its first load only, and
// any later load (after a close box or a Back) shows the figures in use and
// what the question fields took.

#include <set>

namespace platform {
class Form;
}

class Pass {
public:
    // Notes that the form has loaded in this pass: true at its first load.
    bool recordLoad(const platform::Form& form) { return loaded_.insert(&form).second; }

    // Notes that the test selection set a supported pair up, so the form
    // loaded anew after its close box shows that pair, ready to go on; its
    // own Back and a refused pair forget it, and the form starts afresh.
    void recordAnswered(const platform::Form& form) { answered_.insert(&form); }
    bool answered(const platform::Form& form) const { return answered_.count(&form) != 0; }
    // The form starts afresh at its next load.
    void forgetAnswered(const platform::Form& form) { answered_.erase(&form); }

    // Once the results screen has shown the pass's figures, the positivity
    // behind them may no longer change.
    void recordResultsShown() { resultsShown_ = true; }
    bool resultsShown() const { return resultsShown_; }

    // The return to the console: the next pass starts from the defaults.
    void end() { *this = {}; }

private:
    std::set<const platform::Form*> loaded_;
    std::set<const platform::Form*> answered_;
    bool resultsShown_ = false;
};
