#include "platform/Menu.h"

#include "platform/Form.h"
#include "platform/Palette.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace platform {

MenuItem::MenuItem(Form& form, QString name, QString caption, MenuItem* parent, QKeySequence shortcut)
    : form_(form), name_(std::move(name)), designCaption_(std::move(caption)), parent_(parent),
      shortcut_(std::move(shortcut))
{
    if (parent_)
        parent_->children_.push_back(this);
    form_.addMenuItem(this);
}

void MenuItem::reset()
{
    caption_ = designCaption_;
    visible_ = designVisible_;
    enabled_ = designEnabled_;
}

void MenuItem::build(QWidget* host)
{
    auto* bar = qobject_cast<QMenuBar*>(host);
    auto* menu = qobject_cast<QMenu*>(host);
    if (isSeparator()) {
        action_ = menu ? menu->addSeparator() : nullptr;
        if (action_)
            action_->setVisible(visible_);
        return;
    }
    if (!children_.empty()) {
        menu_ = bar ? bar->addMenu(caption_) : menu->addMenu(caption_);
        makeDisabledTextReadable(menu_);
        action_ = menu_->menuAction();
        for (MenuItem* child : children_)
            child->build(menu_);
    } else {
        action_ = new QAction(caption_, host);
        if (bar)
            bar->addAction(action_);
        else
            menu->addAction(action_);
        if (!shortcut_.isEmpty()) {
            action_->setShortcut(shortcut_);
            action_->setShortcutContext(Qt::WindowShortcut);
            // Shortcuts must work while the menu bar is closed: the window owns them.
            form_.window()->addAction(action_);
        }
        QObject::connect(action_, &QAction::triggered, action_, [this] {
            if (Click)
                Click();
        });
    }
    apply();
}

// Whether every menu above the entry is on offer: the entries of a disabled
// or hidden menu cannot be chosen, by their shortcut keys neither.
bool MenuItem::menusAboveOnOffer() const
{
    for (const MenuItem* p = parent_; p; p = p->parent_)
        if (!p->visible_ || !p->enabled_)
            return false;
    return true;
}

void MenuItem::apply()
{
    if (action_) {
        if (!isSeparator())
            action_->setText(caption_);
        action_->setVisible(visible_);
        // A submenu's own action opens it; Qt keeps a disabled one shut. The
        // window owns the shortcut of a command, which would still answer.
        action_->setEnabled(enabled_ && (menu_ || menusAboveOnOffer()));
    }
    for (MenuItem* child : children_)
        child->apply();
}

void MenuItem::destroy()
{
    action_ = nullptr;
    menu_ = nullptr;
}

void MenuItem::ensureLoaded() { form_.load(); }

QString MenuItem::caption() { ensureLoaded(); return caption_; }

void MenuItem::setCaption(const QString& c)
{
    ensureLoaded();
    caption_ = c;
    apply();
}

bool MenuItem::visible() { ensureLoaded(); return visible_; }

void MenuItem::setVisible(bool v)
{
    ensureLoaded();
    visible_ = v;
    apply();
}

bool MenuItem::enabled() { ensureLoaded(); return enabled_; }

void MenuItem::setEnabled(bool e)
{
    ensureLoaded();
    enabled_ = e;
    apply();
}

void MenuItem::trigger()
{
    ensureLoaded();
    if (!visible_ || !enabled_ || isSeparator() || !menusAboveOnOffer())
        return;
    if (Click)
        Click();
}

} // namespace platform
