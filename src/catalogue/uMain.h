#pragma once
// The main window: two description runtimes (the main page and the work
// page) on one skinned window, the catalogue documents, the host handler
// that maps catalogue verbs to operations, and the factory hook that makes
// the parts list and the picture box.

#include "SkinControl/skForm.h"
#include "SkinControl/skListView.h"
#include "SkinControl/skPanel.h"
#include "SkinControl/skScrollBox.h"
#include "catalogue/uPaintBox.h"
#include "runtime/skCommand.h"
#include "runtime/skPopMenu.h"

#include <QPointer>
#include <memory>
#include <pugixml.hpp>
#include <vector>

class TSkStract;

class TfrmMain : public TSkForm {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* owner = nullptr);
    ~TfrmMain() override;

    // The host handler of both runtimes.
    void HandleCommand(const RHelpAction& action);
    // The control factory hook of both runtimes.
    void MakeHostObject(QWidget* parent, const QString& name, const QStringList& values, const QString& type);

    TSkStract* MainRuntime() const { return mainRuntime.get(); }
    TSkStract* WorkRuntime() const { return workRuntime.get(); }
    pugi::xml_node ResultRoot() const { return resultRoot; }
    pugi::xml_node IndexRoot() const { return indexRoot; }
    const std::vector<pugi::xml_node>& Favourites() const { return favourites; }
    TSkListView* DetailList() const { return detailList; }
    TPaintBox* PictureBox() const { return pictureBox; }

    // The favourites as saved: group keys each followed by "*".
    QString SaveFavourites() const;
    void LoadFavourites();

private:
    void FormCreate();
    void FormDestroy();
    void loadDocument(pugi::xml_document& doc, pugi::xml_node& root, const QString& file);

    std::unique_ptr<TSkStract> mainRuntime;
    std::unique_ptr<TSkStract> workRuntime;
    pugi::xml_document resultDoc, indexDoc;
    pugi::xml_node resultRoot, indexRoot;
    std::vector<pugi::xml_node> favourites;
    std::vector<pugi::xml_node> visitHistory;
    int historyPos = 0;
    int selectedPart = -1;
    bool busy = false;
    QPointer<TSkPopMenu> favouritesMenu;
    QPointer<TSkScrollBox> scroll;
    QPointer<TSkPanel> panelImageCenter;
    QPointer<TSkListView> detailList;
    QPointer<TPaintBox> pictureBox;
};
