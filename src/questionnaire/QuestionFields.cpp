#include "questionnaire/QuestionFields.h"

#include "model/Limits.h"
#include "testchars/FieldChecks.h"
#include "platform/Numbers.h"
#include "shell/HouseStyle.h"

namespace quest {

namespace num = platform::numbers;

void designLabels(std::initializer_list<LabelDesign> labels)
{
    for (const LabelDesign& l : labels) {
        l.label.designGeometry(l.left, l.top, l.width, l.height);
        l.label.designCaption(l.caption);
        l.label.designBackColor(kCyan);
    }
}

void selectWhole(platform::TextBox& field)
{
    field.setSelStart(0);
    field.setSelLength(int(field.text().size()));
    field.setFocus();
}

std::optional<double> valueWithin(const QString& text, double low, double high)
{
    const std::optional<double> v = num::toDouble(text);
    const double lead = num::leadingValue(text);
    if (!v || lead < low || lead > high || *v < low || *v > high)
        return std::nullopt;
    return v;
}

std::optional<double> valueAbove(const QString& text, double low, double high)
{
    const std::optional<double> v = valueWithin(text, low, high);
    // Above low also as the 32-bit rate it is stored as: "1e-50" is no rate.
    if (!v || *v <= low || num::leadingValue(text) <= low || !(static_cast<float>(*v) > low))
        return std::nullopt;
    return v;
}

namespace {
bool aboveCountLimit(const QString& text)
{
    const std::optional<double> v = num::toDouble(text);
    return v && num::roundHalfEven(*v) > Limits::MostWomenPerGroup;
}

} // namespace

std::optional<std::int32_t> countOf(const QString& text)
{
    const std::optional<double> v = num::toDouble(text);
    if (!v || *v < 0 || num::leadingValue(text) < 0 || aboveCountLimit(text))
        return std::nullopt;
    return num::toInt32(*v);
}

std::optional<Money> costOf(const QString& text)
{
    const std::optional<std::int64_t> ticks = num::toCurrencyTicks(text);
    if (!ticks || *ticks <= 0 || num::leadingValue(text) <= 0 || testchars::aboveUnitCostLimit(text))
        return std::nullopt;
    return Money::fromTicks(*ticks);
}

QString countRefusal(const QString& text, const char* message)
{
    if (aboveCountLimit(text))
        return QStringLiteral("Population out of range: not more than ") +
               num::groupedCountText(double(Limits::MostWomenPerGroup)) + " women in an age group";
    return QString::fromUtf8(message);
}

QString costRefusal(const QString& text, const char* message)
{
    if (testchars::aboveUnitCostLimit(text))
        return testchars::unitCostLimitMessage(QStringLiteral("Cost out of range"));
    return QString::fromUtf8(message);
}

QString plainMoney(Money m) { return num::generalFormat(m.toDouble()); }

QString currencyMoney(Money m) { return num::formatCurrency(m.toDouble()); }

void WrittenText::write(platform::TextBox& field, const QString& text)
{
    field.setText(text);
    text_ = text;
}

bool WrittenText::shownBy(platform::TextBox& field)
{
    return text_ && field.text() == *text_ && !field.userEdited();
}

} // namespace quest
