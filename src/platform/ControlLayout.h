#pragma once
// The layout engine for described objects, behaving as the original platform
// did: children keep absolute geometry in their parent's client coordinates;
// aligned children take the free area in the order top, bottom, left, right,
// client; anchors keep distances to the parent's edges; min/max sizes hold.
// It runs whenever the parent is resized and whenever a child's bounds,
// alignment or visibility change. Aligned children share the parent's
// contentsRect() (a panel's frame stays free); anchors and positions measure
// against the parent's full size.

#include <QRect>
#include <QWidget>

enum class TAlign { None = 0, Top, Bottom, Left, Right, Client, Custom };

enum TAnchor { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = int;
constexpr TAnchors DefaultAnchors = akLeft | akTop;

// A control that can keep itself centred in its parent (the panels).
class TCenterable {
public:
    virtual ~TCenterable() = default;
    virtual void SetCenterHorz(bool on) = 0;
    virtual void SetCenterVert(bool on) = 0;
};

namespace ControlLayout {

TAlign Align(const QWidget* w);
// Setting an alignment also sets its default anchors and realigns the parent.
void SetAlign(QWidget* w, TAlign align);
TAnchors Anchors(const QWidget* w);
void SetAnchors(QWidget* w, TAnchors anchors);
// The bounds as last set, in parent client coordinates; unlike geometry()
// the width and height may be negative (a margin larger than a small parent).
QRect Bounds(const QWidget* w);
// Moves and sizes a control (in parent client coordinates), honouring its
// constraints, records the distances its anchors keep, realigns the parent.
void SetBounds(QWidget* w, const QRect& r);
void SetLeft(QWidget* w, int left);
void SetTop(QWidget* w, int top);
void SetWidth(QWidget* w, int width);
void SetHeight(QWidget* w, int height);
// Size constraints; 0 means no limit.
void SetMinWidth(QWidget* w, int v);
void SetMinHeight(QWidget* w, int v);
void SetMaxWidth(QWidget* w, int v);
void SetMaxHeight(QWidget* w, int v);
// Shows or hides a control and realigns its parent.
void SetVisible(QWidget* w, bool visible);
// Re-runs alignment and anchoring of the children of a parent.
void Realign(QWidget* parent);
// Suspends realignment of a parent while many children change (nesting);
// the last EnableAlign realigns once if anything waited for it.
void DisableAlign(QWidget* parent);
void EnableAlign(QWidget* parent);

} // namespace ControlLayout

// Places and anchors a control inside its parent from "L T R B" (each an
// integer or "*"); raises EConvertError on a bad number. Panels without a
// horizontal (vertical) distance are kept centred through TCenterable.
void PositionFromText(QWidget* control, const QString& text);
