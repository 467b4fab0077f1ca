#include "SkinControl/skSpeedButton.h"

#include "platform/ControlLayout.h"

#include <QMenu>

TSkSpeedButton::TSkSpeedButton(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    // Checkable so that Qt draws the pressed look; clicks do not toggle it
    // (see nextCheckState).
    setCheckable(true);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(this, &QToolButton::clicked, this, [this] { raiseAction(this); });
}

void TSkSpeedButton::SetGroupIndex(int index) {
    groupIndex = index;
    if (isChecked()) releaseOthersInGroup();
}

void TSkSpeedButton::SetDown(bool down) {
    setChecked(down);
    if (down) releaseOthersInGroup();
    Latched = isChecked();
}

void TSkSpeedButton::ToggleLatch() {
    if (Latched) {
        setChecked(false);
        Latched = false;
    } else {
        Latched = true;
        setChecked(true);
        releaseOthersInGroup();
    }
    UpdateHint();
}

void TSkSpeedButton::UpdateHint() {
    if (!HintDown.isEmpty() && isChecked())
        setToolTip(HintDown);
    else if (!HintUp.isEmpty() && !isChecked())
        setToolTip(HintUp);
}

void TSkSpeedButton::ShowOrHide() {
    ControlLayout::SetVisible(this, isHidden());
}

void TSkSpeedButton::SetMenu(QMenu* m) {
    setMenu(m);
    setPopupMode(m ? QToolButton::MenuButtonPopup : QToolButton::DelayedPopup);
}

void TSkSpeedButton::SetTransparent(bool on) {
    setAutoFillBackground(!on);
    update();
}

TActionValue TSkSpeedButton::ActionValue() const {
    TActionValue v;
    v.position = true;
    return v;
}

void TSkSpeedButton::nextCheckState() {
    // A plain button springs back; a button of a group goes down and
    // releases the others, and comes up again only when all may be up.
    if (groupIndex == 0) return;
    if (isChecked()) {
        if (AllowAllUp) setChecked(false);
        return;
    }
    setChecked(true);
    releaseOthersInGroup();
}

void TSkSpeedButton::releaseOthersInGroup() {
    if (groupIndex == 0 || !parentWidget()) return;
    for (QObject* o : parentWidget()->children()) {
        auto* other = qobject_cast<TSkSpeedButton*>(o);
        if (!other || other == this || other->groupIndex != groupIndex || !other->isChecked()) continue;
        other->setChecked(false);
        // The released button's record follows, so its next ToggleLatch
        // presses it instead of "releasing" it a second time.
        other->Latched = false;
        other->UpdateHint();
    }
}
