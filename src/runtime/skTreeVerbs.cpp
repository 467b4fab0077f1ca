// The verbs that drive navigation trees.

#include "runtime/skVerbs.h"

#include "SkinControl/skTreeView.h"
#include "platform/Errors.h"
#include "runtime/skUseStract.h"

namespace {

// The favourite's value: the tree's action and the node's place in the tree.
QString favoriteValue(TSkTree* t, QTreeWidgetItem* node) {
    return t->ActionText + "*" + QString::number(t->AbsoluteIndex(node));
}

} // namespace

void RegisterTreeVerbs(QHash<QString, Verb>& verbs) {
    verbs.insert(QHash<QString, Verb>{
        {"tree_go_history", [](VerbContext& c) {
             if (auto* t = c.rt.GetTree(c.a1)) t->GoHistory(StrToInt(c.a2));
         }},
        {"tree_back", [](VerbContext& c) {
             if (auto* t = c.rt.GetTree(c.a1)) t->GoHistory(t->HistoryPos + 1);
         }},
        {"tree_forward", [](VerbContext& c) {
             if (auto* t = c.rt.GetTree(c.a1)) t->GoHistory(t->HistoryPos - 1);
         }},
        {"tree_del_favorite", [](VerbContext& c) {
             auto* t = c.rt.GetTree(c.a1);
             if (QTreeWidgetItem* node = t ? t->SelectedNode() : nullptr)
                 c.rt.DeleteFavorite(favoriteValue(t, node));
         }},
        {"tree_add_favorite", [](VerbContext& c) {
             auto* t = c.rt.GetTree(c.a1);
             if (QTreeWidgetItem* node = t ? t->SelectedNode() : nullptr)
                 c.rt.AddFavorite(node->text(0) + "=" + favoriteValue(t, node));
         }},
        {"tree_go", [](VerbContext& c) {
             auto* t = c.rt.GetTree(c.a1);
             if (!t) return;
             t->setFocus();
             if (QTreeWidgetItem* node = t->FindByKey(c.a2)) {
                 t->setCurrentItem(node);
                 t->scrollToItem(node);
             } else {
                 t->clearSelection();
             }
         }},
        {"tree_show_or_hide", [](VerbContext& c) {
             if (auto* t = c.rt.GetTree(c.a1)) t->ShowOrHide();
         }},
        {"tree_next", [](VerbContext& c) {
             if (auto* t = c.rt.GetTree(c.a1)) t->SelectNextVisible();
         }},
        {"tree_prev", [](VerbContext& c) {
             if (auto* t = c.rt.GetTree(c.a1)) t->SelectPrevVisible();
         }},
        {"tree_expand", [](VerbContext& c) {
             if (auto* t = c.rt.GetTree(c.a1)) t->ExpandAll();
         }},
        {"tree_collapse", [](VerbContext& c) {
             if (auto* t = c.rt.GetTree(c.a1)) t->CollapseAll();
         }},
    });
}
