// Puzzles made to order per second of one thread, for every level and every
// technique of the ladder: how many came in the time given, how many minimal
// puzzles were made and rated on the way, and, per level, the share that the
// ladder needs a forcing chain for.
//
//   gridatelier_order_speed [--seconds S] [--seed N] [--only NAME] [--symmetry central]
//
// Each row runs puzzle numbers 0, 1, 2, ... of the seed until S seconds of
// this thread's CPU time have passed (at least one puzzle, at most 2,000,000
// tries each), so a row is the same work whatever else the machine runs.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/thread_clock.h"
#include "generator/made_to_order.h"

namespace {

using namespace ga;

// Forcing chains are the ladder's last rung.
bool needsForcingChain(const LadderRating& rating) {
    for (int t = 0; t < kTechniqueCount; ++t)
        if (rating.counts[t] > 0 && techniqueInfo(static_cast<Technique>(t)).rung == kHighestRung)
            return true;
    return false;
}

void runRow(const char* name, const PuzzleOrder& order, double seconds, uint64_t seed) {
    if (const std::string impossible = whyNoPuzzleMeets(order); !impossible.empty()) {
        std::printf("%-28s (%s)\n", name, impossible.c_str());
        return;
    }
    const double start = bench::threadSeconds();
    long puzzles = 0, tries = 0, forcing = 0, failed = 0;
    double elapsed = 0;
    for (uint64_t index = 0; puzzles + failed == 0 || elapsed < seconds; ++index) {
        OrderedPuzzle made;
        if (makeOrderedPuzzle(order, seed, index, 2'000'000, made)) {
            ++puzzles;
            forcing += needsForcingChain(made.rating) ? 1 : 0;
        } else {
            ++failed;
        }
        tries += made.tries;
        elapsed = bench::threadSeconds() - start;
    }
    std::printf("%-28s %9.2f %7ld %11.1f %9.1f %%", name, puzzles / elapsed, puzzles,
                puzzles > 0 ? static_cast<double>(tries) / puzzles : 0.0,
                puzzles > 0 ? 100.0 * forcing / puzzles : 0.0);
    if (failed > 0) std::printf("  (%ld gave up)", failed);
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 2;
    uint64_t seed = 1;
    std::string only;
    ClueSymmetry symmetry = ClueSymmetry::kNone;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::atof(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (std::strcmp(argv[i], "--only") == 0)
            only = argv[i + 1];
        else if (std::strcmp(argv[i], "--symmetry") == 0 &&
                 std::strcmp(argv[i + 1], "central") == 0)
            symmetry = ClueSymmetry::kCentral;
        else {
            std::fprintf(stderr,
                         "usage: %s [--seconds S] [--seed N] [--only NAME] [--symmetry central]\n",
                         argv[0]);
            return 2;
        }
    }
    std::printf("%-28s %9s %7s %11s %10s\n", "order", "puzzles/s", "made", "tries/each", "forcing");
    for (int level = 0; level < kPuzzleLevelCount; ++level) {
        if (!only.empty() && only != kLevelNames[level]) continue;
        PuzzleOrder order;
        order.byLevel = true;
        order.level = static_cast<Level>(level);
        order.symmetry = symmetry;
        runRow(kLevelNames[level], order, seconds, seed);
    }
    for (int t = 0; t < kTechniqueCount; ++t) {
        const TechniqueInfo& info = techniqueInfo(static_cast<Technique>(t));
        if (!only.empty() && only != info.name) continue;
        PuzzleOrder order;
        order.byTechnique = true;
        order.technique = static_cast<Technique>(t);
        order.symmetry = symmetry;
        runRow(info.name, order, seconds, seed);
    }
    return 0;
}
