#pragma once
// Menu entries of a form: captions with access keys ("&File"), shortcuts
// (F1..F12, Ctrl+letter), separators ("-"), submenus, and a menu-bar entry
// without items, which runs its Click when chosen. Like controls, entries are
// declared once and return to their design state at every load.

#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace platform {

class Form;

class MenuItem {
public:
    // parent null: an entry of the menu bar.
    MenuItem(Form& form, QString name, QString caption, MenuItem* parent = nullptr,
             QKeySequence shortcut = {});
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    void designVisible(bool v) { designVisible_ = v; }
    void designEnabled(bool e) { designEnabled_ = e; }

    const QString& name() const { return name_; }
    bool isSeparator() const { return designCaption_ == QLatin1String("-"); }
    MenuItem* parent() const { return parent_; }
    const std::vector<MenuItem*>& children() const { return children_; }
    const QKeySequence& shortcut() const { return shortcut_; }

    QString caption();
    void setCaption(const QString& c);
    bool visible();
    void setVisible(bool v);
    bool enabled();
    void setEnabled(bool e);

    // Runs the entry's command as choosing it does (nothing when disabled or hidden).
    void trigger();

    std::function<void()> Click;

    QAction* action() const { return action_; }

private:
    friend class Form;
    void reset();
    void build(QWidget* menuBarOrMenu);
    void destroy();
    void apply();
    bool menusAboveOnOffer() const;
    void ensureLoaded();

    Form& form_;
    QString name_;
    QString designCaption_, caption_;
    MenuItem* parent_;
    std::vector<MenuItem*> children_;
    QKeySequence shortcut_;
    bool designVisible_ = true, visible_ = true;
    bool designEnabled_ = true, enabled_ = true;
    QAction* action_ = nullptr;
    QMenu* menu_ = nullptr;
};

} // namespace platform
