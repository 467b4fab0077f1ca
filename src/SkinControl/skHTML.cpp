#include "SkinControl/skHTML.h"

TSkHtml::TSkHtml(QWidget* parent) : QTextBrowser(parent) {
    // Links are taken from the raw link text by the view itself, never by Qt.
    setOpenLinks(false);
    setOpenExternalLinks(false);
}
