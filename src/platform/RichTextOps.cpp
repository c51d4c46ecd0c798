#include "platform/RichTextOps.h"

#include "platform/Printer.h"

#include <QColor>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace platform::richtext {

QFont defaultFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10.5);
    return font;
}

void setUp(QTextEdit& box)
{
    box.setFont(defaultFont());
    box.document()->setDefaultFont(defaultFont());
}

void replaceText(QTextEdit& box, const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r"));
    QString plain = text;
    plain.replace(lineBreak, QStringLiteral("\n"));
    // QTextEdit::setPlainText would give the new text the format at the old
    // caret, so a caret left in bold text would make the whole page bold.
    box.document()->setPlainText(plain);
    box.setCurrentCharFormat(QTextCharFormat());
    setSelectionStart(box, 0);
}

void setSelectionStart(QTextEdit& box, int position)
{
    QTextCursor cursor = box.textCursor();
    const int end = box.document()->characterCount() - 1;
    cursor.setPosition(std::clamp(position, 0, std::max(end, 0)));
    box.setTextCursor(cursor);
}

int selectionStart(const QTextEdit& box)
{
    return box.textCursor().selectionStart();
}

int selectionLength(const QTextEdit& box)
{
    const QTextCursor cursor = box.textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

QString selectedText(const QTextEdit& box)
{
    return box.textCursor().selectedText();
}

int find(QTextEdit& box, const QString& word)
{
    if (word.isEmpty())
        return -1;
    // The plain text has one character per document position, paragraph
    // ends included, so an index into it is a document position.
    const int at = box.document()->toPlainText().indexOf(word, selectionStart(box),
                                                         Qt::CaseSensitive);
    if (at < 0)
        return -1;
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(at);
    cursor.setPosition(at + int(word.size()), QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    return at;
}

void setSelectionBold(QTextEdit& box, bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    box.mergeCurrentCharFormat(format);
}

void setSelectionItalic(QTextEdit& box, bool italic)
{
    QTextCharFormat format;
    format.setFontItalic(italic);
    box.mergeCurrentCharFormat(format);
}

void setSelectionColor(QTextEdit& box, const QColor& color)
{
    QTextCharFormat format;
    format.setForeground(color);
    box.mergeCurrentCharFormat(format);
}

QTextCharFormat charFormatAt(const QTextEdit& box, int position)
{
    const QTextBlock block = box.document()->findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().contains(position))
            return it.fragment().charFormat();
    }
    return block.charFormat();
}

bool print(const QTextEdit& box, Printer& printer)
{
    return printer.printDocument(*box.document());
}

} // namespace platform::richtext
