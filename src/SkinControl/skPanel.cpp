#include "SkinControl/skPanel.h"

#include "SkinControl/skPanelLayout.h"

#include <QMouseEvent>

TSkPanel::TSkPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::NoFrame);
    setLineWidth(0);
}

void TSkPanel::SetWidthText(const QString& value) {
    PanelLayout::SetSizeText(this, value, Qt::Horizontal, WidthPercent, WidthPercent, HeightPercent);
}

void TSkPanel::SetHeightText(const QString& value) {
    PanelLayout::SetSizeText(this, value, Qt::Vertical, HeightPercent, WidthPercent, HeightPercent);
}

void TSkPanel::ApplyPercentSize() {
    PanelLayout::ApplyPercent(this, WidthPercent, HeightPercent);
}

void TSkPanel::SetCenterHorz(bool on) {
    CenterHorz = on;
    if (on) Recenter();
}

void TSkPanel::SetCenterVert(bool on) {
    CenterVert = on;
    if (on) Recenter();
}

void TSkPanel::Recenter() {
    PanelLayout::Recenter(this, CenterHorz, CenterVert);
}

void TSkPanel::ShowOrHide() {
    PanelLayout::ShowOrHide(this, SavedLeft, SavedTop, PositionSaved);
}

void TSkPanel::SetBevel(bool on) {
    setFrameStyle(on ? (QFrame::StyledPanel | QFrame::Raised) : QFrame::NoFrame);
    setLineWidth(on ? 1 : 0);
}

void TSkPanel::mouseDoubleClickEvent(QMouseEvent* e) {
    QFrame::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton) raiseAction(this);
}
