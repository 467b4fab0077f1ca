#include "SkinControl/skProgressBar.h"

TSkProgressBar::TSkProgressBar(QWidget* parent) : QProgressBar(parent) {
    // The original bar shows no percentage text.
    setTextVisible(false);
}
