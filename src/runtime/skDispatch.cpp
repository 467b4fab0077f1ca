// TSkStract: the dispatcher of action strings and the control events that
// produce them.

#include "runtime/skUseStract.h"
#include "runtime/skVerbs.h"

#include "SkinControl/skButton.h"
#include "SkinControl/skCheckBox.h"
#include "SkinControl/skComboBox.h"
#include "SkinControl/skEditBox.h"
#include "SkinControl/skFlash.h"
#include "SkinControl/skForm.h"
#include "SkinControl/skGrid.h"
#include "SkinControl/skHTML.h"
#include "SkinControl/skImage.h"
#include "SkinControl/skLabel.h"
#include "SkinControl/skMedia.h"
#include "SkinControl/skPanel.h"
#include "SkinControl/skParPanel.h"
#include "SkinControl/skSpeedButton.h"
#include "SkinControl/skSplitter.h"
#include "SkinControl/skTreeView.h"
#include "SkinControl/skTreeViewEx.h"
#include "SkinControl/uFORM.h"
#include "platform/ControlLayout.h"
#include "platform/Errors.h"
#include "platform/Platform.h"
#include "runtime/skPopMenu.h"
#include "runtime/uUtils.h"

#include <QFileInfo>
#include <QScrollBar>

namespace {



void setVisible(QObject* o, bool visible) {
    if (auto* w = qobject_cast<QWidget*>(o)) ControlLayout::SetVisible(w, visible);
}

QHash<QString, Verb> makeVerbTable() {
    QHash<QString, Verb> verbs = {
        {"click_but", [](VerbContext& c) {
             if (auto* b = c.rt.GetButton(c.a1)) c.rt.ControlAction(b);
         }},
        {"click_spbut", [](VerbContext& c) {
             if (auto* b = c.rt.GetSpButton(c.a1)) c.rt.ControlAction(b);
         }},
        {"spbutton_down", [](VerbContext& c) {
             if (auto* b = c.rt.GetSpButton(c.a1)) {
                 b->SetDown(TextToBool(c.a2, true));
                 b->Latched = b->isChecked();
             }
         }},
        {"form_close", [](VerbContext& c) {
             c.rt.SuspendPictures();
             if (c.a1.isEmpty()) {
                 c.rt.Window()->close();
                 platform().exitProgram(0);
                 c.stop = true;
             } else {
                 c.rt.Window()->CloseWithResult(StrToInt(c.a1));
             }
         }},
        {"form_mini", [](VerbContext& c) { c.rt.Window()->ToggleMinimize(); }},
        {"form_maxi", [](VerbContext& c) {
             c.rt.SuspendPictures();
             c.rt.Window()->ToggleMaximize();
             c.rt.ResumePictures();
             c.rt.Window()->update();
         }},
        {"form_show", [](VerbContext& c) {
             if (c.a1.isEmpty()) return;
             auto* form = new TfrmFORM(c.rt.Window());
             {
                 TSkStract runtime(form, c.a1);
                 runtime.Build();
                 runtime.ActivatePage();
                 form->ShowModal();
             }
             delete form;
         }},
        {"menu_del_favore", [](VerbContext& c) { c.rt.DeleteFavorite(c.cmd.parameter); }},
        {"menu_show", [](VerbContext& c) {
             TSkPopMenu* menu = c.rt.GetPopMenu(c.a1);
             if (!menu) return;
             c.rt.FillHistoryMenu(menu);
             int height = c.action.Height, x = c.action.X, y = c.action.Y;
             if (height == 0 && x == 0 && y == 0 && !c.a2.isEmpty()) {
                 const bool was = c.rt.MessagesEnabled();
                 c.rt.SetMessagesEnabled(false);
                 QWidget* anchor = c.rt.GetButton(c.a2);
                 if (!anchor) anchor = c.rt.GetSpButton(c.a2);
                 c.rt.SetMessagesEnabled(was);
                 if (anchor) {
                     height = anchor->height();
                     const QPoint p = anchor->mapToGlobal(QPoint(0, 0));
                     x = p.x();
                     y = p.y();
                 } else {
                     platform().messageBox("menu_show. Не найден контрол " + c.a2);
                 }
             }
             menu->popup(QPoint(x, y + height));
         }},
        {"media_load", [](VerbContext& c) { c.rt.GetMedia(c.a1); }},
        {"media_pause", [](VerbContext& c) { c.rt.GetMedia(c.a1); }},
        {"media_stop", [](VerbContext& c) { c.rt.GetMedia(c.a1); }},
        {"media_play", [](VerbContext& c) { c.rt.GetMedia(c.a1); }},
        {"flash_view", [](VerbContext& c) { c.rt.GetFlash(c.a1); }},
        {"flash_load", [](VerbContext& c) { c.rt.GetFlash(c.a1); }},
        {"flash_pause", [](VerbContext& c) { c.rt.GetFlash(c.a1); }},
        {"flash_play", [](VerbContext& c) { c.rt.GetFlash(c.a1); }},
        {"flash_stop", [](VerbContext& c) { c.rt.GetFlash(c.a1); }},
        {"run", [](VerbContext& c) {
             const QString program = AbsoluteFromApp(c.a1);
             const QFileInfo info(NativePath(program));
             platform().shellOpen(NativePath(program), c.a2, "open", info.path());
         }},
        {"html_back", [](VerbContext& c) { c.rt.GetHtml(c.a1); }},
        {"html_forward", [](VerbContext& c) { c.rt.GetHtml(c.a1); }},
        {"html_copy", [](VerbContext& c) {
             if (auto* h = c.rt.GetHtml(c.a1); h && h->isVisible()) h->copy();
         }},
        {"html_sel_all", [](VerbContext& c) {
             if (auto* h = c.rt.GetHtml(c.a1); h && h->isVisible()) {
                 h->setFocus();
                 h->selectAll();
             }
         }},
        {"html_load", [](VerbContext& c) { c.rt.GetHtml(c.a1); }},
        {"html_print", [](VerbContext& c) { c.rt.GetHtml(c.a1); }},
        {"html_preview", [](VerbContext& c) { c.rt.GetHtml(c.a1); }},
        {"html_go_top", [](VerbContext& c) {
             if (auto* h = c.rt.GetHtml(c.a1)) h->verticalScrollBar()->setValue(0);
         }},
        {"html_go_history", [](VerbContext& c) {
             if (c.rt.GetHtml(c.a1)) StrToInt(c.a2);
         }},
        {"grid_print", [](VerbContext& c) { c.rt.GetGrid(c.a1); }},
        {"label", [](VerbContext& c) {
             if (auto* l = c.rt.GetLabel(c.a1)) l->SetCaption(c.a2);
         }},
        {"combo_load", [](VerbContext& c) {
             if (auto* b = c.rt.GetComboBox(c.a1)) {
                 b->LoadItems(c.a2);
                 b->setCurrentIndex(-1);
                 b->setCurrentIndex(0);
             }
         }},
        {"treeex_add_favorite", [](VerbContext& c) { c.rt.GetTreeEx(c.a1); }},
        {"treeex_go", [](VerbContext& c) { c.rt.GetTreeEx(c.a1); }},
        {"treeex_check_all", [](VerbContext& c) { c.rt.GetTreeEx(c.a1); }},
        {"treeex_un_check_all", [](VerbContext& c) { c.rt.GetTreeEx(c.a1); }},
        {"treeex_show_or_hide", [](VerbContext& c) {
             if (auto* t = c.rt.GetTreeEx(c.a1)) setVisible(t, !t->isVisible());
         }},
        {"treeex_next", [](VerbContext& c) { c.rt.GetTreeEx(c.a1); }},
        {"treeex_prev", [](VerbContext& c) { c.rt.GetTreeEx(c.a1); }},
        {"visible", [](VerbContext& c) {
             if (QObject* o = c.rt.GetControl(c.a1)) setVisible(o, TextToBool(c.a2, true));
         }},
        {"enabled", [](VerbContext& c) {
             if (auto* w = qobject_cast<QWidget*>(c.rt.GetControl(c.a1))) w->setEnabled(TextToBool(c.a2, true));
         }},
        {"split_show_or_hide", [](VerbContext& c) {
             if (auto* s = c.rt.GetSplit(c.a1)) s->ShowOrHide();
         }},
        {"panel_show_or_hide", [](VerbContext& c) {
             if (auto* p = c.rt.GetPanel(c.a1)) p->ShowOrHide();
         }},
        {"parpanel_show_or_hide", [](VerbContext& c) {
             if (auto* p = c.rt.GetParentPanel(c.a1)) p->ShowOrHide();
         }},
        {"spbutton_show_or_hide", [](VerbContext& c) {
             if (auto* b = c.rt.GetSpButton(c.a1)) b->ShowOrHide();
         }},
        {"button_show_or_hide", [](VerbContext& c) {
             if (auto* b = c.rt.GetButton(c.a1)) b->ShowOrHide();
         }},
        {"img_load", [](VerbContext& c) { c.rt.GetImage(c.a1); }},
        {"img_save_as", [](VerbContext& c) { c.rt.GetImage(c.a1); }},
        {"img_wallpaper", [](VerbContext& c) { c.rt.GetImage(c.a1); }},
        {"img_visible", [](VerbContext& c) {
             if (auto* i = c.rt.GetImage(c.a1)) setVisible(i, TextToBool(c.a2, true));
         }},
        {"img_print", [](VerbContext& c) { c.rt.GetImage(c.a1); }},
        {"sbutton_down", [](VerbContext& c) {
             if (auto* b = c.rt.GetSpButton(c.a1)) b->ToggleLatch();
         }},
        {"help_id", [](VerbContext& c) { c.rt.SetHelpId(c.a1); }},
        {"help", [](VerbContext& c) {
             platform().showHelp(NativePath(AbsoluteFromApp(c.a1)), c.a2.isEmpty() ? c.rt.HelpId() : c.a2);
         }},
        {"test", [](VerbContext& c) { platform().messageBox(c.a1 + "*" + c.a2); }},
        {"nil", [](VerbContext&) {}},
    };
    RegisterTreeVerbs(verbs);
    return verbs;
}

const QHash<QString, Verb>& verbTable() {
    static const QHash<QString, Verb> verbs = makeVerbTable();
    return verbs;
}

} // namespace

