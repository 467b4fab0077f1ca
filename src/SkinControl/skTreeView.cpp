#include "SkinControl/skTreeView.h"

#include <QStyleOption>

#include "SkinControl/skPanelLayout.h"
#include "SkinControl/skSpeedButton.h"
#include "archive/gPackUtils.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidgetItemIterator>

namespace {

// A node holding its record and the index of its picture.
class TTreeNode : public QTreeWidgetItem {
public:
    static constexpr int NodeType = QTreeWidgetItem::UserType + 17;
    TTreeNode() : QTreeWidgetItem(NodeType) { data.Node = this; }
    TTreeItemData data;
    int image = -1;
};

// Draws selected items in the tree's selection font and colours.
class TSelectDelegate : public QStyledItemDelegate {
public:
    explicit TSelectDelegate(TSkTree* tree) : QStyledItemDelegate(tree), tree(tree) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!(option->state & QStyle::State_Selected)) return;
        option->font = tree->SelectFont();
        option->palette.setColor(QPalette::Highlight, tree->SelectColor());
        option->palette.setColor(QPalette::HighlightedText, tree->SelectFontColor());
    }

private:
    TSkTree* tree;
};

// Equality that folds ASCII letters only; other letters must match exactly.
bool equalsAsciiNoCase(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x == y) continue;
        if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
        if (x != y) return false;
    }
    return true;
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString trimBlanks(QStringView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.mid(b, e - b).toString();
}

} // namespace

TSkTree::TSkTree(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    setItemDelegate(new TSelectDelegate(this));
    selectColor = palette().color(QPalette::Active, QPalette::Highlight);
    selectFont = font();
    SetSelectColor(selectColor);
    connect(this, &QTreeWidget::itemClicked, this, [this] { raiseAction(this); });
    connect(this, &QTreeWidget::itemSelectionChanged, this, &TSkTree::selectionChanged_);
    // Expanding or collapsing changes which nodes are visible next to the
    // selected one.
    connect(this, &QTreeWidget::itemExpanded, this, &TSkTree::UpdateNavButtons);
    connect(this, &QTreeWidget::itemCollapsed, this, &TSkTree::UpdateNavButtons);
    UpdateNavButtons();
}

TSkTree::~TSkTree() {
    disconnect(this, nullptr, this, nullptr);
    RecordHistory = false;
    History.clear();
}

TTreeItemData* TSkTree::RecordOf(const QTreeWidgetItem* node) {
    if (!node || node->type() != TTreeNode::NodeType) return nullptr;
    return const_cast<TTreeItemData*>(&static_cast<const TTreeNode*>(node)->data);
}

QTreeWidgetItem* TSkTree::AddItem(QTreeWidgetItem* parent, const QString& caption, const QString& key,
                                  pugi::xml_node data) {
    auto* node = new TTreeNode;
    node->setText(0, caption);
    node->data.Key = key;
    node->data.Data = data;
    node->data.Index = static_cast<int>(ItemList.size());
    ItemList.push_back(&node->data);
    if (parent)
        parent->addChild(node);
    else
        addTopLevelItem(node);
    return node;
}

void TSkTree::ClearItems() {
    const bool was = RecordHistory;
    RecordHistory = false;
    ItemList.clear();
    clear();
    History.clear();
    HistoryCaptions.clear();
    HistoryPos = 0;
    RecordHistory = was;
}

void TSkTree::LoadFromFile(const QString& name) {
    ClearItems();
    const QStringList lines = LoadTextList(name);
    setUpdatesEnabled(false);
    LoadFromLines(lines);
    setUpdatesEnabled(true);
}

