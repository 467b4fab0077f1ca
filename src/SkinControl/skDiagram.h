#pragma once
// The bar diagram: captioned horizontal bars scaled to a common maximum,
// read from a data file.

#include "SkinControl/skControl.h"

#include <QWidget>

class TskDiagram : public QWidget, public TSkControl {
    Q_OBJECT
public:
    explicit TskDiagram(QWidget* parent);

    QWidget* skWidget() override { return this; }
};
