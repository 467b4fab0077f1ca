#include "SkinControl/skEditBox.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

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
}

void TSkEditBox::SetOnlyNumber(bool on) {
    onlyNumber = on;
    // The validator keeps pasted text to digits as well.
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    setValidator(on ? new QRegularExpressionValidator(digits, this) : nullptr);
}

void TSkEditBox::keyPressEvent(QKeyEvent* event) {
    // Backspace counts as a typed character, as it did on the original platform.
    const bool typed = event->key() == Qt::Key_Backspace || !event->text().isEmpty();
    if (typed && event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        if (BlockKeys) return;
        if (onlyNumber) {
            const QString text = event->text();
            const bool digit = text.size() == 1 && text[0] >= '0' && text[0] <= '9';
            if (!digit) return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TSkEditBox::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (OnKey && !event->isAutoRepeat()) OnKey(this, WinKeyCode(event));
}
