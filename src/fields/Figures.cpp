#include "fields/Figures.h"

#include "model/Limits.h"
#include "platform/Numbers.h"

#include <cstdint>
#include <limits>

namespace fields {

namespace num = platform::numbers;

std::optional<double> numberWithin(const QString& text, double low, double high, bool lowOpen)
{
    const std::optional<double> v = num::toDouble(text);
    const double lead = num::leadingValue(text);
    if (!v || lead < low || lead > high || *v < low || *v > high)
        return std::nullopt;
    if (lowOpen && (*v <= low || lead <= low || !(static_cast<float>(*v) > low)))
        return std::nullopt;
    return v;
}

namespace {

// Also a count beyond what a double holds (thousands of pasted digits).
bool aboveCountLimit(const QString& text)
{
    const std::optional<double> v = num::toDoubleUnbounded(text);
    return v && num::roundHalfEven(*v) > Limits::MostWomenPerGroup;
}

// As the box would show the amount, as its lower bound is judged: 1000000.004
// shows as the limit itself. Also an amount beyond what any amount can hold
// ("1e20"), or a double.
bool aboveUnitCostLimit(const QString& text)
{
    if (const std::optional<std::int64_t> ticks = num::toCurrencyTicks(text))
        return shownAmount(Money::fromTicks(*ticks)) > Limits::MostUnitCost;
    return num::toDoubleUnbounded(text).has_value() && num::leadingValue(text) > 0;
}

// A number above zero, also as the 32-bit figure it is stored as.
std::optional<float> positiveFloat(const QString& text)
{
    const std::optional<float> f = numberWithin(text, 0, 1e300, true) ? num::toFloat(text) : std::nullopt;
    return f && *f > 0.0f ? f : std::nullopt;
}

QString unitCostLimit(const QString& outOfRange)
{
    return outOfRange + QStringLiteral(": not more than ") + currencyText(Limits::MostUnitCost);
}

} // namespace

std::optional<std::int32_t> womenCount(const QString& text)
{
    const std::optional<double> v = num::toDouble(text);
    if (!v || *v < 0 || num::leadingValue(text) < 0 || aboveCountLimit(text))
        return std::nullopt;
    return num::toInt32(*v);
}

std::optional<Money> amountOf(const QString& text, bool zeroAllowed)
{
    const std::optional<std::int64_t> ticks = num::toCurrencyTicks(text);
    if (!ticks || !num::isNumeric(text) || aboveUnitCostLimit(text))
        return std::nullopt;
    const Money shown = shownAmount(Money::fromTicks(*ticks));
    const double lead = num::leadingValue(text);
    if (zeroAllowed ? (shown.ticks() < 0 || lead < 0) : (shown.ticks() <= 0 || lead <= 0))
        return std::nullopt;
    return shown;
}

QString countRefusal(const QString& text, const QString& message)
{
    if (aboveCountLimit(text))
        return QStringLiteral("Population out of range: not more than ") +
               num::groupedCountText(double(Limits::MostWomenPerGroup)) + " women in an age group";
    return message;
}

QString costRefusal(const QString& text, const QString& message, const QString& outOfRange)
{
    return aboveUnitCostLimit(text) ? unitCostLimit(outOfRange) : message;
}

std::optional<QString> workedOutCostRefusal(Money amount)
{
    if (amount.ticks() <= 0)
        return QStringLiteral("The labor and materials cost of ") + currencyText(amount) +
               QStringLiteral(" is not more than zero, and is not taken.");
    if (amount <= Limits::MostUnitCost)
        return std::nullopt;
    // An amount at the end of the range has no figure to name.
    const bool named = amount.ticks() < std::numeric_limits<std::int64_t>::max();
    return QStringLiteral("The labor and materials cost") + (named ? " of " + currencyText(amount) : QString()) +
           QStringLiteral(" is more than the largest unit cost, ") + currencyText(Limits::MostUnitCost) +
           QStringLiteral(", and is not taken.");
}

QString currencyText(Money m) { return num::formatCurrency(m.toDouble()); }

Money shownAmount(Money m)
{
    const std::optional<std::int64_t> ticks = num::toCurrencyTicks(currencyText(m));
    return ticks ? Money::fromTicks(*ticks) : m;
}

QString plainText(Money m) { return num::generalFormat(m.toDouble()); }

QString percentText(float fraction)
{
    return num::generalFormat(static_cast<float>(double(fraction) * 100)) + QLatin1Char('%');
}

Bound<Money>::Format costFormat(const QString& message, bool zeroAllowed, bool emptyIsZero,
                                const QString& outOfRange)
{
    return {currencyText, plainText, [=](const QString& typed) {
                const QString text = emptyIsZero && typed.isEmpty() ? QStringLiteral("0") : typed;
                if (const std::optional<Money> m = amountOf(text, zeroAllowed))
                    return Reading<Money>::accept(*m);
                return Reading<Money>::refuse(costRefusal(text, message, outOfRange));
            }};
}

Bound<Money>::Format givenCostFormat(const QString& message, bool zeroAllowed)
{
    Bound<Money>::Format f = costFormat(message, zeroAllowed, zeroAllowed);
    f.shown = [](Money m) { return m.ticks() == 0 ? QString() : currencyText(m); };
    if (!zeroAllowed)
        f.standing = [message](Money m) { return m.ticks() > 0 ? std::nullopt : std::optional<QString>(message); };
    return f;
}

Bound<float>::Format rateFormat(float lowest, float highest, const QString& rangeMessage)
{
    return {[](float v) { return num::generalFormat(v); }, {}, [=](const QString& text) {
                const std::optional<float> f = positiveFloat(text);
                if (!f)
                    return Reading<float>::refuse(kMustBeNumeric);
                const float rate = *f >= 1.0f ? float(double(*f) / 100.0) : *f;
                if (rate < lowest || rate > highest)
                    return Reading<float>::outOfRange(rangeMessage, rate, num::generalFormat(rate));
                return Reading<float>::accept(rate, num::generalFormat(rate));
            }};
}

Bound<float>::Format positiveCountFormat()
{
    return {[](float v) { return v == 0.0f ? QString() : num::fullFloatText(v); }, {}, [](const QString& text) {
                const std::optional<float> f = positiveFloat(text);
                if (!f)
                    return Reading<float>::refuse(kMustBeNumeric);
                return Reading<float>::accept(*f);
            },
            [](float v) { return v > 0.0f ? std::nullopt : std::optional<QString>(kMustBeNumeric); }};
}

Bound<Answer<std::int32_t>>::Format womenFormat(const QString& message)
{
    using R = Reading<Answer<std::int32_t>>;
    return {[](Answer<std::int32_t> n) {
                return n ? num::formatPattern(std::int64_t(*n), QStringLiteral("##,###,##0")) : QString();
            },
            {},
            [=](const QString& text) {
                if (const std::optional<std::int32_t> n = womenCount(text))
                    return R::accept(*n);
                return R::refuse(countRefusal(text, message));
            },
            [=](Answer<std::int32_t> n) { return n ? std::nullopt : std::optional<QString>(message); }};
}

Bound<Answer<float>>::Format shareFormat(const QString& message, float defaultFraction, bool zeroAllowed)
{
    using R = Reading<Answer<float>>;
    return {[](Answer<float> v) { return v ? num::generalFormat(*v) : QString(); }, {}, [=](const QString& text) {
                if (text.isEmpty())
                    return R::accept(defaultFraction);
                const std::optional<double> v = numberWithin(text, 0, 100, !zeroAllowed);
                if (!v)
                    return R::refuse(message);
                return R::accept(static_cast<float>(*v >= 1 ? *v / 100 : *v));
            }};
}

} // namespace fields

namespace fields {

Bound<Answer<double>>::Format percentageFormat(const QString& message)
{
    using R = Reading<Answer<double>>;
    return {[](Answer<double> v) { return v ? num::generalFormat(*v) : QString(); }, {}, [=](const QString& text) {
                const std::optional<double> v = numberWithin(text, 0, 100);
                if (!v)
                    return R::refuse(message);
                return R::accept(*v > 0 && *v < 1 ? *v * 100 : *v);
            }};
}

} // namespace fields
