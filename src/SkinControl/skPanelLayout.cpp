#include "SkinControl/skPanelLayout.h"

#include "platform/ControlLayout.h"
#include "platform/Errors.h"

#include <QWidget>

namespace PanelLayout {

bool ParseSizeText(const QString& value, int& number) {
    const int percent = value.indexOf(QLatin1Char('%'));
    if (percent < 0) {
        number = StrToInt(value);
        return false;
    }
    number = StrToInt(value.left(percent));
    return true;
}

int PercentSize(int parentClient, int percent) {
    if (percent == 0 || parentClient <= 0) return -1;
    // The original rounds the parent down to whole hundreds first (750 px at
    // 50 % gives 350). Below 100 px that would give 0, so small parents get
    // the exact proportion, which stays below the size 100 px would give.
    if (parentClient < 100) return parentClient * percent / 100;
    return parentClient / 100 * percent;
}

int CapturedPercent(int own, int parentFull, int oldPercent) {
    if (oldPercent == 0) return 0;
    const int step = parentFull / 100;
    if (step <= 0) return oldPercent;
    // A size below one percent still counts as 1 %: 0 would make the
    // control fixed-size for good.
    return qMax(1, own / step);
}

void ApplyPercent(QWidget* w, int widthPercent, int heightPercent) {
    QWidget* parent = w->parentWidget();
    if (!parent) return;
    const QRect client = parent->contentsRect();
    const int width = PercentSize(client.width(), widthPercent);
    if (width >= 0) ControlLayout::SetWidth(w, width);
    const int height = PercentSize(client.height(), heightPercent);
    if (height >= 0) ControlLayout::SetHeight(w, height);
}

void Recenter(QWidget* w, bool horz, bool vert) {
    QWidget* parent = w->parentWidget();
    if (!parent) return;
    // Integer division truncates toward zero: a control wider than its
    // parent gets a negative left.
    if (horz) ControlLayout::SetLeft(w, (parent->width() - w->width()) / 2);
    if (vert) ControlLayout::SetTop(w, (parent->height() - w->height()) / 2);
}

void ShowOrHide(QWidget* w, int& savedLeft, int& savedTop, bool& saved) {
    const bool wasVisible = !w->isHidden();
    if (wasVisible) {
        savedLeft = w->x();
        savedTop = w->y();
        saved = true;
    }
    ControlLayout::SetVisible(w, !wasVisible);
    if (!wasVisible && saved)
        ControlLayout::SetBounds(w, QRect(savedLeft, savedTop, w->width(), w->height()));
}

void SetSizeText(QWidget* w, const QString& value, Qt::Orientation o, int& percent, int widthPercent,
                 int heightPercent) {
    int n = 0;
    if (ParseSizeText(value, n)) {
        percent = n;
        (o == Qt::Horizontal ? widthPercent : heightPercent) = n;
        ApplyPercent(w, widthPercent, heightPercent);
    } else if (o == Qt::Horizontal) {
        ControlLayout::SetWidth(w, n);
    } else {
        ControlLayout::SetHeight(w, n);
    }
}

} // namespace PanelLayout
