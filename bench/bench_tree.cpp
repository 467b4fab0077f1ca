// Loading a navigation tree of 50,000 nodes (three to four levels, Russian
// captions with keys, a picture on the top level), from lines and from a
// cp1251 file on disk, against splitting the same lines into caption, key
// and picture strings alone. Runs alternate; medians of seven.
//
//   build-*/bench/bench_tree

#include "BenchSupport.h"
#include "SkinControl/skTreeView.h"
#include "archive/gPackUtils.h"
#include "platform/Paths.h"
#include "platform/RecordingPlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Nodes = 50000;
constexpr int Runs = 7;

QStringList makeLines() {
    static const char* words[] = {"Двигатель", "Коробка передач", "Подвеска передняя", "Тормозная система",
                                  "Кузов", "Электрооборудование", "Рулевое управление", "Топливная система"};
    QStringList lines;
    lines.reserve(Nodes);
    int n = 0;
    for (int a = 0; n < Nodes; ++a) {
        lines << QString("%1 %2;data\\groups\\g%3.htm;icon.bmp").arg(QString::fromUtf8(words[a % 8])).arg(a).arg(n++);
        for (int b = 0; b < 10 && n < Nodes; ++b) {
            lines << QString("\tУзел %1.%2 в сборе;g%3").arg(a).arg(b).arg(n++);
            for (int c = 0; c < 8 && n < Nodes; ++c) {
                lines << QString("\t\tДеталь %1.%2.%3 (болт М8x1,25);g%4").arg(a).arg(b).arg(c).arg(n++);
                if (c % 4 == 0)
                    for (int d = 0; d < 3 && n < Nodes; ++d)
                        lines << QString("\t\t\tШайба пружинная %1;g%2").arg(d).arg(n++);
            }
        }
    }
    return lines;
}

struct Split {
    int level;
    QString caption, key, picture;
};

// The baseline: the same strings the tree keeps, without any node.
std::vector<Split> splitLines(const QStringList& lines) {
    std::vector<Split> out;
    out.reserve(lines.size());
    for (const QString& line : lines) {
        int level = 0;
        while (level < line.size() && (line[level] == u'\t' || line[level] == u' ')) ++level;
        const QStringView rest = QStringView(line).mid(level);
        const qsizetype s1 = rest.indexOf(u';');
        const qsizetype s2 = s1 < 0 ? -1 : rest.indexOf(u';', s1 + 1);
        Split s{level, (s1 < 0 ? rest : rest.left(s1)).toString(), {}, {}};
        if (s1 >= 0) s.key = (s2 < 0 ? rest.mid(s1 + 1) : rest.mid(s1 + 1, s2 - s1 - 1)).trimmed().toString();
        if (s2 >= 0) s.picture = rest.mid(s2 + 1).toString();
        out.push_back(std::move(s));
    }
    return out;
}

double ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

void report(const char* what, std::vector<double>& subject, std::vector<double>& base, benchmark::State& state) {
    const double s = Median(subject), b = Median(base);
    state.counters["tree_ms"] = s;
    state.counters["baseline_ms"] = b;
    state.counters["ratio"] = s / b;
    std::printf("tree %d nodes %s: %.1f ms, baseline %.1f ms, ratio %.1f\n", Nodes, what, s, b, s / b);
}

// Makes the folder the program's folder and puts the nodes' picture in it.
void enterFolderWithIcon(const QTemporaryDir& dir) {
    SetAppFolder(dir.path());
    QDir::setCurrent(dir.path());
    QImage icon(16, 16, QImage::Format_RGB32);
    icon.fill(Qt::darkGreen);
    icon.save(dir.path() + "/icon.bmp");
}

void BM_TreeFromLines(benchmark::State& state) {
    const QStringList lines = makeLines();
    QTemporaryDir dir;
    enterFolderWithIcon(dir);
    std::vector<double> tree, base;
    for (auto _ : state) {
        for (int run = 0; run < Runs; ++run) {
            QElapsedTimer t;
            t.start();
            benchmark::DoNotOptimize(splitLines(lines).size());
            base.push_back(ms(t));

            TSkTree view(nullptr);
            view.resize(300, 600);
            t.restart();
            view.LoadFromLines(lines);
            tree.push_back(ms(t));
        }
    }
    report("from lines", tree, base, state);
    SetAppFolder(QString());
}
BENCHMARK(BM_TreeFromLines)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_TreeFromFile(benchmark::State& state) {
    const QStringList lines = makeLines();
    QTemporaryDir dir;
    enterFolderWithIcon(dir);
    QFile f(dir.path() + "/tree.txt");
    f.open(QIODevice::WriteOnly);
    QStringEncoder cp1251("windows-1251");
    f.write(QByteArray(cp1251(lines.join("\r\n"))));
    f.close();
    std::vector<double> tree, base, reload;
    TSkTree again(nullptr);
    again.resize(300, 600);
    for (auto _ : state) {
        for (int run = 0; run < Runs; ++run) {
            QElapsedTimer t;
            t.start();
            benchmark::DoNotOptimize(splitLines(LoadTextList("tree.txt")).size());
            base.push_back(ms(t));

            TSkTree view(nullptr);
            view.resize(300, 600);
            t.restart();
            view.LoadFromFile("tree.txt");
            tree.push_back(ms(t));

            // A reload also discards the 50,000 nodes of the previous load.
            t.restart();
            again.LoadFromFile("tree.txt");
            reload.push_back(ms(t));
        }
    }
    report("from a file", tree, base, state);
    report("reloaded from a file", reload, base, state);
    SetAppFolder(QString());
}
BENCHMARK(BM_TreeFromFile)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, true);
}
