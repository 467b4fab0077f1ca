#pragma once
// The HTML table: a table generated as HTML from its keys and a table file,
// shown in an HTML view. Rendering can be held off while keys are applied.

#include "SkinControl/skControl.h"

#include <QTextBrowser>

class TskHtmlGrid : public QTextBrowser, public TSkControl {
    Q_OBJECT
public:
    explicit TskHtmlGrid(QWidget* parent);

    // Off: changes do not re-render. Switching it on renders once.
    void SetRendering(bool on);
    bool Rendering() const { return rendering; }
    // Generates the table and shows it (only while rendering is on).
    void Render();

    QWidget* skWidget() override { return this; }

private:
    bool rendering = true;
};
