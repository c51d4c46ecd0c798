#pragma once
// What the input fields of the test-characteristics and cost forms share: the
// refusal messages most of them give, the test that a typed figure is a number
// above (or at least) zero, and entering a field with its whole text selected.

#include "platform/Control.h"

#include <QString>

#include <optional>

namespace testchars {

inline const QString kMustBeNumeric = QStringLiteral("Value must be numeric and greater than zero");
inline const QString kValueOutOfRange = QStringLiteral("Value out of Range");

// The refusal of a unit cost above the largest one accepted, the limit
// written in the locale's currency format after the field's own out-of-range
// wording ("Value out of Range" unless given).
QString unitCostLimitMessage();
QString unitCostLimitMessage(const QString& outOfRange);
// Whether the text is an amount above the largest unit cost, also one beyond
// what any amount can hold ("1e20").
bool aboveUnitCostLimit(const QString& text);

// The text passes the locale-aware numeric test and the number it starts with
// is above zero (or, with zeroAllowed, not below it). The two differ on
// purpose: "$5" is numeric but starts with no number, "1,500" starts with 1.
bool numericAbove(const QString& text, bool zeroAllowed = false);

// The text as a float above zero: it passes numericAbove, and a float holds
// it above zero too ("1e-50" a float holds as 0, which no field stores).
std::optional<float> positiveFloat(const QString& text);

// A fraction as the percentage its echo shows: 0.005 as "0.5%".
QString percentText(float fraction);

// Selects the field's whole text and gives it the focus (harmless when it has it).
void selectAndFocus(platform::TextBox& box);

// A message box with only an OK button and the program's title.
void tell(platform::Control& on, const QString& message);

} // namespace testchars
