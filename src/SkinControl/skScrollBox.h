#pragma once
// A scrolling container: children go into a content widget that grows to
// hold them all, and the box scrolls over it.

#include "SkinControl/skControl.h"

#include <QScrollArea>

class TSkScrollBox : public QScrollArea, public TSkControl {
    Q_OBJECT
public:
    explicit TSkScrollBox(QWidget* parent);

    QWidget* ChildParent() override;
    QWidget* skWidget() override { return this; }

    // Grows or shrinks the content widget to the children's extent (at least
    // the viewport's size).
    void UpdateContentSize();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QWidget* content;
};
