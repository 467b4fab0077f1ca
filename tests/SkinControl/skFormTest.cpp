#include "SkinControl/skForm.h"
#include "SkinControl/skTitleBar.h"
#include "SkinControl/uFORM.h"
#include "platform/Paths.h"
#include "platform/RecordingPlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A generic window with a notebook, a focused edit on its first page and a
// recorder of every action it raises.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TfrmFORM>();
        form->CommandCallback = [this](const RHelpAction& a) { actions.push_back(a); };
        form->CreateNotebook();
        edit = new QLineEdit(form->Notebook()->Page(0));
        edit->setGeometry(10, 10, 120, 24);
    }

    void showWithFocus() {
        form->show();
        QApplication::setActiveWindow(form.get());
        edit->setFocus();
    }

    QStringList actionTexts() const {
        QStringList out;
        for (const RHelpAction& a : actions)
            out << a.Action;
        return out;
    }

    RecordingPlatformGuard rec;
    std::unique_ptr<TfrmFORM> form;
    QLineEdit* edit = nullptr;
    std::vector<RHelpAction> actions;
};

TEST_F(FormTest, GenericWindowHasDesignSizeAndNoCaption) {
    EXPECT_EQ(form->size(), QSize(783, 540));
    EXPECT_TRUE(form->Caption().isEmpty());
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(FormTest, NotebookPagesAreNamedAndAddingShows) {
    TSkNotebook* nb = form->Notebook();
    EXPECT_EQ(form->CreateNotebook(), nb) << "a second call keeps the notebook";
    ASSERT_EQ(nb->PageCount(), 1);
    EXPECT_EQ(nb->PageName(0), "Default");
    EXPECT_EQ(nb->AddPage("p1"), 1);
    EXPECT_EQ(nb->AddPage("p2"), 2);
    EXPECT_EQ(nb->ActivePage(), 2);
    EXPECT_EQ(nb->PageName(1), "p1");
    EXPECT_EQ(nb->PageName(7), "");
    nb->SetActivePage(0);
    EXPECT_EQ(nb->currentWidget(), nb->Page(0));
}

TEST_F(FormTest, HotKeyMatchesThePageShownNow) {
    // The first entry only on page 1, the second on every page.
    form->HotKeys().AddHotKey("Ctrl+F*first", 1);
    form->HotKeys().AddHotKey("Ctrl+F*second", -1);
    form->Notebook()->AddPage("p1");
    form->Notebook()->SetActivePage(0);
    showWithFocus();

    QTest::keyClick(edit, Qt::Key_F, Qt::ControlModifier);
    form->Notebook()->SetActivePage(1);
    QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(actionTexts(), QStringList({"second", "first"}));
    for (const RHelpAction& a : actions)
        EXPECT_EQ(a.X + a.Y + a.Height, 0);
}

TEST_F(FormTest, HotKeyRegisteredOnShownPageAndSeenBeforeTheEdit) {
    form->AddHotKey("F5*refresh"); // page 0, shown now
    form->AddHotKey("A*letter_a");
    showWithFocus();
    QTest::keyClick(edit, Qt::Key_F5);
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(actionTexts(), QStringList({"refresh", "letter_a"}));
    EXPECT_EQ(edit->text(), "") << "a key that fired a hot key does not reach the control";
    form->Notebook()->AddPage("p1");
    QTest::keyClick(form.get(), Qt::Key_F5);
    EXPECT_EQ(actions.size(), 2u) << "the entry belongs to page 0";
}

TEST_F(FormTest, DeveloperKeysNeedExactlyCtrlAndAlt) {
    struct Row {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int restarts;
        int opens;
    };
    const Row rows[] = {
        {"Ctrl+Alt+Q", Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, 1, 0},
        {"Ctrl+Alt+Shift+Q", Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, 0, 0},
        {"Ctrl+Q", Qt::Key_Q, Qt::ControlModifier, 0, 0},
        {"Alt+Q", Qt::Key_Q, Qt::AltModifier, 0, 0},
        {"Ctrl+Alt+E", Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, 0, 1},
        {"Ctrl+Alt+Shift+E", Qt::Key_E, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, 0, 0},
    };
    form->DescriptionFile = "struct_work.txt";
    showWithFocus();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        rec->clear();
        // Sent to the focused edit, which ignores it: the key propagates up
        // to the window and must still be handled once.
        QTest::keyClick(edit, row.key, row.modifiers);
        EXPECT_EQ(rec->texts("restart").size(), row.restarts);
        const QStringList opens = rec->texts("shell");
        ASSERT_EQ(opens.size(), row.opens);
        if (row.opens) EXPECT_EQ(opens[0], "open|" + AbsoluteFromApp("struct_work.txt") + "||");
    }
    EXPECT_TRUE(form->isVisible());
}

