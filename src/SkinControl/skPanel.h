#pragma once
// A skinned panel: a framed container that can size itself in percent of its
// parent, keep itself centred, and hide and show again where it stood.

#include "SkinControl/skControl.h"
#include "platform/ControlLayout.h"

#include <QFrame>

class TSkPanel : public QFrame, public TSkControl, public TCenterable {
    Q_OBJECT
public:
    explicit TSkPanel(QWidget* parent);

    int WidthPercent = 0;  // 0: the width is fixed
    int HeightPercent = 0; // 0: the height is fixed
    bool CenterHorz = false;
    bool CenterVert = false;
    int SavedLeft = 0; // position remembered by ShowOrHide
    int SavedTop = 0;
    bool PositionSaved = false; // ShowOrHide has hidden it at least once

    // "50%" stores a percentage and applies it; a number sets the size.
    // Raises EConvertError on anything else.
    void SetWidthText(const QString& value);
    void SetHeightText(const QString& value);
    void ApplyPercentSize();
    void SetCenterHorz(bool on) override;
    void SetCenterVert(bool on) override;
    void Recenter();
    // Toggles visibility; shown again, the panel returns to where it stood.
    void ShowOrHide();
    // A styled raised frame around the panel, or none (the default).
    void SetBevel(bool on);

    QWidget* skWidget() override { return this; }

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};
