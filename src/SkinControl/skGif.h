#pragma once
// The animated GIF picture, animating from the moment it is loaded.

#include "SkinControl/skControl.h"

#include <QLabel>

class QMovie;

class TSkGif : public QLabel, public TSkControl {
    Q_OBJECT
public:
    explicit TSkGif(QWidget* parent);

    QString MediaFileName;   // the name loaded last
    QMovie* Movie() const { return movie; }

    QWidget* skWidget() override { return this; }

private:
    QMovie* movie;
};
