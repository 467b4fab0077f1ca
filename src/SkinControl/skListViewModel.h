#pragma once
// The rows and columns behind a TSkListView: cell texts per row, an optional
// record (key and data) for rows the control adds itself, and a caller's own
// value for rows added directly. Bulk updates cost one model reset.

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <pugixml.hpp>
#include <vector>

// The record of a row that the list view adds itself (caption files, AddItem).
struct TListItemData {
    QString Key;         // the row's key, e.g. a catalogue index
    pugi::xml_node Data; // the caller's reference; an empty node is none
    int Item = -1;       // the row it belongs to, kept current when rows move
};

class TListViewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Until the matching EndUpdate, changes send no signals; the outermost
    // EndUpdate sorts (when sorting is on) and resets the model once.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updates > 0; }

    void SetColumns(const QStringList& captions);
    QStringList Columns() const { return columns; }

    // Appends a row of cells carrying a value of the caller's own; returns its
    // index (where sorting placed it, or its place before the bulk sort).
    int AddRow(const QStringList& cells, const QVariant& value = {}, bool checked = false);
    // Appends a row with a record holding key and data.
    int AddRecordRow(const QStringList& cells, const QString& key, pugi::xml_node data);
    void ReserveRows(int count);
    // Removes one row and its record; an index outside the rows does nothing.
    void DeleteRow(int row);
    // Removes all rows and records, and the columns too when withColumns.
    void ClearAll(bool withColumns);

    QString Cell(int row, int column) const;
    QStringList Cells(int row) const;
    // The row's record; null for rows without one and outside the rows.
    const TListItemData* Record(int row) const;
    QVariant Value(int row) const;
    bool Checked(int row) const;
    // Records of the rows added with one, in order of adding.
    const std::vector<std::unique_ptr<TListItemData>>& ItemList() const { return items; }

    // Keeps rows ordered by their first cell (linguistic order, letter case
    // only breaking ties, stable); switching on sorts the present rows.
    void SetSortByCaption(bool on);
    bool SortByCaption() const { return sortByCaption; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    struct Row {
        QStringList cells;
        QVariant value;
        TListItemData* record = nullptr;
        bool checked = false;
    };
    int insertRow(Row row);
    void sortRows(int column, Qt::SortOrder order);
    void renumberRecords(size_t from);

    QStringList columns;
    std::vector<Row> rows;
    std::vector<std::unique_ptr<TListItemData>> items;
    int updates = 0;
    bool sortByCaption = false;
};
