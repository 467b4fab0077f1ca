// The navigation tree: both load formats, lookups, visit history, next and
// previous moves with their buttons, open block, double-click and drawing.

#include "SkinControl/skSpeedButton.h"
#include "SkinControl/skTreeView.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace {

// Each node as "depth:caption|key", in tree order.
QStringList dump(TSkTree& t) {
    QStringList out;
    for (QTreeWidgetItemIterator it(&t); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) ++depth;
        const TTreeItemData* rec = TSkTree::RecordOf(*it);
        out << QString("%1:%2|%3").arg(depth).arg((*it)->text(0), rec ? rec->Key : "?");
    }
    return out;
}

// A tree with an action counter.
struct Tree {
    TSkTree t{nullptr};
    int clicks = 0;
    Tree() {
        t.OnAction = [this](QObject*) { ++clicks; };
        t.resize(300, 400);
    }
    void lines(const QStringList& l) { t.LoadFromLines(l); }
    QTreeWidgetItem* node(int i) { return t.ItemList.at(i)->Node; }
    void select(int i) { t.setCurrentItem(node(i)); }
};

} // namespace

TEST(Tree, LinesMakeNodesByIndentation) {
    struct Row {
        const char* name;
        QStringList lines;
        QStringList nodes;
    } rows[] = {
        {"tabs", {"A", "\tB", "\t\tC", "D"}, {"0:A|", "1:B|", "2:C|", "0:D|"}},
        {"blanks", {"A", " B", "  C", "D"}, {"0:A|", "1:B|", "2:C|", "0:D|"}},
        {"blank and tab are two levels", {"A", "\tB", " \tC"}, {"0:A|", "1:B|", "2:C|"}},
        {"back up to a middle level", {"A", "\tB", "\t\tC", "\tD"}, {"0:A|", "1:B|", "2:C|", "1:D|"}},
        {"caption, trimmed key, trailing blank kept", {"Engine ; 12 ;p"}, {"0:Engine |12"}},
        {"no separator: all caption", {"Двигатель в сборе"}, {"0:Двигатель в сборе|"}},
        {"one separator: no picture", {"A;\tk1\t"}, {"0:A|k1"}},
        {"blank line", {"A", ""}, {"0:A|", "0:|"}},
        {"first line indented is a root", {"\t\tA", "B"}, {"0:A|", "0:B|"}},
        // Too deep for the line before: the sound place is under the previous node.
        {"too deep goes under the previous node", {"A", "\t\t\tB", "\t\t\t\tC", "D"},
         {"0:A|", "1:B|", "2:C|", "0:D|"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        RecordingPlatformGuard rec;
        Tree t;
        t.lines(r.lines);
        EXPECT_EQ(dump(t.t), r.nodes);
        EXPECT_EQ(int(t.t.ItemList.size()), r.nodes.size());
    }
}

TEST(Tree, HugeLineIsOneNode) {
    Tree t;
    const QString caption(1 << 20, QChar(u'Ж'));
    t.lines({caption + ";key"});
    ASSERT_EQ(t.t.ItemList.size(), 1u);
    EXPECT_EQ(t.node(0)->text(0), caption);
    EXPECT_EQ(t.t.ItemList[0]->Key, "key");
}

TEST(Tree, PicturesAreLoadedOncePerName) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::blue);
    img.save(folder.path() + "wheel;1.bmp");
    Tree t;
    t.lines({"A;1;wheel;1.bmp", "B;2; WHEEL;1.BMP ", "C;3;", "D;4;none.bmp", "E;5;none.bmp"});
    EXPECT_EQ(t.t.Images().size(), 1) << "the second name hits the cache";
    EXPECT_FALSE(t.t.ImageOf(t.node(0)).isNull());
    EXPECT_FALSE(t.t.ImageOf(t.node(1)).isNull());
    EXPECT_TRUE(t.t.ImageOf(t.node(2)).isNull());
    EXPECT_TRUE(t.t.ImageOf(t.node(3)).isNull());
    const int reports = rec->shown().size();
    EXPECT_GT(reports, 0);
    RecordingPlatformGuard once;
    Tree single;
    single.lines({"D;4;none.bmp"});
    EXPECT_EQ(once->shown().size(), reports) << "a missing picture is reported once, not per node";
}

