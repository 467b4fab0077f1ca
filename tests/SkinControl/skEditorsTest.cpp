// The small editors: what typing does to an edit box, pasting into a
// digits-only box, the minimum link, read-only combo typing, spin edits
// under typing, item files that are missing or damaged, the label's cut of
// one long word, and fitting and centring of pictures.

#include "SkinControl/skComboBox.h"
#include "SkinControl/skEditBox.h"
#include "SkinControl/skImage.h"
#include "SkinControl/skLabel.h"
#include "SkinControl/skListBox.h"
#include "SkinControl/skSpinEdit.h"
#include "platform/ControlLayout.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

void press(QWidget* w, int k, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, k, mods, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, k, mods, text);
    QApplication::sendEvent(w, &up);
}

void type(QWidget* w, const QString& text) {
    for (QChar c : text)
        press(w, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A, QString(c));
}

} // namespace

TEST(EditBox, TypedKeysByMode) {
    struct Row {
        const char* name;
        bool onlyNumber;
        bool blockKeys;
        int key;
        QString text;
        QString expected; // from "12|34", cursor at the bar
        Qt::KeyboardModifiers mods = Qt::NoModifier;
    } rows[] = {
        {"digits only: letter discarded", true, false, Qt::Key_A, "a", "1234"},
        {"digits only: backspace discarded", true, false, Qt::Key_Backspace, "\b", "1234"},
        {"digits only: digit passes", true, false, Qt::Key_5, "5", "12534"},
        {"digits only: Delete still removes", true, false, Qt::Key_Delete, "\x7f", "124"},
        {"digits only: blank discarded", true, false, Qt::Key_Space, " ", "1234"},
        {"blocked: digit discarded", false, true, Qt::Key_5, "5", "1234"},
        {"blocked: backspace discarded", false, true, Qt::Key_Backspace, "\b", "1234"},
        {"blocked: Delete still removes", false, true, Qt::Key_Delete, "", "124"},
        {"plain: letter passes", false, false, Qt::Key_A, "a", "12a34"},
        {"plain: backspace removes", false, false, Qt::Key_Backspace, "\b", "134"},
        {"digits only: Ctrl+V pastes the digits", true, false, Qt::Key_V, "\x16", "127834",
         Qt::ControlModifier},
        {"blocked: Ctrl+V discarded", false, true, Qt::Key_V, "\x16", "1234", Qt::ControlModifier},
    };
    QApplication::clipboard()->setText("7a8");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TSkEditBox edit(nullptr);
        edit.SetOnlyNumber(row.onlyNumber);
        edit.BlockKeys = row.blockKeys;
        edit.setText("1234");
        edit.setCursorPosition(2);
        press(&edit, row.key, row.text, row.mods);
        EXPECT_EQ(edit.text(), row.expected);
    }
}

TEST(EditBox, PastedTextKeepsOnlyItsDigits) {
    TSkEditBox edit(nullptr);
    edit.SetOnlyNumber(true);
    edit.setText("19");
    edit.setCursorPosition(1);
    edit.insert("2a-3 ");
    EXPECT_EQ(edit.text(), "1239");
    EXPECT_EQ(edit.cursorPosition(), 3) << "the cursor stays after the pasted digits";
    edit.selectAll();
    edit.insert("abc");
    EXPECT_EQ(edit.text(), "");

    TSkEditBox plain(nullptr);
    plain.insert("2a-3");
    EXPECT_EQ(plain.text(), "2a-3");
}

