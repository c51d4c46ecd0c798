#pragma once
// Labels and text boxes.

#include "platform/ControlBase.h"

#include <vector>

namespace platform {

// A control that fits its text to its box (a label, a one-line text box).
// The cells of a column (controls of one kind, container and font whose
// boxes share their left edge and size) share the lettering the most
// crowded of them needs, whatever each shows and whether it is enabled.
class FittedTextControl : public Control {
protected:
    using Control::Control;
    // The font the control's own fit gave, before its column shared one.
    std::optional<QFont> fitFont_;

private:
    friend class Form;
    // Once the form has fitted these controls: each one's column shares the
    // lettering of its most crowded cell (set once, here), and each row of
    // labels they stand in, and that of every label relettered, stands on
    // one baseline again.
    static void lineUp(Form& form, const std::vector<FittedTextControl*>& fitted);
};

// A label: a caption that wraps at word boundaries. A caption never shows
// cut: where it does not fit the label's box at the label's font, it is
// fitted as fitText() fits every text, growing into the free space around
// the box and never lettered below the floor. Nothing is elided. A table's
// column shares one lettering, and the top-aligned captions of a row (boxes
// of one top and height) stand on one baseline, their own font's as far as
// their boxes allow: a figure lettered smaller does not rise above its
// neighbours.
class Label : public FittedTextControl {
public:
    Label(Form& f, QString name) : FittedTextControl(f, std::move(name), ControlKind::Label) {}
    void designCaption(const QString& c) { designCaption_ = c; }
    void designAlignment(Qt::Alignment a) { designAlign_ = a; }
    void designTransparent(bool t = true) { designTransparent_ = t; }
    void designBorder(bool b = true) { designBorder_ = b; }
    QString caption();
    void setCaption(const QString& c);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resetState() override
    {
        caption_ = designCaption_;
        fitFont_.reset();
    }
    void applyState() override;
    bool fitsText() const override { return true; }
    void fitContent() override;
    bool growsToFit(Qt::Orientation) const override { return true; }

private:
    QString designCaption_, caption_;
    Qt::Alignment designAlign_ = Qt::AlignLeft | Qt::AlignTop;
    bool designTransparent_ = false;
    bool designBorder_ = false;
};

// A text box: one line, or with designMultiLine() several lines that wrap.
// A one-line box whose text is wider than the box is fitted as a label is
// (smaller, then wider into the free space beside it, never below the
// floor), so a figure shows whole; a text too long even for that scrolls.
// A column of one-line boxes shares one lettering, as a column of labels does.
class TextBox : public FittedTextControl {
public:
    TextBox(Form& f, QString name) : FittedTextControl(f, std::move(name), ControlKind::TextBox) {}
    void designText(const QString& t) { designText_ = t; }
    void designAlignment(Qt::Alignment a) { designAlign_ = a; }
    void designLocked(bool l = true) { designLocked_ = l; }
    void designMultiLine(bool m = true) { multiLine_ = m; }
    QString text();
    void setText(const QString& t);
    // Whether the user has typed or pasted into the box since the program
    // last wrote its text (typing the very text it showed counts too).
    bool userEdited();
    int selStart();
    int selLength();
    void setSelStart(int s);
    void setSelLength(int n);
    void selectAll();
    bool locked();
    void setLocked(bool l);
    bool canHoldFocus() const override { return true; }

    std::function<void()> Change;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resetState() override;
    void applyState() override;
    bool fitsText() const override { return !multiLine_; }
    void fitContent() override;
    bool growsToFit(Qt::Orientation direction) const override { return !multiLine_ && direction == Qt::Horizontal; }

private:
    void edited(const QString& t);
    QString designText_, text_;
    Qt::Alignment designAlign_ = Qt::AlignLeft | Qt::AlignVCenter;
    bool designLocked_ = false, locked_ = false;
    bool multiLine_ = false;
    bool userEdited_ = false;
};

} // namespace platform
