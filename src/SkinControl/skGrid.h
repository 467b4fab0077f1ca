#pragma once
// The table of described windows: a fixed first column and zebra rows,
// filled from table files and printed through the print preview.

#include "SkinControl/skControl.h"

#include <QTableWidget>

class TSkGrid : public QTableWidget, public TSkControl {
    Q_OBJECT
public:
    explicit TSkGrid(QWidget* parent);

    QWidget* skWidget() override { return this; }
};
