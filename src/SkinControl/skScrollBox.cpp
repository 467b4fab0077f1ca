#include "SkinControl/skScrollBox.h"

#include "platform/ControlLayout.h"

#include <QChildEvent>
#include <QEvent>
#include <QScrollBar>

TSkScrollBox::TSkScrollBox(QWidget* parent) : QScrollArea(parent), content(new QWidget) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    content->setObjectName(QStringLiteral("scrollContent"));
    setWidget(content);
    // setWidget switches the content's background filling on; the box's
    // colour is its viewport's, which must show through.
    content->setAutoFillBackground(false);
    content->installEventFilter(this);
    UpdateContentSize();
}

TSkScrollBox::~TSkScrollBox() {
    // The children go after this part of the box; their removal must not
    // reach a half-destroyed filter.
    content->removeEventFilter(this);
    for (QObject* child : content->children()) child->removeEventFilter(this);
}

void TSkScrollBox::UpdateContentSize() {
    if (updating) return;
    updating = true;
    int w = viewport()->width();
    int h = viewport()->height();
    for (QObject* o : content->children()) {
        auto* child = qobject_cast<QWidget*>(o);
        if (!child || child->isHidden() || child->isWindow()) continue;
        // Aligned children follow the content's size, and a child anchored
        // to the far edge moves with it; counting them would grow the range
        // without end.
        const TAlign align = ControlLayout::Align(child);
        if (align != TAlign::None && align != TAlign::Custom) continue;
        const TAnchors anchors = ControlLayout::Anchors(child);
        if (!(anchors & akRight)) w = qMax(w, child->x() + child->width());
        if (!(anchors & akBottom)) h = qMax(h, child->y() + child->height());
    }
    if (content->size() != QSize(w, h)) content->resize(w, h);
    updating = false;
}

void TSkScrollBox::SetColor(const QColor& color) {
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, color);
    viewport()->setPalette(pal);
    viewport()->setAutoFillBackground(true);
    viewport()->update();
}

bool TSkScrollBox::eventFilter(QObject* watched, QEvent* e) {
    if (watched == content) {
        if (e->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(e)->child();
            if (child->isWidgetType()) {
                child->installEventFilter(this);
                UpdateContentSize();
            }
        } else if (e->type() == QEvent::ChildRemoved) {
            // A child being destroyed is no widget any more; just measure again.
            UpdateContentSize();
        }
    } else if (watched->parent() == content) {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            UpdateContentSize();
            break;
        default:
            break;
        }
    }
    return QScrollArea::eventFilter(watched, e);
}

bool TSkScrollBox::viewportEvent(QEvent* e) {
    const bool result = QScrollArea::viewportEvent(e);
    // Scroll bars coming or going change the viewport, and with it the
    // least size of the content.
    if (e->type() == QEvent::Resize) UpdateContentSize();
    return result;
}