TEST_F(FormTest, EscClosesOnlyDialogsAndEscCloseWindows) {
    struct Row {
        const char* name;
        std::function<void(TSkForm&)> setup;
        bool closes;
    };
    const Row rows[] = {
        {"dialog", [](TSkForm& f) { f.SetDialog(true); }, true},
        {"esc_close", [](TSkForm& f) { f.EscClose = true; }, true},
        {"neither", [](TSkForm&) {}, false},
        {"dialog then esc_close=0",
         [](TSkForm& f) {
             f.SetDialog(true);
             f.EscClose = false;
         },
         false},
        {"dialog on then off",
         [](TSkForm& f) {
             f.SetDialog(true);
             f.SetDialog(false);
         },
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TfrmFORM f;
        auto* e = new QLineEdit(&f);
        row.setup(f);
        // Modal: Esc either ends the loop with Cancel, or the window stays
        // until it is closed with a result of its own.
        QTimer::singleShot(0, e, [&f, e] {
            e->setFocus();
            QTest::keyClick(e, Qt::Key_Escape);
            if (f.isVisible()) f.CloseWithResult(7);
        });
        EXPECT_EQ(f.ShowModal(), row.closes ? 2 : 7);
        EXPECT_FALSE(f.isVisible());
    }
}

TEST_F(FormTest, ClosingAModelessWindowIsACancel) {
    form->show();
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->ModalResult(), 2);
}

TEST_F(FormTest, BorderButtonsFollowSizeDialogAndHelp) {
    struct Row {
        const char* name;
        std::function<void(TSkForm&)> setup;
        bool help, minimize, maximize, sizeable, escClose;
    };
    const Row rows[] = {
        {"default", [](TSkForm&) {}, false, true, true, true, false},
        {"size=0", [](TSkForm& f) { f.SetSizeable(false); }, false, true, false, false, false},
        {"size=0 then 1",
         [](TSkForm& f) {
             f.SetSizeable(false);
             f.SetSizeable(true);
         },
         false, true, true, true, false},
        {"dialog=1", [](TSkForm& f) { f.SetDialog(true); }, false, false, false, false, true},
        {"dialog=1 then 0",
         [](TSkForm& f) {
             f.SetDialog(true);
             f.SetDialog(false);
         },
         false, true, true, true, false},
        {"dialog=1 then size=1",
         [](TSkForm& f) {
             f.SetDialog(true);
             f.SetSizeable(true);
         },
         false, false, true, true, true},
        {"but_help", [](TSkForm& f) { f.SetHelpButton(true); }, true, true, true, true, false},
        {"but_help then off",
         [](TSkForm& f) {
             f.SetHelpButton(true);
             f.SetHelpButton(false);
         },
         false, true, true, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TfrmFORM f;
        row.setup(f);
        TSkTitleBar* bar = f.TitleBar();
        EXPECT_EQ(bar->HasHelp(), row.help);
        EXPECT_EQ(f.HelpButton, row.help);
        EXPECT_EQ(bar->HasMinimize(), row.minimize);
        EXPECT_EQ(bar->HasMaximize(), row.maximize);
        EXPECT_EQ(f.Sizeable(), row.sizeable);
        EXPECT_EQ(f.EscClose, row.escClose);
    }
}

TEST_F(FormTest, HelpButtonSendsItsActionAtTheMousePosition) {
    form->SetHelpButton(true);
    form->HelpAction = "menu_show*pm_help";
    form->show();
    QCursor::setPos(321, 123);
    const QPoint at = QCursor::pos();
    form->TitleBar()->HelpButton()->click();
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0].Action, "menu_show*pm_help");
    EXPECT_EQ(QPoint(actions[0].X, actions[0].Y), at);
    EXPECT_EQ(actions[0].Height, 0);
}

