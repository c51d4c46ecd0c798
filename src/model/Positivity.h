#pragma once
// Whether the positivity of each age group fits a screening test's figures.
// The model estimates a group's true prevalence as (positivity - 1 +
// specificity) / (sensitivity - 1 + specificity): below 0 when the
// specificity plus the positivity falls short of 1, above 1 when the
// positivity exceeds the sensitivity. Neither may reach the results.

#include <functional>
#include <optional>
#include <string>

struct VarCon;

// A screening test as a positivity is checked against it, with the name a
// refusal gives it.
struct PositivityTest {
    std::string name;
    float sensitivity = 1;
    float specificity = 1;
};
// The test as it stands at the moment of asking: a population form that comes
// up to fit it asks again after every change of the positivity.
using FiguresNow = std::function<PositivityTest()>;

struct PositivityConflict {
    int group = 0;                  // 0 under 18, 1 from 18 to 25, 2 over 25
    bool aboveSensitivity = false;  // else the sum falls short of 1
};

// What a check looks at: a specificity the sum, a sensitivity the positivity
// against it, a step that goes on with the test both.
enum class PositivityRule { Sum, Sensitivity, Both };

// The first age group, in order, whose positivity does not fit the test's
// figures: the specificity plus the positivity, as a 32-bit sum, below 1
// first, then the positivity above the sensitivity. A group with neither
// women nor positivity takes no part.
std::optional<PositivityConflict> positivityConflict(const VarCon& vc, float sensitivity, float specificity,
                                                     PositivityRule rule = PositivityRule::Both);
