#include "platform/ControlLayout.h"
#include "platform/Errors.h"

#include <QCoreApplication>
#include <QPointer>
#include <QResizeEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace CL = ControlLayout;

namespace {

constexpr TAnchors AllAnchors = akLeft | akTop | akRight | akBottom;
constexpr TAnchors AlignDefault = -1;

QString str(const QRect& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A shown window holding the parent under test, so that Qt delivers resize,
// show and hide events as it does in the program.
class LayoutFixture : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        host->resize(900, 700);
        host->show();
        parent = new QWidget(host.get());
        parent->setGeometry(0, 0, 300, 200);
        parent->show();
    }

    QWidget* addChild(const QRect& bounds, TAlign align = TAlign::None) {
        auto* w = new QWidget(parent);
        CL::SetVisible(w, true);
        CL::SetBounds(w, bounds);
        if (align != TAlign::None) CL::SetAlign(w, align);
        return w;
    }

    static void flushPosted() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); }

    std::unique_ptr<QWidget> host;
    QWidget* parent = nullptr;
};

struct ChildSpec {
    TAlign align = TAlign::None;
    TAnchors anchors = AlignDefault;
    QRect bounds;
    QSize minSize{};  // 0 = no limit
    QSize maxSize{};
    bool visible = true;
};

struct LayoutCase {
    const char* name;
    QSize parentSize;
    std::vector<ChildSpec> children;
    QSize resizeTo;
    std::vector<QRect> expected;
    bool buildDisabled = false;  // all children set up between DisableAlign and EnableAlign
};

const TAlign None = TAlign::None, Top = TAlign::Top, Bottom = TAlign::Bottom, Left = TAlign::Left,
             Right = TAlign::Right, Client = TAlign::Client, Custom = TAlign::Custom;