void TSkStract::Dispatch(const RHelpAction& a) {
    // Actions may nest (click_but, form_show, a host that runs actions); an
    // action that ends up running itself must not exhaust the stack.
    static int depth = 0;
    constexpr int MaxDepth = 64;
    if (depth >= MaxDepth) {
        // Unwinds the whole chain at once; the general error report shows it.
        throw std::runtime_error(
            (descriptionFile + "\r\nDispatch. Команды вызывают друг друга без конца: " + a.Action).toStdString());
    }
    struct DepthGuard {
        int& d;
        explicit DepthGuard(int& d) : d(d) { ++d; }
        ~DepthGuard() { --d; }
    } guard(depth);
    const TSkCommand commands(a.Action);
    for (int i = 0; i < commands.count(); ++i) {
        const RCommand& cmd = commands[i];
        const QString a1 = CommandArg(cmd.arguments, 0);
        const QString a2 = CommandArg(cmd.arguments, 1);
        const auto& verbs = verbTable();
        auto it = verbs.constFind(cmd.verb);
        if (it == verbs.constEnd()) {
            if (!OnHostCommand) continue;
            RHelpAction host;
            host.Action = commands.CommandText(i);
            if (!cmd.rest.isEmpty()) host.Action += "//" + cmd.rest;
            host.Height = a.Height;
            host.X = a.X;
            host.Y = a.Y;
            OnHostCommand(host);
            return;
        }
        VerbContext ctx{*this, cmd, a1, a2, a};
        it.value()(ctx);
        if (ctx.stop) return;
    }
}

