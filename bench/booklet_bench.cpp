// What a booklet of 100 puzzles, 4 to a page with their answers, costs from
// start to PDF file: once from puzzles given as clues (each answer found and
// rated, as `gridatelier-cli book` does with its input), once with the
// puzzles made at the Easy level on one thread. The goal is under 10 s each.
// Painted offscreen by the window's own painter.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <vector>

#include "generator/made_to_order.h"
#include "platform/qt/board_painter.h"
#include "ui/booklet.h"

namespace ga::bench {
namespace {

constexpr int kPuzzles = 100;
constexpr uint64_t kSeed = 20261208;
constexpr long kTries = 2000000;

PuzzleOrder easyOrder() {
    PuzzleOrder order;
    order.byLevel = true;
    order.level = Level::kEasy;
    return order;
}

std::vector<BookletPuzzle> madeAtEasy() {
    std::vector<BookletPuzzle> puzzles;
    OrderedPuzzle made;
    for (int i = 0; i < kPuzzles; ++i) {
        if (makeOrderedPuzzle(easyOrder(), kSeed, static_cast<uint64_t>(i), kTries, made))
            puzzles.push_back(bookletPuzzle(made));
    }
    return puzzles;
}

// The puzzles' clues as a puzzle line is read: clue cells closed.
std::vector<PuzzleRecord> asGiven(const std::vector<BookletPuzzle>& puzzles) {
    std::vector<PuzzleRecord> given(puzzles.size());
    for (size_t i = 0; i < puzzles.size(); ++i) {
        resetRecord(given[i]);
        for (int cell = 0; cell < kCells; ++cell) {
            if (puzzles[i].clues[cell] == 0) continue;
            given[i].openFlags[cell] = 0;
            given[i].answerGrid[cell] = puzzles[i].clues[cell];
        }
    }
    return given;
}

void writeBooklet(benchmark::State& state, const std::vector<BookletPuzzle>& puzzles,
                  const QString& path) {
    if (!writeBookletPdf(makeBooklet(puzzles, BookletOptions{}), path))
        state.SkipWithError("the PDF could not be written");
}

void BM_BookletOfGivenPuzzles(benchmark::State& state) {
    const std::vector<PuzzleRecord> given = asGiven(madeAtEasy());
    QTemporaryDir dir;
    for (auto _ : state) {
        std::vector<BookletPuzzle> puzzles;
        for (PuzzleRecord record : given) {
            BookletPuzzle puzzle;
            if (givenBookletPuzzle(record, puzzle) == GivenPuzzleProblem::kNone)
                puzzles.push_back(puzzle);
        }
        writeBooklet(state, puzzles, dir.filePath(QStringLiteral("given.pdf")));
    }
    state.counters["puzzles"] = static_cast<double>(given.size());
}
BENCHMARK(BM_BookletOfGivenPuzzles)->Unit(benchmark::kMillisecond);

void BM_BookletMadeAtEasy(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state)
        writeBooklet(state, madeAtEasy(), dir.filePath(QStringLiteral("easy.pdf")));
}
BENCHMARK(BM_BookletMadeAtEasy)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace ga::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
