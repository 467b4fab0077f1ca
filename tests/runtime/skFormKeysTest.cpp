// The keys of the form section, applied to the window itself.

#include "SkinControl/skSpeedButton.h"
#include "DescribedWindow.h"

#include <functional>
#include <gtest/gtest.h>

TEST(FormKeys, ConfigureTheWindow) {
    struct Row {
        const char* name;
        QString keys;
        std::function<bool(DescribedWindow&)> check;
    } rows[] = {
        {"dialog then esc_close=0 leaves Esc off", "dialog=1\nesc_close=0\n",
         [](DescribedWindow& w) { return !w.form.EscClose && !w.form.Sizeable(); }},
        {"esc_close=0 then dialog=1 leaves Esc on", "esc_close=0\ndialog=1\n",
         [](DescribedWindow& w) { return w.form.EscClose; }},
        {"hide_caption with a non-boolean takes the default true", "hide_caption=yes\n",
         [](DescribedWindow& w) { return w.form.HideCaption(); }},
        {"caption, size and start action", "caption=Окно\nwidth=640\nheight=480\naction=test*a*b\n",
         [](DescribedWindow& w) {
             return w.form.Caption() == "Окно" && w.form.width() == 640 && w.form.height() == 480 &&
                    w.rec->texts("message") == QStringList{"a*b"};
         }},
        {"registry path, help id, moving", "reg_dat=Software\\X\nhelp_id=intro\nmoving=1\n",
         [](DescribedWindow& w) {
             return w.rt->RegPath() == "Software\\X" && w.rt->HelpId() == "intro" && w.form.Moving;
         }},
        {"page colour", "color=#FF0000\n",
         [](DescribedWindow& w) { return w.form.PageColor == QColor(255, 0, 0); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DescribedWindow w("[main]\ntype=form\n" + row.keys);
        w.build();
        EXPECT_TRUE(row.check(w));
    }
}

TEST(FormKeys, MaximizeSwapsTheButtonsOfButMax) {
    DescribedWindow w("[main]\ntype=form\nbut_max=b_restore*b_max\n[b_restore]\ntype=sp_button\n"
                      "[b_max]\ntype=sp_button\n");
    w.build();
    w.rt->ActivatePage();
    w.form.show();
    auto* restore = w.object<QWidget>("b_restore");
    auto* max = w.object<QWidget>("b_max");
    EXPECT_FALSE(restore->isVisible());
    EXPECT_TRUE(max->isVisible());
    w.form.ToggleMaximize();
    EXPECT_TRUE(restore->isVisible());
    EXPECT_FALSE(max->isVisible());
    w.form.ToggleMaximize();
    EXPECT_FALSE(restore->isVisible());
    EXPECT_TRUE(max->isVisible());
}
