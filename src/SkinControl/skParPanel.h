#pragma once
// A plain container drawn in its background colour whose size can follow its
// parent in percent, also after the user changed it (CapturePercentSize).

#include "SkinControl/skControl.h"
#include "platform/ControlLayout.h"

#include <QFrame>

class TParentPanel : public QFrame, public TSkControl, public TCenterable {
    Q_OBJECT
public:
    explicit TParentPanel(QWidget* parent);

    int WidthPercent = 0;
    int HeightPercent = 0;
    bool CenterHorz = false;
    bool CenterVert = false;
    int SavedLeft = 0;
    int SavedTop = 0;
    bool PositionSaved = false; // ShowOrHide has hidden it at least once

    void SetWidthText(const QString& value);
    void SetHeightText(const QString& value);
    void ApplyPercentSize();
    // Turns the current size back into percentages of the parent (before a
    // window resize), so a size the user changed becomes the new proportion.
    void CapturePercentSize();
    void SetCenterHorz(bool on) override;
    void SetCenterVert(bool on) override;
    void Recenter();
    void ShowOrHide();
    // Fills the panel with a colour (the key `color`).
    void SetColor(const QColor& color);

    QWidget* skWidget() override { return this; }

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};
