#pragma once
// A currency field: a text box bound to one Money value. It shows the value in
// the locale's currency format while it does not have the focus and as a plain
// number (9.5, 1167) while it is edited; leaving it stores the typed amount.
//
// The unit-cost boxes and the test-cost fields of the sensitivity form put the
// stored value back when they refuse a text; the calculator's fields keep what
// was typed. Either way a refused or unvalidated text is never stored. An
// amount above the largest unit cost is refused with its own message.

#include "model/Money.h"
#include "platform/Control.h"

#include <QString>
#include <functional>
#include <optional>

namespace testchars {

struct CurrencyRule {
    QString message;
    bool restoreOnRefusal = true;
    bool zeroAllowed = false;
    // Leaving the field empty counts as 0 (the calculator's reagent figure).
    bool emptyMeansZero = false;
};

// The amount a text stands for, as the locale-aware conversion reads it.
std::optional<Money> moneyOf(const QString& text);
QString currencyText(Money amount);
// The plain form of an amount: no symbol, no grouping, no trailing zeros.
QString plainText(Money amount);

class CurrencyField {
public:
    CurrencyField(platform::TextBox& box, Money& value, CurrencyRule rule);

    platform::TextBox& box;
    Money& value;

    // Shows the stored value in the currency format.
    void show();
    // Shows an amount the program worked out without storing it: the text
    // counts as accepted, so leaving the field or committing stores it.
    void showText(const QString& text);
    void gotFocus();
    void validate(bool& cancel);
    void lostFocus();
    // Stores the field's text when it holds an accepted amount, then shows the
    // stored value in the currency format.
    void commit();
    // The amount the field's text stands for, when the text is accepted.
    std::optional<Money> acceptedAmount() const;

    // Runs whenever the field's text changes, typed or written by the
    // program, so others can follow the amount it shows.
    std::function<void()> changed;

private:
    std::optional<QString> refusal(const QString& text) const;
    bool store();

    CurrencyRule rule_;
    QString accepted_;
};

} // namespace testchars
