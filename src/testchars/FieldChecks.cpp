#include "testchars/FieldChecks.h"

#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Numbers.h"
#include "platform/Runtime.h"
#include "model/Limits.h"

namespace testchars {

bool numericAbove(const QString& text, bool zeroAllowed)
{
    if (!platform::numbers::isNumeric(text))
        return false;
    const double lead = platform::numbers::leadingValue(text);
    return zeroAllowed ? lead >= 0 : lead > 0;
}

QString unitCostLimitMessage() { return unitCostLimitMessage(kValueOutOfRange); }

QString unitCostLimitMessage(const QString& outOfRange)
{
    return outOfRange + QStringLiteral(": not more than ") +
           platform::numbers::formatCurrency(Limits::MostUnitCost.toDouble());
}

bool aboveUnitCostLimit(const QString& text)
{
    namespace numbers = platform::numbers;
    if (const std::optional<std::int64_t> ticks = numbers::toCurrencyTicks(text))
        return *ticks > Limits::MostUnitCost.ticks();
    return numbers::isNumeric(text) && numbers::leadingValue(text) > 0;
}

std::optional<float> positiveFloat(const QString& text)
{
    if (!numericAbove(text))
        return std::nullopt;
    const std::optional<float> v = platform::numbers::toFloat(text);
    if (!v || !(*v > 0.0f))
        return std::nullopt;
    return v;
}

QString percentText(float fraction)
{
    return platform::numbers::generalFormat(static_cast<float>(double(fraction) * 100)) + QLatin1Char('%');
}

void selectAndFocus(platform::TextBox& box)
{
    box.setSelStart(0);
    box.setSelLength(int(box.text().size()));
    box.setFocus();
}

void tell(platform::Control& on, const QString& message)
{
    on.form().runtime().dialogs().msgBox(message);
}

} // namespace testchars
