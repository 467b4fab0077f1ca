// The keys of the editors, lists, trees, views, pictures and players, applied
// while a description file is built.

#include "DescribedWindow.h"
#include "SkinControl/skComboBox.h"
#include "SkinControl/skEditBox.h"
#include "SkinControl/skHTML.h"
#include "SkinControl/skImage.h"
#include "SkinControl/skLabel.h"
#include "SkinControl/skListBox.h"
#include "SkinControl/skMedia.h"
#include "SkinControl/skSpinEdit.h"
#include "SkinControl/skTrackBar.h"
#include "SkinControl/skTreeView.h"
#include "SkinControl/uFORM.h"
#include "platform/Errors.h"
#include "runtime/skListHint.h"
#include "runtime/skPopMenu.h"
#include "runtime/skUseStract.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

using Built = BuiltWindow;

TEST(EditorKeys, EveryTypeBuildsAndTakesItsSharedKeys) {
    struct Row {
        const char* type;
        bool action;
        bool hint;
    } rows[] = {
        {"tree", true, false},     {"tree_ex", true, false},      {"html", true, false},
        {"grid", true, false},     {"html_grid", false, false},   {"list_img", true, false},
        {"diagram", false, true},  {"image", true, false},        {"pic", false, false},
        {"flash", false, false},   {"media", false, false},       {"gif", false, false},
        {"edit_box", true, true},  {"combo_box", true, false},    {"spin_edit", false, true},
        {"list_box", true, false}, {"progress_bar", false, true}, {"track_bar", true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        Built b(QString("[obj]\ntype=%1\naction=go*x\nhint=Tip\n").arg(row.type));
        EXPECT_TRUE(b.rec->shown().isEmpty()) << b.rec->shown().join("|").toStdString();
        TSkControl* c = b.object<TSkControl>("obj");
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->ActionText, row.action ? "go*x" : "");
        if (row.type != QString("media")) EXPECT_EQ(c->skWidget()->toolTip(), row.hint ? "Tip" : "");
    }
}

