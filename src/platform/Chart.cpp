#include "platform/Chart.h"

#include "platform/FontFit.h"
#include "platform/Form.h"
#include "platform/Numbers.h"
#include "platform/Runtime.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

const QColor kBarColour(49, 99, 156);

QString valueText(double value)
{
    QString text = numbers::formatPattern(value, QStringLiteral("###,###,##0.##"));
    const QString point = QLocale().decimalPoint();
    if (text.endsWith(point))
        text.chop(point.size());
    return text;
}

// The value axis is lettered as the captions are, every tick with the
// decimals its step needs (a nice step is 1, 2 or 5 times a power of ten).
QString tickText(double value, double step)
{
    const int decimals = step >= 1 ? 0 : std::min(6, int(std::ceil(-std::log10(step) - 1e-9)));
    const QString pattern = QStringLiteral("###,###,##0");
    return numbers::formatPattern(value, decimals == 0 ? pattern : pattern + '.' + QString(decimals, u'0'));
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

// A title over a chart view. The title is a label of its own: it shows the
// text as typed, never as markup, and wraps a long title onto more lines
// where the chart's own title would cut it short.
class ChartWidget : public QWidget {
public:
    ChartWidget(QWidget* parent, Chart& control)
        : QWidget(parent), control_(&control), title_(new QLabel(this)), view_(new QChartView(this))
    {
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
        setAutoFillBackground(true);
        title_->setTextFormat(Qt::PlainText);
        title_->setWordWrap(true);
        title_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        title_->setContentsMargins(4, 4, 4, 0);
        title_->hide();
        view_->setRenderHint(QPainter::Antialiasing);
        // The focus moves only as the form's rules move it: a chart takes none.
        view_->setFocusPolicy(Qt::NoFocus);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(title_);
        layout->addWidget(view_, 1);
        draw({});
    }

    void release() { control_ = nullptr; }

    void setTitle(const QString& title)
    {
        title_->setText(title);
        title_->setVisible(!title.isEmpty());
    }

    // Each drawing is a chart of its own: what the old one drew goes at once,
    // not when Qt gets round to the axes it was told to remove, so a picture
    // taken right after shows the new figures alone.
    void draw(const ChartData& data)
    {
        QChart* old = view_->chart();
        captions_.clear();
        for (const ChartRow& row : data.rows)
            captions_ << Chart::rowCaption(row);
        QChart* drawn = newChart(data);
        view_->setChart(drawn);
        delete old;
        connect(drawn, &QChart::plotAreaChanged, this, [this] { fitCategories(); });
        applyFonts();
    }

protected:
    // Scaling the form scales the control's font; the chart's texts follow it.
    void changeEvent(QEvent* event) override
    {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            applyFonts();
    }

private:
    static QChart* newChart(const ChartData& data)
    {
        auto* c = new QChart;
        c->legend()->hide();
        c->setAnimationOptions(QChart::NoAnimation);
        c->setBackgroundRoundness(0);
        c->setMargins(QMargins(4, 4, 4, 4));
        if (data.rows.empty())
            return c;

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

        auto* values = new QCategoryAxis;
        values->setTitleText(data.heading);
        values->setRange(low, high > low ? high : low + 1);
        values->setTickCount(6);
        values->applyNiceNumbers();
        const double step = (values->max() - values->min()) / (values->tickCount() - 1);
        values->setStartValue(values->min() - step);
        for (int i = 0; i < values->tickCount(); ++i)
            values->append(tickText(values->min() + i * step, step), values->min() + i * step);
        values->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        c->addAxis(values, Qt::AlignLeft);
        series->attachAxis(values);
        return c;
    }

    void applyFonts()
    {
        const QFont base = font();
        QFont titleFont = base;
        titleFont.setBold(true);
        titleFont.setPointSizeF(base.pointSizeF() * 1.3);
        title_->setFont(titleFont);
        QFont axisTitle = base;
        axisTitle.setBold(true);
        for (QAbstractAxis* axis : view_->chart()->axes()) {
            axis->setLabelsFont(base);
            axis->setTitleFont(axisTitle);
        }
        fitCategories();
    }

    // The captions under the bars are never cut: where the widest of them is
    // wider than its bar's share of the plot, they are all lettered smaller,
    // or stood upright where that reads larger.
    // The chart lays itself out again for the new lettering at once, so a
    // picture taken next shows what the screen shows. A chart drawn afresh
    // has no plot yet when its captions are first fitted: the fit is taken
    // again for the plot each lettering gives, until the plot stays as it is.
    void fitCategories()
    {
        if (fitting_)
            return;
        fitting_ = true;
        constexpr int kMostPasses = 4;
        for (int pass = 0; pass < kMostPasses; ++pass) {
            const QRectF plot = view_->chart()->plotArea();
            if (!letterCategories())
                break;
            view_->chart()->layout()->activate();
            if (view_->chart()->plotArea() == plot)
                break;
        }
        fitting_ = false;
    }

    // Letters the captions for the plot as it stands; whether that changed
    // their lettering.
    bool letterCategories()
    {
        const auto axes = view_->chart()->axes(Qt::Horizontal);
        if (axes.isEmpty() || captions_.isEmpty())
            return false;
        QAbstractAxis* axis = axes.front();
        axis->setTruncateLabels(false);
        const QRect share(0, 0, int(view_->chart()->plotArea().width() / captions_.size() - kCaptionMargin), 1);
        if (share.width() <= 0 || !control_ || !control_->form().runtime().fitsCaptions())
            return false;
        const auto widest = [this](const QFont& f) {
            const QFontMetricsF metrics(f);
            double w = 0;
            for (const QString& caption : captions_)
                for (const QString& line : caption.split(QLatin1Char('\n')))
                    w = std::max(w, metrics.horizontalAdvance(line));
            return w;
        };
        qsizetype lines = 1;
        for (const QString& caption : captions_)
            lines = std::max(lines, caption.count(QLatin1Char('\n')) + 1);
        // Across, the widest line must fit a bar's share; upright, the lines
        // stacked side by side.
        const auto fitsAcross = [&](const QFont& f, const QRect& room) { return widest(f) <= room.width(); };
        const auto fitsUpright = [&](const QFont& f, const QRect& room) {
            return double(lines) * QFontMetricsF(f).lineSpacing() <= room.width();
        };
        const double floor = smallestLegiblePoints(control_->form().runtime().screen());
        QFont fitted = fitText(font(), share, floor, fitsAcross).font;
        QFont upright = fitText(font(), share, floor, fitsUpright).font;
        upright.setStretch(font().stretch());  // narrower letters stand no closer

        // The captions stand upright under their bars where they cannot lie
        // across them at all (the axis would otherwise leave out the first
        // and last of them and draw the others over each other), and where
        // upright they read larger: so a wider chart never letters them
        // smaller than a narrower one.
        const bool standUpright = !fitsAcross(fitted, share) || upright.pointSizeF() > fitted.pointSizeF();
        const int angle = standUpright ? -90 : 0;
        if (standUpright)
            fitted = upright;
        if (axis->labelsFont() == fitted && axis->labelsAngle() == angle)
            return false;
        axis->setLabelsFont(fitted);
        axis->setLabelsAngle(angle);
        return true;
    }

    static constexpr double kCaptionMargin = 4;  // pixels between neighbouring captions

    // Null once the control is gone: an unloaded form's window is deleted
    // only when the event loop comes round to it, and may be laid out again
    // before that.
    Chart* control_;
    bool fitting_ = false;
    QLabel* title_;
    QChartView* view_;
    QStringList captions_;  // under each bar: its row's label and value
};

ChartWidget* viewOf(QWidget* w) { return static_cast<ChartWidget*>(w); }

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
    const QString value = !row.caption.isEmpty() ? row.caption : v ? valueText(*v) : QStringLiteral("n/a");
    return row.label + QLatin1Char('\n') + value;
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

Chart::~Chart()
{
    if (drawing_)
        viewOf(drawing_)->release();
}

// A widget of an earlier load, or of this control when it is gone, lives on
// until its window is deleted, and draws on its own from then on.
QWidget* Chart::createWidget(QWidget* parent)
{
    if (drawing_)
        viewOf(drawing_)->release();
    auto* w = new ChartWidget(parent, *this);
    drawing_ = w;
    return w;
}

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
