#include "SkinControl/skSplitter.h"

TSkSplitter::TSkSplitter(QWidget* parent) : QFrame(parent) {}
void TSkSplitter::ShowOrHide() {}
void TSkSplitter::mousePressEvent(QMouseEvent* e) { QFrame::mousePressEvent(e); }
void TSkSplitter::mouseMoveEvent(QMouseEvent* e) { QFrame::mouseMoveEvent(e); }
void TSkSplitter::mouseReleaseEvent(QMouseEvent* e) { QFrame::mouseReleaseEvent(e); }
void TSkSplitter::paintEvent(QPaintEvent* e) { QFrame::paintEvent(e); }
