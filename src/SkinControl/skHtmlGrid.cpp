#include "SkinControl/skHtmlGrid.h"

TskHtmlGrid::TskHtmlGrid(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

void TskHtmlGrid::SetRendering(bool on) {
    const bool was = rendering;
    rendering = on;
    if (on && !was) Render();
}

void TskHtmlGrid::Render() {
    if (!rendering) return;
}
