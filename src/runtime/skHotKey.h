#pragma once
// A window's hot keys: (page, action, shortcut) entries in registration
// order; and the shortcut texts of menus and hot keys ("Ctrl+F", "Shift+F5").

#include <QString>
#include <Qt>
#include <vector>

// Qt's combined key-and-modifiers value of a shortcut text; 0 when the text
// does not parse (0 never matches a key).
int ShortCutFromText(const QString& text);
// The text of a combined shortcut value in the same syntax ("Ctrl+Alt+Del").
QString ShortCutToText(int shortcut);
// The shortcut value of a pressed key as ShortCutFromText would give it:
// keypad Enter is Enter, Shift+Backtab is Shift+Tab, the keypad flag is dropped.
int ShortCutOfKey(int key, Qt::KeyboardModifiers modifiers);

class TSkHotKey {
public:
    struct Entry {
        int page = -1;
        QString action;
        int shortcut = 0;
    };

    int count() const { return static_cast<int>(entries.size()); }
    // Entry fields; 0 or empty for an index beyond the last.
    int page(int i) const;
    int shortcut(int i) const;
    QString action(int i) const;
    // Registers "shortcut*action" for a page (-1: every page).
    void AddHotKey(const QString& text, int page);
    // The first entry matching the shortcut on the shown page, or -1.
    int Match(int shortcut, int shownPage) const;

private:
    std::vector<Entry> entries;
};
