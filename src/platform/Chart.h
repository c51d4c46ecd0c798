#pragma once
// A chart: a title over a data array of rows, each a label and a value, with
// a heading that names what the values are. It draws one bar per row, in row
// order, with the row's label and value written under the bar. Giving it a
// new array replaces everything it showed before. The title shows as typed
// (never read as markup) and wraps when it is longer than the chart is wide.

#include "platform/Control.h"

#include <QPointer>
#include <QVariant>
#include <optional>
#include <vector>

namespace platform {

struct ChartRow {
    QString label;
    // A number, or a text that the locale reads as one ("1,234", "$1,500.00").
    // Anything else (an empty cell, "n/a") has no bar and shows as "n/a".
    QVariant value;
    // The value as it is written under the bar, where the caller writes it
    // as its screens do ("$1,500.00", "82"); empty: the chart writes it.
    QString caption = {};
};

struct ChartData {
    QString heading;
    std::vector<ChartRow> rows;
};

class Chart : public Control {
public:
    Chart(Form& f, QString name) : Control(f, std::move(name), ControlKind::Chart) {}
    ~Chart() override;

    QString title();
    void setTitle(const QString& title);
    ChartData data();
    void setData(ChartData data);

    // The number a value cell stands for; nullopt when it stands for none.
    static std::optional<double> number(const QVariant& cell);
    // What the chart writes under a row's bar: its label, and below it the
    // row's caption, else the value with digit grouping and at most two
    // decimals, or "n/a".
    static QString rowCaption(const ChartRow& row);

protected:
    QWidget* createWidget(QWidget* parent) override;
    // A chart starts empty at every load, as drawn at design time.
    void resetState() override;
    void applyState() override;

private:
    QString title_;
    ChartData data_;
    QPointer<QWidget> drawing_;
};

} // namespace platform
