// What drawing a hint's second stage costs the window, on every step of the
// ladder's walks through the first puzzles of forum_hardest_1106: the
// drawing made from the step, its whole words, and the drawing painted over
// a board of the window's size. Each drawing is timed on its own; the
// counters p50_us, p99_us and max_us give the percentiles. The goal is a
// max_us under 16000 (one frame). Finding the step is not counted: on these
// boards it is a job on the worker.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/puzzle_file.h"
#include "bench/puzzle_sets.h"
#include "core/ladder/ladder.h"
#include "platform/qt/step_painter.h"
#include "ui/step_drawing.h"

namespace ga::bench {
namespace {

constexpr int kPuzzles = 40;
constexpr int kCellPixels = 35;  // the window's cells at its usual scale

struct Position {
    LadderBoard board;
    LadderStep step;
};

void drawEveryStep(benchmark::State& state, const std::string& path) {
    std::vector<LoadedPuzzle> loaded;
    std::string problem;
    if (!readPuzzleFile(path, kPuzzles, "", loaded, problem) || loaded.empty()) {
        state.SkipWithError(("no puzzles in " + path).c_str());
        return;
    }
    std::vector<Position> positions;
    for (const LoadedPuzzle& puzzle : loaded) {
        Position at;
        loadLadderBoardFromRecord(puzzle.record, true, at.board);
        while (countEmpty(at.board) > 0) {
            at.step = nextLadderStep(at.board);
            if (at.step.technique == Technique::kNone) break;
            positions.push_back(at);
            applyLadderStep(at.board, at.step);
        }
    }
    QImage image(9 * kCellPixels, 9 * kCellPixels, QImage::Format_ARGB32_Premultiplied);
    const CellPlace place = [](int cell) {
        return QRectF(columnOf(cell) * kCellPixels, rowOf(cell) * kCellPixels, kCellPixels,
                      kCellPixels);
    };
    std::vector<double> micros;
    for (auto _ : state) {
        for (const Position& position : positions) {
            const auto start = std::chrono::steady_clock::now();
            const BoardDrawing drawing = stepDrawing(position.step, position.board);
            const std::string words = ladderStepText(position.step, StepWords::kWhole);
            image.fill(Qt::white);
            QPainter painter(&image);
            paintStepDrawing(painter, place, drawing, themePalette(Theme::kLight).step);
            painter.end();
            const auto end = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(words.data());
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    std::sort(micros.begin(), micros.end());
    auto percentile = [&](double p) {
        return micros[static_cast<size_t>(p * (micros.size() - 1))];
    };
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(positions.size()));
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["p50_us"] = percentile(0.5);
    state.counters["p99_us"] = percentile(0.99);
    state.counters["max_us"] = micros.back();
}

}  // namespace
}  // namespace ga::bench

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    const std::string path = ga::bench::publicDataDir() + "/forum_hardest_1106.txt";
    if (!ga::bench::fileExists(path)) {
        std::fprintf(stderr, "%s not found: nothing to draw\n", path.c_str());
        return 0;
    }
    benchmark::RegisterBenchmark("hint/drawing/forum_hardest_1106", ga::bench::drawEveryStep, path)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
