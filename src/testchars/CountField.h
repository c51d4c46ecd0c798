#pragma once
// A count field of the test-cost calculator: a number above zero, kept as typed
// when it is refused, stored as a 32-bit value when the field is left.

#include "platform/Control.h"

namespace testchars {

class CountField {
public:
    CountField(platform::TextBox& box, float& value);

    platform::TextBox& box;
    float& value;

    void gotFocus();
    void validate(bool& cancel);
    // Stores the text when it is a number above zero; anything else (a field
    // left without validation) leaves the stored figure as it was.
    void lostFocus();
};

} // namespace testchars
