#pragma once
// A form: one window of the program, a single instance that lives for the
// whole run. Loading builds its window and controls from the design and runs
// its load handler; hiding keeps everything; unloading throws the window and
// controls away (safe from inside the form's own handlers) while the form
// object and its own variables stay. The next use loads it afresh.
//
// The form also carries the focus rules the forms are written against: a
// control about to lose the focus to another control of the same form is
// asked to Validate first, and a cancelled Validate keeps the focus where it
// is and swallows the click or key that caused the move. Menu commands and
// switching to another window do not validate.

#include "platform/Control.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

class QEventLoop;
class QWidget;
class QMainWindow;

namespace platform {

class Runtime;
class MenuItem;
class FormWindow;
class FocusEngine;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

enum class BorderStyle { Sizable, FixedDialog, None };

class Form {
public:
    Form(Runtime& runtime, QString name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }
    Runtime& runtime() { return runtime_; }

    // --- life cycle ----------------------------------------------------------------
    void load();
    void unload();
    bool isLoaded() const { return loaded_; }
    // While a form's geometry settles (it loads, or many of its boxes and
    // fonts change at once), its captions and fields wait, and each is fitted
    // once when the last such change is done: a caption that grows into free
    // space then sees the boxes beside it as they stand. Showing or picturing
    // the form fits what waits first.
    class Settling {
    public:
        explicit Settling(Form& form);
        ~Settling();
        Settling(const Settling&) = delete;
        Settling& operator=(const Settling&) = delete;

    private:
        Form& form_;
    };
    // How many times a control's content was fitted since the form last loaded.
    int fitsSinceLoad() const { return fitsSinceLoad_; }
    void show();
    // Shows the form and waits in a nested event loop until it is hidden or
    // unloaded. A form already in a modal showing is only brought up: the
    // call returns at once and the one showing goes on.
    void showModal();
    void hide();
    bool isModal() const { return modalLoop_ != nullptr; }
    // A form opened beside another, which stays behind it: when it steps
    // aside with nothing else on screen, that window comes back.
    bool opensBeside() const { return opensBeside_; }

    // The Visible property: reading or writing it loads the form.
    bool visible();
    void setVisible(bool v);
    // Whether the form is loaded and meant to be on screen, without loading it.
    bool isShown() const;

    QString caption();
    void setCaption(const QString& c);

    // The form's outer position and size, in screen twips.
    double left();
    double top();
    double width();
    double height();
    void move(double left, double top);
    void move(double left, double top, double width, double height);
    // The client area, in twips.
    double scaleWidth();
    double scaleHeight();

    WindowState windowState();
    void setWindowState(WindowState s);

    Control* activeControl() const;
    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<MenuItem*>& menuItems() const { return menuItems_; }

    // The window while loaded, else null (asking does not load).
    QMainWindow* window() const;
    // What the form's client area looks like now, without title or menu
    // bar, as printing the form prints it. Pending layout and fitting are
    // done first, so both show what the screen shows.
    QImage grabImage();
    // Prints the client area as it looks now, its texts as text, alone on a
    // page of the printer's job.
    void printForm();

    // --- handlers a form overrides -------------------------------------------------------
    virtual void Form_Load() {}
    // A loaded form out of sight comes on screen again. (A showing that
    // loads the form raises only Form_Load.)
    virtual void Form_Shown() {}
    // The form is about to unload: its controls still hold what they showed.
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}
    // A key that produces a character, pressed while no control takes it.
    virtual void Form_KeyPress(int keyAscii) { (void)keyAscii; }
    virtual void Form_MouseMove() {}
    // The window's close box. Unloads the form; the program ends when no form
    // is left on screen. A form may refuse or redirect the close.
    virtual void Form_CloseBox();

protected:
    // --- design, declared in the constructor ---------------------------------------------
    void designCaption(const QString& c) { design_.caption = c; }
    // The client area in twips.
    void designClientSize(double widthTwips, double heightTwips);
    void designBackColor(QColor c) { design_.back = c; }
    void designFont(const QString& name, double size);
    void designBorder(BorderStyle b) { design_.border = b; }
    void designOpensBeside() { opensBeside_ = true; }

private:
    friend class Control;
    friend class MenuItem;
    friend class FormWindow;

    struct Design {
        QString caption;
        double clientWidth = 4800, clientHeight = 3600;
        QColor back = QColor(212, 208, 200);
        QString fontName = QStringLiteral("Arial");
        double fontSize = 8;
        BorderStyle border = BorderStyle::Sizable;
    };

    void addControl(Control* c) { controls_.push_back(c); }
    void removeControl(Control* c);
    void addMenuItem(MenuItem* m) { menuItems_.push_back(m); }
    const Design& design() const { return design_; }
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;
    QWidget* containerWidget(Control* c);
    void buildMenus();
    void resizeWindow(QSize size);
    void finishModal();
    void goneOutOfSight(bool wasShown);
    // Fits the controls whose content waits, unless the form is settling.
    void fitWhenSettled();
    void fitWaiting();
    // Lays out what Qt lays out on posted requests (charts) and fits what
    // waits, so what is shown or pictured next is the settled form.
    void settleLayout();

    FocusEngine& focus() { return *focus_; }

    Runtime& runtime_;
    QString name_;
    Design design_;
    std::vector<Control*> controls_;
    std::vector<MenuItem*> menuItems_;
    FormWindow* window_ = nullptr;
    bool loaded_ = false;
    bool shown_ = false;
    bool unloading_ = false;
    bool opensBeside_ = false;
    int settling_ = 0;
    int fitsSinceLoad_ = 0;
    std::unique_ptr<FocusEngine> focus_;
    QEventLoop* modalLoop_ = nullptr;
};

} // namespace platform
