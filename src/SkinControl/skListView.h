#pragma once
// The multi-column list of the catalogue windows (parts table, history, find
// results): columns and rows read from caption files or added by the caller,
// a hidden key and data per row, prefix and data lookups, zebra rows with a
// selection colour and font, word-wrapped cells, and a last column that
// fills the control.

#include "SkinControl/skControl.h"
#include "SkinControl/skListViewModel.h"

#include <QColor>
#include <QFont>
#include <QTreeView>
#include <functional>
#include <vector>

class TSkListView : public QTreeView, public TSkControl {
    Q_OBJECT
public:
    explicit TSkListView(QWidget* parent);

    // Columns from line 1 of the file, one row per further line ("cells
    // joined by && #:# key"). A missing file is reported by the archive
    // reader and, like an empty one, changes nothing.
    void LoadCaptionFile(const QString& name);
    // Replaces rows and columns by the columns of a header line: captions
    // joined by "&&", each optionally followed by "[width]". A width that is
    // not a whole number raises EConvertError and leaves the list unchanged.
    void SetColumnsText(const QString& line);
    // Replaces rows and columns by these captions; widths beyond the given
    // ones (or negative) are the default width.
    void SetColumns(const QStringList& captions, const QList<int>& widths = {});

    // Adds a row with a record holding key and data; returns its row.
    int AddItem(const QString& caption, const QString& key, pugi::xml_node data = {});
    int AddItem(const QStringList& cells, const QString& key, pugi::xml_node data = {});
    // Adds a row without a record, carrying a value of the caller's own
    // (ValueOf) and a check mark (Checked; kept, not drawn: the list shows no
    // check boxes); inside BeginUpdate/EndUpdate this is an append to a vector.
    int AddRow(const QStringList& cells, const QVariant& value = {}, bool checked = false);
    // Removes the row and its record; an index outside the rows does nothing.
    void DeleteItem(int row) { model->DeleteRow(row); }
    // Bulk updates: nothing is shown or signalled until the outermost
    // EndUpdate, which resets the model once.
    void BeginUpdate() { model->BeginUpdate(); }
    void EndUpdate() { model->EndUpdate(); }
    void ReserveRows(int count) { model->ReserveRows(count); }
    // Removes rows and records, and the columns too when withColumns.
    void ClearAll(bool withColumns);

    const std::vector<std::unique_ptr<TListItemData>>& ItemList() const { return model->ItemList(); }
    int RowCount() const { return model->rowCount(); }
    int ColumnCount() const { return model->columnCount(); }
    QString Cell(int row, int column) const { return model->Cell(row, column); }

    // Key and data of a row's record; empty outside the rows and for rows
    // without a record.
    QString KeyOf(int row) const;
    pugi::xml_node DataOf(int row) const;
    QVariant ValueOf(int row) const { return model->Value(row); }
    bool Checked(int row) const { return model->Checked(row); }
    QString SelectedKey() const { return KeyOf(SelectedRow()); }
    pugi::xml_node SelectedData() const { return DataOf(SelectedRow()); }
    QVariant SelectedValue() const { return ValueOf(SelectedRow()); }

    // The first row from start on whose caption begins with text (letter
    // case ignored); a start beyond the rows searches from row 0; -1: none.
    int FindByPrefix(const QString& text, int start) const;
    // The last row whose data is value; -1 when none (or value is empty).
    int FindByData(pugi::xml_node value) const;
    // Left and right pixel edges of a column; unchanged outside the columns.
    void ColumnSpan(int index, int& left, int& right) const;
    // Makes the columns plus 21 pixels fill the control by resizing the last
    // column, which the user then cannot drag wider.
    void FitLastColumn();

    // The selected row, or -1; selecting -1 or a row outside clears it.
    // Selecting scrolls the row into view: whole, or only when it is not
    // visible at all with partlyVisibleIsEnough.
    int SelectedRow() const;
    void SelectRow(int row, bool partlyVisibleIsEnough = false);

    QColor SelectColor() const { return selectColor; }
    void SetSelectColor(const QColor& color);
    QFont SelectFont() const { return selectFont; }
    void SetSelectFont(const QFont& font);
    // Keeps rows ordered by caption (linguistic order, letter case only
    // breaking ties, the same in every process locale).
    void SetSortByCaption(bool on) { model->SetSortByCaption(on); }
    // Height of every row in pixels; 0: one line of the font plus 4.
    void SetRowHeight(int pixels);
    int RowHeight() const;

    // The selection changed; a row was clicked; a row was opened (double
    // click or Enter). Key presses go to OnKey.
    std::function<void()> OnSelect;
    std::function<void()> OnClick;
    std::function<void()> OnOpen;

    TListViewModel* Model() const { return model; }
    QWidget* skWidget() override { return this; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyColumnWidths();
    void addCaptionLine(const QString& line);

    TListViewModel* model;
    QColor selectColor;
    QFont selectFont;
    int rowHeight = 0;
    std::vector<int> columnWidths; // kept across model resets, which reset the header
    int lastColumnMax = -1;        // how wide the user may drag the last column
    bool fitting = false;
    bool restoringWidths = false;
};

// Holds a bulk update of a list view for a scope, and ends it also when an
// exception (a malformed column width) leaves the scope.
class TListUpdateScope {
public:
    explicit TListUpdateScope(TSkListView* list) : list(list) { list->BeginUpdate(); }
    ~TListUpdateScope() { list->EndUpdate(); }
    TListUpdateScope(const TListUpdateScope&) = delete;
    TListUpdateScope& operator=(const TListUpdateScope&) = delete;

private:
    TSkListView* list;
};
