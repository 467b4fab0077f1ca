// Pop-up menus from description sections, favourites and their registry
// values, history menus and the window's system menu.

#include "DescribedWindow.h"

#include "SkinControl/skForm.h"
#include "SkinControl/skTitleBar.h"
#include "SkinControl/skTreeView.h"
#include "platform/Errors.h"
#include "platform/RegistryStore.h"
#include "runtime/skPopMenu.h"

#include <QUuid>
#include <gtest/gtest.h>

namespace {

QString uniqueKey() { return "Software\\MenuTest\\" + QUuid::createUuid().toString(QUuid::Id128); }
QString FormWithRegistry() { return "[main]\ntype=form\nreg_dat=" + uniqueKey() + "\n"; }

// A described window whose unknown verbs reach the host list.
struct MenuWindow : DescribedWindow {
    QStringList host;
    explicit MenuWindow(const QString& objects, const QString& form = FormWithRegistry())
        : DescribedWindow(form + objects) {
        rt->OnHostCommand = [this](const RHelpAction& a) { host << a.Action; };
        build();
    }
    TSkPopMenu* menu(const QString& name = "m") { return object<TSkPopMenu>(name); }
};

// "caption|action" of every item, and "*" after the checked one.
QStringList itemsOf(const TSkPopMenu* m) {
    QStringList out;
    for (int i = 0; i < m->ItemCount(); ++i) {
        const TSkItem* item = m->ItemAt(i);
        out << item->text() + "|" + item->ActionText + (item->isChecked() ? "*" : "");
    }
    return out;
}


const QString MissingParameters = "Для меню m надо указать все параметры:\r\nCaption, Action и можно Key";

} // namespace

