#pragma once
// Reading printed PDF files back as text, with poppler's command-line tools,
// so tests can check what reached the paper.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pdftest {

inline QString run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed on " << arguments.join(' ').toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString text(const QString& pdf)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// The lines of each page with runs of blanks made single (in a proportional
// font, blanks come back as an unreliable number of blanks), without the empty lines that
// pdftotext puts after a page's last line.
inline std::vector<QStringList> pages(const QString& pdf)
{
    QStringList pageTexts = text(pdf).split(QLatin1Char('\f'));
    if (!pageTexts.isEmpty() && pageTexts.last().trimmed().isEmpty())
        pageTexts.removeLast();
    std::vector<QStringList> result;
    for (const QString& page : pageTexts) {
        QStringList lines;
        for (const QString& line : page.split(QLatin1Char('\n')))
            lines << line.simplified();
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        result.push_back(lines);
    }
    return result;
}

inline QStringList lines(const QString& pdf)
{
    QStringList all;
    for (const QStringList& page : pages(pdf))
        all << page;
    return all;
}

inline int pageCount(const QString& pdf)
{
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(run(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

inline std::string joined(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n')).toStdString();
}

inline QString fonts(const QString& pdf)
{
    return run(QStringLiteral("pdffonts"), {pdf});
}

} // namespace pdftest
