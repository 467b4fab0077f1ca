#include "SkinControl/skLabel.h"

#include "platform/ControlLayout.h"

#include <QFontMetrics>
#include <QResizeEvent>

namespace {
const QString kEllipsis = QStringLiteral("...");
}

TSkLabel::TSkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TSkLabel::SetCaption(const QString& caption) {
    fullCaption = caption;
    ApplyCaption();
}

void TSkLabel::SetCutLength(bool on) {
    cutLength = on;
    ApplyCaption();
}

void TSkLabel::ApplyCaption() {
    setText(fittedCaption());
    fitToText();
}

QString TSkLabel::fittedCaption() const {
    if (fullCaption.isEmpty() || !cutLength) return fullCaption;
    const QFontMetrics fm(font());
    const int room = contentsRect().width();
    if (fm.horizontalAdvance(fullCaption) <= room) return fullCaption;
    // Drop words from the end until the rest with "..." fits.
    QString rest = fullCaption;
    while (!rest.isEmpty()) {
        const int blank = rest.lastIndexOf(QLatin1Char(' '));
        rest.truncate(blank < 0 ? 0 : blank);
        if (fm.horizontalAdvance(rest + kEllipsis) <= room) return rest + kEllipsis;
    }
    // Not even "..." fits: show it anyway (clipped) rather than keep the
    // text shown before, which may belong to an earlier caption.
    return kEllipsis;
}

void TSkLabel::SetWordWrap(bool on) {
    setWordWrap(on);
    fitToText();
}

void TSkLabel::SetAutoSize(bool on) {
    autoSize = on;
    fitToText();
}

void TSkLabel::SetUrlLook(bool on) {
    urlLook = on;
    // The link look adds the underline; the plain look has no style at all.
    QFont f = font();
    if (!on) {
        f.setBold(false);
        f.setItalic(false);
        f.setStrikeOut(false);
    }
    f.setUnderline(on);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, on ? QColor(0, 0, 255) : QPalette().color(QPalette::WindowText));
    setPalette(pal);
    if (on)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    fitToText();
}

// Auto size: the label takes its text's size; a wrapping label keeps its
// width and takes the height of the wrapped text. A cut caption is fitted to
// the width instead, so only the height follows. Aligned sides stay.
void TSkLabel::fitToText() {
    if (!autoSize || fitting) return;
    fitting = true;
    const TAlign align = ControlLayout::Align(this);
    const bool fixedWidth =
        wordWrap() || cutLength || align == TAlign::Top || align == TAlign::Bottom || align == TAlign::Client;
    const bool fixedHeight = align == TAlign::Left || align == TAlign::Right || align == TAlign::Client;
    const QSize hint = sizeHint();
    const int w = fixedWidth ? width() : hint.width();
    int h = height();
    if (!fixedHeight) h = wordWrap() ? heightForWidth(w) : hint.height();
    if (h < 0) h = hint.height();
    if (QSize(w, h) != size()) ControlLayout::SetBounds(this, QRect(x(), y(), w, h));
    fitting = false;
}

void TSkLabel::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    if (e->type() == QEvent::FontChange) ApplyCaption();
}

void TSkLabel::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    if (cutLength && e->size().width() != e->oldSize().width()) ApplyCaption();
}