TEST(Tree, FileLoadsThroughTheArchiveLoadersAndAMissingFileEmptiesTheTree) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    folder.writeText("data/tree.txt", "Кузов;10\r\n\tДвери;11\r\n");
    Tree t;
    t.t.LoadFromFile("data\\tree.txt");
    EXPECT_EQ(dump(t.t), (QStringList{"0:Кузов|10", "1:Двери|11"}));
    t.select(1);
    EXPECT_EQ(t.t.History.size(), 1);
    t.t.LoadFromFile("missing.txt");
    EXPECT_EQ(rec->shown(), QStringList{"Не найден файл \r\nmissing.txt"});
    EXPECT_EQ(t.t.topLevelItemCount(), 0);
    EXPECT_TRUE(t.t.ItemList.empty());
    EXPECT_TRUE(t.t.History.isEmpty()) << "history goes with the nodes";
    EXPECT_TRUE(t.t.HistoryCaptions.isEmpty());
}

TEST(Tree, XmlChildrenBecomeNodesWithDataAndExpansion) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(R"(<root>
        <a caption="Двигатель" ind="g1" exp=" TRUE "><b caption="Поршень" ind="g2"/></a>
        <c caption="" ind="x"><d caption="Hidden"/></c>
        <e caption="Кузов" exp="0"><f caption="Дверь" ind="G3"/></e>
        <g caption="Folder" exp="1"/>
    </root>)"));
    Tree t;
    t.lines({"old"});
    std::vector<pugi::xml_node> list;
    t.t.LoadFromXml(doc.child("root"), &list, "ind");
    EXPECT_EQ(dump(t.t), (QStringList{"0:Двигатель|g1", "1:Поршень|g2", "0:Кузов|", "1:Дверь|G3", "0:Folder|"}));
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[1], doc.child("root").child("a").child("b"));
    EXPECT_EQ(t.t.ItemList[3]->Data, list[3]);
    EXPECT_TRUE(t.node(0)->isExpanded());
    EXPECT_FALSE(t.node(2)->isExpanded());
    t.t.setCurrentItem(t.t.FindByKey("g3"));
    EXPECT_EQ(t.t.SelectedData(), list[3]);
    EXPECT_TRUE(t.t.HasSelectedKeyOrData());
    t.select(2);
    EXPECT_TRUE(t.t.HasSelectedKeyOrData()) << "no key but data: the action still runs";
}

TEST(Tree, FindByKeyFoldsAsciiOnly) {
    Tree t;
    EXPECT_EQ(t.t.FindByKey(""), nullptr) << "empty tree";
    t.lines({"A;Data\\Page.htm", "B;Ключ", "C;data\\page.htm"});
    EXPECT_EQ(t.t.FindByKey("DATA\\PAGE.HTM"), t.node(0)) << "first record wins";
    EXPECT_EQ(t.t.FindByKey("Ключ"), t.node(1));
    EXPECT_EQ(t.t.FindByKey("КЛЮЧ"), nullptr);
    EXPECT_EQ(t.t.FindByKey("nothing"), nullptr);
}

TEST(Tree, FindNextByTextWrapsOnce) {
    struct Row {
        const char* name;
        int selected; // -1: none
        const char* text;
        int expected; // -1: none
    } rows[] = {
        {"from nothing selected", -1, "двиг", 0},
        {"after the selection", 0, "ДВИГ", 2},
        {"wraps to the start", 2, "двиг", 0},
        {"only match is the selected node", 1, "короб", 1},
        {"last selected starts over", 3, "масло", 2},
        {"no match", 0, "колесо", -1},
        {"empty text", 0, "", -1},
    };
    Tree t;
    t.lines({"Двигатель", "Коробка", "двигатель: масло", "Прочее"});
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.selected < 0)
            t.t.clearSelection();
        else
            t.select(r.selected);
        QTreeWidgetItem* found = t.t.FindNextByText(QString::fromUtf8(r.text));
        EXPECT_EQ(found, r.expected < 0 ? nullptr : t.node(r.expected));
    }
}

