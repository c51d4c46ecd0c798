#pragma once
// A rate field: a text box bound to one 32-bit rate of the model, read as a
// fraction, where a typed value of 1 or more means a percentage.
//
// Two kinds share the pattern. A range field (sensitivity, specificity, PID
// probability) reads and range-checks the typed value in its validation and
// stores it there when it is accepted. A cure-rate field only checks that the
// text is a number above zero and not above 100 %, and stores when it is left.
//
// Only what the user typed is read as a percentage: a value the field wrote
// itself (a default, or its own rewrite of an earlier entry) is taken as the
// fraction it shows, so a specificity shown as "1" stays 1.0, while "1" typed
// over it means 1 %. A positive text that a float holds only as 0 ("1e-50")
// is refused, never stored as 0. A refused value
// never reaches the model: the model keeps the last accepted value until a
// valid entry replaces it, and a field left without being validated (its form
// hid or disabled it) shows the last accepted value again.

#include "platform/Control.h"

#include <QString>
#include <functional>
#include <optional>

namespace testchars {

enum class RateKind { Range, CureRate };

struct RateRule {
    RateKind kind = RateKind::Range;
    float lowest = 0;   // inclusive bounds of a range field
    float highest = 0;
    QString rangeMessage;
};

inline const QString kValuesOutOfRange = QStringLiteral("Values out of range");

class RateField {
public:
    RateField(platform::TextBox& box, float& value, RateRule rule);

    platform::TextBox& box;
    float& value;

    // Puts the model's value into the field as the program writes numbers.
    void show();
    // The field's GotFocus: its whole text selected, the focus in it.
    void gotFocus();
    void validate(bool& cancel);
    void lostFocus();
    // Stores an accepted text into the model; any other text is replaced by
    // the last accepted value.
    void commit();

    // Runs after the range test with the value just read, accepted or not.
    std::function<void(float read, bool& cancel)> afterRangeTest;

private:
    // The text as a fraction: a typed value of 1 or more is a percentage.
    std::optional<float> reading(const QString& text) const;
    std::optional<float> acceptedValue() const;
    void refuse(const QString& message, bool& cancel);
    void showText(const QString& text, bool accepted);

    RateRule rule_;
    QString accepted_;  // the last text that holds an accepted value
};

} // namespace testchars
