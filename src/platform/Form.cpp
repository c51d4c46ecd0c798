#include "platform/Form.h"

#include "platform/FocusEngine.h"
#include "platform/Menu.h"
#include "platform/Palette.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace platform {

// The Qt window behind a loaded form. It watches the events of the form's
// widgets to raise the form's own events and to apply the focus rules.
class FormWindow : public QMainWindow {
public:
    explicit FormWindow(Form& form) : form_(form)
    {
        setAttribute(Qt::WA_DeleteOnClose, false);
        client_ = new QWidget(this);
        client_->setMouseTracking(true);
        client_->installEventFilter(this);
        setCentralWidget(client_);
    }

    QWidget* client() const { return client_; }

    // Every widget of a control (and its inner widgets, such as a list's
    // viewport) is watched and mapped back to its control.
    void watch(QWidget* w, Control* c)
    {
        owner_.insert(w, c);
        w->installEventFilter(this);
        w->setMouseTracking(true);
        for (QWidget* child : w->findChildren<QWidget*>()) {
            owner_.insert(child, c);
            child->installEventFilter(this);
            child->setMouseTracking(true);
        }
    }

    void detach() { owner_.clear(); }
    void forget(Control* c) { owner_.removeIf([c](auto it) { return it.value() == c; }); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && (watched == client_ || owner_.contains(watched))) {
            mouseMoved(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
            return false;
        }
        if (watched == client_)
            return false;
        Control* c = owner_.value(watched, nullptr);
        if (!c)
            return false;
        return form_.focus().filter(c, watched, event);
    }

    // Every way Qt itself moves the focus on (arrow keys on a button, a
    // focused widget hidden or disabled) goes through the form's focus rules.
    bool focusNextPrevChild(bool next) override
    {
        if (form_.window_ == this && form_.loaded_)
            form_.focus().qtMovesFocus(next);
        return true;
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        // Only keys that produce a character: no function, arrow or shift keys.
        const QString t = e->text();
        if (!t.isEmpty() && (t.at(0).isPrint() || t.at(0) == u'\r' || t.at(0) == u'\x1b' ||
                             t.at(0) == u'\b' || t.at(0) == u'\t')) {
            form_.Form_KeyPress(t.at(0).unicode());
            return;
        }
        QMainWindow::keyPressEvent(e);
    }

    // A fixed form is never maximised, whatever the window system allows.
    void changeEvent(QEvent* e) override
    {
        QMainWindow::changeEvent(e);
        const Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (e->type() == QEvent::WindowStateChange && form_.design_.border != BorderStyle::Sizable &&
            (windowState() & large))
            setWindowState(windowState() & ~large);
    }

    void resizeEvent(QResizeEvent* e) override
    {
        if (form_.design_.border != BorderStyle::Sizable && minimumSize() == maximumSize() &&
            size() != minimumSize()) {
            resize(minimumSize());
            return;
        }
        QMainWindow::resizeEvent(e);
        if (form_.loaded_ && form_.window_ == this)
            form_.Form_Resize();
    }

    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        if (form_.window_ != this)
            return;
        form_.runtime_.closeBoxPressed(&form_);
        form_.Form_CloseBox();
        form_.runtime_.closeBoxPressed(nullptr);
    }

private:
    // A mouse move goes to the control under the mouse and to nothing else:
    // the form hears of it only over its free area, a frame only over its own.
    // Shapes and lines take no mouse events, and a disabled control takes
    // none either: their container hears of the move instead.
    void mouseMoved(QWidget* w, QMouseEvent* e)
    {
        // A widget that leaves the move unhandled passes the same delivery on
        // to its parents; it was raised already.
        const QPoint global = e->globalPosition().toPoint();
        if (lastMove_.widget && w->isAncestorOf(lastMove_.widget) && lastMove_.global == global &&
            lastMove_.timestamp == e->timestamp())
            return;
        lastMove_ = {w, global, e->timestamp()};

        // While a button is held the widget pressed keeps the mouse.
        QWidget* under = e->buttons() == Qt::NoButton ? w->childAt(e->position().toPoint()) : nullptr;
        if (!under)
            under = w;
        while (under && under != client_ && !owner_.contains(under))
            under = under->parentWidget();
        Control* c = under ? owner_.value(under, nullptr) : nullptr;
        while (c && (c->kind() == ControlKind::Shape || c->kind() == ControlKind::Line || !c->widget() ||
                     !c->widget()->isEnabled()))
            c = c->container();
        if (!c)
            form_.Form_MouseMove();
        else if (c->MouseMove)
            c->MouseMove();
    }

    struct Move {
        QPointer<QWidget> widget;
        QPoint global;
        quint64 timestamp = 0;
    };

    Form& form_;
    QWidget* client_;
    QHash<QObject*, Control*> owner_;
    Move lastMove_;
};

Form::Form(Runtime& runtime, QString name)
    : runtime_(runtime), name_(std::move(name)), focus_(std::make_unique<FocusEngine>(*this))
{
    runtime_.registerForm(this);
}

