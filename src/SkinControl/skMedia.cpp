#include "SkinControl/skMedia.h"

TSkMedia::TSkMedia(QWidget* window) : QObject(window) {}

void TSkMedia::SetDisplay(QWidget* area) {
    display = area;
}
