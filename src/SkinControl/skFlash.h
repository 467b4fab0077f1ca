#pragma once
// The Flash player's stand-in: reads frame count and rate from the movie's
// header, advances frames on a timer and paints a placeholder. Its actions
// go to the window's dispatcher (OnDispatch). Objects may be placed in it.

#include "SkinControl/skControl.h"

#include <QWidget>

class TSkFlash : public QWidget, public TSkControl {
    Q_OBJECT
public:
    explicit TSkFlash(QWidget* parent);

    QWidget* skWidget() override { return this; }
};
