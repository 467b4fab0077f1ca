#pragma once
// The one-line edit box: a digits-only mode, key blocking while a search
// runs, and key releases raised to the runtime (Enter runs the action).

#include "SkinControl/skControl.h"

#include <QLineEdit>

class QKeyEvent;

// The key code the description runtime works with (the original platform's
// virtual-key codes: Enter 13, Space 32, letters and digits as ASCII).
int WinKeyCode(const QKeyEvent* event);

class TSkEditBox : public QLineEdit, public TSkControl {
    Q_OBJECT
public:
    explicit TSkEditBox(QWidget* parent);

    // Only the ten digits can be typed (keys without a character still act).
    bool OnlyNumber() const { return onlyNumber; }
    void SetOnlyNumber(bool on);
    // Every typed character is discarded (set by the find window).
    bool BlockKeys = false;
    // Every key release runs the action, not only Enter.
    bool ActOnEveryKey = false;

    QWidget* skWidget() override { return this; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool onlyNumber = false;
};
