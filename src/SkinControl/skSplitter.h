#pragma once
// A splitter bar: dragging it resizes the control aligned on the same side
// right before it, as the original platform's splitter did; it hides and
// shows again where it stood.

#include "SkinControl/skControl.h"

#include <QFrame>
#include <QPointer>

class TSkSplitter : public QFrame, public TSkControl {
    Q_OBJECT
public:
    explicit TSkSplitter(QWidget* parent);

    int SavedLeft = 0;
    int SavedTop = 0;
    bool PositionSaved = false;
    int MinSize = 30; // neither the resized control nor the free area gets smaller

    void ShowOrHide();
    // The control that dragging resizes: the visible sibling of the same
    // alignment that touches the splitter on its near side; null if none.
    QWidget* Neighbour() const;
    // Moves the splitter by delta pixels along its axis (what a drag does).
    void DragBy(int delta);

    QWidget* skWidget() override { return this; }

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool horizontal() const; // a left or right splitter, dragged sideways
    void updateCursor();
    int resizeLimit(const QWidget* n) const;

    QPointer<QWidget> dragged; // the control being resized while dragging
    int startPos = 0;          // global mouse coordinate at the press
    int startSize = 0;         // its size at the press
    bool hovered = false;
};
