// Key table of navigation trees, and the speed-button keys that link a
// button to a tree.

#include "runtime/skProperty.h"

#include "SkinControl/skHTML.h"
#include "SkinControl/skSpeedButton.h"
#include "SkinControl/skTreeView.h"
#include "platform/ControlLayout.h"
#include "platform/Errors.h"
#include "runtime/skUseStract.h"
#include "runtime/uUtils.h"

namespace {

TSkTree* tree(TPropertyContext& c) { return qobject_cast<TSkTree*>(c.object); }

template <void (*Set)(QWidget*, int)> void setInt(TPropertyContext& c, const QString& v) {
    Set(tree(c), StrToInt(v));
}

void setNavButton(TSkTree* t, TSkSpeedButton* b, bool next) {
    if (!t || !b) return;
    (next ? t->NextButton : t->PrevButton) = b;
    t->UpdateNavButtons();
}

TPropertyTable treeKeys() {
    using namespace SharedKeys;
    TPropertyTable t = SharedKeys::Table(Anchor | Action | Skin);
    t["min_width"] = setInt<ControlLayout::SetMinWidth>;
    t["min_height"] = setInt<ControlLayout::SetMinHeight>;
    t["max_width"] = setInt<ControlLayout::SetMaxWidth>;
    t["max_height"] = setInt<ControlLayout::SetMaxHeight>;
    t["load"] = [](TPropertyContext& c, const QString& v) { tree(c)->LoadFromFile(v); };
    t["bordur"] = [](TPropertyContext& c, const QString& v) {
        tree(c)->setFrameStyle(TextToBool(v, true) ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
        tree(c)->setLineWidth(1);
    };
    t["open_block"] = [](TPropertyContext& c, const QString& v) {
        tree(c)->SetOpenBlock(TextToBool(v, false));
    };
    t["link_html"] = [](TPropertyContext& c, const QString& v) {
        if (TSkHtml* html = c.runtime.GetHtml(v)) html->LinkedTree = tree(c);
    };
    // An empty colour value keeps the tree's own colour.
    t["color"] = [](TPropertyContext& c, const QString& v) {
        const QColor color = ColorFromText(v);
        if (!color.isValid()) return;
        QPalette pal = tree(c)->palette();
        pal.setColor(QPalette::Base, color);
        tree(c)->setPalette(pal);
    };
    t["font"] = [](TPropertyContext& c, const QString& v) {
        TSkTree* w = tree(c);
        QFont font = w->font();
        QColor color = w->palette().color(QPalette::Text);
        FontFromText(font, color, v);
        w->setFont(font);
        QPalette pal = w->palette();
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) pal.setColor(role, color);
        w->setPalette(pal);
    };
    t["color_select"] = [](TPropertyContext& c, const QString& v) {
        const QColor color = ColorFromText(v);
        if (color.isValid()) tree(c)->SetSelectColor(color);
    };
    t["font_select"] = [](TPropertyContext& c, const QString& v) {
        QFont font = tree(c)->SelectFont();
        QColor color = tree(c)->SelectFontColor();
        FontFromText(font, color, v);
        tree(c)->SetSelectFont(font, color);
    };
    t["but_next"] = [](TPropertyContext& c, const QString& v) {
        setNavButton(tree(c), c.runtime.GetSpButton(v), true);
    };
    t["but_prev"] = [](TPropertyContext& c, const QString& v) {
        setNavButton(tree(c), c.runtime.GetSpButton(v), false);
    };
    return t;
}

} // namespace

void RegisterTreeKeys(QHash<QString, TPropertyTable>& tables) {
    tables["tree"] = treeKeys();
    TPropertyTable& button = tables["sp_button"];
    button["but_next_tree"] = [](TPropertyContext& c, const QString& v) {
        setNavButton(c.runtime.GetTree(v), qobject_cast<TSkSpeedButton*>(c.object), true);
    };
    button["but_prev_tree"] = [](TPropertyContext& c, const QString& v) {
        setNavButton(c.runtime.GetTree(v), qobject_cast<TSkSpeedButton*>(c.object), false);
    };
}
