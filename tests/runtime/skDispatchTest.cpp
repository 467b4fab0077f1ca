// The dispatcher: command order, the host handler contract, built-in verbs
// and the actions control events produce.

#include "SkinControl/skButton.h"
#include "SkinControl/skCheckBox.h"
#include "SkinControl/uFORM.h"
#include "platform/Application.h"
#include "platform/Errors.h"
#include "runtime/skUseStract.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Window {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    TfrmFORM form;
    std::unique_ptr<TSkStract> rt;
    QStringList host;

    explicit Window(const QString& objects, bool withHost = true) {
        folder.writeText("test.txt", "[main]\ntype=form\n" + objects);
        rt = std::make_unique<TSkStract>(&form, "test.txt");
        if (withHost) rt->OnHostCommand = [this](const RHelpAction& a) { host << a.Action; };
        rt->Build();
    }
};

} // namespace

TEST(Dispatch, HostReceivesTheFirstUnknownCommandAndTheRest) {
    struct Row {
        const char* action;
        QStringList expected;
    } rows[] = {
        {"Zap*A**B", {"zap*A*B"}},
        {"Zap*A**B//x*1", {"zap*A*B//x*1"}},
        {"nil*x//zap*7//go*1", {"zap*7//go*1"}},
        {"//nil//*bad//zap", {"zap"}},
        {"", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.action);
        Window w("");
        w.rt->RunAction(row.action);
        EXPECT_EQ(w.host, row.expected);
    }
}

TEST(Dispatch, UnknownVerbEndsTheDispatchOnlyWithAHost) {
    {
        Window w("");
        w.rt->RunAction("nil*x//form_close*2");
        EXPECT_EQ(w.form.ModalResult(), 2);
    }
    {
        Window w("");
        w.rt->RunAction("zz*x//form_close*2");
        EXPECT_EQ(w.form.ModalResult(), 0);
        EXPECT_EQ(w.host, QStringList{"zz*x//form_close*2"});
    }
    {
        Window w("", false);
        w.rt->RunAction("zz*x//form_close*2");
        EXPECT_EQ(w.form.ModalResult(), 2);
    }
}

TEST(Dispatch, VisibleAndEnabledUseTheBooleanDefault) {
    Window w("[p]\ntype=panel\n");
    QWidget* p = qobject_cast<QWidget*>(w.rt->GetControl("p"));
    w.form.show();
    w.rt->RunAction("visible*p*false");
    EXPECT_FALSE(p->isVisible());
    w.rt->RunAction("visible*P*no");
    EXPECT_TRUE(p->isVisible());
    w.rt->RunAction("enabled*p*0");
    EXPECT_FALSE(p->isEnabled());
}

TEST(Dispatch, FormCloseWithoutResultEndsTheProgram) {
    Window w("");
    w.rt->RunAction("form_close//test*not*reached");
    EXPECT_EQ(w.rec->texts("exit"), QStringList{"0"});
    EXPECT_TRUE(w.rec->texts("message").isEmpty());
}

