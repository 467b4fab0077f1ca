// Key tables of the editors, lists, trees, views, pictures and players.

#include "runtime/skProperty.h"

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
#include "runtime/skUseStract.h"
#include "runtime/uUtils.h"

namespace {

TSkControl* control(TPropertyContext& c) {
    return AsSkControl(c.object);
}

template <typename T> T* as(TPropertyContext& c) {
    return qobject_cast<T*>(c.object);
}

void setAnchor(TPropertyContext& c, const QString& v) {
    if (QWidget* w = control(c)->skWidget()) PositionFromText(w, v);
}

void setAction(TPropertyContext& c, const QString& v) {
    control(c)->ActionText = v;
}

void setHint(TPropertyContext& c, const QString& v) {
    if (QWidget* w = control(c)->skWidget()) w->setToolTip(v);
}

// "skin object * skin file": the object part only.
void setSkinObject(TPropertyContext& c, const QString& v) {
    const QString object = HeadOf(v, "*");
    if (!object.isEmpty()) control(c)->SetSkinObject(object);
}

// The combo box also takes the skin file, when the window loads it now.
void setComboSkin(TPropertyContext& c, const QString& v) {
    setSkinObject(c, v);
    const QString file = FieldOf(v, 2);
    TSkSkin* skin = c.runtime.Skin();
    if (file.isEmpty() || !skin || !skin->AddSkin(file)) return;
    if (const TSkinLink* link = skin->FindSkin(file)) as<TSkComboBox>(c)->setStyleSheet(link->styleSheet);
}

enum Shared { Anchor = 1, Action = 2, Hint = 4, Skin = 8 };

TPropertyTable sharedKeys(int which) {
    TPropertyTable t;
    if (which & Anchor) t["anchor"] = setAnchor;
    if (which & Action) t["action"] = setAction;
    if (which & Hint) t["hint"] = setHint;
    if (which & Skin) t["skin"] = setSkinObject;
    return t;
}

} // namespace

void RegisterEditorKeys(QHash<QString, TPropertyTable>& tables) {
    tables["tree"] = sharedKeys(Anchor | Action | Skin);
    tables["tree_ex"] = sharedKeys(Anchor | Action);
    tables["tree_ex"]["skin"] = [](TPropertyContext&, const QString&) {}; // read and ignored
    tables["html"] = sharedKeys(Anchor | Action);
    tables["grid"] = sharedKeys(Anchor | Action | Skin);
    tables["html_grid"] = sharedKeys(Anchor);
    tables["list_img"] = sharedKeys(Anchor | Action);
    tables["diagram"] = sharedKeys(Anchor | Hint);
    tables["flash"] = sharedKeys(Anchor);
    // The player has no place of its own: its anchor has nothing to move.
    tables["media"]["anchor"] = [](TPropertyContext&, const QString&) {};
    tables["gif"] = sharedKeys(Anchor);
    tables["gif"]["load"] = [](TPropertyContext& c, const QString& v) { as<TSkGif>(c)->Load(v); };
    tables["progress_bar"] = sharedKeys(Anchor | Hint);
    tables["track_bar"] = sharedKeys(Anchor | Action | Hint | Skin);

    TPropertyTable& image = tables["image"] = sharedKeys(Anchor | Action);
    image["load"] = [](TPropertyContext& c, const QString& v) { as<TSkImage>(c)->SetFile(v); };
    image["scale"] = [](TPropertyContext& c, const QString& v) {
        as<TSkImage>(c)->SetFit(TextToBool(v, false));
    };

    tables["pic"] = sharedKeys(Anchor | Skin);

    TPropertyTable& edit = tables["edit_box"] = sharedKeys(Anchor | Action | Hint);
    edit["only_number"] = [](TPropertyContext& c, const QString& v) {
        as<TSkEditBox>(c)->SetOnlyNumber(TextToBool(v, false));
    };

    TPropertyTable& combo = tables["combo_box"] = sharedKeys(Anchor | Action);
    combo["skin"] = setComboSkin;
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

    TPropertyTable& spin = tables["spin_edit"] = sharedKeys(Anchor | Hint);
    spin["max"] = [](TPropertyContext& c, const QString& v) { as<TSkSpinEdit>(c)->SetMax(StrToInt(v)); };
    spin["min"] = [](TPropertyContext& c, const QString& v) { as<TSkSpinEdit>(c)->SetMin(StrToInt(v)); };

    TPropertyTable& list = tables["list_box"] = sharedKeys(Anchor | Action | Skin);
    list["load"] = [](TPropertyContext& c, const QString& v) { as<TSkListBox>(c)->LoadFromFile(v); };
    list["multiselect"] = [](TPropertyContext& c, const QString& v) {
        as<TSkListBox>(c)->SetMultiSelect(TextToBool(v, false));
    };
}
