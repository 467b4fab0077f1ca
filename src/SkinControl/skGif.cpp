#include "SkinControl/skGif.h"

#include "archive/gPack.h"

#include <QBuffer>
#include <QMovie>

TSkGif::TSkGif(QWidget* parent) : QLabel(parent), movie(new QMovie(this)) {
    setMovie(movie);
}

void TSkGif::Load(const QString& name) {
    if (name.isEmpty() || name == MediaFileName) return;
    MediaFileName = name;
    movie->stop();
    // The movie reads frames from its device as it plays, so the bytes stay.
    auto* next = new QBuffer(this);
    next->setData(LoadFile(name));
    next->open(QIODevice::ReadOnly);
    movie->setDevice(next);
    delete data;
    data = next;
    movie->start();
}
