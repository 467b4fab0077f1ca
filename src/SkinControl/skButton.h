#pragma once
// A skinned push button whose click runs its action; its caption can be
// aligned to a side and wrap onto several lines.

#include "SkinControl/skControl.h"

#include <QPushButton>

class TSkButton : public QPushButton, public TSkControl {
    Q_OBJECT
public:
    explicit TSkButton(QWidget* parent);

    // Inverts visibility (no position is remembered).
    void ShowOrHide();
    // Horizontal caption alignment (Qt::AlignLeft, AlignRight, AlignHCenter).
    void SetTextAlignment(Qt::Alignment alignment);
    Qt::Alignment TextAlignment() const { return textAlignment; }
    void SetWordWrap(bool on);
    bool WordWrap() const { return wordWrap; }
    // Transparent: the parent shows through around the button face.
    void SetTransparent(bool on);

    TActionValue ActionValue() const override;
    QWidget* skWidget() override { return this; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Qt::Alignment textAlignment = Qt::AlignHCenter;
    bool wordWrap = false;
};
