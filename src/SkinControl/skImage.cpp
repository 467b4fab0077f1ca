#include "SkinControl/skImage.h"

#include "archive/gPackUtils.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <cmath>

TSkImage::TSkImage(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TSkImage::SetFile(const QString& name) {
    if (name.isEmpty() || name == fileName) return;
    fileName = name;
    const QImage picture = LoadPicture(name);
    if (picture.isNull()) return;
    source = picture;
    showFitted();
}

QSize TSkImage::FitSize(QSize picture, QSize parent) const {
    if (!fit || parent.width() <= 0 || parent.height() <= 0 || picture.isEmpty()) return picture;
    double s = double(parent.width()) / picture.width();
    if (MinScale != 0 && s < MinScale) s = MinScale;
    if (MaxScale != 0 && s > MaxScale) s = MaxScale;
    double tw = picture.width() * s, th = picture.height() * s;
    if (parent.height() < th) {
        tw *= parent.height() / th;
        th = parent.height();
    }
    if (tw <= 0 || th <= 0) return picture;
    return QSize(int(std::ceil(tw)), int(std::ceil(th)));
}

// Fitting always starts from the file's picture, so repeated resizing does
// not degrade it.
void TSkImage::showFitted() {
    if (source.isNull()) return;
    const QSize target = FitSize(source.size(), parentWidget() ? parentWidget()->size() : QSize());
    const QImage shown = target == source.size()
                             ? source
                             : source.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    setPixmap(QPixmap::fromImage(shown));
    if (size() != target) resize(target);
}

void TSkImage::SetFit(bool on) {
    fit = on;
    if (on) showFitted();
}

void TSkImage::SetCenter(bool on) {
    center = on;
    setAlignment(on ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
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

void TSkImage::contextMenuEvent(QContextMenuEvent* event) {
    if (PopupMenu)
        PopupMenu->popup(event->globalPos());
    else
        QLabel::contextMenuEvent(event);
}

void TSkImage::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (!fit || source.isNull()) return;
    const QSize parent = parentWidget() ? parentWidget()->size() : QSize();
    if (pixmap().size() != FitSize(source.size(), parent)) showFitted();
}
