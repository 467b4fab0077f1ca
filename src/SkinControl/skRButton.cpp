#include "SkinControl/skRButton.h"

TSkRadioButton::TSkRadioButton(QWidget* parent) : QRadioButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}