const LayoutCase layoutCases[] = {
    {"sides_then_client",
     {300, 200},
     {{Top, AlignDefault, {0, 0, 10, 20}},
      {Bottom, AlignDefault, {0, 0, 10, 30}},
      {Left, AlignDefault, {0, 0, 40, 10}},
      {Right, AlignDefault, {0, 0, 50, 10}},
      {Client, AlignDefault, {0, 0, 10, 10}}},
     {400, 300},
     {{0, 0, 400, 20}, {0, 270, 400, 30}, {0, 20, 40, 250}, {350, 20, 50, 250}, {40, 20, 310, 250}}},
    {"tops_ordered_by_top_edge",
     {200, 100},
     {{Top, AlignDefault, {0, 50, 10, 20}}, {Top, AlignDefault, {0, 10, 10, 30}}},
     {200, 100},
     {{0, 30, 200, 20}, {0, 0, 200, 30}},
     true},
    {"equal_tops_keep_child_order",
     {200, 100},
     {{Top, AlignDefault, {0, 0, 10, 20}}, {Top, AlignDefault, {0, 0, 10, 30}}},
     {200, 100},
     {{0, 0, 200, 20}, {0, 20, 200, 30}},
     true},
    {"just_aligned_top_wins_tie",
     {200, 100},
     {{Top, AlignDefault, {0, 0, 10, 20}}, {Top, AlignDefault, {0, 0, 10, 30}}},
     {300, 100},
     {{0, 30, 300, 20}, {0, 0, 300, 30}}},
    {"bottoms_ordered_by_bottom_edge",
     {200, 100},
     {{Bottom, AlignDefault, {0, 0, 10, 20}}, {Bottom, AlignDefault, {0, 50, 10, 30}}},
     {200, 100},
     {{0, 50, 200, 20}, {0, 70, 200, 30}},
     true},
    {"equal_bottoms_take_reverse_child_order",
     {200, 100},
     {{Bottom, AlignDefault, {0, 10, 10, 20}}, {Bottom, AlignDefault, {0, 0, 10, 30}}},
     {200, 100},
     {{0, 50, 200, 20}, {0, 70, 200, 30}},
     true},
    {"lefts_and_rights_ordered_by_edge",
     {300, 100},
     {{Left, AlignDefault, {50, 0, 20, 10}},
      {Left, AlignDefault, {0, 0, 30, 10}},
      {Right, AlignDefault, {200, 0, 40, 10}},
      {Right, AlignDefault, {250, 0, 10, 10}}},
     {300, 100},
     {{30, 0, 20, 100}, {0, 0, 30, 100}, {250, 0, 40, 100}, {290, 0, 10, 100}},
     true},
    {"hidden_takes_no_space",
     {200, 100},
     {{Top, AlignDefault, {0, 0, 10, 20}, {}, {}, false}, {Client, AlignDefault, {0, 0, 10, 10}}},
     {300, 150},
     {{0, 0, 10, 20}, {0, 0, 300, 150}}},
    {"custom_left_alone",
     {200, 100},
     {{Custom, AlignDefault, {5, 5, 20, 20}}, {Client, AlignDefault, {0, 0, 10, 10}}},
     {300, 150},
     {{5, 5, 20, 20}, {0, 0, 300, 150}}},
    {"overfull_parent_leaves_client_empty",
     {300, 200},
     {{Top, AlignDefault, {0, 0, 10, 150}}, {Top, AlignDefault, {0, 0, 10, 100}}, {Client, AlignDefault, {0, 0, 10, 10}}},
     {300, 200},
     {{0, 0, 300, 150}, {0, 150, 300, 100}, {0, 250, 300, 0}},
     true},
    {"anchors_keep_distances_when_growing",
     {300, 200},
     {{None, akLeft | akTop, {10, 10, 50, 20}},
      {None, akLeft | akTop | akRight, {10, 10, 280, 20}},
      {None, akRight | akBottom, {240, 170, 50, 20}},
      {None, 0, {125, 90, 50, 20}},
      {None, AllAnchors, {10, 10, 280, 180}}},
     {400, 260},
     {{10, 10, 50, 20}, {10, 10, 380, 20}, {340, 230, 50, 20}, {175, 120, 50, 20}, {10, 10, 380, 240}}},
    {"anchors_keep_distances_when_shrinking",
     {300, 200},
     {{None, akRight | akBottom, {240, 170, 50, 20}}, {None, AllAnchors, {10, 10, 280, 180}}},
     {150, 100},
     {{90, 70, 50, 20}, {10, 10, 130, 80}}},
    {"constraints_hold_for_aligned_sizes",
     {300, 200},
     {{Top, AlignDefault, {0, 0, 10, 20}, {}, {100, 0}},
      {Left, AlignDefault, {0, 0, 40, 10}, {}, {0, 50}},
      {Client, AlignDefault, {0, 0, 10, 10}, {250, 150}, {}}},
     {200, 100},
     {{0, 0, 100, 20}, {0, 20, 40, 50}, {40, 20, 250, 150}}},
    {"constraints_hold_for_explicit_and_anchored_sizes",
     {300, 200},
     {{None, AlignDefault, {0, 0, 10, 10}, {30, 30}, {}},
      {None, akLeft | akTop | akRight, {10, 40, 100, 20}, {}, {150, 0}},
      {None, AlignDefault, {0, 80, 500, 10}, {}, {200, 0}}},
     {400, 200},
     {{0, 0, 30, 30}, {10, 40, 150, 20}, {0, 80, 200, 10}}},
};