TEST(BuildMenu, SectionsGiveItemsInOrder) {
    struct Case {
        const char* name;
        QString section;
        QStringList items;
        int fixed, last;
        QStringList messages;
    } cases[] = {
        {"missing actions stay empty", "caption=A;B;C\naction=x;;z\n", {"A|x", "B|", "C|z"}, 3, 0, {}},
        {"global action fills gaps", "caption=A;B;C\naction=x;;z\nglob_action=g\n", {"A|x", "B|g", "C|z"}, 3, 0, {}},
        {"captions drive the loop", "caption=A\naction=x;y;z\nkey=F2;F3\n", {"A|x"}, 1, 0, {}},
        {"last items after fixed", "last_caption=L\nlast_action=l\ncaption=A\naction=a\n", {"A|a", "L|l"}, 1, 1, {}},
        {"global action alone", "glob_action=g\n", {}, 0, 0, {}},
        {"no action", "caption=A\n", {}, 0, 0, {MissingParameters}},
        {"no caption", "action=a\nlast_caption=L\n", {}, 0, 0, {MissingParameters}},
        {"only the type", "", {}, 0, 0, {MissingParameters}},
        {"checked item", "caption=A;B\naction=a;b\ncheck=1\n", {"A|a", "B|b*"}, 2, 0, {}},
        {"checked last item", "caption=A\naction=a\nlast_caption=L\nlast_action=l\ncheck=1\n", {"A|a", "L|l*"}, 1, 1, {}},
        {"check past the end", "caption=A\naction=a\ncheck=5\n", {"A|a"}, 1, 0, {}},
        {"caption length", "caption=Front suspension arm;Hub\naction=a;b\nlength=10\n",
         {"Front...|a", "Hub|b"}, 2, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuWindow w("[m]\ntype=pop_menu\n" + c.section);
        ASSERT_NE(w.menu(), nullptr);
        EXPECT_EQ(itemsOf(w.menu()), c.items);
        EXPECT_EQ(w.menu()->FixedCount, c.fixed);
        EXPECT_EQ(w.menu()->LastCount, c.last);
        EXPECT_EQ(w.rec->texts("message"), c.messages);
    }
}

TEST(BuildMenu, NonIntegerCheckOrLengthStopsTheBuild) {
    for (const char* key : {"check=first", "length=10x"}) {
        SCOPED_TRACE(key);
        DescribedWindow w(WithForm(QString("[m]\ntype=pop_menu\nglob_action=g\n") + key + "\n"));
        EXPECT_THROW(w.build(), EConvertError);
    }
}

TEST(BuildMenu, ItemKeysBecomeHotKeysAndClicksRunTheAction) {
    MenuWindow w("[m]\ntype=pop_menu\ncaption=A;B;C\naction=x;;z\nglob_action=g\nkey=Ctrl+F;Alt+F2;bad\n"
                 "last_caption=L\nlast_action=l\nlast_key=F9\n");
    TSkHotKey& keys = w.form.HotKeys();
    ASSERT_EQ(keys.count(), 4);
    EXPECT_EQ(keys.action(3), "l");
    EXPECT_EQ(w.menu()->ItemAt(3)->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_EQ(keys.action(0), "x");
    EXPECT_EQ(keys.action(1), "g");
    EXPECT_EQ(keys.shortcut(2), 0) << "a key text that does not parse never matches";
    EXPECT_EQ(w.menu()->ItemAt(0)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));

    w.rt->ActivatePage();
    EXPECT_TRUE(w.form.HandleKey(Qt::Key_F, Qt::ControlModifier));
    w.menu()->ItemAt(2)->trigger();
    EXPECT_EQ(w.host, (QStringList{"x", "z"}));
}

TEST(PopMenu, ItemOperations) {
    MenuWindow w("[m]\ntype=pop_menu\nglob_action=g\nlength=8\n");
    TSkPopMenu* m = w.menu();
    m->InsertItem(3, "First", "", "one");                // no items yet: appended
    m->InsertItem(0, "Second item", "Shift+Del", "two"); // caption cut at a space
    m->AppendItem("Third", "ONE", "");
    EXPECT_EQ(itemsOf(m), (QStringList{"Second...|two", "First|one", "Third|ONE"}));
    EXPECT_EQ(m->ItemAt(0)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    EXPECT_EQ(m->ItemAt(3), nullptr);
    EXPECT_EQ(m->ItemAt(-1), nullptr);
    EXPECT_EQ(m->FindItemByAction("TWO"), m->ItemAt(0));
    EXPECT_EQ(m->FindItemByAction("none"), nullptr);
    EXPECT_EQ(m->RemoveItemByAction("one"), 1);
    EXPECT_EQ(m->RemoveItemByAction("one"), 1) << "the second match, now at 1";
    EXPECT_EQ(m->RemoveItemByAction("one"), -1);
    m->RemoveItemAt(5);
    EXPECT_EQ(m->ItemCount(), 1);
    EXPECT_EQ(m->actions().size(), 1);
    m->ClearItems();
    EXPECT_EQ(m->ItemCount(), 0);
    EXPECT_TRUE(m->actions().isEmpty());
}

// Favourites: the runtime's list of lines and the items of its menus.
namespace {
const QString FavoriteMenu = "[m]\ntype=pop_menu\nfavorite=1\nglob_action=insert\n"
                             "caption=Add\naction=add\nlast_caption=Clear\nlast_action=clear\n";
}

TEST(Favorites, AddingKeepsListAndMenusAlike) {
    struct Case {
        const char* name;
        QString menus;
        QStringList added;
        QStringList list;
        QStringList items;
    } cases[] = {
        {"same line twice stored once", FavoriteMenu, {"Wheels=go*17", "wheels=GO*17"},
         {"Wheels=go*17"}, {"Add|add", "Wheels|go*17", "Clear|clear"}},
        {"same value replaces the older favourite", FavoriteMenu, {"Wheels=go*17", "Hubs=go*5", "Rims=go*17"},
         {"Rims=go*17", "Hubs=go*5"}, {"Add|add", "Rims|go*17", "Hubs|go*5", "Clear|clear"}},
        {"newest first, after the fixed items", FavoriteMenu, {"A=1", "B=2"},
         {"B=2", "A=1"}, {"Add|add", "B|2", "A|1", "Clear|clear"}},
        {"template with insert", "[m]\ntype=pop_menu\nfavorite=1\nglob_action=tree_go*t*insert//x\n",
         {"A=17"}, {"A=17"}, {"A|tree_go*t*17//x"}},
        {"template without insert gets the value appended",
         "[m]\ntype=pop_menu\nfavorite=1\nglob_action=go\n", {"A=17"}, {"A=17"}, {"A|go*17"}},
        {"nil takes the value itself", "[m]\ntype=pop_menu\nfavorite=1\nglob_action=nil\n",
         {"A=go*1"}, {"A=go*1"}, {"A|go*1"}},
        {"a line without value", "[m]\ntype=pop_menu\nfavorite=1\nglob_action=nil\n", {"Plain"}, {"Plain"},
         {"Plain|"}},
        {"a fixed item with the same action stays", FavoriteMenu, {"Again=add"},
         {"Again=add"}, {"Add|add", "Again|add", "Clear|clear"}},
        {"a repeated favorite key counts once",
         "[m]\ntype=pop_menu\nFavorite=1\nfavorite=1\nglob_action=nil\nglob_action=other\n", {"A=1", "B=2"},
         {"B=2", "A=1"}, {"B|2", "A|1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuWindow w(c.menus);
        for (const QString& line : c.added) w.rt->AddFavorite(line);
        EXPECT_EQ(w.rt->Favorites(), c.list);
        EXPECT_EQ(itemsOf(w.menu()), c.items);
        EXPECT_TRUE(w.rec->shown().isEmpty());
    }
}

TEST(Favorites, TwentyAtMostInListAndMenu) {
    MenuWindow w(FavoriteMenu + "[m2]\ntype=pop_menu\nfavorite=1\nglob_action=show*insert\n");
    for (int i = 0; i < 20; ++i) w.rt->AddFavorite(QString("F%1=%1").arg(i));
    w.rt->AddFavorite("New=new");
    QStringList list = w.rt->Favorites();
    ASSERT_EQ(list.size(), 20);
    EXPECT_EQ(list.first(), "New=new");
    EXPECT_EQ(list.last(), "F1=1") << "the oldest line went";
    for (TSkPopMenu* m : {w.menu("m"), w.menu("m2")}) {
        EXPECT_EQ(m->ItemCount(), m->FixedCount + 20 + m->LastCount);
        EXPECT_EQ(m->ItemAt(m->FixedCount)->text(), "New");
        EXPECT_EQ(m->ItemAt(m->ItemCount() - m->LastCount - 1)->text(), "F1");
    }
    EXPECT_EQ(w.menu()->ItemAt(w.menu()->ItemCount() - 1)->text(), "Clear");

    // A full list that takes an old value again loses only that value's line.
    w.rt->AddFavorite("Again=5");
    list = w.rt->Favorites();
    EXPECT_EQ(list.size(), 20);
    EXPECT_EQ(list.first(), "Again=5");
    EXPECT_FALSE(list.contains("F5=5"));
    EXPECT_TRUE(list.contains("F1=1"));
    EXPECT_EQ(w.menu()->ItemCount(), 22);
    EXPECT_EQ(w.menu("m2")->FindItemByAction("show*5")->text(), "Again");
}

TEST(Favorites, MessagesForMissingMenusAndTemplates) {
    {
        MenuWindow w("[m]\ntype=pop_menu\nglob_action=g\n", "[main]\ntype=form\n");
        w.rt->AddFavorite("A=1");
        EXPECT_TRUE(w.rt->Favorites().isEmpty());
        EXPECT_EQ(w.rec->shown(),
                  QStringList{"test.txt\r\nAddFavorite. Укажите меню которое хранит избранное (favorite)"});
    }
    {
        // The menu without a template stops the loop: the line stays listed,
        // the menu after it gets no item.
        MenuWindow w("[a]\ntype=pop_menu\nfavorite=1\ncaption=X\naction=x\n"
                     "[b]\ntype=pop_menu\nfavorite=1\nglob_action=nil\n");
        EXPECT_EQ(w.rt->FavoriteMenus(), "a;b");
        w.rt->AddFavorite("A=1");
        EXPECT_EQ(w.rt->Favorites(), QStringList{"A=1"});
        EXPECT_EQ(w.menu("a")->ItemCount(), 1);
        EXPECT_EQ(w.menu("b")->ItemCount(), 0);
        EXPECT_EQ(w.rec->shown(),
                  QStringList{"test.txt\r\na.AddFavorite. Пропишите в меню glob_action для работы избранного"});
    }
}

TEST(Favorites, DeletingTakesTheLineWithThatValue) {
    MenuWindow w(FavoriteMenu);
    for (const char* line : {"One=tree*1", "Seventeen=tree*17", "Star=a*b"}) w.rt->AddFavorite(line);
    w.rt->RunAction("menu_del_favore*TREE*1");
    EXPECT_EQ(w.rt->Favorites(), (QStringList{"Star=a*b", "Seventeen=tree*17"}));
    w.rt->RunAction("menu_del_favore*a*b");
    EXPECT_EQ(w.rt->Favorites(), QStringList{"Seventeen=tree*17"});
    w.rt->DeleteFavorite("none");
    w.rt->DeleteFavorite("");
    EXPECT_EQ(itemsOf(w.menu()), (QStringList{"Add|add", "Seventeen|tree*17", "Clear|clear"}));
}

TEST(Favorites, RegistryRoundTrip) {
    const QString key = uniqueKey();
    const QString form = "[main]\ntype=form\nreg_dat=" + key + "\n";
    RegistryStore::WriteString(key, "favorite_0", "Zero=0");
    RegistryStore::WriteString(key, "favorite_1", "");
    RegistryStore::WriteString(key, "favorite_2", "Two=2");
    RegistryStore::WriteString(key, "favorite_3", "Three=3");
    RegistryStore::WriteString(key, "favorite_20", "Old=20");
    {
        MenuWindow w(FavoriteMenu, form);
        EXPECT_EQ(w.rt->Favorites(), (QStringList{"Zero=0", "Two=2", "Three=3", "Old=20"}));
        EXPECT_EQ(w.menu()->ItemAt(1)->text(), "Zero");
        w.rt->DeleteFavorite("3");
        w.rt->DeleteFavorite("20");
        EXPECT_EQ(RegistryStore::ReadString(key, "favorite_3").value_or(""), "Three=3")
            << "nothing is written while the window is open";
    }
    auto value = [&](int n) { return RegistryStore::ReadString(key, "favorite_" + QString::number(n)); };
    EXPECT_EQ(value(0).value_or(""), "Zero=0");
    EXPECT_EQ(value(1).value_or(""), "Two=2");
    EXPECT_FALSE(value(2).has_value());
    EXPECT_FALSE(value(3).has_value());
    EXPECT_EQ(value(20).value_or(""), "Old=20") << "values past the last of twenty stay";
}

TEST(Favorites, WithoutRegistryPathNothingIsReadAndEachSaveReports) {
    MenuWindow w(FavoriteMenu, "[main]\ntype=form\n");
    EXPECT_EQ(w.rec->shown(), QStringList{"test.txt\r\nReadFavorite. Укажите путь в реестре (reg_dat для form)"});
    w.rec->clear();
    w.rt->AddFavorite("A=1");
    w.rt->AddFavorite("B=2");
    w.rt->SaveFavorites(true);
    EXPECT_EQ(w.rec->shown().size(), 2);
    EXPECT_TRUE(w.rt->Favorites().isEmpty());
}

TEST(HistoryMenu, FixedItemsGiveWayAndAMissingTargetIsSilent) {
    MenuWindow w("[m]\ntype=pop_menu\nhistory_back=ghost\ncaption=A\naction=a\n"
                 "[plain]\ntype=pop_menu\ncaption=A\naction=a\n");
    EXPECT_EQ(w.menu()->ItemCount(), 1);
    EXPECT_TRUE(w.rt->FillHistoryMenu(w.menu()));
    EXPECT_EQ(w.menu()->ItemCount(), 0);
    EXPECT_FALSE(w.rt->FillHistoryMenu(w.menu("plain")));
    EXPECT_EQ(w.menu("plain")->ItemCount(), 1);
    EXPECT_TRUE(w.rec->shown().isEmpty());
    EXPECT_TRUE(w.rt->MessagesEnabled());
}

TEST(HistoryMenu, AnHtmlViewWithoutHistoryGivesAnEmptyMenu) {
    MenuWindow w("[h]\ntype=html\n[m]\ntype=pop_menu\nhistory_back=h\nhistory_prev=h\nglob_action=g\n"
                 "caption=A\naction=a\n");
    w.rt->RunAction("menu_show*m");
    EXPECT_EQ(w.menu()->ItemCount(), 0);
    w.menu()->hide();
    EXPECT_TRUE(w.rec->shown().isEmpty());
}

TEST(HistoryMenu, TreeHistoryInTheOrderBackPrevFull) {
    MenuWindow w("[t]\ntype=tree\n"
                 "[back]\ntype=pop_menu\nglob_action=g\nhistory_back=t\n"
                 "[prev]\ntype=pop_menu\nglob_action=g\nhistory_prev=t\n"
                 "[full]\ntype=pop_menu\nglob_action=g\nhistory_full=t\n"
                 "[all]\ntype=pop_menu\nglob_action=g\nhistory_full=t\nhistory_prev=t\nhistory_back=t\n");
    auto* tree = w.object<TSkTree>("t");
    ASSERT_NE(tree, nullptr);
    for (const char* caption : {"Engine", "Brakes", "Wheels"})
        tree->setCurrentItem(tree->AddItem(nullptr, caption, caption));
    ASSERT_EQ(tree->HistoryCaptions, (QStringList{"Wheels", "Brakes", "Engine"}));
    tree->GoHistory(1); // Brakes shown: Engine is back, Wheels forward

    const struct {
        const char* menu;
        QStringList items;
    } rows[] = {
        {"back", {"Engine|tree_go_history*t*2"}},
        {"prev", {"Wheels|tree_go_history*t*0"}},
        {"full", {"Wheels|tree_go_history*t*0", "Brakes|tree_go_history*t*1*", "Engine|tree_go_history*t*2"}},
        {"all",
         {"Engine|tree_go_history*t*2", "Wheels|tree_go_history*t*0", "Wheels|tree_go_history*t*0",
          "Brakes|tree_go_history*t*1*", "Engine|tree_go_history*t*2"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.menu);
        TSkPopMenu* m = w.menu(r.menu);
        EXPECT_TRUE(w.rt->FillHistoryMenu(m));
        EXPECT_EQ(itemsOf(m), r.items);
        EXPECT_TRUE(w.rt->FillHistoryMenu(m)) << "rebuilt, not added to";
        EXPECT_EQ(itemsOf(m), r.items);
    }
    // An item takes the tree there; showing the menu any way rebuilds it.
    w.menu("back")->ItemAt(0)->trigger();
    EXPECT_EQ(tree->HistoryPos, 2);
    EXPECT_EQ(tree->SelectedNode()->text(0), "Engine");
    w.menu("prev")->popup(QPoint(0, 0));
    EXPECT_EQ(w.menu("prev")->ItemCount(), 2);
    w.menu("prev")->hide();
    EXPECT_TRUE(w.rec->shown().isEmpty());
}

TEST(SystemMenu, ADescribedMenuReplacesTheWindowsOwn) {
    auto texts = [](const QMenu* menu) {
        QStringList out;
        for (const QAction* a : menu->actions())
            if (!a->isSeparator()) out << a->text();
        return out;
    };
    const QStringList own{"Восстановить", "Свернуть", "Развернуть", "Закрыть"};
    MenuWindow plain("[m]\ntype=pop_menu\ncaption=A\naction=a\n");
    EXPECT_EQ(texts(plain.form.SystemMenu()), own);
    MenuWindow later("[m]\ntype=pop_menu\ncaption=A\naction=a\nmenu_system=1\n"
                     "[n]\ntype=pop_menu\ncaption=B\naction=b\nmenu_system=yes\n");
    EXPECT_EQ(texts(later.form.SystemMenu()), own) << "a later menu_system that is not true restores the own";

    MenuWindow w("[m]\ntype=pop_menu\ncaption=A\naction=a\nmenu_system=true\n");
    ASSERT_EQ(w.form.SystemMenu(), w.menu());
    w.form.show();
    w.form.TitleBar()->SystemButton()->click();
    EXPECT_TRUE(w.menu()->isVisible());
    w.menu()->ItemAt(0)->trigger();
    w.menu()->hide();
    EXPECT_EQ(w.host, QStringList{"a"});
}
