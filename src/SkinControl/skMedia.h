#pragma once
// The media player: owned by the window, with no parent of its own; the
// described parent control is its display area. The player device is made
// on the first load only, never when the window is built.

#include "SkinControl/skControl.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class QMediaPlayer;

class TSkMedia : public QObject, public TSkControl {
    Q_OBJECT
public:
    explicit TSkMedia(QWidget* window);

    // The control the video is shown in.
    void SetDisplay(QWidget* area);
    QWidget* Display() const { return display; }
    // Whether the player device exists yet.
    bool HasPlayer() const { return player != nullptr; }

    QWidget* skWidget() override { return display; }

private:
    QPointer<QWidget> display;
    QMediaPlayer* player = nullptr;
};