TEST_F(LayoutFixture, TableOfLayouts) {
    for (const LayoutCase& c : layoutCases) {
        SCOPED_TRACE(c.name);
        parent->resize(c.parentSize);
        std::vector<QWidget*> kids;
        if (c.buildDisabled) CL::DisableAlign(parent);
        for (const ChildSpec& s : c.children) {
            auto* w = new QWidget(parent);
            CL::SetVisible(w, s.visible);
            CL::SetBounds(w, s.bounds);
            if (s.minSize.width()) CL::SetMinWidth(w, s.minSize.width());
            if (s.minSize.height()) CL::SetMinHeight(w, s.minSize.height());
            if (s.maxSize.width()) CL::SetMaxWidth(w, s.maxSize.width());
            if (s.maxSize.height()) CL::SetMaxHeight(w, s.maxSize.height());
            if (s.align != None) CL::SetAlign(w, s.align);
            if (s.anchors != AlignDefault) CL::SetAnchors(w, s.anchors);
            kids.push_back(w);
        }
        if (c.buildDisabled) CL::EnableAlign(parent);
        parent->resize(c.resizeTo);
        for (size_t i = 0; i < kids.size(); ++i) {
            EXPECT_EQ(str(CL::Bounds(kids[i])), str(c.expected[i])) << "child " << i;
            EXPECT_EQ(kids[i]->geometry(), c.expected[i]) << "child " << i;
        }
        qDeleteAll(kids);
    }
}

TEST_F(LayoutFixture, WidthAndClientAlignFillParentInEitherOrder) {
    for (bool widthFirst : {true, false}) {
        SCOPED_TRACE(widthFirst ? "width first" : "align first");
        auto* w = addChild({0, 0, 40, 40});
        if (widthFirst) CL::SetWidth(w, 100);
        CL::SetAlign(w, Client);
        if (!widthFirst) CL::SetWidth(w, 100);
        EXPECT_EQ(w->geometry(), QRect(0, 0, 300, 200));
        delete w;
    }
}

TEST_F(LayoutFixture, AlignmentImpliesAnchors) {
    const struct {
        TAlign align;
        TAnchors anchors;
    } rows[] = {{Top, akLeft | akTop | akRight},  {Bottom, akLeft | akRight | akBottom},
                {Left, akLeft | akTop | akBottom}, {Right, akRight | akTop | akBottom},
                {Client, AllAnchors},              {None, AllAnchors}};
    auto* w = addChild({0, 0, 10, 10});
    for (const auto& r : rows) {
        CL::SetAlign(w, r.align);  // None keeps the anchors Client gave
        EXPECT_EQ(CL::Anchors(w), r.anchors) << int(r.align);
    }
}

TEST_F(LayoutFixture, TurningTopToLeftKeepsThickness) {
    auto* w = addChild({0, 0, 10, 20}, Top);
    ASSERT_EQ(w->geometry(), QRect(0, 0, 300, 20));
    CL::SetAlign(w, Left);
    EXPECT_EQ(w->geometry(), QRect(0, 0, 20, 200));
}

TEST_F(LayoutFixture, UnalignedControlKeepsItsAnchorsAfterwards) {
    auto* w = addChild({0, 0, 10, 20}, Top);
    CL::SetAlign(w, None);
    parent->resize(400, 200);
    EXPECT_EQ(w->geometry(), QRect(0, 0, 400, 20));
}

TEST_F(LayoutFixture, VisibilityChangesRealign) {
    auto* bar = addChild({0, 0, 10, 20}, Top);
    auto* body = addChild({0, 0, 10, 10}, Client);
    ASSERT_EQ(body->geometry(), QRect(0, 20, 300, 180));

    CL::SetVisible(bar, false);
    EXPECT_EQ(body->geometry(), QRect(0, 0, 300, 200));
    CL::SetVisible(bar, true);
    EXPECT_EQ(body->geometry(), QRect(0, 20, 300, 180));

    bar->hide();  // behind the engine's back: Qt posts a layout request
    flushPosted();
    EXPECT_EQ(body->geometry(), QRect(0, 0, 300, 200));
}

