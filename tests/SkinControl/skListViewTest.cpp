// The list view: columns and rows from caption files, keys and data per row,
// lookups, the fitted last column, drawing of rows, sorting and bulk updates.

#include "SkinControl/skListView.h"
#include "platform/Errors.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// A shown window holding one list view 400 pixels wide.
struct ListHost {
    QWidget window;
    TSkListView* list;
    ListHost() : list(new TSkListView(&window)) {
        window.resize(500, 300);
        list->setGeometry(0, 0, 400, 200);
        window.show();
    }
    QStringList captions() const {
        QStringList result;
        for (int i = 0; i < list->ColumnCount(); ++i)
            result << list->Model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
        return result;
    }
    QList<int> widths() const {
        QList<int> result;
        for (int i = 0; i < list->ColumnCount(); ++i)
            result << list->columnWidth(i);
        return result;
    }
    QStringList cells(int row) const { return list->Model()->Cells(row); }
};

RecordingPlatform& recorder() {
    return static_cast<RecordingPlatform&>(platform());
}

} // namespace

TEST(ListViewColumns, HeaderLinesGiveCaptionsAndWidths) {
    const int d = QHeaderView(Qt::Horizontal).defaultSectionSize();
    struct Case {
        const char* name;
        QString line;
        QStringList captions;
        QList<int> widths;
    } cases[] = {
        {"width then default", "Поз.[80]&&Наименование", {"Поз.", "Наименование"}, {80, d}},
        {"no closing bracket", "A[30", {"A"}, {30}},
        {"zero width hides a column", "A[0]&&B[3]&&C", {"A", "B", "C"}, {0, 3, d}},
        {"blanks around the width", "A [ 30 ]&&B[+40]&&C", {"A ", "B", "C"}, {30, 40, d}},
        {"text after the bracket dropped", "A[30]x&&B[5]", {"A", "B"}, {30, 5}},
        {"empty line is one empty column", "", {""}, {d}},
        {"trailing separator adds nothing", "A&&", {"A"}, {d}},
        {"empty middle definition", "A&&&&B", {"A", "", "B"}, {d, d, d}},
    };
    for (const Case& c : cases) {
        ListHost host;
        host.list->resize(1000, 200); // wide enough that fitting only widens the last column
        host.list->SetColumnsText(c.line);
        EXPECT_EQ(host.captions(), c.captions) << c.name;
        QList<int> widths = host.widths();
        widths.removeLast();
        QList<int> expected = c.widths;
        expected.removeLast();
        EXPECT_EQ(widths, expected) << c.name;
    }
}

TEST(ListViewColumns, LastColumnFillsTheControlAndCannotBeDraggedWider) {
    ListHost host;
    TSkListView& list = *host.list;
    list.SetColumnsText("Номер[80]&&Наименование");
    list.FitLastColumn();
    EXPECT_EQ(host.widths(), (QList<int>{80, 299}));

    int left = -7, right = -7;
    list.ColumnSpan(1, left, right);
    EXPECT_EQ(std::pair(left, right), std::pair(80, 379));
    list.ColumnSpan(2, left, right);
    list.ColumnSpan(-1, left, right);
    EXPECT_EQ(std::pair(left, right), std::pair(80, 379)) << "outside the columns nothing changes";

    list.header()->resizeSection(1, 350);
    EXPECT_EQ(list.columnWidth(1), 299) << "the last column is held at its fitted width";
    list.header()->resizeSection(0, 120);
    EXPECT_EQ(list.columnWidth(1), 299);
    list.FitLastColumn();
    EXPECT_EQ(host.widths(), (QList<int>{120, 259}));

    list.resize(500, 200);
    EXPECT_EQ(host.widths(), (QList<int>{120, 359})) << "resizing the control refits";

    list.ClearAll(false);
    list.AddItem("x", "k");
    EXPECT_EQ(host.widths(), (QList<int>{120, 359})) << "widths survive clearing and refilling the rows";
}

