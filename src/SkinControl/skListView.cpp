#include "SkinControl/skListView.h"

#include "archive/gPackUtils.h"
#include "platform/Errors.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

const QColor evenRow(0xFF, 0xFF, 0xFF);
const QColor oddRow(0xEB, 0xEB, 0xEB);
const QString cellSeparator = QStringLiteral("&&");

// Draws every cell: the zebra or selection background over the whole cell,
// then the text word-wrapped from the top-left corner and clipped to the row.
class TListViewDelegate : public QStyledItemDelegate {
public:
    explicit TListViewDelegate(TSkListView* view) : QStyledItemDelegate(view), view(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QColor background = selected ? view->SelectColor() : (index.row() % 2 ? oddRow : evenRow);
        painter->save();
        painter->setClipRect(option.rect);
        painter->fillRect(option.rect, background);
        QColor text = option.palette.color(QPalette::Text);
        if (selected && background.lightness() < 128) text = option.palette.color(QPalette::HighlightedText);
        painter->setPen(text);
        painter->setFont(selected ? view->SelectFont() : option.font);
        painter->drawText(option.rect.adjusted(2, 1, -2, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                          view->Model()->Cell(index.row(), index.column()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {view->columnWidth(0), view->RowHeight()};
    }

private:
    TSkListView* view;
};

// Caption and width of one column definition: "caption[width]".
std::pair<QString, int> columnDefinition(const QString& text, int defaultWidth) {
    const qsizetype open = text.indexOf('[');
    if (open < 0) return {text, defaultWidth};
    const qsizetype close = text.indexOf(']', open + 1);
    const QString width = close < 0 ? text.mid(open + 1) : text.mid(open + 1, close - open - 1);
    return {text.left(open), StrToInt(width.trimmed())};
}

} // namespace

TSkListView::TSkListView(QWidget* parent)
    : QTreeView(parent), model(new TListViewModel(this)), selectColor(palette().color(QPalette::Highlight)),
      selectFont(font()) {
    setModel(model);
    setItemDelegate(new TListViewDelegate(this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setVisible(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setMinimumSectionSize(0);             // narrow widths from a caption file hold as written
    header()->viewport()->installEventFilter(this); // the header's mouse events arrive here

    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { restoringWidths = true; });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { applyColumnWidths(); });
    connect(header(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (restoringWidths || column < 0 || size_t(column) >= columnWidths.size()) return;
        const bool last = column + 1 == int(columnWidths.size());
        if (last && !fitting && lastColumnMax >= 0 && size > lastColumnMax) {
            header()->resizeSection(column, lastColumnMax);
            return;
        }
        columnWidths[size_t(column)] = size;
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (OnSelect) OnSelect();
    });
    connect(this, &QAbstractItemView::clicked, this, [this] {
        if (OnClick) OnClick();
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        if (OnOpen) OnOpen();
    });
}

void TSkListView::applyColumnWidths() {
    restoringWidths = true;
    for (size_t i = 0; i < columnWidths.size() && int(i) < header()->count(); ++i)
        header()->resizeSection(int(i), columnWidths[i]);
    restoringWidths = false;
}

void TSkListView::LoadCaptionFile(const QString& name) {
    const QStringList lines = LoadTextList(name);
    if (lines.isEmpty()) return;
    TListUpdateScope update(this);
    SetColumnsText(lines.first());
    model->ReserveRows(int(lines.size() - 1));
    for (qsizetype i = 1; i < lines.size(); ++i)
        addCaptionLine(lines[i]);
}

void TSkListView::SetColumnsText(const QString& line) {
    QStringList captions;
    QList<int> widths;
    QString rest = line;
    do {
        const qsizetype cut = rest.indexOf(cellSeparator);
        const QString definition = cut < 0 ? rest : rest.left(cut);
        rest = cut < 0 ? QString() : rest.mid(cut + cellSeparator.size());
        const auto [caption, width] = columnDefinition(definition, -1);
        captions.push_back(caption);
        widths.push_back(width);
    } while (!rest.isEmpty());
    SetColumns(captions, widths);
}

void TSkListView::SetColumns(const QStringList& captions, const QList<int>& widths) {
    TListUpdateScope update(this);
    model->ClearAll(true);
    lastColumnMax = -1;
    columnWidths.assign(size_t(captions.size()), header()->defaultSectionSize());
    for (qsizetype i = 0; i < widths.size() && i < captions.size(); ++i)
        if (widths[i] >= 0) columnWidths[size_t(i)] = widths[i];
    model->SetColumns(captions);
}

void TSkListView::addCaptionLine(const QString& line) {
    const qsizetype keyAt = line.indexOf(QStringLiteral("#:#"));
    const QString cellText = keyAt < 0 ? line : line.left(keyAt);
    const QString key = keyAt < 0 ? QString() : line.mid(keyAt + 3);
    qsizetype cut = cellText.indexOf(cellSeparator);
    QStringList cells{cut < 0 ? cellText : cellText.left(cut)};
    QString rest = cut < 0 ? QString() : cellText.mid(cut + cellSeparator.size());
    while (!rest.isEmpty()) {
        cut = rest.indexOf(cellSeparator);
        cells.push_back(cut < 0 ? rest : rest.left(cut));
        rest = cut < 0 ? QString() : rest.mid(cut + cellSeparator.size());
    }
    model->AddRecordRow(cells, key, {});
}

int TSkListView::AddItem(const QString& caption, const QString& key, pugi::xml_node data) {
    return model->AddRecordRow({caption}, key, data);
}

int TSkListView::AddItem(const QStringList& cells, const QString& key, pugi::xml_node data) {
    return model->AddRecordRow(cells, key, data);
}

int TSkListView::AddRow(const QStringList& cells, const QVariant& value, bool checked) {
    return model->AddRow(cells, value, checked);
}

void TSkListView::ClearAll(bool withColumns) {
    if (withColumns) {
        columnWidths.clear();
        lastColumnMax = -1;
    }
    model->ClearAll(withColumns);
}

QString TSkListView::KeyOf(int row) const {
    const TListItemData* record = model->Record(row);
    return record ? record->Key : QString();
}

pugi::xml_node TSkListView::DataOf(int row) const {
    const TListItemData* record = model->Record(row);
    return record ? record->Data : pugi::xml_node();
}

int TSkListView::FindByPrefix(const QString& text, int start) const {
    const int rows = RowCount();
    if (rows == 0 || text.isEmpty()) return -1;
    if (start >= rows || start < 0) start = 0;
    const QString prefix = text.toLower();
    for (int row = start; row < rows; ++row)
        if (model->Cell(row, 0).toLower().startsWith(prefix)) return row;
    return -1;
}

int TSkListView::FindByData(pugi::xml_node value) const {
    if (!value) return -1;
    for (int row = RowCount() - 1; row >= 0; --row)
        if (DataOf(row) == value) return row;
    return -1;
}

void TSkListView::ColumnSpan(int index, int& left, int& right) const {
    if (index < 0 || index >= header()->count()) return;
    int x = 0;
    for (int i = 0; i < index; ++i)
        x += header()->sectionSize(i);
    left = x;
    right = x + header()->sectionSize(index);
}

void TSkListView::FitLastColumn() {
    const int count = header()->count();
    if (fitting || count == 0) return;
    fitting = true;
    const int last = count - 1;
    lastColumnMax = -1;
    int total = 21;
    for (int i = 0; i < count; ++i)
        total += header()->sectionSize(i);
    if (total != width())
        header()->resizeSection(last, std::max(0, header()->sectionSize(last) + width() - total));
    lastColumnMax = header()->sectionSize(last);
    fitting = false;
}

int TSkListView::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TSkListView::SelectRow(int row, bool partlyVisibleIsEnough) {
    if (row < 0 || row >= RowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = model->index(row, 0);
    const bool scroll = !partlyVisibleIsEnough || !visualRect(index).intersects(viewport()->rect());
    // A new current row scrolls itself into view whole unless auto-scroll is off.
    const bool autoScrolling = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    setAutoScroll(autoScrolling);
    if (scroll) scrollTo(index);
}

void TSkListView::SetSelectColor(const QColor& color) {
    selectColor = color;
    viewport()->update();
}

void TSkListView::SetSelectFont(const QFont& font) {
    selectFont = font;
    viewport()->update();
}

void TSkListView::SetRowHeight(int pixels) {
    rowHeight = std::max(0, pixels);
    doItemsLayout();
}

int TSkListView::RowHeight() const {
    return rowHeight > 0 ? rowHeight : fontMetrics().height() + 4;
}

void TSkListView::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    FitLastColumn();
}

void TSkListView::keyPressEvent(QKeyEvent* event) {
    if (OnKey) OnKey(this, event->key());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && SelectedRow() >= 0) {
        if (OnOpen) OnOpen();
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool TSkListView::eventFilter(QObject* watched, QEvent* event) {
    // The user has finished dragging a column divider (or clicked the header).
    if (watched == header()->viewport() && event->type() == QEvent::MouseButtonRelease) FitLastColumn();
    return QTreeView::eventFilter(watched, event);
}
