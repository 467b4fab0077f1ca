#pragma once
// A splitter bar: dragging it resizes the control aligned on the same side
// next to it; it hides and shows again where it stood.

#include "SkinControl/skControl.h"

#include <QFrame>

class TSkSplitter : public QFrame, public TSkControl {
    Q_OBJECT
public:
    explicit TSkSplitter(QWidget* parent);

    int SavedLeft = 0;
    int SavedTop = 0;
    int MinSize = 30;  // the resized neighbour never gets smaller

    void ShowOrHide();
    QWidget* skWidget() override { return this; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QWidget* neighbour = nullptr;  // the control being resized while dragging
    int startPos = 0;              // global mouse coordinate at the press
    int startSize = 0;             // neighbour's size at the press
};
