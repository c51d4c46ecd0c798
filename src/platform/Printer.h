#pragma once
// The program's printer: lines of text in a font size and weight, page
// breaks, end of document, a window's image and a rich-text document.
//
// A job starts with the first output and ends with endDoc(). It goes to the
// system's default printer; where there is none (or it cannot be opened) the
// job is written as a PDF file and the user is told where. A failure is always
// reported to the user and endDoc() returns false: a print must never look
// done when it was not. A job still open when the program ends is sent, not
// dropped: ending the program calls endDoc() before anything else, and
// destroying the printer ends it too.

#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QTextDocument;
class QWidget;

namespace platform {

class Dialogs;

// Where a job goes.
struct Destination {
    // Opens the system printer, or returns null when the system has none.
    using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;

    // The system's default printer. Without one, a PDF file with a fresh name
    // in fallbackFolder (empty: the user's documents folder), and a message
    // telling its path. openSystemPrinter empty: the real default printer.
    static Destination systemPrinter(QString fallbackFolder = {},
                                     PrinterFactory openSystemPrinter = {});
    // A PDF file at exactly this path (overwritten), with no message on success.
    static Destination pdf(QString path);

    bool toPdfFile = false;
    QString pdfPath;
    QString fallbackFolder;
    // Start of the fallback file's name; empty: the application's display name
    // followed by " report".
    QString fallbackBaseName;
    PrinterFactory openSystemPrinter;
};

class Printer {
public:
    // dialogs must outlive the printer: an unfinished job is ended on destruction.
    explicit Printer(Dialogs& dialogs, Destination destination = Destination::systemPrinter());
    virtual ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Applies to the text printed from now on. A size that is not a positive
    // number is ignored.
    virtual void setFontSize(double points);
    virtual void setFontBold(bool bold);
    double fontSize() const { return fontSize_; }
    bool fontBold() const { return fontBold_; }

    // Prints the text and ends the line. CR LF (or a lone CR or LF) starts a new
    // line, so a text ending in a line break is followed by an empty line; an
    // empty text prints an empty line. A line too long for the page is wrapped
    // at a word boundary (anywhere when a word alone is too long) and continues
    // at the left margin. A full page goes on to the next one.
    virtual void print(const QString& text);
    // Ends the page; the next output goes on a new page.
    virtual void newPage();
    // Finishes the job and sends it. True when there was nothing to finish or
    // the job was delivered; false when it failed (the user has been told).
    virtual bool endDoc();

    // Prints what the widget shows, alone on a page, scaled to the printable
    // area keeping its aspect, its texts as text; the next output starts a
    // new page.
    virtual void printWidget(QWidget& widget);
    // Finishes any open job, then prints the document with its formatting as
    // a job of its own. Returns what endDoc() would.
    virtual bool printDocument(const QTextDocument& document);
    // Adds a rich-text document to the job under way, from a fresh page, so
    // that several documents go out as one job (ended by endDoc()).
    virtual void addDocument(const QTextDocument& document);

    // The PDF file that the last delivered job was written to; empty when it
    // went to a printer or nothing was delivered yet.
    QString lastOutputPath() const { return lastOutputPath_; }

private:
    struct Job;

    Job* activeJob();
    bool openJob();
    bool openPdf(Job& job, const QString& path);
    void fail(const QString& message);
    void breakPage(Job& job);
    void printLine(Job& job, const QString& line);
    void drawDocument(Job& job, const QTextDocument& document);

    Dialogs& dialogs_;
    Destination destination_;
    double fontSize_ = 10.0;
    bool fontBold_ = false;
    std::unique_ptr<Job> job_;
    QString lastOutputPath_;
};

} // namespace platform
