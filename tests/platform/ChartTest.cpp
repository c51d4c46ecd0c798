// The chart control: what its cells stand for, what it draws, and that new
// data, a reload and a scaled font each leave it showing what they should.

#include "PlatformFixture.h"
#include "support/LocaleScope.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QLabel>
#include <QPointer>
#include <QValueAxis>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace platformtest;

namespace {

struct ChartTest : OnScreen {
    ChartForm form{runtime};

    QChart* drawn() { return form.chrValues.widget()->findChild<QChartView*>()->chart(); }
    // The title as the chart shows it.
    QLabel* shownTitle() { return form.chrValues.widget()->findChild<QLabel*>(); }

    std::vector<double> bars()
    {
        std::vector<double> values;
        const auto series = drawn()->series();
        if (series.size() != 1)
            return values;
        const QBarSet* set = static_cast<QBarSeries*>(series.front())->barSets().front();
        for (int i = 0; i < set->count(); ++i)
            values.push_back(set->at(i));
        return values;
    }

    QStringList categories()
    {
        const auto axes = drawn()->axes(Qt::Horizontal);
        return axes.size() == 1 ? static_cast<QBarCategoryAxis*>(axes.front())->categories() : QStringList{};
    }
};

TEST_F(ChartTest, EachCellStandsForItsNumberOrForNone)
{
    struct Case {
        const char* name;
        QVariant cell;
        std::optional<double> number;
        QString caption;  // under the bar of a row labelled "X"
    };
    const Case cases[] = {
        {"float count", QVariant(82.25f), 82.25, "X\n82.25"},
        {"whole amount", QVariant::fromValue<qint64>(185142), 185142, "X\n185,142"},
        {"money to four places", QVariant(51.2345), 51.2345, "X\n51.23"},
        {"whole double", QVariant(80.0), 80, "X\n80"},
        {"tiny negative", QVariant(-0.001), -0.001, "X\n0"},
        {"grouped text", QVariant(QStringLiteral("12,345")), 12345, "X\n12,345"},
        {"currency text", QVariant(QStringLiteral("$1,500.00")), 1500, "X\n1,500"},
        {"n/a", QVariant(QStringLiteral("n/a")), std::nullopt, "X\nn/a"},
        {"empty text", QVariant(QString()), std::nullopt, "X\nn/a"},
        {"empty cell", QVariant(), std::nullopt, "X\nn/a"},
        {"not a number", QVariant(std::numeric_limits<double>::quiet_NaN()), std::nullopt, "X\nn/a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Chart::number(c.cell), c.number);
        EXPECT_EQ(Chart::rowCaption({"X", c.cell}), c.caption);
    }
}

TEST_F(ChartTest, DrawsOneBarPerRowInOrderAndNewDataReplacesTheOld)
{
    form.show();
    form.chrValues.setTitle("Cost in Lakeside");
    form.chrValues.setData({"Cost", {{"GP", 82.5f}, {"EIA", QStringLiteral("n/a")}, {"None", QStringLiteral("1,234")}}});
    EXPECT_EQ(shownTitle()->text(), "Cost in Lakeside");
    EXPECT_EQ(bars(), (std::vector<double>{82.5, 0, 1234}));
    ASSERT_EQ(categories().size(), 3);
    EXPECT_TRUE(categories()[1].contains("EIA<br>n/a"));
    const auto values = drawn()->axes(Qt::Vertical);
    ASSERT_EQ(values.size(), 1);
    EXPECT_EQ(values.front()->titleText(), "Cost");
    EXPECT_GE(static_cast<QValueAxis*>(values.front())->max(), 1234) << "the tallest bar fits";

    // Fewer rows, two of them alike: nothing of the old array stays, no row is merged away.
    form.chrValues.setData({"Women", {{"A", 1}, {"A", 1}}});
    EXPECT_EQ(bars(), (std::vector<double>{1, 1}));
    EXPECT_EQ(categories().size(), 2);
    EXPECT_EQ(drawn()->axes().size(), 2);
    EXPECT_EQ(form.chrValues.data().heading, "Women");
    EXPECT_EQ(shownTitle()->text(), "Cost in Lakeside") << "new data keeps the title";
}

// The value axis is lettered as the captions are: the locale's separators,
// the digits 0-9, every tick with the decimals its step needs.
TEST_F(ChartTest, TheValueAxisIsLetteredLikeTheCaptions)
{
    struct Case {
        QLocale locale;
        std::vector<double> values;
        QString ticks;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), {82.25, 1234}, "0 500 1,000 1,500"},
        {QLocale(QLocale::German, QLocale::Germany), {0.5, 0.75}, "0,0 0,2 0,4 0,6 0,8"},
        {QLocale(QLocale::German, QLocale::Germany), {0.01, 0.03}, "0,00 0,01 0,02 0,03"},
        {QLocale(QStringLiteral("ar_EG")), {3e9}, "0 1\u066c000\u066c000\u066c000 2\u066c000\u066c000\u066c000 3\u066c000\u066c000\u066c000"},
    };
    form.show();
    for (const Case& c : cases) {
        testsupport::LocaleScope scope(c.locale);
        ChartData data{"Values", {}};
        for (double v : c.values)
            data.rows.push_back({"X", v});
        form.chrValues.setData(data);
        const auto axes = drawn()->axes(Qt::Vertical);
        ASSERT_EQ(axes.size(), 1);
        EXPECT_EQ(static_cast<QCategoryAxis*>(axes.front())->categoriesLabels().join(" "), c.ticks);
    }
}

