#include "runtime/skProperty.h"

#include "SkinControl/skControl.h"
#include "SkinControl/skSkin.h"
#include "platform/ControlLayout.h"
#include "runtime/skUseStract.h"
#include "runtime/uUtils.h"

const TPropertyTable* PropertyTable(const QString& type) {
    static const QHash<QString, TPropertyTable> tables = [] {
        QHash<QString, TPropertyTable> t;
        RegisterFormKeys(t);
        RegisterControlKeys(t);
        RegisterEditorKeys(t);
        RegisterTreeKeys(t);
        return t;
    }();
    auto it = tables.constFind(type);
    return it == tables.constEnd() ? nullptr : &it.value();
}

namespace SharedKeys {

namespace {
QWidget* widgetOf(TPropertyContext& c) {
    TSkControl* control = AsSkControl(c.object);
    return control ? control->skWidget() : nullptr;
}
} // namespace

TPropertyTable Table(int which) {
    TPropertyTable t;
    if (which & Anchor) t["anchor"] = SetAnchor;
    if (which & Action) t["action"] = SetAction;
    if (which & Hint) t["hint"] = SetHint;
    if (which & Skin) t["skin"] = SetSkinObject;
    return t;
}

void SetAnchor(TPropertyContext& c, const QString& v) {
    if (QWidget* w = widgetOf(c)) PositionFromText(w, v);
}

void SetAction(TPropertyContext& c, const QString& v) {
    if (TSkControl* control = AsSkControl(c.object)) control->ActionText = v;
}

void SetHint(TPropertyContext& c, const QString& v) {
    if (QWidget* w = widgetOf(c)) w->setToolTip(v);
}

void SetSkinObject(TPropertyContext& c, const QString& v) {
    const QString object = FieldOf(v, 1);
    TSkControl* control = AsSkControl(c.object);
    if (control && !object.isEmpty()) control->SetSkinObject(object);
}

void SetSkinWithFile(TPropertyContext& c, const QString& v) {
    SetSkinObject(c, v);
    const QString file = FieldOf(v, 2);
    TSkSkin* skin = c.runtime.Skin();
    QWidget* w = widgetOf(c);
    if (file.isEmpty() || !skin || !w || !skin->AddSkin(AbsoluteFromApp(file))) return;
    if (const TSkinLink* link = skin->FindSkin(file)) w->setStyleSheet(link->styleSheet);
}

} // namespace SharedKeys