TEST(EditBox, MinLinkRaisesTheLinkedNumber) {
    TSkEditBox from(nullptr), to(nullptr), text(nullptr);
    to.SetOnlyNumber(true);
    from.SetMinLink(&text);
    EXPECT_EQ(from.MinLink(), nullptr) << "only a digits-only box can be linked";
    from.SetMinLink(&to);
    ASSERT_EQ(from.MinLink(), &to);

    struct Row {
        const char* name;
        QString from, to;
        QWidget* finished; // the box whose editing finishes
        QString expected;  // the linked box's text then
    } rows[] = {
        {"lower there: raised when it is edited", "10", "5", &to, "10"},
        {"lower there: raised when this box is edited", "10", "5", &from, "10"},
        {"higher there: kept", "10", "15", &to, "15"},
        {"empty there: kept", "10", "", &to, ""},
        {"no number here: kept", "", "5", &from, "5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        from.setText(row.from);
        to.setText(row.to);
        press(row.finished, Qt::Key_Return, "\r");
        EXPECT_EQ(to.text(), row.expected);
    }

    from.SetMinLink(&text);
    EXPECT_EQ(from.MinLink(), nullptr) << "naming another kind of box clears the link";
    from.setText("10");
    to.setText("5");
    press(&to, Qt::Key_Return, "\r");
    EXPECT_EQ(to.text(), "5") << "an old link no longer acts";
}

TEST(ComboBox, ReadOnlyDiscardsTypedCharacters) {
    TSkComboBox combo(nullptr);
    combo.LoadFromLines({"Apple;1", "Banana;2", "Cherry;3"});
    combo.SetReadOnly(true);
    combo.setCurrentIndex(0);
    press(&combo, Qt::Key_C, "c");
    EXPECT_EQ(combo.currentIndex(), 0) << "no search by first letter";
    press(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.currentIndex(), 1) << "keys without a character still act";
    EXPECT_EQ(combo.ComboItems(), (QStringList{"1", "2", "3"}));
}

TEST(ComboBox, EditedTextCarriesTheValueOfTheItemItNames) {
    struct Row {
        const char* name;
        QString typed; // over the whole text of "Apple", the selected item
        QString value;
    } rows[] = {
        {"nothing typed: the selected item", "", "1"},
        {"text naming no item: no value", "x", ""},
        {"another item's caption in capitals", "BANANA", "2"},
        {"text emptied: no value", "\b", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TSkComboBox combo(nullptr);
        combo.LoadFromLines({"Apple;1", "Banana;2"});
        combo.setCurrentIndex(0);
        combo.lineEdit()->selectAll();
        for (QChar c : row.typed)
            press(combo.lineEdit(), c == u'\b' ? Qt::Key_Backspace : Qt::Key_A + (c.toUpper().unicode() - 'A'),
                  QString(c));
        EXPECT_EQ(combo.SelectedValue(), row.value) << combo.currentText().toStdString();
    }
}

TEST(SpinEdit, TypedNumbersAreKeptInBounds) {
    struct Row {
        const char* name;
        int max; // 0: the default maximum
        QString typed;
        int expected;
    } rows[] = {
        {"above the default maximum", 0, "2000000", 1000000},
        {"above a set maximum", 10, "11", 10},
        {"within the bounds", 10, "7", 7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TSkSpinEdit spin(nullptr);
        if (row.max) spin.SetMax(row.max);
        QLineEdit* edit = spin.findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        type(&spin, row.typed);
        EXPECT_EQ(spin.value(), row.expected);
    }
}

// One line of an item file as a combo box item (caption ";" value, none
// when the caption is empty) and as a list box item (caption "#;#" value).
TEST(ItemFiles, LinesSplitAtTheFirstSeparator) {
    struct Row {
        const char* line;
        const char* comboCaption; // nullptr: no combo item
        const char* comboValue;
        const char* listCaption;
        const char* listValue;
    } rows[] = {
        {"One;1", "One", "1", "One;1", ""},
        {";x", nullptr, nullptr, ";x", ""},
        {"Two", "Two", "", "Two", ""},
        {"A;b;c", "A", "b;c", "A;b;c", ""},
        {"L#;#v#;#w", "L#", "#v#;#w", "L", "v#;#w"},
        {"#;#v", "#", "#v", "", "v"},
        {" Pad ; 2 ", " Pad ", " 2 ", " Pad ; 2 ", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        TSkComboBox combo(nullptr);
        combo.LoadFromLines({row.line});
        if (row.comboCaption) {
            ASSERT_EQ(combo.count(), 1);
            EXPECT_EQ(combo.itemText(0), row.comboCaption);
            EXPECT_EQ(combo.ComboItems(), QStringList{row.comboValue});
        } else {
            EXPECT_EQ(combo.count(), 0);
        }
        TSkListBox list(nullptr);
        list.LoadFromLines({row.line});
        ASSERT_EQ(list.count(), 1);
        EXPECT_EQ(list.item(0)->text(), row.listCaption);
        EXPECT_EQ(list.ValueOf(0), row.listValue);
    }
}

// Item files that are missing, empty or damaged load what they can; a file
// without lines keeps the items.
TEST(ItemFiles, BadFilesLoadWhatTheyCan) {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    folder.writeText("good.txt", "Old;1\n");
    folder.writeText("goodlist.txt", "Old#;#1\n");
    folder.writeText("empty.txt", "");
    folder.writeText("blank.txt", "\r\n\r\n");
    folder.writeBytes("binary.txt", QByteArray("A\0;b\xff\x01\nB;\r\r;c\n", 14));
    folder.writeText("huge.txt", QString("Huge;") + QString(1 << 20, 'x') + "\nSmall;s\n");

    struct Row {
        const char* file;
        int comboItems; // items afterwards, starting from one item
        int listItems;
        bool message;
    } rows[] = {
        {"missing.txt", 1, 1, true}, {"empty.txt", 1, 1, false}, {"blank.txt", 0, 2, false},
        {"binary.txt", 2, 4, false}, {"huge.txt", 2, 2, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        rec->clear();
        TSkComboBox combo(nullptr);
        combo.LoadFromFile("good.txt");
        combo.LoadFromFile(row.file);
        EXPECT_EQ(combo.count(), row.comboItems);
        TSkListBox list(nullptr);
        list.LoadFromFile("goodlist.txt");
        list.LoadFromFile(row.file);
        EXPECT_EQ(list.count(), row.listItems);
        EXPECT_EQ(list.ListValues().size(), row.listItems);
        const QStringList expected =
            row.message ? QStringList(2, QString("Не найден файл \r\nmissing.txt")) : QStringList();
        EXPECT_EQ(rec->shown(), expected);
    }
}

TEST(Label, ThreeWordsAndOneLongWordInAHundredPixels) {
    QWidget parent;
    auto* l = new TSkLabel(&parent);
    l->SetAutoSize(false);
    ControlLayout::SetBounds(l, QRect(0, 0, 100, 20));
    l->SetCutLength(true);
    const QFontMetrics fm(l->font());
    // Three words too long for 100 pixels: the leading word that fits.
    QString word = "W";
    while (fm.horizontalAdvance(word + "W...") <= 90)
        word += "W";
    l->SetCaption(word + " " + word + " " + word);
    EXPECT_EQ(l->text(), word + "...");
    // One word longer than the label becomes the dots alone.
    l->SetCaption(QString(60, 'W'));
    EXPECT_EQ(l->text(), "...");
}

TEST(Image, FitsToItsParentWithinItsScaleLimits) {
    struct Row {
        const char* name;
        QSize picture, parent;
        double min, max;
        QSize expected;
    } rows[] = {
        {"width limits", {1000, 500}, {500, 500}, 0, 0, {500, 250}},
        {"largest factor", {1000, 500}, {500, 500}, 0, 0.4, {400, 200}},
        {"smallest factor, wider than the parent", {1000, 500}, {500, 500}, 0.8, 0, {800, 400}},
        {"height limits after the width", {100, 400}, {500, 200}, 0, 0, {50, 200}},
        {"parent without size", {100, 400}, {0, 200}, 0, 0, {100, 400}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TSkImage image(nullptr);
        image.SetFit(true);
        image.MinScale = row.min;
        image.MaxScale = row.max;
        EXPECT_EQ(image.FitSize(row.picture, row.parent), row.expected);
    }
    TSkImage off(nullptr);
    EXPECT_EQ(off.FitSize({1000, 500}, {500, 500}), QSize(1000, 500)) << "fitting off";
}

TEST(Image, ShownPictureIsFittedAndCentred) {
    TempAppFolder folder;
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(folder.path() + "pic.bmp", "BMP");
    QWidget parent;
    parent.resize(100, 300);
    auto* image = new TSkImage(&parent);
    parent.show(); // resize events reach shown widgets only
    image->SetFit(true);
    image->SetFile("pic.bmp");
    EXPECT_EQ(image->pixmap().size(), QSize(100, 50));
    EXPECT_EQ(image->size(), QSize(100, 50));
    parent.resize(50, 300);
    image->resize(60, 60);
    EXPECT_EQ(image->pixmap().size(), QSize(50, 25)) << "a resize fits afresh from the file's picture";
    image->SetCenter(true);
    EXPECT_EQ(image->alignment(), Qt::AlignCenter);
    image->SetCenter(false);
    EXPECT_EQ(image->alignment(), Qt::AlignLeft | Qt::AlignTop);
}
