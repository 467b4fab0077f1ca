// TSkStract: saved values under the window's registry key: the window
// position and the menu favourites.

#include "runtime/skUseStract.h"

#include "SkinControl/skForm.h"
#include "SkinControl/skHTML.h"
#include "SkinControl/skTreeView.h"
#include "platform/Errors.h"
#include "platform/RegistryStore.h"
#include "runtime/skPopMenu.h"
#include "runtime/uUtils.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
const QString NoRegPath = QStringLiteral("WriteReg. Укажите путь в реестре (reg_dat для form)");
constexpr int MaxFavorites = 20;
} // namespace

void TSkStract::WriteReg(const QString& name, const QString& value) {
    if (regPath.isEmpty()) {
        ShowError(NoRegPath);
        return;
    }
    RegistryStore::WriteString(regPath, name, value);
}

QString TSkStract::ReadReg(const QString& name) {
    if (regPath.isEmpty()) {
        ShowError(NoRegPath);
        return {};
    }
    return RegistryStore::ReadString(regPath, name).value_or(QString());
}

void TSkStract::SavePosition() {
    const QRect r = window->IsMaximized() ? window->normalGeometry() : window->geometry();
    const QString text = QStringList{QString::number(r.top()), QString::number(r.left()), QString::number(r.width()),
                                     QString::number(r.height()), window->IsMaximized() ? "1" : "0"}
                             .join(';');
    WriteReg("pos_" + window->objectName(), text);
}

void TSkStract::ReadPosition() {
    QString text = ReadReg("pos_" + window->objectName());
    const QString top = SplitHead(text, ";"), left = SplitHead(text, ";"), width = SplitHead(text, ";"),
                  height = SplitHead(text, ";"), maximized = SplitHead(text, ";");
    if (top.isEmpty() || left.isEmpty() || width.isEmpty() || height.isEmpty()) return;
    const QRect saved(StrToInt(left), StrToInt(top), StrToInt(width), StrToInt(height));
    // The window reopens where the user left it, as long as that place is
    // still on a screen and the size is usable.
    bool onScreen = false;
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(saved.adjusted(0, 0, 0, -saved.height() + 30))) onScreen = true;
    if (onScreen && saved.width() >= 100 && saved.height() >= 60) window->setGeometry(saved);
    if (maximized == "1") window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

namespace {
// The value of a favourite line "caption=value" (empty without "=").
QString favoriteValue(const QString& line) {
    QString rest = line;
    SplitHead(rest, "=");
    return rest;
}
} // namespace

void TSkStract::AddFavorite(const QString& line) {
    if (favoriteMenus.isEmpty()) {
        ShowError("AddFavorite. Укажите меню которое хранит избранное (favorite)");
        return;
    }
    if (!favorites) favorites = std::make_unique<QStringList>();
    for (const QString& existing : *favorites)
        if (existing.compare(line, Qt::CaseInsensitive) == 0) return;
    favorites->prepend(line);

    QString rest = line;
    const QString caption = SplitHead(rest, "=");
    const QString value = rest;
    // The list and every favourites menu hold the same favourites in the same
    // order: line j (the new one at 0) is the item at fixed count + j - 1.
    bool olderLineDropped = false;
    QString names = favoriteMenus;
    while (!names.isEmpty()) {
        const QString name = SplitHead(names, ";");
        TSkPopMenu* menu = GetPopMenu(name);
        if (!menu) continue;
        if (menu->GlobalAction.isEmpty()) {
            ShowError(name + ".AddFavorite. Пропишите в меню glob_action для работы избранного");
            break;
        }
        const QString action = menu->GlobalAction == "nil" ? value : InsertValue(menu->GlobalAction, value, true);
        // An older favourite with the same action leaves the menu, and its
        // line the list (once, however many menus held it).
        const int removed = menu->RemoveFavoriteByAction(action);
        if (removed >= 0 && !olderLineDropped) {
            const int line = removed - menu->FixedCount + 1;
            if (line > 0 && line < favorites->size()) favorites->removeAt(line);
            olderLineDropped = true;
        }
        TSkItem* item = menu->InsertItem(menu->FixedCount, caption, QString(), action);
        item->Value = value;
        if (menu->ItemCount() > menu->FixedCount + menu->LastCount + MaxFavorites)
            menu->RemoveItemAt(menu->ItemCount() - menu->LastCount - 1);
    }
    // Trimmed after the older line went, so a re-added favourite never
    // costs the oldest one as well.
    while (favorites->size() > MaxFavorites) favorites->removeLast();
}

