#include "shell/FrmInstruct.h"
#include "shell/FrmInstructSwitch.h"
#include "shell/frmSplash.h"
#include "support/ProgramFixture.h"

#include <QRegularExpression>
#include <QTest>
#include <QTextCharFormat>

#include <optional>

using testsupport::ProgramTest;

namespace {

// A heading that stands on one page only, to tell printed pages apart.
struct PageMark {
    InstructionPage page;
    const char* name;
    QString mark;
};

const PageMark kPages[] = {
    {InstructionPage::About, "About", "Guidance:"},
    {InstructionPage::Documentation, "Documentation", "Screening test performance characteristics:"},
    {InstructionPage::DetailedInstructions, "Detailed Instructions", "Screen Flow:"},
    {InstructionPage::GeneralInstructions, "General Instructions", "General Computer Information:"},
    {InstructionPage::SpecialKeys, "Special Keys", "(The italisized words are screen name)"},
};

QString squeezed(QString text) { return text.replace(QRegularExpression("\\s+"), " "); }

// Which printed page a PDF holds, by its mark; empty when none or several match.
QString printedPage(const QString& pdf)
{
    const QString text = squeezed(testsupport::pdfText(pdf));
    QString found;
    for (const PageMark& p : kPages) {
        if (text.contains(p.mark)) {
            if (!found.isEmpty())
                return {};
            found = p.name;
        }
    }
    return found;
}

// The text as the box's document holds it: one character per line break.
QString documentText(InstructionPage page)
{
    return instructionPageText(page).replace("\r\n", "\n");
}

struct Style {
    bool bold = false;
    bool italic = false;
    std::optional<QRgb> colour;
    bool operator==(const Style&) const = default;
};

std::string describe(const Style& s)
{
    return std::string(s.bold ? "bold " : "") + (s.italic ? "italic " : "") +
           (s.colour ? QColor(*s.colour).name().toStdString() : "plain-colour");
}

// What each character should look like: only the first occurrence of each term is emphasised.
std::vector<Style> expectedStyles(InstructionPage page)
{
    const QString text = documentText(page);
    std::vector<Style> styles(size_t(text.size()));
    for (const Emphasis& e : instructionPageEmphasis(page)) {
        const qsizetype at = text.indexOf(e.term);
        EXPECT_GE(at, 0) << e.term.toStdString();
        for (qsizetype i = at; at >= 0 && i < at + e.term.size(); ++i) {
            Style& s = styles[size_t(i)];
            s.bold = s.bold || e.bold;
            s.italic = s.italic || e.italic;
            if (e.colour)
                s.colour = e.colour;
        }
    }
    return styles;
}

Style styleAt(platform::RichTextBox& box, int position)
{
    const QTextCharFormat f = box.charFormatAt(position);
    Style s;
    s.bold = f.fontWeight() >= QFont::Bold;
    s.italic = f.fontItalic();
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        s.colour = f.foreground().color().rgb();
    return s;
}

void expectStyles(platform::RichTextBox& box, InstructionPage page)
{
    const std::vector<Style> expected = expectedStyles(page);
    int wrong = 0;
    for (size_t i = 0; i < expected.size() && wrong < 5; ++i) {
        const Style actual = styleAt(box, int(i));
        if (!(actual == expected[i])) {
            ++wrong;
            ADD_FAILURE() << "at " << i << " ('" << documentText(page).mid(qsizetype(i), 12).toStdString()
                          << "'): " << describe(actual) << ", expected " << describe(expected[i]);
        }
    }
}

class InstructionViewerTest : public ProgramTest {
protected:
    // Start-up up to the viewer, left from the splash with a key.
    FrmInstructSwitch& viewer()
    {
        Program& p = started();
        activate(p.frmSplash());
        QTest::keyClick(p.frmSplash().window(), Qt::Key_Space);
        return p.FrmInstructSwitch();
    }

