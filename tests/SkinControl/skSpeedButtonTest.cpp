// Push and speed buttons: the click's action value, latching with a hint per
// state, groups of which one is down, the drop-down menu, show or hide.

#include "SkinControl/skSpeedButton.h"
#include "SkinControl/skButton.h"

#include <QMenu>
#include <gtest/gtest.h>

TEST(Buttons, ClickRaisesTheActionWithThePosition) {
    QWidget parent;
    auto* b = new TSkButton(&parent);
    auto* sb = new TSkSpeedButton(&parent);
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(b), static_cast<QAbstractButton*>(sb)}) {
        QObject* sender = nullptr;
        TSkControl* c = AsSkControl(button);
        c->OnAction = [&](QObject* s) { sender = s; };
        button->click();
        EXPECT_EQ(sender, button);
        EXPECT_TRUE(c->ActionValue().position);
        EXPECT_FALSE(c->ActionValue().hasValue);
    }
    EXPECT_EQ(sb->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(sb->autoRaise());
}

TEST(Buttons, ShowOrHideToggles) {
    QWidget parent;
    auto* b = new TSkButton(&parent);
    auto* sb = new TSkSpeedButton(&parent);
    b->ShowOrHide();
    sb->ShowOrHide();
    EXPECT_TRUE(b->isHidden());
    EXPECT_TRUE(sb->isHidden());
    b->ShowOrHide();
    sb->ShowOrHide();
    EXPECT_FALSE(b->isHidden());
    EXPECT_FALSE(sb->isHidden());
}

TEST(SpeedButton, HintFollowsTheLatch) {
    QWidget parent;
    TSkSpeedButton b(&parent);
    b.setToolTip("plain");
    b.HintDown = "press to release";
    b.HintUp = "press to hold";
    const char* expected[] = {"press to hold", "press to release"};
    EXPECT_EQ(b.toolTip(), "plain"); // before the first toggle
    for (int n = 1; n <= 4; ++n) {
        b.ToggleLatch();
        EXPECT_EQ(b.isChecked(), n % 2 == 1);
        EXPECT_EQ(b.Latched, n % 2 == 1);
        EXPECT_EQ(b.toolTip(), expected[n % 2]);
    }
}

TEST(SpeedButton, DownFromOutsideCopiesIntoTheLatchButLeavesTheHint) {
    QWidget parent;
    TSkSpeedButton b(&parent);
    b.setToolTip("plain");
    b.HintDown = "down";
    b.HintUp = "up";
    b.SetDown(true);
    EXPECT_TRUE(b.isChecked());
    EXPECT_TRUE(b.Latched);
    EXPECT_EQ(b.toolTip(), "plain");
    b.ToggleLatch(); // releases, because the latch was copied
    EXPECT_FALSE(b.isChecked());
    EXPECT_EQ(b.toolTip(), "up");
}

TEST(SpeedButton, AButtonWithoutGroupSpringsBack) {
    QWidget parent;
    TSkSpeedButton b(&parent);
    b.click();
    EXPECT_FALSE(b.isChecked());
    b.SetDown(true);
    b.click(); // a click leaves a latched plain button down
    EXPECT_TRUE(b.isChecked());
}

TEST(SpeedButton, AGroupInOneParentHasOneButtonDown) {
    QWidget parent, other;
    TSkSpeedButton a(&parent), b(&parent), c(&parent), free(&parent), elsewhere(&other);
    for (TSkSpeedButton* x : {&a, &b, &c, &elsewhere})
        x->SetGroupIndex(1);
    c.SetGroupIndex(2);

    a.click();
    EXPECT_TRUE(a.isChecked());
    a.click(); // clicking the down button keeps it down
    EXPECT_TRUE(a.isChecked());

    c.SetDown(true);
    elsewhere.SetDown(true);
    free.SetDown(true);
    b.click();
    EXPECT_FALSE(a.isChecked());
    EXPECT_TRUE(b.isChecked());
    EXPECT_TRUE(c.isChecked()) << "another group";
    EXPECT_TRUE(elsewhere.isChecked()) << "another parent";
    EXPECT_TRUE(free.isChecked()) << "no group";

    // A latched button released by its group latches again on one toggle.
    a.ToggleLatch();
    EXPECT_TRUE(a.isChecked());
    EXPECT_FALSE(b.isChecked());
    EXPECT_FALSE(b.Latched);
    b.ToggleLatch();
    EXPECT_TRUE(b.isChecked());
    EXPECT_FALSE(a.isChecked());
    EXPECT_FALSE(a.Latched);

    b.AllowAllUp = true;
    b.click();
    EXPECT_FALSE(b.isChecked());
}

TEST(SpeedButton, MenuShowsADropDownArrow) {
    QWidget parent;
    TSkSpeedButton b(&parent);
    QMenu menu;
    b.SetMenu(&menu);
    EXPECT_EQ(b.menu(), &menu);
    EXPECT_EQ(b.popupMode(), QToolButton::MenuButtonPopup);
    b.SetMenu(nullptr);
    EXPECT_EQ(b.menu(), nullptr);
}
