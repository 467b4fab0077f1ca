#pragma once
// A skinned radio button; it holds an action text but raises no action.

#include "SkinControl/skControl.h"

#include <QRadioButton>

class TSkRadioButton : public QRadioButton, public TSkControl {
    Q_OBJECT
public:
    explicit TSkRadioButton(QWidget* parent);

    QWidget* skWidget() override { return this; }
};
