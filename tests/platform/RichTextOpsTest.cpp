#include "platform/Printer.h"
#include "platform/RichTextOps.h"
#include "support/PdfText.h"
#include "support/ScriptedDialogs.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <functional>

namespace rt = platform::richtext;

namespace {

class RichTextOpsTest : public ::testing::Test {
protected:
    RichTextOpsTest() { rt::setUp(box); }
    QTextEdit box;
};

TEST_F(RichTextOpsTest, ReplacingTheTextMakesOneParagraphPerLine)
{
    rt::replaceText(box, "First line\r\nSecond line\r\n\r\nAfter a blank\nLF only\rCR only");
    EXPECT_EQ(box.document()->blockCount(), 6);
    EXPECT_EQ(box.toPlainText(),
              QStringLiteral("First line\nSecond line\n\nAfter a blank\nLF only\nCR only"));
    EXPECT_EQ(rt::selectionStart(box), 0);
    EXPECT_EQ(rt::selectionLength(box), 0);
}

TEST_F(RichTextOpsTest, FindSelectsTheFirstOccurrenceFromTheSelectionStart)
{
    //                   0         1         2         3
    //                   0123456789012345678901234567890123456
    rt::replaceText(box, "blue Blue\r\nsky blue and blue again");
    struct Case {
        const char* name;
        int caret;
        const char* word;
        int expected;
    };
    const Case cases[] = {
        {"from the start", 0, "blue", 0},
        {"case matters", 0, "Blue", 5},
        {"an occurrence right at the caret counts", 5, "Blue", 5},
        {"past the caret only", 1, "blue", 14},
        {"across the paragraph end positions", 10, "sky", 10},
        {"a word with its trailing blank", 0, "blue and ", 14},
        {"nothing after the caret", 24, "sky", -1},
        {"not in the text at all", 0, "green", -1},
        {"an empty word", 0, "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rt::setSelectionStart(box, c.caret);
        EXPECT_EQ(rt::find(box, c.word), c.expected);
        if (c.expected >= 0) {
            EXPECT_EQ(rt::selectionStart(box), c.expected);
            EXPECT_EQ(rt::selectedText(box), QString::fromLatin1(c.word));
        } else {
            EXPECT_EQ(rt::selectionStart(box), c.caret) << "a failed search keeps the caret";
            EXPECT_EQ(rt::selectionLength(box), 0);
        }
    }
}

TEST_F(RichTextOpsTest, SettingTheSelectionStartClampsAndDeselects)
{
    rt::replaceText(box, "short");
    rt::find(box, "ort");
    for (auto [asked, expected] : {std::pair{3, 3}, {-4, 0}, {99, 5}}) {
        rt::setSelectionStart(box, asked);
        EXPECT_EQ(rt::selectionStart(box), expected);
        EXPECT_EQ(rt::selectionLength(box), 0);
    }
}

struct Emphasis {
    const char* term;
    std::function<void(QTextEdit&)> apply;
    bool bold = false;
    bool italic = false;
    QColor color; // invalid: the default colour
};

const QString page = QStringLiteral(
    "Welcome. The questions you MUST answer are written in blue.\r\n"
    "Screening for Chlamydia trachomatis; blue and MUST appear twice.\r\n"
    "\r\n"
    "Guidance: read Chlamydia trachomatis notes.");

std::vector<Emphasis> aboutPageTerms()
{
    return {
        {"blue",
         [](QTextEdit& b) {
             rt::setSelectionBold(b, true);
             rt::setSelectionColor(b, QColor(0, 0, 255));
         },
         true, false, QColor(0, 0, 255)},
        {"Chlamydia trachomatis", [](QTextEdit& b) { rt::setSelectionItalic(b, true); }, false,
         true, {}},
        {"MUST", [](QTextEdit& b) { rt::setSelectionBold(b, true); }, true, false, {}},
        {"Guidance", [](QTextEdit& b) { rt::setSelectionBold(b, true); }, true, false, {}},
    };
}

// Emphasises the first occurrence of each term, the way the instruction pages
// do; returns where each term was found.
std::vector<int> emphasise(QTextEdit& box, const std::vector<Emphasis>& terms)
{
    std::vector<int> found;
    for (const Emphasis& e : terms) {
        rt::setSelectionStart(box, 0);
        found.push_back(rt::find(box, e.term));
        e.apply(box);
    }
    return found;
}

TEST_F(RichTextOpsTest, EmphasisCoversExactlyTheFoundText)
{
    rt::replaceText(box, page);
    const auto terms = aboutPageTerms();
    const std::vector<int> found = emphasise(box, terms);

    const QString text = box.toPlainText();
    for (int pos = 0; pos < text.size(); ++pos) {
        const Emphasis* expected = nullptr;
        for (size_t i = 0; i < terms.size(); ++i) {
            const int length = int(QString::fromLatin1(terms[i].term).size());
            if (found[i] >= 0 && pos >= found[i] && pos < found[i] + length)
                expected = &terms[i];
        }
        SCOPED_TRACE(QStringLiteral("position %1 '%2'").arg(pos).arg(text[pos]).toStdString());
        const QTextCharFormat format = rt::charFormatAt(box, pos);
        EXPECT_EQ(format.fontWeight() >= QFont::Bold, expected && expected->bold);
        EXPECT_EQ(format.fontItalic(), expected && expected->italic);
        if (expected && expected->color.isValid())
            EXPECT_EQ(format.foreground().color(), expected->color);
        else
            EXPECT_FALSE(format.hasProperty(QTextFormat::ForegroundBrush));
    }
    // The first occurrence of each, the later ones stay plain.
    EXPECT_EQ(found, (std::vector<int>{54, 74, 27, 126}));
}

TEST_F(RichTextOpsTest, ReplacingTheTextLeavesNoFormattingBehind)
{
    rt::replaceText(box, page);
    emphasise(box, aboutPageTerms());
    // Leave the caret inside emphasised text, where the next insertion
    // would take its format.
    rt::setSelectionStart(box, 0);
    rt::find(box, "blue");
    rt::setSelectionStart(box, rt::selectionStart(box) + 2);

    rt::replaceText(box, "blue MUST Guidance\r\nnew page");
    box.insertPlainText(QStringLiteral("typed "));
    const QString text = box.toPlainText();
    EXPECT_EQ(text, QStringLiteral("typed blue MUST Guidance\nnew page"));
    for (int pos = 0; pos < text.size(); ++pos) {
        SCOPED_TRACE(pos);
        const QTextCharFormat format = rt::charFormatAt(box, pos);
        EXPECT_LT(format.fontWeight(), QFont::Bold);
        EXPECT_FALSE(format.fontItalic());
        EXPECT_FALSE(format.hasProperty(QTextFormat::ForegroundBrush));
    }
}

TEST_F(RichTextOpsTest, PrintsTheWholeTextWithItsFontAndEmphasis)
{
    rt::replaceText(box, page);
    emphasise(box, aboutPageTerms());
    rt::setSelectionStart(box, 0);
    rt::find(box, "Welcome"); // a selection must not limit what is printed

    QTemporaryDir dir;
    testsupport::ScriptedDialogs dialogs;
    const QString pdf = dir.filePath("page.pdf");
    platform::Printer printer(dialogs, platform::Destination::pdf(pdf));
    ASSERT_TRUE(rt::print(box, printer));
    EXPECT_TRUE(dialogs.shown().empty());

    EXPECT_EQ(pdftest::joined(pdftest::lines(pdf)),
              pdftest::joined(page.split(QStringLiteral("\r\n"))));
    // Arial, or its metric twin Liberation Sans, in regular, bold and italic.
    const QString fonts = pdftest::fonts(pdf);
    for (const char* style : {"\\s", "-Bold\\s", "-Italic\\s"}) {
        const QRegularExpression face(QStringLiteral("(Arial|Sans)") + QLatin1String(style));
        EXPECT_TRUE(fonts.contains(face)) << style << " missing from\n" << fonts.toStdString();
    }
}

TEST_F(RichTextOpsTest, TheBoxUsesArialTenAndAHalfPoints)
{
    const QFont font = box.document()->defaultFont();
    EXPECT_EQ(font.pointSizeF(), 10.5);
    EXPECT_EQ(font.family(), QStringLiteral("Arial"));
}

} // namespace
