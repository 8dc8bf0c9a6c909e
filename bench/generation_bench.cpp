// The two searches that every generation starts with: a random complete
// answer (fillAtRandom on an empty record) and the Regions of that answer
// (searchRegions with the values generation uses).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/thread_clock.h"
#include "core/random.h"
#include "core/regions.h"
#include "core/searches.h"

namespace ga::bench {
namespace {

constexpr uint32_t kGenerationSeed = 20240918;
constexpr int kRegionLevel = 2;
constexpr int kRegionCount = 70;
constexpr int kRegionMaxCells = 16;

void fillAtRandomBench(benchmark::State& state) {
    seedRandomWith(kGenerationSeed);
    ProgressMeter meter;
    PuzzleRecord record;
    int gaveUp = 0;
    for (auto _ : state) {
        resetRecord(record);
        if (fillAtRandom(record, meter) != kSearchSolved) ++gaveUp;
        benchmark::DoNotOptimize(record);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["gaveUp"] = gaveUp;
}
BENCHMARK(fillAtRandomBench)->Name("fillAtRandom/emptyGrid")->Unit(benchmark::kMicrosecond);

// A fresh answer made the way recordRegions makes it.
bool makeAnswer(PuzzleRecord& record) {
    ProgressMeter meter;
    resetRecord(record);
    if (fillAtRandom(record, meter) != kSearchSolved) return false;
    for (int cell = 0; cell < kCells; ++cell) {
        record.answerGrid[cell] = record.valueGrid[cell];
        record.valueGrid[cell] = 0;
    }
    record.answerKnown = 1;
    return true;
}

// Each repetition is one iteration on a new answer, so the reported median is
// the median over answers. The time is the thread's CPU time of the search
// alone: the answer is made outside it, and a busy machine does not count.
void searchRegionsBench(benchmark::State& state) {
    static uint32_t repetition = 0;
    seedRandomWith(kGenerationSeed + repetition++);
    ProgressMeter meter;
    PuzzleRecord record;
    std::vector<int32_t> table(kRegionCount * (kRegionMaxCells + 1));
    int found = 0;
    for (auto _ : state) {
        if (!makeAnswer(record)) {
            state.SkipWithError("fillAtRandom gave up on an empty grid");
            return;
        }
        std::fill(table.begin(), table.end(), 0);
        const double start = threadSeconds();
        found =
            searchRegions(record, table.data(), kRegionLevel, kRegionCount, kRegionMaxCells, meter);
        state.SetIterationTime(threadSeconds() - start);
        benchmark::DoNotOptimize(table.data());
    }
    state.counters["regionsFound"] = found;
}
BENCHMARK(searchRegionsBench)
    ->Name("searchRegions/level2_count70_maxCells16")
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(31)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ga::bench
