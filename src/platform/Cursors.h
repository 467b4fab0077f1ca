#pragma once
// Mouse cursors by number and name: the platform's standard cursors
// (crDefault 0 ... crSizeAll -22) and the program's own five, drawn into
// Qt resources: ZOOM 140, ZOOM_IN 141, ZOOM_OUT 142, HAND_OPENED 143,
// HAND_CLOSED 144.

#include <QCursor>
#include <QString>
#include <optional>

enum TProgramCursor { crZoom = 140, crZoomIn = 141, crZoomOut = 142, crHandOpened = 143, crHandClosed = 144 };

// Makes the cursor pictures available; static libraries need their
// resources registered once. Safe to call any number of times.
void RegisterCursors();
// The cursor a number stands for; unknown numbers give the arrow.
QCursor CursorFromNumber(int n);
// The number of a standard cursor name ("crHandPoint", any letter case).
std::optional<int> CursorNumberFromName(const QString& name);