TEST(ListViewColumns, ReleasingTheHeaderAfterADragRefits) {
    ListHost host;
    TSkListView& list = *host.list;
    list.SetColumnsText("A[80]&&B");
    list.FitLastColumn();
    list.header()->resizeSection(0, 50); // as a divider drag would
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(50, 5), QPointF(50, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list.header()->viewport(), &release); // where the mouse delivers it
    EXPECT_EQ(host.widths(), (QList<int>{50, 329}));
}

TEST(ListViewRows, RowLinesGiveCellsAndKeys) {
    struct Case {
        const char* name;
        QString line;
        QStringList cells;
        QString key;
    } cases[] = {
        {"three cells and a key", "1&&A-100&&Болт#:#g12", {"1", "A-100", "Болт"}, "g12"},
        {"no key", "1&&A-100&&Болт", {"1", "A-100", "Болт"}, ""},
        {"trailing separator", "1&&A-100&&", {"1", "A-100"}, ""},
        {"empty middle cell", "1&&&&Болт#:#k", {"1", "", "Болт"}, "k"},
        {"key kept exactly", "1#:# k#:#2 ", {"1"}, " k#:#2 "},
        {"empty key", "1&&2#:#", {"1", "2"}, ""},
        {"caption only", "Гайка", {"Гайка"}, ""},
    };
    TempAppFolder folder;
    for (const Case& c : cases) {
        folder.writeText("data/caption.txt", "Поз.&&Номер&&Наименование\r\n" + c.line + "\r\n");
        ListHost host;
        host.list->LoadCaptionFile("data\\caption.txt");
        ASSERT_EQ(host.list->RowCount(), 1) << c.name;
        EXPECT_EQ(host.cells(0), c.cells) << c.name;
        EXPECT_EQ(host.list->KeyOf(0), c.key) << c.name;
        EXPECT_TRUE(host.list->DataOf(0).empty()) << c.name << ": rows from a file have no data";
        ASSERT_EQ(host.list->ItemList().size(), 1u);
        EXPECT_EQ(host.list->ItemList()[0]->Item, 0);
    }
}

TEST(ListViewRows, KeysDataAndValuesByIndex) {
    pugi::xml_document doc;
    doc.load_string("<h><a/><b/></h>");
    const pugi::xml_node a = doc.child("h").child("a"), b = doc.child("h").child("b");
    ListHost host;
    TSkListView& list = *host.list;
    list.SetColumnsText("Группа&&Название");
    EXPECT_EQ(list.AddItem("Двигатель", "g1", a), 0);
    EXPECT_EQ(list.AddItem(QStringList{"Тормоза", "передние"}, "g2", b), 1);
    EXPECT_EQ(list.AddItem("Двигатель", "g3", a), 2);
    EXPECT_EQ(list.AddRow({"12", "Болт"}, 4711), 3);
    EXPECT_EQ(list.AddItem("Без данных", "g5"), 4);

    for (int outside : {-1, 5, 100}) {
        EXPECT_EQ(list.KeyOf(outside), "") << outside;
        EXPECT_TRUE(list.DataOf(outside).empty()) << outside;
        EXPECT_FALSE(list.ValueOf(outside).isValid()) << outside;
    }
    EXPECT_EQ(list.KeyOf(1), "g2");
    EXPECT_EQ(list.Cell(1, 1), "передние");
    EXPECT_EQ(list.DataOf(1), b);
    EXPECT_EQ(list.ValueOf(3).toInt(), 4711);
    EXPECT_EQ(list.KeyOf(3), "") << "a caller's row has no record";
    EXPECT_EQ(list.ItemList().size(), 4u);

    EXPECT_EQ(list.FindByData(a), 2) << "searches from the end";
    EXPECT_EQ(list.FindByData(b), 1);
    EXPECT_EQ(list.FindByData(doc.child("h")), -1);
    EXPECT_EQ(list.FindByData(pugi::xml_node()), -1) << "none matches no row, not the rows without data";

    EXPECT_EQ(list.SelectedKey(), "");
    EXPECT_TRUE(list.SelectedData().empty());
    list.SelectRow(1);
    EXPECT_EQ(list.SelectedKey(), "g2");
    EXPECT_EQ(list.SelectedData(), b);
    list.SelectRow(9);
    EXPECT_EQ(list.SelectedRow(), -1);

    // Deleting rows (as narrowing a search does) takes their records along.
    list.DeleteItem(2);
    list.DeleteItem(-1);
    list.DeleteItem(list.RowCount());
    EXPECT_EQ(list.RowCount(), 4);
    EXPECT_EQ(list.FindByData(a), 0);
    EXPECT_EQ(list.ValueOf(2).toInt(), 4711);
    EXPECT_EQ(list.KeyOf(3), "g5");
    ASSERT_EQ(list.ItemList().size(), 3u);
    for (const auto& record : list.ItemList())
        EXPECT_EQ(list.KeyOf(record->Item), record->Key);

    EXPECT_EQ(list.AddRow({"13", "Шайба"}, 5, true), 4);
    EXPECT_TRUE(list.Checked(4));
    EXPECT_FALSE(list.Checked(2)) << "rows are added without a check mark";
    EXPECT_FALSE(list.Checked(9));

    list.ClearAll(false);
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_TRUE(list.ItemList().empty());
    EXPECT_EQ(list.ColumnCount(), 2);
    list.ClearAll(true);
    EXPECT_EQ(list.ColumnCount(), 0);
    list.FitLastColumn(); // no columns: nothing to do
}

