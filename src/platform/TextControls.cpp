#include "platform/TextControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QSignalBlocker>
#include <algorithm>

namespace platform {

// --- Label ---------------------------------------------------------------------------

QWidget* Label::createWidget(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(designAlign_);
    if (designBorder_)
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
    if (designTransparent_)
        l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

void Label::applyState() { static_cast<QLabel*>(widget())->setText(caption_); }
QString Label::caption() { ensureLoaded(); return caption_; }

void Label::setCaption(const QString& c)
{
    ensureLoaded();
    caption_ = c;
    if (auto* l = static_cast<QLabel*>(widget()))
        l->setText(c);
}

// --- TextBox -------------------------------------------------------------------------

// A single-line box is a QLineEdit, a multi-line one a QPlainTextEdit that
// wraps at word boundaries; selections are counted in characters in both.
namespace {
QLineEdit* lineEdit(QWidget* w) { return qobject_cast<QLineEdit*>(w); }
QPlainTextEdit* textEdit(QWidget* w) { return qobject_cast<QPlainTextEdit*>(w); }

void showText(QWidget* w, const QString& t)
{
    QSignalBlocker block(w);
    if (auto* e = lineEdit(w))
        e->setText(t);
    else if (auto* m = textEdit(w))
        m->setPlainText(t);
}

// The selection as (anchor, position); equal when nothing is selected.
std::pair<int, int> selection(QWidget* w)
{
    if (auto* e = lineEdit(w)) {
        if (!e->hasSelectedText())
            return {e->cursorPosition(), e->cursorPosition()};
        return {e->selectionStart(), e->selectionStart() + int(e->selectedText().size())};
    }
    if (auto* m = textEdit(w)) {
        const QTextCursor c = m->textCursor();
        return {c.selectionStart(), c.selectionEnd()};
    }
    return {0, 0};
}

void select(QWidget* w, int start, int length)
{
    if (auto* e = lineEdit(w)) {
        if (length > 0)
            e->setSelection(start, length);
        else
            e->setCursorPosition(start);
    } else if (auto* m = textEdit(w)) {
        QTextCursor c = m->textCursor();
        c.setPosition(start);
        c.setPosition(start + length, QTextCursor::KeepAnchor);
        m->setTextCursor(c);
    }
}
} // namespace

QWidget* TextBox::createWidget(QWidget* parent)
{
    if (multiLine_) {
        auto* m = new QPlainTextEdit(parent);
        m->setWordWrapMode(QTextOption::WordWrap);
        m->document()->setDefaultTextOption(QTextOption(designAlign_));
        QObject::connect(m, &QPlainTextEdit::textChanged, m, [this, m] { edited(m->toPlainText()); });
        return m;
    }
    auto* e = new QLineEdit(parent);
    e->setAlignment(designAlign_);
    QObject::connect(e, &QLineEdit::textChanged, e, [this](const QString& t) { edited(t); });
    return e;
}

void TextBox::edited(const QString& t)
{
    if (t == text_)
        return;
    text_ = t;
    if (Change)
        Change();
}

void TextBox::resetState()
{
    text_ = designText_;
    locked_ = designLocked_;
}

void TextBox::applyState()
{
    showText(widget(), text_);
    setLocked(locked_);
    select(widget(), 0, 0);
}

QString TextBox::text() { ensureLoaded(); return text_; }

void TextBox::setText(const QString& t)
{
    ensureLoaded();
    const bool changed = t != text_;
    text_ = t;
    showText(widget(), t);
    if (changed && Change)
        Change();
}

int TextBox::selStart()
{
    ensureLoaded();
    return selection(widget()).first;
}

int TextBox::selLength()
{
    ensureLoaded();
    const auto [start, end] = selection(widget());
    return end - start;
}

void TextBox::setSelStart(int s)
{
    ensureLoaded();
    select(widget(), std::clamp(s, 0, int(text_.size())), 0);
}

void TextBox::setSelLength(int n)
{
    ensureLoaded();
    const int start = selection(widget()).first;
    select(widget(), start, std::clamp(n, 0, int(text_.size()) - start));
}

void TextBox::selectAll()
{
    ensureLoaded();
    select(widget(), 0, int(text_.size()));
}

bool TextBox::locked() { ensureLoaded(); return locked_; }

void TextBox::setLocked(bool l)
{
    ensureLoaded();
    locked_ = l;
    if (auto* e = lineEdit(widget()))
        e->setReadOnly(l);
    else if (auto* m = textEdit(widget()))
        m->setReadOnly(l);
}

} // namespace platform
