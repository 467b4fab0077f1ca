#include "SkinControl/skControl.h"

#include <QStyle>

void TSkControl::SetSkinObject(const QString& name) {
    skinObject = name;
    QWidget* w = skWidget();
    if (!w) return;
    w->setProperty("skin", name);
    // Style sheets read dynamic properties when a widget is polished; a
    // widget polished already gets its whole style sheet evaluated again
    // (a plain re-polish drops the sheet's padding and margins).
    if (w->testAttribute(Qt::WA_WState_Polished)) w->setStyleSheet(w->styleSheet());
}
