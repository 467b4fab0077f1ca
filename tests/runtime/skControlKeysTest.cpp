// The keys of buttons, check and radio boxes, panels, scroll box, splitter
// and label, applied while a description file is built.

#include "SkinControl/skButton.h"
#include "SkinControl/skCheckBox.h"
#include "SkinControl/skLabel.h"
#include "SkinControl/skPanel.h"
#include "SkinControl/skParPanel.h"
#include "SkinControl/skRButton.h"
#include "SkinControl/skScrollBox.h"
#include "SkinControl/skSpeedButton.h"
#include "SkinControl/skSplitter.h"
#include "SkinControl/uFORM.h"
#include "platform/ControlLayout.h"
#include "platform/Errors.h"
#include "runtime/skUseStract.h"
#include "support/TestSupport.h"
#include "DescribedWindow.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <gtest/gtest.h>

using Built = BuiltWindow;

TEST(ControlKeys, SharedKeysByType) {
    struct Row {
        const char* type;
        bool anchor, action, hint, skin;
    } rows[] = {
        {"button", true, true, true, true},       {"sp_button", true, true, true, true},
        {"check_box", true, true, true, false},   {"r_button", true, true, true, false},
        {"panel", true, true, false, true},       {"parent_panel", true, true, false, false},
        {"scroll_box", true, false, false, true}, {"split", false, true, false, true},
        {"label", true, true, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        Built b(QString("[obj]\ntype=%1\nleft=10\ntop=10\nwidth=40\nheight=30\n"
                        "action=go*x\nhint=Tip\nskin=shiny*skins\\none.qss\nanchor=10 10 * *\n")
                    .arg(row.type));
        EXPECT_TRUE(b.rec->shown().isEmpty()) << b.rec->shown().join("|").toStdString();
        TSkControl* c = b.object<TSkControl>("obj");
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->ActionText, row.action ? "go*x" : "");
        EXPECT_EQ(c->skWidget()->toolTip(), row.hint ? "Tip" : "");
        if (row.skin)
            EXPECT_EQ(c->SkinObject(), "shiny");
        else
            EXPECT_NE(c->SkinObject(), "shiny");
        // Anchoring "* *" on the right and bottom keeps left and top only.
        if (row.anchor) EXPECT_EQ(ControlLayout::Anchors(c->skWidget()), akLeft | akTop);
    }
}

TEST(ControlKeys, PanelSizesInPercentAndShowsNoCaption) {
    Built b("[pp]\ntype=parent_panel\nwidth=600\nheight=400\n"
            "[p]\ntype=panel\nmaster=pp\ncaption=Hello\nheight=25%\nwidth=50%\n"
            "[narrow]\ntype=panel\nmaster=pp\nwidth=500\nmax_width=200\nmin_height=70\nheight=10\n");
    auto* p = b.object<TSkPanel>("p");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->size(), QSize(300, 100));
    EXPECT_EQ(p->WidthPercent, 50);
    EXPECT_TRUE(p->findChildren<QLabel*>().isEmpty()) << "a panel shows no caption";
    auto* narrow = b.object<TSkPanel>("narrow");
    EXPECT_EQ(narrow->size(), QSize(200, 70));
}

TEST(ControlKeys, VisibleExStartsThePanelHiddenWhereItStands) {
    Built b("[p]\ntype=panel\nleft=30\ntop=40\nwidth=50\nheight=50\nvisible_ex=1\n"
            "[q]\ntype=panel\nvisible_ex=0\n[r]\ntype=panel\nvisible_ex=maybe\n"
            "[twice]\ntype=panel\nvisible_ex=1\nVISIBLE_EX=1\n");
    EXPECT_TRUE(b.object<TSkPanel>("twice")->isHidden()) << "a key written twice is applied once";
    auto* p = b.object<TSkPanel>("p");
    EXPECT_TRUE(p->isHidden());
    EXPECT_FALSE(b.object<TSkPanel>("q")->isHidden());
    EXPECT_TRUE(b.object<TSkPanel>("r")->isHidden()) << "not a boolean: the default true";
    ControlLayout::SetLeft(p, 200);
    b.rt->RunAction("panel_show_or_hide*p");
    EXPECT_FALSE(p->isHidden());
    EXPECT_EQ(p->pos(), QPoint(30, 40));
}

