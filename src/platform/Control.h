#pragma once
// Controls of a form. A control is a persistent handle that lives as long as
// its form object: its design (position in twips, font, colours, caption, tab
// order) is declared once in the form's constructor, and its widget exists
// only while the form is loaded. Every load starts from the design again.
// Reading or writing a property of a control whose form is not loaded loads
// the form first, as several forms rely on that.

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace platform {

class Form;
class Frame;

enum class ControlKind {
    Label, TextBox, CommandButton, OptionButton, CheckBox, ListBox, ComboBox,
    Frame, Shape, Line, Image, RichTextBox, Chart
};

struct FontSpec {
    QString name;          // empty: the form's font
    double size = 0;       // points; 0: the form's size
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

class Control {
public:
    Control(Form& form, QString name, ControlKind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() { return form_; }

    // --- design, declared in the form's constructor ---------------------------
    void designGeometry(double left, double top, double width, double height);
    void designFont(const QString& name, double size, bool bold = false, bool italic = false);
    void designFontSize(double size);
    void designBold(bool bold = true);
    void designItalic(bool italic = true);
    void designUnderline(bool underline = true);
    void designBackColor(QColor c);
    void designForeColor(QColor c);
    void designTabIndex(int index, bool tabStop = true);
    void designVisible(bool visible);
    void designEnabled(bool enabled);
    void designContainer(Frame& frame);

    // --- run-time properties ------------------------------------------------------
    // Positions and sizes in twips, relative to the form's client area or to
    // the frame that holds the control.
    double left();
    double top();
    double width();
    double height();
    void move(double left, double top, double width, double height);
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);

    // Lines, pictures and shapes have no font.
    virtual bool hasFont() const;
    double fontSize();
    void setFontSize(double points);
    bool fontBold();
    void setFontBold(bool bold);
    QString fontName();

    // The control's own flag, apart from whether its container is on screen.
    bool visible();
    void setVisible(bool v);
    bool enabled();
    void setEnabled(bool e);
    QColor backColor();
    void setBackColor(QColor c);
    QColor foreColor();
    void setForeColor(QColor c);

    int tabIndex() const { return design_.tabIndex; }
    bool tabStop() const { return design_.tabStop; }
    Frame* container() const { return container_; }

    // Moves the focus here, validating the control that has it.
    void setFocus();
    bool hasFocus();

    // The widget while the form is loaded, else null (asking does not load).
    QWidget* widget() const { return widget_; }

    // --- events ----------------------------------------------------------------------
    std::function<void()> Click;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void()> MouseMove;
    std::function<void(bool& cancel)> Validate;

    // Whether the control can hold the focus at all (labels, frames and
    // pictures cannot).
    virtual bool canHoldFocus() const { return false; }
    // Whether Tab stops here now: focusable, tab stop, enabled and on screen.
    bool isTabTarget() const;

    void raiseClick();

protected:
    virtual QWidget* createWidget(QWidget* parent) = 0;
    // Copies the kind's own design state to its run-time state (at load).
    virtual void resetState() {}
    // Pushes the kind's own state into a freshly made widget.
    virtual void applyState() {}
    void ensureLoaded();
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

private:
    friend class Form;
    struct Props {
        double left = 0, top = 0, width = 0, height = 0;
        FontSpec font;
        bool visible = true;
        bool enabled = true;
        std::optional<QColor> back;
        std::optional<QColor> fore;
        int tabIndex = -1;
        bool tabStop = true;
    };

    void create(QWidget* parent);
    void destroy();
    void applyGeometry();
    void applyFont();
    void applyColors();

    Form& form_;
    QString name_;
    ControlKind kind_;
    Props design_;
    Props state_;
    Frame* container_ = nullptr;
    QWidget* widget_ = nullptr;
};

// A label: a caption that wraps at word boundaries.
class Label : public Control {
public:
    Label(Form& f, QString name) : Control(f, std::move(name), ControlKind::Label) {}
    void designCaption(const QString& c) { designCaption_ = c; }
    void designAlignment(Qt::Alignment a) { designAlign_ = a; }
    void designTransparent(bool t = true) { designTransparent_ = t; }
    void designBorder(bool b = true) { designBorder_ = b; }
    QString caption();
    void setCaption(const QString& c);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resetState() override { caption_ = designCaption_; }
    void applyState() override;

private:
    QString designCaption_, caption_;
    Qt::Alignment designAlign_ = Qt::AlignLeft | Qt::AlignTop;
    bool designTransparent_ = false;
    bool designBorder_ = false;
};

// A single-line text box.
class TextBox : public Control {
public:
    TextBox(Form& f, QString name) : Control(f, std::move(name), ControlKind::TextBox) {}
    void designText(const QString& t) { designText_ = t; }
    void designAlignment(Qt::Alignment a) { designAlign_ = a; }
    void designLocked(bool l = true) { designLocked_ = l; }
    void designMultiLine(bool m = true) { multiLine_ = m; }
    QString text();
    void setText(const QString& t);
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

private:
    QString designText_, text_;
    Qt::Alignment designAlign_ = Qt::AlignLeft | Qt::AlignVCenter;
    bool designLocked_ = false, locked_ = false;
    bool multiLine_ = false;
    int selStart_ = 0, selLength_ = 0;
};

// What the three kinds of button share: a caption, kept across hide and show
// and returned to its design at every load.
class ButtonControl : public Control {
public:
    void designCaption(const QString& c) { designCaption_ = c; }
    QString caption();
    void setCaption(const QString& c);
    bool canHoldFocus() const override { return true; }

protected:
    ButtonControl(Form& f, QString name, ControlKind kind) : Control(f, std::move(name), kind) {}
    void resetState() override { caption_ = designCaption_; }
    void applyState() override;

private:
    QString designCaption_, caption_;
};

// A push button with a caption or a picture.
class CommandButton : public ButtonControl {
public:
    CommandButton(Form& f, QString name) : ButtonControl(f, std::move(name), ControlKind::CommandButton) {}
    // A picture from the program's resources (":/arrow_right.png").
    void designPicture(const QString& resource) { picture_ = resource; }
    const QString& picture() const { return picture_; }

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyState() override;

private:
    QString picture_;
};

// An option button; the option buttons of one container form one group.
// Setting one from code raises its Click as a click by the user does.
class OptionButton : public ButtonControl {
public:
    OptionButton(Form& f, QString name) : ButtonControl(f, std::move(name), ControlKind::OptionButton) {}
    void designValue(bool v) { designValue_ = v; }
    bool value();
    void setValue(bool v);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resetState() override;
    void applyState() override;

private:
    void select(bool raise);
    bool designValue_ = false, value_ = false;
};

// A check box with the values 0 (unchecked) and 1 (checked); a change of
// value from code raises Click.
class CheckBox : public ButtonControl {
public:
    CheckBox(Form& f, QString name) : ButtonControl(f, std::move(name), ControlKind::CheckBox) {}
    void designValue(int v) { designValue_ = v; }
    int value();
    void setValue(int v);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resetState() override;
    void applyState() override;

private:
    int designValue_ = 0, value_ = 0;
};

// A list box. listIndex is -1 while nothing is selected; every change of the
// selection raises Click, by mouse, keyboard or code.
class ListBox : public Control {
public:
    ListBox(Form& f, QString name) : Control(f, std::move(name), ControlKind::ListBox) {}
    void designItems(const QStringList& items) { designItems_ = items; }
    int listIndex();
    void setListIndex(int i);
    int listCount();
    QString list(int i);
    QString text();
    void addItem(const QString& item);
    void clear();
    bool canHoldFocus() const override { return true; }

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resetState() override { items_ = designItems_; index_ = -1; }
    void applyState() override;

private:
    void selectionChanged(int row);
    QStringList designItems_, items_;
    int index_ = -1;
};

// A drop-down list; its height follows its font and is never scaled.
class ComboBox : public Control {
public:
    ComboBox(Form& f, QString name) : Control(f, std::move(name), ControlKind::ComboBox) {}
    void designItems(const QStringList& items) { designItems_ = items; }
    int listIndex();
    void setListIndex(int i);
    QString text();
    bool canHoldFocus() const override { return true; }

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resetState() override { items_ = designItems_; index_ = -1; }
    void applyState() override;

private:
    QStringList designItems_, items_;
    int index_ = -1;
};

// A frame that holds other controls; with an empty caption it draws only its border.
class Frame : public Control {
public:
    Frame(Form& f, QString name) : Control(f, std::move(name), ControlKind::Frame) {}
    void designCaption(const QString& c) { designCaption_ = c; }
    void designBorder(bool b) { border_ = b; }
    QString caption();
    void setCaption(const QString& c);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void resetState() override { caption_ = designCaption_; }
    void applyState() override;

private:
    QString designCaption_, caption_;
    bool border_ = true;
};

// A drawn rectangle, rounded rectangle or oval.
class Shape : public Control {
public:
    enum class Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
    Shape(Form& f, QString name) : Control(f, std::move(name), ControlKind::Shape) {}
    void designShape(Kind k) { shape_ = k; }
    void designBorder(QColor c, int widthPx = 1) { borderColor_ = c; borderWidth_ = widthPx; }
    void designFill(QColor c) { fill_ = c; }
    bool hasFont() const override { return false; }

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    Kind shape_ = Kind::Rectangle;
    QColor borderColor_ = Qt::black;
    int borderWidth_ = 1;
    std::optional<QColor> fill_;
};

// A straight line between two points; it has no position or size of its own,
// so scaling leaves it where it was drawn.
class Line : public Control {
public:
    Line(Form& f, QString name) : Control(f, std::move(name), ControlKind::Line) {}
    void designPoints(double x1, double y1, double x2, double y2);
    void designPen(QColor c, int widthPx = 1) { color_ = c; penWidth_ = widthPx; }
    bool hasFont() const override { return false; }
    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor color_ = Qt::black;
    int penWidth_ = 1;
};

// A picture, stretched to its box.
class Image : public Control {
public:
    Image(Form& f, QString name) : Control(f, std::move(name), ControlKind::Image) {}
    void designPicture(const QString& resource) { picture_ = resource; }
    void designStretch(bool s) { stretch_ = s; }
    bool hasFont() const override { return false; }
    const QString& picture() const { return picture_; }

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    QString picture_;
    bool stretch_ = true;
};

} // namespace platform
