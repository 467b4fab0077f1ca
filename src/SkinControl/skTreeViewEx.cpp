#include "SkinControl/skTreeViewEx.h"

#include "SkinControl/skEditBox.h"

#include <QKeyEvent>

TSkTreeEx::TSkTreeEx(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemClicked, this, [this] { raiseAction(this); });
}

QTreeWidgetItem* TSkTreeEx::AddItem(QTreeWidgetItem* parent, const QString& caption, const QString& key) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, caption);
    if (!key.isEmpty()) item->setData(0, KeyRole, key);
    // Only keyed items get a check box; the others must not be checkable by
    // keys or clicks either.
    if (!key.isEmpty() && CheckBoxes)
        item->setCheckState(0, Qt::Unchecked);
    else
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    return item;
}

QTreeWidgetItem* TSkTreeEx::SelectedItem() const {
    QTreeWidgetItem* item = currentItem();
    if (item && item->isSelected()) return item;
    const auto items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

QString TSkTreeEx::SelectedKey() const {
    const QTreeWidgetItem* item = SelectedItem();
    return item ? item->data(0, KeyRole).toString() : QString();
}

bool TSkTreeEx::HasCheckBox(const QTreeWidgetItem* item) {
    return item && item->data(0, Qt::CheckStateRole).isValid();
}

TActionValue TSkTreeEx::ActionValue() const {
    TActionValue v;
    v.value = SelectedKey();
    v.dispatch = !v.value.isEmpty();
    v.hasValue = true;
    v.append = true;
    return v;
}

void TSkTreeEx::keyPressEvent(QKeyEvent* event) {
    // Space toggles the check through the runtime; Qt's own toggle would
    // flip it a second time.
    if (event->key() != Qt::Key_Space) QTreeWidget::keyPressEvent(event);
    if (OnKey) OnKey(this, WinKeyCode(event));
}
