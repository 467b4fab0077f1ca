#include "SkinControl/skImage.h"

#include <QMouseEvent>

TSkImage::TSkImage(QWidget* parent) : QLabel(parent) {}

void TSkImage::SetFit(bool on) {
    fit = on;
}

void TSkImage::SuspendFit() {
    savedFit = fit;
    SetFit(false);
    suspended = true;
}

void TSkImage::ResumeFit() {
    if (!suspended) return;
    SetFit(savedFit);
    suspended = false;
}

void TSkImage::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    // A click: the left button released over the control.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) raiseAction(this);
}