TEST_F(LayoutFixture, DestroyedAlignedChildFreesItsSpace) {
    auto* bar = addChild({0, 0, 10, 20}, Top);
    auto* body = addChild({0, 0, 10, 10}, Client);
    delete bar;
    flushPosted();
    EXPECT_EQ(body->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(CL::Align(body), Client);
}

TEST_F(LayoutFixture, DisableAlignNests) {
    auto* w = addChild({5, 5, 10, 10});
    CL::DisableAlign(parent);
    CL::DisableAlign(parent);
    CL::SetAlign(w, Client);
    parent->resize(250, 150);
    EXPECT_EQ(w->geometry(), QRect(5, 5, 10, 10));
    CL::EnableAlign(parent);
    EXPECT_EQ(w->geometry(), QRect(5, 5, 10, 10));
    CL::EnableAlign(parent);
    EXPECT_EQ(w->geometry(), QRect(0, 0, 250, 150));
    CL::EnableAlign(parent);  // unbalanced: ignored
    parent->resize(260, 160);
    EXPECT_EQ(w->geometry(), QRect(0, 0, 260, 160));
}

TEST_F(LayoutFixture, NestedParentsRealignInTurn) {
    auto* panel = addChild({0, 0, 10, 10}, Client);
    auto* status = new QWidget(panel);
    CL::SetVisible(status, true);
    CL::SetBounds(status, {0, 0, 10, 20});
    CL::SetAlign(status, Bottom);
    parent->resize(400, 300);
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 400, 300));
    EXPECT_EQ(status->geometry(), QRect(0, 280, 400, 20));
}

TEST(ControlLayout, HiddenWindowRealignsWhenSizedThroughTheEngine) {
    QWidget window;  // never shown: Qt sends it no resize events
    CL::SetBounds(&window, {0, 0, 300, 200});
    auto* panel = new QWidget(&window);
    CL::SetAlign(panel, Client);
    auto* status = new QWidget(panel);
    CL::SetBounds(status, {0, 0, 10, 20});
    CL::SetAlign(status, Bottom);
    CL::SetBounds(&window, {0, 0, 500, 400});
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 500, 400));
    EXPECT_EQ(status->geometry(), QRect(0, 380, 500, 20));
}

TEST_F(LayoutFixture, PlainQtMoveBecomesTheNewAnchorReference) {
    auto* w = addChild({240, 170, 50, 20});
    CL::SetAnchors(w, akRight | akBottom);
    w->move(100, 100);
    parent->resize(400, 300);
    EXPECT_EQ(w->geometry(), QRect(200, 200, 50, 20));
}

// Moves a sibling from inside its own resize handler, which realigns the
// parent while the parent is being aligned.
class ResizeHook : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> onResize;

protected:
    void resizeEvent(QResizeEvent*) override {
        if (onResize) onResize();
    }
};

TEST_F(LayoutFixture, HandlersThatRealignDuringAlignmentSettle) {
    auto* bar = new ResizeHook(parent);
    CL::SetVisible(bar, true);
    CL::SetBounds(bar, {0, 0, 10, 20});
    auto* marker = addChild({0, 50, 10, 10});
    bar->onResize = [&] { CL::SetLeft(marker, bar->width() / 2); };
    CL::SetAlign(bar, Top);
    parent->resize(400, 200);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 400, 20));
    EXPECT_EQ(marker->geometry(), QRect(200, 50, 10, 10));

    // A handler that fights the alignment must not hang the program.
    auto* stubborn = new ResizeHook(parent);
    CL::SetVisible(stubborn, true);
    stubborn->onResize = [&] {
        if (stubborn->height() != 25) CL::SetHeight(stubborn, 25);
    };
    CL::SetAlign(stubborn, Left);
    parent->resize(500, 300);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 500, 20));
}

TEST_F(LayoutFixture, ThousandChildren) {
    CL::DisableAlign(parent);
    std::vector<QWidget*> kids;
    for (int i = 0; i < 1000; ++i) {
        auto* w = new QWidget(parent);
        CL::SetVisible(w, true);
        CL::SetBounds(w, {0, i, 1, 1});
        CL::SetAlign(w, i % 2 ? Top : Left);
        kids.push_back(w);
    }
    CL::EnableAlign(parent);
    parent->resize(1200, 700);
    EXPECT_EQ(kids[999]->geometry(), QRect(0, 499, 1200, 1));
    EXPECT_EQ(kids[998]->geometry(), QRect(499, 500, 1, 200));
}

