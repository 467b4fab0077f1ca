#include "catalogue/uPaintBox.h"

#include <QMouseEvent>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    resize(800, 300);
}

void TPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (OnPaint) OnPaint(painter);
}

void TPaintBox::mouseMoveEvent(QMouseEvent* e) {
    if (OnMouseMove) OnMouseMove(e);
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* e) {
    if (OnMouseUp) OnMouseUp(e);
}
