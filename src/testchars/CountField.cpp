#include "testchars/CountField.h"

#include "testchars/FieldChecks.h"

namespace testchars {

CountField::CountField(platform::TextBox& box_, float& value_) : box(box_), value(value_)
{
    box.GotFocus = [this] { gotFocus(); };
    box.Validate = [this](bool& cancel) { validate(cancel); };
    box.LostFocus = [this] { lostFocus(); };
}

void CountField::gotFocus() { selectAndFocus(box); }

void CountField::validate(bool& cancel)
{
    if (positiveFloat(box.text()))
        return;
    cancel = true;
    tell(box, kMustBeNumeric);
}

void CountField::lostFocus()
{
    if (const std::optional<float> v = positiveFloat(box.text()))
        value = *v;
}

} // namespace testchars
