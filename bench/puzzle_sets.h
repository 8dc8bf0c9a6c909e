// The puzzle sets the benchmarks run on, where they are found, and what a
// correct check must answer for each.
#pragma once

#include <string>

#include "bench/puzzle_file.h"

namespace ga::bench {

// How many answers every puzzle of a set (or of a group of the bench set) has.
enum class AnswerClass { kUnknown, kNone, kSingle, kSeveral };

// The project's own bench set, bench/data/bench_set.txt in the source tree.
std::string ownBenchSetPath();

// The groups of the bench set, as named on its lines.
constexpr const char* kOwnGroups[] = {"unique", "few", "multi", "sparse", "none", "hardnone"};

// The directory of the public sets: $GRIDATELIER_PUBLIC_DATA when set, else
// the shared data directory beside the source tree.
std::string publicDataDir();

struct PublicSet {
    const char* fileName;
    AnswerClass answers;
    // The operations that take long per puzzle run on the first this many
    // puzzles only; 300 of magictour is the size the uniqueness target is
    // stated for, and a forum puzzle can take a second.
    int slowOperationLimit;
};
constexpr PublicSet kPublicSets[] = {
    {"magictour_top1465.txt", AnswerClass::kSingle, 300},
    {"qqwing_generated_2000.txt", AnswerClass::kSingle, 300},
    {"forum_hardest_1106.txt", AnswerClass::kSingle, 50},
    {"serg_benchmark.txt", AnswerClass::kSeveral, 300},
};

bool fileExists(const std::string& path);

// The file name without directories and extension ("magictour_top1465").
std::string setNameOf(const std::string& path);

// What every puzzle of a file has when the file is a known public set, else kUnknown.
AnswerClass answerClassOfFile(const std::string& path);
// What every puzzle of a bench-set group has.
AnswerClass answerClassOfGroup(const std::string& group);
// The group's class when the puzzle has one, else the file's.
AnswerClass answerClassOf(const LoadedPuzzle& puzzle, AnswerClass ofFile);

// The result a correct checkSolvable / checkMultiple gives, -1 when unknown.
// checkSolvable is exact below 65 empty cells only, where every "none" of the
// bench set lies.
int expectedSolvableResult(AnswerClass answers);
int expectedMultipleResult(AnswerClass answers);

}  // namespace ga::bench