void TSkTree::LoadFromLines(const QStringList& lines) {
    // Nodes are built detached and handed to the view at once; path[d] is
    // the last node made at depth d.
    QList<QTreeWidgetItem*> roots;
    std::vector<QTreeWidgetItem*> path;
    ItemList.reserve(ItemList.size() + lines.size());
    for (const QString& line : lines) {
        qsizetype level = 0;
        while (level < line.size() && isBlank(line[level])) ++level;
        const QStringView rest = QStringView(line).mid(level);
        const qsizetype semi1 = rest.indexOf(u';');
        const qsizetype semi2 = semi1 < 0 ? -1 : rest.indexOf(u';', semi1 + 1);
        auto* node = new TTreeNode;
        node->setText(0, (semi1 < 0 ? rest : rest.left(semi1)).toString());
        TTreeItemData* rec = &node->data;
        if (semi1 >= 0) rec->Key = trimBlanks(semi2 < 0 ? rest.mid(semi1 + 1) : rest.mid(semi1 + 1, semi2 - semi1 - 1));
        // A line indented deeper than one level below the previous node
        // becomes that node's child.
        const size_t depth = std::min<size_t>(static_cast<size_t>(level), path.size());
        path.resize(depth);
        if (depth == 0)
            roots.append(node);
        else
            path.back()->addChild(node);
        path.push_back(node);
        rec->Index = static_cast<int>(ItemList.size());
        ItemList.push_back(rec);
        if (semi2 >= 0) {
            const QString picture = rest.mid(semi2 + 1).toString();
            if (!picture.isEmpty()) setNodeImage(node, ImageIndexFor(picture));
        }
    }
    addTopLevelItems(roots);
    if (openBlock) expandAll();
}

void TSkTree::LoadFromXml(pugi::xml_node element, std::vector<pugi::xml_node>* list, const QString& keyAttr) {
    ClearItems();
    const QByteArray attr = keyAttr.toUtf8();
    QList<QTreeWidgetItem*> roots;
    std::vector<TTreeNode*> withChildren;
    // Depth-first in document order, the nodes built detached.
    struct Frame {
        pugi::xml_node child;
        TTreeNode* parent;
    };
    std::vector<Frame> stack;
    stack.push_back({element.first_child(), nullptr});
    while (!stack.empty()) {
        Frame& f = stack.back();
        if (!f.child) {
            stack.pop_back();
            continue;
        }
        const pugi::xml_node child = f.child;
        TTreeNode* parent = f.parent;
        f.child = f.child.next_sibling();
        if (child.type() != pugi::node_element) continue;
        const QString caption = QString::fromUtf8(child.attribute("caption").value());
        if (caption.isEmpty()) continue;
        auto* node = new TTreeNode;
        node->setText(0, caption);
        TTreeItemData* rec = &node->data;
        rec->Key = QString::fromUtf8(child.attribute(attr.constData()).value());
        rec->Data = child;
        rec->Index = static_cast<int>(ItemList.size());
        ItemList.push_back(rec);
        if (parent)
            parent->addChild(node);
        else
            roots.append(node);
        if (list) list->push_back(child);
        if (child.first_child()) withChildren.push_back(node);
        stack.push_back({child.first_child(), node});
    }
    setUpdatesEnabled(false);
    addTopLevelItems(roots);
    for (TTreeNode* node : withChildren) {
        if (node->childCount() == 0) continue;
        const QString exp = QString::fromUtf8(node->data.Data.attribute("exp").value()).trimmed().toLower();
        node->setExpanded(exp == "true" || exp == "1");
    }
    setUpdatesEnabled(true);
}

QTreeWidgetItem* TSkTree::FindByKey(const QString& key) const {
    for (const auto& rec : ItemList)
        if (equalsAsciiNoCase(rec->Key, key)) return rec->Node;
    return nullptr;
}

QTreeWidgetItem* TSkTree::FindNextByText(const QString& text) const {
    if (ItemList.empty() || text.isEmpty()) return nullptr;
    const int count = static_cast<int>(ItemList.size());
    int s = IndexOfNode(SelectedNode());
    if (s + 1 >= count) s = -1;
    const QString needle = text.toLower();
    auto matches = [&](int i) { return ItemList[i]->Node->text(0).toLower().contains(needle); };
    for (int i = s + 1; i < count; ++i)
        if (matches(i)) return ItemList[i]->Node;
    for (int i = 0; i < count; ++i)
        if (matches(i)) return ItemList[i]->Node;
    return nullptr;
}

