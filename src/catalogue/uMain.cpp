#include "catalogue/uMain.h"

#include "SkinControl/skListView.h"
#include "SkinControl/skPanel.h"
#include "SkinControl/skScrollBox.h"
#include "archive/gPack.h"
#include "catalogue/CatalogueXml.h"
#include "catalogue/uPaintBox.h"
#include "platform/Application.h"
#include "platform/ControlLayout.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "runtime/skPopMenu.h"
#include "runtime/skUseStract.h"
#include "runtime/uUtils.h"

#include <QDir>

namespace {

QString valueOf(const QStringList& values, const QString& key) {
    for (const QString& line : values)
        if (line.section('=', 0, 0).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.section('=', 1).trimmed();
    return {};
}

} // namespace

TfrmMain::TfrmMain(QWidget* owner) : TSkForm(owner) {
    setObjectName("frmMain");
    SetCaption("Автозапчасти");
    setGeometry(198, 114, 696, 480);
    FormCreate();
}

TfrmMain::~TfrmMain() { FormDestroy(); }

void TfrmMain::loadDocument(pugi::xml_document& doc, pugi::xml_node& root, const QString& file) {
    bool found = false;
    const pugi::xml_parse_result result = LoadXmlFile(doc, file, &found);
    if (!result && found) {
        platform().generalError(QStringLiteral("Ошибка в файле %1: %2 (позиция %3)")
                                    .arg(file, QString::fromUtf8(result.description()))
                                    .arg(result.offset));
    }
    root = doc.child("root");
}

void TfrmMain::FormCreate() {
    historyPos = 0;
    selectedPart = -1;
    busy = false;
    QDir::setCurrent(AppFolder());
    OpenArchive("interface.dat");
    loadDocument(resultDoc, resultRoot, "data\\result.xml");
    loadDocument(indexDoc, indexRoot, "data\\tree_ind.xml");

    auto host = [this](const RHelpAction& a) { HandleCommand(a); };
    auto factory = [this](QWidget* parent, const QString& name, const QStringList& values, const QString& type) {
        MakeHostObject(parent, name, values, type);
    };
    mainRuntime = std::make_unique<TSkStract>(this, "struct_main.txt");
    mainRuntime->OnHostCommand = host;
    mainRuntime->OnMakeHostObject = factory;
    GuardedCall([this] { mainRuntime->Build(); });

    workRuntime = std::make_unique<TSkStract>(this, "struct_work.txt");
    workRuntime->OnHostCommand = host;
    workRuntime->OnMakeHostObject = factory;
    GuardedCall([this] { workRuntime->Build(); });

    favouritesMenu = new TSkPopMenu(this);

    scroll = workRuntime->GetScrollBox("scroll");
    if (scroll) scroll->SetColor(QColor(255, 255, 255));
    panelImageCenter = workRuntime->GetPanel("panel_image_center");

    mainRuntime->ActivatePage();
    GuardedCall([this] { LoadFavourites(); });
}

void TfrmMain::FormDestroy() {
    GuardedCall([this] {
        if (mainRuntime) mainRuntime->WriteReg("favore", SaveFavourites());
    });
    mainRuntime.reset();
    workRuntime.reset();
    favourites.clear();
    visitHistory.clear();
    CloseArchive();
}

QString TfrmMain::SaveFavourites() const {
    QString text;
    for (const pugi::xml_node& group : favourites) text += QString::fromUtf8(group.name()) + "*";
    return text;
}

void TfrmMain::LoadFavourites() {
    favourites.clear();
    QString text = mainRuntime->ReadReg("favore");
    while (!text.isEmpty()) {
        const QString name = SplitHead(text, "*");
        if (name.isEmpty()) continue;
        const pugi::xml_node group = resultRoot.child(name.toUtf8().constData());
        if (group) favourites.push_back(group);
    }
}

void TfrmMain::HandleCommand(const RHelpAction& action) {
    const TSkCommand commands(action.Action);
    if (commands.count() == 0) return;
    const RCommand& cmd = commands[0];
    const QString param = cmd.arguments.isEmpty() ? QString() : cmd.arguments.first();
    const QString& verb = cmd.verb;

    if (verb == "go_main") {
        mainRuntime->ActivatePage();
    } else if (verb == "zap") {
        // Opens the work page; the section's index page comes with the catalogue pages.
        workRuntime->ActivatePage();
    } else if (verb == "show_find" || verb == "show_fast_go" || verb == "print" || verb == "show_favore" ||
               verb == "show_favore_del" || verb == "add_favore" || verb == "favore_go" || verb == "favore_del" ||
               verb == "show_hitory" || verb == "hitory_next" || verb == "hitory_prev" || verb == "show_info_zap" ||
               verb == "show_dop_inf" || verb == "show_html_dop_info" || verb == "go_group") {
        // Catalogue operations that arrive with the catalogue windows.
    } else {
        platform().messageBox(verb + "*" + param);
    }
}

void TfrmMain::MakeHostObject(QWidget* parent, const QString& name, const QStringList& values, const QString& type) {
    QWidget* made = nullptr;
    if (type == "list_view") {
        auto* list = new TSkListView(parent);
        list->setObjectName(name);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->show();
        made = list;
        detailList = list;
    } else if (type == "paint_box") {
        auto* box = new TPaintBox(parent);
        box->setObjectName(name);
        box->show();
        made = box;
        pictureBox = box;
    } else {
        platform().messageBox("Неизвестный контрол:" + name);
        return;
    }
    if (workRuntime) workRuntime->SetProperty(made, name, true, type);
    const QString anchor = valueOf(values, "anchor");
    if (!anchor.isEmpty()) PositionFromText(made, anchor);
    if (type == "list_view") {
        const QString color = valueOf(values, "color_select");
        if (!color.isEmpty()) detailList->SetSelectColor(ColorFromText(color));
    }
}