    void showPage(FrmInstructSwitch& v, InstructionPage page)
    {
        switch (page) {
        case InstructionPage::About: v.cmdWelcome_Click(); break;
        case InstructionPage::Documentation: v.cmdDocumentation_Click(); break;
        case InstructionPage::DetailedInstructions: v.cmdAppInstr_Click(); break;
        case InstructionPage::GeneralInstructions: v.cmdGCI_Click(); break;
        case InstructionPage::SpecialKeys: v.cmdSpecialKeys_Click(); break;
        }
    }
};

TEST_F(InstructionViewerTest, EachPageShowsItsTextWithItsOwnEmphasisOnly)
{
    FrmInstructSwitch& v = viewer();
    // About first, then every page after a page with emphasis, then About
    // twice, so no emphasis may be carried over or doubled.
    const InstructionPage order[] = {
        InstructionPage::About,        InstructionPage::Documentation, InstructionPage::SpecialKeys,
        InstructionPage::DetailedInstructions, InstructionPage::About, InstructionPage::GeneralInstructions,
        InstructionPage::SpecialKeys,  InstructionPage::SpecialKeys,   InstructionPage::About,
        InstructionPage::About,
    };
    for (InstructionPage page : order) {
        SCOPED_TRACE(kPages[int(page)].name);
        showPage(v, page);
        EXPECT_EQ(v.rtfInstructions.text(), instructionPageText(page));
        expectStyles(v.rtfInstructions, page);
    }
}

TEST_F(InstructionViewerTest, EmphasisLeavesTheCaretWhereEachPageWantsItWithNothingSelected)
{
    FrmInstructSwitch& v = viewer();
    const int afterGuidance = int(documentText(InstructionPage::About).indexOf("Guidance") + 8);
    ASSERT_EQ(documentText(InstructionPage::About).at(afterGuidance), u':');
    struct Case {
        InstructionPage page;
        int caret;
    };
    for (const Case c : {Case{InstructionPage::About, afterGuidance}, Case{InstructionPage::SpecialKeys, 0}}) {
        SCOPED_TRACE(kPages[int(c.page)].name);
        showPage(v, c.page);
        EXPECT_EQ(v.rtfInstructions.selStart(), c.caret);
        EXPECT_EQ(v.rtfInstructions.selLength(), 0);
    }
}

TEST_F(InstructionViewerTest, ViewKeysShowTheirPages)
{
    FrmInstructSwitch& v = viewer();
    activate(v);
    const Qt::Key keys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5};
    // Backwards, so each key has to change the page.
    for (int i = 4; i >= 0; --i) {
        SCOPED_TRACE(kPages[i].name);
        QTest::keyClick(v.window(), keys[i]);
        EXPECT_EQ(v.rtfInstructions.text(), instructionPageText(kPages[i].page));
    }
    EXPECT_TRUE(printer.jobs().isEmpty());
}

TEST_F(InstructionViewerTest, EachPrintKeyShowsAndPrintsItsPage)
{
    FrmInstructSwitch& v = viewer();
    activate(v);
    // No print key on F10, which opens the menu bar.
    const Qt::Key keys[] = {Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F11};
    for (int i = 4; i >= 0; --i) {
        SCOPED_TRACE(kPages[i].name);
        const qsizetype before = printer.jobs().size();
        QTest::keyClick(v.window(), keys[i]);
        EXPECT_EQ(v.rtfInstructions.text(), instructionPageText(kPages[i].page));
        ASSERT_EQ(printer.jobs().size(), before + 1);
        EXPECT_EQ(printedPage(printer.jobs().back()), kPages[i].name);
    }
    QTest::keyClick(v.window(), Qt::Key_F10);
    EXPECT_EQ(printer.jobs().size(), 5);
}

TEST_F(InstructionViewerTest, PrintedPagesKeepTheirEmphasis)
{
    FrmInstructSwitch& v = viewer();
    v.mnuPAbout.trigger();
    ASSERT_EQ(printer.jobs().size(), 1);
    // The box is printed with its emphasis, not as bare text.
    QProcess fonts;
    fonts.start("pdffonts", {printer.jobs().front()});
    ASSERT_TRUE(fonts.waitForFinished(30000));
    const QString list = QString::fromUtf8(fonts.readAllStandardOutput());
    EXPECT_TRUE(list.contains("Bold", Qt::CaseInsensitive)) << list.toStdString();
    EXPECT_TRUE(list.contains("Italic", Qt::CaseInsensitive) || list.contains("Oblique", Qt::CaseInsensitive))
        << list.toStdString();
}

TEST_F(InstructionViewerTest, PrintAllPrintsTheFivePagesInItsOrderAndEndsOnSpecialKeys)
{
    FrmInstructSwitch& v = viewer();
    v.mnuPrintAll.trigger();
    // One job holding the five pages, each from a fresh sheet.
    EXPECT_TRUE(printer.jobs().isEmpty());
    ASSERT_FALSE(printer.lastOutputPath().isEmpty());
    QStringList printed;
    for (const QString& sheet : testsupport::pdfText(printer.lastOutputPath()).split(QChar('\f'))) {
        int marks = 0;
        for (const PageMark& p : kPages) {
            if (squeezed(sheet).contains(p.mark)) {
                printed << p.name;
                ++marks;
            }
        }
        EXPECT_LE(marks, 1) << "a page started mid-sheet";
    }
    EXPECT_EQ(printed, QStringList({"About", "General Instructions", "Documentation", "Detailed Instructions",
                                    "Special Keys"}));
    EXPECT_EQ(v.rtfInstructions.text(), instructionPageText(InstructionPage::SpecialKeys));
}

