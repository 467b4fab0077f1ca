// The splitter resizes the control aligned on its side next to it, within
// limits, follows a mouse drag, and hides with its position remembered.

#include "SkinControl/skSplitter.h"
#include "platform/ControlLayout.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// A 400 x 300 parent with one control on the splitter's side, the splitter,
// and a client-aligned control taking the rest.
struct Frame {
    std::unique_ptr<QWidget> parent{new QWidget};
    QWidget* side;
    TSkSplitter* splitter;
    QWidget* rest;

    explicit Frame(TAlign align) {
        parent->resize(400, 300);
        side = new QWidget(parent.get());
        ControlLayout::SetBounds(side, QRect(0, 0, 100, 100));
        ControlLayout::SetAlign(side, align);
        splitter = new TSkSplitter(parent.get());
        const bool horz = align == TAlign::Left || align == TAlign::Right;
        // Placed just past the side control, so the layout puts it next to it.
        QRect r = horz ? QRect(0, 0, 3, 300) : QRect(0, 0, 400, 3);
        if (align == TAlign::Left) r.moveLeft(100);
        if (align == TAlign::Top) r.moveTop(100);
        if (align == TAlign::Right) r.moveLeft(297 - 100);
        if (align == TAlign::Bottom) r.moveTop(297 - 100);
        // As the keys come: the alignment, then the bounds (reverse file order).
        ControlLayout::SetAlign(splitter, align);
        ControlLayout::SetBounds(splitter, r);
        rest = new QWidget(parent.get());
        ControlLayout::SetAlign(rest, TAlign::Client);
    }
    int sideSize() const {
        const TAlign a = ControlLayout::Align(side);
        return a == TAlign::Left || a == TAlign::Right ? side->width() : side->height();
    }
};

} // namespace

TEST(Splitter, StartsAsTheOriginalLeftAlignedBar) {
    QWidget parent;
    TSkSplitter s(&parent);
    EXPECT_EQ(ControlLayout::Align(&s), TAlign::Left);
    EXPECT_EQ(s.width(), 3);
    EXPECT_EQ(s.cursor().shape(), Qt::SplitHCursor);
    EXPECT_FALSE(s.ActionValue().position);
}

TEST(Splitter, DragResizesTheNeighbourWithinLimits) {
    struct Row {
        const char* name;
        TAlign align;
        int delta, expected;
    } rows[] = {
        {"left, dragged right", TAlign::Left, 50, 150},
        {"left, dragged left", TAlign::Left, -40, 60},
        {"left, not below MinSize", TAlign::Left, -90, 30},
        {"left, leaves MinSize of free room", TAlign::Left, 1000, 400 - 3 - 30},
        {"right, dragged left", TAlign::Right, -50, 150},
        {"right, dragged right", TAlign::Right, 40, 60},
        {"top, dragged down", TAlign::Top, 20, 120},
        {"top, leaves MinSize of free room", TAlign::Top, 1000, 300 - 3 - 30},
        {"bottom, dragged up", TAlign::Bottom, -20, 120},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Frame f(r.align);
        ASSERT_EQ(f.splitter->Neighbour(), f.side);
        f.splitter->DragBy(r.delta);
        EXPECT_EQ(f.sideSize(), r.expected);
        // The layout keeps the splitter against the resized control.
        EXPECT_EQ(f.splitter->Neighbour(), f.side);
    }
}

TEST(Splitter, WithoutANeighbourADragDoesNothing) {
    Frame f(TAlign::Left);
    ControlLayout::SetVisible(f.side, false);
    EXPECT_EQ(f.splitter->Neighbour(), nullptr);
    f.splitter->DragBy(50); // must not crash
    ControlLayout::SetAlign(f.splitter, TAlign::None);
    EXPECT_EQ(f.splitter->Neighbour(), nullptr);
}

TEST(Splitter, FollowsTheMouse) {
    Frame f(TAlign::Left);
    auto send = [&](QEvent::Type type, int globalX, Qt::MouseButtons buttons) {
        const QPointF local(1, 10);
        QMouseEvent e(type, local, QPointF(globalX, 50),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(f.splitter, &e);
    };
    send(QEvent::MouseButtonPress, 500, Qt::LeftButton);
    send(QEvent::MouseMove, 530, Qt::LeftButton);
    EXPECT_EQ(f.side->width(), 130);
    send(QEvent::MouseMove, 470, Qt::LeftButton); // measured from the press
    EXPECT_EQ(f.side->width(), 70);
    send(QEvent::MouseButtonRelease, 470, Qt::NoButton);
    send(QEvent::MouseMove, 600, Qt::NoButton); // no longer dragging
    EXPECT_EQ(f.side->width(), 70);
}

TEST(Splitter, ShowOrHideReturnsToWhereItStood) {
    QWidget parent;
    parent.resize(300, 200);
    auto* s = new TSkSplitter(&parent);
    ControlLayout::SetAlign(s, TAlign::None);
    ControlLayout::SetBounds(s, QRect(40, 10, 3, 100));
    s->ShowOrHide();
    EXPECT_TRUE(s->isHidden());
    ControlLayout::SetLeft(s, 90);
    s->ShowOrHide();
    EXPECT_FALSE(s->isHidden());
    EXPECT_EQ(s->pos(), QPoint(40, 10));
}
