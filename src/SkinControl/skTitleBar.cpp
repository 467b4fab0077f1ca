#include "SkinControl/skTitleBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionToolButton>

namespace {
constexpr int ButtonWidth = 46;
constexpr int SystemButtonWidth = 36;
} // namespace

TSkTitleButton::TSkTitleButton(Glyph glyph, const QString& objectName, QWidget* parent)
    : QToolButton(parent), shape(glyph) {
    setObjectName(objectName);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(glyph == Glyph::System ? SystemButtonWidth : ButtonWidth, TSkTitleBar::DefaultHeight);
}

void TSkTitleButton::SetGlyph(Glyph g) {
    if (shape == g) return;
    shape = g;
    update();
}

void TSkTitleButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionToolButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.icon = QIcon();
    style()->drawComplexControl(QStyle::CC_ToolButton, &opt, &p, this);

    const QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
    const QPoint c = rect().center();
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::NoBrush);
    switch (shape) {
    case Glyph::System: {
        const QIcon icon = window()->windowIcon();
        if (!icon.isNull()) {
            icon.paint(&p, QRect(c.x() - 8, c.y() - 8, 16, 16));
            break;
        }
        for (int dy : {-4, 0, 4})
            p.drawLine(c.x() - 6, c.y() + dy, c.x() + 6, c.y() + dy);
        break;
    }
    case Glyph::Help: {
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(14);
        p.setFont(f);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Glyph::Minimize:
        p.drawLine(c.x() - 5, c.y(), c.x() + 5, c.y());
        break;
    case Glyph::Maximize:
        p.drawRect(c.x() - 5, c.y() - 5, 10, 10);
        break;
    case Glyph::Restore:
        p.drawRect(c.x() - 5, c.y() - 3, 8, 8);
        p.drawLine(c.x() - 3, c.y() - 5, c.x() + 5, c.y() - 5);
        p.drawLine(c.x() + 5, c.y() - 5, c.x() + 5, c.y() + 3);
        break;
    case Glyph::Close:
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(ink, 1.2));
        p.drawLine(QPointF(c.x() - 4.5, c.y() - 4.5), QPointF(c.x() + 5.5, c.y() + 5.5));
        p.drawLine(QPointF(c.x() + 5.5, c.y() - 4.5), QPointF(c.x() - 4.5, c.y() + 5.5));
        break;
    }
}

TSkTitleBar::TSkTitleBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("skTitleBar"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(DefaultHeight);
    setProperty("active", true);

    systemButton = new TSkTitleButton(TSkTitleButton::Glyph::System, QStringLiteral("skSystemButton"), this);
    captionLabel = new QLabel(this);
    captionLabel->setObjectName(QStringLiteral("skCaption"));
    captionLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    captionLabel->setTextFormat(Qt::PlainText);
    captionLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    helpButton = new TSkTitleButton(TSkTitleButton::Glyph::Help, QStringLiteral("skHelpButton"), this);
    minButton = new TSkTitleButton(TSkTitleButton::Glyph::Minimize, QStringLiteral("skMinButton"), this);
    maxButton = new TSkTitleButton(TSkTitleButton::Glyph::Maximize, QStringLiteral("skMaxButton"), this);
    closeButton = new TSkTitleButton(TSkTitleButton::Glyph::Close, QStringLiteral("skCloseButton"), this);
    helpButton->setToolTip(tr("Справка"));
    minButton->setToolTip(tr("Свернуть"));
    maxButton->setToolTip(tr("Развернуть"));
    closeButton->setToolTip(tr("Закрыть"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(systemButton);
    row->addWidget(captionLabel, 1);
    row->addWidget(helpButton);
    row->addWidget(minButton);
    row->addWidget(maxButton);
    row->addWidget(closeButton);

    connect(systemButton, &QToolButton::clicked, this, [this] {
        emit systemMenuRequested(systemButton->mapToGlobal(QPoint(0, systemButton->height())));
    });
    connect(helpButton, &QToolButton::clicked, this, &TSkTitleBar::helpClicked);
    connect(minButton, &QToolButton::clicked, this, &TSkTitleBar::minimizeClicked);
    connect(maxButton, &QToolButton::clicked, this, &TSkTitleBar::maximizeClicked);
    connect(closeButton, &QToolButton::clicked, this, &TSkTitleBar::closeClicked);
    SetButtons(false, true, true);
}

void TSkTitleBar::SetCaption(const QString& text) {
    caption = text;
    updateCaptionText();
}

void TSkTitleBar::SetButtons(bool help, bool minimize, bool maximize) {
    helpButton->setVisible(help);
    minButton->setVisible(minimize);
    maxButton->setVisible(maximize);
}

bool TSkTitleBar::HasHelp() const {
    return !helpButton->isHidden();
}
bool TSkTitleBar::HasMinimize() const {
    return !minButton->isHidden();
}
bool TSkTitleBar::HasMaximize() const {
    return !maxButton->isHidden();
}

void TSkTitleBar::SetMaximized(bool maximized) {
    maxButton->SetGlyph(maximized ? TSkTitleButton::Glyph::Restore : TSkTitleButton::Glyph::Maximize);
    maxButton->setToolTip(maximized ? tr("Восстановить") : tr("Развернуть"));
}

void TSkTitleBar::SetActive(bool active) {
    if (property("active").toBool() == active) return;
    setProperty("active", active);
    // Dynamic-property selectors are evaluated at polish time only.
    for (QWidget* w : std::initializer_list<QWidget*>{this, captionLabel}) {
        style()->unpolish(w);
        style()->polish(w);
    }
    update();
}

void TSkTitleBar::paintEvent(QPaintEvent*) {
    QStyleOption opt;
    opt.initFrom(this);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_Widget, &opt, &p, this);
}

void TSkTitleBar::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    updateCaptionText();
}

void TSkTitleBar::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) updateCaptionText();
}

void TSkTitleBar::updateCaptionText() {
    // The label may be narrower than the caption; elide rather than let the
    // label's width hint hold the window wide.
    const int room = qMax(0, captionLabel->width() - 4);
    captionLabel->setText(captionLabel->fontMetrics().elidedText(caption, Qt::ElideRight, room));
    setToolTip(captionLabel->text() != caption ? caption : QString());
}

void TSkTitleBar::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        e->accept();
        emit dragRequested(e->globalPosition().toPoint());
        return;
    }
    QWidget::mousePressEvent(e);
}

void TSkTitleBar::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        e->accept();
        emit doubleClicked();
        return;
    }
    QWidget::mouseDoubleClickEvent(e);
}
