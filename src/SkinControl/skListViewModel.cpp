#include "SkinControl/skListViewModel.h"

#include <QCollator>
#include <algorithm>
#include <numeric>

namespace {
// Captions sort as the platform's list did, whatever the process locale:
// letter case only breaks ties, Latin before Cyrillic, digits by character.
int compareCaptions(const QString& a, const QString& b) {
    static const QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    return collator.compare(a, b);
}
} // namespace

void TListViewModel::BeginUpdate() {
    if (updates++ == 0) beginResetModel();
}

void TListViewModel::EndUpdate() {
    if (updates == 0) return;
    if (--updates > 0) return;
    if (sortByCaption) sortRows(0, Qt::AscendingOrder);
    endResetModel();
}

void TListViewModel::SetColumns(const QStringList& captions) {
    BeginUpdate();
    columns = captions;
    EndUpdate();
}

int TListViewModel::insertRow(Row row) {
    int at = static_cast<int>(rows.size());
    if (sortByCaption && !Updating()) {
        const QString caption = row.cells.value(0);
        const auto place =
            std::upper_bound(rows.begin(), rows.end(), caption, [](const QString& c, const Row& r) {
                return compareCaptions(c, r.cells.value(0)) < 0;
            });
        at = static_cast<int>(place - rows.begin());
    }
    if (!Updating()) beginInsertRows({}, at, at);
    rows.insert(rows.begin() + at, std::move(row));
    renumberRecords(static_cast<size_t>(at));
    if (!Updating()) endInsertRows();
    return at;
}

int TListViewModel::AddRow(const QStringList& cells, const QVariant& value, bool checked) {
    return insertRow({cells, value, nullptr, checked});
}

int TListViewModel::AddRecordRow(const QStringList& cells, const QString& key, pugi::xml_node data) {
    items.push_back(std::make_unique<TListItemData>(TListItemData{key, data, -1}));
    return insertRow({cells, {}, items.back().get()});
}

void TListViewModel::ReserveRows(int count) {
    if (count > 0) rows.reserve(static_cast<size_t>(count));
}

void TListViewModel::DeleteRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    if (!Updating()) beginRemoveRows({}, row, row);
    const auto at = rows.begin() + row;
    if (const TListItemData* record = at->record)
        std::erase_if(items, [record](const auto& item) { return item.get() == record; });
    rows.erase(at);
    renumberRecords(static_cast<size_t>(row));
    if (!Updating()) endRemoveRows();
}

void TListViewModel::ClearAll(bool withColumns) {
    BeginUpdate();
    rows.clear();
    rows.shrink_to_fit();
    items.clear();
    if (withColumns) columns.clear();
    EndUpdate();
}

QString TListViewModel::Cell(int row, int column) const {
    if (row < 0 || row >= rowCount()) return {};
    return rows[static_cast<size_t>(row)].cells.value(column);
}

QStringList TListViewModel::Cells(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return rows[static_cast<size_t>(row)].cells;
}

const TListItemData* TListViewModel::Record(int row) const {
    if (row < 0 || row >= rowCount()) return nullptr;
    return rows[static_cast<size_t>(row)].record;
}

QVariant TListViewModel::Value(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return rows[static_cast<size_t>(row)].value;
}

bool TListViewModel::Checked(int row) const {
    return row >= 0 && row < rowCount() && rows[static_cast<size_t>(row)].checked;
}

void TListViewModel::SetSortByCaption(bool on) {
    if (sortByCaption == on) return;
    sortByCaption = on;
    if (on) sort(0, Qt::AscendingOrder);
}

void TListViewModel::renumberRecords(size_t from) {
    for (size_t i = from; i < rows.size(); ++i)
        if (rows[i].record) rows[i].record->Item = static_cast<int>(i);
}

void TListViewModel::sortRows(int column, Qt::SortOrder order) {
    std::stable_sort(rows.begin(), rows.end(), [column, order](const Row& a, const Row& b) {
        const int c = compareCaptions(a.cells.value(column), b.cells.value(column));
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    renumberRecords(0);
}

void TListViewModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || rows.size() < 2) return;
    if (Updating()) {
        sortRows(column, order);
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Remember where each row came from, so selections follow their rows.
    std::vector<int> origin(rows.size());
    std::iota(origin.begin(), origin.end(), 0);
    std::stable_sort(origin.begin(), origin.end(), [&](int a, int b) {
        const int c =
            compareCaptions(rows[size_t(a)].cells.value(column), rows[size_t(b)].cells.value(column));
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    std::vector<int> target(rows.size());
    for (size_t i = 0; i < origin.size(); ++i) {
        target[size_t(origin[i])] = int(i);
        sorted.push_back(std::move(rows[size_t(origin[i])]));
    }
    rows = std::move(sorted);
    renumberRecords(0);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.push_back(index.row() < int(target.size())
                            ? this->index(target[size_t(index.row())], index.column())
                            : QModelIndex());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int TListViewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int TListViewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns.size());
}

QVariant TListViewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return Cell(index.row(), index.column());
}

QVariant TListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return columns.value(section);
}

Qt::ItemFlags TListViewModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
