#include "SkinControl/skButton.h"

#include "platform/ControlLayout.h"

#include <QStyleOptionButton>
#include <QStylePainter>

TSkButton::TSkButton(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { raiseAction(this); });
}

void TSkButton::ShowOrHide() {
    ControlLayout::SetVisible(this, isHidden());
}

void TSkButton::SetTextAlignment(Qt::Alignment alignment) {
    textAlignment = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void TSkButton::SetWordWrap(bool on) {
    wordWrap = on;
    update();
}

void TSkButton::SetTransparent(bool on) {
    setAutoFillBackground(!on);
    update();
}

TActionValue TSkButton::ActionValue() const {
    TActionValue v;
    v.position = true;
    return v;
}

void TSkButton::paintEvent(QPaintEvent* e) {
    if (textAlignment == Qt::AlignHCenter && !wordWrap) return QPushButton::paintEvent(e);
    // Qt's button draws one centred line; draw the face, then the caption.
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString caption = opt.text;
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButton, opt);
    QRect r = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this).adjusted(2, 0, -2, 0);
    if (opt.state & QStyle::State_Sunken)
        r.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &opt, this),
                    style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &opt, this));
    int flags = int(textAlignment) | Qt::AlignVCenter | Qt::TextShowMnemonic;
    if (wordWrap) flags |= Qt::TextWordWrap;
    p.drawItemText(r, flags, opt.palette, isEnabled(), caption, QPalette::ButtonText);
}
