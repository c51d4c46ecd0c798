#include "platform/Chart.h"

#include "platform/Numbers.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

const QColor kBarColour(49, 99, 156);

QString valueText(double value)
{
    const QLocale locale;
    QString text = locale.toString(value, 'f', 2);
    const QString point = locale.decimalPoint();
    while (text.endsWith(QLatin1Char('0')) && text.contains(point))
        text.chop(1);
    if (text.endsWith(point))
        text.chop(point.size());
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

// The category axis writes its labels as rich text and drops a repeated one.
QStringList axisCategories(const std::vector<ChartRow>& rows)
{
    QStringList categories;
    for (const ChartRow& row : rows) {
        QString c = QStringLiteral("<div align=\"center\">%1</div>")
                        .arg(Chart::rowCaption(row).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
        while (categories.contains(c))
            c += QChar(0x200B);
        categories << c;
    }
    return categories;
}

class ChartView : public QChartView {
public:
    explicit ChartView(QWidget* parent) : QChartView(new QChart, parent)
    {
        setRenderHint(QPainter::Antialiasing);
        QChart* c = chart();
        c->legend()->hide();
        c->setAnimationOptions(QChart::NoAnimation);
        c->setLocalizeNumbers(true);
        c->setBackgroundRoundness(0);
        c->setMargins(QMargins(4, 4, 4, 4));
    }

    void setTitle(const QString& title) { chart()->setTitle(title); }

    void draw(const ChartData& data)
    {
        QChart* c = chart();
        c->removeAllSeries();
        for (QAbstractAxis* axis : c->axes()) {
            c->removeAxis(axis);
            delete axis;
        }
        if (data.rows.empty())
            return;

        auto* set = new QBarSet(data.heading);
        set->setColor(kBarColour);
        double low = 0, high = 0;
        for (const ChartRow& row : data.rows) {
            const std::optional<double> v = Chart::number(row.value);
            *set << v.value_or(0);
            if (v) {
                low = std::min(low, *v);
                high = std::max(high, *v);
            }
        }
        auto* series = new QBarSeries;
        series->append(set);
        c->addSeries(series);

        auto* categories = new QBarCategoryAxis;
        categories->append(axisCategories(data.rows));
        c->addAxis(categories, Qt::AlignBottom);
        series->attachAxis(categories);

        auto* values = new QValueAxis;
        values->setTitleText(data.heading);
        values->setRange(low, high > low ? high : low + 1);
        values->setTickCount(6);
        values->applyNiceNumbers();
        const double step = (values->max() - values->min()) / (values->tickCount() - 1);
        values->setLabelFormat(step >= 1 ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
        c->addAxis(values, Qt::AlignLeft);
        series->attachAxis(values);
        applyFonts();
    }

protected:
    // Scaling the form scales the control's font; the chart's texts follow it.
    void changeEvent(QEvent* event) override
    {
        QChartView::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            applyFonts();
    }

private:
    void applyFonts()
    {
        const QFont base = font();
        QFont titleFont = base;
        titleFont.setBold(true);
        titleFont.setPointSizeF(base.pointSizeF() * 1.3);
        chart()->setTitleFont(titleFont);
        QFont axisTitle = base;
        axisTitle.setBold(true);
        for (QAbstractAxis* axis : chart()->axes()) {
            axis->setLabelsFont(base);
            axis->setTitleFont(axisTitle);
        }
    }
};

ChartView* viewOf(QWidget* w) { return static_cast<ChartView*>(w); }

} // namespace

std::optional<double> Chart::number(const QVariant& cell)
{
    if (!cell.isValid() || cell.isNull())
        return std::nullopt;
    std::optional<double> v;
    if (cell.typeId() == QMetaType::QString) {
        v = numbers::toDouble(cell.toString());
    } else {
        bool ok = false;
        const double d = cell.toDouble(&ok);
        if (ok)
            v = d;
    }
    if (v && !std::isfinite(*v))
        return std::nullopt;
    return v;
}

QString Chart::rowCaption(const ChartRow& row)
{
    const std::optional<double> v = number(row.value);
    return row.label + QLatin1Char('\n') + (v ? valueText(*v) : QStringLiteral("n/a"));
}

QString Chart::title()
{
    ensureLoaded();
    return title_;
}

void Chart::setTitle(const QString& title)
{
    ensureLoaded();
    title_ = title;
    if (widget())
        viewOf(widget())->setTitle(title_);
}

ChartData Chart::data()
{
    ensureLoaded();
    return data_;
}

void Chart::setData(ChartData data)
{
    ensureLoaded();
    data_ = std::move(data);
    if (widget())
        viewOf(widget())->draw(data_);
}

QWidget* Chart::createWidget(QWidget* parent) { return new ChartView(parent); }

void Chart::resetState()
{
    title_.clear();
    data_ = {};
}

void Chart::applyState()
{
    viewOf(widget())->setTitle(title_);
    viewOf(widget())->draw(data_);
}

} // namespace platform
