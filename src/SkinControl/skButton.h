#pragma once
// A skinned push button whose click runs its action.

#include "SkinControl/skControl.h"

#include <QPushButton>

class TSkButton : public QPushButton, public TSkControl {
    Q_OBJECT
public:
    explicit TSkButton(QWidget* parent);

    // Inverts visibility (no position is remembered).
    void ShowOrHide();
    TActionValue ActionValue() const override;
    QWidget* skWidget() override { return this; }
};
