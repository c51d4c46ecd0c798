#pragma once
// The formats of the program's bound fields: how each kind of figure is
// written into a field and read back from what the user typed. A text is
// numeric when the locale-aware conversion accepts it; range and sign tests
// also hold for its leading value (0 for "$5", 1 for "1,500"), and the
// figure stored is the full conversion.

#include "fields/BoundField.h"
#include "model/Money.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace fields {

inline const QString kMustBeNumeric = QStringLiteral("Value must be numeric and greater than zero");
inline const QString kValueOutOfRange = QStringLiteral("Value out of Range");
inline const QString kValuesOutOfRange = QStringLiteral("Values out of range");

// --- readings --------------------------------------------------------------------------

// The text's value when it is numeric and both the value and the leading
// value lie within [low, high]; with lowOpen, above low also as the 32-bit
// figure it is stored as ("1e-50" is no rate). "(5)" leads with 0 but is -5.
std::optional<double> numberWithin(const QString& text, double low, double high, bool lowOpen = false);

// A number of women in an age group: not negative and not above the limit,
// rounded half to even.
std::optional<std::int32_t> womenCount(const QString& text);
// An amount of money above zero (or at least zero) and not above the largest
// unit cost, as its box then shows it (shownAmount): 7.254 is $7.25, and
// 0.004, which shows as $0.00, is no amount above zero.
std::optional<Money> amountOf(const QString& text, bool zeroAllowed = false);

// The refusal of a text above a limit, worded by the limit; otherwise the
// field's own message.
QString countRefusal(const QString& text, const QString& message);
QString costRefusal(const QString& text, const QString& message, const QString& outOfRange = kValueOutOfRange);
// Why the calculator does not offer the cost it worked out: none above the
// largest unit cost, nor one no unit-cost field takes (zero); said once.
std::optional<QString> workedOutCostRefusal(Money amount);

// --- text forms --------------------------------------------------------------------------

QString currencyText(Money m);
// The amount as currencyText writes it, read back: rounded to the currency's
// decimals as that text rounds them (7.255 is $7.26), so an amount kept in
// this form reads back to the very text its box shows. An amount no text
// names (the ends of the range) stays as it is.
Money shownAmount(Money m);
// No symbol, no grouping, no trailing zeros: 9.5, 1167.
QString plainText(Money m);
// A fraction as the percentage its echo shows: 0.005 as "0.5%".
QString percentText(float fraction);

// --- formats of the field kinds ----------------------------------------------------------

// A cost: currency while shown, plain while edited; above zero, or at least
// zero with zeroAllowed; an empty text is 0 with emptyIsZero.
Bound<Money>::Format costFormat(const QString& message, bool zeroAllowed = false, bool emptyIsZero = false,
                                const QString& outOfRange = kValueOutOfRange);
// A rate in [lowest, highest] where a typed 1 or more is a percentage.
Bound<float>::Format rateFormat(float lowest, float highest, const QString& rangeMessage);
// A count above zero; a count not given (0) shows as an empty field.
Bound<float>::Format positiveCountFormat();
// A cost not given (0) shows as an empty field, as the calculator's do.
Bound<Money>::Format givenCostFormat(const QString& message, bool zeroAllowed = false);
// An answer of the questionnaire: none shows as an empty field.
template <class T>
using Answer = std::optional<T>;
// A number of women in grouped digits, which must be given.
Bound<Answer<std::int32_t>>::Format womenFormat(const QString& message);
// A share typed as a fraction or as a percentage of at least 1 and at most
// 100, shown as the fraction; an empty text is the default.
Bound<Answer<float>>::Format shareFormat(const QString& message, float defaultFraction, bool zeroAllowed);
// A percentage from 0 to 100 in 64 bits, where a typed value above 0 and
// below 1 is a fraction.
Bound<Answer<double>>::Format percentageFormat(const QString& message);

} // namespace fields