TEST(EditorKeys, SkinKeysSetTheSkinObject) {
    struct Row {
        const char* type;
        const char* value;
        const char* expected;
    } rows[] = {
        {"tree", "tree_skin*skins\\a.skn", "tree_skin"},
        {"grid", "grid_skin", "grid_skin"},
        {"list_box", "lb*x.skn", "lb"},
        {"track_bar", "*x.skn", "default"},
        {"pic", "logo", "logo"},
        {"tree_ex", "ignored", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        Built b(QString("[obj]\ntype=%1\nskin=%2\n").arg(row.type, row.value));
        EXPECT_EQ(b.object<TSkControl>("obj")->SkinObject(), row.expected);
    }
}

TEST(EditorKeys, ComboBoxTakesASkinFileTheWindowLoadsNow) {
    TempAppFolder folder;
    folder.writeText("skins\\combo.qss", "QComboBox { color: red; }");
    RecordingPlatformGuard rec;
    TfrmFORM form;
    folder.writeText("test.txt", "[main]\ntype=form\n[first]\ntype=combo_box\nskin=box*skins\\combo.qss\n"
                                 "[second]\ntype=combo_box\nskin=box*skins\\combo.qss\n");
    TSkStract rt(&form, "test.txt");
    rt.Build();
    EXPECT_EQ(rt.GetComboBox("first")->SkinObject(), "box");
    EXPECT_EQ(rt.GetComboBox("first")->styleSheet(), "QComboBox { color: red; }");
    EXPECT_EQ(rt.GetComboBox("second")->SkinObject(), "box");
    EXPECT_EQ(rt.GetComboBox("second")->styleSheet(), "") << "a skin file already loaded is not taken again";
}

TEST(EditorKeys, EditorAndListKeys) {
    Built b("[num]\ntype=edit_box\nonly_number=1\n"
            "[text]\ntype=edit_box\nonly_number=yes\n"
            "[combo]\ntype=combo_box\nread_only=true\ncount_line=5\n"
            "[spin]\ntype=spin_edit\nmax=10\nmin=20\n"
            "[list]\ntype=list_box\nmultiselect=1\n"
            "[img]\ntype=image\nscale=1\n");
    EXPECT_TRUE(b.object<TSkEditBox>("num")->OnlyNumber());
    EXPECT_FALSE(b.object<TSkEditBox>("text")->OnlyNumber()) << "other text gives the default";
    EXPECT_TRUE(b.object<TSkComboBox>("combo")->ReadOnly());
    EXPECT_EQ(b.object<TSkComboBox>("combo")->maxVisibleItems(), 5);
    EXPECT_EQ(b.object<TSkSpinEdit>("spin")->value(), 20) << "capped at 10, then raised to 20";
    EXPECT_EQ(b.object<TSkListBox>("list")->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(b.object<TSkImage>("img")->Fit());
}

TEST(EditorKeys, LoadKeysReadItemFiles) {
    TempAppFolder folder;
    folder.writeText("items.txt", "One;1\nTwo;2\n");
    folder.writeText("empty.txt", "");
    folder.writeText("list.txt", "A#;#a\nB#;#b\n");
    RecordingPlatformGuard rec;
    TfrmFORM form;
    folder.writeText("test.txt",
                     "[main]\ntype=form\n[combo]\ntype=combo_box\nread_only=1\nload=items.txt\n"
                     "[none]\ntype=combo_box\nload=empty.txt\n[list]\ntype=list_box\nload=list.txt\n");
    TSkStract rt(&form, "test.txt");
    rt.Build();
    auto* combo = rt.GetComboBox("combo");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentIndex(), 0) << "loading selects the first item";
    EXPECT_EQ(combo->SelectedValue(), "1");
    EXPECT_EQ(rt.GetComboBox("none")->count(), 0);
    EXPECT_EQ(rt.GetComboBox("none")->currentIndex(), -1) << "a file with no lines selects nothing";
    auto* list = dynamic_cast<TSkListBox*>(rt.GetControl("list"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->ValueOf(1), "b");
    EXPECT_TRUE(rec->shown().isEmpty());
}

TEST(EditorKeys, IntegerKeysRefuseText) {
    for (const char* key : {"max", "min"}) {
        SCOPED_TRACE(key);
        EXPECT_THROW(Built(QString("[spin]\ntype=spin_edit\n%1=ten\n").arg(key)), EConvertError);
    }
    EXPECT_THROW(Built("[c]\ntype=combo_box\ncount_line=x\n"), EConvertError);
}

TEST(EditorKeys, MediaPlayerShowsInItsParentAndIgnoresAnchors) {
    Built b("[area]\ntype=panel\nleft=10\ntop=20\nwidth=100\nheight=50\n"
            "[player]\ntype=media\nmaster=area\nanchor=0 0 0 0\n");
    auto* media = b.object<TSkMedia>("player");
    ASSERT_NE(media, nullptr);
    QWidget* area = b.object<QWidget>("area");
    EXPECT_EQ(media->Display(), area);
    EXPECT_EQ(area->geometry(), QRect(10, 20, 100, 50));
    EXPECT_FALSE(media->HasPlayer());
}

namespace {

void press(QWidget* w, int k, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &up);
}

void mouse(QWidget* w, QEvent::Type type, QPoint at) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void doubleClick(QWidget* w, QPoint at) {
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                      QEvent::MouseButtonRelease})
        mouse(w, type, at);
}

// A built window whose host commands are recorded.
struct HostWindow : BuiltWindow {
    QStringList host;
    explicit HostWindow(const QString& objects, const QString& file = {}, const QString& text = {})
        : BuiltWindow(objects, file, text) {
        rt->OnHostCommand = [this](const RHelpAction& a) { host << a.Action; };
        form.show();
    }
};

} // namespace

