#include "platform/Printer.h"

#include "platform/Dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextBlock>
#include <QTextLayout>
#include <QWidget>

#include <cmath>

namespace platform {

namespace {

// The program never sets a face of its own, only size and weight. Its reports
// line their columns up with counted blanks, which only a monospaced face
// keeps; narrowed, so that their longest lines (about a hundred characters at
// 10 points) still fit across the page.
QFont textFont(double points, bool bold)
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setStretch(80);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Files we write have no printer driver to impose an unprintable border, so
// give them the margin a typical printer would.
constexpr double pdfMarginMm = 12.7;
// Dots per inch of a PDF file, as a printer at its high resolution.
constexpr int kPdfResolution = 1200;

std::unique_ptr<QPrinter> openDefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

QString tr(const char* text)
{
    return QCoreApplication::translate("platform::Printer", text);
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A name that no file has yet; the file is created empty at once so that a
// second job in the same second cannot take it too. Empty when every
// candidate is taken.
QString freshPdfPath(const QString& folder, const QString& baseName)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    QDir().mkpath(dir);
    const QString stem = baseName + QLatin1Char(' ')
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? stem + QStringLiteral(".pdf")
                                    : QStringLiteral("%1 (%2).pdf").arg(stem).arg(n);
        const QString path = QDir(dir).filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!file.exists())
            return path; // cannot be created: opening it will fail and say so
    }
    return {};
}

QString defaultBaseName()
{
    const QString app = QGuiApplication::applicationDisplayName();
    return app.isEmpty() ? QStringLiteral("Report") : app + QStringLiteral(" report");
}

} // namespace

Destination Destination::systemPrinter(QString fallbackFolder, PrinterFactory openSystemPrinter)
{
    Destination d;
    d.fallbackFolder = std::move(fallbackFolder);
    d.openSystemPrinter = std::move(openSystemPrinter);
    return d;
}

Destination Destination::pdf(QString path)
{
    Destination d;
    d.toPdfFile = true;
    d.pdfPath = std::move(path);
    return d;
}

struct Printer::Job {
    // A PDF file is written by a PDF writer rather than a printer set to PDF:
    // a form printed on it keeps its texts as text, where a printer gets a
    // picture of them.
    std::unique_ptr<QPagedPaintDevice> device;
    QPainter painter; // declared after device: it must end before the device goes
    QString printerName; // of the system printer the job goes to
    QString pdfPath; // empty when the job goes to a printer
    bool fileTouched = false; // we created or truncated pdfPath
    bool fallback = false; // written as a PDF because no printer could be used
    QString unusablePrinter; // the printer that failed to open, for the message
    bool failed = false;
    QRectF page; // printable area in device pixels
    double y = 0; // where the next line goes, from the top of the printable area
};

Printer::Printer(Dialogs& dialogs, Destination destination)
    : dialogs_(dialogs), destination_(std::move(destination))
{
}

// A job left open when the program ends is still sent.
Printer::~Printer()
{
    if (job_)
        endDoc();
}

void Printer::setFontSize(double points)
{
    if (std::isfinite(points) && points > 0)
        fontSize_ = points;
}

void Printer::setFontBold(bool bold)
{
    fontBold_ = bold;
}

Printer::Job* Printer::activeJob()
{
    if (!job_ && !openJob())
        return nullptr;
    return job_->failed ? nullptr : job_.get();
}

bool Printer::openPdf(Job& job, const QString& path)
{
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setResolution(kPdfResolution);
    writer->setPageSize(QPageSize(QPageSize::A4));
    writer->setPageMargins(QMarginsF(pdfMarginMm, pdfMarginMm, pdfMarginMm, pdfMarginMm), QPageLayout::Millimeter);
    job.device = std::move(writer);
    job.pdfPath = path;
    if (!job.painter.begin(job.device.get()))
        return false;
    job.fileTouched = true;
    return true;
}

