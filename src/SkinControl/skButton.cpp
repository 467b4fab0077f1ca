#include "SkinControl/skButton.h"

TSkButton::TSkButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, [this] { raiseAction(this); });
}
void TSkButton::ShowOrHide() { setVisible(!isVisible()); }
TActionValue TSkButton::ActionValue() const {
    TActionValue v;
    v.position = true;
    return v;
}
