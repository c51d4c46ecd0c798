// Writing number text: the general number format, digit patterns, the
// currency format and the captions of counts.

#include "platform/Numbers.h"
#include "platform/NumberText.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform::numbers {

using namespace detail;

namespace {

constexpr int kDollarDecimals = 2;

// What a figure at or beyond the end of the 64-bit range shows: a value held
// there has been cut off, and a cut-off figure is never shown as if it were real.
const QString kOutOfRange = QStringLiteral("out of range");

bool beyondWholeNumbers(double value)
{
    // 2^63 less what a double near it can resolve: an amount saturated at the
    // end of the 64-bit tick range converts to 2^63 itself.
    constexpr double limit = 9223372036854774784.0;
    return std::isfinite(value) && std::fabs(value) >= limit;
}

// The digits of a value rounded to a number of significant digits:
// value = sign x 0.digits x 10^pointPos, so pointPos counts the integer digits.
// (A lone "0" is written with assign(1, '0') throughout: GCC 12 at -O3 warns
// falsely (-Wrestrict) on assigning a string literal there.)
struct SignificantDigits {
    bool negative = false;
    std::string digits;
    std::int64_t pointPos = 1;
};

SignificantDigits significantDigits(double value, int significant)
{
    SignificantDigits result;
    if (value == 0.0) {
        result.digits.assign(1, '0');
        return result;
    }
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific, significant - 1).ptr;
    const std::string text(buffer, end);  // "-d.ddde+XX"
    std::size_t pos = 0;
    result.negative = text[0] == '-';
    if (result.negative)
        ++pos;
    const std::size_t exponentMark = text.find('e');
    for (; pos < exponentMark; ++pos) {
        if (text[pos] != '.')
            result.digits += text[pos];
    }
    result.pointPos = std::stoll(text.substr(exponentMark + 1)) + 1;
    return result;
}

SignificantDigits wholeNumberDigits(std::int64_t value)
{
    SignificantDigits result;
    result.negative = value < 0;
    const std::string text = std::to_string(value);
    result.digits = result.negative ? text.substr(1) : text;
    result.pointPos = static_cast<std::int64_t>(result.digits.size());
    return result;
}

// Half away from zero, as every figure is shown (2.5 as 3, -0.25 as -0.3).
void roundToDecimals(SignificantDigits& number, int decimals)
{
    const std::int64_t keep = number.pointPos + decimals;
    if (keep >= static_cast<std::int64_t>(number.digits.size()))
        return;
    if (keep < 0) {
        number.digits.assign(1, '0');
        number.pointPos = 1;
        return;
    }
    const bool roundUp = number.digits[static_cast<std::size_t>(keep)] >= '5';
    number.digits.resize(static_cast<std::size_t>(keep));
    if (!roundUp) {
        if (number.digits.empty()) {
            number.digits.assign(1, '0');
            number.pointPos = 1;
        }
        return;
    }
    std::size_t i = number.digits.size();
    while (i > 0 && number.digits[i - 1] == '9')
        number.digits[--i] = '0';
    if (i > 0) {
        ++number.digits[i - 1];
    } else {
        number.digits.insert(number.digits.begin(), '1');
        ++number.pointPos;
    }
}

char digitAt(const SignificantDigits& number, std::int64_t index)
{
    if (index < 0 || index >= static_cast<std::int64_t>(number.digits.size()))
        return '0';
    return number.digits[static_cast<std::size_t>(index)];
}

// Integer digits without leading zeros (empty for a value below 1).
std::string integerDigits(const SignificantDigits& number)
{
    std::string out;
    for (std::int64_t i = 0; i < number.pointPos; ++i) {
        const char digit = digitAt(number, i);
        if (!out.empty() || digit != '0')
            out += digit;
    }
    return out;
}

std::string fractionDigits(const SignificantDigits& number, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += digitAt(number, number.pointPos + i);
    return out;
}

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
}

QString generalFormatDigits(double value, int significant)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0.0)
        return QStringLiteral("0");
    SignificantDigits number = significantDigits(value, significant);
    number.digits.erase(number.digits.find_last_not_of('0') + 1);
    const QString point = QLocale().decimalPoint();
    const QString sign = number.negative ? QStringLiteral("-") : QString();
    const std::int64_t exponent = number.pointPos - 1;
    if (exponent < -4 || exponent >= significant) {
        QString text = sign + QChar::fromLatin1(number.digits[0]);
        if (number.digits.size() > 1)
            text += point + QString::fromLatin1(number.digits.substr(1));
        const QString magnitude = QString::number(std::abs(exponent)).rightJustified(2, u'0');
        return text + (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) + magnitude;
    }
    std::string whole = integerDigits(number);
    if (whole.empty())
        whole.assign(1, '0');
    const int decimals = static_cast<int>(
        std::max<std::int64_t>(0, static_cast<std::int64_t>(number.digits.size()) - number.pointPos));
    QString text = sign + QString::fromLatin1(whole);
    if (decimals > 0)
        text += point + QString::fromLatin1(fractionDigits(number, decimals));
    return text;
}

struct DigitPattern {
    QString prefix;
    QString suffix;
    int minIntegerDigits = 0;
    bool grouped = false;
    bool hasPoint = false;
    int minDecimals = 0;
    int maxDecimals = 0;
};

bool isPlaceholder(QChar c)
{
    return c == u'#' || c == u'0' || c == u',' || c == u'.';
}

