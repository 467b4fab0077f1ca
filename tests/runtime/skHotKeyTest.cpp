#include "runtime/skHotKey.h"

#include <QKeyCombination>
#include <gtest/gtest.h>

namespace {

int combo(Qt::KeyboardModifiers m, Qt::Key k) {
    return QKeyCombination(m, k).toCombined();
}

TEST(ShortCutText, ParsesModifiersAndKeyNames) {
    const struct {
        const char* text;
        int value;
        const char* canonical; // ShortCutToText of the value
    } cases[] = {
        {"Ctrl+F", combo(Qt::ControlModifier, Qt::Key_F), "Ctrl+F"},
        {"ctrl+f", combo(Qt::ControlModifier, Qt::Key_F), "Ctrl+F"},
        {"F", combo(Qt::NoModifier, Qt::Key_F), "F"},
        {"7", combo(Qt::NoModifier, Qt::Key_7), "7"},
        {"Shift+F5", combo(Qt::ShiftModifier, Qt::Key_F5), "Shift+F5"},
        {"f12", combo(Qt::NoModifier, Qt::Key_F12), "F12"},
        {"Alt+Ctrl+Shift+Del",
         combo(Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Delete),
         "Shift+Ctrl+Alt+Del"},
        {"Ctrl+Alt+Del", combo(Qt::ControlModifier | Qt::AltModifier, Qt::Key_Delete), "Ctrl+Alt+Del"},
        {"CTRL+ctrl+A", combo(Qt::ControlModifier, Qt::Key_A), "Ctrl+A"},
        {"BkSp", combo(Qt::NoModifier, Qt::Key_Backspace), "BkSp"},
        {"Tab", combo(Qt::NoModifier, Qt::Key_Tab), "Tab"},
        {"esc", combo(Qt::NoModifier, Qt::Key_Escape), "Esc"},
        {"Enter", combo(Qt::NoModifier, Qt::Key_Return), "Enter"},
        {"Ctrl+Space", combo(Qt::ControlModifier, Qt::Key_Space), "Ctrl+Space"},
        {"PgUp", combo(Qt::NoModifier, Qt::Key_PageUp), "PgUp"},
        {"Alt+PGDN", combo(Qt::AltModifier, Qt::Key_PageDown), "Alt+PgDn"},
        {"End", combo(Qt::NoModifier, Qt::Key_End), "End"},
        {"Home", combo(Qt::NoModifier, Qt::Key_Home), "Home"},
        {"Alt+Left", combo(Qt::AltModifier, Qt::Key_Left), "Alt+Left"},
        {"Up", combo(Qt::NoModifier, Qt::Key_Up), "Up"},
        {"Right", combo(Qt::NoModifier, Qt::Key_Right), "Right"},
        {"Down", combo(Qt::NoModifier, Qt::Key_Down), "Down"},
        {"Shift+Ins", combo(Qt::ShiftModifier, Qt::Key_Insert), "Shift+Ins"},
        {" Ctrl+F ", combo(Qt::ControlModifier, Qt::Key_F), "Ctrl+F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const int value = ShortCutFromText(QString::fromUtf8(c.text));
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(ShortCutToText(value), QString::fromUtf8(c.canonical));
        EXPECT_EQ(ShortCutFromText(ShortCutToText(value)), value);
    }
}

TEST(ShortCutText, UnparsedTextGivesNoShortcut) {
    for (const char* text :
         {"",        "Ctrl+", "Ctrl",   "Ctrl+Shift+", "F0",       "F13",       "F01",    "F+1",
          "Ctrl+FF", "Win+F", "Meta+F", "Ctrl-F",      "Ctrl + F", "Backspace", "Insert", "PageUp",
          "Return",  "Ф",     "Ctrl+Ж", "+",           "Ctrl++",   "*",         "None"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ShortCutFromText(QString::fromUtf8(text)), 0);
    }
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(combo(Qt::ControlModifier, Qt::Key_Exclam)), "");
}

TEST(ShortCutText, PressedKeysMeetParsedTexts) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
    } cases[] = {
        {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
        {Qt::Key_Return, Qt::NoModifier, "Enter"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
        {Qt::Key_F, Qt::ControlModifier, "Ctrl+F"},
        {Qt::Key_5, Qt::KeypadModifier, "5"},
        {Qt::Key_F3, Qt::ShiftModifier | Qt::MetaModifier, "Shift+F3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ShortCutOfKey(c.key, c.modifiers), ShortCutFromText(QString::fromUtf8(c.text)));
    }
    EXPECT_EQ(ShortCutOfKey(Qt::Key_Control, Qt::ControlModifier), 0);
}

TEST(TSkHotKey, EntriesKeepShortcutTextAndActionApart) {
    TSkHotKey keys;
    keys.AddHotKey(QStringLiteral("Ctrl+F*show_find*x//go"), -1);
    keys.AddHotKey(QStringLiteral("Bogus*nil"), 2);
    keys.AddHotKey(QStringLiteral("F1"), 0);
    ASSERT_EQ(keys.count(), 3);
    EXPECT_EQ(keys.shortcut(0), ShortCutFromText("Ctrl+F"));
    EXPECT_EQ(keys.action(0), "show_find*x//go");
    EXPECT_EQ(keys.page(0), -1);
    EXPECT_EQ(keys.shortcut(1), 0);
    EXPECT_EQ(keys.action(1), "nil");
    EXPECT_EQ(keys.page(1), 2);
    EXPECT_EQ(keys.action(2), "");
    for (int i : {-1, 3, 100}) {
        EXPECT_EQ(keys.page(i), 0);
        EXPECT_EQ(keys.shortcut(i), 0);
        EXPECT_EQ(keys.action(i), "");
    }
}

TEST(TSkHotKey, FirstEntryOfTheShownPageWins) {
    TSkHotKey keys;
    const int ctrlF = ShortCutFromText("Ctrl+F");
    keys.AddHotKey("Ctrl+F*on_page_0", 0);
    keys.AddHotKey("Ctrl+F*on_page_1", 1);
    keys.AddHotKey("ctrl+f*everywhere", -1);
    keys.AddHotKey("Ctrl+F*later_page_1", 1);
    keys.AddHotKey("Nonsense*never", -1);
    keys.AddHotKey("F2*everywhere_f2", -1);

    const struct {
        int shortcut;
        int page;
        int entry;
    } cases[] = {
        {ctrlF, 0, 0},
        {ctrlF, 1, 1},
        {ctrlF, 2, 2},
        {ctrlF, -1, 2},
        {ShortCutFromText("F2"), 1, 5},
        {ShortCutFromText("Shift+F2"), 1, -1},
        {ShortCutFromText("F"), 0, -1},
        {0, 0, -1}, // an unparsed text never matches
    };
    for (const auto& c : cases)
        EXPECT_EQ(keys.Match(c.shortcut, c.page), c.entry)
            << ShortCutToText(c.shortcut).toStdString() << " page " << c.page;
    EXPECT_EQ(TSkHotKey().Match(ctrlF, 0), -1);
}

} // namespace
