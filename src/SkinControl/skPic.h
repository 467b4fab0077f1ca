#pragma once
// The skin picture: shows the skin element named by its skin object.

#include "SkinControl/skControl.h"

#include <QWidget>

class TSkPic : public QWidget, public TSkControl {
    Q_OBJECT
public:
    explicit TSkPic(QWidget* parent);

    // A skin picture has nothing to fit; these let the runtime treat every
    // picture alike.
    void SuspendFit() {}
    void ResumeFit() {}

    QWidget* skWidget() override { return this; }
};