DigitPattern parsePattern(const QString& pattern)
{
    DigitPattern result;
    qsizetype first = 0;
    while (first < pattern.size() && !isPlaceholder(pattern[first]))
        ++first;
    qsizetype last = pattern.size();
    while (last > first && !isPlaceholder(pattern[last - 1]))
        --last;
    result.prefix = pattern.left(first);
    result.suffix = pattern.mid(last);
    const bool unknown = pattern.contains(u';') || pattern.contains(u'%') || pattern.contains(u'\\') ||
                         pattern.contains(u'"') || pattern.contains(QLatin1String("e+"), Qt::CaseInsensitive) ||
                         pattern.contains(QLatin1String("e-"), Qt::CaseInsensitive);
    if (unknown)
        throw std::invalid_argument("unknown number pattern: " + pattern.toStdString());
    for (qsizetype i = first; i < last; ++i)
        if (!isPlaceholder(pattern[i]))
            throw std::invalid_argument("unknown number pattern: " + pattern.toStdString());
    for (qsizetype i = first; i < last; ++i) {
        const QChar c = pattern[i];
        if (c == u'.') {
            result.hasPoint = true;
        } else if (result.hasPoint) {
            result.minDecimals += c == u'0' ? 1 : 0;
            result.maxDecimals += (c == u'0' || c == u'#') ? 1 : 0;
        } else if (c == u',') {
            result.grouped = true;
        } else if (c == u'0') {
            ++result.minIntegerDigits;
        }
    }
    return result;
}

// The integer digits grouped as the locale groups a whole number of that
// many digits: 1,234,567 in en_US, 12,34,567 in en_IN.
QString groupDigits(const std::string& digits)
{
    const QLocale locale;
    const std::vector<int> groups = localeGroups(locale, static_cast<int>(digits.size()));
    if (groups.empty())
        return QString::fromLatin1(digits);
    const QString separator = locale.groupSeparator();
    QString out;
    std::size_t pos = 0;
    for (int g : groups) {
        if (pos > 0)
            out += separator;
        out += QString::fromLatin1(digits.substr(pos, static_cast<std::size_t>(g)));
        pos += static_cast<std::size_t>(g);
    }
    return out;
}

QString fullFloatDigits(float value)
{
    char buffer[64];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, r.ec == std::errc() ? r.ptr : buffer);
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        text.erase(0, 1);
    const std::size_t point = text.find('.');
    QString out = negative ? QStringLiteral("-") : QString();
    out += groupDigits(text.substr(0, point));
    if (point != std::string::npos)
        out += QLocale().decimalPoint() + QString::fromLatin1(text.substr(point + 1));
    return out;
}

QString applyPattern(SignificantDigits number, const QString& patternText)
{
    const DigitPattern pattern = parsePattern(patternText);
    roundToDecimals(number, pattern.maxDecimals);
    std::string whole = integerDigits(number);
    if (static_cast<int>(whole.size()) < pattern.minIntegerDigits)
        whole.insert(0, static_cast<std::size_t>(pattern.minIntegerDigits) - whole.size(), '0');
    std::string fraction = fractionDigits(number, pattern.maxDecimals);
    while (static_cast<int>(fraction.size()) > pattern.minDecimals && fraction.back() == '0')
        fraction.pop_back();
    const bool negative = number.negative && !(allZeros(whole) && allZeros(fraction));
    QString text = pattern.prefix;
    if (negative)
        text += u'-';
    text += pattern.grouped ? groupDigits(whole) : QString::fromLatin1(whole);
    if (pattern.hasPoint)
        text += QLocale().decimalPoint() + QString::fromLatin1(fraction);
    return text + pattern.suffix;
}

QString formatPatternDigits(double value, const QString& pattern, int significant)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    return applyPattern(significantDigits(value, significant), pattern);
}

}  // namespace

QString withLocaleDecimals(const QString& text)
{
    const QString point = QLocale().decimalPoint();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool betweenDigits = text[i] == u'.' && i > 0 && i + 1 < text.size() && text[i - 1].isDigit() &&
                                   text[i + 1].isDigit();
        out += betweenDigits ? point : QString(text[i]);
    }
    return out;
}

QString fullFloatText(float value)
{
    if (!std::isfinite(value))
        return generalFormat(value);
    return fullFloatDigits(value);
}

QString generalFormat(float value)
{
    return generalFormatDigits(static_cast<double>(value), 7);
}

QString generalFormat(double value)
{
    return generalFormatDigits(value, 15);
}

QString formatPattern(double value, const QString& pattern)
{
    return formatPatternDigits(value, pattern, 15);
}

QString formatPattern(float value, const QString& pattern)
{
    return formatPatternDigits(static_cast<double>(value), pattern, 7);
}

QString formatPattern(std::int64_t value, const QString& pattern)
{
    return applyPattern(wholeNumberDigits(value), pattern);
}

QString formatCurrency(double value)
{
    const QLocale locale;
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (beyondWholeNumbers(value * 10000.0))
        return kOutOfRange;
    const int decimals = kDollarDecimals;
    SignificantDigits number = significantDigits(value, 15);
    roundToDecimals(number, decimals);
    // Rebuilt from its rounded decimal digits, the amount is the double nearest
    // to them, which QLocale writes back with exactly those digits.
    DecimalText rounded;
    rounded.negative = number.negative;
    rounded.digits = number.digits;
    rounded.exponent = number.pointPos - static_cast<std::int64_t>(number.digits.size());
    const double amount = toDoubleValue(rounded).value_or(value);
    return asciiDigits(locale.toCurrencyString(amount == 0.0 ? 0.0 : amount, kDollar, kDollarDecimals));
}

QString countText(double value)
{
    if (beyondWholeNumbers(value))
        return kOutOfRange;
    return QString::number(roundHalfEven(value));
}

QString groupedCountText(double value)
{
    if (beyondWholeNumbers(value))
        return kOutOfRange;
    return formatPattern(roundHalfEven(value), QStringLiteral("###,###,##0"));
}

}  // namespace platform::numbers