TEST(EditorKeys, MinLinkTakesOnlyADigitsOnlyBox) {
    Built b("[to]\ntype=edit_box\nonly_number=1\n[plain]\ntype=edit_box\n"
            "[from]\ntype=edit_box\nmin_link=to\n"
            "[other]\ntype=edit_box\nmin_link=plain\n"
            "[ghost]\ntype=edit_box\nmin_link=nobody\n");
    auto* to = b.object<TSkEditBox>("to");
    auto* from = b.object<TSkEditBox>("from");
    EXPECT_EQ(from->MinLink(), to);
    EXPECT_EQ(b.object<TSkEditBox>("other")->MinLink(), nullptr);
    EXPECT_EQ(b.object<TSkEditBox>("ghost")->MinLink(), nullptr);
    EXPECT_EQ(b.rec->shown(), QStringList{"test.txt\r\nGetComponent. Не найден контрол: nobody"});
    from->setText("1990");
    to->setText("1985");
    press(to, Qt::Key_Return, "\r");
    EXPECT_EQ(to->text(), "1990");
}

TEST(EditorKeys, PictureAndTitleKeys) {
    Built b("[m]\ntype=pop_menu\ncaption=A\naction=a\n"
            "[img]\ntype=image\nmax_scale=250\nmin_scale=50\ncenter=1\nmenu=m\nmove=1\n"
            "[plain]\ntype=image\n"
            "[page]\ntype=html\n[title]\ntype=label\nhtml_title=page\n"
            "[bar]\ntype=track_bar\n");
    auto* img = b.object<TSkImage>("img");
    EXPECT_DOUBLE_EQ(img->MaxScale, 2.5);
    EXPECT_DOUBLE_EQ(img->MinScale, 0.5);
    EXPECT_TRUE(img->Center());
    EXPECT_EQ(img->PopupMenu.data(), b.object<TSkPopMenu>("m"));
    EXPECT_TRUE(img->MoveWindow);
    auto* plain = b.object<TSkImage>("plain");
    EXPECT_FALSE(plain->Center());
    EXPECT_FALSE(plain->MoveWindow);
    EXPECT_EQ(plain->PopupMenu.data(), nullptr);
    EXPECT_EQ(b.object<TSkHtml>("page")->TitleLabel.data(), b.object<TSkLabel>("title"));
    auto* bar = b.object<TSkTrackBar>("bar");
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->tickPosition(), QSlider::NoTicks);
    EXPECT_TRUE(b.rec->shown().isEmpty()) << b.rec->shown().join("|").toStdString();
    EXPECT_THROW(Built("[i]\ntype=image\nmax_scale=big\n"), EConvertError);
}

// What the user's changes on the editors send to the window's host.
TEST(EditorActions, UserChangesRunTheirActions) {
    HostWindow w("[ro]\ntype=combo_box\nread_only=1\naction=ro*insert\n"
                 "[ed]\ntype=combo_box\naction=ed*(insert)\n"
                 "[list]\ntype=list_box\nwidth=200\nheight=100\naction=show\nload=list.txt\n"
                 "[edit]\ntype=edit_box\naction=find\n",
                 "list.txt", "Engine#;#12\nHeader\n");
    auto* ro = w.object<TSkComboBox>("ro");
    ro->LoadFromLines({"A;a.htm", "B;b.htm"});
    ro->setCurrentIndex(-1);
    w.rt->ControlAction(ro);
    EXPECT_TRUE(w.host.isEmpty()) << "read-only with nothing selected";
    ro->setCurrentIndex(0);
    press(ro, Qt::Key_Down);
    EXPECT_EQ(w.host, QStringList{"ro*b.htm"}) << "the value in place of the placeholder";

    w.host.clear();
    auto* ed = w.object<TSkComboBox>("ed");
    press(ed->lineEdit(), Qt::Key_X, "x");
    EXPECT_EQ(w.host, QStringList{"ed*()"}) << "editable, nothing selected: an empty value";

    w.host.clear();
    auto* list = w.object<TSkListBox>("list");
    for (int row : {0, 1})
        doubleClick(list->viewport(), list->visualItemRect(list->item(row)).center());
    EXPECT_EQ(w.host, QStringList{"show*12"}) << "an item without a value runs nothing";

    w.host.clear();
    auto* edit = w.object<TSkEditBox>("edit");
    press(edit, Qt::Key_A, "a");
    press(edit, Qt::Key_Return, "\r");
    EXPECT_EQ(w.host, QStringList{"find"}) << "only Enter";
    edit->ActOnEveryKey = true;
    press(edit, Qt::Key_B, "b");
    EXPECT_EQ(w.host, (QStringList{"find", "find"}));
    EXPECT_EQ(edit->text(), "ab") << "the host reads the text itself";
}

