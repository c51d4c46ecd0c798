#include "platform/Numbers.h"

#include <QLocale>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <limits>
#include <string>
#include <vector>

namespace platform::numbers {

namespace {

// The text with the digits of every script written as 0-9, all else as it
// stands. Taken by code point, so that digits beyond the Basic Multilingual
// Plane (Chakma, Adlam) count as well.
QString asciiDigits(const QString& text)
{
    std::u32string codePoints;
    codePoints.reserve(static_cast<std::size_t>(text.size()));
    for (const uint c : text.toUcs4()) {
        const char32_t u = c;
        codePoints += QChar::isDigit(u) ? U'0' + static_cast<char32_t>(QChar::digitValue(u)) : u;
    }
    return QString::fromUcs4(codePoints.data(), static_cast<qsizetype>(codePoints.size()));
}

} // namespace

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

namespace {

// A number read from text, kept as its decimal digits so that money can be
// converted without passing through a double: sign x digits x 10^exponent.
struct DecimalText {
    bool negative = false;
    std::string digits;          // ASCII, may start with zeros
    std::int64_t exponent = 0;
};

// Every amount is in dollars, written with the locale's digits and separators.
const QString kDollar = QStringLiteral("$");
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

// Exponents beyond this are far outside any double; capping them keeps the
// arithmetic on them from overflowing.
constexpr std::int64_t kExponentCap = 100000;

void appendExponentDigit(std::int64_t& exponent, int digit)
{
    exponent = std::min<std::int64_t>(exponent * 10 + digit, kExponentCap);
}

// Bidirectional marks that some locales put around signs and symbols carry no
// meaning for the number.
QString withoutFormatMarks(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.category() != QChar::Other_Format)
            out += c;
    }
    return out;
}

// A text as the readers take it: format marks dropped, digits as 0-9.
QString readableText(const QString& text)
{
    return asciiDigits(withoutFormatMarks(text));
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

// nullopt when the value is beyond the double range; underflow gives 0.
std::optional<double> toDoubleValue(const DecimalText& number)
{
    const auto first = number.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    const std::string digits = number.digits.substr(first);
    const std::int64_t magnitude = static_cast<std::int64_t>(digits.size()) - 1 + number.exponent;
    if (magnitude > 400)
        return std::nullopt;
    if (magnitude < -400)
        return 0.0;
    const std::string text = digits + 'e' + std::to_string(number.exponent);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            return std::nullopt;
        value = 0.0;
    }
    return number.negative ? -value : value;
}

// The digit counts of the groups a locale writes a whole number of `digits`
// digits in, most significant first ({1, 3, 3} for 1,234,567 in en_US; {2, 2,
// 3} for 12,34,567 in en_IN); empty when it would not group that many.
std::vector<int> localeGroups(const QLocale& locale, int digits)
{
    if (digits < 2 || digits > 18)
        return {};
    qlonglong number = 1;
    for (int i = 1; i < digits; ++i)
        number *= 10;
    const QString text = readableText(locale.toString(number));
    std::vector<int> groups(1, 0);
    for (QChar c : text) {
        if (c.isDigit())
            ++groups.back();
        else
            groups.push_back(0);
    }
    return groups.size() > 1 ? groups : std::vector<int>{};
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

// Val skips these wherever they stand, even between digits.
bool isValBlank(QChar c)
{
    return isFigureBlank(c) || c == u'\t' || c == u'\n';
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

// Half away from zero: the old runtime's display rounding.
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

bool allZeros(const std::string& digits)
{
    return digits.find_first_not_of('0') == std::string::npos;
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

QString groupThousands(const std::string& digits)
{
    const QString separator = QLocale().groupSeparator();
    QString out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += QChar::fromLatin1(digits[i]);
    }
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
    text += pattern.grouped ? groupThousands(whole) : QString::fromLatin1(whole);
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

std::int64_t roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    // 2^63: the first double beyond the 64-bit range on either side.
    constexpr double limit = 9223372036854775808.0;
    if (value >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (value < -limit)
        return std::numeric_limits<std::int64_t>::min();
    // Independent of the floating-point rounding mode; value - floor is exact.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole >= limit)
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(whole);
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

QLocale programLocale(const QString& lcAll, const QString& lcNumeric, const QString& lang, const QLocale& system)
{
    QString name;
    for (const QString& setting : {lcAll, lcNumeric, lang}) {
        if (!setting.isEmpty()) {
            name = setting;
            break;
        }
    }
    const QLocale locale = name.isEmpty() ? system : QLocale(name);
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QLocale programLocale()
{
    return programLocale(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_NUMERIC"),
                         qEnvironmentVariable("LANG"), QLocale::system());
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
