#pragma once
// The checkable tree: items with an optional key; keyed items may carry a
// check box. A click runs the tree's action with the selected item's key.

#include "SkinControl/skControl.h"

#include <QTreeWidget>

class TSkTreeEx : public QTreeWidget, public TSkControl {
    Q_OBJECT
public:
    // Item data role holding an item's key.
    static constexpr int KeyRole = Qt::UserRole;

    explicit TSkTreeEx(QWidget* parent);

    // Adds an item under parent (top level when null); a keyed item gets an
    // unchecked check box while check boxes are on.
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& caption, const QString& key);
    // Items loaded from now on get check boxes when keyed.
    bool CheckBoxes = true;

    QTreeWidgetItem* SelectedItem() const;
    // The selected item's key; empty when nothing is selected.
    QString SelectedKey() const;
    QString SelectedItemKey() const { return SelectedKey(); }
    static bool HasCheckBox(const QTreeWidgetItem* item);

    TActionValue ActionValue() const override;
    QWidget* skWidget() override { return this; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
