#include "testchars/CountField.h"

#include "platform/Numbers.h"
#include "testchars/FieldChecks.h"

namespace testchars {

CountField::CountField(platform::TextBox& box_, float& value_) : box(box_), value(value_)
{
    box.GotFocus = [this] { gotFocus(); };
    box.Validate = [this](bool& cancel) { validate(cancel); };
    box.LostFocus = [this] { lostFocus(); };
}

void CountField::gotFocus() { selectAndFocus(box); }

// A number above zero that a float holds above zero ("1e-50" it holds as 0).
std::optional<float> CountField::count() const
{
    if (!numericAbove(box.text()))
        return std::nullopt;
    const std::optional<float> v = platform::numbers::toFloat(box.text());
    if (!v || !(*v > 0.0f))
        return std::nullopt;
    return v;
}

void CountField::validate(bool& cancel)
{
    if (count())
        return;
    cancel = true;
    tell(box, kMustBeNumeric);
}

void CountField::lostFocus()
{
    if (const std::optional<float> v = count())
        value = *v;
}

} // namespace testchars
