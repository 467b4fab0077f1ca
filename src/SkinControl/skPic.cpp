#include "SkinControl/skPic.h"

TSkPic::TSkPic(QWidget* parent) : QWidget(parent) {
    // Style sheets paint a plain QWidget subclass only with this attribute.
    setAttribute(Qt::WA_StyledBackground, true);
}
