// Building windows from description files: build order, pages, the object
// factory, lookups and the errors a catalogue author sees.

#include "SkinControl/skButton.h"
#include "SkinControl/skCheckBox.h"
#include "SkinControl/skPanel.h"
#include "SkinControl/uFORM.h"
#include "platform/Errors.h"
#include "runtime/skUseStract.h"
#include "support/TestSupport.h"
#include "DescribedWindow.h"

#include <gtest/gtest.h>

using Built = DescribedWindow;

namespace {

const QString Form = "[main]\ntype=form\ncaption=Test\n";

} // namespace

TEST(BuildOrder, ParentsBeforeChildrenWhateverTheFileOrder) {
    struct Row {
        const char* name;
        QString text;
    } rows[] = {
        {"form listed last", "[A]\ntype=panel\n[B]\ntype=button\nmaster=A\n[C]\ntype=form\n"},
        {"child listed first", "[C]\ntype=form\n[B]\ntype=button\nmaster=a\n[A]\ntype=panel\nmaster=C\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Built b(row.text);
        b.build();
        QWidget* a = b.object<QWidget>("A");
        QWidget* button = b.object<QWidget>("B");
        ASSERT_NE(a, nullptr);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(a->parentWidget(), b.rt->Page());
        EXPECT_EQ(button->parentWidget(), a);
        EXPECT_TRUE(b.rec->shown().isEmpty()) << b.rec->shown().join("|").toStdString();
    }
}

TEST(BuildOrder, ObjectsWithoutAnAvailableMasterAreNotBuilt) {
    Built b(Form + "[btn]\ntype=BUTTON\n[under_button]\ntype=button\nmaster=btn\n"
                   "[orphan]\ntype=panel\nmaster=nowhere\n[upper]\ntype=panel\nmaster=MAIN\n"
                   "[p1]\ntype=panel\n[p2]\ntype=scroll_box\nmaster=p1\n[p3]\ntype=panel\nmaster=p2\n");
    b.build();
    EXPECT_NE(dynamic_cast<TSkButton*>(b.object<QWidget>("btn")), nullptr) << "types compare in lower case";
    EXPECT_EQ(b.object<QWidget>("under_button"), nullptr);
    EXPECT_EQ(b.object<QWidget>("orphan"), nullptr);
    ASSERT_NE(b.object<QWidget>("upper"), nullptr) << "master equal to the form name in other case is top-level";
    EXPECT_EQ(b.object<QWidget>("upper")->parentWidget(), b.rt->Page());
    ASSERT_NE(b.object<QWidget>("p3"), nullptr);
    EXPECT_TRUE(b.object<QWidget>("p2")->isAncestorOf(b.object<QWidget>("p3")));
    EXPECT_TRUE(b.rec->shown().isEmpty());
}

TEST(BuildOrder, SecondFormAddsAPageAndTakesTheTopLevelObjects) {
    Built b("[f1]\ntype=form\n[f2]\ntype=form\n[top]\ntype=panel\n[named]\ntype=panel\nmaster=f2\n"
            "[old]\ntype=panel\nmaster=f1\n");
    b.build();
    TSkNotebook* nb = b.form.Notebook();
    ASSERT_NE(nb, nullptr);
    ASSERT_EQ(nb->PageCount(), 2);
    EXPECT_EQ(nb->PageName(0), "Default");
    EXPECT_EQ(nb->PageName(1), "p1");
    EXPECT_EQ(b.rt->PageIndex(), 1);
    EXPECT_EQ(b.object<QWidget>("top")->parentWidget(), nb->Page(1));
    EXPECT_EQ(b.object<QWidget>("named")->parentWidget(), nb->Page(1));
    EXPECT_EQ(b.object<QWidget>("old"), nullptr);
}

TEST(BuildOrder, TwoRuntimesShareOneNotebook) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    folder.writeText("one.txt", "[f]\ntype=form\n[a]\ntype=panel\n");
    folder.writeText("two.txt", "[g]\ntype=form\n[b]\ntype=panel\n");
    TfrmFORM form;
    TSkStract first(&form, "one.txt"), second(&form, "two.txt");
    first.Build();
    second.Build();
    EXPECT_EQ(form.Notebook()->PageName(second.PageIndex()), "p1");
    EXPECT_TRUE(second.IsPageActive());
    first.ActivatePage();
    EXPECT_TRUE(first.IsPageActive());
    EXPECT_EQ(form.Notebook()->ActivePage(), 0);
}

