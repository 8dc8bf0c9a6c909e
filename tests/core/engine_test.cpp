// The engine's entry points on the puzzles of data/puzzles.txt, and its
// verdicts against the exact solver on generated puzzles.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "core/candidates.h"
#include "core/checks.h"
#include "core/searches.h"
#include "core/solver.h"
#include "generator/random.h"
#include "tests/support/exact_solver.h"
#include "tests/support/test_records.h"

namespace ga::testing {
namespace {

// Runs one check on the puzzle with its clues loaded, as the board's record
// always is. The board is left as it was found; a bar, when shown, is framed.
int runCheck(PuzzleRecord record, bool multiple, bool* barShown = nullptr) {
    loadClues(record);
    const Grid before = copyOf(record.valueGrid);
    RecordingSink sink;
    const int result =
        multiple ? checkMultiple(record, sink.meter) : checkSolvable(record, sink.meter);
    EXPECT_EQ(copyOf(record.valueGrid), before) << "multiple " << multiple;
    EXPECT_TRUE(sink.events.empty() || sink.framed());
    if (barShown) *barShown = !sink.events.empty();
    return result;
}

class EnginePuzzles : public ::testing::TestWithParam<DataCase> {};

// Every entry point keeps clues and entries, and solved means solved. A failed
// backtracking or random search, or pencil marks that met a repeat, put the
// board back; pencil marks that merely stop leave what they found. Candidates
// go only to open empty cells: none, or at least two in ascending order (one
// would have been placed), never dropping the answer.
TEST_P(EnginePuzzles, EveryEntryPoint) {
    const std::string& text = GetParam().puzzle;
    const std::vector<int>& expected = GetParam().expected;
    const Grid start = gridFromText(text);  // clues and entries
    Grid answer{};
    const int answers = countAnswers(start.data(), 2, answer.data());
    const bool repeats = hasDuplicate(start.data());
    seedRandomWith(GetParam().line);
    bool bars[2];
    EXPECT_EQ(runCheck(puzzleFromText(text), false, &bars[0]), expected.at(0));
    EXPECT_EQ(runCheck(puzzleFromText(text), true, &bars[1]), expected.at(1));
    EXPECT_EQ(bars[0] + bars[1], 2 * expected.at(2));
    // Pencil marks, backtracking, the random fill, the search with memory and
    // the exhaustive search (up to 64 empty cells; it keeps only an answer it
    // finds at the first level).
    for (int way = 0; way < 5; ++way) {
        SCOPED_TRACE(way);
        PuzzleRecord record = puzzleFromText(text);
        loadClues(record);
        RecordingSink sink;
        RepeatMemory memory;
        memory.clear();
        CandidateSet candidates;
        UnitWork work;
        initUnitWork(work);
        const bool few = std::count(start.begin(), start.end(), 0) < 65;
        const int result = way < 2    ? solveJob(record, way, sink.meter)
                           : way == 2 ? fillAtRandom(record, sink.meter)
                           : !few     ? -1
                           : way == 3 ? solveByRestarts(record, 100, memory, nullptr)
                                      : solveDepthFirst(record, candidates, work, sink.meter);
        if (result < 0) continue;
        EXPECT_EQ(result, way < 2    ? expected.at(3 + way)
                          : answers  ? kSearchSolved
                          : way == 4 ? kSearchNoAnswer
                                     : kSearchGaveUp);
        if (way == 4) continue;
        EXPECT_TRUE(way >= 2 || sink.framed());
        for (int cell = 0; cell < kCells; ++cell)
            EXPECT_TRUE(!start[cell] || record.valueGrid[cell] == start[cell]) << cell;
        if (result == 0) {
            EXPECT_TRUE(isSolved(record.valueGrid));
            EXPECT_TRUE(answers != 1 || copyOf(record.valueGrid) == answer);
        } else if (way != kPencilMarks || repeats) {
            EXPECT_EQ(copyOf(record.valueGrid), start);
        }
    }
    PuzzleRecord record = puzzleFromText(text);
    std::fill(std::begin(record.candidateNumbers), std::end(record.candidateNumbers), -1);
    const Grid entries = copyOf(record.valueGrid);
    EXPECT_EQ(showCandidates(record), expected.at(5));
    EXPECT_EQ(copyOf(record.valueGrid), entries);
    for (int cell = 0; cell < kCells; ++cell) {
        const std::string digits = std::to_string(record.candidateNumbers[cell]);
        if (start[cell] || digits == "0") {
            EXPECT_EQ(digits, start[cell] ? "-1" : "0") << cell;
        } else {
            EXPECT_EQ(std::adjacent_find(digits.begin(), digits.end(), std::greater_equal<>()),
                      digits.end());
            EXPECT_TRUE(
                digits.size() >= 2 &&
                (answers != 1 || digits.find(char('0' + answer[cell])) != std::string::npos))
                << cell << ": " << digits;
        }
    }
}

GA_DATA_FILE_CASES(EnginePuzzles, "puzzles.txt");

// A random answer with 25 to 60 cells emptied (every tenth 66 to 71); every
// fourth has a clue changed to a value its units lack.
Grid generatedPuzzle(uint32_t seed) {
    const Grid answer = randomAnswer(seed);
    std::mt19937 shaping(seed);
    Grid clues = answer;
    const int toEmpty = seed % 10 == 9 ? 66 + shaping() % 6 : 25 + shaping() % 36;
    std::vector<int> cells(kCells);
    std::iota(cells.begin(), cells.end(), 0);
    std::shuffle(cells.begin(), cells.end(), shaping);
    for (int i = 0; i < toEmpty; ++i) clues[cells[i]] = 0;
    for (int value = 1; seed % 4 == 0 && value <= 9; ++value) {
        clues[cells[toEmpty]] = value;
        if (value != answer[cells[toEmpty]] && !hasDuplicate(clues.data())) break;
        clues[cells[toEmpty]] = answer[cells[toEmpty]];
    }
    return clues;
}

TEST(AgreementWithExactSolver, OnGeneratedPuzzles) {
    int multiAnswerJudgedSingle = 0, multiAnswerPuzzles = 0;
    for (uint32_t seed = 1; seed <= 240; ++seed) {
        const Grid clues = generatedPuzzle(seed);
        const int answers = countAnswers(clues.data());
        const int empty = static_cast<int>(std::count(clues.begin(), clues.end(), 0));
        SCOPED_TRACE(textOf(clues.data()) + " answers " + std::to_string(answers));
        seedRandomWith(seed);
        const int solvable = runCheck(puzzleFromText(textOf(clues.data())), false);
        const int multiple = runCheck(puzzleFromText(textOf(clues.data())), true);
        if (answers == 0) {
            // Proved by the exhaustive search, or the random search gave up.
            EXPECT_EQ(solvable, empty <= 64 ? kNoAnswerProved : kNoAnswerFound);
            EXPECT_EQ(multiple, kNoAnswer);
            continue;
        }
        EXPECT_EQ(solvable, kSolvable);
        EXPECT_TRUE(answers == 1 ? multiple == kSingleAnswer : multiple != kNoAnswer);
        // Ten random answers may agree by chance on a puzzle with few answers: rarely.
        multiAnswerPuzzles += answers > 1;
        multiAnswerJudgedSingle += answers > 1 && multiple == kSingleAnswer;
    }
    EXPECT_LE(multiAnswerJudgedSingle * 10, multiAnswerPuzzles);
}

// A stored answer decides checkSolvable at once and serves checkMultiple;
// it counts only when known, complete and valid.
TEST(StoredAnswer, ServesTheChecksOnlyWhenUsable) {
    const Grid solved = gridFromText(kSolvedText);
    PuzzleRecord typed = puzzleWithAnswer(Grid{}, solved);
    EXPECT_TRUE(storedAnswerUsable(typed));
    std::fill(std::begin(typed.valueGrid), std::end(typed.valueGrid), 4);
    RecordingSink sink;
    EXPECT_EQ(checkSolvable(typed, sink.meter), kSolvable);
    EXPECT_TRUE(sink.events.empty()) << "nothing searched";
    for (int broken : {0, 1, 2}) {
        PuzzleRecord record = puzzleWithAnswer(Grid{}, solved);
        (broken == 0 ? record.answerKnown : record.answerGrid[70]) = broken == 2 ? 5 : 0;
        EXPECT_FALSE(storedAnswerUsable(record)) << broken;
    }
    const char* unique =
        "...3.....7...92...23....49..5..8.96...6.1...4..37....1..........1.2.7.5..97.....2";
    Grid uniqueAnswer{};
    countAnswers(gridFromText(unique).data(), 1, uniqueAnswer.data());
    PuzzleRecord single = puzzleWithAnswer(gridFromText(unique), uniqueAnswer);
    EXPECT_EQ(checkMultiple(single, sink.meter), kSingleAnswer);
    // Two answers with one of them stored: a batch reaching the other differs.
    const char* twoAnswers =
        "92356..1768421753915739..26861439275475621983239785641592873164346152798718946352";
    PuzzleRecord record = puzzleWithAnswer(gridFromText(twoAnswers), solved);
    seedRandomWith(21);
    EXPECT_EQ(checkMultiple(record, sink.meter), kMultipleAnswers);
    // Flagged as known but empty at the open cells: checkMultiple forgets it.
    record = puzzleFromText(twoAnswers);
    record.answerKnown = 1;
    EXPECT_EQ(checkSolvable(record, sink.meter), kSolvable);
    EXPECT_EQ(checkMultiple(record, sink.meter), kMultipleAnswers);
    EXPECT_EQ(record.answerKnown, 0);
}

// A cell conflicts when its value stands elsewhere in its units: clues from
// answerGrid (loaded or not), open cells from valueGrid; a letter is an entry.
TEST(GridRules, HasConflict) {
    const struct {
        std::string text;
        int cell, conflict;
    } cases[] = {{"f" + std::string(80, '.'), 0, 0},
                 {".", 0, 0},
                 {"f.......6", 0, 1},
                 {"f" + std::string(71, '.') + "f", 0, 1},
                 {"f.........f", 0, 1},
                 {"f...........f", 0, 0},
                 {"5...e", 0, 1},
                 {"6...f", 4, 1}};
    for (const auto& c : cases) {
        PuzzleRecord record = puzzleFromText(c.text + std::string(81 - c.text.size(), '.'));
        record.valueGrid[c.cell] = gridFromText(c.text)[c.cell];
        EXPECT_EQ(hasConflict(record, c.cell), c.conflict) << c.text;
        loadClues(record);
        EXPECT_EQ(hasConflict(record, c.cell), c.conflict) << c.text << " loaded";
    }
}

}  // namespace
}  // namespace ga::testing
