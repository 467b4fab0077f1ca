// The thin control classes: the Qt widget each one is, the user event each
// raises, what each puts into its action, and their small own behaviours
// (item files, bounds, digits-only typing).

#include "SkinControl/skComboBox.h"
#include "SkinControl/skDiagram.h"
#include "SkinControl/skEditBox.h"
#include "SkinControl/skFlash.h"
#include "SkinControl/skGif.h"
#include "SkinControl/skGrid.h"
#include "SkinControl/skHTML.h"
#include "SkinControl/skHtmlGrid.h"
#include "SkinControl/skImage.h"
#include "SkinControl/skListBox.h"
#include "SkinControl/skListImg.h"
#include "SkinControl/skListView.h"
#include "SkinControl/skMedia.h"
#include "SkinControl/skPic.h"
#include "SkinControl/skProgressBar.h"
#include "SkinControl/skSpinEdit.h"
#include "SkinControl/skTrackBar.h"
#include "SkinControl/skTreeView.h"
#include "SkinControl/skTreeViewEx.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QWheelEvent>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF local(at);
    const QPointF global(w->mapToGlobal(at));
    QMouseEvent e(type, local, global, button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void click(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    mouse(w, QEvent::MouseButtonPress, at, button);
    mouse(w, QEvent::MouseButtonRelease, at, button);
}

void doubleClick(QWidget* w, QPoint at) {
    click(w, at);
    mouse(w, QEvent::MouseButtonDblClick, at);
    mouse(w, QEvent::MouseButtonRelease, at);
}

void key(QWidget* w, int k, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

// A shown top-level window the controls live in.
struct Host {
    QWidget window;
    Host() {
        window.resize(400, 300);
        window.show();
    }
    template <typename T> T* make() {
        auto* c = new T(&window);
        c->setGeometry(0, 0, 300, 200);
        c->show();
        return c;
    }
};

// Counts the user events a control raises.
struct Events {
    int actions = 0;
    QList<int> keys;
    QObject* sender = nullptr;
    void watch(TSkControl* c) {
        c->OnAction = [this](QObject* s) {
            ++actions;
            sender = s;
        };
        c->OnKey = [this](QObject* s, int k) {
            keys << k;
            sender = s;
        };
    }
};

} // namespace

TEST(ThinControls, EachTypeIsItsQtWidgetAndADescribedControl) {
    struct Row {
        const char* type;
        const char* qtBase;
        std::function<QObject*(QWidget*)> make;
    } rows[] = {
        {"tree", "QTreeWidget", [](QWidget* p) { return new TSkTree(p); }},
        {"tree_ex", "QTreeWidget", [](QWidget* p) { return new TSkTreeEx(p); }},
        {"html", "QTextBrowser", [](QWidget* p) { return new TSkHtml(p); }},
        {"grid", "QTableWidget", [](QWidget* p) { return new TSkGrid(p); }},
        {"html_grid", "QTextBrowser", [](QWidget* p) { return new TskHtmlGrid(p); }},
        {"list_img", "QTextBrowser", [](QWidget* p) { return new TListImg(p); }},
        {"diagram", "QWidget", [](QWidget* p) { return new TskDiagram(p); }},
        {"image", "QLabel", [](QWidget* p) { return new TSkImage(p); }},
        {"pic", "QWidget", [](QWidget* p) { return new TSkPic(p); }},
        {"flash", "QWidget", [](QWidget* p) { return new TSkFlash(p); }},
        {"gif", "QLabel", [](QWidget* p) { return new TSkGif(p); }},
        {"list_view", "QTreeView", [](QWidget* p) { return new TSkListView(p); }},
        {"edit_box", "QLineEdit", [](QWidget* p) { return new TSkEditBox(p); }},
        {"combo_box", "QComboBox", [](QWidget* p) { return new TSkComboBox(p); }},
        {"spin_edit", "QSpinBox", [](QWidget* p) { return new TSkSpinEdit(p); }},
        {"list_box", "QListWidget", [](QWidget* p) { return new TSkListBox(p); }},
        {"progress_bar", "QProgressBar", [](QWidget* p) { return new TSkProgressBar(p); }},
        {"track_bar", "QSlider", [](QWidget* p) { return new TSkTrackBar(p); }},
    };
    QWidget parent;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        QObject* o = row.make(&parent);
        EXPECT_TRUE(o->inherits(row.qtBase));
        TSkControl* c = AsSkControl(o);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->skWidget(), o);
        EXPECT_EQ(c->skWidget()->parentWidget(), &parent);
        c->SetSkinObject("default");
        EXPECT_EQ(o->property("skin").toString(), "default");
    }
    auto* track = parent.findChild<TSkTrackBar*>();
    EXPECT_EQ(track->orientation(), Qt::Horizontal);
    EXPECT_EQ(track->value(), 0);
}

