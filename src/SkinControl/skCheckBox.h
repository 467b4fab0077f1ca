#pragma once
// A check box whose click runs its action with "1" or "0", and whose state
// the runtime copies into the enabled state of the controls it names.

#include "SkinControl/skControl.h"

#include <QCheckBox>
#include <QStringList>

class TSkCheckBox : public QCheckBox, public TSkControl {
    Q_OBJECT
public:
    explicit TSkCheckBox(QWidget* parent);

    QStringList EnableControls; // lower-cased names of controls that follow the box

    // Appends the ";"-separated names, lower-cased; a trailing ";" adds no
    // empty name, an empty text adds one.
    void AddEnableControls(const QString& names);

    TActionValue ActionValue() const override;
    QWidget* skWidget() override { return this; }
};