TEST_F(InstructionViewerTest, ExitApplicationEndsTheProgram)
{
    FrmInstructSwitch& v = viewer();
    activate(v);
    QTest::keyClick(v.window(), Qt::Key_F12);
    EXPECT_EQ(endCalls, 1);
}

// --- screen sizes ------------------------------------------------------------------------

const QString kWarning =
    "This application does not view correctly at resolutions below 800 x 600 dpi. View the read me "
    "documentation that came with this distribution to determine the optimal resolution and system font size.";

const QString kCaution =
    "You may want to check your screen resolution and system font size, this application may have difficulty "
    "fitting all data on screens where the resolution is 800 x 600 dpi and the computer is using large system "
    "fonts. You will be given the opportunity to resolve these issues or proceed on with the application. \n"
    "To fix either: \n"
    "   1. Increase screen resolution or\n"
    "   2. Decrease system font size to normal or small\n"
    "If you would like to resolve these issues click the 'Yes' button below; otherwise, click 'No'. \n"
    "To change screen resolution settings or system font size view the read me documentation that came with "
    "the distribution";

TEST_F(InstructionViewerTest, SmallScreensAreWarnedOrCautionedExactlyAtTheirSizes)
{
    enum class Asked { Nothing, Warning, Caution };
    struct Case {
        int width, height;
        std::optional<platform::Answer> answer;  // to the caution
        Asked asked;
        bool ends;
    };
    const Case cases[] = {
        {640, 480, std::nullopt, Asked::Warning, true},
        {720, 480, std::nullopt, Asked::Nothing, false},
        {640, 400, std::nullopt, Asked::Nothing, false},
        {800, 600, platform::Answer::Yes, Asked::Caution, true},
        {800, 600, platform::Answer::No, Asked::Caution, false},
        {832, 624, std::nullopt, Asked::Nothing, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        testsupport::ScriptedDialogs script;
        platform::FixedScreen small(c.width, c.height);
        int ended = 0;
        Program p(script, small, &printer, [&] { ++ended; });
        script.answer(platform::Answer::No);  // not maximised at start-up
        if (c.answer)
            script.answer(*c.answer);
        p.start();
        p.frmSplash().lblDate_Click();

        ASSERT_EQ(script.shown().size(), c.asked == Asked::Nothing ? 1u : 2u);
        if (c.asked == Asked::Warning) {
            const testsupport::RecordedDialog& d = script.shown()[1];
            EXPECT_EQ(d.prompt, kWarning);
            EXPECT_EQ(d.title, "   Warning  ");
            EXPECT_EQ(d.buttons, platform::Buttons::Ok);
            EXPECT_EQ(d.icon, platform::Icon::Critical);
        }
        if (c.asked == Asked::Caution) {
            const testsupport::RecordedDialog& d = script.shown()[1];
            EXPECT_EQ(d.prompt, kCaution);
            EXPECT_EQ(d.title, "   Caution   ");
            EXPECT_EQ(d.buttons, platform::Buttons::YesNo);
        }
        EXPECT_EQ(ended, c.ends ? 1 : 0);
        EXPECT_EQ(p.FrmInstructSwitch().isShown(), !c.ends);
        if (!c.ends) {
            EXPECT_EQ(p.FrmInstructSwitch().rtfInstructions.text(), instructionPageText(InstructionPage::About));
            // 800 x 600 maximises whatever the start-up answer was.
            EXPECT_EQ(p.FrmInstructSwitch().windowState() == platform::WindowState::Maximized,
                      c.width == 800 && c.height == 600);
        }
        EXPECT_FALSE(script.ranOutOfAnswers());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

namespace {
// A line cut by a page break comes out twice: its top half at the foot of one
// sheet, its bottom half at the head of the next.
QStringList linesCutByAPageBreak(const QString& pdf)
{
    QStringList cut;
    const std::vector<QStringList> sheets = pdftest::pages(pdf);
    for (size_t i = 0; i + 1 < sheets.size(); ++i) {
        QStringList foot = sheets[i], head = sheets[i + 1];
        foot.removeAll(QString());
        head.removeAll(QString());
        if (!foot.isEmpty() && !head.isEmpty() && foot.last() == head.first())
            cut << foot.last();
    }
    return cut;
}
} // namespace

TEST_F(InstructionViewerTest, PrintedPagesNeverCutALineAcrossSheets)
{
    FrmInstructSwitch& v = viewer();
    activate(v);
    for (Qt::Key key : {Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F11})
        QTest::keyClick(v.window(), key);
    ASSERT_EQ(printer.jobs().size(), 5);
    for (const QString& job : printer.jobs())
        EXPECT_EQ(linesCutByAPageBreak(job).join('\n').toStdString(), "") << printedPage(job).toStdString();
    v.mnuPrintAll.trigger();
    EXPECT_EQ(linesCutByAPageBreak(printer.lastOutputPath()).join('\n').toStdString(), "");
}
