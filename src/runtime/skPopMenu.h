#pragma once
// Pop-up menus built from description sections: fixed items, then favourite
// items, then last items; items carry an action string sent when clicked.

#include "SkinControl/skControl.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <vector>

class TSkStract;

// A menu item that carries a value (favourites) and an action string.
class TSkItem : public QAction, public TSkControl {
    Q_OBJECT
public:
    explicit TSkItem(QObject* parent) : QAction(parent) {}
    QString Value;
    QWidget* skWidget() override { return nullptr; }
};

class TSkPopMenu : public QMenu, public TSkControl {
    Q_OBJECT
public:
    explicit TSkPopMenu(QWidget* window);

    QString HistoryTarget;
    bool HistoryBack = false, HistoryPrev = false, HistoryFull = false;
    int CheckedIndex = -1;
    QString GlobalAction;
    int FixedCount = 0;
    int LastCount = 0;
    int CaptionLength = 0;
    // Called with the item when one is clicked (the runtime's ControlAction).
    ActionCallback OnItemClick;

    int ItemCount() const { return static_cast<int>(items.size()); }
    TSkItem* ItemAt(int i) const;
    TSkItem* FindItemByAction(const QString& action) const;
    int RemoveItemByAction(const QString& action);
    // Like RemoveItemByAction, among the favourite items only (between the
    // fixed and the last items), so a favourite never takes a fixed item along.
    int RemoveFavoriteByAction(const QString& action);
    // Only favourite items carry a value, so only they are searched.
    int RemoveItemByValue(const QString& value);
    void RemoveItemAt(int i);
    void ClearItems();
    TSkItem* InsertItem(int i, const QString& caption, const QString& shortcut, const QString& action);
    TSkItem* AppendItem(const QString& caption, const QString& action, const QString& shortcut);
    bool IsHistoryMenu() const { return HistoryBack || HistoryPrev || HistoryFull; }

    QWidget* skWidget() override { return this; }

private:
    int removeFirst(int from, int to, bool (*match)(const TSkItem*, const QString&), const QString& text);
    TSkItem* makeItem(const QString& caption, const QString& shortcut, const QString& action);
    std::vector<QPointer<TSkItem>> items;
};

// Fills a new menu from its description section; registers item keys as
// hot keys of the window.
void BuildMenu(TSkStract& runtime, TSkPopMenu* menu, const QString& section);
