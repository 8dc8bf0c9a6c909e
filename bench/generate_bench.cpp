// generatePuzzle per difficulty class, split into its three phases: the random
// fill of the fresh answer, the search for that answer's Regions, and the rest
// (drawing the base, placing the clues, the disguise).
//
// The generator is timed as it is, through its own progress meter: it shows
// the bar before the fill and hides it right after the region search, so a
// sink that reads the clock on hide() splits the searches from the rest. The
// fill alone has no such mark, so it is timed again on its own from the same
// seed: it makes the first draws of a generation, so seeded alike it repeats
// exactly the same work, which the answers prove.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "bench/thread_clock.h"
#include "core/random.h"
#include "core/searches.h"
#include "generator/generation.h"
#include "generator/serial.h"
#include "generator/transforms.h"

namespace ga::bench {
namespace {

constexpr uint32_t kFirstSeed = 20240918;
// With 41 seeds the 95th percentile falls exactly on a sample, the third slowest.
constexpr int kSeedsPerClass = 41;
constexpr int kLastTimedClass = 6;

// Records when generation showed and hid its bar, and the fresh answer as it
// stood when the searches were over.
class PhaseClock : public ProgressSink {
  public:
    explicit PhaseClock(const PuzzleRecord& record) : record_(record) {}

    void show() override { ++shows; }
    void hide() override {
        hiddenAt = threadSeconds();
        ++hides;
        answerAtHide = record_.answerGrid;
    }
    // The bar moves on every turn of the fill; a real bar pays for a call too.
    void setPosition(int position) override { benchmark::DoNotOptimize(position); }

    int shows = 0;
    int hides = 0;
    double hiddenAt = 0;
    Grid answerAtHide{};

  private:
    const PuzzleRecord& record_;
};

// The fresh answer generation starts from, drawn as generation draws it.
void fillFreshAnswer(PuzzleRecord& record, ProgressMeter& meter) {
    do {
        resetRecord(record);
    } while (fillAtRandom(record, meter) != kSearchSolved || !isSolved(record.valueGrid));
}

// Interpolated between the nearest samples, as most tools compute it.
double percentile95(const std::vector<double>& samples) {
    if (samples.empty()) return 0;
    std::vector<double> sorted(samples);
    std::sort(sorted.begin(), sorted.end());
    const double position = 0.95 * (sorted.size() - 1);
    const size_t below = static_cast<size_t>(position);
    if (below + 1 >= sorted.size()) return sorted.back();
    return sorted[below] + (position - below) * (sorted[below + 1] - sorted[below]);
}

// One repetition is one generation on the next seed of the class, so the
// aggregates are taken over seeds. Time is the thread's CPU time of
// generatePuzzle; the counters split it, in milliseconds of the same clock.
void generatePuzzleBench(benchmark::State& state) {
    const int difficultyClass = static_cast<int>(state.range(0));
    static int seedsUsed[kHighestClass + 1] = {};
    const uint32_t seed = kFirstSeed + seedsUsed[difficultyClass]++;

    PuzzleRecord record;
    PhaseClock clock(record);
    ProgressMeter meter;
    meter.bar = &clock;
    PuzzleRecord replay;
    PhaseClock replayClock(replay);
    ProgressMeter replayMeter;
    replayMeter.bar = &replayClock;

    double total = 0, fill = 0, searches = 0;
    for (auto _ : state) {
        seedRandomWith(seed);
        const double start = threadSeconds();
        const int result = generatePuzzle(record, difficultyClass, meter);
        const double end = threadSeconds();
        state.SetIterationTime(end - start);

        state.PauseTiming();
        seedRandomWith(seed);
        const double fillStart = threadSeconds();
        fillFreshAnswer(replay, replayMeter);
        fill = threadSeconds() - fillStart;
        state.ResumeTiming();

        if (result != kGenerated) {
            state.SkipWithError("generatePuzzle refused the class");
            return;
        }
        if (clock.shows != 1 || clock.hides != 1) {
            state.SkipWithError("generatePuzzle no longer shows and hides the bar once each");
            return;
        }
        if (replay.valueGrid != clock.answerAtHide) {
            state.SkipWithError("the fill timed alone made another answer than generation's");
            return;
        }
        total = end - start;
        searches = clock.hiddenAt - start;
        benchmark::DoNotOptimize(record);
    }
    const int source = static_cast<int>(record.serial[kSourceAndTransformPart] >> kSourceShift);
    state.counters["fill_ms"] = fill * 1e3;
    state.counters["regions_ms"] = (searches - fill) * 1e3;
    state.counters["rest_ms"] = (total - searches) * 1e3;
    state.counters["onTable"] = source != kFreshSource ? 1 : 0;
}
BENCHMARK(generatePuzzleBench)
    ->Name("generatePuzzle")
    ->ArgName("class")
    ->DenseRange(kLowestClass, kLastTimedClass)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(kSeedsPerClass)
    ->ComputeStatistics("p95", percentile95)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ga::bench
