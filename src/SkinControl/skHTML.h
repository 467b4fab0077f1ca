#pragma once
// The HTML view of described windows: pages, pictures and style sheets read
// through the archive; link clicks become action strings for the window's
// dispatcher (OnDispatch).

#include "SkinControl/skControl.h"

#include <QTextBrowser>

class TSkHtml : public QTextBrowser, public TSkControl {
    Q_OBJECT
public:
    explicit TSkHtml(QWidget* parent);

    QWidget* skWidget() override { return this; }
};
