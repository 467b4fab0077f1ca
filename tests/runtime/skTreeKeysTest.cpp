// Navigation trees in described windows: their keys, the speed-button keys
// that link a button to a tree, and the tree verbs.

#include "SkinControl/skHTML.h"
#include "SkinControl/skSpeedButton.h"
#include "SkinControl/skTreeView.h"
#include "platform/Errors.h"
#include "runtime/skUseStract.h"
#include "DescribedWindow.h"

#include <gtest/gtest.h>

namespace {

const char* TreeFile = "Двигатель;10\n\tПоршень;11\n\tШатун;12\nКузов;20\n\tДвери;21\nПрочее;30\n";

// A window with a tree "t" loaded from tree.txt, next/prev buttons, a
// favourites menu and a host handler that records what reaches it.
struct TreeWindow : DescribedWindow {
    QStringList host;
    TSkTree* t = nullptr;
    explicit TreeWindow(const QString& treeKeys = "action=tree_go2*t\n")
        : DescribedWindow(WithForm("[fav]\ntype=pop_menu\nglob_action=nil\nfavorite=1\n"
                                   "[next]\ntype=sp_button\n[prev]\ntype=sp_button\n"
                                   "[t]\ntype=tree\nwidth=200\nheight=300\nload=tree.txt\n"
                                   "but_next=next\nbut_prev=prev\n" +
                                   treeKeys)) {
        folder.writeText("tree.txt", TreeFile);
        rt->OnHostCommand = [this](const RHelpAction& a) { host << a.Action; };
        build();
        t = object<TSkTree>("t");
    }
    QTreeWidgetItem* node(int i) { return t->ItemList.at(i)->Node; }
    void select(const QString& key) { t->setCurrentItem(t->FindByKey(key)); }
};

} // namespace

TEST(TreeKeys, KeysApplyToTheTree) {
    BuiltWindow b("[view]\ntype=html\n[t]\ntype=tree\nwidth=500\nheight=500\nmax_width=200\nmax_height=300\n"
                  "min_width=50\nmin_height=60\nload=tree.txt\nbordur=1\nopen_block=1\nlink_html=view\n"
                  "color_select=#102030\nfont_select=Serif*14*#FFFF00*\ncolor=#FAFAFA\n"
                  "[plain]\ntype=tree\nbordur=0\ncolor=\ncolor_select=\n[late]\ntype=tree\nlink_html=view2\n[view2]\ntype=html\n",
                  "tree.txt", TreeFile);
    auto* t = b.object<TSkTree>("t");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->size(), QSize(200, 300));
    EXPECT_EQ(t->minimumSize(), QSize(50, 60));
    EXPECT_EQ(t->ItemList.size(), 6u);
    EXPECT_NE(t->frameShape(), QFrame::NoFrame);
    auto* plain = b.object<TSkTree>("plain");
    EXPECT_EQ(plain->frameShape(), QFrame::NoFrame);
    const TSkTree fresh(nullptr);
    EXPECT_EQ(plain->SelectColor(), fresh.SelectColor()) << "an empty colour keeps the tree's own";
    EXPECT_EQ(plain->palette().color(QPalette::Base), fresh.palette().color(QPalette::Base));
    EXPECT_TRUE(t->OpenBlock());
    EXPECT_TRUE(t->ItemList[0]->Node->isExpanded());
    EXPECT_EQ(b.object<TSkHtml>("view")->LinkedTree, t);
    EXPECT_EQ(b.object<TSkHtml>("view2")->LinkedTree, nullptr) << "named before it was built";
    EXPECT_EQ(b.rec->shown(), QStringList{"test.txt\r\nGetComponent. Не найден контрол: view2"});
    EXPECT_EQ(t->SelectColor(), QColor("#102030"));
    EXPECT_EQ(t->SelectFont().pointSize(), 14);
    EXPECT_EQ(t->SelectFontColor(), QColor(Qt::yellow));
    EXPECT_EQ(t->palette().color(QPalette::Base), QColor("#FAFAFA"));
}