int TSkTree::IndexOfNode(const QTreeWidgetItem* node) const {
    const TTreeItemData* rec = RecordOf(node);
    if (!rec || rec->Index < 0 || rec->Index >= static_cast<int>(ItemList.size()) ||
        ItemList[rec->Index] != rec)
        return -1;
    return rec->Index;
}

int TSkTree::AbsoluteIndex(const QTreeWidgetItem* node) const {
    int i = 0;
    for (QTreeWidgetItemIterator it(const_cast<TSkTree*>(this)); *it; ++it, ++i)
        if (*it == node) return i;
    return -1;
}

QTreeWidgetItem* TSkTree::SelectedNode() const {
    QTreeWidgetItem* item = currentItem();
    if (item && item->isSelected()) return item;
    const auto items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

QString TSkTree::SelectedKey() const {
    const TTreeItemData* rec = RecordOf(SelectedNode());
    return rec ? rec->Key : QString();
}

pugi::xml_node TSkTree::SelectedData() const {
    const TTreeItemData* rec = RecordOf(SelectedNode());
    return rec ? rec->Data : pugi::xml_node();
}

bool TSkTree::HasSelectedKeyOrData() const {
    const QTreeWidgetItem* node = SelectedNode();
    const TTreeItemData* rec = RecordOf(node);
    return rec && (!rec->Key.isEmpty() || rec->Data);
}

TActionValue TSkTree::ActionValue() const {
    TActionValue v;
    v.dispatch = HasSelectedKeyOrData();
    v.hasValue = true;
    v.value = SelectedKey();
    v.append = true;
    return v;
}

void TSkTree::moveSelection(bool forward) {
    AutoExpand = false;
    QTreeWidgetItem* sel = SelectedNode();
    if (!sel) return;
    QTreeWidgetItem* to = forward ? itemBelow(sel) : itemAbove(sel);
    if (!to) return;
    setCurrentItem(to);
    scrollToItem(to);
    raiseAction(this);
}

void TSkTree::SelectNextVisible() { moveSelection(true); }
void TSkTree::SelectPrevVisible() { moveSelection(false); }

void TSkTree::UpdateNavButtons() {
    QTreeWidgetItem* sel = SelectedNode();
    if (!sel) return;
    if (NextButton) NextButton->setEnabled(itemBelow(sel) != nullptr);
    if (PrevButton) PrevButton->setEnabled(itemAbove(sel) != nullptr);
}

void TSkTree::ExpandAll() {
    setUpdatesEnabled(false);
    expandAll();
    setUpdatesEnabled(true);
    if (QTreeWidgetItem* sel = SelectedNode()) scrollToItem(sel);
    UpdateNavButtons();
}

void TSkTree::CollapseAll() {
    setUpdatesEnabled(false);
    collapseAll();
    setUpdatesEnabled(true);
    UpdateNavButtons();
}

void TSkTree::ShowOrHide() { PanelLayout::ShowOrHide(this, SavedLeft, SavedTop, positionSaved); }

void TSkTree::selectionChanged_() {
    QTreeWidgetItem* sel = SelectedNode();
    if (RecordHistory) {
        HistoryPos = 0;
        if (sel) {
            History.append(sel);
            HistoryCaptions.prepend(sel->text(0));
            if (History.size() > MaxHistory) {
                History.removeFirst();
                HistoryCaptions.removeLast();
            }
        }
    }
    // A selected node is revealed, as the platform's tree does, shown or not:
    // from a node inside a collapsed branch no next or previous node is visible.
    if (sel)
        for (QTreeWidgetItem* p = sel->parent(); p; p = p->parent())
            if (!p->isExpanded()) p->setExpanded(true);
    if (AutoExpand && sel && sel->childCount() > 0) sel->setExpanded(true);
    UpdateNavButtons();
}

QTreeWidgetItem* TSkTree::HistoryNode(int p) const {
    const int count = static_cast<int>(History.size());
    if (p < 0 || p > count - 1) return nullptr;
    return History[count - p - 1];
}

void TSkTree::GoHistory(int p) {
    if (topLevelItemCount() == 0 || p < 0 || p > History.size() - 1) return;
    RecordHistory = false;
    HistoryPos = p;
    try {
        setCurrentItem(HistoryNode(p));
        raiseAction(this);
    } catch (...) {
    }
    RecordHistory = true;
}

void TSkTree::SetOpenBlock(bool on) {
    openBlock = on;
    if (on) {
        setUpdatesEnabled(false);
        expandAll();
        setUpdatesEnabled(true);
    }
    setRootIsDecorated(!on);
    setItemsExpandable(!on);
    viewport()->update();
    UpdateNavButtons();
}

void TSkTree::SetSelectColor(const QColor& color) {
    selectColor = color;
    QPalette pal = palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        pal.setColor(g, QPalette::Highlight, color);
    setPalette(pal);
}

void TSkTree::SetSelectFont(const QFont& font, const QColor& color) {
    selectFont = font;
    selectFontColor = color;
    QPalette pal = palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        pal.setColor(g, QPalette::HighlightedText, color);
    setPalette(pal);
    viewport()->update();
}

int TSkTree::ImageIndexFor(const QString& name) {
    const QString key = name.trimmed().toLower();
    auto it = imageCache.constFind(key);
    if (it != imageCache.constEnd()) return it.value();
    const QImage picture = LoadPicture(name);
    int index = -1;
    if (!picture.isNull()) {
        index = static_cast<int>(images.size());
        images.append(QIcon(QPixmap::fromImage(picture.scaled(iconSize(), Qt::IgnoreAspectRatio,
                                                              Qt::SmoothTransformation))));
    }
    // A picture that failed is remembered too, so that it is reported once
    // rather than once per node.
    imageCache.insert(key, index);
    return index;
}

QIcon TSkTree::ImageOf(const QTreeWidgetItem* node) const {
    if (!node || node->type() != TTreeNode::NodeType) return {};
    const int i = static_cast<const TTreeNode*>(node)->image;
    return i >= 0 && i < images.size() ? images[i] : QIcon();
}

void TSkTree::setNodeImage(QTreeWidgetItem* node, int index) {
    static_cast<TTreeNode*>(node)->image = index;
    if (index >= 0 && index < images.size()) node->setIcon(0, images[index]);
}

QItemSelectionModel::SelectionFlags TSkTree::selectionCommand(const QModelIndex& index, const QEvent* e) const {
    // Neither Ctrl with a click nor a click below the last node deselects:
    // the platform's tree only ever moves its selection to another node.
    const QItemSelectionModel::SelectionFlags flags = QTreeWidget::selectionCommand(index, e);
    if (!index.isValid() || flags.testFlag(QItemSelectionModel::Deselect)) return QItemSelectionModel::NoUpdate;
    return flags;
}

void TSkTree::keyReleaseEvent(QKeyEvent* e) {
    QTreeWidget::keyReleaseEvent(e);
    if (!e->isAutoRepeat()) raiseAction(this);
}

void TSkTree::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!OwnDblClick) {
        QTreeWidget::mouseDoubleClickEvent(e);
        return;
    }
    QTreeWidgetItem* sel = SelectedNode();
    if (!sel) return;
    setUpdatesEnabled(false);
    sel->setExpanded(!sel->isExpanded());
    setUpdatesEnabled(true);
}

void TSkTree::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
    const bool selected = selectionModel() && selectionModel()->isSelected(index);
    if (!selected) {
        // Open block: no expand buttons.
        if (!openBlock) QTreeWidget::drawBranches(painter, rect, index);
        return;
    }
    // A selected row's indent is filled with the selection colour; the
    // platform would fill it with the style's own highlight.
    painter->fillRect(rect, selectColor);
    if (openBlock || !rootIsDecorated()) return;
    QStyleOption opt;
    opt.initFrom(this);
    opt.rect = QRect(rect.right() - indentation() + 1, rect.top(), indentation(), rect.height());
    opt.state = QStyle::State_Item;
    const QTreeWidgetItem* item = itemFromIndex(index);
    if (item && item->childCount() > 0) opt.state |= QStyle::State_Children;
    if (isExpanded(index)) opt.state |= QStyle::State_Open;
    style()->drawPrimitive(QStyle::PE_IndicatorBranch, &opt, painter, this);
}
