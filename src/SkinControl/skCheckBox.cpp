#include "SkinControl/skCheckBox.h"

TSkCheckBox::TSkCheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QCheckBox::clicked, this, [this] { raiseAction(this); });
}
void TSkCheckBox::AddEnableControls(const QString&) {}
TActionValue TSkCheckBox::ActionValue() const {
    TActionValue v;
    v.hasValue = true;
    v.value = isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    v.append = true;
    return v;
}
