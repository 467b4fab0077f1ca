#include "SkinControl/skSpinEdit.h"

#include <limits>

TSkSpinEdit::TSkSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Qt's own bounds are lifted; the control keeps MinValue and MaxValue itself.
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    setValue(0);
    connect(this, &QSpinBox::valueChanged, this, [this] { keepInBounds(); });
}

void TSkSpinEdit::SetMax(double x) {
    MaxValue = x;
    if (value() > x) setBoundValue(x);
}

void TSkSpinEdit::SetMin(double x) {
    MinValue = x;
    if (x > value()) setBoundValue(x);
}

void TSkSpinEdit::setBoundValue(double x) {
    // A bound set by a key is taken as it is, even when the bounds cross.
    adjusting = true;
    setValue(static_cast<int>(x));
    adjusting = false;
}

void TSkSpinEdit::keepInBounds() {
    if (adjusting) return;
    // Minimum first, then maximum: when the bounds cross, the maximum wins.
    double v = value();
    if (v < MinValue) v = MinValue;
    if (v > MaxValue) v = MaxValue;
    if (v != value()) setBoundValue(v);
}
