#include "SkinControl/skListBox.h"

#include "archive/gPackUtils.h"

TSkListBox::TSkListBox(QWidget* parent) : QListWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Long items are cut at the box's edge; the runtime's hint shows them whole.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { raiseAction(this); });
}

void TSkListBox::AddItem(const QString& caption, const QString& value) {
    auto* item = new QListWidgetItem(caption, this);
    item->setData(Qt::UserRole, value);
}

void TSkListBox::LoadFromLines(const QStringList& lines) {
    if (lines.isEmpty()) return;
    setUpdatesEnabled(false);
    clear();
    static const QString separator = QStringLiteral("#;#");
    for (const QString& line : lines) {
        const qsizetype cut = line.indexOf(separator);
        AddItem(cut < 0 ? line : line.left(cut), cut < 0 ? QString() : line.mid(cut + separator.size()));
    }
    setUpdatesEnabled(true);
}

void TSkListBox::LoadFromFile(const QString& file) {
    LoadFromLines(LoadTextList(file));
}

QString TSkListBox::ValueOf(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->data(Qt::UserRole).toString() : QString();
}

QStringList TSkListBox::ListValues() const {
    QStringList values;
    for (int i = 0; i < count(); ++i)
        values << ValueOf(i);
    return values;
}

void TSkListBox::SetMultiSelect(bool on) {
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

TActionValue TSkListBox::ActionValue() const {
    TActionValue v;
    const int row = currentRow();
    v.value = ValueOf(row);
    v.dispatch = row >= 0 && row < count() && !v.value.isEmpty();
    v.hasValue = true;
    v.append = true;
    return v;
}
