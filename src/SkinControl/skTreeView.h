#pragma once
// The navigation tree: a hierarchy of captions, each node with a key (and,
// for trees built from XML, attached data); a click runs the tree's action
// with the selected node's key put in.

#include "SkinControl/skControl.h"

#include <QStringList>
#include <QTreeWidget>
#include <QVariant>

class TSkTree : public QTreeWidget, public TSkControl {
    Q_OBJECT
public:
    // Item data roles holding a node's key and its attached data.
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int DataRole = Qt::UserRole + 1;

    explicit TSkTree(QWidget* parent);

    // Adds a node under parent (a root node when null).
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& caption, const QString& key,
                             const QVariant& data = {});
    // The selected node, or null.
    QTreeWidgetItem* SelectedNode() const;
    // The selected node's key; empty when nothing is selected.
    QString SelectedKey() const;
    QVariant SelectedData() const;
    bool HasSelectedKeyOrData() const;

    // Visit history: HistoryCaptions newest first, HistoryPos counted from the
    // newest entry; HistoryNode(p) is the node at position p, or null.
    QStringList HistoryCaptions;
    int HistoryPos = 0;
    QTreeWidgetItem* HistoryNode(int p) const;
    void GoHistory(int p);

    TActionValue ActionValue() const override;
    QWidget* skWidget() override { return this; }
};
