#include "SkinControl/skSplitter.h"

#include "SkinControl/skPanelLayout.h"
#include "platform/ControlLayout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

TSkSplitter::TSkSplitter(QWidget* parent) : QFrame(parent) {
    // The original splitter starts left-aligned, 3 pixels wide.
    setFrameShape(QFrame::NoFrame);
    ControlLayout::SetBounds(this, QRect(0, 0, 3, 100));
    ControlLayout::SetAlign(this, TAlign::Left);
    setMouseTracking(true);
    updateCursor();
}

void TSkSplitter::ShowOrHide() {
    PanelLayout::ShowOrHide(this, SavedLeft, SavedTop, PositionSaved);
}

bool TSkSplitter::horizontal() const {
    const TAlign a = ControlLayout::Align(this);
    return a != TAlign::Top && a != TAlign::Bottom;
}

void TSkSplitter::updateCursor() {
    setCursor(horizontal() ? Qt::SplitHCursor : Qt::SplitVCursor);
}

QWidget* TSkSplitter::Neighbour() const {
    QWidget* parent = parentWidget();
    const TAlign align = ControlLayout::Align(this);
    if (!parent || align == TAlign::None || align == TAlign::Client || align == TAlign::Custom)
        return nullptr;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == this || w->isHidden() || w->isWindow() || ControlLayout::Align(w) != align) continue;
        const QRect r = w->geometry();
        bool touches = false;
        switch (align) {
        case TAlign::Left:
            touches = r.x() + r.width() == x();
            break;
        case TAlign::Right:
            touches = r.x() == x() + width();
            break;
        case TAlign::Top:
            touches = r.y() + r.height() == y();
            break;
        case TAlign::Bottom:
            touches = r.y() == y() + height();
            break;
        default:
            break;
        }
        if (touches) return w;
    }
    return nullptr;
}

// The largest size the neighbour may take: the parent's client extent less
// what the other controls aligned on this axis take, less MinSize for the
// area that stays free.
int TSkSplitter::resizeLimit(const QWidget* n) const {
    const QWidget* parent = parentWidget();
    const bool horz = horizontal();
    int taken = 0;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == n || w->isHidden() || w->isWindow()) continue;
        const TAlign a = ControlLayout::Align(w);
        if (horz && (a == TAlign::Left || a == TAlign::Right)) taken += w->width();
        if (!horz && (a == TAlign::Top || a == TAlign::Bottom)) taken += w->height();
    }
    const QRect client = parent->contentsRect();
    return (horz ? client.width() : client.height()) - taken - MinSize;
}

void TSkSplitter::DragBy(int delta) {
    QWidget* n = dragged ? dragged.data() : Neighbour();
    if (!n) return;
    const TAlign align = ControlLayout::Align(this);
    const bool horz = horizontal();
    const int base = dragged ? startSize : (horz ? n->width() : n->height());
    const int grow = (align == TAlign::Left || align == TAlign::Top) ? delta : -delta;
    int size = qMin(base + grow, resizeLimit(n));
    size = qMax(size, qMin(MinSize, base));
    if (horz)
        ControlLayout::SetWidth(n, size);
    else
        ControlLayout::SetHeight(n, size);
}

bool TSkSplitter::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::Enter:
        hovered = true;
        updateCursor();
        update();
        break;
    case QEvent::Leave:
        hovered = false;
        update();
        break;
    default:
        break;
    }
    return QFrame::event(e);
}

void TSkSplitter::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QFrame::mousePressEvent(e);
    dragged = Neighbour();
    if (!dragged) return;
    const QPoint g = e->globalPosition().toPoint();
    startPos = horizontal() ? g.x() : g.y();
    startSize = horizontal() ? dragged->width() : dragged->height();
}

void TSkSplitter::mouseMoveEvent(QMouseEvent* e) {
    if (!dragged || !(e->buttons() & Qt::LeftButton)) return QFrame::mouseMoveEvent(e);
    const QPoint g = e->globalPosition().toPoint();
    DragBy((horizontal() ? g.x() : g.y()) - startPos);
}

void TSkSplitter::mouseReleaseEvent(QMouseEvent* e) {
    dragged = nullptr;
    QFrame::mouseReleaseEvent(e);
}

void TSkSplitter::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    QStyleOption opt;
    opt.initFrom(this);
    if (horizontal()) opt.state |= QStyle::State_Horizontal;
    if (hovered) opt.state |= QStyle::State_MouseOver;
    if (dragged) opt.state |= QStyle::State_Sunken;
    style()->drawControl(QStyle::CE_Splitter, &opt, &p, this);
}
