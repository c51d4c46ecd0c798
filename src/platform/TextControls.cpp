#include "platform/TextControls.h"

#include <QLabel>
#include <QLineEdit>
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
    if (widget())
        static_cast<QLabel*>(widget())->setText(c);
}

// --- TextBox -------------------------------------------------------------------------

QWidget* TextBox::createWidget(QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setAlignment(designAlign_);
    QObject::connect(e, &QLineEdit::textChanged, e, [this](const QString& t) {
        if (t == text_)
            return;
        text_ = t;
        if (Change)
            Change();
    });
    return e;
}

void TextBox::resetState()
{
    text_ = designText_;
    locked_ = designLocked_;
    selStart_ = selLength_ = 0;
}

void TextBox::applyState()
{
    auto* e = static_cast<QLineEdit*>(widget());
    QSignalBlocker block(e);
    e->setText(text_);
    e->setReadOnly(locked_);
    e->setCursorPosition(0);
}

QString TextBox::text() { ensureLoaded(); return text_; }

void TextBox::setText(const QString& t)
{
    ensureLoaded();
    const bool changed = t != text_;
    text_ = t;
    if (auto* e = static_cast<QLineEdit*>(widget())) {
        QSignalBlocker block(e);
        e->setText(t);
    }
    if (changed && Change)
        Change();
}

int TextBox::selStart()
{
    ensureLoaded();
    auto* e = static_cast<QLineEdit*>(widget());
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

int TextBox::selLength()
{
    ensureLoaded();
    return int(static_cast<QLineEdit*>(widget())->selectedText().size());
}

void TextBox::setSelStart(int s)
{
    ensureLoaded();
    auto* e = static_cast<QLineEdit*>(widget());
    e->setCursorPosition(std::clamp(s, 0, int(e->text().size())));
}

void TextBox::setSelLength(int n)
{
    ensureLoaded();
    auto* e = static_cast<QLineEdit*>(widget());
    const int start = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    e->setSelection(start, std::clamp(n, 0, int(e->text().size()) - start));
}

void TextBox::selectAll()
{
    ensureLoaded();
    static_cast<QLineEdit*>(widget())->selectAll();
}

bool TextBox::locked() { ensureLoaded(); return locked_; }

void TextBox::setLocked(bool l)
{
    ensureLoaded();
    locked_ = l;
    static_cast<QLineEdit*>(widget())->setReadOnly(l);
}

} // namespace platform