TEST(EditorActions, ComboLoadVerbSelectsTheFirstItem) {
    HostWindow w("[c]\ntype=combo_box\nread_only=1\naction=pick*insert\n", "items.txt", "One;1\nTwo;2\n");
    w.folder.writeText("empty.txt", "");
    auto* c = w.object<TSkComboBox>("c");
    EXPECT_EQ(c->currentIndex(), -1);
    w.rt->RunAction("combo_load*c*items.txt");
    EXPECT_EQ(c->count(), 2);
    EXPECT_EQ(c->currentIndex(), 0);
    c->setCurrentIndex(1);
    w.rt->RunAction("combo_load*c*empty.txt");
    EXPECT_EQ(c->count(), 2) << "a file without lines keeps the items";
    EXPECT_EQ(c->currentIndex(), 0);
    EXPECT_TRUE(w.host.isEmpty()) << "loading runs no action";
}

TEST(ListHint, ClippedItemsShowTheirWholeText) {
    const QString longText = "A long item text that the box clips at its right edge";
    HostWindow w("[list]\ntype=list_box\nleft=10\ntop=10\nwidth=120\nheight=100\nload=list.txt\n", "list.txt",
                 "Short\n" + longText + "\n");
    auto* list = w.object<TSkListBox>("list");
    QWidget* viewport = list->viewport();
    const QRect longRect = list->visualItemRect(list->item(1));

    const auto hint = ListHintAt(list, longRect.center());
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(hint->text, longText);
    EXPECT_EQ(hint->rect, longRect);
    EXPECT_EQ(hint->where, viewport->mapToGlobal(longRect.topLeft()) - QPoint(2, 1));
    EXPECT_FALSE(ListHintAt(list, list->visualItemRect(list->item(0)).center())) << "the text fits";
    EXPECT_FALSE(ListHintAt(list, QPoint(5, 95))) << "below the items";

    TListHintFilter filter;
    QStringList shown;
    filter.Show = [&](QPoint where, const QString& text, QWidget* over, QRect rect) {
        EXPECT_EQ(where, hint->where);
        EXPECT_EQ(over, viewport);
        EXPECT_EQ(rect, longRect);
        shown << text;
    };
    struct Row {
        const char* name;
        QWidget* target;
        QPoint at;
        bool taken;
    } rows[] = {
        {"clipped item", viewport, longRect.center(), true},
        {"item that fits", viewport, list->visualItemRect(list->item(0)).center(), false},
        {"the list itself, not its viewport", list, longRect.center(), false},
        {"another widget", &w.form, longRect.center(), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        shown.clear();
        QHelpEvent e(QEvent::ToolTip, row.at, row.target->mapToGlobal(row.at));
        EXPECT_EQ(filter.eventFilter(row.target, &e), row.taken);
        EXPECT_EQ(shown, row.taken ? QStringList{longText} : QStringList());
    }

    // Building windows installs the hook on the application once.
    BuiltWindow second("[x]\ntype=list_box\n");
    EXPECT_EQ(qApp->findChildren<TListHintFilter*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
}
