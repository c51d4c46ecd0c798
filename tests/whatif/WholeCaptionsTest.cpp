// Every label and one-line field of every form shows its whole text, clear of
// every other caption and field and never below the floor, at every screen
// size the forms scale to and maximised, for the acceptance programmes and
// for the largest figures the inputs allow.
#include "WhatIfScreens.h"
#include "results/ResultScreens.h"
#include "support/LocaleScope.h"
#include "support/PdfText.h"
#include "support/WholeText.h"

#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmInitQuest.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "shell/FrmConsole.h"
#include "shell/FrmInstruct.h"
#include "shell/FrmInstructSwitch.h"
#include "switchto/FrmSwitchTo.h"
#include "testchars/FrmDraftCostTest.h"
#include "testchars/FrmTestCost.h"
#include "whatif/FrmGraph.h"
#include "whatif/FrmGraphResponse.h"
#include "whatif/FrmSwitchToAnaly.h"
#include "whatif/FrmSwitchToCost.h"

#include "platform/FontFit.h"
#include "platform/Numbers.h"

#include <QLineEdit>
#include <QMainWindow>

#include <map>
#include <tuple>

namespace {

using namespace whatif_test;

struct ScreenSize {
    const char* id;
    const char* name;
    int widthPx, heightPx;
    bool maximised;  // the window then fills the screen, as the window manager does
};

const ScreenSize kSizes[] = {
    {"small_800", "800 x 600", 800, 600, false},
    {"design_1024", "1024 x 768", 1024, 768, false},
    {"large_1280", "1280 x 1024", 1280, 1024, false},
    {"large_1920", "1920 x 1080", 1920, 1080, false},
    {"maximised_1280", "maximised on 1280 x 1024", 1280, 1024, true},
    {"maximised_1024", "maximised on 1024 x 768", 1024, 768, true},
};

// The most the inputs take: 10,000,000 women in each age group, most of
// them positive, and every unit cost at $1,000,000.
void Largest(VarCon& vc)
{
    const Money most = Money::fromDouble(1'000'000);
    vc.NoFem18 = vc.NoFem1825 = vc.NoFem25 = 10'000'000;
    vc.PerFem18 = vc.PerFem1825 = vc.PerFem25 = 0.9f;
    for (Money VarCon::*cost : {&VarCon::CostGP, &VarCon::CostEIA, &VarCon::CostPCRC, &VarCon::CostPCRU,
                                &VarCon::CostLCRC, &VarCon::CostLCRU, &VarCon::CostDNGZ, &VarCon::CostPNGZ,
                                &VarCon::TxtCostDFA, &VarCon::TxtCostPCA, &VarCon::CostDox, &VarCon::CostAzi,
                                &VarCon::CostPID})
        vc.*cost = most;
    vc.Region = "Springfield County Department of Public Health, Family Planning and Adolescent Clinics";
}

std::vector<testsupport::Programme> Programmes()
{
    std::vector<testsupport::Programme> all = testsupport::programmes();
    all.push_back(Default(ScrTestKind::EIA, NgzTestKind::DfaOnEia, Largest));
    all.back().confirm = true;
    all.push_back(Default(ScrTestKind::GenProbe, NgzTestKind::PcrOnGenProbe, Largest));
    all.back().confirm = true;
    all.push_back(Default(ScrTestKind::PCRC, NgzTestKind::None, Largest));
    // One cost in a column of ordinary ones takes a smaller lettering than the rest.
    all.push_back(
        Default(ScrTestKind::GenProbe, NgzTestKind::None, [](VarCon& vc) { vc.CostEIA = Money::fromDouble(125); }));
    return all;
}

// Figures as the program writes them in the United States, and with a comma
// for the decimal sign and a trailing currency sign.
const char* const kLocales[] = {"en_US", "de_DE"};

class WholeCaptions : public WhatIfTest, public ::testing::WithParamInterface<std::tuple<ScreenSize, const char*>> {
protected:
    const ScreenSize& size = std::get<0>(GetParam());
    // The acceptance figures are read in en_US, before the locale is set.
    const QLocale locale{QString::fromLatin1(std::get<1>(GetParam()))};

    // Every one-line field on screen, enabled or not, shows the widest figure
    // the limits allow: a unit cost of $1,000,000, wider than any count.
    static void showLargestFigures(platform::Form& f)
    {
        for (platform::Control* c : f.controls())
            if (auto* field = dynamic_cast<platform::TextBox*>(c);
                field && qobject_cast<QLineEdit*>(c->widget()) && c->widget()->isVisibleTo(c->widget()->window()))
                field->setText(platform::numbers::formatCurrency(1'000'000));
    }

