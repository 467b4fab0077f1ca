// Check and radio boxes: the value a click puts into the action, and the
// list of controls that follow the box.

#include "SkinControl/skCheckBox.h"
#include "SkinControl/skRButton.h"

#include <gtest/gtest.h>

TEST(CheckBox, EnableControlsSplitAtSemicolons) {
    struct Row {
        const char* name;
        const char* text;
        QStringList expected;
    } rows[] = {
        {"two names, lower-cased", "Edit1;PANEL2", {"edit1", "panel2"}},
        {"trailing separator adds nothing", "a;b;", {"a", "b"}},
        {"doubled separator keeps the empty piece", "a;;b", {"a", "", "b"}},
        {"empty text adds one empty name", "", {""}},
        {"Cyrillic lower-cased", "Панель", {"панель"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TSkCheckBox box(nullptr);
        box.AddEnableControls(r.text);
        EXPECT_EQ(box.EnableControls, r.expected);
    }
    TSkCheckBox box(nullptr);
    box.AddEnableControls("a");
    box.AddEnableControls("b");
    EXPECT_EQ(box.EnableControls, QStringList({"a", "b"}));
}

TEST(CheckBox, ClickRaisesTheActionWithTheNewState) {
    TSkCheckBox box(nullptr);
    QStringList values;
    box.OnAction = [&](QObject* sender) {
        EXPECT_EQ(sender, &box);
        const TActionValue v = AsSkControl(sender)->ActionValue();
        EXPECT_TRUE(v.hasValue);
        EXPECT_TRUE(v.append);
        values << v.value;
    };
    box.click();
    box.click();
    EXPECT_EQ(values, QStringList({"1", "0"}));
    box.setChecked(true); // setting the state is no click
    EXPECT_EQ(values.size(), 2);
}

TEST(RadioButton, RaisesNoAction) {
    TSkRadioButton r(nullptr);
    bool raised = false;
    r.OnAction = [&](QObject*) { raised = true; };
    r.click();
    EXPECT_TRUE(r.isChecked());
    EXPECT_FALSE(raised);
}
