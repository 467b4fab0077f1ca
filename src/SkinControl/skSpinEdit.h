#pragma once
// The spin edit: a whole number kept between its own minimum and maximum
// (the bounds are applied in key order, so they may cross).

#include "SkinControl/skControl.h"

#include <QSpinBox>

class TSkSpinEdit : public QSpinBox, public TSkControl {
    Q_OBJECT
public:
    explicit TSkSpinEdit(QWidget* parent);

    double MinValue = -1;
    double MaxValue = 1000000;
    // Sets the maximum; a value above it is lowered to it.
    void SetMax(double x);
    // Sets the minimum; a value below it is raised to it.
    void SetMin(double x);

    QWidget* skWidget() override { return this; }

private:
    void keepInBounds();
    void setBoundValue(double x);
    bool adjusting = false;
};
