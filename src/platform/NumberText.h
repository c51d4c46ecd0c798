#pragma once
// What the number readers and writers share: a text as they take it, a number
// kept as its decimal digits, and the grouping a locale writes.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::numbers::detail {

// Every amount is in dollars, written with the locale's digits and separators.
inline const QString kDollar = QStringLiteral("$");

// The text with the digits of every script written as 0-9, all else as it
// stands. Taken by code point, so that digits beyond the Basic Multilingual
// Plane (Chakma, Adlam) count as well.
QString asciiDigits(const QString& text);

// Bidirectional marks that some locales put around signs and symbols carry no
// meaning for the number.
QString withoutFormatMarks(const QString& text);

// A text as the readers take it: format marks dropped, digits as 0-9.
QString readableText(const QString& text);

// A number read from text, kept as its decimal digits so that money can be
// converted without passing through a double: sign x digits x 10^exponent.
struct DecimalText {
    bool negative = false;
    std::string digits;          // ASCII, may start with zeros
    std::int64_t exponent = 0;
};

// nullopt when the value is beyond the double range; underflow gives 0.
std::optional<double> toDoubleValue(const DecimalText& number);

// The digit counts of the groups a locale writes a whole number of `digits`
// digits in, most significant first ({1, 3, 3} for 1,234,567 in en_US; {2, 2,
// 3} for 12,34,567 in en_IN); empty when it would not group that many.
std::vector<int> localeGroups(const QLocale& locale, int digits);

bool allZeros(const std::string& digits);

}  // namespace platform::numbers::detail
