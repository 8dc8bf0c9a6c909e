// Times one engine operation on every puzzle of a file, one puzzle at a time,
// and reports the total, the rate, the per-puzzle maxima and the slowest
// puzzles: a throughput figure alone hides the one puzzle that takes seconds.
// Puzzles are timed by the thread's CPU clock, so that other work on a busy
// machine does not count against them; the wall time of the whole run is
// shown beside it.
//
//   gridatelier_per_puzzle OPERATION FILE [--limit N] [--group G] [--over SECONDS]
//                          [--slowest K] [--seed S]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "bench/operations.h"
#include "bench/puzzle_file.h"
#include "bench/puzzle_sets.h"
#include "bench/thread_clock.h"
#include "core/random.h"

namespace {

using ga::bench::LoadedPuzzle;
using ga::bench::Operation;
using ga::bench::threadSeconds;

struct Options {
    const Operation* operation = nullptr;
    std::string path;
    int limit = -1;
    std::string group;
    double overSeconds = 0.3;
    int slowest = 3;
    uint32_t seed = 1;
};

int usage() {
    std::fprintf(stderr,
                 "usage: gridatelier_per_puzzle OPERATION FILE [--limit N] [--group G] "
                 "[--over SECONDS] [--slowest K] [--seed S]\noperations:");
    for (int i = 0; i < ga::bench::kOperationCount; ++i) {
        std::fprintf(stderr, " %s", ga::bench::kOperations[i].name);
    }
    std::fprintf(stderr, "\n");
    return 2;
}

bool parseOptions(int argc, char** argv, Options& options) {
    if (argc < 3) return false;
    options.operation = ga::bench::findOperation(argv[1]);
    if (!options.operation) return false;
    options.path = argv[2];
    for (int i = 3; i < argc; i += 2) {
        if (i + 1 >= argc) return false;
        const std::string flag = argv[i];
        const char* value = argv[i + 1];
        char* end = nullptr;
        if (flag == "--limit") {
            options.limit = static_cast<int>(std::strtol(value, &end, 10));
        } else if (flag == "--group") {
            options.group = value;
            end = const_cast<char*>(value) + options.group.size();
        } else if (flag == "--over") {
            options.overSeconds = std::strtod(value, &end);
        } else if (flag == "--slowest") {
            options.slowest = static_cast<int>(std::strtol(value, &end, 10));
        } else if (flag == "--seed") {
            options.seed = static_cast<uint32_t>(std::strtoul(value, &end, 10));
        } else {
            return false;
        }
        if (end == value || *end != '\0') return false;
    }
    return true;
}

struct Timing {
    size_t index;
    double seconds;
    int result;
};

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) return usage();

    std::vector<LoadedPuzzle> puzzles;
    std::string problem;
    if (!ga::bench::readPuzzleFile(options.path, options.limit, options.group, puzzles, problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    if (puzzles.empty()) {
        std::fprintf(stderr, "no puzzles in %s\n", options.path.c_str());
        return 1;
    }

    ga::seedRandomWith(options.seed);
    const ga::bench::AnswerClass ofFile = ga::bench::answerClassOfFile(options.path);
    std::vector<Timing> timings;
    std::map<int, int> resultCounts;
    int unexpected = 0;
    double total = 0;
    const auto wallStart = std::chrono::steady_clock::now();
    for (size_t i = 0; i < puzzles.size(); ++i) {
        ga::PuzzleRecord work = puzzles[i].record;
        const double start = threadSeconds();
        const int result = options.operation->run(work);
        const double seconds = threadSeconds() - start;
        timings.push_back({i, seconds, result});
        total += seconds;
        ++resultCounts[result];
        const int expected =
            options.operation->expected(ga::bench::answerClassOf(puzzles[i], ofFile));
        if (expected >= 0 && result != expected) {
            ++unexpected;
            std::printf("  unexpected result %d (expected %d) at line %d: %s\n", result, expected,
                        puzzles[i].lineNumber, puzzles[i].text.c_str());
        }
    }

    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::vector<Timing> bySeconds = timings;
    std::sort(bySeconds.begin(), bySeconds.end(),
              [](const Timing& a, const Timing& b) { return a.seconds > b.seconds; });
    const double median = bySeconds[bySeconds.size() / 2].seconds;
    const int over =
        static_cast<int>(std::count_if(timings.begin(), timings.end(), [&](const Timing& t) {
            return t.seconds > options.overSeconds;
        }));

    std::printf("%s on %s%s%s: %zu puzzles in %.3f s cpu (%.3f s wall), %.0f puzzles/s\n",
                options.operation->name, ga::bench::setNameOf(options.path).c_str(),
                options.group.empty() ? "" : " group ", options.group.c_str(), puzzles.size(),
                total, wall, puzzles.size() / total);
    std::printf("  per puzzle: median %.3f ms, max %.3f ms; over %.3f s: %d\n", median * 1e3,
                bySeconds[0].seconds * 1e3, options.overSeconds, over);
    std::printf("  results:");
    for (const auto& [result, count] : resultCounts) std::printf(" %d x%d", result, count);
    std::printf("; unexpected: %d\n", unexpected);
    const size_t shown =
        std::min(bySeconds.size(), static_cast<size_t>(std::max(options.slowest, 0)));
    for (size_t k = 0; k < shown; ++k) {
        const LoadedPuzzle& puzzle = puzzles[bySeconds[k].index];
        std::printf("  slowest %zu: %.3f ms, result %d, line %d: %s\n", k + 1,
                    bySeconds[k].seconds * 1e3, bySeconds[k].result, puzzle.lineNumber,
                    puzzle.text.c_str());
    }
    return 0;
}