void TSkStract::RunAction(const QString& text) {
    RHelpAction a;
    a.Action = text;
    Dispatch(a);
}

void TSkStract::ControlAction(QObject* control) {
    RHelpAction a;
    a.Sender = control;
    TSkControl* c = AsSkControl(control);
    if (!c) return;
    const TActionValue v = c->ActionValue();
    if (!v.dispatch) return;
    a.Action = v.hasValue ? InsertValue(c->ActionText, v.value, v.append) : c->ActionText;
    if (v.position) {
        if (auto* w = qobject_cast<QWidget*>(control)) {
            a.Height = w->height();
            const QPoint p = w->mapToGlobal(QPoint(0, 0));
            a.X = p.x();
            a.Y = p.y();
        }
    }
    if (auto* box = dynamic_cast<TSkCheckBox*>(control)) {
        for (const QString& name : box->EnableControls) {
            if (auto* w = qobject_cast<QWidget*>(GetControl(name))) w->setEnabled(box->isChecked());
            else ShowError("Проверте параметр enable_control для чекьокса " + box->objectName());
        }
    }
    Dispatch(a);
}

void TSkStract::ControlKey(QObject* control, int key) {
    RHelpAction a;
    if (auto* tree = dynamic_cast<TSkTreeEx*>(control)) {
        QTreeWidgetItem* item = tree->currentItem();
        if (key == 32 && item && (item->flags() & Qt::ItemIsUserCheckable))
            item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    } else if (auto* edit = dynamic_cast<TSkEditBox*>(control)) {
        if (edit->ActOnEveryKey || key == 13) a.Action = edit->ActionText;
    }
    Dispatch(a);
}

void TSkStract::TreeItemSelected(QObject* control, bool selected) {
    if (selected) ControlAction(control);
}

TSkSpeedButton* TSkStract::FindSpeedButtonByAction(const QString& verb, const QString& rest) {
    for (QObject* o : Objects(TObjectList::SpButton)) {
        auto* b = static_cast<TSkSpeedButton*>(o);
        QString text = b->ActionText;
        const QString head = SplitHead(text, "*");
        if (head.compare(verb, Qt::CaseInsensitive) != 0) continue;
        if (rest.isEmpty() || text.compare(rest, Qt::CaseInsensitive) == 0) return b;
    }
    return nullptr;
}

TSkComboBox* TSkStract::FindComboByAction(const QString& verb) {
    for (QObject* o : Objects(TObjectList::ComboBox)) {
        auto* b = static_cast<TSkComboBox*>(o);
        if (HeadOf(b->ActionText, "*").compare(verb, Qt::CaseInsensitive) == 0) return b;
    }
    return nullptr;
}
