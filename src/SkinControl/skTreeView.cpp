#include "SkinControl/skTreeView.h"

TSkTree::TSkTree(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    connect(this, &QTreeWidget::itemClicked, this, [this] { raiseAction(this); });
}

QTreeWidgetItem* TSkTree::AddItem(QTreeWidgetItem* parent, const QString& caption, const QString& key,
                                  const QVariant& data) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, caption);
    item->setData(0, KeyRole, key);
    if (data.isValid()) item->setData(0, DataRole, data);
    return item;
}

QTreeWidgetItem* TSkTree::SelectedNode() const {
    QTreeWidgetItem* item = currentItem();
    if (item && item->isSelected()) return item;
    const auto items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

QString TSkTree::SelectedKey() const {
    const QTreeWidgetItem* item = SelectedNode();
    return item ? item->data(0, KeyRole).toString() : QString();
}

QVariant TSkTree::SelectedData() const {
    const QTreeWidgetItem* item = SelectedNode();
    return item ? item->data(0, DataRole) : QVariant();
}

bool TSkTree::HasSelectedKeyOrData() const {
    return !SelectedKey().isEmpty() || SelectedData().isValid();
}

TActionValue TSkTree::ActionValue() const {
    TActionValue v;
    v.dispatch = HasSelectedKeyOrData();
    v.hasValue = true;
    v.value = SelectedKey();
    v.append = true;
    return v;
}

QTreeWidgetItem* TSkTree::HistoryNode(int) const {
    return nullptr;
}

void TSkTree::GoHistory(int) {}