TEST(Tree, HistoryKeepsTwentyAndGoesBackWithoutRecording) {
    Tree t;
    QStringList lines;
    for (int i = 0; i < 21; ++i) lines << QString("N%1;%1").arg(i);
    t.lines(lines);
    for (int i = 0; i < 21; ++i) t.select(i);
    ASSERT_EQ(t.t.History.size(), 20);
    EXPECT_EQ(t.t.History.first(), t.node(1)) << "the first selection is gone";
    EXPECT_EQ(t.t.HistoryCaptions.first(), "N20");
    EXPECT_EQ(t.t.HistoryCaptions.last(), "N1");
    EXPECT_EQ(t.t.HistoryNode(0), t.node(20));
    EXPECT_EQ(t.t.HistoryNode(19), t.node(1));
    EXPECT_EQ(t.t.HistoryNode(20), nullptr);
    EXPECT_EQ(t.t.HistoryNode(-1), nullptr);

    for (int p : {20, -1}) {
        t.t.GoHistory(p);
        EXPECT_EQ(t.clicks, 0) << "out of range does nothing: " << p;
    }
    t.t.GoHistory(t.t.HistoryPos + 1);
    EXPECT_EQ(t.t.SelectedNode(), t.node(19));
    EXPECT_EQ(t.t.HistoryPos, 1);
    EXPECT_EQ(t.clicks, 1);
    EXPECT_EQ(t.t.History.size(), 20);
    EXPECT_EQ(t.t.HistoryCaptions.first(), "N20");

    // A failing action is swallowed and recording comes back on.
    t.t.OnAction = [](QObject*) { throw std::runtime_error("boom"); };
    EXPECT_NO_THROW(t.t.GoHistory(5));
    EXPECT_TRUE(t.t.RecordHistory);
    t.select(0);
    EXPECT_EQ(t.t.HistoryPos, 0);
    EXPECT_EQ(t.t.HistoryCaptions.first(), "N0") << "a new selection after going back is the newest";
    EXPECT_EQ(t.t.History.size(), 20);
}

TEST(Tree, NextAndPreviousMoveThroughVisibleNodesAndEnableButtons) {
    Tree t;
    TSkSpeedButton next(nullptr), prev(nullptr);
    t.t.NextButton = &next;
    t.t.PrevButton = &prev;
    t.lines({"A;1", "\tB;2", "C;3", "\tD;4"});
    t.t.AutoExpand = true;
    t.t.UpdateNavButtons();
    EXPECT_TRUE(next.isEnabled() && prev.isEnabled()) << "nothing selected: nothing changes";

    t.select(0);
    EXPECT_TRUE(t.node(0)->isExpanded()) << "selection expands while automatic expansion is on";
    EXPECT_TRUE(next.isEnabled());
    EXPECT_FALSE(prev.isEnabled());
    t.t.SelectNextVisible();
    EXPECT_FALSE(t.t.AutoExpand) << "stays off after a move";
    EXPECT_EQ(t.t.SelectedNode(), t.node(1));
    t.t.SelectNextVisible();
    EXPECT_EQ(t.t.SelectedNode(), t.node(2));
    EXPECT_FALSE(t.node(2)->isExpanded());
    EXPECT_FALSE(next.isEnabled()) << "C is collapsed: D is not visible";
    EXPECT_TRUE(prev.isEnabled());
    t.t.SelectNextVisible();
    EXPECT_EQ(t.t.SelectedNode(), t.node(2));
    EXPECT_EQ(t.clicks, 2) << "no move, no click";
    t.t.SelectPrevVisible();
    EXPECT_EQ(t.t.SelectedNode(), t.node(1));
    EXPECT_EQ(t.clicks, 3);
    t.t.clearSelection();
    t.t.SelectNextVisible();
    EXPECT_EQ(t.clicks, 3);
}

TEST(Tree, ASelectedNodeIsRevealedAndButtonsFollowExpansion) {
    Tree t; // never shown
    TSkSpeedButton next(nullptr);
    t.t.NextButton = &next;
    t.lines({"A;1", "\tB;2", "C;3", "\tD;4"});
    t.select(1);
    t.select(2);
    t.t.CollapseAll();
    t.t.GoHistory(1);
    EXPECT_EQ(t.t.SelectedNode(), t.node(1));
    EXPECT_TRUE(t.node(0)->isExpanded()) << "the node went back to is visible";
    EXPECT_TRUE(next.isEnabled());
    t.t.SelectNextVisible();
    EXPECT_EQ(t.t.SelectedNode(), t.node(2));
    EXPECT_FALSE(next.isEnabled());
    t.node(2)->setExpanded(true);
    EXPECT_TRUE(next.isEnabled()) << "expanding the selected node shows a next node";
    t.t.CollapseAll();
    EXPECT_FALSE(next.isEnabled());
}

