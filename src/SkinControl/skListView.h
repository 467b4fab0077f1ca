#pragma once
// The multi-column list of the catalogue windows (parts table, history,
// find results): rows of cell texts with a hidden key per row, over a
// model of its own; the catalogue window creates it and wires its events.

#include "SkinControl/skControl.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QTreeView>
#include <functional>
#include <vector>

// The rows and columns a TSkListView shows.
class TListViewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetColumns(const QStringList& captions);
    int AddRow(const QStringList& cells, const QString& key);
    void Clear();
    QString RowKey(int row) const;
    QString Cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        QStringList cells;
        QString key;
    };
    QStringList columns;
    std::vector<Row> rows;
};

class TSkListView : public QTreeView, public TSkControl {
    Q_OBJECT
public:
    explicit TSkListView(QWidget* parent);

    // Replaces columns and rows by these columns.
    void SetColumns(const QStringList& captions);
    // Appends a row; returns its index.
    int AddRow(const QStringList& cells, const QString& key);
    // Removes every row (the columns stay).
    void Clear();
    int RowCount() const;
    // The key of a row; empty outside the rows.
    QString RowKey(int row) const;
    // The selected row, or -1.
    int SelectedRow() const;
    QString SelectedKey() const { return RowKey(SelectedRow()); }
    // Selects a row and scrolls it into view; -1 clears the selection.
    void SelectRow(int row);

    QColor SelectColor() const { return selectColor; }
    void SetSelectColor(const QColor& color);

    // The selection changed (click or keys); a row was opened (double-click).
    std::function<void()> OnSelect;
    std::function<void()> OnOpen;

    TListViewModel* Model() const { return model; }
    QWidget* skWidget() override { return this; }

private:
    TListViewModel* model;
    QColor selectColor;
};
