// The keys of the `form` section: they configure the window itself.

#include "SkinControl/skForm.h"
#include "platform/Errors.h"
#include "platform/Paths.h"
#include "runtime/skProperty.h"
#include "runtime/skUseStract.h"
#include "runtime/uUtils.h"

#include <QApplication>
#include <QIcon>
#include <QToolTip>

namespace {

TSkForm* form(TPropertyContext& ctx) { return ctx.runtime.Window(); }

void setBound(TPropertyContext& ctx, const QString& key, const QString& v) {
    TSkForm* w = form(ctx);
    QRect r = w->geometry();
    const int n = StrToInt(v);
    if (key == "top") r.moveTop(n);
    else if (key == "left") r.moveLeft(n);
    else if (key == "width") r.setWidth(n);
    else r.setHeight(n);
    w->setGeometry(r);
    w->UpdateFrameLayout();
}

void setHintColor(QPalette::ColorRole role, const QColor& color) {
    QPalette pal = QToolTip::palette();
    pal.setColor(role, color);
    QToolTip::setPalette(pal);
}

} // namespace

void RegisterFormKeys(QHash<QString, TPropertyTable>& tables) {
    TPropertyTable t;
    t["caption"] = [](TPropertyContext& c, const QString& v) { form(c)->SetCaption(v); };
    t["title"] = [](TPropertyContext&, const QString& v) { QApplication::setApplicationDisplayName(v); };
    t["but_help"] = [](TPropertyContext& c, const QString& v) {
        form(c)->SetHelpButton(true);
        form(c)->HelpAction = v;
    };
    t["save_pos"] = [](TPropertyContext& c, const QString& v) { c.runtime.SetSavePos(TextToBool(v, false)); };
    t["min_width"] = [](TPropertyContext& c, const QString& v) { form(c)->SetMinWidth(StrToInt(v)); };
    t["min_height"] = [](TPropertyContext& c, const QString& v) { form(c)->SetMinHeight(StrToInt(v)); };
    t["dialog"] = [](TPropertyContext& c, const QString& v) { form(c)->SetDialog(TextToBool(v, false)); };
    t["splash"] = [](TPropertyContext& c, const QString& v) { c.runtime.ShowSplash(v); };
    for (const char* key : {"top", "left", "width", "height"})
        t[key] = [key = QString(key)](TPropertyContext& c, const QString& v) { setBound(c, key, v); };
    t["action"] = [](TPropertyContext& c, const QString& v) { form(c)->StartAction = v; };
    t["reg_dat"] = [](TPropertyContext& c, const QString& v) { c.runtime.SetRegPath(v); };
    t["visible"] = [](TPropertyContext& c, const QString& v) {
        if (!TextToBool(v, true)) form(c)->hide();
    };
    t["size"] = [](TPropertyContext& c, const QString& v) { form(c)->SetSizeable(TextToBool(v, true)); };
    t["moving"] = [](TPropertyContext& c, const QString& v) { form(c)->Moving = TextToBool(v, false); };
    t["esc_close"] = [](TPropertyContext& c, const QString& v) { form(c)->EscClose = TextToBool(v, false); };
    t["splash_close_auto"] = [](TPropertyContext& c, const QString& v) {
        c.runtime.SetCloseSplash(TextToBool(v, true));
    };
    t["hint_color"] = [](TPropertyContext&, const QString& v) { setHintColor(QPalette::ToolTipBase, ColorFromText(v)); };
    t["hint_font_color"] = [](TPropertyContext&, const QString& v) {
        setHintColor(QPalette::ToolTipText, ColorFromText(v));
    };
    t["message_font"] = [](TPropertyContext& c, const QString& v) {
        QColor color;
        FontFromText(form(c)->MessageFont, color, v);
    };
    t["help_id"] = [](TPropertyContext& c, const QString& v) { c.runtime.SetHelpId(v); };
    t["effect"] = [](TPropertyContext& c, const QString& v) { form(c)->ShowEffect = v; };
    t["but_max"] = [](TPropertyContext& c, const QString& v) {
        form(c)->MaxButtons += FieldOf(v, 1) + ";";
        form(c)->NormalButtons += FieldOf(v, 2) + ";";
    };
    t["hide_caption"] = [](TPropertyContext& c, const QString& v) { form(c)->SetHideCaption(TextToBool(v, true)); };
    t["ico"] = [](TPropertyContext&, const QString& v) {
        const QString file = FindOnDisk(AbsoluteFromApp(v));
        if (!file.isEmpty()) QApplication::setWindowIcon(QIcon(file));
    };
    t["skin"] = [](TPropertyContext& c, const QString& v) { c.runtime.SetSkin(v); };
    tables["form"] = t;
}
