#include "testchars/CurrencyField.h"

#include "platform/Numbers.h"
#include "testchars/FieldChecks.h"

namespace testchars {

namespace numbers = platform::numbers;

std::optional<Money> moneyOf(const QString& text)
{
    if (const std::optional<std::int64_t> ticks = numbers::toCurrencyTicks(text))
        return Money::fromTicks(*ticks);
    return std::nullopt;
}

QString currencyText(Money amount) { return numbers::formatCurrency(amount.toDouble()); }

QString plainText(Money amount) { return numbers::generalFormat(amount.toDouble()); }

CurrencyField::CurrencyField(platform::TextBox& box_, Money& value_, CurrencyRule rule)
    : box(box_), value(value_), rule_(std::move(rule))
{
    box.GotFocus = [this] { gotFocus(); };
    box.Validate = [this](bool& cancel) { validate(cancel); };
    box.LostFocus = [this] { lostFocus(); };
    box.Change = [this] {
        if (changed)
            changed();
    };
}

// A text the program writes counts as accepted before the box reports it.
void CurrencyField::showText(const QString& text)
{
    accepted_ = text;
    box.setText(text);
    if (changed)
        changed();
}

void CurrencyField::show() { showText(currencyText(value)); }

void CurrencyField::gotFocus()
{
    showText(plainText(value));
    selectAndFocus(box);
}

// A text the program wrote, or one that passes the field's own check: an
// amount above zero (or zero where the field allows it) that does not round
// to no ten-thousandth ("0.00004" would be stored as 0), and not above the
// largest unit cost. Nothing when the text is accepted.
std::optional<QString> CurrencyField::refusal(const QString& text) const
{
    if (aboveUnitCostLimit(text))
        return unitCostLimitMessage();
    const std::optional<Money> amount = moneyOf(text);
    if (!amount)
        return rule_.message;
    // Not even the field's own text stands for an amount it refuses: the
    // calculator shows a rate of 0 until one is given.
    if (!rule_.zeroAllowed && amount->ticks() <= 0)
        return rule_.message;
    if (text != accepted_ && !numericAbove(text, rule_.zeroAllowed))
        return rule_.message;
    return std::nullopt;
}

void CurrencyField::validate(bool& cancel)
{
    const std::optional<QString> message = refusal(box.text());
    if (!message)
        return;
    cancel = true;
    tell(box, *message);
    if (rule_.restoreOnRefusal)
        gotFocus();
}

std::optional<Money> CurrencyField::acceptedAmount() const
{
    if (refusal(box.text()))
        return std::nullopt;
    return moneyOf(box.text());
}

bool CurrencyField::store()
{
    if (rule_.emptyMeansZero && box.text().isEmpty())
        box.setText(QStringLiteral("0"));
    const std::optional<Money> amount = acceptedAmount();
    if (amount)
        value = *amount;
    return amount.has_value();
}

void CurrencyField::lostFocus()
{
    if (store() || rule_.restoreOnRefusal)
        show();
}

void CurrencyField::commit()
{
    store();
    show();
}

} // namespace testchars
