#pragma once
// The picture strip: a row of pictures from a list file shown in an inner
// HTML view, moved forward and back by two linked buttons.

#include "SkinControl/skControl.h"

#include <QTextBrowser>

class TListImg : public QTextBrowser, public TSkControl {
    Q_OBJECT
public:
    explicit TListImg(QWidget* parent);

    QWidget* skWidget() override { return this; }
};
