#include "platform/NumberText.h"

#include <QChar>

#include <algorithm>
#include <charconv>

namespace platform::numbers::detail {

namespace {

// The most digits a sample number has: 10^17 still fits a 64-bit integer.
constexpr int kSampleDigits = 18;

// The digit counts of the groups in the locale's text of a number, most
// significant first; empty when the text is not grouped.
std::vector<int> groupsOf(const QString& text)
{
    std::vector<int> groups(1, 0);
    for (QChar c : readableText(text)) {
        if (c.isDigit())
            ++groups.back();
        else if (groups.back() > 0)
            groups.push_back(0);
    }
    if (groups.back() == 0)
        groups.pop_back();
    return groups.size() > 1 ? groups : std::vector<int>{};
}

// Groups for more digits than a sample holds: the lowest group as the locale
// writes it, every higher one as long as the next group of the sample.
std::vector<int> extendedGroups(const std::vector<int>& sample, int digits)
{
    if (sample.size() < 2)
        return {};
    const int lowest = sample.back();
    const int higher = sample[sample.size() - 2];
    std::vector<int> groups{lowest};
    int rest = digits - lowest;
    for (; rest > higher; rest -= higher)
        groups.push_back(higher);
    groups.push_back(rest);
    std::reverse(groups.begin(), groups.end());
    return groups;
}

}  // namespace

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

QString readableText(const QString& text)
{
    return asciiDigits(withoutFormatMarks(text));
}

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

std::vector<int> localeGroups(const QLocale& locale, int digits)
{
    if (digits < 2)
        return {};
    const int sampleDigits = std::min(digits, kSampleDigits);
    qlonglong number = 1;
    for (int i = 1; i < sampleDigits; ++i)
        number *= 10;
    const std::vector<int> groups = groupsOf(locale.toString(number));
    if (digits > kSampleDigits)
        return extendedGroups(groups, digits);
    int total = 0;
    for (int g : groups)
        total += g;
    return total == digits ? groups : std::vector<int>{};
}

bool allZeros(const std::string& digits)
{
    return digits.find_first_not_of('0') == std::string::npos;
}

}  // namespace platform::numbers::detail
