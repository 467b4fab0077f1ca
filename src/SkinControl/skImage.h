#pragma once
// The picture control: shows a picture file from the archive or disk,
// optionally scaled to fit its parent; a click runs its action.

#include "SkinControl/skControl.h"

#include <QLabel>

class TSkImage : public QLabel, public TSkControl {
    Q_OBJECT
public:
    explicit TSkImage(QWidget* parent);

    // Shows a picture file read through the archive; the name already shown,
    // or an empty name, is ignored. A picture that cannot be read leaves the
    // previous one.
    void SetFile(const QString& name);
    QString FileName() const { return fileName; }

    bool Fit() const { return fit; }
    void SetFit(bool on);
    // Fitting off for a while (around closing and maximising), then back.
    void SuspendFit();
    void ResumeFit();

    QWidget* skWidget() override { return this; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString fileName;
    bool fit = false;
    bool suspended = false;
    bool savedFit = false;
};
