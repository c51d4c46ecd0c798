// The graph screen and its chooser: the data arrays of the three charts for
// each kind of programme, the commands that switch, hide and show them, the
// print dialogue with every kind of answer, and the chooser's buttons.

#include "figures/GraphFigures.h"
#include "figures/ResultsInUse.h"
#include "whatif/FrmGraph.h"
#include "whatif/FrmGraphResponse.h"
#include "model/Limits.h"
#include "model/ScreenSequences.h"
#include "support/LocaleScope.h"
#include "support/ProgramFixture.h"
#include "support/ResultsShown.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QTest>

using testsupport::ProgramTest;

static void initResources() { Q_INIT_RESOURCE(resources); }

namespace {

// "label=value" for each row, the value as its cell holds it, and the caption.
QStringList cellsOf(const platform::ChartData& data)
{
    QStringList out;
    for (const platform::ChartRow& row : data.rows)
        out << row.label + "=" + row.value.toString() + " " + row.caption;
    return out;
}

QStringList cells(platform::Chart& chart) { return cellsOf(chart.data()); }

QString visibleChart(FrmGraph& g)
{
    QStringList shown;
    for (platform::Chart* c : {&g.chrNoWomen, &g.chrCost, &g.chrPerPos})
        if (c->visible())
            shown << c->name();
    return shown.join(",");
}

bool buttonsVisible(FrmGraph& g) { return g.cmdResume.visible() && g.cmdNext.visible() && g.cmdPrint.visible(); }

// Records what the screen showed at each picture it was given.
class ChartPrinter : public testsupport::JobPrinter {
public:
    using JobPrinter::JobPrinter;
    void printWidget(QWidget& widget) override
    {
        if (onImage)
            onImage(widget.grab().toImage());
        JobPrinter::printWidget(widget);
    }
    bool endDoc() override
    {
        ++endDocs;
        return JobPrinter::endDoc();
    }
    std::function<void(const QImage&)> onImage;
    int endDocs = 0;
};

// Whether anything is drawn in the top band of the picture, where the title goes.
bool titleDrawn(const QImage& image)
{
    for (int y = 0; y < image.height() / 8; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

class GraphTest : public ProgramTest {
protected:
    static void SetUpTestSuite() { initResources(); }

    // A programme screening with the test, its region named.
    Program& programme(ScrTestKind test, std::string region = "Lakeside Clinic")
    {
        Program& p = program();
        p.vc = ScreenSequences::ThreeAgeGroups();
        p.sel = ScreenSequences::ChooseTests(p.vc, test, NgzTestKind::None);
        p.vc.Region = std::move(region);
        return p;
    }

    // Figures as the cost and projection computations return them, each row
    // apart (the six tests, then the three NGZ options): halves, an empty
    // cost per positive, amounts beyond 32 bits.
    static Outlook charted()
    {
        const float cases[] = {82.25f, 81.5f, 71.125f, 74, 70.75f, 73.5f, 79.25f, 80.5f, 80.125f};
        const double costs[] = {12.5, 13.5, 106687.4999, 110292.5001, 3000000000.5, 0, 118843.5, 120059.25, 119754.75};
        const std::optional<double> perPositive[] = {51.2345, {}, 60.5, 61, 62.0001, 63.75, 70.1234, 71, {}};
        Outlook o;
        for (int r = 0; r < ScrTestCount + NgzOptionCount; ++r) {
            const int n = r - ScrTestCount;
            PidOutlook& pid = n < 0 ? o.projection.tests[r] : o.projection.ngz[n];
            pid.cases = cases[r];
            pid.cost = Money::fromDouble(costs[r]);
            if (perPositive[r])
                (n < 0 ? o.costs.tests[r].perTruePositive : o.costs.ngz[n].perTruePositive) =
                    Money::fromDouble(*perPositive[r]);
        }
        o.projection.noScreeningCases = 12345;
        o.projection.noScreeningCost = Money::fromDouble(185142);
        return o;
    }

    FrmGraph& opened(Program& p)
    {
        FrmGraph& g = p.FrmGraph();
        g.show();
        activate(g);
        return g;
    }
    // A GenProbe programme's graph screen, moved on to the cost per positive.
    FrmGraph& onCostPerPositive()
    {
        FrmGraph& g = opened(programme(ScrTestKind::GenProbe));
        key(g, Qt::Key_F3);
        return g;
    }

    // The key goes to the screen's window, as a shortcut does.
    static void key(FrmGraph& g, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(g.window(), k, m);
    }
};

TEST_F(GraphTest, ChartDataArraysForEachTestInUse)
{
    const QStringList testRows[] = {
        {"GP=82.25", "EIA=81.5", "PCRC=71.125", "PCRU=74", "LCRC=70.75", "LCRU=73.5"},
        {"GP=12", "EIA=14", "PCRC=106687", "PCRU=110293", "LCRC=3000000000", "LCRU=0"},
        {"GP=51.2345", "EIA=n/a", "PCRC=60.5", "PCRU=61", "LCRC=62.0001", "LCRU=63.75"},
    };
    const QStringList ngzRows[] = {
        {"GP/PCR=79.25", "EIA/DFA=80.5", "EIA/PCR=80.125"},
        {"GP/PCR=118844", "EIA/DFA=120059", "EIA/PCR=119755"},
        {"GP/PCR=70.1234", "EIA/DFA=71", "EIA/PCR=n/a"},
    };
    const QString none[] = {"None=12,345", "None=185142", {}};
    const char* headings[] = {"Number of Women Developing PID", "Cost of PID in Dollars",
                              "Test Cost per Positive Identified"};
    const char* titles[] = {"Number Of Women Developing PID in ", "Cost of Pid in Dollars for ",
                            "Test Cost per Positive Identified in "};

    struct Case {
        ScrTestKind test;
        std::string region;
        bool ngzRows;
    };
    const Case cases[] = {
        {ScrTestKind::GenProbe, "Lakeside Clinic", true},
        {ScrTestKind::EIA, "your local area", true},
        {ScrTestKind::PCRC, "Clinic <North> & Co <b>", false},
        {ScrTestKind::LCRU, "your local area", false},
    };
    const auto values = [](const platform::ChartData& data) {
        QStringList out;
        for (const platform::ChartRow& row : data.rows)
            out << row.label + "=" + row.value.toString();
        return out;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(PerTest::Name[int(c.test)]);
        const Outlook figures = charted();
        const platform::ChartData data[] = {PidCasesChart(figures.projection, c.ngzRows),
                                            PidCostChart(figures.projection, c.ngzRows),
                                            CostPerPositiveChart(figures.costs, c.ngzRows)};
        FrmGraph& g = opened(programme(c.test, c.region));
        const std::function<void()> procedures[] = {[&] { g.cmdNoWomen_Click(); }, [&] { g.cmdCost_Click(); },
                                                    [&] { g.cmdCostPerPos_Click(); }};
        platform::Chart* charts[] = {&g.chrNoWomen, &g.chrCost, &g.chrPerPos};
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(headings[k]);
            QStringList expected = testRows[k];
            if (c.ngzRows)
                expected << ngzRows[k];
            if (!none[k].isEmpty())
                expected << none[k];
            EXPECT_EQ(values(data[k]), expected);
            EXPECT_EQ(data[k].heading, headings[k]);
            // The screen charts the figures in use, the long form with GenProbe or EIA.
            procedures[k]();
            EXPECT_EQ(cells(*charts[k]), cellsOf(testsupport::chartsInUse(program())[std::size_t(k)]));
            EXPECT_EQ(charts[k]->data().rows.size(), data[k].rows.size());
            EXPECT_EQ(charts[k]->title(), titles[k] + QString::fromStdString(c.region));
        }
        program().FrmGraph().unload();
    }
}

// Each bar is captioned as the screens write that kind of figure: whole
// women, whole dollars with the currency sign; in every locale with the
// digits 0-9, on the value axis too.
TEST_F(GraphTest, TheBarsAreCaptionedAsTheScreensWriteTheirFigures)
{
    const QStringList women = {"GP\n82", "EIA\n82", "PCRC\n71", "PCRU\n74", "LCRC\n71", "LCRU\n74",
                               "GP/PCR\n79", "EIA/DFA\n80", "EIA/PCR\n80", "None\n12,345"};
    const QStringList cost = {"GP\n$12.00", "EIA\n$14.00", "PCRC\n$106,687.00", "PCRU\n$110,293.00",
                              "LCRC\n$3,000,000,000.00", "LCRU\n$0.00", "GP/PCR\n$118,844.00",
                              "EIA/DFA\n$120,059.00", "EIA/PCR\n$119,755.00", "None\n$185,142.00"};
    const QStringList perPositive = {"GP\n$51.00", "EIA\nn/a", "PCRC\n$60.00", "PCRU\n$61.00", "LCRC\n$62.00",
                                     "LCRU\n$64.00", "GP/PCR\n$70.00", "EIA/DFA\n$71.00", "EIA/PCR\nn/a"};
    struct Case {
        QLocale locale;
        int chart;  // 0 women, 1 cost, 2 per positive
        int row;
        QString caption;
    };
    const Case cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), 0, 9, "None\n12.345"},
        {QLocale(QLocale::German, QLocale::Germany), 1, 4, "LCRC\n3.000.000.000,00\u00a0$"},
        {QLocale(QLocale::German, QLocale::Germany), 2, 0, "GP\n51,00\u00a0$"},
        {QLocale(QStringLiteral("ar_EG")), 0, 0, "GP\n82"},
        {QLocale(QStringLiteral("ar_EG")), 0, 9, "None\n12\u066c345"},
        {QLocale(QStringLiteral("ar_EG")), 1, 4, "LCRC\n3\u066c000\u066c000\u066c000\u066b00\u00a0$"},
        {QLocale(QStringLiteral("bn_BD")), 2, 5, "LCRU\n64.00$"},
    };
    const auto captions = [](platform::Chart& chart) {
        QStringList out;
        for (const platform::ChartRow& row : chart.data().rows)
            out << platform::Chart::rowCaption(row);
        return out;
    };
    const auto axisLabels = [](platform::Chart& chart) {
        const auto axes = chart.widget()->findChild<QChartView*>()->chart()->axes(Qt::Vertical);
        return axes.size() == 1 ? static_cast<QCategoryAxis*>(axes.front())->categoriesLabels() : QStringList{};
    };
    FrmGraph& g = opened(programme(ScrTestKind::GenProbe));
    platform::Chart* charts[] = {&g.chrNoWomen, &g.chrCost, &g.chrPerPos};
    // The figures are given to the charts as the screen gives its own.
    const auto chartFigures = [&] {
        const Outlook figures = charted();
        g.chrNoWomen.setData(PidCasesChart(figures.projection, true));
        g.chrCost.setData(PidCostChart(figures.projection, true));
        g.chrPerPos.setData(CostPerPositiveChart(figures.costs, true));
        for (platform::Chart* chart : charts)
            chart->setVisible(true);
    };
    chartFigures();
    EXPECT_EQ(captions(g.chrNoWomen), women);
    EXPECT_EQ(captions(g.chrCost), cost);
    EXPECT_EQ(captions(g.chrPerPos), perPositive);
    EXPECT_EQ(axisLabels(g.chrCost).join(" ").toStdString(), "0 1,000,000,000 2,000,000,000 3,000,000,000");
    for (const Case& c : cases) {
        testsupport::LocaleScope scope(c.locale);
        SCOPED_TRACE(c.locale.name().toStdString() + " " + c.caption.toStdString());
        chartFigures();
        EXPECT_EQ(captions(*charts[c.chart]).value(c.row), c.caption);
        for (platform::Chart* chart : charts) {
            const QStringList texts = captions(*chart) + axisLabels(*chart);
            EXPECT_TRUE(testsupport::onlyAsciiDigits(texts.join(" "))) << texts.join(" ").toStdString();
        }
    }
}

