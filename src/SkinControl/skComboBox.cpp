#include "SkinControl/skComboBox.h"

#include "archive/gPackUtils.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

TSkComboBox::TSkComboBox(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setInsertPolicy(QComboBox::NoInsert);
    setEditable(true);
    watchEdits();
    // Only the user's changes run the action: a programmatic selection (the
    // `load` key, the combo_load verb) does not.
    connect(this, &QComboBox::activated, this, [this] { raiseAction(this); });
}

void TSkComboBox::watchEdits() {
    // Qt makes a new line edit each time the box becomes editable.
    QLineEdit* edit = lineEdit();
    if (!edit || edit == watchedEdit) return;
    watchedEdit = edit;
    connect(edit, &QLineEdit::textEdited, this, [this] { raiseAction(this); });
}

void TSkComboBox::LoadFromLines(const QStringList& lines) {
    if (lines.isEmpty()) return;
    clear();
    for (const QString& line : lines) {
        const qsizetype cut = line.indexOf(u';');
        const QString caption = cut < 0 ? line : line.left(cut);
        if (caption.isEmpty()) continue;
        addItem(caption, cut < 0 ? QString() : line.mid(cut + 1));
    }
}

void TSkComboBox::LoadFromFile(const QString& file) {
    LoadFromLines(LoadTextList(file));
}

void TSkComboBox::SetReadOnly(bool on) {
    setEditable(!on);
    watchEdits();
}

int TSkComboBox::SelectedIndex() const {
    const int i = currentIndex();
    // Qt keeps the current item while the edit text changes; text that no
    // longer names it must not carry its value.
    const QLineEdit* edit = lineEdit();
    if (!edit || (i >= 0 && edit->text() == itemText(i))) return i;
    return edit->text().isEmpty() ? -1 : findText(edit->text(), Qt::MatchFixedString);
}

QString TSkComboBox::SelectedValue() const {
    const int i = SelectedIndex();
    return i < 0 ? QString() : itemData(i).toString();
}

QStringList TSkComboBox::ComboItems() const {
    QStringList values;
    for (int i = 0; i < count(); ++i)
        values << itemData(i).toString();
    return values;
}

TActionValue TSkComboBox::ActionValue() const {
    TActionValue v;
    v.dispatch = isEditable() || currentIndex() >= 0;
    v.hasValue = true;
    v.value = SelectedValue();
    v.append = false;
    return v;
}

void TSkComboBox::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void TSkComboBox::keyPressEvent(QKeyEvent* event) {
    const QString t = event->text();
    if (!isEditable() && !t.isEmpty() && t[0] >= u' ' && t[0] != QChar(0x7f)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}
