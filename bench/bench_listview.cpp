// The parts list with 100,000 rows of six cells: filling it in one bulk
// update against building the same cell lists alone, and scrolling to the
// middle row and repainting.
//
//   QT_QPA_PLATFORM=offscreen build-*/bench/bench_listview

#include "BenchSupport.h"
#include "SkinControl/skListView.h"
#include "platform/RecordingPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <malloc.h>
#include <vector>

namespace {

constexpr int rowCount = 100000;
constexpr int runs = 7;

const char* const names[] = {
    "Болт с шестигранной головкой М8х1,25х30",
    "Гайка самоконтрящаяся М10",
    "Шайба пружинная",
    "Прокладка крышки головки блока цилиндров",
    "Кронштейн крепления генератора",
    "Фильтр масляный",
    "Ремень привода газораспределительного механизма",
    "Датчик температуры охлаждающей жидкости",
    "Тормозной диск передний вентилируемый",
    "Втулка стабилизатора поперечной устойчивости",
};

// The six cells of a parts-table row: position, stock mark, part number,
// variant, count, name.
QStringList cellsOf(int i) {
    const unsigned h = unsigned(i) * 2654435761u;
    return {QString::number(i % 250 + 1),
            (h & 1) ? QStringLiteral("*") : QString(),
            QStringLiteral("%1 %2 %3 %4")
                .arg(h % 9 + 1)
                .arg(QChar('A' + int(h >> 8) % 26))
                .arg(h % 900 + 100)
                .arg(int(h >> 16) % 1000, 3, 10, QChar('0')),
            (h & 6) ? QStringLiteral("A") : QStringLiteral("B"),
            QString::number(h % 8 + 1),
            QString::fromUtf8(names[h % std::size(names)]) + QStringLiteral(" ") + QString::number(i)};
}

// Bytes of heap in use.
double heapBytes() {
    return double(mallinfo2().uordblks);
}

struct Sample {
    double cpu, wall;
};

template <typename F> Sample measure(F&& work) {
    QElapsedTimer wall;
    wall.start();
    const double cpu = ThreadCpuMs();
    work();
    return {ThreadCpuMs() - cpu, double(wall.nsecsElapsed()) / 1e6};
}

// The baseline: the same cells built and kept, without a widget.
void buildCells(std::vector<QStringList>& built) {
    built.reserve(rowCount);
    for (int i = 0; i < rowCount; ++i)
        built.push_back(cellsOf(i));
}

// The subject: the cells added to the list in one bulk update and laid out.
void fillList(TSkListView* list) {
    list->BeginUpdate();
    list->ReserveRows(rowCount);
    for (int i = 0; i < rowCount; ++i)
        list->AddRow(cellsOf(i), i);
    list->EndUpdate();
    list->doItemsLayout();
}

void BM_FillAndScroll(benchmark::State& state) {
    QWidget window;
    window.resize(900, 600);
    auto* list = new TSkListView(&window);
    list->setGeometry(0, 0, 900, 600);
    list->SetColumnsText("Поз.[40]&&Зап.[40]&&Номер[120]&&Вар.[40]&&Кол.[40]&&Наименование");
    window.show();

    // Heap held by the filled list against the same cells held in a vector.
    double baseBytes = 0, listBytes = 0;
    {
        double before = heapBytes();
        std::vector<QStringList> built;
        buildCells(built);
        baseBytes = heapBytes() - before;
        built = {};
        before = heapBytes();
        fillList(list);
        listBytes = heapBytes() - before;
    }

    std::vector<double> fillCpu, fillWall, baseCpu, baseWall, scrollCpu, scrollWall;
    for (auto _ : state) {
        for (int run = 0; run < runs; ++run) {
            std::vector<QStringList> built;
            const Sample base = measure([&] { buildCells(built); });
            baseCpu.push_back(base.cpu);
            baseWall.push_back(base.wall);
            built = {};

            list->ClearAll(false);
            const Sample fill = measure([&] { fillList(list); });
            fillCpu.push_back(fill.cpu);
            fillWall.push_back(fill.wall);

            list->scrollToTop();
            list->viewport()->grab();
            const Sample scroll = measure([&] {
                list->scrollTo(list->Model()->index(rowCount / 2, 0), QAbstractItemView::PositionAtCenter);
                QImage image(list->size(), QImage::Format_RGB32);
                QPainter painter(&image);
                list->render(&painter);
            });
            scrollCpu.push_back(scroll.cpu);
            scrollWall.push_back(scroll.wall);
        }
    }
    const int shown = list->indexAt(list->viewport()->rect().center()).row();
    if (list->RowCount() != rowCount || std::abs(shown - rowCount / 2) > 2)
        state.SkipWithError("the list does not show its middle row");

    const double ratio = Median(fillCpu) / Median(baseCpu);
    state.counters["fill_ms"] = Median(fillCpu);
    state.counters["baseline_ms"] = Median(baseCpu);
    state.counters["ratio"] = ratio;
    state.counters["scroll_repaint_ms"] = Median(scrollCpu);
    std::printf(
        "listview %dx6 fill: %.1f ms, baseline %.1f ms, ratio %.2f (CPU, median of %d alternating runs; "
        "wall %.1f ms vs %.1f ms)\n",
        rowCount, Median(fillCpu), Median(baseCpu), ratio, runs, Median(fillWall), Median(baseWall));
    std::printf("listview memory: %.0f bytes per row, the cells alone %.0f bytes per row\n",
                listBytes / rowCount, baseBytes / rowCount);
    std::printf("listview scroll+repaint: %.2f ms (CPU, median of %d; wall %.2f ms)\n", Median(scrollCpu),
                runs, Median(scrollWall));
}
BENCHMARK(BM_FillAndScroll)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, true);
}
