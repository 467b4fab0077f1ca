#include "SkinControl/skParPanel.h"

TParentPanel::TParentPanel(QWidget* parent) : QFrame(parent) {}
void TParentPanel::SetWidthText(const QString&) {}
void TParentPanel::SetHeightText(const QString&) {}
void TParentPanel::ApplyPercentSize() {}
void TParentPanel::CapturePercentSize() {}
void TParentPanel::SetCenterHorz(bool on) { CenterHorz = on; }
void TParentPanel::SetCenterVert(bool on) { CenterVert = on; }
void TParentPanel::Recenter() {}
void TParentPanel::ShowOrHide() {}
void TParentPanel::mouseDoubleClickEvent(QMouseEvent*) { raiseAction(this); }