void TSkStract::DeleteFavorite(const QString& value) {
    if (!favorites) return;
    // The line whose value is the one given: a line that merely contains it
    // ("tree*17" holds "tree*1") is another favourite.
    qsizetype at = -1;
    for (qsizetype i = 0; i < favorites->size() && at < 0; ++i)
        if (favoriteValue(favorites->at(i)).compare(value, Qt::CaseInsensitive) == 0) at = i;
    if (at < 0) return;
    favorites->removeAt(at);
    QString names = favoriteMenus;
    while (!names.isEmpty()) {
        const QString name = SplitHead(names, ";");
        if (TSkPopMenu* menu = GetPopMenu(name)) menu->RemoveItemByValue(value);
    }
}

void TSkStract::ReadFavorite() {
    if (favoriteMenus.isEmpty()) return;
    if (regPath.isEmpty()) {
        ShowError("ReadFavorite. Укажите путь в реестре (reg_dat для form)");
        return;
    }
    RegistryStore::CreateKey(regPath);
    for (int n = MaxFavorites; n >= 0; --n) {
        const QString v = RegistryStore::ReadString(regPath, "favorite_" + QString::number(n)).value_or(QString());
        if (!v.isEmpty()) AddFavorite(v);
    }
}

void TSkStract::SaveFavorites(bool free) {
    if (!favorites) return;
    for (int i = 0; i < favorites->size(); ++i) WriteReg("favorite_" + QString::number(i), favorites->at(i));
    if (!regPath.isEmpty()) {
        RegistryStore::CreateKey(regPath);
        const int count = static_cast<int>(favorites->size());
        if (count < MaxFavorites && RegistryStore::ValueExists(regPath, "favorite_" + QString::number(count)))
            for (int k = count; k < MaxFavorites; ++k) RegistryStore::DeleteValue(regPath, "favorite_" + QString::number(k));
    }
    if (free) favorites.reset();
}

bool TSkStract::FillHistoryMenu(TSkPopMenu* menu) {
    if (!menu || !menu->IsHistoryMenu()) return false;
    menu->ClearItems();
    // From now on the menu holds history items only.
    menu->FixedCount = 0;
    menu->LastCount = 0;
    const bool was = messagesEnabled;
    messagesEnabled = false;
    TSkHtml* html = GetHtml(menu->HistoryTarget);
    TSkTree* tree = html ? nullptr : GetTree(menu->HistoryTarget);
    messagesEnabled = was;

    const QString& target = menu->HistoryTarget;
    auto append = [menu](const QString& caption, const QString& action) {
        return menu->AppendItem(caption, action, QString());
    };
    if (html) {
        // Positions count from 0 = newest; the page shown is at HistoryIndex.
        const int shown = html->HistoryIndex();
        auto addRange = [&](int from, int to) {
            for (int n = from; n <= to; ++n)
                append(html->HistoryTitle(n), "html_go_history*" + target + "*" + QString::number(n) + "//" +
                                                  InsertValue(menu->GlobalAction, html->HistoryDocument(n), true));
        };
        if (menu->HistoryBack) addRange(shown + 1, html->HistoryCount() - 1);
        if (menu->HistoryPrev) addRange(0, shown - 1);
    } else if (tree) {
        const QStringList captions = tree->HistoryCaptions;
        const int pos = tree->HistoryPos;
        QTreeWidgetItem* selected = tree->SelectedNode();
        auto addRange = [&](int from, int to, bool markSelected) {
            for (int n = std::max(from, 0); n <= to && n < captions.size(); ++n) {
                QTreeWidgetItem* node = tree->HistoryNode(n);
                if (!node) continue; // a node that no longer exists
                TSkItem* item = append(captions[n], "tree_go_history*" + target + "*" + QString::number(n));
                if (markSelected && node == selected) {
                    item->setCheckable(true);
                    item->setChecked(true);
                }
            }
        };
        const int last = static_cast<int>(captions.size()) - 1;
        if (menu->HistoryBack) addRange(pos + 1, last, false);
        if (menu->HistoryPrev) addRange(0, pos - 1, false);
        if (menu->HistoryFull) addRange(0, last, true);
    }
    return true;
}
