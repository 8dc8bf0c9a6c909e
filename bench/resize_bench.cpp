// What resizing the window costs (offscreen): the player drags the window to
// a new size, the board is laid out again at the width that fits and the
// whole window is painted anew. Each resize is timed on its own, over sizes
// from half the first one to twice it; the counters p50_us, p99_us and
// max_us give the percentiles. The goal is a max_us under 16000 (one frame).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "platform/qt/qt_desktop.h"
#include "ui/settings.h"

namespace ga::bench {
namespace {

// Window sizes in pixels, visited in turn: each one differs from the last.
constexpr int kSizes[][2] = {{900, 1000},  {460, 620}, {300, 420}, {700, 700},
                             {1200, 1300}, {520, 900}, {380, 500}, {800, 640}};

void resizeAndRepaint(benchmark::State& state) {
    QTemporaryDir folder;
    StartupSettings settings;
    settings.place.path = folder.filePath(QStringLiteral("gridAtelier.par")).toStdString();
    setDefaultSettings(settings.file.settings);
    settings.fileRead = true;
    auto desktop = std::make_unique<QtDesktop>();
    auto window = std::make_unique<MainWindow>(*desktop, settings);
    if (!desktop->open(*window)) {
        state.SkipWithError("the window did not open");
        return;
    }
    QApplication::processEvents();
    const int firstWidth = desktop->clientWidth();
    std::vector<double> micros;
    size_t next = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        desktop->resize(kSizes[next][0], kSizes[next][1]);
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        const QPixmap painted = desktop->grab();
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(painted.cacheKey());
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        next = (next + 1) % std::size(kSizes);
    }
    if (desktop->clientWidth() == firstWidth) state.SkipWithError("the board was never laid out");
    std::sort(micros.begin(), micros.end());
    auto percentile = [&](double p) {
        return micros[static_cast<size_t>(p * static_cast<double>(micros.size() - 1))];
    };
    state.counters["p50_us"] = percentile(0.5);
    state.counters["p99_us"] = percentile(0.99);
    state.counters["max_us"] = micros.back();
    window.reset();
}

}  // namespace
}  // namespace ga::bench

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::RegisterBenchmark("window/resize", ga::bench::resizeAndRepaint)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
