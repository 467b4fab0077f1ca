#pragma once
// The picture control: shows a picture file from the archive or disk,
// optionally scaled to fit its parent; a click runs its action.

#include "SkinControl/skControl.h"

#include <QImage>
#include <QLabel>
#include <QPointer>

class QMenu;

class TSkImage : public QLabel, public TSkControl {
    Q_OBJECT
public:
    explicit TSkImage(QWidget* parent);

    // Shows a picture file read through the archive; the name already shown,
    // or an empty name, is ignored. A picture that cannot be read leaves the
    // previous one.
    void SetFile(const QString& name);
    QString FileName() const { return fileName; }

    // Scaling to the parent: the parent's width, then its height, limit the
    // picture; the scale limits are factors (2.5 = 250 %), 0 = no limit.
    bool Fit() const { return fit; }
    void SetFit(bool on);
    double MinScale = 0;
    double MaxScale = 0;
    // The size a picture of the given size takes in a parent of the given
    // size; the picture's own size when fitting does not apply.
    QSize FitSize(QSize picture, QSize parent) const;

    // The picture is centred in the control instead of at its top left.
    bool Center() const { return center; }
    void SetCenter(bool on);
    // A left press moves the window (the window's drag handler decides).
    bool MoveWindow = false;
    // The context menu (the `menu` key).
    QPointer<QMenu> PopupMenu;
    // Fitting off for a while (around closing and maximising), then back.
    void SuspendFit();
    void ResumeFit();

    QWidget* skWidget() override { return this; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showFitted();
    QString fileName;
    QImage source;
    bool fit = false;
    bool center = false;
    bool suspended = false;
    bool savedFit = false;
};
