#pragma once
// List boxes and drop-down lists.

#include "platform/ControlBase.h"

#include <QStringList>

namespace platform {

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

    // A click on the item that is chosen already, which changes nothing and
    // raises no Click.
    std::function<void()> ChosenItemClicked;

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

} // namespace platform
