#pragma once
// The combo box: items that carry a hidden value, loaded from a small text
// file ("caption;value" per line). A change made by the user (choosing an
// item, editing the text) runs its action with the selected item's value.

#include "SkinControl/skControl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

class TSkComboBox : public QComboBox, public TSkControl {
    Q_OBJECT
public:
    explicit TSkComboBox(QWidget* parent);

    // Replaces the items by the lines' items when there are lines.
    void LoadFromLines(const QStringList& lines);
    // Reads the items from a file through the archive.
    void LoadFromFile(const QString& file);
    void LoadItems(const QString& file) { LoadFromFile(file); }
    // On: a drop-down list without an edit field; off: editable.
    void SetReadOnly(bool on);
    bool ReadOnly() const { return !isEditable(); }
    // The selected item's value; empty when no item is selected.
    QString SelectedValue() const;
    // The selected item: in an editable box whose text the user has changed,
    // the item that the text names (letter case aside), else none.
    int SelectedIndex() const;
    // The value of each item, in item order.
    QStringList ComboItems() const;

    TActionValue ActionValue() const override;
    QWidget* skWidget() override { return this; }

protected:
    // The wheel never changes the selection.
    void wheelEvent(QWheelEvent* event) override;
    // A read-only box discards typed characters (no search by first letter);
    // keys without a character still move through the items.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void watchEdits();
    QPointer<QLineEdit> watchedEdit;
};
