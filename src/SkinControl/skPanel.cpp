#include "SkinControl/skPanel.h"

TSkPanel::TSkPanel(QWidget* parent) : QFrame(parent) {}
void TSkPanel::SetWidthText(const QString&) {}
void TSkPanel::SetHeightText(const QString&) {}
void TSkPanel::ApplyPercentSize() {}
void TSkPanel::SetCenterHorz(bool on) { CenterHorz = on; }
void TSkPanel::SetCenterVert(bool on) { CenterVert = on; }
void TSkPanel::Recenter() {}
void TSkPanel::ShowOrHide() {}
void TSkPanel::mouseDoubleClickEvent(QMouseEvent*) { raiseAction(this); }