TEST(ControlKeys, CheckAndRadioBoxes) {
    Built b("[chk]\ntype=check_box\ncheck=1\nenable_control=Edit1;PANEL2;\n"
            "[named]\ntype=check_box\ncaption=Все\n"
            "[r]\ntype=r_button\n[r2]\ntype=r_button\ncaption=Один\ncheck=true\n");
    auto* chk = b.object<TSkCheckBox>("chk");
    EXPECT_TRUE(chk->isChecked());
    EXPECT_EQ(chk->text(), "chk") << "without caption the object's name";
    EXPECT_EQ(chk->EnableControls, QStringList({"edit1", "panel2"}));
    EXPECT_EQ(b.object<TSkCheckBox>("named")->text(), "Все");
    EXPECT_EQ(b.object<TSkRadioButton>("r")->text(), "");
    EXPECT_TRUE(b.object<TSkRadioButton>("r2")->isChecked());
}

TEST(ControlKeys, SpeedButtonKeys) {
    Built b("[m]\ntype=pop_menu\n"
            "[a]\ntype=sp_button\ncaption=Вид\nhint=plain\nhint_down=Отжать\nhint_up=Нажать\ndown=1\n"
            "group=3\nmenu=m\nfont=Arial*14*#FF0000*\n"
            "[b]\ntype=sp_button\ngroup=3\n[c]\ntype=sp_button\ndown=yes\nmenu=ghost\n");
    auto* a = b.object<TSkSpeedButton>("a");
    EXPECT_EQ(a->text(), "Вид");
    EXPECT_TRUE(a->isChecked());
    EXPECT_TRUE(a->Latched);
    EXPECT_EQ(a->toolTip(), "plain") << "down does not update the hint";
    EXPECT_EQ(a->HintDown, "Отжать");
    EXPECT_EQ(a->GroupIndex(), 3);
    EXPECT_EQ(a->menu(), qobject_cast<QMenu*>(b.rt->GetComponent("m", TObjectList::PopMenu)));
    EXPECT_EQ(a->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(a->font().pointSize(), 14);
    EXPECT_EQ(a->palette().color(QPalette::ButtonText), QColor(255, 0, 0));

    auto* c = b.object<TSkSpeedButton>("c");
    EXPECT_FALSE(c->isChecked()) << "not a boolean: the default false";
    EXPECT_EQ(c->menu(), nullptr);
    EXPECT_FALSE(b.rec->shown().isEmpty()) << "the missing menu is reported";

    b.object<TSkSpeedButton>("b")->click();
    EXPECT_FALSE(a->isChecked()) << "one button of a group is down";
    b.rt->RunAction("sbutton_down*a");
    EXPECT_TRUE(a->isChecked());
    EXPECT_EQ(a->toolTip(), "Отжать");
}

TEST(ControlKeys, ButtonKeys) {
    Built b("[a]\ntype=button\ncaption=&Печать\ntext_align=left\nword_wrap=1\ntransparent=0\n"
            "skin=big*skins\\button.qss\n"
            "[b]\ntype=button\nskin=big*skins\\BUTTON.qss\n[c]\ntype=button\nskin=*skins\\missing.qss\n",
            "skins\\button.qss", "QPushButton { color: red; }");
    auto* a = b.object<TSkButton>("a");
    EXPECT_EQ(a->text(), "&Печать");
    EXPECT_EQ(a->TextAlignment(), Qt::AlignLeft);
    EXPECT_TRUE(a->WordWrap());
    EXPECT_TRUE(a->autoFillBackground());
    EXPECT_EQ(a->SkinObject(), "big");
    EXPECT_EQ(a->styleSheet(), "QPushButton { color: red; }");
    EXPECT_EQ(b.object<TSkButton>("b")->styleSheet(), "") << "a skin file already loaded is not taken again";
    EXPECT_EQ(b.object<TSkButton>("c")->SkinObject(), "default");
    EXPECT_TRUE(b.rec->shown().isEmpty()) << "a skin file found nowhere is silent";
}

TEST(ControlKeys, LabelKeys) {
    Built b("[l]\ntype=label\nauto_size=0\nwidth=60\nheight=20\ncut_length=1\nurl=1\n"
            "caption=Один два три четыре пять\ntext_align=right\n"
            "[w]\ntype=label\nword_wrap=true\ncaption=x\n");
    auto* l = b.object<TSkLabel>("l");
    EXPECT_EQ(l->Caption(), "Один два три четыре пять");
    EXPECT_TRUE(l->text().endsWith("...")) << l->text().toStdString();
    EXPECT_EQ(l->width(), 60);
    EXPECT_TRUE(l->UrlLook());
    EXPECT_EQ(l->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_TRUE(b.object<TSkLabel>("w")->wordWrap());
    b.rt->RunAction("label*w*Новый текст");
    EXPECT_EQ(b.object<TSkLabel>("w")->Caption(), "Новый текст");
}

TEST(ControlKeys, LabelLinkLookAndPlainLook) {
    struct Row {
        const char* name;
        const char* keys;
        bool underline, bold;
        QColor color;
        Qt::CursorShape cursor;
    } rows[] = {
        {"link", "url=1\n", true, false, QColor(0, 0, 255), Qt::PointingHandCursor},
        {"plain after a bold underlined red font", "font=*10*#FF0000*bu\nurl=0\n", false, false,
         QPalette().color(QPalette::WindowText), Qt::ArrowCursor},
        {"not a boolean: plain", "url=Yes please\n", false, false, QPalette().color(QPalette::WindowText),
         Qt::ArrowCursor},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Built b(QString("[l]\ntype=label\ncaption=Link\n") + row.keys);
        auto* l = b.object<TSkLabel>("l");
        EXPECT_EQ(l->font().underline(), row.underline);
        EXPECT_EQ(l->font().bold(), row.bold);
        EXPECT_EQ(l->palette().color(QPalette::WindowText), row.color);
        EXPECT_EQ(l->cursor().shape(), row.cursor);
    }
}

TEST(ControlKeys, Colours) {
    Built b("[pp]\ntype=parent_panel\ncolor=#102030\n[sb]\ntype=scroll_box\ncolor=#405060\n");
    auto* pp = b.object<TParentPanel>("pp");
    EXPECT_EQ(pp->palette().color(QPalette::Window), QColor(0x10, 0x20, 0x30));
    EXPECT_TRUE(pp->autoFillBackground());
    auto* sb = b.object<TSkScrollBox>("sb");
    EXPECT_EQ(sb->viewport()->palette().color(QPalette::Window), QColor(0x40, 0x50, 0x60));
}

TEST(ControlKeys, IntegerKeysRefuseText) {
    const char* sections[] = {
        "[p]\ntype=panel\nmin_width=wide\n",
        "[p]\ntype=parent_panel\nmax_width=1.5\n",
        "[p]\ntype=panel\nwidth=%\n",
        "[s]\ntype=sp_button\ngroup=first\n",
    };
    for (const char* s : sections) {
        SCOPED_TRACE(s);
        EXPECT_THROW(Built{s}, EConvertError);
    }
}

TEST(ControlVerbs, ShowOrHideTogglesEachKind) {
    Built b("[split]\ntype=split\n[panel]\ntype=panel\n[par]\ntype=parent_panel\n"
            "[spb]\ntype=sp_button\n[btn]\ntype=button\n");
    const struct {
        const char* verb;
        const char* name;
    } rows[] = {{"split_show_or_hide", "split"},   {"panel_show_or_hide", "panel"},
                {"parpanel_show_or_hide", "par"}, {"spbutton_show_or_hide", "spb"},
                {"button_show_or_hide", "btn"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.verb);
        auto* w = b.object<QWidget>(r.name);
        ASSERT_NE(w, nullptr);
        const QString command = QString(r.verb) + "*" + r.name;
        b.rt->RunAction(command);
        EXPECT_TRUE(w->isHidden());
        b.rt->RunAction(command);
        EXPECT_FALSE(w->isHidden());
    }
    EXPECT_TRUE(b.rec->shown().isEmpty());
}

TEST(ControlVerbs, SpeedButtonStateAndClicks) {
    Built b("[a]\ntype=sp_button\naction=go*a\nhint=plain\nhint_down=Up\n"
            "[p]\ntype=panel\naction=open*p\nwidth=50\nheight=50\n");
    QStringList host;
    b.rt->OnHostCommand = [&](const RHelpAction& a) { host << a.Action + "/" + QString::number(a.Height); };
    auto* a = b.object<TSkSpeedButton>("a");
    b.rt->RunAction("spbutton_down*a"); // no state: pressed
    EXPECT_TRUE(a->isChecked());
    EXPECT_TRUE(a->Latched);
    EXPECT_EQ(a->toolTip(), "plain");
    b.rt->RunAction("sbutton_down*a"); // the latch copied from the state: released
    EXPECT_FALSE(a->isChecked());
    b.rt->RunAction("spbutton_down*a*0");
    EXPECT_FALSE(a->Latched);

    ControlLayout::SetHeight(a, 22);
    b.rt->RunAction("click_spbut*a");
    // A double-click on a panel runs its action unchanged.
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(b.object<QWidget>("p"), &dbl);
    EXPECT_EQ(host, (QStringList{"go*a/22", "open*p/0"}));
}

TEST(ControlVerbs, MenuShowDropsUnderTheAnchor) {
    Built b("[m]\ntype=pop_menu\ncaption=A\naction=a\n"
            "[b]\ntype=button\nleft=40\ntop=30\nwidth=80\nheight=24\n"
            "[s]\ntype=sp_button\nleft=140\ntop=30\nwidth=80\nheight=20\n");
    b.form.show();
    auto* m = qobject_cast<QMenu*>(b.rt->GetComponent("m", TObjectList::PopMenu));
    const struct {
        const char* anchor;
        const char* name;
        int height;
    } rows[] = {{"b", "b", 24}, {"s", "s", 20}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.anchor);
        b.rt->RunAction(QString("menu_show*m*") + r.anchor);
        EXPECT_TRUE(m->isVisible());
        EXPECT_EQ(m->pos(), b.object<QWidget>(r.name)->mapToGlobal(QPoint(0, r.height)));
        m->hide();
    }
    EXPECT_TRUE(b.rec->shown().isEmpty());
    b.rt->RunAction("menu_show*m*ghost");
    EXPECT_TRUE(m->isVisible()) << "the menu still pops up";
    m->hide();
    EXPECT_EQ(b.rec->shown(), QStringList{"menu_show. Не найден контрол ghost"});
}

TEST(ResizeCycle, ADraggedSplitterSetsTheNewProportion) {
    Built b("[pp]\ntype=parent_panel\nalign=left\nwidth=30%\n[sp]\ntype=split\nalign=left\n"
            "[rest]\ntype=panel\nalign=client\n");
    b.form.show();
    auto* pp = b.object<TParentPanel>("pp");
    QWidget* page = pp->parentWidget();
    const int before = page->width();
    ASSERT_GE(before, 200);
    EXPECT_EQ(pp->width(), before / 100 * 30);

    b.object<TSkSplitter>("sp")->DragBy(before / 100 * 15);
    ASSERT_EQ(pp->width(), before / 100 * 45);
    b.rt->BeforeResize();
    EXPECT_EQ(pp->WidthPercent, 45);
    b.form.resize(b.form.width() + 300, b.form.height());
    QCoreApplication::processEvents();
    ASSERT_EQ(page->width(), before + 300);
    EXPECT_EQ(pp->width(), (before + 300) / 100 * 45);
}
