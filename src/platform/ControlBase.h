#pragma once
// The control of a form. A control is a persistent handle that lives as long as
// its form object: its design (position in twips, font, colours, caption, tab
// order) is declared once in the form's constructor, and its widget exists
// only while the form is loaded. Every load starts from the design again.
// Reading or writing a property of a control whose form is not loaded loads
// the form first, as several forms rely on that.

#include <QColor>
#include <QFont>
#include <QRect>
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
    bool operator==(const FontSpec&) const = default;
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
    // Whether the focus coming here first validates the control that has it
    // (by default it does). A button that leaves a form without taking what
    // is typed, such as a back arrow, need not wait for it to pass.
    void designCausesValidation(bool causes);

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
    // The font size of the design (the form's when the control names none).
    double designFontSize() const;
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
    bool causesValidation() const { return design_.causesValidation; }
    Frame* container() const { return container_; }

    // Moves the focus here, validating the control that has it.
    void setFocus();
    bool hasFocus();

    // The widget while the form is loaded, else null (asking does not load).
    QWidget* widget() const { return widget_; }
    // The box the control's position and size give, in pixels of its container.
    QRect boxPixels() const;
    // Whether the control may grow across or down into the free space around
    // it to show its text whole, so a neighbour that grows too leaves it half
    // the gap.
    virtual bool growsToFit(Qt::Orientation) const { return false; }

    // --- events ----------------------------------------------------------------------
    std::function<void()> Click;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void()> MouseMove;
    std::function<void(bool& cancel)> Validate;
    // Once the form's load handler is done: what the control shows may
    // depend on what the handler set.
    std::function<void()> Loaded;

    // Whether the control can hold the focus at all (labels, frames and
    // pictures cannot).
    virtual bool canHoldFocus() const { return false; }
    // Whether Tab stops here now: focusable, tab stop, enabled and on screen.
    bool isTabTarget() const;
    // Whether the control can take the focus now, tab stop or not.
    bool isFocusTarget() const;

    void raiseClick();

protected:
    virtual QWidget* createWidget(QWidget* parent) = 0;
    // Copies the kind's own design state to its run-time state (at load).
    virtual void resetState() {}
    // Pushes the kind's own state into a freshly made widget.
    virtual void applyState() {}
    void ensureLoaded();
    // The widget has taken a new box, font or text: its content is fitted
    // to them at once, or, while its form is settling, once it has settled.
    void refit();
    // Whether the control fits its text to its box and font, shrinking or
    // growing rather than cutting it short, and the fit itself; the form
    // calls it.
    virtual bool fitsText() const { return false; }
    virtual void fitContent() {}
    // The font of the control's run-time state (its scaled size).
    QFont stateFont() const;
    // Whether another control's run-time font is this one's.
    bool sameFont(const Control& other) const { return state_.font == other.state_.font; }
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
        bool causesValidation = true;
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
    bool fitPending_ = false;
};

} // namespace platform
