#pragma once
// The list box: items that carry a hidden value, loaded from a small text
// file ("caption#;#value" per line); a double-click runs its action with
// the current item's value.

#include "SkinControl/skControl.h"

#include <QListWidget>

class TSkListBox : public QListWidget, public TSkControl {
    Q_OBJECT
public:
    explicit TSkListBox(QWidget* parent);

    // Replaces the items by the lines' items when there are lines.
    void LoadFromLines(const QStringList& lines);
    void LoadFromFile(const QString& file);
    void AddItem(const QString& caption, const QString& value);
    // The value of the item at index; empty outside the items.
    QString ValueOf(int index) const;
    QString ItemValue(int index) const { return ValueOf(index); }
    // The value of each item, in item order.
    QStringList ListValues() const;
    void SetMultiSelect(bool on);

    TActionValue ActionValue() const override;
    QWidget* skWidget() override { return this; }
};
