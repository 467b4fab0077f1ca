// The main window: start-up on description files, the host handler's verb
// table, the factory hook and the favourites kept between runs.

#include "SkinControl/skListView.h"
#include "catalogue/uMain.h"
#include "catalogue/uPaintBox.h"
#include "platform/RegistryStore.h"
#include "runtime/skUseStract.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QUuid>
#include <gtest/gtest.h>

namespace {

struct Catalogue {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    QString key = "Software\\Test\\" + QUuid::createUuid().toString(QUuid::Id128);

    Catalogue() {
        folder.writeText("struct_main.txt", "[main]\ntype=form\ncaption=Автозапчасти\nreg_dat=" + key +
                                                "\n[sections]\ntype=panel\nalign=client\n");
        folder.writeText("struct_work.txt", "[work]\ntype=form\n[scroll]\ntype=scroll_box\nalign=client\n"
                                            "[panel_image_center]\ntype=panel\nmaster=scroll\n"
                                            "[pic]\ntype=paint_box\nmaster=panel_image_center\nleft=5\n"
                                            "[parts]\ntype=list_view\nheight=120\nalign=bottom\n"
                                            "[odd]\ntype=gadget\n");
        folder.writeText("data/result.xml",
                         "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root><g1 name=\"Двигатель\"/>"
                         "<g2/><g3/></root>");
        folder.writeText("data/tree_ind.xml", "<?xml version=\"1.0\"?><root/>");
    }
};

} // namespace

TEST(MainWindow, StartsOnTheMainPageWithHostObjects) {
    Catalogue c;
    TfrmMain w;
    EXPECT_EQ(c.rec->shown(), QStringList{"Неизвестный контрол:odd"});
    EXPECT_TRUE(w.MainRuntime()->IsPageActive());
    ASSERT_NE(w.DetailList(), nullptr);
    ASSERT_NE(w.PictureBox(), nullptr);
    EXPECT_EQ(w.PictureBox()->x(), 5);
    EXPECT_EQ(w.PictureBox()->height(), 300);
    EXPECT_EQ(w.DetailList()->height(), 120);
    EXPECT_STREQ(w.ResultRoot().child("g1").attribute("name").value(), "Двигатель");
}

TEST(MainWindow, VerbsOutsideTheTableAreShown) {
    Catalogue c;
    TfrmMain w;
    c.rec->clear();
    struct Row {
        const char* action;
        const char* expected;
    } rows[] = {{"foo*x", "foo*x"}, {"foo", "foo*"}, {"FOO*A**B//go_main", "foo*A"}};
    for (const Row& row : rows) {
        w.MainRuntime()->RunAction(row.action);
        EXPECT_EQ(c.rec->shown().value(0), row.expected) << row.action;
        c.rec->clear();
    }
    w.MainRuntime()->RunAction("ZAP*7");
    EXPECT_TRUE(w.WorkRuntime()->IsPageActive());
    w.WorkRuntime()->RunAction("go_main");
    EXPECT_TRUE(w.MainRuntime()->IsPageActive());
    EXPECT_TRUE(c.rec->shown().isEmpty());
}

TEST(MainWindow, FavouritesSurviveARunAndDeletedGroupsDrop) {
    Catalogue c;
    struct Row {
        const char* saved;
        const char* written;
    } rows[] = {{"g1*g2*", "g1*g2*"}, {"g3", "g3*"}, {"", ""}, {"g1*gone*g2*", "g1*g2*"}};
    for (const Row& row : rows) {
        RegistryStore::WriteString(c.key, "favore", row.saved);
        {
            TfrmMain w;
            EXPECT_EQ(w.SaveFavourites(), row.written) << row.saved;
        }
        EXPECT_EQ(RegistryStore::ReadString(c.key, "favore").value_or("none"), row.written) << row.saved;
    }
}

TEST(MainWindow, ConversionErrorInADescriptionIsReportedAndStartUpGoesOn) {
    Catalogue c;
    c.folder.writeText("struct_main.txt", "[main]\ntype=form\nreg_dat=" + c.key +
                                              "\n[a]\ntype=panel\nwidth=abc\n[b]\ntype=panel\n");
    TfrmMain w;
    EXPECT_EQ(c.rec->texts("general"), QStringList{"'abc' is not a valid integer value"});
    ASSERT_NE(w.WorkRuntime(), nullptr);
    EXPECT_NE(w.WorkRuntime()->GetScrollBox("scroll"), nullptr) << "the work page is still built";
}

TEST(MainWindow, MissingAndBrokenCatalogueFilesAreReported) {
    Catalogue c;
    QFile::remove(c.folder.path() + "data/tree_ind.xml");
    c.folder.writeText("data/result.xml", "<root><g1></root>");
    TfrmMain w;
    const QStringList shown = c.rec->shown();
    EXPECT_TRUE(shown.contains("Не найден файл \r\ndata\\tree_ind.xml")) << shown.join("|").toStdString();
    bool parseError = false;
    for (const QString& s : shown) parseError |= s.startsWith("Ошибка в файле data\\result.xml");
    EXPECT_TRUE(parseError) << shown.join("|").toStdString();
    EXPECT_FALSE(w.IndexRoot());
}
