#pragma once
// The animated GIF picture, animating from the moment it is loaded.

#include "SkinControl/skControl.h"

#include <QLabel>

class QBuffer;
class QMovie;

class TSkGif : public QLabel, public TSkControl {
    Q_OBJECT
public:
    explicit TSkGif(QWidget* parent);

    // Reads the animation through the archive and starts it; the name loaded
    // last, or an empty name, is ignored.
    void Load(const QString& name);
    QString MediaFileName; // the name loaded last
    QMovie* Movie() const { return movie; }

    QWidget* skWidget() override { return this; }

private:
    QMovie* movie;
    QBuffer* data = nullptr;
};