TEST_F(GraphTest, EachChartCommandShowsItsChartAlone)
{
    struct Case {
        const char* name;
        std::function<void(FrmGraph&)> command;
        QString shown;
    };
    const Case cases[] = {
        {"F2", [](FrmGraph& g) { key(g, Qt::Key_F2); }, "chrCost"},
        {"F3", [](FrmGraph& g) { key(g, Qt::Key_F3); }, "chrPerPos"},
        {"F1 after F3", [](FrmGraph& g) { key(g, Qt::Key_F3); key(g, Qt::Key_F1); }, "chrNoWomen"},
        {"Cost per Positive", [](FrmGraph& g) { g.mnuCostPerPositive.trigger(); }, "chrPerPos"},
        {"Cost of PID", [](FrmGraph& g) { g.mnuCostofPID.trigger(); }, "chrCost"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmGraph& g = opened(programme(ScrTestKind::EIA));
        ASSERT_EQ(visibleChart(g), "chrNoWomen") << "a fresh screen opens on the number of women";
        c.command(g);
        EXPECT_EQ(visibleChart(g), c.shown);
        g.unload();
    }
}

TEST_F(GraphTest, ReturningHidesTheScreenAndTheNextShowingChartsTheLatestFigures)
{
    struct Case {
        const char* name;
        std::function<void(FrmGraph&)> leave;
    };
    const Case cases[] = {
        {"back arrow", [](FrmGraph& g) { QTest::mouseClick(g.cmdResume.widget(), Qt::LeftButton); }},
        {"Ctrl+R", [](FrmGraph& g) { key(g, Qt::Key_R, Qt::ControlModifier); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program& p = program();
        FrmGraph& g = onCostPerPositive();
        c.leave(g);
        EXPECT_FALSE(g.isShown());
        EXPECT_TRUE(g.isLoaded());

        // A new pass through the switch step with a programme that costs more.
        const QStringList before = cells(g.chrPerPos);
        p.vc.CostGP = Money::fromDouble(44.5);
        p.sel.selectScrTest(p.vc, ScrTestKind::PCRU);
        g.show();
        EXPECT_TRUE(g.isShown());
        EXPECT_EQ(visibleChart(g), "chrPerPos") << "the chart shown last comes back";
        EXPECT_NE(cells(g.chrPerPos).first(), before.first());
        EXPECT_EQ(cells(g.chrPerPos), cellsOf(testsupport::chartsInUse(p)[2]));
        EXPECT_EQ(g.chrPerPos.data().rows.size(), 6u);
        g.unload();
    }
}

TEST_F(GraphTest, PrintDialogueWithEveryKindOfAnswer)
{
    const QString prompt = "Which graph would you like to print: \r\nSelect 1 for Number of women \r\n"
                           "Select 2 Cost of PID \r\nSelect 3 for Cost per Positive \r\nSelect 4 for all ";
    const QString refusal =
        "If you want to print a graph choose 1, 2 , 3, or 4 Otherwise select ok to not print any graphs.";
    enum class Ask { Button, CtrlP, Menu };
    struct Case {
        QString answer;
        QStringList printed;  // the chart on screen at each picture
        QString leftShown;
        Ask ask = Ask::Button;
    };
    const Case cases[] = {
        {"1", {"chrNoWomen"}, "chrNoWomen"},
        {"2", {"chrCost"}, "chrCost", Ask::CtrlP},
        {"3", {"chrPerPos"}, "chrPerPos", Ask::Menu},
        {"4", {"chrNoWomen", "chrPerPos", "chrCost"}, "chrCost"},
        {"", {}, "chrPerPos"},  // Cancel or an empty answer
        {"5", {}, "chrPerPos", Ask::CtrlP},
        {" 1", {}, "chrPerPos"},
        {"1 ", {}, "chrPerPos"},
        {"one", {}, "chrPerPos"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(("answer '" + c.answer + "'").toStdString());
        QTemporaryDir out;
        ChartPrinter chartPrinter(dialogs, out.path());
        Program& p = program();
        p.runtime().setPrinter(&chartPrinter);
        FrmGraph& g = onCostPerPositive();
        QStringList printed;
        chartPrinter.onImage = [&](const QImage& image) {
            printed << visibleChart(g);
            EXPECT_FALSE(buttonsVisible(g)) << "no button on the picture";
            EXPECT_TRUE(titleDrawn(image)) << "the chart is laid out before its picture is taken";
        };
        dialogs.clear();
        dialogs.type(c.answer);

        if (c.ask == Ask::Button)
            QTest::mouseClick(g.cmdPrint.widget(), Qt::LeftButton);
        else if (c.ask == Ask::CtrlP)
            key(g, Qt::Key_P, Qt::ControlModifier);
        else
            g.mnuPrint.trigger();

        ASSERT_FALSE(dialogs.shown().empty());
        const testsupport::RecordedDialog& ask = dialogs.shown().front();
        EXPECT_TRUE(ask.isInputBox);
        EXPECT_EQ(ask.prompt, prompt);
        EXPECT_EQ(ask.title, "");
        EXPECT_EQ(ask.defaultText, "4");
        EXPECT_EQ(printed, c.printed);
        EXPECT_EQ(visibleChart(g), c.leftShown);
        EXPECT_TRUE(buttonsVisible(g));
        EXPECT_EQ(chartPrinter.endDocs, 1) << "one closing call whatever the answer";
        if (c.printed.isEmpty()) {
            EXPECT_EQ(dialogs.prompts(), std::vector<QString>{refusal});
            EXPECT_EQ(dialogs.shown().back().icon, platform::Icon::None);
        } else {
            EXPECT_TRUE(dialogs.prompts().empty());
            EXPECT_EQ(pdftest::pageCount(out.path() + "/lines.pdf"), c.printed.size());
        }
        p.runtime().setPrinter(&printer);
        g.unload();
    }
}

// What is wrong with the captions under the shown chart's bars: the chart
// leaves out a caption that would run into its neighbour; empty when none is.
std::string unfittedCaptions(FrmGraph& g)
{
    for (platform::Chart* chart : {&g.chrNoWomen, &g.chrCost, &g.chrPerPos}) {
        if (!chart->visible())
            continue;
        QChart* drawn = chart->widget()->findChild<QChartView*>()->chart();
        const std::vector<platform::ChartRow> rows = chart->data().rows;
        std::size_t shown = 0;
        for (QGraphicsItem* item : drawn->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
                for (const platform::ChartRow& row : rows)
                    if (text->toPlainText().startsWith(row.label + '\n'))
                        ++shown;
        if (shown == rows.size())
            return "";
        return QStringLiteral("%1 of %2 captions shown").arg(shown).arg(rows.size()).toStdString();
    }
    return "no chart shown";
}

// However often a chart is drawn again, by a key, by printing or after the
// window was maximised, its captions are fitted to it as the first drawing
// fits them: none goes missing, none runs into the next.
TEST_F(GraphTest, EveryDrawingFitsItsCaptions)
{
    struct Case {
        const char* name;
        int widthPx, heightPx;
        QLocale locale;
        bool print;  // answer 4 to the print dialogue after the keys
    };
    const Case cases[] = {
        {"maximised on 1920 x 1080", 1920, 1080, QLocale(QLocale::English, QLocale::UnitedStates), false},
        {"maximised on 1920 x 1080, printed", 1920, 1080, QLocale(QLocale::English, QLocale::UnitedStates), true},
        {"maximised on 1024 x 768, fr_FR", 1024, 768, QLocale(QLocale::French, QLocale::France), false},
        {"maximised on 1024 x 768, de_DE, printed", 1024, 768, QLocale(QLocale::German, QLocale::Germany), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::LocaleScope scope(c.locale);
        screen.setSize(c.widthPx, c.heightPx);
        QTemporaryDir out;
        ChartPrinter chartPrinter(dialogs, out.path());
        Program& p = programme(ScrTestKind::GenProbe);
        for (Money VarCon::*cost : {&VarCon::PidCostGP, &VarCon::PidCostEIA, &VarCon::PidCostPCRC, &VarCon::PidCostPCRU,
                                    &VarCon::PidCostLCRC, &VarCon::PidCostLCRU, &VarCon::PidCostNgz1,
                                    &VarCon::PidCostNgz2, &VarCon::PidCostNgz3, &VarCon::lblPIDCost2})
            p.vc.*cost = Money::fromDouble(2'778'210'000'000);
        p.runtime().setPrinter(&chartPrinter);
        FrmGraph& g = opened(p);
        g.window()->setGeometry(0, 0, c.widthPx, c.heightPx);
        QCoreApplication::processEvents();
        EXPECT_EQ(unfittedCaptions(g), "") << "first drawing";
        for (Qt::Key k : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F2, Qt::Key_F1}) {
            key(g, k);
            QCoreApplication::processEvents();
            EXPECT_EQ(unfittedCaptions(g), "") << "after F" << (k - Qt::Key_F1 + 1);
        }
        if (c.print) {
            int pictures = 0;
            chartPrinter.onImage = [&](const QImage&) {
                ++pictures;
                EXPECT_EQ(unfittedCaptions(g), "") << "on paper, " << visibleChart(g).toStdString();
            };
            dialogs.type("4");
            g.mnuPrint.trigger();
            EXPECT_EQ(pictures, 3);
        }
        p.runtime().setPrinter(&printer);
        restart();
    }
}

// The size the captions under the shown chart's bars are lettered at.
double captionPoints(FrmGraph& g)
{
    for (platform::Chart* chart : {&g.chrNoWomen, &g.chrCost, &g.chrPerPos})
        if (chart->visible())
            return chart->widget()->findChild<QChartView*>()->chart()->axes(Qt::Horizontal).front()
                ->labelsFont()
                .pointSizeF();
    return 0;
}

// A larger graph window never letters a chart's captions smaller: each chart
// stands them upright or lays them across, whichever reads larger.
TEST_F(GraphTest, ALargerWindowNeverLettersTheCaptionsSmaller)
{
    struct Size {
        int width, height;
    };
    const Size sizes[] = {{640, 480}, {792, 588}, {880, 680}, {990, 784}, {1024, 768}, {1280, 1024}, {1920, 1080}};
    // Every bar of every chart far taller than the fixture's: the most women
    // and the dearest tests and cases the fields take.
    const auto large = [](VarCon& vc) {
        vc.NoFem18 = vc.NoFem1825 = vc.NoFem25 = float(Limits::MostWomenPerGroup);
        for (int t = 0; t < ScrTestCount; ++t)
            vc.*PerTest::Cost[t] = Limits::MostUnitCost;
        vc.CostPID = Limits::MostUnitCost;
    };
    struct Case {
        const char* name;
        bool large;
    };
    const Case cases[] = {{"ordinary figures", false}, {"large figures", true}};
    for (const Case& c : cases) {
        Program& p = programme(ScrTestKind::GenProbe);
        if (c.large)
            large(p.vc);
        FrmGraph& g = opened(p);
        for (Qt::Key k : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3}) {
            key(g, k);
            std::vector<double> lettered;
            for (const Size& s : sizes) {
                g.window()->setGeometry(0, 0, s.width, s.height);
                QCoreApplication::processEvents();
                EXPECT_EQ(unfittedCaptions(g), "") << s.width << " x " << s.height;
                lettered.push_back(captionPoints(g));
            }
            for (std::size_t i = 0; i < std::size(sizes); ++i)
                for (std::size_t j = 0; j < std::size(sizes); ++j) {
                    if (sizes[j].width < sizes[i].width || sizes[j].height < sizes[i].height)
                        continue;
                    EXPECT_GE(lettered[j], lettered[i] - 0.25)
                        << c.name << ", " << visibleChart(g).toStdString() << ": " << sizes[j].width << " x "
                        << sizes[j].height << " beside " << sizes[i].width << " x " << sizes[i].height;
                }
        }
        restart();
    }
}

TEST_F(GraphTest, AFailedPrintIsReportedAndTheButtonsComeBack)
{
    ChartPrinter broken(dialogs, folder.path() + "/no such folder");
    Program& p = programme(ScrTestKind::EIA);
    p.runtime().setPrinter(&broken);
    FrmGraph& g = opened(p);
    dialogs.type("4");
    g.mnuPrint.trigger();
    const std::vector<QString> messages = dialogs.prompts();
    ASSERT_EQ(messages.size(), 1u) << "one report, not one per chart";
    EXPECT_TRUE(messages.front().contains("could not be printed"));
    EXPECT_EQ(dialogs.shown().back().icon, platform::Icon::Critical);
    EXPECT_TRUE(buttonsVisible(g));
    EXPECT_EQ(visibleChart(g), "chrCost");
    p.runtime().setPrinter(&printer);
}

TEST_F(GraphTest, TheChoosersButtonsBringTheGraphScreenBackWithTheirChart)
{
    struct Case {
        const char* name;
        platform::CommandButton FrmGraphResponse::*button;  // null: the close box
        QString shown;
        int ends;
    };
    const Case cases[] = {
        {"Number of Women", &FrmGraphResponse::cmdNoWom, "chrNoWomen", 0},
        {"Cost per Positive", &FrmGraphResponse::cmdCostPerPos, "chrPerPos", 0},
        {"Test Cost", &FrmGraphResponse::cmdTestCost, "chrCost", 0},
        {"close box", nullptr, "chrPerPos", 0},
        {"Exit Application", &FrmGraphResponse::cmdEnd, "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        endCalls = 0;
        Program& p = program();
        FrmGraph& g = onCostPerPositive();
        FrmGraphResponse& chooser = p.FrmGraphResponse();
        bool graphHiddenMeanwhile = false;
        testsupport::whenModal(chooser, [&] {
            graphHiddenMeanwhile = !g.isShown();
            if (c.button)
                QTest::mouseClick((chooser.*c.button).widget(), Qt::LeftButton);
            else
                chooser.Form_CloseBox();
            if (c.ends)
                chooser.hide();  // the test's stand-in for the end of the process
        });
        QTest::mouseClick(g.cmdNext.widget(), Qt::LeftButton);

        EXPECT_TRUE(graphHiddenMeanwhile);
        EXPECT_FALSE(chooser.isShown());
        EXPECT_TRUE(chooser.isLoaded()) << "the chooser stays loaded for the next time";
        EXPECT_EQ(endCalls, c.ends);
        if (!c.ends) {
            EXPECT_TRUE(g.isShown());
            EXPECT_EQ(visibleChart(g), c.shown);
        }
        g.unload();
    }
}

} // namespace
