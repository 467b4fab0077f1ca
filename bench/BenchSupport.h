#pragma once
// What every benchmark program shares: the median of repeated runs, the
// thread's CPU clock, and a main that runs the benchmarks without a display
// and with the recording platform, so nothing can open a window and block.

#include "platform/RecordingPlatform.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>
#include <optional>
#include <vector>

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// CPU time of this thread in ms (system time included): on a shared machine
// it is steadier than the wall clock.
inline double ThreadCpuMs() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Runs the registered benchmarks; withWidgets creates the application object
// (offscreen unless QT_QPA_PLATFORM says otherwise).
inline int RunBenchmarks(int argc, char** argv, bool withWidgets) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    setPlatform(std::make_unique<RecordingPlatform>());
    std::optional<QApplication> app;
    if (withWidgets) app.emplace(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
