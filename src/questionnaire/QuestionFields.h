#pragma once
// What the question forms' designs share: their labels on the house cyan.
// Their fields are bound fields (fields/BoundField.h).

#include "platform/Control.h"

#include <initializer_list>

namespace quest {

// A label of a question form as the design table gives it, on the house cyan.
struct LabelDesign {
    platform::Label& label;
    const char* caption;
    double left, top, width, height;
};
void designLabels(std::initializer_list<LabelDesign> labels);

} // namespace quest
