#pragma once
// The progress bar of described windows (advanced while a window is built
// and while the find window searches).

#include "SkinControl/skControl.h"

#include <QProgressBar>

class TSkProgressBar : public QProgressBar, public TSkControl {
    Q_OBJECT
public:
    explicit TSkProgressBar(QWidget* parent);

    QWidget* skWidget() override { return this; }
};
