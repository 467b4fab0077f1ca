#include "SkinControl/skSpeedButton.h"

TSkSpeedButton::TSkSpeedButton(QWidget* parent) : QToolButton(parent) {
    connect(this, &QToolButton::clicked, this, [this] { raiseAction(this); });
}
void TSkSpeedButton::SetGroupIndex(int index) { groupIndex = index; }
void TSkSpeedButton::SetDown(bool down) { setChecked(down); Latched = down; }
void TSkSpeedButton::ToggleLatch() {}
void TSkSpeedButton::UpdateHint() {}
void TSkSpeedButton::ShowOrHide() { setVisible(!isVisible()); }
void TSkSpeedButton::SetMenu(QMenu* menu) { setMenu(menu); }
void TSkSpeedButton::releaseOthersInGroup() {}
TActionValue TSkSpeedButton::ActionValue() const {
    TActionValue v;
    v.position = true;
    return v;
}
