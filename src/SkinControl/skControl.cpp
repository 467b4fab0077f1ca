#include "SkinControl/skControl.h"

#include <QStyle>

void TSkControl::SetSkinObject(const QString& name) {
    skinObject = name;
    QWidget* w = skWidget();
    if (!w) return;
    w->setProperty("skin", name);
    // Style sheets read dynamic properties when polished.
    w->style()->unpolish(w);
    w->style()->polish(w);
}
