#include "SkinControl/skEditBox.h"

#include <QKeyEvent>

int WinKeyCode(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        break;
    }
    const int key = event->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    return key;
}

TSkEditBox::TSkEditBox(QWidget* parent) : QLineEdit(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // textEdited comes from the user's changes only: typing (already
    // filtered), pasting, dropping and undo.
    connect(this, &QLineEdit::textEdited, this, [this] { keepDigits(); });
    connect(this, &QLineEdit::editingFinished, this, [this] { ApplyMinLink(); });
}

void TSkEditBox::SetOnlyNumber(bool on) {
    onlyNumber = on;
}

void TSkEditBox::keepDigits() {
    if (!onlyNumber) return;
    const QString was = text();
    QString digits;
    int cursor = cursorPosition();
    for (qsizetype i = 0; i < was.size(); ++i) {
        if (was[i] >= u'0' && was[i] <= u'9')
            digits += was[i];
        else if (i < cursorPosition())
            --cursor;
    }
    if (digits == was) return;
    setText(digits);
    setCursorPosition(cursor);
}

void TSkEditBox::SetMinLink(TSkEditBox* box) {
    disconnect(linkedEdited);
    minLink = box && box != this && box->OnlyNumber() ? box : nullptr;
    if (minLink)
        linkedEdited = connect(minLink, &QLineEdit::editingFinished, this, [this] { ApplyMinLink(); });
}

void TSkEditBox::ApplyMinLink() {
    if (!minLink) return;
    bool haveMin = false, haveValue = false;
    const qlonglong minimum = text().toLongLong(&haveMin);
    const qlonglong value = minLink->text().toLongLong(&haveValue);
    // An empty box on either side has no number: nothing to compare.
    if (haveMin && haveValue && value < minimum) minLink->setText(text());
}

void TSkEditBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const QString t = event->text();
    // Backspace counts as a typed character, as it did on the original
    // platform; Enter, Delete and keys without text are never filtered.
    const bool backspace = key == Qt::Key_Backspace;
    const bool passes = t.isEmpty() || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Delete;
    const bool printable = !passes && !backspace && t[0] >= u' ' && t[0] != QChar(0x7f);
    // Control characters (Ctrl+V, Ctrl+X, ...) edit the text too: blocked
    // with the rest, but a digits-only box lets them through because what
    // they paste is filtered afterwards.
    if (BlockKeys && !passes) return;
    if (onlyNumber && (backspace || (printable && !(t.size() == 1 && t[0] >= u'0' && t[0] <= u'9')))) return;
    QLineEdit::keyPressEvent(event);
}

void TSkEditBox::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (OnKey && !event->isAutoRepeat()) OnKey(this, WinKeyCode(event));
}
