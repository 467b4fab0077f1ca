// Archive speed: name lookups for archives of 2,000 to 200,000 entries (the
// time per lookup should not grow with the size), and reading every entry
// through LoadFile against reading the same bytes with a plain QFile.
//
//   build-*/bench/bench_archive

#include "BenchSupport.h"
#include "archive/gPack.h"
#include "archive/gPackWriter.h"
#include "platform/RecordingPlatform.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <numeric>
#include <random>

namespace {

QTemporaryDir& tempDir() {
    static QTemporaryDir dir;
    return dir;
}

// Entry names as stored, and the requests the program would make for them.
QString storedName(int i) {
    return QString("group%1\\pic_%2.bmp").arg(i / 100, 5, 10, QChar('0')).arg(i, 6, 10, QChar('0'));
}
QString requestName(int i) {
    return QString("Group%1/Pic_%2.BMP").arg(i / 100, 5, 10, QChar('0')).arg(i, 6, 10, QChar('0'));
}

// Entry sizes 256 to 4,351 bytes, spread evenly.
int entrySize(int i) {
    return 256 + int((unsigned(i) * 2654435761u) % 4096u);
}

// The archive of n entries (built once per size and flavour), opened.
QString openArchiveOf(int n, bool bigEntries, bool scramble) {
    static std::map<std::tuple<int, bool, bool>, QString> built;
    QString& path = built[{n, bigEntries, scramble}];
    if (path.isEmpty()) {
        std::vector<PackEntry> entries;
        entries.reserve(size_t(n));
        for (int i = 0; i < n; ++i) {
            const int size = bigEntries ? entrySize(i) : 16;
            entries.push_back({storedName(i), QByteArray(size, char('a' + i % 26)), {}});
        }
        path = tempDir().path() + QString("/a%1_%2_%3.dat").arg(n).arg(bigEntries).arg(scramble);
        QString error;
        if (!WriteArchive(path, entries, scramble, &error)) {
            std::fprintf(stderr, "cannot build %s: %s\n", qPrintable(path), qPrintable(error));
            std::abort();
        }
    }
    if (ArchiveName() != path && !OpenArchive(path)) std::abort();
    return path;
}

// Every name once per pass, in directory order (arg 1 = 0) or in a scattered
// order (arg 1 = 1). The requests are made in visiting order, so reading
// them costs the same in both.
void BM_FindEntry(benchmark::State& state) {
    const int n = int(state.range(0));
    openArchiveOf(n, false, false);
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    if (state.range(1)) std::shuffle(order.begin(), order.end(), std::mt19937(7));
    std::vector<QString> requests;
    requests.reserve(size_t(n));
    for (int i : order)
        requests.push_back(requestName(i));
    size_t k = 0;
    int misses = 0;
    for (auto _ : state) {
        const int index = FindEntry(requests[k]);
        misses += index < 0;
        benchmark::DoNotOptimize(index);
        if (++k == requests.size()) k = 0;
    }
    if (misses) state.SkipWithError("a lookup missed");
}
BENCHMARK(BM_FindEntry)->ArgNames({"entries", "scattered"})->ArgsProduct({{2000, 20000, 200000}, {0, 1}});

// Reading all 20,000 entries through LoadFile, by name, against seeking and
// reading the same byte ranges from the archive with a plain QFile; eleven
// runs of each, alternating. Arg 0: scrambled entries; arg 1: both read in a
// scattered order instead of directory order.
void BM_LoadFileVsRawRead(benchmark::State& state) {
    const bool scramble = state.range(0) != 0;
    const bool scattered = state.range(1) != 0;
    constexpr int n = 20000;
    const QString path = openArchiveOf(n, true, scramble);
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    if (scattered) std::shuffle(order.begin(), order.end(), std::mt19937(11));
    std::vector<QString> requests;
    std::vector<std::pair<qint64, qint64>> ranges;
    for (int i : order) {
        requests.push_back(requestName(i));
        const TData& d = ArchiveEntries()[size_t(i)];
        ranges.emplace_back(d.offset, d.size);
    }

    auto viaLoadFile = [&] {
        qint64 total = 0;
        QByteArray stream;
        for (const QString& name : requests) {
            LoadFile(stream, name);
            total += stream.size();
        }
        return total;
    };
    auto viaQFile = [&] {
        qint64 total = 0;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return qint64(-1);
        for (const auto& [offset, size] : ranges) {
            f.seek(offset);
            const QByteArray bytes = f.read(size);
            total += bytes.size();
        }
        return total;
    };

    const qint64 expected = viaQFile(); // also warms the page cache
    if (viaLoadFile() != expected) state.SkipWithError("LoadFile read other bytes than the raw read");
    std::vector<double> load, raw, loadWall, rawWall;
    for (auto _ : state) {
        for (int run = 0; run < 11; ++run) {
            QElapsedTimer wall;
            wall.start();
            double cpu = ThreadCpuMs();
            benchmark::DoNotOptimize(viaLoadFile());
            load.push_back(ThreadCpuMs() - cpu);
            loadWall.push_back(double(wall.nsecsElapsed()) / 1e6);
            wall.restart();
            cpu = ThreadCpuMs();
            benchmark::DoNotOptimize(viaQFile());
            raw.push_back(ThreadCpuMs() - cpu);
            rawWall.push_back(double(wall.nsecsElapsed()) / 1e6);
        }
    }
    const double ratio = Median(load) / Median(raw);
    const double wallRatio = Median(loadWall) / Median(rawWall);
    state.counters["loadfile_cpu_ms"] = Median(load);
    state.counters["qfile_cpu_ms"] = Median(raw);
    state.counters["ratio"] = ratio;
    state.counters["wall_ratio"] = wallRatio;
    std::printf(
        "LoadFile vs QFile (%s, %s order, %d entries, %.1f MB, 11 alternating runs): median CPU %.2f ms "
        "vs %.2f ms, ratio %.3f; median wall %.2f ms vs %.2f ms, ratio %.3f\n",
        scramble ? "scrambled" : "plain", scattered ? "scattered" : "directory", n, double(expected) / 1e6,
        Median(load), Median(raw), ratio, Median(loadWall), Median(rawWall), wallRatio);
}
BENCHMARK(BM_LoadFileVsRawRead)
    ->ArgNames({"scrambled", "scattered"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int rc = RunBenchmarks(argc, argv, false);
    CloseArchive();
    return rc;
}
