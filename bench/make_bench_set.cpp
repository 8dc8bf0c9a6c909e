// Writes the project's own bench set to standard output:
//
//   gridatelier_make_bench_set [--seed S] > bench/data/bench_set.txt
//
// Every puzzle comes from a random complete answer made by fillAtRandom; its
// group says how many answers it has, as decided by the independent exact
// solver of answer_counter.h.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/answer_counter.h"
#include "core/bits.h"
#include "core/checks.h"
#include "core/puzzle_record.h"
#include "core/random.h"
#include "core/searches.h"

namespace {

using ga::kCells;

constexpr uint32_t kDefaultSeed = 1;

struct Grid {
    int32_t values[kCells];
};

int drawBetween(int low, int high) {
    return low + ga::chooseAmong(high - low + 1);
}

Grid freshAnswer() {
    ga::PuzzleRecord record;
    ga::ProgressMeter meter;
    do {
        ga::resetRecord(record);
    } while (ga::fillAtRandom(record, meter) != ga::kSearchSolved);
    Grid answer;
    std::copy(record.valueGrid.begin(), record.valueGrid.end(), answer.values);
    if (ga::bench::countAnswers(answer.values, 1) != 1) {
        // The labels would be wrong for every puzzle made from it.
        std::fprintf(stderr, "fillAtRandom returned a grid that is not a valid answer\n");
        std::exit(1);
    }
    return answer;
}

void shuffleCells(int (&order)[kCells]) {
    for (int i = 0; i < kCells; ++i) order[i] = i;
    for (int i = kCells - 1; i > 0; --i) {
        const int j = ga::chooseAmong(i + 1);
        const int kept = order[i];
        order[i] = order[j];
        order[j] = kept;
    }
}

int clueCount(const Grid& grid) {
    int count = 0;
    for (int value : grid.values) count += value != 0;
    return count;
}

// Takes clues away in random order while the answer stays unique, down to
// `target` clues or to a minimal puzzle, whichever comes first.
Grid reduceToUnique(const Grid& answer, int target) {
    Grid puzzle = answer;
    int order[kCells];
    shuffleCells(order);
    int clues = kCells;
    for (int cell : order) {
        if (clues <= target) break;
        const int32_t kept = puzzle.values[cell];
        puzzle.values[cell] = 0;
        if (ga::bench::countAnswers(puzzle.values, 2) == 1) {
            --clues;
        } else {
            puzzle.values[cell] = kept;
        }
    }
    return puzzle;
}

// `size` clues of the answer at random cells.
Grid randomClues(const Grid& answer, int size) {
    int order[kCells];
    shuffleCells(order);
    Grid puzzle = {};
    for (int i = 0; i < size; ++i) puzzle.values[order[i]] = answer.values[order[i]];
    return puzzle;
}

int randomClueCell(const Grid& puzzle) {
    int cells[kCells];
    int count = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (puzzle.values[cell] != 0) cells[count++] = cell;
    }
    return cells[ga::chooseAmong(count)];
}

Grid uniquePuzzle() {
    return reduceToUnique(freshAnswer(), drawBetween(22, 60));
}

// A minimal puzzle less one clue: its answers differ in only a few cells, the
// hardest case for a uniqueness check that samples answers.
Grid fewPuzzle() {
    Grid puzzle = reduceToUnique(freshAnswer(), 0);
    puzzle.values[randomClueCell(puzzle)] = 0;
    return puzzle;
}

Grid multiPuzzle() {
    for (;;) {
        Grid puzzle = randomClues(freshAnswer(), drawBetween(17, 40));
        if (ga::bench::countAnswers(puzzle.values, 2) == 2) return puzzle;
    }
}

// 65 or more empty cells, where the checks take their randomized path.
Grid sparsePuzzle() {
    return randomClues(freshAnswer(), drawBetween(0, 16));
}

// One clue changed to another value that repeats no clue of its row, column
// or box; false when every other value would.
bool changeOneClue(Grid& puzzle) {
    const int cell = randomClueCell(puzzle);
    uint32_t allowed = ga::kAllValues & ~ga::bitOfValue(puzzle.values[cell]);
    for (int unitIndex = 0; unitIndex < 3; ++unitIndex) {
        for (int peer : ga::kUnitCells[ga::kCellUnits[cell][unitIndex]]) {
            if (peer != cell && puzzle.values[peer] != 0) {
                allowed &= ~ga::bitOfValue(puzzle.values[peer]);
            }
        }
    }
    if (allowed == 0) return false;
    int pick = ga::chooseAmong(ga::countBits(allowed));
    while (pick-- > 0) allowed = ga::withoutLowestBit(allowed);
    puzzle.values[cell] = ga::lowestBitIndex(allowed) + 1;
    return true;
}

