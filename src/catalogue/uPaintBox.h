#pragma once
// The picture box of the group page: a plain surface that the main window
// paints the group's picture and hot areas on.

#include <QWidget>
#include <functional>

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent);

    std::function<void(QPainter&)> OnPaint;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};
