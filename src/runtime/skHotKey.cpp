#include "runtime/skHotKey.h"

#include "runtime/uUtils.h"

#include <QKeyCombination>
#include <QRegularExpression>

namespace {

struct KeyName {
    const char* name;
    Qt::Key key;
};

const KeyName keyNames[] = {
    {"BkSp", Qt::Key_Backspace}, {"Tab", Qt::Key_Tab},     {"Esc", Qt::Key_Escape},
    {"Enter", Qt::Key_Return},   {"Space", Qt::Key_Space}, {"PgUp", Qt::Key_PageUp},
    {"PgDn", Qt::Key_PageDown},  {"End", Qt::Key_End},     {"Home", Qt::Key_Home},
    {"Left", Qt::Key_Left},      {"Up", Qt::Key_Up},       {"Right", Qt::Key_Right},
    {"Down", Qt::Key_Down},      {"Ins", Qt::Key_Insert},  {"Del", Qt::Key_Delete},
};

struct ModifierName {
    const char* prefix;
    Qt::KeyboardModifier modifier;
};

// Also the order in which ShortCutToText writes them.
const ModifierName modifierNames[] = {
    {"Shift+", Qt::ShiftModifier}, {"Ctrl+", Qt::ControlModifier}, {"Alt+", Qt::AltModifier}};

constexpr Qt::KeyboardModifiers shortcutModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

int keyFromName(const QString& name) {
    if (name.size() == 1) {
        const char16_t c = name[0].toUpper().unicode();
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c; // Qt::Key_A.. and Key_0.. are ASCII
        return 0;
    }
    static const QRegularExpression function(QStringLiteral("^[Ff]([1-9]|1[0-2])$"));
    if (const QRegularExpressionMatch m = function.match(name); m.hasMatch())
        return Qt::Key_F1 + m.captured(1).toInt() - 1;
    for (const KeyName& k : keyNames)
        if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0) return k.key;
    return 0;
}

QString nameOfKey(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return QChar(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    for (const KeyName& k : keyNames)
        if (k.key == key) return QLatin1String(k.name);
    return {};
}

} // namespace

int ShortCutFromText(const QString& text) {
    QString rest = text.trimmed();
    Qt::KeyboardModifiers modifiers;
    for (bool found = true; found;) {
        found = false;
        for (const ModifierName& m : modifierNames) {
            const QLatin1String prefix(m.prefix);
            // "Ctrl+" alone is not a modifier of nothing: a key must follow.
            if (rest.size() > prefix.size() && rest.startsWith(prefix, Qt::CaseInsensitive)) {
                modifiers |= m.modifier;
                rest.remove(0, prefix.size());
                found = true;
            }
        }
    }
    const int key = keyFromName(rest);
    if (key == 0) return 0;
    return QKeyCombination(modifiers, Qt::Key(key)).toCombined();
}

QString ShortCutToText(int shortcut) {
    if (shortcut == 0) return {};
    const QKeyCombination combination = QKeyCombination::fromCombined(shortcut);
    const QString name = nameOfKey(combination.key());
    if (name.isEmpty()) return {};
    QString out;
    for (const ModifierName& m : modifierNames)
        if (combination.keyboardModifiers() & m.modifier) out += QLatin1String(m.prefix);
    return out + name;
}

int ShortCutOfKey(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Enter) key = Qt::Key_Return;
    if (key == Qt::Key_Backtab) {
        key = Qt::Key_Tab;
        modifiers |= Qt::ShiftModifier;
    }
    if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
    if (nameOfKey(key).isEmpty()) return 0;
    return QKeyCombination(modifiers & shortcutModifiers, Qt::Key(key)).toCombined();
}

int TSkHotKey::page(int i) const {
    return i >= 0 && i < count() ? entries[size_t(i)].page : 0;
}

int TSkHotKey::shortcut(int i) const {
    return i >= 0 && i < count() ? entries[size_t(i)].shortcut : 0;
}

QString TSkHotKey::action(int i) const {
    return i >= 0 && i < count() ? entries[size_t(i)].action : QString();
}

void TSkHotKey::AddHotKey(const QString& text, int page) {
    QString rest = text;
    const QString shortcutText = SplitHead(rest, QStringLiteral("*"));
    entries.push_back({page, rest, ShortCutFromText(shortcutText)});
}

int TSkHotKey::Match(int shortcut, int shownPage) const {
    if (shortcut == 0) return -1;
    for (int i = 0; i < count(); ++i) {
        const Entry& e = entries[size_t(i)];
        if (e.shortcut == shortcut && (e.page == -1 || e.page == shownPage)) return i;
    }
    return -1;
}
