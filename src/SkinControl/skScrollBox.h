#pragma once
// A scrolling container: children go into a content widget that grows to
// hold them all (the scroll range), and the box scrolls over it.

#include "SkinControl/skControl.h"

#include <QScrollArea>

class TSkScrollBox : public QScrollArea, public TSkControl {
    Q_OBJECT
public:
    explicit TSkScrollBox(QWidget* parent);
    ~TSkScrollBox() override;

    QWidget* ChildParent() override { return content; }
    QWidget* skWidget() override { return this; }

    // Sizes the content widget to the extent of its children, at least the
    // viewport's size.
    void UpdateContentSize();
    // The background behind the children (the key `color`).
    void SetColor(const QColor& color);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    QWidget* content;
    bool updating = false;
};