TEST(TreeKeys, ButtonsLinkFromEitherSide) {
    struct Row {
        const char* name;
        QString description;
    } rows[] = {
        {"keys of the tree", "[n]\ntype=sp_button\n[p]\ntype=sp_button\n"
                             "[t]\ntype=tree\nload=tree.txt\nbut_next=n\nbut_prev=p\n"},
        {"keys of the buttons", "[t]\ntype=tree\nload=tree.txt\n"
                                "[n]\ntype=sp_button\nbut_next_tree=t\n[p]\ntype=sp_button\nbut_prev_tree=t\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        BuiltWindow b(r.description, "tree.txt", TreeFile);
        auto* t = b.object<TSkTree>("t");
        auto* n = b.object<TSkSpeedButton>("n");
        auto* p = b.object<TSkSpeedButton>("p");
        ASSERT_TRUE(t && n && p);
        EXPECT_EQ(t->NextButton, n);
        EXPECT_EQ(t->PrevButton, p);
        t->setCurrentItem(t->topLevelItem(0));
        EXPECT_TRUE(n->isEnabled());
        EXPECT_FALSE(p->isEnabled());
    }
}

TEST(TreeVerbs, ClickPutsTheSelectedKeyIntoTheAction) {
    struct Row {
        const char* action;
        const char* reaches;
    } rows[] = {
        {"tree_go2*t", "tree_go2*t*12"},
        {"tree_go2*view*data\\insert.htm", "tree_go2*view*data\\12.htm"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.action);
        TreeWindow w(QString("action=") + r.action + "\n");
        w.select("12");
        w.t->Click();
        EXPECT_EQ(w.host, QStringList{r.reaches});
    }
}

TEST(TreeVerbs, GoSelectsWithoutClickAndRecordsHistory) {
    TreeWindow w;
    w.rt->RunAction("tree_go*t*11");
    EXPECT_EQ(w.t->SelectedKey(), "11");
    EXPECT_TRUE(w.host.isEmpty()) << "tree_go does not run the action";
    EXPECT_EQ(w.t->HistoryCaptions, QStringList{"Поршень"});
    w.rt->RunAction("tree_go*t*nothing");
    EXPECT_EQ(w.t->SelectedNode(), nullptr);
}

TEST(TreeVerbs, HistoryBackForwardAndJump) {
    TreeWindow w;
    for (const char* key : {"10", "11", "20", "30"}) w.rt->RunAction(QString("tree_go*t*") + key);
    w.rt->RunAction("tree_back*t");
    EXPECT_EQ(w.t->SelectedKey(), "20");
    EXPECT_EQ(w.host, QStringList{"tree_go2*t*20"});
    EXPECT_EQ(w.t->History.size(), 4) << "going back adds nothing";
    w.rt->RunAction("tree_go_history*t*3");
    EXPECT_EQ(w.t->SelectedKey(), "10");
    w.rt->RunAction("tree_forward*t");
    EXPECT_EQ(w.t->SelectedKey(), "11");
    EXPECT_EQ(w.t->HistoryPos, 2);
    w.rt->RunAction("tree_go_history*t*4");
    EXPECT_EQ(w.t->SelectedKey(), "11") << "beyond the history: nothing";
    EXPECT_THROW(w.rt->RunAction("tree_go_history*t*x//tree_go*t*30"), EConvertError);
    EXPECT_EQ(w.t->SelectedKey(), "11") << "the commands after it do not run";
}

TEST(TreeVerbs, NextPrevExpandCollapseShowOrHide) {
    TreeWindow w;
    auto* next = w.object<TSkSpeedButton>("next");
    w.rt->RunAction("tree_go*t*21");
    w.rt->RunAction("tree_next*t");
    EXPECT_EQ(w.t->SelectedKey(), "30");
    EXPECT_FALSE(next->isEnabled());
    w.rt->RunAction("tree_prev*t");
    EXPECT_EQ(w.t->SelectedKey(), "21");
    EXPECT_EQ(w.host, (QStringList{"tree_go2*t*30", "tree_go2*t*21"}));
    EXPECT_TRUE(next->isEnabled());

    w.rt->RunAction("tree_expand*t");
    for (int i : {0, 3}) EXPECT_TRUE(w.node(i)->isExpanded());
    w.rt->RunAction("tree_collapse*t");
    for (int i : {0, 3}) EXPECT_FALSE(w.node(i)->isExpanded());

    const QPoint at = w.t->pos();
    w.rt->RunAction("tree_show_or_hide*t");
    EXPECT_TRUE(w.t->isHidden());
    w.rt->RunAction("tree_show_or_hide*t");
    EXPECT_FALSE(w.t->isHidden());
    EXPECT_EQ(w.t->pos(), at);
}

TEST(TreeVerbs, FavouritesTakeCaptionActionAndPlaceInTheTree) {
    TreeWindow w;
    w.rt->RunAction("tree_add_favorite*t");
    EXPECT_TRUE(w.rt->Favorites().isEmpty()) << "nothing selected";
    w.rt->RunAction("tree_expand*t//tree_go*t*21//tree_add_favorite*t");
    EXPECT_EQ(w.rt->Favorites(), QStringList{"Двери=tree_go2*t*4"});
    w.rt->RunAction("tree_del_favorite*t");
    EXPECT_TRUE(w.rt->Favorites().isEmpty());
}
