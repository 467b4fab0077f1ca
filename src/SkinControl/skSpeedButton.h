#pragma once
// A flat tool button that takes no focus, can stay pressed (latched) with a
// hint for each state, belong to a group of which one is pressed, and drop
// down a menu.

#include "SkinControl/skControl.h"

#include <QToolButton>

class QMenu;

class TSkSpeedButton : public QToolButton, public TSkControl {
    Q_OBJECT
public:
    explicit TSkSpeedButton(QWidget* parent);

    bool Latched = false; // the button's own record of being pressed
    QString HintDown;     // hint while pressed
    QString HintUp;       // hint while released

    // Buttons with the same non-zero group in one parent act as one set of
    // which one is down; 0: no group.
    int GroupIndex() const { return groupIndex; }
    void SetGroupIndex(int index);
    // A button of a group that may be released by clicking it again.
    bool AllowAllUp = false;

    bool Down() const { return isChecked(); }
    // Sets the pressed state and copies it into Latched; the hint stays.
    void SetDown(bool down);
    void ToggleLatch();
    void UpdateHint();
    void ShowOrHide();
    // Shows a drop-down arrow that opens the menu; null removes it.
    void SetMenu(QMenu* menu);
    // Transparent: the parent shows through where the button draws no face.
    void SetTransparent(bool on);

    TActionValue ActionValue() const override;
    QWidget* skWidget() override { return this; }

protected:
    void nextCheckState() override;

private:
    void releaseOthersInGroup();
    int groupIndex = 0;
};
