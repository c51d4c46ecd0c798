#pragma once
// Number text as the program reads and writes it: the locale-aware numeric
// test and conversion, the leading value, banker's rounding to whole numbers,
// the general number format, custom digit patterns such as "###,###,##0" and
// the currency format.
//
// Everything uses the default QLocale (the program chooses it at start; tests
// set en_US and may switch it), the leading value included, so a field reads
// back every number it writes. Amounts are
// dollars in every locale: "$" with the locale's separators.
//
// Every text written here has the digits 0-9, with the locale's decimal sign
// and grouping, whatever digits the locale itself would use: one digit system
// on every screen, and one that every font can draw. Reading takes the digits
// of any script too, by code point, including those beyond the Basic
// Multilingual Plane (Chakma, Adlam).

#include "base/HalfEven.h"

#include <QLocale>
#include <QString>

#include <concepts>
#include <cstdint>
#include <optional>

namespace platform::numbers {

// True when the locale-aware conversion accepts the text: surrounding blanks
// (spaces and no-break spaces), one sign, digits with the locale's grouping
// separators (only before the decimal point; where the locale groups with a
// blank, a space or either no-break space; where it groups with U+2019, the
// ASCII apostrophe too), the locale's decimal point, an exponent ("1e5", "2.5E-3"),
// the dollar sign once (before or after the number) and parentheses for a
// negative amount ("(5)", "($1,234.50)"). Empty text, a lone sign or symbol,
// letters, a trailing sign and numbers beyond the double range are refused; a
// value too small for a double reads as 0. A text that could mean two numbers
// is refused too: grouping separators where a group is not three digits (nor
// the locale's own grouping) or where the first group starts with 0, such as
// "1,5" under en_US or "0.7" under de_DE.
bool isNumeric(const QString& text);

// What a field converts its text to.
enum class NumberKind { Double, Float, Currency };
// The numeric test of a field of that kind: true exactly when the matching
// conversion (toDouble, toFloat, toCurrencyTicks) gives a value, so a text
// that passes the test always converts ("4e38" is no float, "1e20" no
// currency amount).
bool isNumeric(const QString& text, NumberKind kind);

// The number formed by the text's leading sign, digits, the locale's decimal
// point and exponent, read up to the first character that cannot continue it
// (a grouping separator among them); blanks (spaces and no-break spaces),
// tabs and line feeds are skipped wherever they stand. 0 when the text does not begin with a number ("$5",
// "", "abc"); under en_US 1 for "1,500", 12.5 for "12.5abc"; 1000 for "1e3";
// under de_DE 0.7 for "0,7". Beyond the double range it is +/-infinity, so a
// range test still refuses it.
double leadingValue(const QString& text);

// The full locale-aware conversion; nullopt exactly when isNumeric is false.
std::optional<double> toDouble(const QString& text);
// The same, rounded to the nearest float; nullopt also beyond the float range.
std::optional<float> toFloat(const QString& text);
// The conversion with no end to its range: a number written as the locale
// writes it but beyond the double range (a pasted run of thousands of
// digits) is +/-infinity, so a caller can tell a figure too large from a
// text that is no number at all; nullopt for what isNumeric refuses otherwise.
std::optional<double> toDoubleUnbounded(const QString& text);

// Nearest whole number, halves to even (base/HalfEven.h). Counts are shown
// through this 64-bit conversion, so no count of women is too large to show.
using base::roundHalfEven;

// The 16- and 32-bit whole-number conversions: nearest, halves to even;
// nullopt when the rounded value lies outside the type's range or the value
// is NaN, so a caller can refuse the figure instead of showing garbage.
std::optional<std::int16_t> toInt16(double value);
std::optional<std::int32_t> toInt32(double value);

// The text's value as a count of ten-thousandths of a currency unit, an exact
// half of a ten-thousandth going to the even neighbour. The decimal digits are
// used exactly, not through a double. Reads what formatCurrency writes and
// plain numbers ("9.5"); nullopt when the text is not numeric or the amount is
// beyond the 64-bit range of ten-thousandths.
std::optional<std::int64_t> toCurrencyTicks(const QString& text);

// The general number format: the value rounded to 7 significant digits for a
// float and 15 for a double, trailing zeros dropped, no grouping, the locale's
// decimal point, a leading "0" before the point ("0.5"), "-" for negatives;
// exponent form "1E+20", "1.5E-05" when the decimal exponent is below -4 or
// reaches the digit count (1E+07 for a float, 1E+15 for a double).
QString generalFormat(float value);
QString generalFormat(double value);

// A custom digit pattern of '#' (optional digit), '0' (digit always shown),
// ',' (group the integer part as the locale groups its numbers, with its
// separator: 30,000,000 in en_US, 3,00,00,000 in en_IN, 30.000.000 in de_DE)
// and '.' (the locale's decimal point), as in "###,###,##0", "##,###,##0",
// "##0.#".
// The value is first reduced to its significant digits (15 for a double, 7 for
// a float) and then rounded half away from zero to the pattern's decimals.
// The integer part always shows all its digits, however few placeholders the
// pattern has. A decimal point in the pattern is always written, even when no
// decimal digit follows (12 in "##0.#" is "12."). A
// value that rounds to zero is written without its sign ("0.", not "-0.").
// Other characters before the first or after the last placeholder are copied
// as they stand. Patterns this format does not know (sections ";", percent,
// exponents, quoted or escaped text, other characters among the
// placeholders) throw std::invalid_argument rather than write a wrong figure.
// Whole numbers use all their digits.
QString formatPattern(double value, const QString& pattern);
QString formatPattern(float value, const QString& pattern);
QString formatPattern(std::int64_t value, const QString& pattern);
template <std::integral T>
QString formatPattern(T value, const QString& pattern)
{
    return formatPattern(static_cast<std::int64_t>(value), pattern);
}

// An amount in dollars as the locale writes a currency: the dollar sign where
// the locale puts its symbol, the digits 0-9, its grouping and decimal point, two
// decimals and its way of writing a negative amount (en_US: "$1,167.00",
// "($1,167.00)"; de_DE: "1.167,00 $"). The amount is rounded half away from
// zero to the cents from its 15 significant digits, so 2.345 shows as $2.35.
// An amount at the end of the 64-bit range of ten-thousandths, where amounts
// saturate, shows "out of range" rather than a cut-off figure.
QString formatCurrency(double value);

// A fixed text's decimal fractions ("may not exceed 0.95.") written with the
// locale's decimal sign, so the figures an instruction names read as the
// fields write them and take them.
QString withLocaleDecimals(const QString& text);

// Whole-number captions of counts: the value rounded half to even to a 64-bit
// integer, written plain ("1234", "0", "-3") or grouped with "###,###,##0"
// (the locale's grouping);
// "out of range" at the end of the 64-bit range, where the count saturates.
QString countText(double value);
QString groupedCountText(double value);

// A float written out in full: the shortest decimal that reads back to the
// same float, with no exponent, in the locale's grouping and decimal sign
// (12,345,678; 0.5; 2.25). What it shows is the figure in use.
QString fullFloatText(float value);

}  // namespace platform::numbers