TEST(Dispatch, MessagesOfVerbs) {
    struct Row {
        const char* action;
        QStringList expected;
    } rows[] = {
        {"test*a*b", {"a*b"}},
        {"test*a", {"a*"}},
        {"label*nolabel*x", {"test.txt\r\nGetComponent. Не найден контрол: nolabel"}},
        {"visible*ghost*1", {"test.txt\r\nGetControl. Не найден контрол: ghost"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.action);
        Window w("");
        w.rt->RunAction(row.action);
        EXPECT_EQ(w.rec->shown(), row.expected);
    }
}

TEST(Dispatch, IntegerArgumentThatIsNotAnIntegerRaises) {
    Window w("");
    EXPECT_THROW(w.rt->RunAction("form_close*x//test*a*b"), EConvertError);
    EXPECT_TRUE(w.rec->texts("message").isEmpty());
}

TEST(Dispatch, OpenFileArgumentAsksForAFile) {
    Window w("");
    w.rec->openAnswer = "/tmp/picked.jpg";
    w.rt->RunAction("pick*open_file(.JPG)*x");
    EXPECT_EQ(w.rec->texts("open"), QStringList{"*.jpg"});
    EXPECT_EQ(w.host, QStringList{"pick*open_file(.JPG)*x"});
}

TEST(ControlAction, ButtonsSendTheirPositionAndCheckBoxesTheirState) {
    Window w("[b]\ntype=button\naction=go*1\nleft=10\ntop=20\nwidth=80\nheight=30\n"
             "[c]\ntype=check_box\naction=visible*panel1\n[panel1]\ntype=panel\n");
    w.form.show();
    RHelpAction seen;
    w.rt->OnHostCommand = [&](const RHelpAction& a) { seen = a; };
    w.rt->RunAction("click_but*b");
    auto* button = static_cast<QWidget*>(w.rt->GetControl("b"));
    EXPECT_EQ(seen.Action, "go*1");
    EXPECT_EQ(seen.Height, 30);
    EXPECT_EQ(QPoint(seen.X, seen.Y), button->mapToGlobal(QPoint(0, 0)));

    auto* box = w.rt->GetCheckBox("c");
    auto* panel = static_cast<QWidget*>(w.rt->GetControl("panel1"));
    box->setChecked(false);
    w.rt->ControlAction(box);
    EXPECT_FALSE(panel->isVisible());
    box->setChecked(true);
    w.rt->ControlAction(box);
    EXPECT_TRUE(panel->isVisible());
}

TEST(ControlAction, EnableControlsNamingAMissingObjectIsReported) {
    Window w("[c]\ntype=check_box\nenable_control=p;ghost\n[p]\ntype=panel\n");
    auto* box = w.rt->GetCheckBox("c");
    box->setChecked(false);
    w.rt->ControlAction(box);
    EXPECT_FALSE(static_cast<QWidget*>(w.rt->GetControl("p"))->isEnabled());
    EXPECT_EQ(w.rec->shown(), (QStringList{"test.txt\r\nGetControl. Не найден контрол: ghost",
                                           "test.txt\r\nПроверте параметр enable_control для чекьокса c"}));
}

TEST(Dispatch, FormShowBuildsAModalWindowAndFreesIt) {
    Window w("");
    w.folder.writeText("second.txt", "[f]\ntype=form\ncaption=Second\n[b]\ntype=button\naction=form_close*1\n");
    QString caption;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* f = qobject_cast<TSkForm*>(top);
            if (f && f != &w.form && f->isVisible()) {
                caption = f->Caption();
                f->CloseWithResult(1);
            }
        }
    });
    w.rt->RunAction("form_show*second.txt");
    EXPECT_EQ(caption, "Second");
    int left = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<TfrmFORM*>(top) && top != &w.form) ++left;
    EXPECT_EQ(left, 0);
}

TEST(Dispatch, AnActionThatRunsItselfStopsWithAMessage) {
    Window w("[b]\ntype=button\naction=click_but*b//click_but*b\n");
    EXPECT_FALSE(GuardedCall([&] { w.rt->RunAction("click_but*b"); }));
    EXPECT_EQ(w.rec->texts("general"),
              QStringList{"test.txt\r\nDispatch. Команды вызывают друг друга без конца: click_but*b//click_but*b"});
}

TEST(HotKeys, SectionsAndMenuKeysDispatchOnTheirPage) {
    Window w("[keys]\ntype=hot_key\nfind=Ctrl+F*show_find*x//go\n"
             "[menu]\ntype=pop_menu\ncaption=A;B\naction=first;second\nkey=;Shift+F5\n");
    w.rt->ActivatePage();
    EXPECT_TRUE(w.form.HandleKey(Qt::Key_F, Qt::ControlModifier));
    EXPECT_TRUE(w.form.HandleKey(Qt::Key_F5, Qt::ShiftModifier));
    EXPECT_FALSE(w.form.HandleKey(Qt::Key_F, Qt::ControlModifier | Qt::AltModifier));
    EXPECT_EQ(w.host, (QStringList{"show_find*x//go", "second"}));
}