TEST(Tree, ClicksNeverDeselect) {
    struct Row {
        const char* name;
        bool onNode;
        Qt::KeyboardModifiers modifiers;
    } rows[] = {
        {"ctrl click on the selected node", true, Qt::ControlModifier},
        {"click below the last node", false, Qt::NoModifier},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Tree t;
        t.lines({"A;1", "B;2"});
        t.t.show();
        t.select(0);
        const QPoint at = r.onNode ? t.t.visualItemRect(t.node(0)).center() : QPoint(50, 350);
        const QPoint global = t.t.viewport()->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, r.modifiers);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, r.modifiers);
        QApplication::sendEvent(t.t.viewport(), &press);
        QApplication::sendEvent(t.t.viewport(), &release);
        EXPECT_EQ(t.t.SelectedKey(), "1");
        EXPECT_EQ(t.t.History.size(), 1);
    }
}

TEST(Tree, OpenBlockExpandsEverythingAndHidesTheButtons) {
    Tree t;
    t.t.SetOpenBlock(true);
    t.lines({"A", "\tB", "\t\tC", "D", "\tE"});
    for (int i : {0, 1, 3}) EXPECT_TRUE(t.node(i)->isExpanded()) << i;
    EXPECT_FALSE(t.t.rootIsDecorated());
    t.t.SetOpenBlock(false);
    EXPECT_TRUE(t.t.rootIsDecorated());
    EXPECT_TRUE(t.node(0)->isExpanded()) << "nothing is collapsed";
}

TEST(Tree, DoubleClickTogglesTheSelectedNodeItself) {
    struct Row {
        const char* name;
        bool own, openBlock, select;
        bool expandedAfter;
        int dblSignals;
    } rows[] = {
        {"own toggles", true, false, true, true, 0},
        {"own toggles in open block", true, true, true, false, 0},
        {"own with nothing selected", true, false, false, false, 0},
        {"platform handling", false, false, true, true, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Tree t;
        t.t.OwnDblClick = r.own;
        t.lines({"A", "\tB", "C"});
        t.t.SetOpenBlock(r.openBlock);
        t.t.show();
        if (r.select) t.select(0);
        QSignalSpy spy(&t.t, &QTreeWidget::itemDoubleClicked);
        const QPoint at = t.t.visualItemRect(t.node(0)).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, t.t.viewport()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, t.t.viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        if (!r.select) t.t.clearSelection();
        else QApplication::sendEvent(t.t.viewport(), &press);
        QApplication::sendEvent(t.t.viewport(), &dbl);
        EXPECT_EQ(t.node(0)->isExpanded(), r.expandedAfter);
        EXPECT_EQ(spy.count(), r.dblSignals);
    }
}

TEST(Tree, KeyReleaseRunsTheClick) {
    Tree t;
    t.lines({"A;1", "B;2"});
    t.select(0);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&t.t, &up);
    EXPECT_EQ(t.clicks, 1);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&t.t, &repeat);
    EXPECT_EQ(t.clicks, 1) << "auto-repeat is not the key coming up";
}

TEST(Tree, SelectedItemsAreDrawnInTheSelectColour) {
    Tree t;
    t.t.SetSelectColor(QColor(200, 0, 0));
    t.t.SetSelectFont(QFont(), Qt::yellow);
    t.lines({"A", "B"});
    t.select(1);
    t.t.show();
    const QImage img = t.t.viewport()->grab().toImage();
    const QRect row = t.t.visualItemRect(t.node(1));
    EXPECT_EQ(img.pixelColor(row.right() - 2, row.center().y()), QColor(200, 0, 0));
    t.t.clearFocus();
    EXPECT_EQ(t.t.palette().color(QPalette::Inactive, QPalette::Highlight), QColor(200, 0, 0))
        << "selection stays visible without the focus";
}

TEST(Tree, ShowOrHideRemembersThePosition) {
    QWidget parent;
    parent.resize(400, 400);
    TSkTree t(&parent);
    t.setGeometry(30, 40, 100, 100);
    t.ShowOrHide();
    EXPECT_TRUE(t.isHidden());
    t.move(0, 0);
    t.ShowOrHide();
    EXPECT_FALSE(t.isHidden());
    EXPECT_EQ(t.pos(), QPoint(30, 40));
}
