#pragma once
// What the question forms' text fields share: entering a field selects its
// whole text; a field's text is read two ways (the locale-aware value, and
// the leading value that range tests use); and a field remembers the text it
// wrote itself, so leaving it again does not read that text as fresh input
// (a rate shown as "1" is 100 %, not 1 %).

#include "model/Money.h"
#include "platform/Control.h"

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace quest {

// A label of a question form as the design table gives it, on the house cyan.
struct LabelDesign {
    platform::Label& label;
    const char* caption;
    double left, top, width, height;
};
void designLabels(std::initializer_list<LabelDesign> labels);

// Selects the field's whole text and gives it the focus.
void selectWhole(platform::TextBox& field);

// The text's value when the locale-aware conversion accepts it and both the
// value and the leading value lie within [low, high]; otherwise nothing. A
// text such as "(5)" has the leading value 0 but the value -5, and is refused.
std::optional<double> valueWithin(const QString& text, double low, double high);

// The same with an open lower bound: above low, at most high, and above low
// also once rounded to a 32-bit float.
std::optional<double> valueAbove(const QString& text, double low, double high);

// A count of women: numeric, not negative, and not above the most women an
// age group may have once rounded (halves to even).
std::optional<std::int32_t> countOf(const QString& text);

// A cost: numeric, above 0 once rounded to a ten-thousandth, and not above the
// largest unit cost.
std::optional<Money> costOf(const QString& text);

// The message that refuses a text: the limit's when the text is a number
// above the field's limit, otherwise the field's own.
QString countRefusal(const QString& text, const char* message);
QString costRefusal(const QString& text, const char* message);

// Money in the two text forms of a cost field: plain while it is edited
// (9.5, 1167), the locale's currency format otherwise.
QString plainMoney(Money m);
QString currencyMoney(Money m);

// The text a field last wrote into itself (or another field wrote into it).
class WrittenText {
public:
    void write(platform::TextBox& field, const QString& text);
    // Whether the field still shows what was written into it, untouched by
    // the user: "1" typed over a "1" written there is the user's figure.
    bool shownBy(platform::TextBox& field);
    void forget() { text_.reset(); }

private:
    std::optional<QString> text_;
};

} // namespace quest