Form::~Form()
{
    runtime_.unregisterForm(this);
    // The derived form's controls are gone by now and have left controls_.
    if (window_) {
        window_->detach();
        delete window_;
    }
}

Control* Form::activeControl() const { return focus_->active(); }

void Form::removeControl(Control* c)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (window_)
        window_->forget(c);
    if (focus_->active() == c)
        focus_->reset();
}

double Form::twipsPerPixelX() const { return runtime_.screen().twipsPerPixelX(); }
double Form::twipsPerPixelY() const { return runtime_.screen().twipsPerPixelY(); }

void Form::designClientSize(double widthTwips, double heightTwips)
{
    design_.clientWidth = widthTwips;
    design_.clientHeight = heightTwips;
}

void Form::designFont(const QString& name, double size)
{
    design_.fontName = name;
    design_.fontSize = size;
}

QMainWindow* Form::window() const { return window_; }

QWidget* Form::containerWidget(Control* c)
{
    if (c->container() && c->container()->widget())
        return c->container()->widget();
    return window_->client();
}

Form::Settling::Settling(Form& form) : form_(form) { ++form_.settling_; }

Form::Settling::~Settling()
{
    if (--form_.settling_ == 0)
        form_.fitWaiting();
}

// A form out of sight fits what waits when it is shown or pictured: figures
// that change again meanwhile cost no fitting.
void Form::fitWhenSettled()
{
    if (settling_ == 0 && shown_)
        fitWaiting();
}

void Form::fitWaiting()
{
    const bool fitting = runtime_.fitsCaptions();
    // A caption may grow as far as the form's edge: the client area takes the
    // window's size first, shown or not.
    if (window_)
        window_->layout()->activate();
    std::vector<FittedTextControl*> fitted;
    for (Control* c : controls_) {
        if (!c->fitPending_)
            continue;
        c->fitPending_ = false;
        if (c->widget() && fitting) {
            ++fitsSinceLoad_;
            c->fitContent();
            if (auto* t = dynamic_cast<FittedTextControl*>(c))
                fitted.push_back(t);
        }
    }
    if (!fitted.empty())
        FittedTextControl::lineUp(*this, fitted);
}

void Form::settleLayout()
{
    // A chart lays itself out on a posted request (and, once its captions
    // are fitted to the plot that gave it, again at once).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    fitWaiting();
}

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    shown_ = false;
    fitsSinceLoad_ = 0;
    focus_->reset();
    // Nothing is fitted while the controls are made and the load handler
    // scales and fills them: each is fitted once, when the load is done.
    Settling settling(*this);
    window_ = new FormWindow(*this);
    window_->setObjectName(name_);
    window_->setAccessibleName(name_);
    window_->setWindowTitle(design_.caption);
    QPalette pal = window_->palette();
    pal.setColor(QPalette::Window, design_.back);
    window_->setPalette(pal);
    window_->setAutoFillBackground(true);
    QFont f(design_.fontName);
    f.setPointSizeF(design_.fontSize);
    window_->setFont(f);
    switch (design_.border) {
    case BorderStyle::Sizable: break;
    case BorderStyle::FixedDialog:
        // A title and a close box only: no maximise box, no sizing border.
        window_->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                                Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        break;
    case BorderStyle::None:
        window_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        break;
    }
    buildMenus();
    // Containers come before what they hold in the declaration order, so a
    // frame's widget exists by the time its contents are made.
    for (Control* c : controls_)
        c->create(containerWidget(c));
    for (Control* c : controls_)
        if (c->widget())
            window_->watch(c->widget(), c);
    const int menuHeight = menuItems_.empty() ? 0 : window_->menuBar()->sizeHint().height();
    resizeWindow(QSize(int(std::lround(design_.clientWidth / twipsPerPixelX())),
                       int(std::lround(design_.clientHeight / twipsPerPixelY())) + menuHeight));
    // Centred until the form places itself.
    const double sw = runtime_.screen().widthTwips(), sh = runtime_.screen().heightTwips();
    move((sw - width()) / 2, (sh - height()) / 2);
    Form_Load();
    for (std::size_t i = 0; i < controls_.size() && loaded_; ++i)
        if (controls_[i]->Loaded)
            controls_[i]->Loaded();
}

void Form::unload()
{
    if (!loaded_ || unloading_)
        return;
    unloading_ = true;
    Form_Unload();
    unloading_ = false;
    const bool wasShown = shown_;
    loaded_ = false;
    shown_ = false;
    focus_->reset();
    FormWindow* w = window_;
    window_ = nullptr;
    w->detach();
    for (Control* c : controls_)
        c->destroy();
    for (MenuItem* m : menuItems_)
        m->destroy();
    w->hide();
    // The window may be in the middle of delivering the event whose handler
    // unloads it: delete it once control is back in the event loop.
    w->deleteLater();
    goneOutOfSight(wasShown);
}

void Form::show()
{
    if (runtime_.ended())
        return;
    const bool comesBack = loaded_ && !shown_;
    load();
    // The load handler may have ended the program.
    if (!loaded_ || runtime_.ended())
        return;
    shown_ = true;
    if (comesBack) {
        Form_Shown();
        // The handler may have hidden or unloaded the form, or ended the program.
        if (!loaded_ || !shown_ || runtime_.ended())
            return;
    }
    fitWaiting();
    focus_->giveInitialFocus();
    window_->show();
    focus_->windowShown();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window_->raise();
    window_->activateWindow();
}

