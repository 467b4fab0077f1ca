// The verbs that drive navigation trees.

#include "runtime/skVerbs.h"

#include "SkinControl/skTreeView.h"
#include "platform/Errors.h"
#include "runtime/skUseStract.h"

void RegisterTreeVerbs(QHash<QString, Verb>& verbs) {
    verbs.insert(QHash<QString, Verb>{
        {"tree_go_history", [](VerbContext& c) {
             if (c.rt.GetTree(c.a1)) StrToInt(c.a2);
         }},
        {"tree_back", [](VerbContext& c) { c.rt.GetTree(c.a1); }},
        {"tree_forward", [](VerbContext& c) { c.rt.GetTree(c.a1); }},
        {"tree_del_favorite", [](VerbContext& c) { c.rt.GetTree(c.a1); }},
        {"tree_add_favorite", [](VerbContext& c) { c.rt.GetTree(c.a1); }},
        {"tree_go", [](VerbContext& c) { c.rt.GetTree(c.a1); }},
        {"tree_show_or_hide", [](VerbContext& c) { c.rt.GetTree(c.a1); }},
        {"tree_next", [](VerbContext& c) { c.rt.GetTree(c.a1); }},
        {"tree_prev", [](VerbContext& c) { c.rt.GetTree(c.a1); }},
        {"tree_expand", [](VerbContext& c) {
             if (auto* t = c.rt.GetTree(c.a1)) t->expandAll();
         }},
        {"tree_collapse", [](VerbContext& c) {
             if (auto* t = c.rt.GetTree(c.a1)) t->collapseAll();
         }},    });
}
