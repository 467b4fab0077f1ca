#pragma once
// Layout rules the panels and the splitter share: sizes in percent of the
// parent, centring, and hiding with the position remembered.

#include <QString>

class QWidget;

namespace PanelLayout {

// A width or height text: "50%" gives the percentage (true), "120" the size
// (false). Raises EConvertError when the number part is not an integer.
bool ParseSizeText(const QString& value, int& number);
// Applies a `width` or `height` key: a percentage is stored in percent and
// the stored percentages are applied; a plain number sets the size.
void SetSizeText(QWidget* w, const QString& value, Qt::Orientation o, int& percent, int widthPercent,
                 int heightPercent);
// The size a percentage gives inside a parent of the given client size;
// -1 when the size is to stay (percentage 0 or an empty parent).
int PercentSize(int parentClient, int percent);
// The percentage a size makes of the parent's full size; the old percentage
// when there is none to capture or the parent is too small to measure it.
int CapturedPercent(int own, int parentFull, int oldPercent);
// Re-applies stored percentages of a control's width and height.
void ApplyPercent(QWidget* w, int widthPercent, int heightPercent);
// Centres a control in its parent horizontally and/or vertically.
void Recenter(QWidget* w, bool horz, bool vert);
// Toggles visibility; shown again, the control goes back to the place saved
// when it was hidden. A control hidden some other way (saved false) is shown
// where it stands rather than at 0, 0.
void ShowOrHide(QWidget* w, int& savedLeft, int& savedTop, bool& saved);

} // namespace PanelLayout
