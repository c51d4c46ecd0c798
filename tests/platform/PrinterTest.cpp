// The printer writes real PDF files here, read back with poppler's tools, so
// these tests see what would come out on paper.

#include "platform/Printer.h"
#include "support/PdfText.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <functional>

using platform::Destination;
using platform::Printer;
using testsupport::ScriptedDialogs;


#define EXPECT_LINES(pdf, ...) \
    EXPECT_EQ(pdftest::joined(pdftest::lines(pdf)), pdftest::joined(__VA_ARGS__))

namespace {

using Steps = std::function<void(Printer&)>;

class PrinterTest : public ::testing::Test {
protected:
    QString pathOf(const QString& name) const { return dir.filePath(name); }

    // Runs the steps on a printer writing to a PDF file; returns its path.
    QString printToPdf(const Steps& steps, const QString& name = QStringLiteral("out.pdf"))
    {
        const QString path = pathOf(name);
        Printer printer(dialogs, Destination::pdf(path));
        steps(printer);
        EXPECT_TRUE(printer.endDoc());
        EXPECT_EQ(printer.lastOutputPath(), path);
        return path;
    }

    QStringList pdfFilesInDir(const QString& folder) const
    {
        return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
};

struct LinesCase {
    const char* name;
    Steps steps;
    QStringList expected;
};

TEST_F(PrinterTest, PrintsEachTextAsLinesThenEndsTheLine)
{
    const LinesCase cases[] = {
        {"one print per line", [](Printer& p) { p.print("First"); p.print("Second"); },
         {"First", "Second"}},
        {"CR LF inside a text starts a new line",
         [](Printer& p) { p.print("Alpha\r\nBeta\r\nGamma"); }, {"Alpha", "Beta", "Gamma"}},
        {"a section ending in CR LF is followed by one empty line",
         [](Printer& p) {
             p.print("               Population Size\r\n"
                     "                    Females under 18     1,000\r\n");
             p.print("               Treatment Strategy");
         },
         {"Population Size", "Females under 18 1,000", "", "Treatment Strategy"}},
        {"an empty text prints an empty line",
         [](Printer& p) { p.print("Above"); p.print(""); p.print(""); p.print("Below"); },
         {"Above", "", "", "Below"}},
        {"lone LF and lone CR also break the line",
         [](Printer& p) { p.print("One\nTwo\rThree"); }, {"One", "Two", "Three"}},
        {"size and weight changes keep every line",
         [](Printer& p) {
             p.setFontSize(14);
             p.setFontBold(true);
             p.print("Current Screening Strategy");
             p.setFontSize(10);
             p.setFontBold(false);
             p.print("               Screening Test\r\n                    GenProbe\r\n");
             p.setFontSize(8);
             p.setFontBold(true);
             p.print("Continued");
         },
         {"Current Screening Strategy", "Screening Test", "GenProbe", "", "Continued"}},
    };
    for (const LinesCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString pdf = printToPdf(c.steps, QString::fromLatin1(c.name) + ".pdf");
        EXPECT_LINES(pdf, c.expected);
        EXPECT_EQ(pdftest::pageCount(pdf), 1);
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PrinterTest, FontSizeAndBoldReachThePaper)
{
    const QString pdf = printToPdf([](Printer& p) {
        p.setFontSize(14);
        p.setFontBold(true);
        p.print("Heading");
        p.setFontSize(8);
        p.setFontBold(false);
        p.print("small");
    });
    // Word heights from the bounding boxes: 14 pt must come out larger than 8 pt.
    const QString boxes = pdftest::run(QStringLiteral("pdftotext"),
                                       {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    auto heightOf = [&](const QString& word) {
        const QRegularExpression re(
            QString::fromLatin1(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">)re") + word
            + QLatin1Char('<'));
        const auto m = re.match(boxes);
        return m.hasMatch() ? m.captured(2).toDouble() - m.captured(1).toDouble() : -1.0;
    };
    const double heading = heightOf(QStringLiteral("Heading"));
    const double small = heightOf(QStringLiteral("small"));
    ASSERT_GT(small, 0);
    EXPECT_NEAR(heading / small, 14.0 / 8.0, 0.15);

    const QString fonts = pdftest::fonts(pdf);
    EXPECT_TRUE(fonts.contains(QStringLiteral("Mono-Bold"))) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("Mono\\s")))) << fonts.toStdString();
}

TEST_F(PrinterTest, IgnoresFontSizesThatAreNotPositive)
{
    Printer printer(dialogs, Destination::pdf(pathOf("unused.pdf")));
    EXPECT_EQ(printer.fontSize(), 10.0);
    printer.setFontSize(12);
    for (double bad : {0.0, -3.0, std::nan("")})
        printer.setFontSize(bad);
    EXPECT_EQ(printer.fontSize(), 12.0);
}

TEST_F(PrinterTest, AFullPageGoesOnToTheNextWithoutLosingALine)
{
    QStringList expected;
    for (int i = 1; i <= 150; ++i)
        expected << QStringLiteral("Line %1").arg(i);
    const QString pdf = printToPdf([&](Printer& p) {
        for (const QString& line : expected)
            p.print(line);
    });
    const auto pages = pdftest::pages(pdf);
    EXPECT_GE(pages.size(), 3u);
    EXPECT_EQ(int(pages.size()), pdftest::pageCount(pdf));
    for (const QStringList& page : pages)
        EXPECT_FALSE(page.isEmpty() || page.first().isEmpty()) << "a page starts with a gap";
    EXPECT_LINES(pdf, expected);
}

TEST_F(PrinterTest, NewPageAndPrintedWidgetsStartFreshPages)
{
    QLabel chart("Chart");
    chart.resize(400, 300);
    const QString pdf = printToPdf([&](Printer& p) {
        p.print("Page one");
        p.newPage();
        p.print("Page two");
        p.printWidget(chart); // page three, alone
        p.printWidget(chart); // page four
        p.print("Page five");
    });
    const auto pages = pdftest::pages(pdf);
    ASSERT_EQ(pages.size(), 5u);
    // The widget's text stays text, on each of pages 3 and 4.
    const std::vector<std::string> texts = {"Page one", "Page two", "Chart", "Chart", "Page five"};
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(pdftest::joined(pages[i]), texts[i]) << "page " << i + 1;
}

TEST_F(PrinterTest, ALineWiderThanThePageWrapsWithoutLosingWords)
{
    QStringList words;
    for (int i = 0; i < 60; ++i)
        words << QStringLiteral("word%1").arg(i);
    const QString pdf = printToPdf([&](Printer& p) { p.print(words.join(' ')); });
    const QStringList printed = pdftest::lines(pdf);
    EXPECT_GT(printed.size(), 1);
    EXPECT_EQ(printed.join(' ').simplified(), words.join(' '));
}

TEST_F(PrinterTest, PrintsARichTextDocumentAsAJobOfItsOwn)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Plain start "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(Qt::blue);
    cursor.insertText(QStringLiteral("blue words"), bold);
    cursor.insertText(QStringLiteral(" then plain.\nSecond paragraph"), QTextCharFormat());

