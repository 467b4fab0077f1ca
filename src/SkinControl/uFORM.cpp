#include "SkinControl/uFORM.h"

TfrmFORM::TfrmFORM(QWidget* owner) : TSkForm(owner) {
    // The design-time size; the description's form section sets the rest.
    setGeometry(200, 109, 783, 540);
    CenterOnScreen();
}
