// The scroll box: children live in its content widget, which grows to hold
// them and shrinks back to the viewport.

#include "SkinControl/skScrollBox.h"
#include "platform/ControlLayout.h"

#include <gtest/gtest.h>

TEST(ScrollBox, ContentGrowsToItsChildren) {
    TSkScrollBox box(nullptr);
    box.resize(200, 150);
    box.show(); // the viewport is laid out, and moves reported, once shown
    QWidget* content = box.ChildParent();
    ASSERT_NE(content, &box);
    EXPECT_EQ(box.widget(), content);
    const QSize viewport = box.viewport()->size();
    EXPECT_EQ(content->size(), viewport);

    auto* child = new QWidget(content);
    child->show();
    ControlLayout::SetBounds(child, QRect(500, 400, 100, 50));
    EXPECT_EQ(content->size(), QSize(600, 450));

    ControlLayout::SetBounds(child, QRect(10, 10, 20, 20));
    EXPECT_EQ(content->size(), box.viewport()->size());

    ControlLayout::SetBounds(child, QRect(0, 700, 20, 20));
    ControlLayout::SetVisible(child, false);
    EXPECT_EQ(content->height(), box.viewport()->height()) << "hidden children take no room";
    ControlLayout::SetVisible(child, true);
    EXPECT_EQ(content->height(), 720);

    delete child;
    EXPECT_EQ(content->size(), box.viewport()->size());
}

TEST(ScrollBox, ChildrenThatFollowTheEdgesDoNotGrowTheRange) {
    TSkScrollBox box(nullptr);
    box.resize(200, 150);
    box.show(); // the viewport is laid out, and moves reported, once shown
    QWidget* content = box.ChildParent();
    auto* right = new QWidget(content);
    ControlLayout::SetBounds(right, QRect(150, 10, 40, 20));
    ControlLayout::SetAnchors(right, akTop | akRight);
    auto* client = new QWidget(content);
    ControlLayout::SetAlign(client, TAlign::Client);
    auto* far = new QWidget(content);
    for (QWidget* w : {right, client, far})
        w->show();
    ControlLayout::SetBounds(far, QRect(0, 0, 300, 20));
    EXPECT_EQ(content->width(), 300);
    EXPECT_EQ(client->width(), 300);
    EXPECT_EQ(right->x() + right->width(), 300 - 10);
}

TEST(ScrollBox, ColourShowsBehindTheChildren) {
    QWidget parent;
    parent.resize(300, 200);
    TSkScrollBox box(&parent);
    box.setGeometry(0, 0, 300, 200);
    box.SetColor(QColor(255, 255, 255));
    parent.show();
    const QImage shot = box.grab().toImage();
    EXPECT_EQ(shot.pixelColor(150, 100), QColor(255, 255, 255));
}