    const QString folder = pathOf("reports");
    Printer printer(dialogs, Destination::systemPrinter(folder, [] { return nullptr; }));
    printer.print("A text job left open");
    EXPECT_TRUE(printer.printDocument(document));

    // The open text job was finished first, into a file of its own.
    const QStringList files = pdfFilesInDir(folder);
    ASSERT_EQ(files.size(), 2);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    const QString documentPdf = printer.lastOutputPath();
    EXPECT_LINES(documentPdf,
                 QStringList{"Plain start blue words then plain.", "Second paragraph"});
    EXPECT_TRUE(pdftest::fonts(documentPdf).contains(QStringLiteral("-Bold")));
    const QString textPdf = QDir(folder).filePath(files[0]) == documentPdf
        ? QDir(folder).filePath(files[1]) : QDir(folder).filePath(files[0]);
    EXPECT_LINES(textPdf, QStringList{"A text job left open"});
}

TEST_F(PrinterTest, ALongDocumentRunsOverSeveralPages)
{
    QStringList paragraphs;
    for (int i = 1; i <= 120; ++i)
        paragraphs << QStringLiteral("Paragraph %1").arg(i);
    const QTextDocument document(paragraphs.join(QLatin1Char('\n')));
    const QString pdf = pathOf("long.pdf");
    Printer printer(dialogs, Destination::pdf(pdf));
    ASSERT_TRUE(printer.printDocument(document));
    EXPECT_GE(pdftest::pageCount(pdf), 2);
    EXPECT_LINES(pdf, paragraphs);
}

TEST_F(PrinterTest, AWorkingSystemPrinterGetsTheJobWithoutAMessage)
{
    // A PDF device stands in for the system printer.
    const QString device = pathOf("device.pdf");
    Printer printer(dialogs, Destination::systemPrinter(pathOf("fallback"), [device] {
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(device);
        return printer;
    }));
    printer.print("On paper");
    EXPECT_TRUE(printer.endDoc());
    EXPECT_TRUE(printer.lastOutputPath().isEmpty());
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_LINES(device, QStringList{"On paper"});
    EXPECT_TRUE(pdfFilesInDir(pathOf("fallback")).isEmpty());
}

TEST_F(PrinterTest, WithoutASystemPrinterWritesAFreshPdfAndSaysWhere)
{
    struct Case {
        const char* name;
        Destination::PrinterFactory openSystemPrinter;
    };
    const QString unreachable = pathOf("no such folder/printer.pdf");
    const Case cases[] = {
        {"the system has no printer", [] { return nullptr; }},
        {"the printer cannot be opened",
         [unreachable] {
             auto device = std::make_unique<QPrinter>();
             device->setOutputFormat(QPrinter::PdfFormat);
             device->setOutputFileName(unreachable);
             return device;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = pathOf(c.name);
        dialogs.clear();
        Printer printer(dialogs, Destination::systemPrinter(folder, c.openSystemPrinter));
        QStringList written;
        for (const char* report : {"First report", "Second report"}) {
            printer.print(report);
            ASSERT_TRUE(printer.endDoc());
            const QString path = printer.lastOutputPath();
            ASSERT_FALSE(path.isEmpty());
            EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(folder).absoluteFilePath());
            EXPECT_TRUE(path.endsWith(QStringLiteral(".pdf")));
            EXPECT_LINES(path, QStringList{report});
            ASSERT_FALSE(dialogs.shown().empty());
            const auto& told = dialogs.shown().back();
            EXPECT_TRUE(told.prompt.contains(QDir::toNativeSeparators(path)))
                << told.prompt.toStdString();
            EXPECT_EQ(told.buttons, platform::Buttons::Ok);
            written << path;
        }
        // Two jobs within the same second must not overwrite each other.
        EXPECT_NE(written[0], written[1]);
        EXPECT_LINES(written[0], QStringList{"First report"});
        EXPECT_EQ(dialogs.shown().size(), 2u);
        EXPECT_FALSE(QFileInfo::exists(unreachable));
    }
}

TEST_F(PrinterTest, AFailureIsReportedAndNeverPassedOffAsDone)
{
    // A regular file where a folder is expected: nothing can be created inside.
    const QString blocker = pathOf("blocker");
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString missingFolderPdf = pathOf("missing/out.pdf");
    struct Case {
        const char* name;
        Destination destination;
        Steps steps;
        QString namedPath; // the message must name it
    };
    const Case cases[] = {
        {"PDF file in a folder that does not exist", Destination::pdf(missingFolderPdf),
         [](Printer& p) { p.print("Lost"); p.print("Also lost"); }, missingFolderPdf},
        {"no printer and no folder for the PDF",
         Destination::systemPrinter(blocker + "/sub", [] { return nullptr; }),
         [](Printer& p) { p.print("Lost"); }, blocker + "/sub"},
        {"a new page on an unwritable file", Destination::pdf(missingFolderPdf),
         [](Printer& p) { p.newPage(); p.print("Lost"); }, missingFolderPdf},
        {"an empty picture", Destination::pdf(pathOf("picture.pdf")),
         [](Printer& p) {
             QWidget empty;
             empty.resize(0, 0);
             p.printWidget(empty);
         }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.clear();
        Printer printer(dialogs, c.destination);
        c.steps(printer);
        EXPECT_FALSE(printer.endDoc());
        ASSERT_EQ(dialogs.shown().size(), 1u) << "told once, however much was printed";
        EXPECT_EQ(dialogs.shown()[0].icon, platform::Icon::Critical);
        if (!c.namedPath.isEmpty()) {
            EXPECT_TRUE(dialogs.shown()[0].prompt.contains(QDir::toNativeSeparators(c.namedPath)))
                << dialogs.shown()[0].prompt.toStdString();
        }
        EXPECT_TRUE(printer.lastOutputPath().isEmpty());
        EXPECT_TRUE(printer.endDoc()) << "the failed job is over; nothing is left to finish";
    }
    EXPECT_FALSE(QFileInfo::exists(pathOf("picture.pdf"))) << "a failed job leaves no file";
}

TEST_F(PrinterTest, ARichTextDocumentThatCannotBePrintedIsReported)
{
    QTextDocument document(QStringLiteral("Instructions"));
    Printer printer(dialogs, Destination::pdf(pathOf("missing/doc.pdf")));
    EXPECT_FALSE(printer.printDocument(document));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].icon, platform::Icon::Critical);
}

TEST_F(PrinterTest, NothingPrintedMeansNoJobAndNoMessage)
{
    const QString folder = pathOf("quiet");
    Printer printer(dialogs, Destination::systemPrinter(folder, [] { return nullptr; }));
    printer.setFontSize(14);
    printer.setFontBold(true);
    EXPECT_TRUE(printer.endDoc());
    EXPECT_TRUE(printer.lastOutputPath().isEmpty());
    EXPECT_TRUE(pdfFilesInDir(folder).isEmpty());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PrinterTest, AJobLeftOpenIsSentWhenThePrinterGoes)
{
    const QString pdf = pathOf("left-open.pdf");
    {
        Printer printer(dialogs, Destination::pdf(pdf));
        printer.print("Never ended");
    }
    EXPECT_LINES(pdf, QStringList{"Never ended"});
}

} // namespace

namespace {

TEST_F(PrinterTest, SeveralDocumentsGoOutAsOneJobWithOneMessage)
{
    const QString folder = pathOf("together");
    Printer printer(dialogs, Destination::systemPrinter(folder, [] { return nullptr; }));
    QTextDocument first(QStringLiteral("First page text"));
    QTextDocument second(QStringLiteral("Second page text"));
    printer.addDocument(first);
    printer.addDocument(second);
    ASSERT_TRUE(printer.endDoc());
    const QString pdf = printer.lastOutputPath();
    EXPECT_EQ(pdftest::pageCount(pdf), 2);  // each document from a fresh page
    const QString text = pdftest::text(pdf);
    EXPECT_LT(text.indexOf("First page text"), text.indexOf("Second page text"));
    EXPECT_EQ(pdfFilesInDir(folder).size(), 1);
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

} // namespace
