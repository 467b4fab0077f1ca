#include "SkinControl/skScrollBox.h"

TSkScrollBox::TSkScrollBox(QWidget* parent) : QScrollArea(parent), content(new QWidget) {
    setWidget(content);
}
QWidget* TSkScrollBox::ChildParent() { return content; }
void TSkScrollBox::UpdateContentSize() {}
bool TSkScrollBox::eventFilter(QObject* watched, QEvent* e) { return QScrollArea::eventFilter(watched, e); }
void TSkScrollBox::resizeEvent(QResizeEvent* e) { QScrollArea::resizeEvent(e); }
