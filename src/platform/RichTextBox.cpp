#include "platform/RichTextBox.h"

#include "platform/Printer.h"
#include "platform/RichTextOps.h"

#include <QTextEdit>

namespace platform {

QWidget* RichTextBox::createWidget(QWidget* parent)
{
    auto* e = new QTextEdit(parent);
    richtext::setUp(*e);
    e->setAcceptRichText(false);
    return e;
}

QTextEdit* RichTextBox::edit()
{
    ensureLoaded();
    return static_cast<QTextEdit*>(widget());
}

void RichTextBox::setText(const QString& text) { richtext::replaceText(*edit(), text); }

QString RichTextBox::text()
{
    QString t = edit()->toPlainText();
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t;
}

void RichTextBox::setSelStart(int position) { richtext::setSelectionStart(*edit(), position); }
int RichTextBox::selStart() { return richtext::selectionStart(*edit()); }
int RichTextBox::selLength() { return richtext::selectionLength(*edit()); }
QString RichTextBox::selText() { return richtext::selectedText(*edit()); }
int RichTextBox::find(const QString& word) { return richtext::find(*edit(), word); }
void RichTextBox::setSelBold(bool bold) { richtext::setSelectionBold(*edit(), bold); }
void RichTextBox::setSelItalic(bool italic) { richtext::setSelectionItalic(*edit(), italic); }
void RichTextBox::setSelColor(const QColor& colour) { richtext::setSelectionColor(*edit(), colour); }
QTextCharFormat RichTextBox::charFormatAt(int position) { return richtext::charFormatAt(*edit(), position); }
bool RichTextBox::print(Printer& printer) { return richtext::print(*edit(), printer); }
void RichTextBox::addToPrint(Printer& printer) { printer.addDocument(*edit()->document()); }

} // namespace platform
