#pragma once
// The operations of a rich-text box on a QTextEdit: replace the text, place
// the caret, find a word, emphasise the selection, print.
//
// Positions are those of the QTextDocument: a line break between paragraphs
// counts as one character.

#include <QString>
#include <QTextCharFormat>

class QColor;
class QTextEdit;

namespace platform {

class Printer;

namespace richtext {

// The box's font: Arial 10.5 pt (Liberation Sans where Arial is missing).
QFont defaultFont();
// Gives the box its default font; call once when the box is made.
void setUp(QTextEdit& box);

// Replaces the whole text. CR LF, a lone CR or a lone LF separates lines,
// each line becomes a paragraph. No formatting of the old text survives, not
// even for text typed afterwards; the caret goes to the start.
void replaceText(QTextEdit& box, const QString& text);

// Puts the caret at position, clamped to the text, with nothing selected.
void setSelectionStart(QTextEdit& box, int position);
int selectionStart(const QTextEdit& box);
int selectionLength(const QTextEdit& box);
QString selectedText(const QTextEdit& box);

// Selects the first occurrence of word (exact text, case-sensitive) that
// starts at or after the selection start and returns its position; -1 and the
// selection unchanged when there is none (or word is empty).
int find(QTextEdit& box, const QString& word);

// Emphasis of the selection; without a selection, of the text typed next.
void setSelectionBold(QTextEdit& box, bool bold);
void setSelectionItalic(QTextEdit& box, bool italic);
void setSelectionColor(QTextEdit& box, const QColor& color);

// The format of the character at position (a paragraph end has its
// paragraph's format).
QTextCharFormat charFormatAt(const QTextEdit& box, int position);

// Prints the whole text with its formatting, whatever is selected, as a job
// of its own. False when printing failed; the user has been told.
bool print(const QTextEdit& box, Printer& printer);

} // namespace richtext
} // namespace platform
