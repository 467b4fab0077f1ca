#include "SkinControl/skCheckBox.h"

TSkCheckBox::TSkCheckBox(QWidget* parent) : QCheckBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QCheckBox::clicked, this, [this] { raiseAction(this); });
}

void TSkCheckBox::AddEnableControls(const QString& names) {
    // Cut pieces while text remains after the last cut: "a;b;" gives a and b,
    // "" gives one empty name.
    QString rest = names;
    do {
        const int cut = rest.indexOf(QLatin1Char(';'));
        EnableControls.append((cut < 0 ? rest : rest.left(cut)).toLower());
        rest = cut < 0 ? QString() : rest.mid(cut + 1);
    } while (!rest.isEmpty());
}

TActionValue TSkCheckBox::ActionValue() const {
    TActionValue v;
    v.hasValue = true;
    v.value = isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    v.append = true;
    return v;
}
