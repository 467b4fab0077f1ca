#include "SkinControl/skImage.h"

#include "archive/gPackUtils.h"

#include <QMouseEvent>
#include <QPixmap>

TSkImage::TSkImage(QWidget* parent) : QLabel(parent) {}

void TSkImage::SetFile(const QString& name) {
    if (name.isEmpty() || name == fileName) return;
    fileName = name;
    const QImage picture = LoadPicture(name);
    if (picture.isNull()) return;
    setPixmap(QPixmap::fromImage(picture));
    resize(picture.size());
}

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
