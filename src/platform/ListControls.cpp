#include "platform/ListControls.h"

#include "platform/FocusDots.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QSignalBlocker>

namespace platform {

// --- ListBox --------------------------------------------------------------------------------

namespace {
// Qt makes the first item current when a list gets the focus by keyboard or
// code, which would raise Click on mere tabbing. Getting the focus chooses
// nothing here: only the user's choice does (the first Down then picks item 0).
class ListWidget : public QListWidget {
public:
    using QListWidget::QListWidget;

    // A press on the item that is chosen already: no change, so no Click.
    std::function<void()> chosenItemPressed;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        const int before = currentRow();
        const bool onIt = before >= 0 && indexAt(event->position().toPoint()).row() == before;
        QListWidget::mousePressEvent(event);
        if (onIt && currentRow() == before && chosenItemPressed)
            chosenItemPressed();
    }

    void focusInEvent(QFocusEvent* event) override
    {
        QFocusEvent choosingNothing(event->type(), Qt::MouseFocusReason);
        QListWidget::focusInEvent(&choosingNothing);
    }

    // Keyboard focus is drawn on the chosen row or, with nothing chosen (when
    // Qt draws it nowhere), on the first row, the one Down would choose: the
    // style's faint frame, and the dotted rectangle desktop programs draw.
    void paintEvent(QPaintEvent* event) override
    {
        QListWidget::paintEvent(event);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        if (!hasKeyboardFocus(focus))
            return;
        const QModelIndex row = currentIndex().isValid() ? currentIndex() : model()->index(0, 0);
        focus.rect = row.isValid() ? visualRect(row) : viewport()->rect().adjusted(1, 1, -1, -1);
        focus.backgroundColor = palette().color(QPalette::Base);
        QPainter painter(viewport());
        if (!currentIndex().isValid())
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        const bool chosen = row.isValid() && selectionModel()->isSelected(row);
        drawFocusDots(painter, focus.rect, palette().color(chosen ? QPalette::HighlightedText : QPalette::Text));
    }

    // With nothing chosen the focus is drawn on the first row, which Qt does
    // not repaint when another row becomes the chosen one.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override
    {
        QListWidget::currentChanged(current, previous);
        if (!previous.isValid())
            viewport()->update(visualRect(model()->index(0, 0)));
    }

    // With nothing chosen Qt takes every move to the first item. Home, End and
    // the page keys go where they go from the top of the list, End to the
    // last item; the arrows still pick the first.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        const bool fromTop = action == MoveHome || action == MoveEnd || action == MovePageUp ||
                             action == MovePageDown;
        if (currentIndex().isValid() || !fromTop || count() == 0)
            return QListWidget::moveCursor(action, modifiers);
        QItemSelectionModel* selection = selectionModel();
        const QSignalBlocker quiet(selection);
        selection->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
        const QModelIndex target = QListWidget::moveCursor(action, modifiers);
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return target;
    }
};
} // namespace

QWidget* ListBox::createWidget(QWidget* parent)
{
    auto* l = new ListWidget(parent);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->chosenItemPressed = [this] {
        if (ChosenItemClicked)
            ChosenItemClicked();
    };
    QObject::connect(l, &QListWidget::currentRowChanged, l, [this](int row) { selectionChanged(row); });
    return l;
}

void ListBox::applyState()
{
    auto* l = static_cast<QListWidget*>(widget());
    QSignalBlocker block(l);
    l->clear();
    l->addItems(items_);
    l->setCurrentRow(index_);
}

void ListBox::selectionChanged(int row)
{
    if (row == index_)
        return;
    index_ = row;
    raiseClick();
}

int ListBox::listIndex() { ensureLoaded(); return index_; }

void ListBox::setListIndex(int i)
{
    ensureLoaded();
    if (i < -1 || i >= items_.size())
        i = -1;
    if (i == index_)
        return;
    if (auto* l = static_cast<QListWidget*>(widget())) {
        QSignalBlocker block(l);
        l->setCurrentRow(i);
        if (i < 0)
            l->clearSelection();
    }
    selectionChanged(i);
}

int ListBox::listCount() { ensureLoaded(); return int(items_.size()); }

QString ListBox::list(int i)
{
    ensureLoaded();
    return i >= 0 && i < items_.size() ? items_.at(i) : QString();
}

QString ListBox::text() { return list(listIndex()); }

void ListBox::addItem(const QString& item)
{
    ensureLoaded();
    items_.append(item);
    if (auto* l = static_cast<QListWidget*>(widget()))
        l->addItem(item);
}

void ListBox::clear()
{
    ensureLoaded();
    items_.clear();
    index_ = -1;
    if (auto* l = static_cast<QListWidget*>(widget())) {
        QSignalBlocker block(l);
        l->clear();
    }
}

// --- ComboBox ---------------------------------------------------------------------------------

QWidget* ComboBox::createWidget(QWidget* parent)
{
    auto* c = new QComboBox(parent);
    QObject::connect(c, &QComboBox::currentIndexChanged, c, [this](int i) {
        if (i == index_)
            return;
        index_ = i;
        raiseClick();
    });
    return c;
}

void ComboBox::applyState()
{
    auto* c = static_cast<QComboBox*>(widget());
    QSignalBlocker block(c);
    c->clear();
    c->addItems(items_);
    c->setCurrentIndex(index_);
}

int ComboBox::listIndex() { ensureLoaded(); return index_; }

void ComboBox::setListIndex(int i)
{
    ensureLoaded();
    if (i < -1 || i >= items_.size())
        i = -1;
    if (auto* c = static_cast<QComboBox*>(widget())) {
        c->setCurrentIndex(i);  // its signal raises Click
        return;
    }
    if (i != index_) {
        index_ = i;
        raiseClick();
    }
}

QString ComboBox::text()
{
    ensureLoaded();
    return index_ >= 0 && index_ < items_.size() ? items_.at(index_) : QString();
}

} // namespace platform
