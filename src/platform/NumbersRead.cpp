// Reading number text: the locale-aware numeric test and conversion, the
// leading value, the currency reading and the whole-number conversions.

#include "platform/Numbers.h"
#include "platform/NumberText.h"

#include <QLocale>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace platform::numbers {

using namespace detail;

namespace {

// Exponents beyond this are far outside any double; capping them keeps the
// arithmetic on them from overflowing.
constexpr std::int64_t kExponentCap = 100000;

void appendExponentDigit(std::int64_t& exponent, int digit)
{
    exponent = std::min<std::int64_t>(exponent * 10 + digit, kExponentCap);
}

// The blanks a figure may be grouped or surrounded with: the user types a
// plain space where the locale writes a no-break one, and pastes either kind.
bool isFigureBlank(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

bool isBlankSeparator(const QString& separator)
{
    return !separator.isEmpty() && std::all_of(separator.begin(), separator.end(), isFigureBlank);
}

// What the user may write for the locale's grouping separator: a blank one
// as any of the blanks, the typographic apostrophe as the keyboard's.
QStringList groupSeparatorsRead(const QString& separator)
{
    if (isBlankSeparator(separator))
        return {QStringLiteral(" "), QStringLiteral("\u00a0"), QStringLiteral("\u202f")};
    if (separator == QStringLiteral("\u2019"))
        return {separator, QStringLiteral("'")};
    return {separator};
}

// Grouped digits mean one number only when every group after the first has
// the three digits of a thousands group (or the groups are those the locale
// itself writes) and the first group is one to three digits, not starting
// with 0: "0.7" under de_DE and "1,5" under en_US could each mean another
// number and are refused.
bool wellGrouped(const QLocale& locale, const std::vector<int>& groups, char firstDigit)
{
    if (groups.size() < 2)
        return true;
    if (firstDigit == '0')
        return false;
    int digits = 0;
    for (int g : groups)
        digits += g;
    if (groups == localeGroups(locale, digits))
        return true;
    if (groups.front() < 1 || groups.front() > 3)
        return false;
    return std::all_of(groups.begin() + 1, groups.end(), [](int g) { return g == 3; });
}

// The locale-aware reading: [cur] [(] [cur] [sign] [cur] number [cur] [)] [cur],
// blanks between the parts, the dollar sign at most once.
class LocaleNumberReader {
public:
    explicit LocaleNumberReader(const QString& text)
        : text_(readableText(text)),
          decimalPoint_(withoutFormatMarks(locale_.decimalPoint())),
          groupSeparators_(groupSeparatorsRead(withoutFormatMarks(locale_.groupSeparator()))),
          currencySymbol_(kDollar),
          minusSign_(withoutFormatMarks(locale_.negativeSign())),
          plusSign_(withoutFormatMarks(locale_.positiveSign()))
    {
    }

    std::optional<DecimalText> read()
    {
        DecimalText number;
        skipBlanks();
        takeCurrency();
        const bool parenthesised = take(QStringLiteral("("));
        skipBlanks();
        takeCurrency();
        if (!parenthesised)
            number.negative = takeSign();
        takeCurrency();
        if (!readDigits(number))
            return std::nullopt;
        skipBlanks();
        takeCurrency();
        if (parenthesised) {
            if (!take(QStringLiteral(")")))
                return std::nullopt;
            number.negative = true;
            skipBlanks();
            takeCurrency();
        }
        if (pos_ != text_.size())
            return std::nullopt;
        return number;
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }

    int digitAt(qsizetype pos) const
    {
        if (pos >= text_.size() || !text_[pos].isDigit())
            return -1;
        return text_[pos].digitValue();
    }

    void skipBlanks()
    {
        while (!atEnd() && text_[pos_].isSpace())
            ++pos_;
    }

    bool take(const QString& token)
    {
        if (token.isEmpty() || !QStringView(text_).mid(pos_).startsWith(token))
            return false;
        pos_ += token.size();
        return true;
    }

    void takeCurrency()
    {
        if (!currencyTaken_ && take(currencySymbol_)) {
            currencyTaken_ = true;
            skipBlanks();
        }
    }

    // Returns whether the sign was a minus.
    bool takeSign()
    {
        bool negative = false;
        if (take(QStringLiteral("-")) || take(minusSign_))
            negative = true;
        else if (!take(QStringLiteral("+")))
            take(plusSign_);
        skipBlanks();
        return negative;
    }

    // A separator groups only where a digit follows; otherwise it ends the number.
    bool takeGroupSeparator()
    {
        for (const QString& separator : groupSeparators_) {
            if (QStringView(text_).mid(pos_).startsWith(separator) && digitAt(pos_ + separator.size()) >= 0) {
                pos_ += separator.size();
                return true;
            }
        }
        return false;
    }

    bool readDigits(DecimalText& number)
    {
        std::int64_t fractionDigits = 0;
        std::vector<int> groups(1, 0);
        for (;;) {
            if (const int digit = digitAt(pos_); digit >= 0) {
                number.digits += static_cast<char>('0' + digit);
                ++groups.back();
                ++pos_;
            } else if (!number.digits.empty() && takeGroupSeparator()) {
                groups.push_back(0);
            } else {
                break;
            }
        }
        if (!number.digits.empty() && !wellGrouped(locale_, groups, number.digits.front()))
            return false;
        if (take(decimalPoint_)) {
            for (int digit = digitAt(pos_); digit >= 0; digit = digitAt(++pos_)) {
                number.digits += static_cast<char>('0' + digit);
                ++fractionDigits;
            }
        }
        if (number.digits.empty())
            return false;
        number.exponent = readExponent() - fractionDigits;
        return true;
    }

    // An 'e' that no exponent follows is left for the caller, which refuses it
    // unless the currency symbol starts there.
    std::int64_t readExponent()
    {
        const qsizetype start = pos_;
        if (!take(QStringLiteral("e")) && !take(QStringLiteral("E")))
            return 0;
        bool negative = false;
        if (take(QStringLiteral("-")) || take(minusSign_))
            negative = true;
        else
            take(QStringLiteral("+"));
        if (digitAt(pos_) < 0) {
            pos_ = start;
            return 0;
        }
        std::int64_t exponent = 0;
        for (int digit = digitAt(pos_); digit >= 0; digit = digitAt(++pos_))
            appendExponentDigit(exponent, digit);
        return negative ? -exponent : exponent;
    }

    const QLocale locale_;
    const QString text_;
    const QString decimalPoint_;
    const QStringList groupSeparators_;
    const QString currencySymbol_;
    const QString minusSign_;
    const QString plusSign_;
    qsizetype pos_ = 0;
    bool currencyTaken_ = false;
};

std::optional<DecimalText> readLocaleNumber(const QString& text)
{
    return LocaleNumberReader(text).read();
}

// The leading value skips these wherever they stand, even between digits.
bool isValBlank(QChar c)
{
    return isFigureBlank(c) || c == u'\t' || c == u'\n';
}

}  // namespace

bool isNumeric(const QString& text)
{
    return toDouble(text).has_value();
}

bool isNumeric(const QString& text, NumberKind kind)
{
    switch (kind) {
    case NumberKind::Float: return toFloat(text).has_value();
    case NumberKind::Currency: return toCurrencyTicks(text).has_value();
    case NumberKind::Double: break;
    }
    return isNumeric(text);
}

double leadingValue(const QString& text)
{
    const QLocale locale;
    const QString point = withoutFormatMarks(locale.decimalPoint());
    const QString minus = withoutFormatMarks(locale.negativeSign());
    DecimalText number;
    std::int64_t fractionDigits = 0;
    std::int64_t exponent = 0;
    bool exponentNegative = false;
    enum class Phase { Start, Integer, Fraction, ExponentMark, ExponentSign, Exponent };
    Phase phase = Phase::Start;
    for (QChar c : readableText(text)) {
        if (isValBlank(c))
            continue;
        const bool digit = c.isDigit();
        const bool minusSign = c == u'-' || (minus.size() == 1 && c == minus[0]);
        if (phase == Phase::Start && (minusSign || c == u'+')) {
            number.negative = minusSign;
            phase = Phase::Integer;
        } else if (digit && (phase == Phase::Start || phase == Phase::Integer || phase == Phase::Fraction)) {
            number.digits += static_cast<char>('0' + c.digitValue());
            fractionDigits += phase == Phase::Fraction ? 1 : 0;
            if (phase == Phase::Start)
                phase = Phase::Integer;
        } else if (point.size() == 1 && c == point[0] && (phase == Phase::Start || phase == Phase::Integer)) {
            phase = Phase::Fraction;
        } else if ((c == u'e' || c == u'E') && !number.digits.empty()
                   && (phase == Phase::Integer || phase == Phase::Fraction)) {
            phase = Phase::ExponentMark;
        } else if ((minusSign || c == u'+') && phase == Phase::ExponentMark) {
            exponentNegative = minusSign;
            phase = Phase::ExponentSign;
        } else if (digit && phase >= Phase::ExponentMark) {
            appendExponentDigit(exponent, c.digitValue());
            phase = Phase::Exponent;
        } else {
            break;
        }
    }
    if (number.digits.empty())
        return 0.0;
    number.exponent = (exponentNegative ? -exponent : exponent) - fractionDigits;
    const std::optional<double> value = toDoubleValue(number);
    if (!value)
        return number.negative ? -std::numeric_limits<double>::infinity()
                               : std::numeric_limits<double>::infinity();
    return *value;
}

std::optional<double> toDouble(const QString& text)
{
    const std::optional<DecimalText> number = readLocaleNumber(text);
    if (!number)
        return std::nullopt;
    return toDoubleValue(*number);
}

std::optional<double> toDoubleUnbounded(const QString& text)
{
    const std::optional<DecimalText> number = readLocaleNumber(text);
    if (!number)
        return std::nullopt;
    if (const std::optional<double> value = toDoubleValue(*number))
        return value;
    return number->negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
}

std::optional<float> toFloat(const QString& text)
{
    const std::optional<double> value = toDouble(text);
    if (!value)
        return std::nullopt;
    const float rounded = static_cast<float>(*value);
    if (std::isinf(rounded))
        return std::nullopt;
    return rounded;
}

namespace {
template <class T>
std::optional<T> toWhole(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    const std::int64_t whole = roundHalfEven(value);
    if (whole < std::numeric_limits<T>::min() || whole > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(whole);
}
} // namespace

std::optional<std::int16_t> toInt16(double value) { return toWhole<std::int16_t>(value); }
std::optional<std::int32_t> toInt32(double value) { return toWhole<std::int32_t>(value); }

std::optional<std::int64_t> toCurrencyTicks(const QString& text)
{
    const std::optional<DecimalText> number = readLocaleNumber(text);
    if (!number)
        return std::nullopt;
    const auto first = number->digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    const std::string digits = number->digits.substr(first);
    const std::int64_t shift = number->exponent + 4;  // ten-thousandths
    const std::int64_t wholeCount = static_cast<std::int64_t>(digits.size()) + shift;
    if (wholeCount > 19)
        return std::nullopt;

    std::uint64_t magnitude = 0;
    for (std::int64_t i = 0; i < wholeCount; ++i) {
        const int digit = i < static_cast<std::int64_t>(digits.size())
                              ? digits[static_cast<std::size_t>(i)] - '0'
                              : 0;
        if (magnitude > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit);
    }
    if (wholeCount >= 0 && wholeCount < static_cast<std::int64_t>(digits.size())) {
        const std::string rest = digits.substr(static_cast<std::size_t>(wholeCount));
        const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && !allZeros(rest.substr(1)));
        const bool exactHalf = rest[0] == '5' && allZeros(rest.substr(1));
        if (aboveHalf || (exactHalf && magnitude % 2 != 0))
            ++magnitude;  // cannot wrap: at most 19 digits were read
    }
    // Below half a ten-thousandth (wholeCount < 0) the amount rounds to 0.

    const std::uint64_t limit = number->negative
                                    ? std::uint64_t{1} << 63
                                    : (std::uint64_t{1} << 63) - 1;
    if (magnitude > limit)
        return std::nullopt;
    if (number->negative)
        return magnitude == limit ? std::numeric_limits<std::int64_t>::min()
                                  : -static_cast<std::int64_t>(magnitude);
    return static_cast<std::int64_t>(magnitude);
}

}  // namespace platform::numbers