TEST(ThinControls, MediaPlayerHasNoParentAndMakesNoDeviceWhenBuilt) {
    QWidget window;
    QWidget* area = new QWidget(&window);
    auto* media = new TSkMedia(&window);
    media->SetDisplay(area);
    EXPECT_EQ(media->parent(), &window) << "the window owns it";
    EXPECT_EQ(media->skWidget(), area);
    EXPECT_FALSE(media->HasPlayer());
    EXPECT_TRUE(window.findChildren<QMediaPlayer*>().isEmpty());
    delete area;
    EXPECT_EQ(media->skWidget(), nullptr) << "a destroyed display area is not left dangling";
}

TEST(ThinControlEvents, TreesRaiseTheirActionOnAClickOnAnItem) {
    Host host;
    auto* tree = host.make<TSkTree>();
    QTreeWidgetItem* node = tree->AddItem(nullptr, "Engine", "12");
    auto* treeEx = host.make<TSkTreeEx>();
    treeEx->move(0, 0);
    QTreeWidgetItem* item = treeEx->AddItem(nullptr, "Brakes", "7");
    struct Row {
        const char* name;
        QTreeWidget* view;
        QTreeWidgetItem* item;
    } rows[] = {{"tree", tree, node}, {"tree_ex", treeEx, item}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Events ev;
        ev.watch(AsSkControl(row.view));
        row.view->raise();
        const QRect r = row.view->visualItemRect(row.item);
        ASSERT_FALSE(r.isEmpty());
        click(row.view->viewport(), QPoint(r.right() - 5, r.center().y()));
        EXPECT_EQ(ev.actions, 1);
        EXPECT_EQ(ev.sender, row.view);
        EXPECT_TRUE(row.item->isSelected());
        ev.actions = 0;
        click(row.view->viewport(), QPoint(5, r.bottom() + 40));
        EXPECT_EQ(ev.actions, 0) << "a click beside the items is no item click";
    }
}

TEST(ThinControlEvents, CheckableTreeReportsSpaceAndLeavesTheToggleToTheRuntime) {
    Host host;
    auto* tree = host.make<TSkTreeEx>();
    QTreeWidgetItem* keyed = tree->AddItem(nullptr, "Keyed", "k");
    QTreeWidgetItem* plain = tree->AddItem(nullptr, "Plain", "");
    EXPECT_TRUE(TSkTreeEx::HasCheckBox(keyed));
    EXPECT_FALSE(TSkTreeEx::HasCheckBox(plain));
    EXPECT_FALSE(plain->flags() & Qt::ItemIsUserCheckable) << "an item without key cannot be checked";
    tree->CheckBoxes = false;
    EXPECT_FALSE(TSkTreeEx::HasCheckBox(tree->AddItem(nullptr, "Late", "x")));

    Events ev;
    ev.watch(tree);
    tree->setFocus();
    tree->setCurrentItem(keyed);
    key(tree, Qt::Key_Space, " ");
    EXPECT_EQ(ev.keys, QList<int>{32});
    EXPECT_EQ(keyed->checkState(0), Qt::Unchecked) << "Qt must not toggle it as well";
}

TEST(ThinControlEvents, ImageRaisesItsActionOnALeftClick) {
    Host host;
    auto* image = host.make<TSkImage>();
    Events ev;
    ev.watch(image);
    click(image, QPoint(10, 10), Qt::RightButton);
    EXPECT_EQ(ev.actions, 0);
    click(image, QPoint(10, 10));
    EXPECT_EQ(ev.actions, 1);
    mouse(image, QEvent::MouseButtonPress, QPoint(10, 10));
    mouse(image, QEvent::MouseButtonRelease, QPoint(500, 500));
    EXPECT_EQ(ev.actions, 1) << "released outside: no click";
}