TEST_F(FormTest, BodyDragMovesOnlyWhenMovingAndNotMaximized) {
    struct Row {
        const char* name;
        bool moving, maximized, moves;
    };
    const Row rows[] = {
        {"moving", true, false, true},
        {"moving, maximized", true, true, false},
        {"not moving", false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TfrmFORM f;
        f.Moving = row.moving;
        TSkNotebook* nb = f.CreateNotebook();
        f.InstallDragHandler(nb);
        if (row.maximized)
            f.showMaximized();
        else
            f.show();
        QApplication::processEvents();
        QWidget* page = nb->Page(0);
        const QPoint before = f.pos();
        QTest::mousePress(page, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseMove(page, QPoint(80, 90));
        QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(80, 90));
        EXPECT_EQ(f.pos(), row.moves ? before + QPoint(30, 40) : before);
    }
}

TEST_F(FormTest, TitleBarDragMovesTheWindow) {
    form->show();
    const QPoint before = form->pos();
    TSkTitleBar* bar = form->TitleBar();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(bar, QPoint(170, 30));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(170, 30));
    EXPECT_EQ(form->pos(), before + QPoint(-30, 20));
}

TEST_F(FormTest, BorderDragResizesWithinLimits) {
    int beforeResize = 0;
    form->BeforeResizeHook = [&] { ++beforeResize; };
    form->SetMinWidth(600);
    form->resize(700, 500);
    form->show();
    const QRect start = form->geometry();
    const QPoint right(form->width() - 2, form->height() / 2);
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, right);
    EXPECT_EQ(beforeResize, 0) << "a press that resizes nothing";

    QTest::mousePress(form.get(), Qt::LeftButton, {}, right);
    QTest::mouseMove(form.get(), right + QPoint(50, 0));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, right + QPoint(50, 0));
    EXPECT_EQ(form->geometry(), start.adjusted(0, 0, 50, 0));
    EXPECT_EQ(beforeResize, 1);

    // The left edge moves the left side; the minimum width holds.
    const QPoint left(1, form->height() / 2);
    QTest::mousePress(form.get(), Qt::LeftButton, {}, left);
    QTest::mouseMove(form.get(), left + QPoint(400, 0));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, left + QPoint(400, 0));
    EXPECT_EQ(form->width(), 600);
    EXPECT_EQ(form->geometry().right(), start.right() + 50);

    form->SetSizeable(false);
    const QRect fixed = form->geometry();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, QPoint(0, 100));
    QTest::mouseMove(form.get(), QPoint(-40, 100));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(-40, 100));
    EXPECT_EQ(form->geometry(), fixed);
}

TEST_F(FormTest, SizeHookGetsTheClientSizeAfterTheChange) {
    std::vector<QSize> sizes;
    form->SizeChangeHook = [&](int w, int h) { sizes.emplace_back(w, h); };
    form->show();
    form->resize(500, 400);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back(), form->ClientArea()->size());
    EXPECT_EQ(sizes.back(), QSize(500 - 8, 400 - 8 - TSkTitleBar::DefaultHeight));
    EXPECT_EQ(form->Notebook()->geometry(), form->ClientArea()->rect());

    form->SetHideCaption(true);
    form->resize(420, 300);
    EXPECT_EQ(sizes.back(), QSize(420, 300)) << "without caption the client is the whole window";
}

