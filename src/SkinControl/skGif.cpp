#include "SkinControl/skGif.h"

#include <QMovie>

TSkGif::TSkGif(QWidget* parent) : QLabel(parent), movie(new QMovie(this)) {
    setMovie(movie);
}
