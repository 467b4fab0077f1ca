#pragma once
// The list-box hint: over a list box item whose text is clipped, the hint
// shows the item's whole text laid over the item.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QWidget;
class TSkListBox;

// What the hint shows over one item.
struct TListHint {
    QString text;
    QRect rect;   // the item's rectangle in the list's viewport
    QPoint where; // screen position: the rectangle moved 2 left, 1 up
};

// The hint for the point (viewport coordinates) of a list box: the item's
// whole text when it is wider than the box's width minus 25; none when the
// point is over no item or the text fits.
std::optional<TListHint> ListHintAt(const TSkListBox* box, QPoint at);

// The application's hint hook: takes tool-tip events over list box
// viewports and shows ListHintAt's hint; other hints are left alone.
class TListHintFilter : public QObject {
    Q_OBJECT
public:
    explicit TListHintFilter(QObject* parent = nullptr);
    // Shows a hint (QToolTip::showText); tests replace it.
    std::function<void(QPoint where, const QString& text, QWidget* over, QRect rect)> Show;

    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs the hook on the application once; later calls do nothing.
void ShowListHint();
