#pragma once
// The navigation tree: a hierarchy of captions, each node with a key (and,
// for trees built from XML, the element it came from); a click runs the
// tree's action with the selected node's key put in. It keeps a visit
// history, moves to the next or previous visible node, and enables the
// buttons linked to those moves.

#include "SkinControl/skControl.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTreeWidget>
#include <pugixml.hpp>

#include <memory>
#include <vector>

class TSkSpeedButton;

// One node's record: its key, its XML element (empty when none) and the node.
struct TTreeItemData {
    QString Key;
    pugi::xml_node Data;
    QTreeWidgetItem* Node = nullptr;
    int Index = -1; // position in the tree's ItemList
};

class TSkTree : public QTreeWidget, public TSkControl {
    Q_OBJECT
public:
    static constexpr int MaxHistory = 20;

    explicit TSkTree(QWidget* parent);
    ~TSkTree() override;

    // Every item record in load order; each record lives in its node, so
    // removing the nodes frees the records.
    std::vector<TTreeItemData*> ItemList;

    // Loading. A file is read through the archive, then from disk.
    void LoadFromFile(const QString& name);
    void LoadFromLines(const QStringList& lines);
    // Nodes from the child elements of element (attribute "caption", key from
    // keyAttr, expanded by "exp"); each element made a node goes to list.
    void LoadFromXml(pugi::xml_node element, std::vector<pugi::xml_node>* list, const QString& keyAttr);
    // Adds a node under parent (a root node when null) with its record;
    // returns the node (RecordOf gives the record).
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& caption, const QString& key,
                             pugi::xml_node data = {});
    // Removes every node, record and history entry.
    void ClearItems();

    // Lookup.
    QTreeWidgetItem* FindByKey(const QString& key) const;
    QTreeWidgetItem* FindNextByText(const QString& text) const;
    int IndexOfNode(const QTreeWidgetItem* node) const;
    static TTreeItemData* RecordOf(const QTreeWidgetItem* node);
    // The node's position among all nodes in tree order, -1 when not ours.
    int AbsoluteIndex(const QTreeWidgetItem* node) const;
    // The selected node, or null.
    QTreeWidgetItem* SelectedNode() const;
    // The selected node's key; empty when nothing is selected.
    QString SelectedKey() const;
    pugi::xml_node SelectedData() const;
    bool HasSelectedKeyOrData() const;

    // Navigation.
    void SelectNextVisible();
    void SelectPrevVisible();
    // Expanding a node when it gets selected (off, as the platform's tree
    // starts); next/previous moves switch it off.
    bool AutoExpand = false;
    QPointer<TSkSpeedButton> NextButton;
    QPointer<TSkSpeedButton> PrevButton;
    void UpdateNavButtons();
    void ExpandAll();
    void CollapseAll();
    void ShowOrHide();
    int SavedLeft = 0;
    int SavedTop = 0;

    // Visit history: HistoryCaptions newest first, HistoryPos counted from the
    // newest entry; HistoryNode(p) is the node at position p, or null.
    QList<QTreeWidgetItem*> History; // oldest first
    QStringList HistoryCaptions;
    int HistoryPos = 0;
    bool RecordHistory = true;
    QTreeWidgetItem* HistoryNode(int p) const;
    void GoHistory(int p);

    // Settings.
    bool OpenBlock() const { return openBlock; }
    void SetOpenBlock(bool on);
    bool OwnDblClick = true;
    QColor SelectColor() const { return selectColor; }
    void SetSelectColor(const QColor& color);
    QFont SelectFont() const { return selectFont; }
    QColor SelectFontColor() const { return selectFontColor; }
    void SetSelectFont(const QFont& font, const QColor& color);

    // Node pictures, cached by lower-cased trimmed name; -1 when none.
    int ImageIndexFor(const QString& name);
    const QList<QIcon>& Images() const { return images; }
    QIcon ImageOf(const QTreeWidgetItem* node) const;

    // Runs the tree's action for the selected node.
    void Click() { raiseAction(this); }

    TActionValue ActionValue() const override;
    QWidget* skWidget() override { return this; }

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* e = nullptr) const override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

private:
    void selectionChanged_();
    void setNodeImage(QTreeWidgetItem* node, int index);
    void moveSelection(bool forward);

    bool openBlock = false;
    bool positionSaved = false;
    QColor selectColor;
    QFont selectFont;
    QColor selectFontColor = Qt::white;
    QList<QIcon> images;
    QHash<QString, int> imageCache;
};
