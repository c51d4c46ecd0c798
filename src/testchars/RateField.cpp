#include "testchars/RateField.h"

#include "platform/Numbers.h"
#include "testchars/FieldChecks.h"

namespace testchars {

namespace numbers = platform::numbers;

RateField::RateField(platform::TextBox& box_, float& value_, RateRule rule)
    : box(box_), value(value_), rule_(std::move(rule))
{
    box.GotFocus = [this] { gotFocus(); };
    box.Validate = [this](bool& cancel) { validate(cancel); };
    box.LostFocus = [this] { lostFocus(); };
}

void RateField::showText(const QString& text, bool accepted)
{
    box.setText(text);
    if (accepted)
        accepted_ = text;
}

void RateField::show() { showText(numbers::generalFormat(value), true); }

void RateField::gotFocus() { selectAndFocus(box); }

std::optional<float> RateField::reading(const QString& text) const
{
    std::optional<float> v = positiveFloat(text);
    if (v && *v >= 1.0f && box.userEdited())
        v = float(double(*v) / 100.0);
    return v;
}

void RateField::refuse(const QString& message, bool& cancel)
{
    cancel = true;
    tell(box, message);
    gotFocus();
}

void RateField::validate(bool& cancel)
{
    const std::optional<float> read = reading(box.text());
    if (!read) {
        refuse(kMustBeNumeric, cancel);
        return;
    }
    if (rule_.kind == RateKind::CureRate) {
        // Above 1 the share not cured turns negative.
        if (*read > 1.0f)
            refuse(kValueOutOfRange, cancel);
        return;
    }
    const bool inRange = *read >= rule_.lowest && *read <= rule_.highest;
    showText(numbers::generalFormat(*read), inRange);
    if (inRange)
        value = *read;
    else
        refuse(rule_.rangeMessage, cancel);
    if (afterRangeTest)
        afterRangeTest(*read, cancel);
}

std::optional<float> RateField::acceptedValue() const
{
    const QString text = box.text();
    if (rule_.kind == RateKind::Range)
        return text == accepted_ ? numbers::toFloat(text) : std::nullopt;
    const std::optional<float> read = reading(text);
    if (read && *read > 1.0f)
        return std::nullopt;
    return read;
}

void RateField::commit()
{
    if (const std::optional<float> v = acceptedValue())
        value = *v;
    show();
}

void RateField::lostFocus() { commit(); }

} // namespace testchars
