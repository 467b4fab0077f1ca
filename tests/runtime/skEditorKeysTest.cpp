// The keys of the editors, lists, trees, views, pictures and players, applied
// while a description file is built.

#include "SkinControl/skComboBox.h"
#include "SkinControl/skEditBox.h"
#include "SkinControl/skImage.h"
#include "SkinControl/skListBox.h"
#include "SkinControl/skMedia.h"
#include "SkinControl/skSpinEdit.h"
#include "SkinControl/skTreeView.h"
#include "SkinControl/uFORM.h"
#include "platform/Errors.h"
#include "runtime/skUseStract.h"
#include "support/TestSupport.h"
#include "DescribedWindow.h"

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
