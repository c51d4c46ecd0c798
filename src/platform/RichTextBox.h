#pragma once
// A rich-text box: a text with bold, italic and coloured runs, which can find
// words, and print its whole content with its formatting.

#include "platform/Control.h"

#include <QTextCharFormat>

class QTextEdit;

namespace platform {

class Printer;

class RichTextBox : public Control {
public:
    RichTextBox(Form& f, QString name) : Control(f, std::move(name), ControlKind::RichTextBox) {}

    // Replaces the whole text (lines separated by CR LF); earlier formatting goes.
    void setText(const QString& text);
    QString text();
    void setSelStart(int position);
    int selStart();
    int selLength();
    QString selText();
    // Selects the first occurrence of the word at or after the selection
    // start; returns its position, or -1 when there is none.
    int find(const QString& word);
    void setSelBold(bool bold);
    void setSelItalic(bool italic);
    void setSelColor(const QColor& colour);
    QTextCharFormat charFormatAt(int position);
    // Prints the whole content; false when the print did not happen.
    bool print(Printer& printer);
    // Adds the whole content to the printer's job under way, from a fresh page.
    void addToPrint(Printer& printer);

    bool canHoldFocus() const override { return true; }

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    QTextEdit* edit();
};

} // namespace platform
