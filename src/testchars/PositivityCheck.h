#pragma once
// The form side of the positivity rule (model/Positivity.h): how a refusal is
// worded, and the one step that refuses a positivity which does not fit a
// test's figures and leads the user back to a figure that can change.

#include "model/Families.h"
#include "model/Positivity.h"

#include <QString>

#include <optional>

class Program;

namespace testchars {

// A screening test's own figures as the model holds them. A check never reads
// the working values (SensScr, SpecScr): every result computation rewrites them.
PositivityTest figuresInModel(const VarCon& vc, ScrTestKind test);

std::optional<PositivityConflict> positivityConflict(const VarCon& vc, const PositivityTest& test,
                                                     PositivityRule rule = PositivityRule::Both);

// The refusal, naming the group and both figures.
QString conflictMessage(const VarCon& vc, const PositivityTest& test, const PositivityConflict& conflict);

// The question for a conflict, the specificity's or the sensitivity's: 1 to
// change the positivity, 2 the test's figure.
QString conflictQuestion(const VarCon& vc, const PositivityTest& test, const PositivityConflict& conflict);

// Where a refusal leads the user.
enum class LeadBack {
    // Asked from the test's own figure: the question; 1 brings up the
    // population form over the one that asked, to fit the figures (while the
    // positivity may still change), 2 leaves the user with the test's figure,
    // which the caller then puts in focus.
    ChooseFigure,
    // Asked from a later step, or from the population form itself: the
    // refusal, then the group's positivity in focus on the population form.
    Positivity,
};

// The one refusal of a positivity: the figures against the positivity of
// every age group by the rule; on a conflict it is worded and the user led
// back as `way` says. Returns the conflict, or nothing when the figures fit.
std::optional<PositivityConflict> refusePositivity(Program& program, const FiguresNow& figures, PositivityRule rule,
                                                   LeadBack way);

} // namespace testchars
