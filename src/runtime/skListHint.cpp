#include "runtime/skListHint.h"

#include "SkinControl/skListBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QToolTip>

std::optional<TListHint> ListHintAt(const TSkListBox* box, QPoint at) {
    if (!box) return std::nullopt;
    const QListWidgetItem* item = box->itemAt(at);
    if (!item) return std::nullopt;
    // Measured in the box's own font: that is the width the text is clipped at.
    const int textWidth = QFontMetrics(box->font()).horizontalAdvance(item->text());
    if (box->width() - 25 >= textWidth) return std::nullopt;
    TListHint hint;
    hint.text = item->text();
    hint.rect = box->visualItemRect(item);
    hint.where = box->viewport()->mapToGlobal(hint.rect.topLeft()) - QPoint(2, 1);
    return hint;
}

TListHintFilter::TListHintFilter(QObject* parent)
    : QObject(parent), Show([](QPoint where, const QString& text, QWidget* over, QRect rect) {
          QToolTip::showText(where, text, over, rect);
          // Qt places a tip below the mouse pointer; the hint is meant to lie
          // over the clipped text, so its label is moved to the place asked.
          for (QWidget* tip : QApplication::topLevelWidgets())
              if (tip->objectName() == QLatin1String("qtooltip_label") && tip->isVisible()) tip->move(where);
      }) {}

bool TListHintFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) return false;
    auto* viewport = static_cast<QWidget*>(watched);
    auto* box = qobject_cast<TSkListBox*>(viewport->parentWidget());
    if (!box || box->viewport() != viewport) return false;
    const auto hint = ListHintAt(box, static_cast<QHelpEvent*>(event)->pos());
    if (!hint) return false;
    if (Show) Show(hint->where, hint->text, viewport, hint->rect);
    return true;
}

void ShowListHint() {
    if (!qApp || qApp->findChild<TListHintFilter*>(QString(), Qt::FindDirectChildrenOnly)) return;
    qApp->installEventFilter(new TListHintFilter(qApp));
}
