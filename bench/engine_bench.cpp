// Each engine operation timed over whole puzzle sets: one iteration runs the
// operation once on every puzzle of the set, so items_per_second is puzzles/s.
// The counters result0..result2 count the result codes of one pass, and
// `unexpected` the results that contradict what is known of the puzzles
// (a check that calls a puzzle of the "none" group solvable, say): timings of
// an engine that answers wrongly mean nothing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/operations.h"
#include "bench/puzzle_file.h"
#include "bench/puzzle_sets.h"
#include "core/random.h"

namespace ga::bench {
namespace {

// The randomized searches draw from the one stream; a fixed seed makes two
// runs of a benchmark do the same work.
constexpr uint32_t kBenchSeed = 20240917;

struct SetSelection {
    std::string path;
    std::string group;  // only puzzles of this bench-set group; empty for all
    int limit;          // the first `limit` puzzles, all when negative
};

struct PreparedPuzzle {
    PuzzleRecord record;
    AnswerClass answers;
};

// Files are read once, on the first benchmark that needs them, so that a
// filtered run reads only what it uses.
const std::vector<PreparedPuzzle>& puzzlesOf(const SetSelection& selection, std::string& problem) {
    static std::map<std::string, std::vector<PreparedPuzzle>> cache;
    const std::string key =
        selection.path + '|' + selection.group + '|' + std::to_string(selection.limit);
    auto found = cache.find(key);
    if (found != cache.end()) return found->second;

    std::vector<PreparedPuzzle>& prepared = cache[key];
    std::vector<LoadedPuzzle> loaded;
    if (!readPuzzleFile(selection.path, selection.limit, selection.group, loaded, problem)) {
        return prepared;
    }
    const AnswerClass ofFile = answerClassOfFile(selection.path);
    for (const LoadedPuzzle& puzzle : loaded) {
        prepared.push_back({puzzle.record, answerClassOf(puzzle, ofFile)});
    }
    if (prepared.empty()) problem = "no puzzles in " + selection.path;
    return prepared;
}

void runOperationOnSet(benchmark::State& state, const Operation* operation,
                       const SetSelection& selection) {
    std::string problem;
    const std::vector<PreparedPuzzle>& puzzles = puzzlesOf(selection, problem);
    if (puzzles.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    std::vector<int> expected;
    for (const PreparedPuzzle& puzzle : puzzles) {
        expected.push_back(operation->expected(puzzle.answers));
    }

    seedRandomWith(kBenchSeed);
    int resultCounts[3] = {0, 0, 0};
    int otherResults = 0;
    int unexpected = 0;
    PuzzleRecord work;
    for (auto _ : state) {
        resultCounts[0] = resultCounts[1] = resultCounts[2] = 0;
        otherResults = unexpected = 0;
        for (size_t i = 0; i < puzzles.size(); ++i) {
            work = puzzles[i].record;
            const int result = operation->run(work);
            benchmark::DoNotOptimize(work);
            if (result >= 0 && result <= 2) {
                ++resultCounts[result];
            } else {
                ++otherResults;
            }
            if (expected[i] >= 0 && result != expected[i]) ++unexpected;
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(puzzles.size()));
    state.counters["puzzles"] = static_cast<double>(puzzles.size());
    for (int code = 0; code < 3; ++code) {
        state.counters["result" + std::to_string(code)] = resultCounts[code];
    }
    if (otherResults) state.counters["resultOther"] = otherResults;
    state.counters["unexpected"] = unexpected;
}

void registerOnSet(const Operation& operation, const std::string& setName,
                   const SetSelection& selection) {
    const std::string name = std::string(operation.name) + "/" + setName;
    benchmark::RegisterBenchmark(name.c_str(), runOperationOnSet, &operation, selection)
        ->Unit(benchmark::kMillisecond);
}

void registerOwnSet() {
    const std::string path = ownBenchSetPath();
    if (!fileExists(path)) {
        std::fprintf(stderr, "bench set %s is missing: its benchmarks are skipped\n", path.c_str());
        return;
    }
    for (const Operation& operation : kOperations) {
        for (const char* group : kOwnGroups) {
            registerOnSet(operation, std::string("own_") + group, {path, group, -1});
        }
    }
}

void registerPublicSets() {
    const std::string directory = publicDataDir();
    for (const PublicSet& set : kPublicSets) {
        const std::string path = directory + "/" + set.fileName;
        if (!fileExists(path)) {
            std::fprintf(stderr,
                         "%s not found (GRIDATELIER_PUBLIC_DATA names the directory of the public "
                         "sets): its benchmarks are skipped\n",
                         path.c_str());
            continue;
        }
        for (const Operation& operation : kOperations) {
            const int limit = operation.slowPerPuzzle ? set.slowOperationLimit : -1;
            std::string setName = setNameOf(path);
            if (limit >= 0) setName += "_first" + std::to_string(limit);
            registerOnSet(operation, setName, {path, "", limit});
        }
    }
}

// Registration needs the file system, so it runs at start-up rather than
// through the BENCHMARK macro.
const bool registered = [] {
    registerOwnSet();
    registerPublicSets();
    return true;
}();

}  // namespace
}  // namespace ga::bench