void Form::showModal()
{
    if (runtime_.ended())
        return;
    load();
    // Nothing would ever end the loop of a form that is not shown.
    if (!loaded_ || runtime_.ended())
        return;
    // A form has one modal showing at a time: a second request only brings
    // it up. A second loop would outlive the hiding that ends the first.
    if (modalLoop_) {
        show();
        return;
    }
    // Qt makes a window modal only as it comes on screen.
    if (window_->isVisible() && window_->windowModality() != Qt::ApplicationModal)
        window_->hide();
    window_->setWindowModality(Qt::ApplicationModal);
    show();
    if (!loaded_ || !shown_ || runtime_.ended())
        return;
    QEventLoop loop;
    modalLoop_ = &loop;
    runtime_.enterModal(loop);
    loop.exec();
    // A showing that was ended may have given way to a new one by now.
    if (modalLoop_ == &loop)
        modalLoop_ = nullptr;
    if (window_ && !modalLoop_)
        window_->setWindowModality(Qt::NonModal);
    runtime_.leaveModal(loop);
}

// Ends the showing at once: its loop returns as soon as the handler that
// ended it is done, and from now on the form may be shown modally again.
void Form::finishModal()
{
    if (modalLoop_)
        modalLoop_->quit();
    modalLoop_ = nullptr;
}

void Form::hide()
{
    if (!loaded_)
        return;
    const bool wasShown = shown_;
    shown_ = false;
    window_->hide();
    goneOutOfSight(wasShown);
}

// However a form goes out of sight, the program never runs on with nothing on
// screen; the check waits until the handler is done, so a form may step aside
// for the next one.
void Form::goneOutOfSight(bool wasShown)
{
    if (wasShown)
        runtime_.wentOutOfSight(*this);
    else
        runtime_.endIfNothingVisible();
    finishModal();
}

bool Form::visible()
{
    load();
    return shown_;
}

void Form::setVisible(bool v)
{
    if (v)
        show();
    else {
        load();
        hide();
    }
}

bool Form::isShown() const { return loaded_ && shown_; }

QString Form::caption()
{
    load();
    return window_->windowTitle();
}

void Form::setCaption(const QString& c)
{
    load();
    window_->setWindowTitle(c);
}

double Form::left()
{
    load();
    return window_->x() * twipsPerPixelX();
}

double Form::top()
{
    load();
    return window_->y() * twipsPerPixelY();
}

double Form::width()
{
    load();
    return window_->width() * twipsPerPixelX();
}

double Form::height()
{
    load();
    return window_->height() * twipsPerPixelY();
}

void Form::move(double left, double top)
{
    load();
    window_->move(int(std::lround(left / twipsPerPixelX())), int(std::lround(top / twipsPerPixelY())));
}

void Form::move(double left, double top, double width, double height)
{
    load();
    move(left, top);
    resizeWindow(QSize(std::max(1, int(std::lround(width / twipsPerPixelX()))),
                       std::max(1, int(std::lround(height / twipsPerPixelY())))));
}

// A form with a fixed border keeps the size its code gives it: neither the
// user nor the window manager can resize or maximise it.
void Form::resizeWindow(QSize size)
{
    if (design_.border == BorderStyle::Sizable)
        window_->resize(size);
    else
        window_->setFixedSize(size);
}

double Form::scaleWidth()
{
    load();
    return window_->width() * twipsPerPixelX();
}

double Form::scaleHeight()
{
    load();
    const int menu = menuItems_.empty() ? 0 : window_->menuBar()->sizeHint().height();
    return (window_->height() - menu) * twipsPerPixelY();
}

WindowState Form::windowState()
{
    load();
    const Qt::WindowStates s = window_->windowState();
    if (s & Qt::WindowMinimized)
        return WindowState::Minimized;
    if (s & Qt::WindowMaximized)
        return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::setWindowState(WindowState s)
{
    load();
    switch (s) {
    case WindowState::Normal: window_->setWindowState(Qt::WindowNoState); break;
    case WindowState::Minimized: window_->setWindowState(Qt::WindowMinimized); break;
    case WindowState::Maximized: window_->setWindowState(Qt::WindowMaximized); break;
    }
}

QImage Form::grabImage()
{
    load();
    settleLayout();
    return window_->client()->grab().toImage();
}

void Form::printForm()
{
    load();
    settleLayout();
    runtime_.printer().printWidget(*window_->client());
}

// The window marks the close box as the user's while this runs; unloading
// looks for what is left on screen.
void Form::Form_CloseBox() { unload(); }

void Form::buildMenus()
{
    for (MenuItem* m : menuItems_)
        m->reset();
    for (MenuItem* m : menuItems_)
        if (!m->parent())
            m->build(window_->menuBar());
    if (!menuItems_.empty())
        makeDisabledTextReadable(window_->menuBar());
}

} // namespace platform
