// The demo catalogue as shipped in demo/: every description file parses,
// every object can be built (known type, existing container as master, valid
// numbers, anchors and shortcuts), and the catalogue data hangs together
// (index entries name groups, pictures exist, hot areas lie on the pictures).

#include "archive/gPackUtils.h"
#include "archive/uIniFiles.h"
#include "catalogue/CatalogueXml.h"
#include "SkinControl/skCheckBox.h"
#include "SkinControl/skComboBox.h"
#include "SkinControl/skLabel.h"
#include "SkinControl/skListBox.h"
#include "SkinControl/skRButton.h"
#include "SkinControl/skTreeView.h"
#include "SkinControl/uFORM.h"
#include "platform/Paths.h"
#include "runtime/skHotKey.h"
#include "runtime/skPopMenu.h"
#include "runtime/skUseStract.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRect>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString DemoFolder() {
    return QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../demo") + "/";
}

// Makes the demo folder the program's folder, so names resolve as at run time.
struct DemoAppFolder {
    DemoAppFolder() { SetAppFolder(DemoFolder()); }
    ~DemoAppFolder() { SetAppFolder(QString()); }
};

bool DemoFileExists(const QString& name) {
    return FileExistsOnDisk(DemoFolder() + NativePath(name));
}

QByteArray DemoBytes(const QString& name) {
    QFile f(FindOnDisk(DemoFolder() + NativePath(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool IsInteger(const QString& s) {
    bool ok = false;
    s.toInt(&ok);
    return ok;
}

const QSet<QString> kRuntimeTypes = {
    "form",      "button", "sp_button", "panel",     "parent_panel", "html",         "split",      "label",
    "track_bar", "tree",   "tree_ex",   "flash",     "media",        "list_box",     "scroll_box", "image",
    "pop_menu",  "gif",    "edit_box",  "check_box", "r_button",     "progress_bar", "combo_box",  "list_img",
    "pic",       "grid",   "html_grid", "spin_edit", "diagram",      "hot_key",      "none"};
const QSet<QString> kHostTypes = {"list_view", "paint_box"};
const QSet<QString> kContainers = {"panel", "parent_panel", "scroll_box", "flash"};

// Rectangles of an area value: "l;t;r;b" pieces joined by "*".
bool ParseArea(const QString& area, std::vector<QRect>& out) {
    for (const QString& piece : area.split('*', Qt::SkipEmptyParts)) {
        const QStringList n = piece.split(';');
        if (n.size() < 4) return false;
        int v[4];
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            v[i] = n[i].toInt(&ok);
            if (!ok) return false;
        }
        out.push_back(QRect(QPoint(v[0], v[1]), QPoint(v[2], v[3])));
    }
    return true;
}

class DemoDescription : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(DemoDescription, EveryObjectCanBeBuilt) {
    DemoAppFolder app;
    RecordingPlatformGuard rec;
    const QString file = GetParam();
    const QByteArray bytes = DemoBytes(file);
    ASSERT_FALSE(bytes.isEmpty()) << file.toStdString();
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "description files are cp1251";

    TPakIniFile ini(file);
    EXPECT_TRUE(rec->shown().isEmpty()) << rec->shown().join(" | ").toStdString();
    const QStringList sections = ini.ReadSections();
    ASSERT_FALSE(sections.isEmpty());
    ASSERT_EQ(ini.ReadString(sections.first(), "type").toLower(), "form") << "the form section comes first";

    const QRegularExpression identifier("^[A-Za-z_][A-Za-z0-9_]*$");
    QSet<QString> seen;
    const QString formName = sections.first().toLower();
    for (const QString& s : sections) {
        const std::string where = (file + " [" + s + "]").toStdString();
        EXPECT_TRUE(identifier.match(s).hasMatch()) << where;
        EXPECT_FALSE(seen.contains(s.toLower())) << where << " is not unique";
        seen.insert(s.toLower());

        const QString type = ini.ReadString(s, "type").toLower();
        EXPECT_TRUE(kRuntimeTypes.contains(type) || kHostTypes.contains(type))
            << where << " type " << type.toStdString();
        if (type == "form") EXPECT_EQ(s, sections.first()) << where << ": one form section per file";

        const QString master = ini.ReadString(s, "master");
        if (!master.isEmpty() && master.toLower() != formName) {
            EXPECT_TRUE(ini.SectionExists(master)) << where << " master " << master.toStdString();
            EXPECT_TRUE(kContainers.contains(ini.ReadString(master, "type").toLower()))
                << where << " master " << master.toStdString() << " is no container";
        }

        const bool panel = type == "panel" || type == "parent_panel";
        for (const char* key : {"top", "left", "width", "height", "min_width", "min_height", "group"}) {
            if (!ini.ValueExists(s, key)) continue;
            QString v = ini.ReadString(s, key);
            // Panels take a width or height in percent of their parent.
            if (panel && (qstrcmp(key, "width") == 0 || qstrcmp(key, "height") == 0) && v.endsWith('%')) v.chop(1);
            EXPECT_TRUE(IsInteger(v)) << where << " " << key;
        }
        if (ini.ValueExists(s, "anchor")) {
            const QStringList f = ini.ReadString(s, "anchor").split(' ');
            ASSERT_EQ(f.size(), 4) << where;
            for (const QString& v : f)
                EXPECT_TRUE(v == "*" || IsInteger(v)) << where << " anchor";
        }
        if (ini.ValueExists(s, "load")) EXPECT_TRUE(DemoFileExists(ini.ReadString(s, "load"))) << where;
        if (type == "form" && ini.ValueExists(s, "skin"))
            EXPECT_TRUE(DemoFileExists(ini.ReadString(s, "skin").section('*', 0, 0))) << where;
        if (ini.ValueExists(s, "menu")) {
            const QString menu = ini.ReadString(s, "menu");
            EXPECT_EQ(ini.ReadString(menu, "type").toLower(), "pop_menu") << where;
        }
        if (type == "hot_key") {
            for (const QString& key : ini.ReadSection(s)) {
                if (key.toLower() == "type") continue;
                const QString value = ini.ReadString(s, key);
                EXPECT_NE(ShortCutFromText(value.section('*', 0, 0)), 0)
                    << where << " " << value.toStdString();
                EXPECT_FALSE(value.section('*', 1).isEmpty()) << where << " " << value.toStdString();
            }
        }
        if (type == "pop_menu") {
            EXPECT_EQ(ini.ReadString(s, "caption").split(';').size(),
                      ini.ReadString(s, "action").split(';').size())
                << where;
        }
        const QString action = ini.ReadString(s, "action");
        if (action.startsWith("form_show*", Qt::CaseInsensitive))
            EXPECT_TRUE(DemoFileExists(action.section('*', 1, 1))) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DemoDescription,
                         ::testing::Values("struct_main.txt", "struct_work.txt", "struct_about.txt",
                                           "struct_controls.txt"),
                         [](const auto& info) {
                             return QString(info.param).section('.', 0, 0).toStdString();
                         });

TEST(DemoDescription, WorkPageHasTheObjectsTheMainWindowUses) {
    DemoAppFolder app;
    TPakIniFile ini("struct_work.txt");
    const struct {
        const char* name;
        const char* type;
    } rows[] = {{"caption", "label"},    {"but_info", "button"},    {"but_back", "button"},
                {"but_print", "button"}, {"but_history", "button"}, {"but_prev", "button"},
                {"but_next", "button"},  {"scroll", "scroll_box"},  {"panel_image_center", "panel"}};
    for (const auto& row : rows)
        EXPECT_EQ(ini.ReadString(row.name, "type").toLower(), row.type) << row.name;
    EXPECT_EQ(ini.ReadString("panel_image_center", "master").toLower(), "scroll");

    QStringList hostTypes;
    for (const QString& s : ini.ReadSections()) {
        const QString type = ini.ReadString(s, "type").toLower();
        if (kHostTypes.contains(type)) hostTypes << type;
        if (type == "paint_box") EXPECT_EQ(ini.ReadString(s, "master").toLower(), "panel_image_center");
    }
    hostTypes.sort();
    EXPECT_EQ(hostTypes, (QStringList{"list_view", "paint_box"}));
}

// The controls window builds with the real runtime without a single message,
// its item files fill the boxes, and its commands reach the objects they name.
TEST(DemoDescription, ControlsWindowBuildsAndItsCommandsWork) {
    DemoAppFolder app;
    RecordingPlatformGuard rec;
    TfrmFORM form;
    TSkStract rt(&form, "struct_controls.txt");
    rt.Build();
    rt.ActivatePage();
    ASSERT_TRUE(rec->shown().isEmpty()) << rec->shown().join(" | ").toStdString();

    auto* tree = rt.GetTree("tree_parts");
    auto* model = rt.GetComboBox("cb_model");
    auto* parts = dynamic_cast<TSkListBox*>(rt.GetControl("lb_parts"));
    ASSERT_TRUE(tree && model && parts);
    EXPECT_GE(tree->ItemList.size(), 40u);
    EXPECT_GT(model->count(), 0);
    EXPECT_GT(parts->count(), 0);

    auto caption = [&](const char* label) { return rt.GetLabel(label)->Caption(); };

    tree->setCurrentItem(tree->FindByKey("131"));
    rt.ControlAction(tree);
    EXPECT_EQ(caption("lbl_tree_key"), "131");

    rt.RunAction("click_but*bt_wrap");
    EXPECT_TRUE(caption("lbl_buttons_info").startsWith("button:"));

    auto* enable = rt.GetCheckBox("cb_enable");
    enable->setChecked(false);
    rt.ControlAction(enable);
    EXPECT_EQ(caption("lbl_buttons_info"), QString::fromUtf8("check_box: значение 0 подставлено в action"));
    for (const char* radio : {"rb_left", "rb_right"})
        EXPECT_FALSE(dynamic_cast<QWidget*>(rt.GetControl(radio))->isEnabled()) << radio;

    rt.RunAction("tree_add_favorite*tree_parts");
    EXPECT_GT(rt.GetPopMenu("menu_demo")->ItemCount(), 5);
    EXPECT_TRUE(rec->shown().isEmpty()) << rec->shown().join(" | ").toStdString();
}

TEST(DemoCatalogue, IndexGroupsPicturesAndAreasHangTogether) {
    DemoAppFolder app;
    pugi::xml_document result, index;
    ASSERT_TRUE(LoadXmlDocument(result, DemoBytes("data\\result.xml")));
    ASSERT_TRUE(LoadXmlDocument(index, DemoBytes("data\\tree_ind.xml")));
    const pugi::xml_node resultRoot = result.child("root");
    const pugi::xml_node indexRoot = index.child("root");
    ASSERT_TRUE(resultRoot && indexRoot);

    // Every index entry opens a group; every group is reachable from the index.
    QSet<QString> indexed;
    for (pugi::xml_node section : indexRoot.children()) {
        const std::string where = section.name();
        EXPECT_FALSE(XmlText(section.attribute("caption").value()).isEmpty()) << where;
        EXPECT_TRUE(DemoFileExists(XmlText(section.attribute("jpg").value()))) << where;
        for (pugi::xpath_node n : section.select_nodes(".//*[@ind]")) {
            const char* key = n.node().attribute("ind").value();
            EXPECT_TRUE(resultRoot.child(key)) << where << " names no group " << key;
            indexed.insert(XmlText(key));
        }
    }

    // The sections the main page opens exist at the top of the index.
    TPakIniFile mainPage("struct_main.txt");
    int zaps = 0;
    for (const QString& s : mainPage.ReadSections()) {
        for (const QString& key : mainPage.ReadSection(s)) {
            const QString v = mainPage.ReadString(s, key);
            const qsizetype at = v.indexOf("zap*", 0, Qt::CaseInsensitive);
            if (at < 0) continue;
            ++zaps;
            const QString path = v.mid(at + 4).section('*', 0, 0).section("//", 0, 0);
            EXPECT_TRUE(indexRoot.child(path.section('\\', -1).toUtf8().constData())) << path.toStdString();
        }
    }
    EXPECT_GT(zaps, 0);

    const QStringList columns = LoadTextList("data\\caption_det.txt");
    ASSERT_EQ(columns.size(), 1);
    EXPECT_EQ(columns.first().split("&&").size(), 6);

    for (pugi::xml_node group : resultRoot.children()) {
        const std::string where = group.name();
        EXPECT_TRUE(indexed.contains(XmlText(group.name()))) << where << " is in no index section";
        EXPECT_FALSE(XmlText(group.attribute("name").value()).isEmpty()) << where;
        EXPECT_FALSE(XmlText(group.attribute("ind").value()).isEmpty()) << where;
        const QString jpg = XmlText(group.attribute("jpg").value());
        const QImage picture = LoadPicture(jpg);
        ASSERT_FALSE(picture.isNull()) << where << " " << jpg.toStdString();

        int withArea = 0;
        for (pugi::xml_node det : group.child("details").children()) {
            const std::string row = where + " npos " + det.attribute("npos").value();
            EXPECT_FALSE(XmlText(det.child_value()).trimmed().isEmpty()) << row;
            EXPECT_FALSE(XmlText(det.attribute("ndet").value()).isEmpty()) << row;
            std::vector<QRect> rects;
            EXPECT_TRUE(ParseArea(XmlText(det.attribute("area").value()), rects)) << row;
            for (const QRect& r : rects)
                EXPECT_TRUE(picture.rect().contains(r)) << row;
            withArea += rects.empty() ? 0 : 1;
        }
        EXPECT_GT(withArea, 0) << where;

        for (pugi::xml_node link : group.child("link").children()) {
            EXPECT_TRUE(resultRoot.child(link.name())) << where << " links to no group " << link.name();
            std::vector<QRect> rects;
            EXPECT_TRUE(ParseArea(XmlText(link.attribute("area").value()), rects)) << where;
            ASSERT_EQ(rects.size(), 1u) << where;
            EXPECT_TRUE(picture.rect().contains(rects.front())) << where;
        }
    }
}
