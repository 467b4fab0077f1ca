#include "SkinControl/skListView.h"

#include <QHeaderView>

void TListViewModel::SetColumns(const QStringList& captions) {
    beginResetModel();
    columns = captions;
    rows.clear();
    endResetModel();
}

int TListViewModel::AddRow(const QStringList& cells, const QString& key) {
    const int row = static_cast<int>(rows.size());
    beginInsertRows({}, row, row);
    rows.push_back({cells, key});
    endInsertRows();
    return row;
}

void TListViewModel::Clear() {
    beginResetModel();
    rows.clear();
    endResetModel();
}

QString TListViewModel::RowKey(int row) const {
    return row >= 0 && row < rowCount() ? rows[static_cast<size_t>(row)].key : QString();
}

QString TListViewModel::Cell(int row, int column) const {
    if (row < 0 || row >= rowCount()) return {};
    return rows[static_cast<size_t>(row)].cells.value(column);
}

int TListViewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int TListViewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns.size());
}

QVariant TListViewModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return Cell(index.row(), index.column());
}

QVariant TListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return columns.value(section);
}

TSkListView::TSkListView(QWidget* parent)
    : QTreeView(parent), model(new TListViewModel(this)), selectColor(palette().color(QPalette::Highlight)) {
    setModel(model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setVisible(true);
    header()->setStretchLastSection(true);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (OnSelect) OnSelect();
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        if (OnOpen) OnOpen();
    });
}

void TSkListView::SetColumns(const QStringList& captions) {
    model->SetColumns(captions);
}

int TSkListView::AddRow(const QStringList& cells, const QString& key) {
    return model->AddRow(cells, key);
}

void TSkListView::Clear() {
    model->Clear();
}

int TSkListView::RowCount() const {
    return model->rowCount();
}

QString TSkListView::RowKey(int row) const {
    return model->RowKey(row);
}

int TSkListView::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TSkListView::SelectRow(int row) {
    if (row < 0 || row >= RowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void TSkListView::SetSelectColor(const QColor& color) {
    selectColor = color;
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::Highlight, color);
    p.setColor(QPalette::Inactive, QPalette::Highlight, color);
    setPalette(p);
}