TEST(ListViewRows, SelectingScrollsTheRowIntoView) {
    ListHost host;
    TSkListView& list = *host.list;
    list.SetColumnsText("A");
    const int viewport = list.viewport()->height();
    list.SetRowHeight(viewport * 2 / 7); // three and a half rows fit
    for (int i = 0; i < 40; ++i)
        list.AddItem(QString::number(i), {});
    int partly = 0; // the first row cut by the bottom edge
    while (list.visualRect(list.Model()->index(partly, 0)).bottom() < viewport)
        ++partly;
    ASSERT_LT(list.visualRect(list.Model()->index(partly, 0)).top(), viewport);

    list.SelectRow(partly, true);
    EXPECT_EQ(list.SelectedRow(), partly);
    EXPECT_EQ(list.verticalScrollBar()->value(), 0) << "partly visible is enough";
    list.SelectRow(partly);
    EXPECT_GT(list.verticalScrollBar()->value(), 0) << "shown whole";
    list.SelectRow(0, true);
    EXPECT_EQ(list.verticalScrollBar()->value(), 0) << "a hidden row is scrolled into view";
}

TEST(ListViewRows, FindByPrefix) {
    ListHost host;
    TSkListView& list = *host.list;
    EXPECT_EQ(list.FindByPrefix("а", 0), -1) << "no rows";
    list.SetColumnsText("Название");
    for (const char* caption : {"Болт М8", "болт м10", "Гайка", "Шайба болтовая"})
        list.AddItem(QString::fromUtf8(caption), {});
    struct Case {
        const char* text;
        int start;
        int row;
    } cases[] = {
        {"БОЛТ", 0, 0}, {"болт м1", 0, 1}, {"болт", 1, 1},    {"болт", 2, -1}, {"гайка", 5, 2},
        {"ГАЙ", 3, -1}, {"", 0, -1},       {"Шайба б", 0, 3}, {"x", 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list.FindByPrefix(QString::fromUtf8(c.text), c.start), c.row)
            << c.text << " from " << c.start;
}

TEST(ListViewRows, BadCaptionFilesLeaveTheListAlone) {
    TempAppFolder folder;
    folder.writeText("empty.txt", "");
    folder.writeText("badwidth.txt", "A[80]&&B[8x]\r\n1&&2\r\n");
    folder.writeText("nobracketend.txt", "A[]\r\n");
    ListHost host;
    TSkListView& list = *host.list;
    list.SetColumnsText("Старый[60]&&Столбец");
    list.AddItem("строка", "k");
    recorder().clear();

    list.LoadCaptionFile("missing.txt");
    EXPECT_EQ(recorder().shown(), QStringList{"Не найден файл \r\nmissing.txt"});
    list.LoadCaptionFile("empty.txt");
    EXPECT_THROW(list.LoadCaptionFile("badwidth.txt"), EConvertError);
    EXPECT_THROW(list.LoadCaptionFile("nobracketend.txt"), EConvertError);
    try { // a caller's bulk update held by the guard ends with the error too
        TListUpdateScope update(&list);
        list.ClearAll(false);
        list.LoadCaptionFile("badwidth.txt");
    } catch (const EConvertError&) {
    }
    EXPECT_FALSE(list.Model()->Updating());
    list.AddItem("строка", "k");
    EXPECT_EQ(host.captions(), (QStringList{"Старый", "Столбец"}));
    EXPECT_EQ(list.columnWidth(0), 60);
    EXPECT_EQ(list.KeyOf(0), "k");
    EXPECT_EQ(list.RowCount(), 1);
    EXPECT_TRUE(list.visualRect(list.Model()->index(0, 0)).isValid()) << "the view shows the row";

    const QString huge = QString("Длинная ячейка ").repeated(20000);
    folder.writeText("huge.txt", "A&&B\r\n" + huge + "&&" + huge + "#:#key\r\n");
    list.LoadCaptionFile("huge.txt");
    ASSERT_EQ(list.RowCount(), 1);
    EXPECT_EQ(list.Cell(0, 1), huge);
    EXPECT_EQ(list.KeyOf(0), "key");
    list.grab(); // drawing a huge wrapped cell stays within the row
}

TEST(ListViewDrawing, ZebraRowsAndTheSelectedRow) {
    ListHost host;
    TSkListView& list = *host.list;
    list.SetColumnsText("A[60]&&B[60]&&C");
    for (int i = 0; i < 4; ++i)
        list.AddItem(QStringList{"", "", ""}, QString::number(i));
    list.SetSelectColor(QColor(0xC0, 0x40, 0x40));
    list.SelectRow(2);
    list.clearFocus(); // the selection stays visible without focus
    const QImage image = list.viewport()->grab().toImage();
    const QColor expected[] = {QColor(0xFF, 0xFF, 0xFF), QColor(0xEB, 0xEB, 0xEB), QColor(0xC0, 0x40, 0x40),
                               QColor(0xEB, 0xEB, 0xEB)};
    for (int row = 0; row < 4; ++row) {
        const QRect r = list.visualRect(list.Model()->index(row, 0));
        for (int column : {0, 1, 2}) {
            int left = 0, right = 0;
            list.ColumnSpan(column, left, right);
            const QPoint at((left + right) / 2, r.center().y());
            EXPECT_EQ(image.pixelColor(at).name(), expected[row].name())
                << "row " << row << " column " << column;
        }
    }
}

TEST(ListViewDrawing, WrappedTextStaysInsideItsRow) {
    ListHost host;
    TSkListView& list = *host.list;
    list.SetColumnsText("A[40]&&B[60]&&C");
    list.AddItem(QStringList{"", "слово слово слово слово слово слово"}, "");
    list.AddItem(QStringList{"", "", ""}, "");
    const QImage image = list.viewport()->grab().toImage();
    const QRect first = list.visualRect(list.Model()->index(0, 1));
    int inked = 0;
    for (int x = first.left(); x < first.right(); ++x)
        inked += image.pixelColor(x, first.top() + first.height() / 2).name() != "#ffffff";
    EXPECT_GT(inked, 0) << "the cell's first line is drawn";
    const QRect second = list.visualRect(list.Model()->index(1, 1));
    for (int x = second.left(); x < second.right(); ++x)
        for (int y = second.top(); y <= second.bottom(); ++y)
            ASSERT_EQ(image.pixelColor(x, y).name(), "#ebebeb") << x << "," << y;
}

TEST(ListViewOrder, SortingByCaption) {
    ListHost host;
    TSkListView& list = *host.list;
    list.SetColumnsText("Название&&Номер");
    list.AddItem(QStringList{"Шайба", "3"}, "k3");
    list.AddItem(QStringList{"Болт", "1"}, "k1");
    list.AddItem(QStringList{"Гайка", "2"}, "k2");
    list.SelectRow(0);
    list.SetSortByCaption(true);
    auto keys = [&] {
        QStringList k;
        for (int i = 0; i < list.RowCount(); ++i)
            k << list.KeyOf(i);
        return k;
    };
    EXPECT_EQ(keys(), (QStringList{"k1", "k2", "k3"}));
    EXPECT_EQ(list.SelectedKey(), "k3") << "the selection follows its row";
    EXPECT_EQ(list.AddItem(QStringList{"Винт", "4"}, "k4"), 1) << "a new row goes to its place";
    EXPECT_EQ(keys(), (QStringList{"k1", "k4", "k2", "k3"}));

    list.BeginUpdate();
    list.AddItem("Ан", "k5");
    list.AddItem("Ящик", "k6");
    list.EndUpdate();
    EXPECT_EQ(keys(), (QStringList{"k5", "k1", "k4", "k2", "k3", "k6"}));
    for (const auto& record : list.ItemList())
        EXPECT_EQ(list.KeyOf(record->Item), record->Key) << "each record knows its row";

    // Letter case does not split the order: lower-case captions sort among the others.
    list.ClearAll(false);
    for (const char* caption : {"гайка", "Болт", "Винт", "ан", "Zeta", "alpha"})
        list.AddItem(QString::fromUtf8(caption), QString::fromUtf8(caption));
    EXPECT_EQ(keys(), (QStringList{"alpha", "Zeta", "ан", "Болт", "Винт", "гайка"}));
}

TEST(ListViewOrder, BulkUpdateResetsTheModelOnce) {
    ListHost host;
    TSkListView& list = *host.list;
    list.SetColumnsText("A[50]&&B");
    QSignalSpy resets(list.Model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserts(list.Model(), &QAbstractItemModel::rowsInserted);
    list.BeginUpdate();
    list.ClearAll(false);
    for (int i = 0; i < 1000; ++i)
        list.AddRow({QString::number(i), "x"}, i);
    list.EndUpdate();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(inserts.count(), 0);
    EXPECT_EQ(list.RowCount(), 1000);
    EXPECT_EQ(list.columnWidth(0), 50);
    EXPECT_EQ(list.ValueOf(999).toInt(), 999);
}

TEST(ListViewEvents, SelectClickOpenAndKeys) {
    ListHost host;
    TSkListView& list = *host.list;
    list.SetColumnsText("A&&B");
    list.AddItem("a", "k0");
    list.AddItem("b", "k1");
    int selects = 0, clicks = 0, opens = 0;
    QList<int> keys;
    list.OnSelect = [&] { ++selects; };
    list.OnClick = [&] { ++clicks; };
    list.OnOpen = [&] { ++opens; };
    list.OnKey = [&](QObject*, int k) { keys << k; };

    const QPoint at = list.visualRect(list.Model()->index(1, 0)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, QPointF(at), list.viewport()->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &e);
    }
    EXPECT_EQ(list.SelectedKey(), "k1");
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(opens, 1);

    for (int k : {Qt::Key_Up, Qt::Key_Return}) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(&list, &press);
    }
    EXPECT_EQ(list.SelectedKey(), "k0");
    EXPECT_EQ(selects, 2);
    EXPECT_EQ(opens, 2);
    EXPECT_EQ(keys, (QList<int>{Qt::Key_Up, Qt::Key_Return}));
}
