#include "SkinControl/skFlash.h"

TSkFlash::TSkFlash(QWidget* parent) : QWidget(parent) {}
