#include "runtime/skPopMenu.h"

#include "SkinControl/skForm.h"
#include "archive/uIniFiles.h"
#include "platform/Errors.h"
#include "platform/Platform.h"
#include "runtime/skHotKey.h"
#include "runtime/skUseStract.h"
#include "runtime/uUtils.h"

#include <algorithm>

TSkPopMenu::TSkPopMenu(QWidget* window) : QMenu(window) {}

TSkItem* TSkPopMenu::ItemAt(int i) const {
    if (i < 0 || i >= ItemCount()) return nullptr;
    return items[static_cast<size_t>(i)];
}

TSkItem* TSkPopMenu::FindItemByAction(const QString& action) const {
    for (const auto& item : items)
        if (item && item->ActionText.compare(action, Qt::CaseInsensitive) == 0) return item;
    return nullptr;
}

int TSkPopMenu::removeFirst(int from, int to, bool (*match)(const TSkItem*, const QString&), const QString& text) {
    for (int i = std::max(from, 0); i < std::min(to, ItemCount()); ++i) {
        if (match(items[static_cast<size_t>(i)], text)) {
            RemoveItemAt(i);
            return i;
        }
    }
    return -1;
}

namespace {
bool actionIs(const TSkItem* item, const QString& action) {
    return item->ActionText.compare(action, Qt::CaseInsensitive) == 0;
}
bool valueIs(const TSkItem* item, const QString& value) {
    return item->Value.compare(value, Qt::CaseInsensitive) == 0;
}
} // namespace

int TSkPopMenu::RemoveItemByAction(const QString& action) {
    return removeFirst(0, ItemCount(), actionIs, action);
}

int TSkPopMenu::RemoveFavoriteByAction(const QString& action) {
    return removeFirst(FixedCount, ItemCount() - LastCount, actionIs, action);
}

int TSkPopMenu::RemoveItemByValue(const QString& value) {
    return removeFirst(FixedCount, ItemCount() - LastCount, valueIs, value);
}

void TSkPopMenu::RemoveItemAt(int i) {
    if (i < 0 || i >= ItemCount()) return;
    TSkItem* item = items[static_cast<size_t>(i)];
    items.erase(items.begin() + i);
    removeAction(item);
    delete item;
}

void TSkPopMenu::ClearItems() {
    while (ItemCount() > 0) RemoveItemAt(ItemCount() - 1);
}

TSkItem* TSkPopMenu::makeItem(const QString& caption, const QString& shortcut, const QString& action) {
    auto* item = new TSkItem(this);
    item->setText(Ellipsize(caption, CaptionLength));
    if (const int key = ShortCutFromText(shortcut)) item->setShortcut(QKeySequence(key));
    item->ActionText = action;
    connect(item, &QAction::triggered, this, [this, item] {
        if (OnItemClick) OnItemClick(item);
    });
    return item;
}

TSkItem* TSkPopMenu::InsertItem(int i, const QString& caption, const QString& shortcut, const QString& action) {
    if (items.empty() || i >= ItemCount()) return AppendItem(caption, action, shortcut);
    TSkItem* item = makeItem(caption, shortcut, action);
    insertAction(items[static_cast<size_t>(std::max(i, 0))], item);
    items.insert(items.begin() + std::max(i, 0), item);
    return item;
}

TSkItem* TSkPopMenu::AppendItem(const QString& caption, const QString& action, const QString& shortcut) {
    TSkItem* item = makeItem(caption, shortcut, action);
    addAction(item);
    items.push_back(item);
    return item;
}

namespace {

int addItems(TSkStract& runtime, TSkPopMenu* menu, const QString& captions, const QString& actions,
             const QString& keys) {
    QString c = captions, a = actions, k = keys;
    int added = 0;
    while (!c.isEmpty()) {
        const QString caption = SplitHead(c, ";");
        QString action = SplitHead(a, ";");
        const QString key = SplitHead(k, ";");
        if (action.isEmpty()) action = menu->GlobalAction;
        menu->AppendItem(caption, action, key);
        if (!key.isEmpty()) runtime.Window()->AddHotKey(key + "*" + action);
        ++added;
    }
    return added;
}

} // namespace

void BuildMenu(TSkStract& runtime, TSkPopMenu* menu, const QString& section) {
    const TPakIniFile* ini = runtime.Ini();
    const QStringList keys = ini->ReadKeys(section);
    if (keys.isEmpty()) return;
    auto has = [&](const char* key) { return ini->ValueExists(section, key); };
    if (!has("glob_action") && !(has("caption") && has("action"))) {
        platform().messageBox("Для меню " + section + " надо указать все параметры:\r\nCaption, Action и можно Key");
        return;
    }
    // Each key once, with its first value: a repeated "favorite" must not
    // list the menu twice.
    for (const QString& rawKey : keys) {
        const QString key = rawKey.toLower();
        const QString v = ini->ReadString(section, key);
        if (key == "glob_action") menu->GlobalAction = v;
        else if (key == "check") menu->CheckedIndex = StrToInt(v);
        else if (key == "menu_system") runtime.Window()->SetSystemMenu(TextToBool(v, false) ? menu : nullptr);
        else if (key == "length") menu->CaptionLength = StrToInt(v);
        else if (key == "favorite") {
            if (TextToBool(v, false)) runtime.AddFavoriteMenu(section);
        } else if (key == "history_back") {
            menu->HistoryTarget = v;
            menu->HistoryBack = true;
        } else if (key == "history_prev") {
            menu->HistoryTarget = v;
            menu->HistoryPrev = true;
        } else if (key == "history_full") {
            menu->HistoryTarget = v;
            menu->HistoryFull = true;
        }
    }
    menu->FixedCount = addItems(runtime, menu, ini->ReadString(section, "caption"),
                                ini->ReadString(section, "action"), ini->ReadString(section, "key"));
    menu->LastCount = addItems(runtime, menu, ini->ReadString(section, "last_caption"),
                               ini->ReadString(section, "last_action"), ini->ReadString(section, "last_key"));
    if (TSkItem* item = menu->ItemAt(menu->CheckedIndex)) {
        item->setCheckable(true);
        item->setChecked(true);
    }
    // A history menu shows the history as it is at every showing, however
    // it is opened (menu_show, a speed button's arrow, the title bar).
    if (menu->IsHistoryMenu())
        QObject::connect(menu, &QMenu::aboutToShow, menu, [&runtime, menu] { runtime.FillHistoryMenu(menu); });
}
