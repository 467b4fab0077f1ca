#pragma once
// The one-line edit box: a digits-only mode, key blocking while a search
// runs, key releases raised to the runtime (Enter runs the action), and a
// link that makes this box's number the minimum of another digits-only box.

#include "SkinControl/skControl.h"

#include <QLineEdit>
#include <QMetaObject>
#include <QPointer>

class QKeyEvent;

// The key code the description runtime works with (the original platform's
// virtual-key codes: Enter 13, Space 32, letters and digits as ASCII).
int WinKeyCode(const QKeyEvent* event);

class TSkEditBox : public QLineEdit, public TSkControl {
    Q_OBJECT
public:
    explicit TSkEditBox(QWidget* parent);

    // Only the ten digits can be typed (keys without a character still act);
    // pasted or dropped text keeps only its digits.
    bool OnlyNumber() const { return onlyNumber; }
    void SetOnlyNumber(bool on);
    // Every typed character is discarded (set by the find window).
    bool BlockKeys = false;
    // Every key release runs the action, not only Enter.
    bool ActOnEveryKey = false;

    // The box whose minimum follows this box's number: when either box's
    // editing finishes, a lower number there is raised to this one. Only a
    // digits-only box can be linked; any other (or none) clears the link.
    TSkEditBox* MinLink() const { return minLink; }
    void SetMinLink(TSkEditBox* box);
    // Raises the linked box's number to this box's number when it is lower.
    void ApplyMinLink();

    QWidget* skWidget() override { return this; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void keepDigits();
    bool onlyNumber = false;
    QPointer<TSkEditBox> minLink;
    QMetaObject::Connection linkedEdited;
};