    // Every form of the program on screen over the programme's result screens.
    std::vector<platform::Form*> everyForm(Program& p)
    {
        return {&p.FrmScrResult(),      &p.FrmSwitchTo(),      &p.FrmSwitchToCost(), &p.FrmSwitchToAnaly(),
                &p.FrmGraph(),          &p.FrmGraphResponse(), &p.FrmConsole(),      &p.FrmInstruct(),
                &p.FrmInstructSwitch(), &p.FrmInitQuest(),     &p.FrmQuestPop(),     &p.FrmTesting(),
                &p.FrmConfirm(),        &p.FrmQuestPercent(),  &p.FrmQuestDrugCost(), &p.FrmSenSpec(),
                &p.FrmTestCost(),       &p.FrmDraftCostTest()};
    }
};

TEST_P(WholeCaptions, EveryLabelAndFieldOfEveryFormShowsItsWholeText)
{
    const std::vector<testsupport::Programme> all = Programmes();
    const testsupport::LocaleScope scope(locale);
    for (const testsupport::Programme& programme : all) {
        SCOPED_TRACE(programme.name + " at " + size.name);
        screen.setSize(size.widthPx, size.heightPx);
        Program& p = switched(programme);
        if (p.vc.CostGP != programme.vc.CostGP) {
            // The switch step's review put back the unit costs its fields
            // show, which a test that sets the model state has not typed.
            Largest(p.vc);
            p.unloadForms({"FrmSwitchTo", "FrmSwitchToCost", "FrmSwitchToAnaly"});
            p.loadComparisonScreens();
        }
        for (platform::Form* f : everyForm(p)) {
            if (!f->isLoaded())
                f->load();
            if (f == &p.FrmSenSpec())
                p.FrmSenSpec().prepareComparisonView();  // every test's row
            f->show();
            if (size.maximised)
                f->window()->setGeometry(0, 0, size.widthPx, size.heightPx);
            QCoreApplication::processEvents();
            // A column of fields shares one lettering for the figures in use
            // and for the widest ones.
            const QStringList unevenInUse = testsupport::unevenColumns(*f);
            EXPECT_TRUE(unevenInUse.isEmpty()) << unevenInUse.join(QLatin1Char('\n')).toStdString();
            showLargestFigures(*f);
            const QStringList cut = testsupport::cutCaptions(*f);
            EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
            const QStringList over = testsupport::overlappingCaptions(*f);
            EXPECT_TRUE(over.isEmpty()) << over.join(QLatin1Char('\n')).toStdString();
            const QStringList raised = testsupport::offTheirRow(*f);
            EXPECT_TRUE(raised.isEmpty()) << raised.join(QLatin1Char('\n')).toStdString();
            const QStringList uneven = testsupport::unevenColumns(*f);
            EXPECT_TRUE(uneven.isEmpty()) << uneven.join(QLatin1Char('\n')).toStdString();
            const QStringList small = testsupport::captionsBelow(*f, platform::smallestLegiblePoints(screen));
            EXPECT_TRUE(small.isEmpty()) << small.join(QLatin1Char('\n')).toStdString();
            f->hide();
        }
        p.unloadForms({"FrmGraph", "FrmGraphResponse", "FrmConsole", "FrmInstruct", "FrmInstructSwitch",
                       "FrmInitQuest", "FrmQuestPop", "FrmTesting", "FrmConfirm", "FrmQuestPercent",
                       "FrmQuestDrugCost", "FrmSenSpec", "FrmTestCost", "FrmDraftCostTest"});
    }
}

// Counts the words of a line, apart at blanks and no-break spaces (which a
// PDF's text may give back as blanks).
void countWords(const QString& line, std::map<QString, int>& words)
{
    const QString blanked = QString(line).replace(QChar(0x00A0), QLatin1Char(' '));
    for (const QString& word : blanked.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        ++words[word];
}

// The words of each page of a PDF file, counted.
std::vector<std::map<QString, int>> wordsOfPages(const QString& pdf)
{
    std::vector<std::map<QString, int>> pages;
    for (const QStringList& page : pdftest::pages(pdf)) {
        std::map<QString, int> words;
        for (const QString& line : page)
            countWords(line, words);
        pages.push_back(words);
    }
    return pages;
}

// A printed chart is the chart as the screen shows it once laid out: with
// the largest programme, every bar's label and value reaches the paper, as
// text, on the page of its chart.
TEST_P(WholeCaptions, APrintedChartShowsEveryBarCaption)
{
    const testsupport::LocaleScope scope(locale);
    screen.setSize(size.widthPx, size.heightPx);
    testsupport::Programme largest = Default(ScrTestKind::GenProbe, NgzTestKind::PcrOnGenProbe, Largest);
    largest.confirm = true;
    Program& p = switched(largest);
    FrmGraph& g = p.FrmGraph();
    g.show();
    if (size.maximised)
        g.window()->setGeometry(0, 0, size.widthPx, size.heightPx);
    QCoreApplication::processEvents();
    dialogs.type("4");
    g.mnuPrint_Click();
    ASSERT_TRUE(dialogs.prompts().empty()) << dialogs.prompts().front().toStdString();
    const std::vector<std::map<QString, int>> pages = wordsOfPages(pdf());
    platform::Chart* const printed[] = {&g.chrNoWomen, &g.chrPerPos, &g.chrCost};  // the order of "all"
    ASSERT_EQ(pages.size(), std::size(printed));
    for (std::size_t page = 0; page < pages.size(); ++page) {
        SCOPED_TRACE(printed[page]->name().toStdString());
        std::map<QString, int> expected;
        for (const platform::ChartRow& row : printed[page]->data().rows)
            countWords(platform::Chart::rowCaption(row).replace(QLatin1Char('\n'), QLatin1Char(' ')), expected);
        ASSERT_GE(expected.size(), 10u);
        for (const auto& [caption, times] : expected) {
            const auto found = pages[page].find(caption);
            EXPECT_GE(found == pages[page].end() ? 0 : found->second, times) << caption.toStdString();
        }
    }
    g.hide();
}

INSTANTIATE_TEST_SUITE_P(Screens, WholeCaptions,
                         ::testing::Combine(::testing::ValuesIn(kSizes), ::testing::ValuesIn(kLocales)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).id) + "_" + std::get<1>(info.param);
                         });

} // namespace