TEST_F(ChartTest, EveryLoadStartsEmpty)
{
    form.show();
    form.chrValues.setTitle("Title");
    form.chrValues.setData({"Heading", {{"GP", 1}}});
    form.unload();
    EXPECT_EQ(form.chrValues.title(), "") << "asking loads the form afresh";
    EXPECT_TRUE(form.chrValues.data().rows.empty());
    EXPECT_TRUE(drawn()->series().isEmpty());
    EXPECT_FALSE(shownTitle()->isVisibleTo(form.window()));
}

// An unloaded form's window goes when the event loop comes round to it: its
// chart, laid out again before then, reaches back to no control that is gone
// (the sanitizer build sees it).
TEST_F(ChartTest, AChartLeftByItsControlReachesBackToNothing)
{
    QPointer<QWidget> left;
    {
        ChartForm gone(runtime, false, "Gone");
        showActive(gone);
        gone.chrValues.setData({"Heading", {{"GP", 1}, {"EIA", 2}}});
        left = gone.chrValues.widget();
        gone.unload();
    }
    ASSERT_TRUE(left) << "deleted at once";
    left->resize(left->width() / 2, left->height());
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(left);
}

TEST_F(ChartTest, TheChartsTextsFollowTheControlsFont)
{
    form.show();
    form.chrValues.setData({"Heading", {{"GP", 1}}});
    form.chrValues.setFontSize(18);
    for (QAbstractAxis* axis : drawn()->axes())
        EXPECT_DOUBLE_EQ(axis->labelsFont().pointSizeF(), 18);
    EXPECT_GT(shownTitle()->font().pointSizeF(), 18);
    // Data drawn after the change is lettered the same.
    form.chrValues.setData({"Heading", {{"GP", 1}, {"EIA", 2}}});
    for (QAbstractAxis* axis : drawn()->axes())
        EXPECT_DOUBLE_EQ(axis->labelsFont().pointSizeF(), 18);
}

