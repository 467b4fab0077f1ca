#include "SkinControl/skListImg.h"

TListImg::TListImg(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
}
