#pragma once
// Whether the positivity of each age group fits a test's figures. The model
// estimates a group's true prevalence as (positivity - 1 + specificity) /
// (sensitivity - 1 + specificity): below 0 when the specificity plus the
// positivity falls short of 1, above 1 when the positivity exceeds the
// sensitivity. Neither may reach the results.

#include <QString>

#include <optional>

struct VarCon;

namespace testchars {

// A test's figures as they stand when the check runs.
struct TestFigures {
    QString name;
    float sensitivity = 1;
    float specificity = 1;
};

struct PositivityConflict {
    int group = 0;               // 0 under 18, 1 from 18 to 25, 2 over 25
    bool aboveSensitivity = false;  // else the sum falls short of 1
};

// What a check looks at: a specificity field the sum, a sensitivity field
// the positivity against it, a step that goes on with the test both.
enum class PositivityRule { Sum, Sensitivity, Both };

// The first age group, in order, whose positivity does not fit the test: the
// specificity plus the positivity, as a 32-bit sum, below 1 first, then the
// positivity above the sensitivity. A group with neither women nor
// positivity takes no part.
std::optional<PositivityConflict> positivityConflict(const VarCon& vc, const TestFigures& test,
                                                     PositivityRule rule = PositivityRule::Both);

// The refusal, naming the group and both figures.
QString conflictMessage(const VarCon& vc, const TestFigures& test, const PositivityConflict& conflict);

// The question for a conflict, the specificity's or the sensitivity's: 1 to
// change the positivity, 2 the test's figure.
QString conflictQuestion(const VarCon& vc, const TestFigures& test, const PositivityConflict& conflict);

} // namespace testchars