TEST(ThinControlEvents, ListBoxRaisesItsActionOnADoubleClick) {
    Host host;
    auto* list = host.make<TSkListBox>();
    list->AddItem("First", "1");
    Events ev;
    ev.watch(list);
    const QRect r = list->visualItemRect(list->item(0));
    click(list->viewport(), r.center());
    EXPECT_EQ(ev.actions, 0);
    doubleClick(list->viewport(), r.center());
    EXPECT_EQ(ev.actions, 1);
}

TEST(ThinControlEvents, EditBoxReportsEveryKeyRelease) {
    Host host;
    auto* edit = host.make<TSkEditBox>();
    edit->setFocus();
    Events ev;
    ev.watch(edit);
    key(edit, Qt::Key_A, "a");
    key(edit, Qt::Key_Return, "\r");
    key(edit, Qt::Key_Enter, "\r");
    key(edit, Qt::Key_Escape);
    EXPECT_EQ(ev.keys, (QList<int>{'A', 13, 13, 27}));
    EXPECT_EQ(ev.sender, edit);
    EXPECT_EQ(ev.actions, 0);
}

TEST(ThinControlEvents, ComboBoxRaisesItsActionOnTheUsersChangesOnly) {
    Host host;
    auto* combo = host.make<TSkComboBox>();
    combo->LoadFromLines({"One;1", "Two;2"});
    Events ev;
    ev.watch(combo);

    combo->setCurrentIndex(1);
    combo->setCurrentIndex(0);
    EXPECT_EQ(ev.actions, 0) << "a selection made by code runs nothing";

    combo->setFocus();
    key(combo->lineEdit(), Qt::Key_X, "x");
    EXPECT_EQ(ev.actions, 1) << "typing in an editable box";

    combo->SetReadOnly(true);
    combo->SetReadOnly(true);
    combo->setCurrentIndex(0);
    ev.actions = 0;
    key(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(ev.actions, 1) << "choosing another item";

    combo->SetReadOnly(false);
    combo->SetReadOnly(false);
    ev.actions = 0;
    key(combo->lineEdit(), Qt::Key_Y, "y");
    EXPECT_EQ(ev.actions, 1) << "editing is watched once after switching back";

    QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    const int before = combo->currentIndex();
    QApplication::sendEvent(combo, &wheel);
    EXPECT_EQ(combo->currentIndex(), before) << "the wheel never changes the selection";
}

TEST(ThinControlActions, WhatEachKindPutsIntoItsAction) {
    struct Expect {
        bool dispatch;
        bool hasValue;
        QString value;
        bool append;
    };
    struct Row {
        const char* name;
        std::function<TActionValue(QWidget*)> actual;
        Expect expected;
    } rows[] = {
        {"editable combo, nothing selected",
         [](QWidget* p) {
             auto* c = new TSkComboBox(p);
             return c->ActionValue();
         },
         {true, true, "", false}},
        {"read-only combo, nothing selected",
         [](QWidget* p) {
             auto* c = new TSkComboBox(p);
             c->SetReadOnly(true);
             c->LoadFromLines({"A;1"});
             c->setCurrentIndex(-1);
             return c->ActionValue();
         },
         {false, true, "", false}},
        {"read-only combo, item with a value",
         [](QWidget* p) {
             auto* c = new TSkComboBox(p);
             c->SetReadOnly(true);
             c->LoadFromLines({"A;1", "B;data\\b.htm"});
             c->setCurrentIndex(1);
             return c->ActionValue();
         },
         {true, true, "data\\b.htm", false}},
        {"combo item without a value",
         [](QWidget* p) {
             auto* c = new TSkComboBox(p);
             c->LoadFromLines({"Plain"});
             c->setCurrentIndex(0);
             return c->ActionValue();
         },
         {true, true, "", false}},
        {"tree, keyed node selected",
         [](QWidget* p) {
             auto* t = new TSkTree(p);
             t->setCurrentItem(t->AddItem(nullptr, "Engine", "17"));
             return t->ActionValue();
         },
         {true, true, "17", true}},
        {"tree, node with data only",
         [](QWidget* p) {
             auto* t = new TSkTree(p);
             static pugi::xml_document doc;
             const pugi::xml_node group = doc.append_child("group");
             t->setCurrentItem(t->AddItem(nullptr, "Group", "", group));
             return t->ActionValue();
         },
         {true, true, "", true}},
        {"tree, node without key or data",
         [](QWidget* p) {
             auto* t = new TSkTree(p);
             t->setCurrentItem(t->AddItem(nullptr, "Caption", ""));
             return t->ActionValue();
         },
         {false, true, "", true}},
        {"tree, current node not selected",
         [](QWidget* p) {
             auto* t = new TSkTree(p);
             QTreeWidgetItem* n = t->AddItem(nullptr, "Engine", "17");
             t->setCurrentItem(n);
             n->setSelected(false);
             return t->ActionValue();
         },
         {false, true, "", true}},
        {"checkable tree, keyed item",
         [](QWidget* p) {
             auto* t = new TSkTreeEx(p);
             t->setCurrentItem(t->AddItem(nullptr, "Brakes", " 12"));
             return t->ActionValue();
         },
         {true, true, " 12", true}},
        {"checkable tree, item without key",
         [](QWidget* p) {
             auto* t = new TSkTreeEx(p);
             t->setCurrentItem(t->AddItem(nullptr, "Header", ""));
             return t->ActionValue();
         },
         {false, true, "", true}},
        {"list box, item with a value",
         [](QWidget* p) {
             auto* l = new TSkListBox(p);
             l->LoadFromLines({"A#;#1", "B#;#2"});
             l->setCurrentRow(1);
             return l->ActionValue();
         },
         {true, true, "2", true}},
        {"list box, item without a value",
         [](QWidget* p) {
             auto* l = new TSkListBox(p);
             l->LoadFromLines({"A"});
             l->setCurrentRow(0);
             return l->ActionValue();
         },
         {false, true, "", true}},
        {"list box, no current item",
         [](QWidget* p) {
             auto* l = new TSkListBox(p);
             l->LoadFromLines({"A#;#1"});
             l->setCurrentRow(-1);
             return l->ActionValue();
         },
         {false, true, "", true}},
        {"image", [](QWidget* p) { return (new TSkImage(p))->ActionValue(); }, {true, false, "", false}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget parent;
        const TActionValue v = row.actual(&parent);
        EXPECT_EQ(v.dispatch, row.expected.dispatch);
        EXPECT_EQ(v.hasValue, row.expected.hasValue);
        EXPECT_EQ(v.value, row.expected.value);
        EXPECT_EQ(v.append, row.expected.append);
        EXPECT_FALSE(v.position);
    }
}

TEST(ThinControlItems, ComboAndListBoxFilesGiveCaptionsAndHiddenValues) {
    QWidget parent;
    auto* combo = new TSkComboBox(&parent);
    combo->LoadFromLines({"Engine;data\\e.htm", ";skipped", "Plain", "Two;a;b", ""});
    ASSERT_EQ(combo->count(), 3) << "lines with an empty caption add no item";
    EXPECT_EQ(combo->itemText(0), "Engine");
    EXPECT_EQ(combo->itemText(2), "Two");
    combo->setCurrentIndex(2);
    EXPECT_EQ(combo->SelectedValue(), "a;b") << "the value is everything after the first separator";
    combo->setCurrentIndex(1);
    EXPECT_EQ(combo->SelectedValue(), "");
    combo->LoadFromLines({});
    EXPECT_EQ(combo->count(), 3) << "a file without lines keeps the items";

    auto* list = new TSkListBox(&parent);
    list->LoadFromLines({"Engine#;#12", "Plain", "With;semicolon#;#x#;#y", ""});
    ASSERT_EQ(list->count(), 4) << "every line is an item";
    EXPECT_EQ(list->item(2)->text(), "With;semicolon");
    EXPECT_EQ(list->ValueOf(0), "12");
    EXPECT_EQ(list->ValueOf(1), "");
    EXPECT_EQ(list->ValueOf(2), "x#;#y");
    EXPECT_EQ(list->ValueOf(4), "");
    EXPECT_EQ(list->ValueOf(-1), "");
    list->LoadFromLines({});
    EXPECT_EQ(list->count(), 4);
}

TEST(ThinControlItems, ItemFilesAreReadThroughTheLoader) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    folder.writeText("data\\parts.txt", "Двигатель;data\\engine.htm\r\nТормоза;data\\brakes.htm\r\n");
    folder.writeText("list.txt", "Первый#;#1\nВторой\n");
    QWidget parent;
    auto* combo = new TSkComboBox(&parent);
    combo->LoadFromFile("data\\parts.txt");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "Двигатель") << "item files are cp1251";
    combo->setCurrentIndex(1);
    EXPECT_EQ(combo->SelectedValue(), "data\\brakes.htm");
    combo->LoadFromFile("missing.txt");
    EXPECT_EQ(combo->count(), 2) << "a file found nowhere keeps the items";
    EXPECT_EQ(rec->shown().size(), 1);

    auto* list = new TSkListBox(&parent);
    list->LoadFromFile("list.txt");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Второй");
    EXPECT_EQ(list->ValueOf(0), "1");
}

