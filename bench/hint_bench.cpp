// The hint on every board of the hard public sets, from the start and from a
// board halfway through the logic's placements (the values of the first half
// entered as the player's), with the count of answers done beforehand as the
// window remembers it. One iteration asks for one hint on every board;
// each hint is timed on its own, and the counters p50_us, p99_us and max_us
// give the percentiles of all hints timed. A second benchmark steps through
// each whole puzzle with the words of every step, as `explain` does, beside
// the pencil-mark solve of the same puzzles.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/puzzle_file.h"
#include "bench/puzzle_sets.h"
#include "core/bits.h"
#include "core/hint.h"
#include "core/solver.h"

namespace ga::bench {
namespace {

constexpr const char* kHintSets[] = {"magictour_top1465.txt", "forum_hardest_1106.txt"};
// Ample for every puzzle of these sets.
constexpr long kCountNodes = 1000000;

// The record with the first `fraction` of the logic's placements entered.
PuzzleRecord partlyPlayed(const PuzzleRecord& puzzle, double fraction) {
    LadderBoard board;
    loadStepBoard(puzzle, board);
    std::vector<Step> placements;
    for (Step step; (step = nextStep(board)).kind != StepKind::kNone;) {
        if (isContradiction(step.kind)) break;
        applyStep(board, step);
        if (step.kind != StepKind::kHiddenSubset) placements.push_back(step);
    }
    PuzzleRecord record = puzzle;
    const size_t entered = static_cast<size_t>(static_cast<double>(placements.size()) * fraction);
    for (size_t i = 0; i < entered; ++i) {
        record.valueGrid[placements[i].cells[0]] = valueOfSingleBit(placements[i].values);
    }
    return record;
}

bool loadSet(benchmark::State& state, const std::string& path, std::vector<LoadedPuzzle>& out) {
    std::string problem;
    if (readPuzzleFile(path, -1, "", out, problem) && !out.empty()) return true;
    state.SkipWithError((problem.empty() ? "no puzzles in " + path : problem).c_str());
    return false;
}

void hintOnEveryBoard(benchmark::State& state, const std::string& path, double played) {
    std::vector<LoadedPuzzle> loaded;
    if (!loadSet(state, path, loaded)) return;
    std::vector<PuzzleRecord> boards;
    // The window counts a puzzle's answers once and remembers them.
    std::vector<PuzzleAnswers> answers;
    for (const LoadedPuzzle& puzzle : loaded) {
        boards.push_back(partlyPlayed(puzzle.record, played));
        answers.push_back(countClueAnswers(puzzle.record, kCountNodes));
    }

    std::vector<double> micros;
    int steps = 0;
    for (auto _ : state) {
        steps = 0;
        for (size_t i = 0; i < boards.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            Hint hint;
            findHint(boards[i], answers[i], HintReach::kWholeLadder, hint);
            const std::string text = hintText(hint, HintStage::kWhole);
            const auto end = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(text.data());
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
            steps += hint.kind == HintKind::kStep;
        }
    }
    std::sort(micros.begin(), micros.end());
    auto percentile = [&](double p) {
        return micros[static_cast<size_t>(p * (micros.size() - 1))];
    };
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(boards.size()));
    state.counters["boards"] = static_cast<double>(boards.size());
    state.counters["withStep"] = steps;
    state.counters["p50_us"] = percentile(0.5);
    state.counters["p99_us"] = percentile(0.99);
    state.counters["max_us"] = micros.back();
}

// Every step of every puzzle with its words, or the pencil-mark solve: both
// give items_per_second in puzzles.
void stepsOrSolve(benchmark::State& state, const std::string& path, bool explain) {
    std::vector<LoadedPuzzle> loaded;
    if (!loadSet(state, path, loaded)) return;
    ProgressMeter meter;
    for (auto _ : state) {
        for (const LoadedPuzzle& puzzle : loaded) {
            PuzzleRecord record = puzzle.record;
            if (!explain) {
                benchmark::DoNotOptimize(solveJob(record, kPencilMarks, meter));
                continue;
            }
            LadderBoard board;
            loadStepBoard(record, board);
            for (Step step; (step = nextStep(board)).kind != StepKind::kNone;) {
                benchmark::DoNotOptimize(stepText(step).size());
                if (isContradiction(step.kind)) break;
                applyStep(board, step);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(loaded.size()));
}

const bool registered = [] {
    for (const char* file : kHintSets) {
        const std::string path = publicDataDir() + "/" + file;
        if (!fileExists(path)) {
            std::fprintf(stderr, "%s not found: its hint benchmarks are skipped\n", path.c_str());
            continue;
        }
        const std::string set = setNameOf(path);
        benchmark::RegisterBenchmark(("hint/start/" + set).c_str(), hintOnEveryBoard, path, 0.0)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("hint/halfway/" + set).c_str(), hintOnEveryBoard, path, 0.5)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("steps/explain/" + set).c_str(), stepsOrSolve, path, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("steps/solve/" + set).c_str(), stepsOrSolve, path, false)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
}  // namespace ga::bench
