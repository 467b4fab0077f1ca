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

void TSkStract::AddFavorite(const QString& line) {
    if (favoriteMenus.isEmpty()) {
        ShowError("AddFavorite. Укажите меню которое хранит избранное (favorite)");
        return;
    }
    if (!favorites) favorites = std::make_unique<QStringList>();
    for (const QString& existing : *favorites)
        if (existing.compare(line, Qt::CaseInsensitive) == 0) return;
    favorites->prepend(line);
    if (favorites->size() > MaxFavorites) favorites->removeLast();

    QString names = favoriteMenus;
    while (!names.isEmpty()) {
        const QString name = SplitHead(names, ";");
        TSkPopMenu* menu = GetPopMenu(name);
        if (!menu) continue;
        if (menu->GlobalAction.isEmpty()) {
            ShowError(name + ".AddFavorite. Пропишите в меню glob_action для работы избранного");
            break;
        }
        QString rest = line;
        const QString caption = SplitHead(rest, "=");
        const QString value = rest;
        const QString action =
            menu->GlobalAction == "nil" ? value : InsertValue(menu->GlobalAction, value, true);
        const int removed = menu->RemoveItemByAction(action);
        if (removed >= 0 && removed < favorites->size()) favorites->removeAt(removed);
        TSkItem* item = menu->InsertItem(menu->FixedCount, caption, QString(), action);
        item->Value = value;
        if (menu->ItemCount() > menu->FixedCount + menu->LastCount + MaxFavorites)
            menu->RemoveItemAt(menu->ItemCount() - menu->LastCount - 1);
    }
}

void TSkStract::DeleteFavorite(const QString& value) {
    if (!favorites) return;
    const int at = FindInList(*favorites, value, 0, nullptr, false);
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
    const bool was = messagesEnabled;
    messagesEnabled = false;
    QObject* target = GetHtml(menu->HistoryTarget);
    if (!target) target = GetTree(menu->HistoryTarget);
    messagesEnabled = was;
    // The history items of HTML views and trees come with those controls.
    Q_UNUSED(target);
    return true;
}
