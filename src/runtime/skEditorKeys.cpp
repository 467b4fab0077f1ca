// Key tables of the editors, lists, trees, views, pictures and players.

#include "runtime/skProperty.h"

#include "SkinControl/skComboBox.h"
#include "SkinControl/skDiagram.h"
#include "SkinControl/skEditBox.h"
#include "SkinControl/skFlash.h"
#include "SkinControl/skForm.h"
#include "SkinControl/skGif.h"
#include "SkinControl/skGrid.h"
#include "SkinControl/skHTML.h"
#include "SkinControl/skHtmlGrid.h"
#include "SkinControl/skImage.h"
#include "SkinControl/skLabel.h"
#include "SkinControl/skListBox.h"
#include "SkinControl/skListImg.h"
#include "SkinControl/skMedia.h"
#include "SkinControl/skPic.h"
#include "SkinControl/skProgressBar.h"
#include "SkinControl/skSkin.h"
#include "SkinControl/skSpinEdit.h"
#include "SkinControl/skTrackBar.h"
#include "SkinControl/skTreeView.h"
#include "SkinControl/skTreeViewEx.h"
#include "platform/ControlLayout.h"
#include "platform/Errors.h"
#include "runtime/skPopMenu.h"
#include "runtime/skUseStract.h"
#include "runtime/uUtils.h"

namespace {

using namespace SharedKeys;

template <typename T> T* as(TPropertyContext& c) {
    return qobject_cast<T*>(c.object);
}

} // namespace

void RegisterEditorKeys(QHash<QString, TPropertyTable>& tables) {
    tables["tree_ex"] = SharedKeys::Table(Anchor | Action);
    tables["tree_ex"]["skin"] = [](TPropertyContext&, const QString&) {}; // read and ignored
    tables["html"] = SharedKeys::Table(Anchor | Action);
    tables["grid"] = SharedKeys::Table(Anchor | Action | Skin);
    tables["html_grid"] = SharedKeys::Table(Anchor);
    tables["list_img"] = SharedKeys::Table(Anchor | Action);
    tables["diagram"] = SharedKeys::Table(Anchor | Hint);
    tables["flash"] = SharedKeys::Table(Anchor);
    // The player has no place of its own: its anchor has nothing to move.
    tables["media"]["anchor"] = [](TPropertyContext&, const QString&) {};
    tables["gif"] = SharedKeys::Table(Anchor);
    tables["gif"]["load"] = [](TPropertyContext& c, const QString& v) { as<TSkGif>(c)->Load(v); };
    tables["progress_bar"] = SharedKeys::Table(Anchor | Hint);
    tables["track_bar"] = SharedKeys::Table(Anchor | Action | Hint | Skin);

    TPropertyTable& image = tables["image"] = SharedKeys::Table(Anchor | Action);
    image["load"] = [](TPropertyContext& c, const QString& v) { as<TSkImage>(c)->SetFile(v); };
    image["scale"] = [](TPropertyContext& c, const QString& v) {
        as<TSkImage>(c)->SetFit(TextToBool(v, false));
    };
    image["max_scale"] = [](TPropertyContext& c, const QString& v) {
        as<TSkImage>(c)->MaxScale = StrToInt(v) / 100.0;
    };
    image["min_scale"] = [](TPropertyContext& c, const QString& v) {
        as<TSkImage>(c)->MinScale = StrToInt(v) / 100.0;
    };
    image["menu"] = [](TPropertyContext& c, const QString& v) {
        if (TSkPopMenu* menu = c.runtime.GetPopMenu(v)) as<TSkImage>(c)->PopupMenu = menu;
    };
    image["center"] = [](TPropertyContext& c, const QString& v) {
        as<TSkImage>(c)->SetCenter(TextToBool(v, false));
    };
    // The drag handler is installed whatever the window's flag: it acts only
    // while the flag is on.
    image["move"] = [](TPropertyContext& c, const QString& v) {
        TSkImage* img = as<TSkImage>(c);
        img->MoveWindow = TextToBool(v, false);
        if (img->MoveWindow) c.runtime.Window()->InstallDragHandler(img);
    };

    tables["pic"] = SharedKeys::Table(Anchor | Skin);

    TPropertyTable& edit = tables["edit_box"] = SharedKeys::Table(Anchor | Action | Hint);
    edit["only_number"] = [](TPropertyContext& c, const QString& v) {
        as<TSkEditBox>(c)->SetOnlyNumber(TextToBool(v, false));
    };
    edit["min_link"] = [](TPropertyContext& c, const QString& v) {
        as<TSkEditBox>(c)->SetMinLink(c.runtime.GetEditBox(v));
    };

    TPropertyTable& combo = tables["combo_box"] = SharedKeys::Table(Anchor | Action);
    combo["skin"] = SharedKeys::SetSkinWithFile;
    combo["count_line"] = [](TPropertyContext& c, const QString& v) {
        as<TSkComboBox>(c)->setMaxVisibleItems(qMax(1, StrToInt(v)));
    };
    combo["read_only"] = [](TPropertyContext& c, const QString& v) {
        as<TSkComboBox>(c)->SetReadOnly(TextToBool(v, false));
    };
    combo["load"] = [](TPropertyContext& c, const QString& v) {
        TSkComboBox* box = as<TSkComboBox>(c);
        box->LoadFromFile(v);
        if (box->count() > 0) box->setCurrentIndex(0);
    };

    TPropertyTable& spin = tables["spin_edit"] = SharedKeys::Table(Anchor | Hint);
    spin["max"] = [](TPropertyContext& c, const QString& v) { as<TSkSpinEdit>(c)->SetMax(StrToInt(v)); };
    spin["min"] = [](TPropertyContext& c, const QString& v) { as<TSkSpinEdit>(c)->SetMin(StrToInt(v)); };

    TPropertyTable& list = tables["list_box"] = SharedKeys::Table(Anchor | Action | Skin);
    list["load"] = [](TPropertyContext& c, const QString& v) { as<TSkListBox>(c)->LoadFromFile(v); };
    list["multiselect"] = [](TPropertyContext& c, const QString& v) {
        as<TSkListBox>(c)->SetMultiSelect(TextToBool(v, false));
    };

    // The label's own table is registered with the other controls; this key
    // needs the HTML view, so it joins here.
    tables["label"]["html_title"] = [](TPropertyContext& c, const QString& v) {
        if (TSkHtml* html = c.runtime.GetHtml(v)) html->TitleLabel = as<TSkLabel>(c);
    };
}
