// Key tables of the buttons, check and radio boxes, panels, scroll box,
// splitter and label.

#include "runtime/skProperty.h"

#include "SkinControl/skButton.h"
#include "SkinControl/skCheckBox.h"
#include "SkinControl/skLabel.h"
#include "SkinControl/skPanel.h"
#include "SkinControl/skParPanel.h"
#include "SkinControl/skRButton.h"
#include "SkinControl/skScrollBox.h"
#include "SkinControl/skSkin.h"
#include "SkinControl/skSpeedButton.h"
#include "SkinControl/skSplitter.h"
#include "platform/ControlLayout.h"
#include "platform/Errors.h"
#include "runtime/skPopMenu.h"
#include "runtime/skUseStract.h"
#include "runtime/uUtils.h"

#include <QMenu>

namespace {

using namespace SharedKeys;

template <typename T> T* as(TPropertyContext& c) {
    return qobject_cast<T*>(c.object);
}

QWidget* widget(TPropertyContext& c) {
    TSkControl* control = AsSkControl(c.object);
    return control ? control->skWidget() : nullptr;
}

// "name*size*colour*style": the font and the colour of the text.
void setFont(TPropertyContext& c, const QString& v) {
    QWidget* w = widget(c);
    QFont font = w->font();
    QColor color = w->palette().color(QPalette::WindowText);
    FontFromText(font, color, v);
    w->setFont(font);
    QPalette pal = w->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(role, color);
    w->setPalette(pal);
}

void setCaption(TPropertyContext& c, const QString& v) {
    if (auto* b = qobject_cast<QAbstractButton*>(c.object)) b->setText(v);
}

void setChecked(TPropertyContext& c, const QString& v) {
    if (auto* b = qobject_cast<QAbstractButton*>(c.object)) b->setChecked(TextToBool(v, false));
}

template <void (*Set)(QWidget*, int)> void setInt(TPropertyContext& c, const QString& v) {
    Set(widget(c), StrToInt(v));
}

TPropertyTable buttonKeys() {
    TPropertyTable t = SharedKeys::Table(Anchor | Action | Hint);
    t["skin"] = SharedKeys::SetSkinWithFile;
    t["caption"] = setCaption;
    t["font"] = setFont;
    t["text_align"] = [](TPropertyContext& c, const QString& v) {
        as<TSkButton>(c)->SetTextAlignment(ToQtAlignment(AlignmentFromText(v)));
    };
    t["transparent"] = [](TPropertyContext& c, const QString& v) {
        as<TSkButton>(c)->SetTransparent(TextToBool(v, true));
    };
    t["word_wrap"] = [](TPropertyContext& c, const QString& v) {
        as<TSkButton>(c)->SetWordWrap(TextToBool(v, false));
    };
    return t;
}

TPropertyTable speedButtonKeys() {
    TPropertyTable t = SharedKeys::Table(Anchor | Action | Hint | Skin);
    t["caption"] = setCaption;
    t["font"] = setFont;
    t["transparent"] = [](TPropertyContext& c, const QString& v) {
        as<TSkSpeedButton>(c)->SetTransparent(TextToBool(v, true));
    };
    t["hint_down"] = [](TPropertyContext& c, const QString& v) { as<TSkSpeedButton>(c)->HintDown = v; };
    t["hint_up"] = [](TPropertyContext& c, const QString& v) { as<TSkSpeedButton>(c)->HintUp = v; };
    t["group"] = [](TPropertyContext& c, const QString& v) {
        as<TSkSpeedButton>(c)->SetGroupIndex(StrToInt(v));
    };
    t["down"] = [](TPropertyContext& c, const QString& v) {
        as<TSkSpeedButton>(c)->SetDown(TextToBool(v, false));
    };
    t["menu"] = [](TPropertyContext& c, const QString& v) {
        if (TSkPopMenu* menu = c.runtime.GetPopMenu(v)) as<TSkSpeedButton>(c)->SetMenu(menu);
    };
    return t;
}

TPropertyTable checkBoxKeys() {
    TPropertyTable t = SharedKeys::Table(Anchor | Action | Hint);
    t["caption"] = setCaption;
    t["check"] = setChecked;
    t["enable_control"] = [](TPropertyContext& c, const QString& v) {
        as<TSkCheckBox>(c)->AddEnableControls(v);
    };
    return t;
}

TPropertyTable radioButtonKeys() {
    TPropertyTable t = SharedKeys::Table(Anchor | Action | Hint);
    t["caption"] = setCaption;
    t["check"] = setChecked;
    return t;
}

TPropertyTable panelKeys() {
    TPropertyTable t = SharedKeys::Table(Anchor | Action | Skin);
    t["visible_ex"] = [](TPropertyContext& c, const QString& v) {
        if (TextToBool(v, true)) as<TSkPanel>(c)->ShowOrHide();
    };
    t["min_width"] = setInt<ControlLayout::SetMinWidth>;
    t["max_width"] = setInt<ControlLayout::SetMaxWidth>;
    t["min_height"] = setInt<ControlLayout::SetMinHeight>;
    return t;
}

TPropertyTable parentPanelKeys() {
    TPropertyTable t = SharedKeys::Table(Anchor | Action);
    t["min_width"] = setInt<ControlLayout::SetMinWidth>;
    t["min_height"] = setInt<ControlLayout::SetMinHeight>;
    t["max_width"] = setInt<ControlLayout::SetMaxWidth>;
    t["color"] = [](TPropertyContext& c, const QString& v) {
        as<TParentPanel>(c)->SetColor(ColorFromText(v));
    };
    return t;
}

TPropertyTable scrollBoxKeys() {
    TPropertyTable t = SharedKeys::Table(Anchor | Skin);
    t["color"] = [](TPropertyContext& c, const QString& v) {
        as<TSkScrollBox>(c)->SetColor(ColorFromText(v));
    };
    return t;
}

TPropertyTable labelKeys() {
    TPropertyTable t = SharedKeys::Table(Anchor | Action | Hint | Skin);
    t["url"] = [](TPropertyContext& c, const QString& v) {
        as<TSkLabel>(c)->SetUrlLook(TextToBool(v, false));
    };
    t["cut_length"] = [](TPropertyContext& c, const QString& v) {
        as<TSkLabel>(c)->SetCutLength(TextToBool(v, false));
    };
    t["caption"] = [](TPropertyContext& c, const QString& v) { as<TSkLabel>(c)->SetCaption(v); };
    t["font"] = setFont;
    t["text_align"] = [](TPropertyContext& c, const QString& v) {
        as<TSkLabel>(c)->setAlignment(ToQtAlignment(AlignmentFromText(v)) | Qt::AlignTop);
    };
    t["word_wrap"] = [](TPropertyContext& c, const QString& v) {
        as<TSkLabel>(c)->SetWordWrap(TextToBool(v, false));
    };
    t["auto_size"] = [](TPropertyContext& c, const QString& v) {
        as<TSkLabel>(c)->SetAutoSize(TextToBool(v, false));
    };
    return t;
}

} // namespace

void RegisterControlKeys(QHash<QString, TPropertyTable>& tables) {
    tables["button"] = buttonKeys();
    tables["sp_button"] = speedButtonKeys();
    tables["check_box"] = checkBoxKeys();
    tables["r_button"] = radioButtonKeys();
    tables["panel"] = panelKeys();
    tables["parent_panel"] = parentPanelKeys();
    tables["scroll_box"] = scrollBoxKeys();
    tables["split"] = SharedKeys::Table(Action | Skin);
    tables["label"] = labelKeys();
}
