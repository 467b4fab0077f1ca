// Panels and parent panels: sizes in percent of the parent, capture of a
// changed size, centring, hiding with the position remembered, double-click.

#include "SkinControl/skPanel.h"
#include "SkinControl/skPanelLayout.h"
#include "SkinControl/skParPanel.h"
#include "platform/ControlLayout.h"
#include "platform/Errors.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

QWidget* makeParent(int w, int h) {
    auto* p = new QWidget;
    p->resize(w, h);
    return p;
}

// Runs the same checks on both panel classes.
template <typename Panel> class PanelTest : public ::testing::Test {};
using PanelTypes = ::testing::Types<TSkPanel, TParentPanel>;
TYPED_TEST_SUITE(PanelTest, PanelTypes);

} // namespace

TEST(PanelLayout, PercentSizeRoundsTheParentToHundredsAndNeverDividesByZero) {
    struct Row {
        const char* name;
        int parent, percent, expected;
    } rows[] = {
        {"750 at 50 % rounds the parent down first", 750, 50, 350},
        {"600 at 50 %", 600, 50, 300},
        {"100 at 100 %", 100, 100, 100},
        {"below 100 px the exact proportion", 80, 50, 40},
        {"1 px parent", 1, 100, 1},
        {"empty parent keeps the size", 0, 50, -1},
        {"0 % keeps the size", 600, 0, -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(PanelLayout::PercentSize(r.parent, r.percent), r.expected);
    }
    // Small parents never give more than 100 px would.
    for (int parent = 1; parent < 100; ++parent)
        EXPECT_LE(PanelLayout::PercentSize(parent, 70), 70);
}

TEST(PanelLayout, CapturedPercent) {
    struct Row {
        const char* name;
        int own, parentFull, old, expected;
    } rows[] = {
        {"user widened to 450 of 1000", 450, 1000, 30, 45},
        {"fixed size stays fixed", 450, 1000, 0, 0},
        {"parent under 100 px keeps the old percentage", 40, 99, 30, 30},
        {"empty parent keeps the old percentage", 40, 0, 30, 30},
        {"a sliver stays a percentage", 3, 1000, 30, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(PanelLayout::CapturedPercent(r.own, r.parentFull, r.old), r.expected);
    }
}

TYPED_TEST(PanelTest, SizeTexts) {
    std::unique_ptr<QWidget> parent(makeParent(750, 400));
    auto* p = new TypeParam(parent.get());
    ControlLayout::SetBounds(p, QRect(0, 0, 120, 80));

    p->SetWidthText("50%");
    EXPECT_EQ(p->width(), 350);
    EXPECT_EQ(p->WidthPercent, 50);

    p->SetWidthText("200"); // a number sets the size, the percentage stays
    EXPECT_EQ(p->width(), 200);
    EXPECT_EQ(p->WidthPercent, 50);

    p->SetHeightText("25%");
    EXPECT_EQ(p->height(), 100);
    ControlLayout::SetHeight(p, 10);
    p->SetWidthText("40%"); // applies the stored height percentage too
    EXPECT_EQ(p->width(), 280);
    EXPECT_EQ(p->height(), 100);

    p->SetWidthText("0%");
    EXPECT_EQ(p->WidthPercent, 0);
    EXPECT_EQ(p->width(), 280);

    for (const char* bad : {"%", "abc", "12a%", "", "50 %"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(p->SetWidthText(bad), EConvertError);
    }
}

TYPED_TEST(PanelTest, CentringFollowsTheParentAndMayGoNegative) {
    std::unique_ptr<QWidget> parent(makeParent(200, 100));
    auto* p = new TypeParam(parent.get());
    ControlLayout::SetBounds(p, QRect(7, 9, 300, 40));
    p->SetCenterHorz(true); // recentres at once
    EXPECT_EQ(p->x(), -50);
    EXPECT_EQ(p->y(), 9);
    p->SetCenterVert(true);
    EXPECT_EQ(p->y(), 30);

    parent->resize(400, 301);
    p->Recenter();
    EXPECT_EQ(p->pos(), QPoint(50, 130));

    p->SetCenterHorz(false);
    parent->resize(600, 301);
    p->Recenter();
    EXPECT_EQ(p->x(), 50);
}

TYPED_TEST(PanelTest, ShowOrHideReturnsToWhereItStood) {
    std::unique_ptr<QWidget> parent(makeParent(400, 300));
    auto* p = new TypeParam(parent.get());
    ControlLayout::SetBounds(p, QRect(30, 40, 100, 50));
    p->ShowOrHide();
    EXPECT_TRUE(p->isHidden());
    ControlLayout::SetBounds(p, QRect(200, 200, 100, 50)); // moved while hidden
    p->ShowOrHide();
    EXPECT_FALSE(p->isHidden());
    EXPECT_EQ(p->geometry(), QRect(30, 40, 100, 50));

    // Hidden some other way, it comes back where it stands, not at 0, 0.
    auto* q = new TypeParam(parent.get());
    ControlLayout::SetBounds(q, QRect(60, 70, 100, 50));
    ControlLayout::SetVisible(q, false);
    q->ShowOrHide();
    EXPECT_FALSE(q->isHidden());
    EXPECT_EQ(q->pos(), QPoint(60, 70));
}

TYPED_TEST(PanelTest, DoubleClickRaisesTheAction) {
    std::unique_ptr<QWidget> parent(makeParent(400, 300));
    auto* p = new TypeParam(parent.get());
    int raised = 0;
    p->OnAction = [&](QObject* sender) {
        EXPECT_EQ(sender, p);
        ++raised;
    };
    QMouseEvent single(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QCoreApplication::sendEvent(p, &single);
    EXPECT_EQ(raised, 0);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(p, &dbl);
    EXPECT_EQ(raised, 1);
    EXPECT_FALSE(p->ActionValue().hasValue);
    EXPECT_FALSE(p->ActionValue().position);
}

TEST(ParentPanel, CapturedProportionSurvivesTheNextResize) {
    std::unique_ptr<QWidget> parent(makeParent(1000, 500));
    auto* p = new TParentPanel(parent.get());
    EXPECT_EQ(p->size(), QSize(100, 50));
    p->SetWidthText("30%");
    p->SetHeightText("50%");
    EXPECT_EQ(p->size(), QSize(300, 250));

    ControlLayout::SetWidth(p, 450); // the user dragged a splitter
    p->CapturePercentSize();
    EXPECT_EQ(p->WidthPercent, 45);
    EXPECT_EQ(p->HeightPercent, 50);
    parent->resize(800, 400);
    p->Recenter();
    p->ApplyPercentSize();
    EXPECT_EQ(p->size(), QSize(360, 200));

    // A parent shrunk below 100 px neither divides by zero nor loses the
    // proportion.
    p->CapturePercentSize();
    parent->resize(60, 40);
    p->ApplyPercentSize();
    EXPECT_EQ(p->size(), QSize(27, 20));
    p->CapturePercentSize(); // before the window grows again
    parent->resize(800, 400);
    p->ApplyPercentSize();
    EXPECT_EQ(p->size(), QSize(360, 200));
}