TEST_F(FormTest, MaximizeHookRunsBeforeTheChange) {
    std::vector<bool> maximizedAtHook;
    form->MaximizeHook = [&] { maximizedAtHook.push_back(form->IsMaximized()); };
    QSize client;
    form->SizeChangeHook = [&](int w, int h) { client = QSize(w, h); };
    form->show();
    form->ToggleMaximize();
    EXPECT_TRUE(form->IsMaximized());
    QApplication::processEvents();
    EXPECT_EQ(client, form->size() - QSize(0, TSkTitleBar::DefaultHeight)) << "no border while maximized";
    form->ToggleMaximize();
    EXPECT_FALSE(form->IsMaximized());
    EXPECT_EQ(maximizedAtHook, (std::vector<bool>{false, true}));
}

TEST_F(FormTest, FramePaintingNestsAndAShownWindowPaints) {
    form->SetFramePainting(false);
    form->SetFramePainting(false);
    form->SetFramePainting(true);
    EXPECT_FALSE(form->FramePainting());
    EXPECT_FALSE(form->TitleBar()->updatesEnabled());
    form->SetFramePainting(true);
    form->SetFramePainting(true); // one too many does not go below zero
    EXPECT_TRUE(form->FramePainting());
    form->SetFramePainting(false);
    EXPECT_FALSE(form->FramePainting());

    // A build that failed before switching painting back on.
    form->show();
    EXPECT_TRUE(form->FramePainting());
    EXPECT_TRUE(form->TitleBar()->updatesEnabled());
}

TEST_F(FormTest, ShowEffectFadesInOnlyForKnownNames) {
    // The offscreen platform keeps the opacity but warns at every step.
    static QtMessageHandler previous = nullptr;
    previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains("window opacity")) previous(type, context, text);
        });
    struct Restore {
        ~Restore() { qInstallMessageHandler(previous); }
    } restore;
    form->ShowEffect = "fade";
    form->show();
    EXPECT_EQ(form->windowOpacity(), 0.0);
    QTRY_COMPARE(form->windowOpacity(), 1.0);
    form->hide();

    TfrmFORM other;
    other.ShowEffect = "no_such_effect";
    other.show();
    EXPECT_EQ(other.windowOpacity(), 1.0);
}

TEST_F(FormTest, CaptionAndSystemMenu) {
    form->SetCaption("Каталог");
    EXPECT_EQ(form->windowTitle(), "Каталог");
    EXPECT_EQ(form->TitleBar()->Caption(), "Каталог");
    QMenu* own = form->SystemMenu();
    ASSERT_NE(own, nullptr);
    {
        QMenu custom;
        form->SetSystemMenu(&custom);
        EXPECT_EQ(form->SystemMenu(), &custom);
    }
    EXPECT_EQ(form->SystemMenu(), own) << "a destroyed menu gives way to the window's own";
}

TEST_F(FormTest, SkinSheetAndSkinObjectAreApplied) {
    form->SetSkinStyleSheet("TSkForm { qproperty-frameColor: #102030; }");
    form->SetSkinObject("main");
    form->ensurePolished();
    EXPECT_EQ(form->FrameColor(), QColor("#102030"));
    EXPECT_EQ(form->property("skin").toString(), "main");
    EXPECT_TRUE(form->styleSheet().startsWith(TSkForm::DefaultStyleSheet()));
}

} // namespace

TEST(FormMaximize, MaximizeAndRestoreWithoutAWindowManager) {
    TSkForm form;
    form.setGeometry(40, 30, 300, 200);
    form.show();
    QTest::qWait(50);
    const QRect normal = form.geometry();
    form.ToggleMaximize();
    QTest::qWait(400);
    EXPECT_TRUE(form.IsMaximized());
    EXPECT_EQ(form.geometry(), form.screen()->availableGeometry());
    form.ToggleMaximize();
    QTest::qWait(400);
    EXPECT_FALSE(form.IsMaximized());
    EXPECT_EQ(form.geometry(), normal);
}