// The captions under the bars show whole however many bars share the width:
// a figure under a bar is never cut short. They lie across their bars, or
// stand upright where that letters them larger.
TEST_F(ChartTest, TheCaptionsUnderTheBarsShowWhole)
{
    struct Case {
        const char* name;
        const char* label;
        int bars;
        double value;
        bool smaller;  // than the control's font
        bool upright;
        bool narrowed;
    };
    const Case cases[] = {
        {"three short figures", "GP/PCR", 3, 12, false, false, false},
        {"ten long figures, larger upright", "GP/PCR", 10, 168929.64, false, true, false},
        {"twenty short figures, larger across", "X", 20, 1000, true, false, false},
        // At the floor either way: across, in narrower letters.
        {"twenty-six short figures, narrowed across", "X", 26, 1000, true, false, true},
    };
    showActive(form);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartData data{"Women", {}};
        for (int i = 0; i < c.bars; ++i)
            data.rows.push_back({QString::fromLatin1(c.label), c.value + i});
        form.chrValues.setData(data);
        QApplication::processEvents();
        const auto axes = drawn()->axes(Qt::Horizontal);
        ASSERT_EQ(axes.size(), 1);
        const QFont lettered = axes.front()->labelsFont();
        EXPECT_EQ(lettered.pointSizeF() < 9, c.smaller) << lettered.pointSizeF();
        EXPECT_EQ(axes.front()->labelsAngle() != 0, c.upright);
        EXPECT_EQ(lettered.stretch() != QFont::AnyStretch && lettered.stretch() < 100, c.narrowed);
        const double share = drawn()->plotArea().width() / c.bars;
        const QFontMetricsF metrics(lettered);
        for (const ChartRow& row : data.rows) {
            const QStringList lines = Chart::rowCaption(row).split('\n');
            if (c.upright)
                EXPECT_LE(lines.size() * metrics.lineSpacing(), share);
            else
                for (const QString& line : lines)
                    EXPECT_LE(metrics.horizontalAdvance(line), share) << line.toStdString();
        }
        EXPECT_FALSE(axes.front()->labelsTruncated());
    }
}

// However quickly one draw follows another, a picture of the chart, taken
// once or twice, shows the chart drawn last and nothing of the one before.
TEST_F(ChartTest, APictureShowsOnlyTheChartDrawnLast)
{
    const ChartData before{"Cost", {{"GP", 185142}, {"EIA", 99.5}, {"PCRC", 1234567}, {"None", 3}}};
    const ChartData last{"Women", {{"GP", 2.5}, {"EIA", 7.25}}};
    showActive(form);
    form.chrValues.setTitle("Cost in Lakeside");
    form.chrValues.setData(before);
    QApplication::processEvents();  // the first chart is on screen
    form.chrValues.setTitle("Women in Lakeside");
    form.chrValues.setData(last);
    const QImage first = form.grabImage();
    const QImage second = form.grabImage();

    ChartForm fresh(runtime, false, "FreshChartForm");
    showActive(fresh);
    fresh.chrValues.setTitle("Women in Lakeside");
    fresh.chrValues.setData(last);
    const QImage expected = fresh.grabImage();
    ASSERT_FALSE(expected.isNull());
    EXPECT_TRUE(first == expected) << "the picture taken at once";
    EXPECT_TRUE(second == expected) << "the picture taken again";
    EXPECT_EQ(drawn()->axes().size(), 2);
}

TEST_F(ChartTest, TheTitleShowsAsTypedAndALongOneWraps)
{
    const QString marked = "Clinic <North> & Co <b>bold</b> &amp;";
    form.show();
    form.chrValues.setTitle(marked);
    QLabel* title = shownTitle();
    EXPECT_EQ(title->text(), marked);
    EXPECT_EQ(title->textFormat(), Qt::PlainText) << "no markup is read in the name";

    QString longTitle = "Number Of Women Developing PID in";
    for (int i = 0; i < 4; ++i)
        longTitle += " the Lakeside and District Community Health Centre";
    form.chrValues.setTitle(longTitle);
    form.grabImage();  // lays the control out
    EXPECT_EQ(title->text(), longTitle) << "nothing cut off";
    EXPECT_LE(title->width(), form.chrValues.widget()->width());
    EXPECT_GE(title->height(), 3 * title->fontMetrics().lineSpacing()) << "the title wraps onto more lines";
    EXPECT_GT(drawn()->size().height(), form.chrValues.widget()->height() / 2) << "the chart keeps its room";
}

} // namespace