TEST(ThinControlEditors, SpinEditKeepsItsBoundsInKeyOrder) {
    QWidget parent;
    struct Row {
        const char* name;
        std::function<void(TSkSpinEdit*)> apply;
        int expected;
    } rows[] = {
        {"max 10 then min 20",
         [](TSkSpinEdit* s) {
             s->setValue(50);
             s->SetMax(10);
             s->SetMin(20);
         },
         20},
        {"min above the value raises it",
         [](TSkSpinEdit* s) {
             s->setValue(2);
             s->SetMin(5);
         },
         5},
        {"min below the value keeps it",
         [](TSkSpinEdit* s) {
             s->setValue(7);
             s->SetMin(5);
         },
         7},
        {"a number above the default maximum", [](TSkSpinEdit* s) { s->setValue(2000000); }, 1000000},
        {"a number below the default minimum", [](TSkSpinEdit* s) { s->setValue(-5); }, -1},
        {"a number above a set maximum",
         [](TSkSpinEdit* s) {
             s->SetMax(10);
             s->setValue(11);
         },
         10},
        {"crossed bounds: the maximum wins",
         [](TSkSpinEdit* s) {
             s->SetMax(10);
             s->SetMin(20);
             s->setValue(15);
         },
         10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TSkSpinEdit spin(&parent);
        row.apply(&spin);
        EXPECT_EQ(spin.value(), row.expected);
    }
}

TEST(ThinControlPictures, PicturesAndAnimationsLoadEachNameOnce) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(folder.path() + "pic.bmp", "BMP"));
    QWidget parent;
    TSkImage image(&parent);
    image.SetFile("pic.bmp");
    EXPECT_EQ(image.FileName(), "pic.bmp");
    EXPECT_EQ(image.pixmap().size(), QSize(40, 30));
    EXPECT_EQ(image.size(), QSize(40, 30));
    image.SetFile("broken.bmp");
    EXPECT_EQ(image.pixmap().size(), QSize(40, 30)) << "a picture that cannot be read keeps the previous one";
    rec->clear();
    image.SetFile("broken.bmp");
    EXPECT_TRUE(rec->shown().isEmpty()) << "the name shown is not loaded again";

    TSkGif gif(&parent);
    gif.Load("missing.gif");
    gif.Load("missing.gif");
    EXPECT_EQ(rec->texts("message").size() + rec->texts("error").size(), 1) << "the same name is read once";
    EXPECT_EQ(gif.MediaFileName, "missing.gif");
}

TEST(ThinControlPictures, SuspendedFitComesBackOnlyAfterASuspension) {
    QWidget parent;
    TSkImage image(&parent);
    image.SetFit(true);
    image.SuspendFit();
    EXPECT_FALSE(image.Fit());
    image.ResumeFit();
    EXPECT_TRUE(image.Fit());
    image.SetFit(false);
    image.ResumeFit();
    EXPECT_FALSE(image.Fit()) << "resuming without a suspension changes nothing";
}

TEST(ThinControlViews, HtmlTableRendersWhenRenderingIsSwitchedBackOn) {
    QWidget parent;
    TskHtmlGrid grid(&parent);
    EXPECT_TRUE(grid.Rendering());
    grid.SetRendering(false);
    EXPECT_FALSE(grid.Rendering());
    grid.SetRendering(true);
    EXPECT_TRUE(grid.Rendering());
}