// Guesses the exact solver of answer_counter.h needs to find that no answer exists.
long exactSolverGuesses(const Grid& puzzle) {
    long nodes = 0;
    ga::bench::countAnswers(puzzle.values, 1, &nodes);
    return nodes;
}

// Calls the engine's exhaustive search makes inside checkSolvable. Its worst
// cases are not the exact solver's (it always guesses on the first empty
// cell), so they are sought by its own count; whether an answer exists is
// still decided by the exact solver alone.
long engineSearchCalls(const Grid& puzzle) {
    ga::PuzzleRecord record;
    ga::resetRecord(record);
    for (int cell = 0; cell < kCells; ++cell) {
        if (puzzle.values[cell] == 0) continue;
        record.openFlags[cell] = 0;
        record.answerGrid[cell] = puzzle.values[cell];
    }
    ga::ProgressMeter meter;
    ga::checkSolvable(record, meter);
    return static_cast<long>(meter.current);
}

// No answer, 50 to 60 empty cells, no clue repeated in a unit: only a search
// can tell. Made by changing one clue, of a minimal puzzle or of random clues
// of an answer. Most such puzzles fall to the logic at once and measure
// nothing, so of `tries` of them the hardest is kept.
Grid hardestWithoutAnswer(int tries, long (*hardness)(const Grid&)) {
    Grid hardest = {};
    long hardestSoFar = -1;
    for (int tried = 0; tried < tries;) {
        Grid puzzle = tried % 2 == 0 ? reduceToUnique(freshAnswer(), 0)
                                     : randomClues(freshAnswer(), drawBetween(21, 31));
        const int empty = kCells - clueCount(puzzle);
        if (empty < 50 || empty > 60 || !changeOneClue(puzzle)) continue;
        if (ga::bench::countAnswers(puzzle.values, 1) != 0) continue;
        ++tried;
        const long cost = hardness(puzzle);
        if (cost > hardestSoFar) {
            hardest = puzzle;
            hardestSoFar = cost;
        }
    }
    return hardest;
}

Grid nonePuzzle() {
    return hardestWithoutAnswer(12, exactSolverGuesses);
}

// The worst cases of the exhaustive search, up to a hundred thousand calls and more.
Grid hardNonePuzzle() {
    return hardestWithoutAnswer(300, engineSearchCalls);
}

struct GroupPlan {
    const char* group;
    int count;
    Grid (*make)();
};

constexpr GroupPlan kPlan[] = {
    {"unique", 120, uniquePuzzle}, {"few", 50, fewPuzzle},   {"multi", 50, multiPuzzle},
    {"sparse", 30, sparsePuzzle},  {"none", 24, nonePuzzle}, {"hardnone", 6, hardNonePuzzle},
};

void printPuzzle(const Grid& puzzle, const char* group) {
    char text[kCells + 1];
    for (int cell = 0; cell < kCells; ++cell) {
        text[cell] = puzzle.values[cell] ? static_cast<char>('0' + puzzle.values[cell]) : '.';
    }
    text[kCells] = '\0';
    std::printf("%s %s\n", text, group);
}

}  // namespace

int main(int argc, char** argv) {
    uint32_t seed = kDefaultSeed;
    if (argc == 3 && std::strcmp(argv[1], "--seed") == 0) {
        seed = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10));
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: gridatelier_make_bench_set [--seed S]\n");
        return 2;
    }
    ga::seedRandomWith(seed);
    std::printf(
        "# gridAtelier bench set: one puzzle per line, then its group.\n"
        "#   unique    one answer, 22 to 60 clues\n"
        "#   few       a minimal puzzle less one clue: answers that differ in a few cells\n"
        "#   multi     17 to 40 random clues of an answer, two answers or more\n"
        "#   sparse    16 random clues or fewer\n"
        "#   none      no answer, 50 to 60 empty cells: one clue changed, the hardest of 12\n"
        "#   hardnone  the same, the hardest of 300 for the engine's exhaustive search\n"
        "# Made by gridatelier_make_bench_set --seed %u (see bench/README.md).\n",
        static_cast<unsigned>(seed));
    for (const GroupPlan& plan : kPlan) {
        for (int i = 0; i < plan.count; ++i) printPuzzle(plan.make(), plan.group);
    }
    return 0;
}