// A panel-like control that keeps itself centred horizontally or vertically.
class CentringPanel : public QWidget, public TCenterable {
public:
    using QWidget::QWidget;
    bool horz = false, vert = false;
    void SetCenterHorz(bool on) override {
        horz = on;
        if (on) CL::SetLeft(this, (parentWidget()->width() - width()) / 2);
    }
    void SetCenterVert(bool on) override {
        vert = on;
        if (on) CL::SetTop(this, (parentWidget()->height() - height()) / 2);
    }
};

TEST_F(LayoutFixture, PositionFillsWithMarginAndStretches) {
    auto* w = addChild({0, 0, 10, 10});
    CL::SetAnchors(w, 0);
    PositionFromText(w, "10 10 10 10");
    EXPECT_EQ(w->geometry(), QRect(10, 10, 280, 180));
    EXPECT_EQ(CL::Anchors(w), AllAnchors);
    parent->resize(400, 300);
    EXPECT_EQ(w->geometry(), QRect(10, 10, 380, 280));
}

TEST_F(LayoutFixture, PositionSticksToLowerRight) {
    auto* w = addChild({0, 0, 50, 20});
    CL::SetAnchors(w, 0);
    PositionFromText(w, "* * 5 5");
    EXPECT_EQ(w->geometry(), QRect(245, 175, 50, 20));
    EXPECT_EQ(CL::Anchors(w), akRight | akBottom);
    parent->resize(400, 300);
    EXPECT_EQ(w->geometry(), QRect(345, 275, 50, 20));

    auto* kept = addChild({0, 0, 50, 20});  // anchors are added to those it has
    PositionFromText(kept, "* * 5 5");
    EXPECT_EQ(CL::Anchors(kept), AllAnchors);
}

TEST_F(LayoutFixture, PositionCentresCenterableAndKeepsItsSize) {
    auto* panel = new CentringPanel(parent);
    CL::SetVisible(panel, true);
    CL::SetBounds(panel, {0, 50, 100, 20});
    CL::SetAnchors(panel, 0);
    PositionFromText(panel, "* 0 * *");
    EXPECT_TRUE(panel->horz);
    EXPECT_FALSE(panel->vert);
    EXPECT_EQ(panel->geometry(), QRect(100, 0, 100, 20));
    EXPECT_EQ(CL::Anchors(panel), akTop);

    auto* plain = addChild({30, 50, 100, 20});
    PositionFromText(plain, "* 0 * *");
    EXPECT_EQ(plain->geometry(), QRect(30, 0, 100, 20));
}

TEST_F(LayoutFixture, PositionInSmallParentKeepsTheGivenDistancesWhenItGrows) {
    const struct {
        const char* name;
        QSize parentSize;
        QRect before;
    } rows[] = {{"default-sized parent", {100, 30}, {10, 10, 80, 10}},
                {"parent smaller than the margins", {10, 10}, {10, 10, -10, -10}}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        parent->resize(r.parentSize);
        auto* w = addChild({0, 0, 10, 10});
        CL::SetAnchors(w, 0);
        PositionFromText(w, "10 10 10 10");
        EXPECT_EQ(str(CL::Bounds(w)), str(r.before));
        parent->resize(400, 300);
        EXPECT_EQ(w->geometry(), QRect(10, 10, 380, 280));
        delete w;
    }
}

TEST_F(LayoutFixture, PositionWithBadNumbersRaisesAndMovesNothing) {
    auto* w = addChild({1, 2, 30, 40});
    for (const char* text : {"1 2 3", "a 2 3 4", "1  2 3 4", "1 2 3 x", "* * * 4.5"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(PositionFromText(w, text), EConvertError);
        EXPECT_EQ(w->geometry(), QRect(1, 2, 30, 40));
        EXPECT_EQ(CL::Anchors(w), DefaultAnchors);
    }
    EXPECT_NO_THROW(PositionFromText(w, ""));
    EXPECT_EQ(w->geometry(), QRect(1, 2, 30, 40));
}

} // namespace