bool Printer::openJob()
{
    job_ = std::make_unique<Job>();
    Job& job = *job_;
    bool opened = false;
    if (destination_.toPdfFile) {
        opened = openPdf(job, destination_.pdfPath);
        if (!opened)
            fail(tr("The document could not be printed: the file %1 could not be written.")
                     .arg(shown(destination_.pdfPath)));
    } else {
        const auto& openSystem = destination_.openSystemPrinter ? destination_.openSystemPrinter
                                                                : openDefaultPrinter;
        if (std::unique_ptr<QPrinter> device = openSystem()) {
            job.printerName = device->printerName();
            job.device = std::move(device);
            opened = job.painter.begin(job.device.get());
            if (!opened) {
                job.unusablePrinter = job.printerName;
                job.device.reset();
            }
        }
        if (!opened) {
            job.fallback = true;
            const QString base = destination_.fallbackBaseName.isEmpty()
                ? defaultBaseName() : destination_.fallbackBaseName;
            const QString path = freshPdfPath(destination_.fallbackFolder, base);
            job.fileTouched = !path.isEmpty() && QFileInfo::exists(path);
            opened = !path.isEmpty() && openPdf(job, path);
            if (!opened)
                fail(tr("No printer is available, and the document could not be saved as a "
                        "PDF file either:\n%1")
                         .arg(path.isEmpty() ? shown(destination_.fallbackFolder) : shown(path)));
        }
    }
    if (opened) {
        job.page = QRectF(0, 0, job.device->width(), job.device->height());
        job.painter.setPen(Qt::black);
        job.painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    return opened;
}

// Ends the failed job's output and tells the user; later output of the same
// job is dropped, and its endDoc() answers false.
void Printer::fail(const QString& message)
{
    Job& job = *job_;
    job.failed = true;
    if (job.painter.isActive())
        job.painter.end();
    if (job.fileTouched)
        QFile::remove(job.pdfPath);
    dialogs_.msgBox(message, Buttons::Ok, Icon::Critical);
}

void Printer::breakPage(Job& job)
{
    if (!job.device->newPage()) {
        fail(tr("The document could not be printed: the printer could not start a new page."));
        return;
    }
    job.y = 0;
}

void Printer::printLine(Job& job, const QString& line)
{
    const QFont font = textFont(fontSize_, fontBold_);
    const double spacing = QFontMetricsF(font, job.device.get()).lineSpacing();
    // Never break before the first line of a page, or a line taller than the
    // page would break pages forever.
    auto makeRoom = [&] {
        if (job.y > 0 && job.y + spacing > job.page.height())
            breakPage(job);
        return !job.failed;
    };
    if (line.isEmpty()) {
        if (makeRoom())
            job.y += spacing;
        return;
    }
    QTextLayout layout(line, font, job.device.get());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine())
        l.setLineWidth(job.page.width());
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        if (!makeRoom())
            return;
        const QTextLine l = layout.lineAt(i);
        l.draw(&job.painter, QPointF(job.page.left(), job.page.top() + job.y - l.y()));
        job.y += spacing;
    }
}

void Printer::print(const QString& text)
{
    Job* job = activeJob();
    if (!job)
        return;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : text.split(lineBreak)) {
        printLine(*job, line);
        if (job->failed)
            return;
    }
}

void Printer::newPage()
{
    if (Job* job = activeJob())
        breakPage(*job);
}

void Printer::printWidget(QWidget& widget)
{
    Job* job = activeJob();
    if (!job)
        return;
    const QSize bounds = widget.size();
    if (bounds.isEmpty()) {
        fail(tr("The document could not be printed: the picture to print is empty."));
        return;
    }
    if (job->y > 0) {
        breakPage(*job);
        if (job->failed)
            return;
    }
    const QSizeF size = QSizeF(bounds).scaled(job->page.size(), Qt::KeepAspectRatio);
    job->painter.save();
    job->painter.translate(job->page.left() + (job->page.width() - size.width()) / 2, job->page.top());
    job->painter.scale(size.width() / bounds.width(), size.height() / bounds.height());
    widget.render(&job->painter);
    job->painter.restore();
    job->y = job->page.height(); // the page is the widget's alone
}

