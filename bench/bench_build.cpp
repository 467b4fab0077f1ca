// Building a window: a generated description of n objects (panels holding
// labels and buttons, two levels deep) built by the runtime, against parsing
// the same description file alone. The build should stay a small multiple
// of the parse as n grows (no quadratic passes).
//
//   build-*/bench/bench_build

#include "BenchSupport.h"
#include "SkinControl/uFORM.h"
#include "archive/uIniFiles.h"
#include "platform/Paths.h"
#include "platform/RecordingPlatform.h"
#include "runtime/skUseStract.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A description of about n objects, children listed before their parents
// every other time so that the build has to look masters up.
QString describe(int n) {
    QString text = "[main]\ntype=form\ncaption=Bench\nwidth=1000\nheight=800\n";
    const int perPanel = 9;
    for (int p = 0; p * (perPanel + 1) < n; ++p) {
        const QString panel = QString("panel%1").arg(p);
        QString children;
        for (int c = 0; c < perPanel; ++c) {
            const bool button = c % 2 == 0;
            children += QString("[%1_%2]\ntype=%3\nmaster=%1\nleft=%4\ntop=%5\nwidth=80\nheight=20\n%6\n")
                            .arg(panel)
                            .arg(c)
                            .arg(button ? "button" : "label")
                            .arg(10 + c * 90)
                            .arg(5)
                            .arg(button ? "caption=Кнопка\naction=nil" : "caption=Подпись");
        }
        const QString own =
            QString("[%1]\ntype=panel\nalign=top\nheight=30\ntop=%2\n").arg(panel).arg(p * 30);
        text += p % 2 ? children + own : own + children;
    }
    return text;
}

QString writeDescription(const QTemporaryDir& dir, int n) {
    const QString file = QString("bench_%1.txt").arg(n);
    QFile f(dir.path() + "/" + file);
    f.open(QIODevice::WriteOnly);
    f.write(describe(n).toUtf8().prepend("\xEF\xBB\xBF"));
    return file;
}

void BM_BuildAgainstParse(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    SetAppFolder(dir.path());
    QDir::setCurrent(dir.path());
    const QString file = writeDescription(dir, n);
    std::vector<double> build, parse;
    for (auto _ : state) {
        for (int run = 0; run < 7; ++run) {
            QElapsedTimer t;
            t.start();
            TPakIniFile ini(file);
            benchmark::DoNotOptimize(ini.ReadSections().size());
            parse.push_back(double(t.nsecsElapsed()) / 1e6);

            TfrmFORM form;
            t.restart();
            {
                TSkStract runtime(&form, file);
                runtime.Build();
                build.push_back(double(t.nsecsElapsed()) / 1e6);
            }
        }
    }
    const double b = Median(build), p = Median(parse);
    state.counters["build_ms"] = b;
    state.counters["parse_ms"] = p;
    state.counters["ratio"] = b / p;
    std::printf("Build of %d objects: median %.2f ms; parse alone %.2f ms; ratio %.1f\n", n, b, p, b / p);
    SetAppFolder(QString());
}
BENCHMARK(BM_BuildAgainstParse)->Arg(500)->Arg(2000)->Arg(8000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, true);
}
