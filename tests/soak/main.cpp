// gridatelier_soak [--puzzles N] [--sequences M] [--seed S]
//
// ctest runs a short version; the full run is
//   gridatelier_soak --puzzles 2000 --sequences 500
// best in a RelWithDebInfo build. Exit status 0 when every check passed.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>

#include "core/solver.h"
#include "generator/generation.h"
#include "generator/random.h"
#include "generator/serial.h"
#include "generator/transforms.h"
#include "tests/soak/soak.h"
#include "tests/support/exact_solver.h"
#include "tests/support/scratch_dir.h"

namespace ga::soak {

bool Tally::check(bool passed, const std::string& where, const std::string& what) {
    ++checks;
    if (passed) return true;
    if (++failures <= 20) std::fprintf(stderr, "FAILED %s: %s\n", where.c_str(), what.c_str());
    return false;
}

// Generation at volume, judged by the independent exact solver: one answer,
// the one stored; the pencil marks solve the classes that promise it; a
// puzzle built on a table comes back whole from its serial number.
void soakPuzzles(int count, uint32_t seed, Tally& tally) {
    std::mt19937 random(seed);
    for (int i = 0; i < count; ++i) {
        const int difficultyClass = i % 7;
        const uint32_t puzzleSeed = random();
        const std::string where =
            "class " + std::to_string(difficultyClass) + " seed " + std::to_string(puzzleSeed);
        seedRandomWith(puzzleSeed);
        PuzzleRecord puzzle;
        ProgressMeter meter;
        if (!tally.check(generatePuzzle(puzzle, difficultyClass, meter) == kGenerated, where,
                         "generated")) {
            continue;
        }
        ++tally.counts["puzzles of class " + std::to_string(difficultyClass)];
        PuzzleRecord clues;
        resetRecord(clues);
        bool cluesShown = true;
        for (int cell = 0; cell < kCells; ++cell) {
            const bool clue = puzzle.openFlags[cell] == 0;
            if (clue) clues.valueGrid[cell] = puzzle.answerGrid[cell];
            cluesShown &= puzzle.valueGrid[cell] == (clue ? puzzle.answerGrid[cell] : 0);
        }
        tally.check(cluesShown, where, "clues shown, open cells empty");
        int32_t answer[kCells];
        tally.check(testing::countAnswers(clues.valueGrid) == 1, where, "exactly one answer");
        tally.check(testing::solveOne(clues.valueGrid, answer) && puzzle.answerKnown == 1 &&
                        std::equal(answer, answer + kCells, puzzle.answerGrid),
                    where, "the stored answer is the answer");
        if (difficultyClass <= kLastLogicClass) {
            tally.check(solveJob(clues, kPencilMarks, meter) == kSolved &&
                            std::equal(answer, answer + kCells, clues.valueGrid),
                        where, "solved by the pencil marks");
        }
        const int source = static_cast<int>(puzzle.serial[kSourceAndTransformPart] >> kSourceShift);
        PuzzleRecord rebuilt{};
        std::copy(puzzle.serial, puzzle.serial + kSerialParts, rebuilt.serial);
        if (source == kFreshSource) {
            // A fresh answer is not in any table: its serial number is refused.
            tally.check(recreatePuzzle(rebuilt) == kSerialOutOfRange, where,
                        "fresh serial refused");
            ++tally.counts["puzzles on a fresh answer"];
            continue;
        }
        ++tally.counts["puzzles on a table, rebuilt"];
        tally.check(
            recreatePuzzle(rebuilt) == 0 &&
                std::equal(rebuilt.answerGrid, rebuilt.answerGrid + kCells, puzzle.answerGrid) &&
                std::equal(rebuilt.openFlags, rebuilt.openFlags + kCells, puzzle.openFlags),
            where, "the serial number rebuilds answer and clues");
    }
}

}  // namespace ga::soak

int main(int argc, char** argv) {
    long puzzles = 200, sequences = 50, seed = static_cast<long>(std::time(nullptr) & 0xFFFFFFFF);
    for (int i = 1; i < argc; ++i) {
        long* target = !std::strcmp(argv[i], "--puzzles")     ? &puzzles
                       : !std::strcmp(argv[i], "--sequences") ? &sequences
                       : !std::strcmp(argv[i], "--seed")      ? &seed
                                                              : nullptr;
        char* end = nullptr;
        if (target && i + 1 < argc) *target = std::strtol(argv[++i], &end, 10);
        if (!target || !end || *end != '\0' || *target < 0 || *target > 0xFFFFFFFFL) {
            std::fprintf(stderr, "usage: %s [--puzzles N] [--sequences M] [--seed S]\n", argv[0]);
            return 2;
        }
    }
    std::printf("seed %ld\n", seed);
    ga::soak::Tally tally;
    const auto start = std::chrono::steady_clock::now();
    ga::soak::soakPuzzles(static_cast<int>(puzzles), static_cast<uint32_t>(seed), tally);
    const auto between = std::chrono::steady_clock::now();
    {
        ga::testing::ScratchDir folder;
        ga::soak::soakWindow(static_cast<int>(sequences), static_cast<uint32_t>(seed),
                             folder.path(), tally);
    }
    const auto end = std::chrono::steady_clock::now();
    using Seconds = std::chrono::duration<double>;
    for (const auto& [name, count] : tally.counts) std::printf("%-32s %ld\n", name.c_str(), count);
    std::printf("puzzles %.1f s, sequences %.1f s\n", Seconds(between - start).count(),
                Seconds(end - between).count());
    std::printf("soak: %ld passed, %d failed\n", tally.checks - tally.failures, tally.failures);
    return tally.failures == 0 ? 0 : 1;
}