namespace {
// The top and bottom of every line of a laid-out document.
std::vector<std::pair<double, double>> lineExtents(QTextDocument& document)
{
    std::vector<std::pair<double, double>> lines;
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* text = block.layout();
        if (!text)
            continue;
        const double blockTop = layout->blockBoundingRect(block).top();
        for (int i = 0; i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            lines.emplace_back(blockTop + line.y(), blockTop + line.y() + line.height());
        }
    }
    return lines;
}

// Where the sheet that starts at top ends: a page height further down, or
// higher up where a line would otherwise be cut in two (unless that line
// alone is taller than a sheet).
double sheetEnd(double top, double pageHeight, const std::vector<std::pair<double, double>>& lines)
{
    double end = top + pageHeight;
    for (const auto& [lineTop, lineBottom] : lines)
        if (lineTop > top && lineTop < end && lineBottom > end)
            end = lineTop;
    return end;
}
} // namespace

void Printer::drawDocument(Job& job, const QTextDocument& document)
{
    // Lay out a copy for the printer's resolution and page width, leaving the
    // document on screen as it is, and cut it into sheets between lines.
    std::unique_ptr<QTextDocument> copy(document.clone());
    QAbstractTextDocumentLayout* layout = copy->documentLayout();
    layout->setPaintDevice(job.device.get());
    copy->setTextWidth(job.page.width());
    const double height = job.page.height();
    const double total = layout->documentSize().height();
    const std::vector<std::pair<double, double>> lines = lineExtents(*copy);
    for (double top = 0; top < total;) {
        if (top > 0 || job.y > 0) {
            breakPage(job);
            if (job.failed)
                return;
        }
        const double end = sheetEnd(top, height, lines);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, Qt::black);
        const QRectF sheet(0, top, job.page.width(), end - top);
        // Lines that only touch the sheet's edges belong to the sheets beside it.
        context.clip = sheet.adjusted(0, 1, 0, -1);
        job.painter.save();
        job.painter.translate(job.page.left(), job.page.top() - top);
        job.painter.setClipRect(sheet);
        layout->draw(&job.painter, context);
        job.painter.restore();
        top = end;
    }
    job.y = height;
}

bool Printer::printDocument(const QTextDocument& document)
{
    if (job_)
        endDoc();
    addDocument(document);
    return endDoc();
}

void Printer::addDocument(const QTextDocument& document)
{
    if (Job* job = activeJob())
        drawDocument(*job, document);
}

bool Printer::endDoc()
{
    if (!job_)
        return true;
    if (job_->failed) {
        job_.reset();
        return false;
    }
    bool done = job_->painter.end();
    if (done && !job_->pdfPath.isEmpty())
        done = QFileInfo(job_->pdfPath).size() > 0;
    if (!done) {
        fail(job_->pdfPath.isEmpty()
                 ? tr("The document could not be printed on the printer \"%1\".")
                       .arg(job_->printerName)
                 : tr("The document could not be saved as a PDF file:\n%1")
                       .arg(shown(job_->pdfPath)));
        job_.reset();
        return false;
    }
    const std::unique_ptr<Job> job = std::move(job_);
    lastOutputPath_ = job->pdfPath;
    if (job->fallback) {
        const QString where = shown(job->pdfPath);
        dialogs_.msgBox(job->unusablePrinter.isEmpty()
                            ? tr("No printer is available, so the document was saved as a "
                                 "PDF file:\n%1").arg(where)
                            : tr("The printer \"%1\" could not be used, so the document was "
                                 "saved as a PDF file:\n%2").arg(job->unusablePrinter, where),
                        Buttons::Ok, Icon::Information);
    }
    return true;
}

} // namespace platform
