#pragma once
// The generic described window: a skinned window with nothing of its own,
// built entirely from a description file at run time.

#include "SkinControl/skForm.h"

class TfrmFORM : public TSkForm {
    Q_OBJECT
public:
    explicit TfrmFORM(QWidget* owner = nullptr);
};
