#pragma once
// The horizontal track bar; media and Flash players take it over as their
// position control.

#include "SkinControl/skControl.h"

#include <QSlider>

class TSkTrackBar : public QSlider, public TSkControl {
    Q_OBJECT
public:
    explicit TSkTrackBar(QWidget* parent);

    QWidget* skWidget() override { return this; }
};
