#include "SkinControl/skParPanel.h"

#include "SkinControl/skPanelLayout.h"

#include <QMouseEvent>

TParentPanel::TParentPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::NoFrame);
    ControlLayout::SetBounds(this, QRect(0, 0, 100, 50));
}

void TParentPanel::SetWidthText(const QString& value) {
    PanelLayout::SetSizeText(this, value, Qt::Horizontal, WidthPercent, WidthPercent, HeightPercent);
}

void TParentPanel::SetHeightText(const QString& value) {
    PanelLayout::SetSizeText(this, value, Qt::Vertical, HeightPercent, WidthPercent, HeightPercent);
}

void TParentPanel::ApplyPercentSize() {
    PanelLayout::ApplyPercent(this, WidthPercent, HeightPercent);
}

void TParentPanel::CapturePercentSize() {
    const QWidget* parent = parentWidget();
    if (!parent) return;
    WidthPercent = PanelLayout::CapturedPercent(width(), parent->width(), WidthPercent);
    HeightPercent = PanelLayout::CapturedPercent(height(), parent->height(), HeightPercent);
}

void TParentPanel::SetCenterHorz(bool on) {
    CenterHorz = on;
    if (on) Recenter();
}

void TParentPanel::SetCenterVert(bool on) {
    CenterVert = on;
    if (on) Recenter();
}

void TParentPanel::Recenter() {
    PanelLayout::Recenter(this, CenterHorz, CenterVert);
}

void TParentPanel::ShowOrHide() {
    PanelLayout::ShowOrHide(this, SavedLeft, SavedTop, PositionSaved);
}

void TParentPanel::SetColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
    update();
}

void TParentPanel::mouseDoubleClickEvent(QMouseEvent* e) {
    QFrame::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton) raiseAction(this);
}