TEST(BuildErrors, AuthorsSeeTheMessagesAndTheBuildGoesOn) {
    struct Row {
        const char* name;
        QString text;
        QStringList expected;
    } rows[] = {
        {"no sections", "; only a comment\n", {"Нету данных в test.txt. Это безусловно End..."}},
        {"unknown type",
         Form + "[odd]\ntype=gizmo\n[ok]\ntype=panel\n",
         {"test.txt\r\nMakeObject. Объект odd имеет неизвестный тип gizmo"}},
        {"host type without a factory hook",
         Form + "[parts]\ntype=list_view\n",
         {"test.txt\r\nMakeObject. Объект parts имеет неизвестный тип list_view"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Built b(row.text);
        b.build();
        EXPECT_EQ(b.rec->shown(), row.expected);
    }
}

TEST(BuildErrors, MissingFileShowsTheArchiveMessageThenNoData) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    TfrmFORM form;
    TSkStract rt(&form, "absent.txt");
    rt.Build();
    ASSERT_EQ(rec->shown().size(), 2);
    EXPECT_EQ(rec->shown()[0], "Не найден файл \r\nabsent.txt");
    EXPECT_EQ(rec->shown()[1], "Нету данных в absent.txt. Это безусловно End...");
}

TEST(BuildErrors, NonIntegerInAnIntegerKeyRaisesTheConversionError) {
    Built b(Form + "[a]\ntype=panel\nwidth=wide\n");
    EXPECT_THROW(b.build(), EConvertError);
    EXPECT_NE(b.object<QWidget>("a"), nullptr) << "the object made before the failing key stays owned";
}

TEST(Factory, CreationDetailsAndLookups) {
    Built b(Form + "[Tree1]\ntype=panel\n[chk]\ntype=check_box\n[chk2]\ntype=check_box\ncaption=Все\n"
                   "[keys]\ntype=hot_key\nfirst=Ctrl+F*show_find\nsecond=F3*x//y\n");
    b.build();
    auto* chk = dynamic_cast<TSkCheckBox*>(b.object<QWidget>("chk"));
    ASSERT_NE(chk, nullptr);
    EXPECT_EQ(chk->text(), "chk");
    EXPECT_EQ(dynamic_cast<TSkCheckBox*>(b.object<QWidget>("chk2"))->text(), "Все");
    EXPECT_EQ(b.form.HotKeys().count(), 2);
    EXPECT_EQ(b.form.HotKeys().action(1), "x//y");

    EXPECT_NE(b.rt->GetControl("tree1"), nullptr);
    EXPECT_NE(b.rt->GetPanel("TREE1"), nullptr);
    EXPECT_TRUE(b.rec->shown().isEmpty());
    EXPECT_EQ(b.rt->GetTree("tree1"), nullptr);
    EXPECT_EQ(b.rt->GetControl("nothing"), nullptr);
    EXPECT_EQ(b.rec->shown(), (QStringList{"test.txt\r\nGetComponent. Не найден контрол: tree1",
                                           "test.txt\r\nGetControl. Не найден контрол: nothing"}));
}

TEST(Factory, DestroyedObjectsLeaveEveryList) {
    Built b(Form + "[a]\ntype=panel\n[b]\ntype=button\nmaster=a\n");
    b.build();
    delete b.object<QWidget>("a");
    EXPECT_TRUE(b.rt->AllObjects().isEmpty());
    EXPECT_TRUE(b.rt->Objects(TObjectList::Button).isEmpty());
}

TEST(Splash, ProgressStepsWrapPastOneHundred) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    picture.save(folder.path() + "splash.bmp");
    folder.writeText("test.txt", "[main]\ntype=form\nsplash=splash.bmp*30*1*2*30*5\nsplash_close_auto=0\n");
    TfrmFORM form;
    TSkStract rt(&form, "test.txt");
    rt.Build();
    ASSERT_NE(rt.SplashProgress(), nullptr);
    EXPECT_EQ(rt.SplashProgress()->geometry(), QRect(1, 2, 30, 5));
    rt.SplashProgress()->setValue(0);
    QList<int> seen;
    for (int i = 0; i < 4; ++i) {
        rt.StepProgress();
        seen << rt.SplashProgress()->value();
    }
    EXPECT_EQ(seen, (QList<int>{30, 60, 90, 30}));
    EXPECT_NE(rt.SplashWindow(), nullptr) << "splash_close_auto=0 keeps the splash open";
}

TEST(BuildOrder, ObjectsArePlacedAgainstThePageSizeTheFormGives) {
    Built b("[main]\ntype=form\nwidth=900\nheight=700\n[fill]\ntype=panel\nanchor=10 10 10 10\n");
    b.build();
    QWidget* page = b.rt->Page();
    QWidget* fill = b.object<QWidget>("fill");
    ASSERT_NE(fill, nullptr);
    EXPECT_FALSE(b.form.isVisible());
    EXPECT_GT(page->width(), 850);
    EXPECT_EQ(fill->geometry(), page->rect().adjusted(10, 10, -10, -10));
    b.form.show();
    b.form.resize(1000, 760);
    EXPECT_EQ(fill->geometry(), page->rect().adjusted(10, 10, -10, -10));
}

TEST(Lifetime, AWindowOutlivesItsRuntimesHooks) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    folder.writeText("empty.txt", "");
    TfrmFORM form;
    {
        TSkStract rt(&form, "empty.txt");
        rt.Build();
    }
    rec->clear();
    RHelpAction a;
    a.Action = "test*a*b";
    ASSERT_TRUE(form.CommandCallback);
    form.CommandCallback(a);
    if (form.MaximizeHook) form.MaximizeHook();
    form.show();
    form.resize(500, 400);
    EXPECT_TRUE(rec->shown().isEmpty());
}
