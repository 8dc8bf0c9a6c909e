#include "core/searches.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "generator/random.h"
#include "tests/core/test_records.h"
#include "tests/support/exact_solver.h"

namespace {

using ga::kCells;
using ga::ProgressMeter;
using ga::PuzzleRecord;
using ga::testing::Grid;

const char* const kSolved =
    "923564817684217539157398426861439275475621983239785641592873164346152798718946352";

// Runs solveDepthFirst as its callers do: clues loaded, meter at 0 of the open
// empty cells. Returns the result; `calls` receives the number of calls made.
int depthFirst(PuzzleRecord& record, double* calls = nullptr) {
    ga::loadClues(record);
    ProgressMeter meter;
    meter.set(0, ga::countOpenEmpty(record), 0);
    ga::CandidateSet candidates;
    ga::UnitWork work;
    ga::initUnitWork(work);
    const int result = ga::solveDepthFirst(record, candidates, work, meter);
    if (calls) *calls = meter.current;
    return result;
}

// Half the cells clues, the other half typed in by the player.
PuzzleRecord filledBoard(const Grid& values) {
    PuzzleRecord record;
    ga::resetRecord(record);
    for (int cell = 0; cell < kCells; ++cell) {
        if (cell % 2) {
            record.openFlags[cell] = 0;
            record.answerGrid[cell] = values[cell];
        } else {
            record.valueGrid[cell] = values[cell];
        }
    }
    return record;
}

TEST(SolveDepthFirst, FilledBoardIsJudgedAsItStands) {
    PuzzleRecord solved = filledBoard(ga::testing::gridFromText(kSolved));
    EXPECT_EQ(depthFirst(solved), ga::kSearchSolved);

    Grid repeated = ga::testing::gridFromText(kSolved);
    repeated[40] = repeated[41];
    PuzzleRecord wrong = filledBoard(repeated);
    EXPECT_EQ(depthFirst(wrong), ga::kSearchNoAnswer);
}

TEST(SolveDepthFirst, FirstEmptyCellWithoutCandidatesEndsAtOnce) {
    // Cell 0 sees 1..8 in its row and 9 below it in its column.
    PuzzleRecord record = ga::testing::puzzleFromText(
        ".12345678"
        "9" +
        std::string(71, '.'));
    ga::loadClues(record);
    const Grid before = ga::testing::copyOf(record.valueGrid);
    double calls = 0;
    EXPECT_EQ(depthFirst(record, &calls), ga::kSearchNoAnswer);
    EXPECT_EQ(calls, 1);  // no recursion
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), before);
}

// A complete grid with the given cells emptied, as clues and open cells.
PuzzleRecord withCellsOpen(const Grid& answer, const std::vector<int>& cells) {
    Grid clues = answer;
    for (int cell : cells) clues[cell] = 0;
    return ga::testing::puzzleFromClues(clues);
}

// Two exchangeable rectangles that share no row, column or box, so emptying
// both leaves four answers.
std::pair<std::array<int, 4>, std::array<int, 4>> independentRectangles(const Grid& answer) {
    const auto rectangles = ga::testing::exchangeableRectangles(answer);
    for (const auto& first : rectangles) {
        for (const auto& second : rectangles) {
            Grid clues = answer;
            for (int cell : first) clues[cell] = 0;
            for (int cell : second) clues[cell] = 0;
            bool apart = true;
            for (int a : first) {
                for (int b : second) {
                    apart = apart && ga::rowOf(a) != ga::rowOf(b) &&
                            ga::columnOf(a) != ga::columnOf(b) && ga::boxOf(a) != ga::boxOf(b);
                }
            }
            if (apart && ga::testing::countAnswers(clues.data(), 5) == 4) return {first, second};
        }
    }
    ADD_FAILURE() << "no independent rectangles in " << ga::testing::textOf(answer.data());
    return {};
}

TEST(SolveDepthFirst, AnswerFoundAtTheFirstLevelStays) {
    const Grid answer = ga::testing::gridFromText(kSolved);
    const auto rectangles = ga::testing::exchangeableRectangles(answer);
    ASSERT_FALSE(rectangles.empty());
    const auto& cells = rectangles.front();
    PuzzleRecord record = withCellsOpen(answer, {cells.begin(), cells.end()});
    double calls = 0;
    EXPECT_EQ(depthFirst(record, &calls), ga::kSearchSolved);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(ga::isSolved(record.valueGrid));
    // Values are tried in ascending order at the first open cell.
    EXPECT_EQ(record.valueGrid[cells[0]], std::min(answer[cells[0]], answer[cells[1]]));
}

TEST(SolveDepthFirst, AnswerFoundDeeperIsNotLeftBehind) {
    const Grid answer = ga::testing::gridFromText(kSolved);
    const auto [first, second] = independentRectangles(answer);
    std::vector<int> cells(first.begin(), first.end());
    cells.insert(cells.end(), second.begin(), second.end());
    PuzzleRecord record = withCellsOpen(answer, cells);
    ga::loadClues(record);
    const Grid loaded = ga::testing::copyOf(record.valueGrid);
    double calls = 0;
    EXPECT_EQ(depthFirst(record, &calls), ga::kSearchSolved);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), loaded);
}

// --- fillAtRandom ------------------------------------------------------------------

TEST(FillAtRandom, EmptyRecordBecomesARandomCompleteGrid) {
    std::set<std::string> seen;
    for (uint32_t seed = 1; seed <= 25; ++seed) {
        ga::seedRandomWith(seed);
        PuzzleRecord record;
        ga::resetRecord(record);
        ProgressMeter meter;
        ASSERT_EQ(ga::fillAtRandom(record, meter), ga::kSearchSolved) << "seed " << seed;
        EXPECT_TRUE(ga::isSolved(record.valueGrid)) << "seed " << seed;
        EXPECT_EQ(ga::testing::countAnswers(record.valueGrid), 1);
        EXPECT_EQ(ga::countOpenEmpty(record), 0);
        for (int cell = 0; cell < kCells; ++cell) {
            ASSERT_EQ(record.openFlags[cell], 1);
            ASSERT_EQ(record.answerGrid[cell], 0);
        }
        EXPECT_EQ(meter.low, 0);
        EXPECT_EQ(meter.high, 81);
        seen.insert(ga::testing::textOf(record.valueGrid));
    }
    EXPECT_EQ(seen.size(), 25u);
}

TEST(FillAtRandom, CompletesCluesWithoutTouchingThem) {
    const char* puzzles[] = {
        // one answer
        "...3.....7...92...23....49..5..8.96...6.1...4..37....1..........1.2.7.5..97.....2",
        // several answers
        "...9.5....3186...42.6..7..8...1.8.27.....3..6..76.....1..3..675.95......6..5.12..",
        // 65 or more empty cells
        ".6......7...8.4.................9......6...3.9.....1..6...43..9............7..6..",
    };
    for (const char* text : puzzles) {
        ga::seedRandomWith(3);
        PuzzleRecord record = ga::testing::puzzleFromText(text);
        ProgressMeter meter;
        ASSERT_EQ(ga::fillAtRandom(record, meter), ga::kSearchSolved) << text;
        EXPECT_TRUE(ga::isSolved(record.valueGrid)) << text;
        const Grid clues = ga::testing::gridFromText(text);
        for (int cell = 0; cell < kCells; ++cell) {
            if (clues[cell]) {
                EXPECT_EQ(record.valueGrid[cell], clues[cell]) << text << " cell " << cell;
            }
        }
    }
}

TEST(FillAtRandom, RepeatedClueFailsEveryTryAndRestoresTheStart) {
    ga::seedRandomWith(4);
    PuzzleRecord record = ga::testing::puzzleFromText("5...5" + std::string(76, '.'));
    ga::loadClues(record);
    record.valueGrid[40] = 2;  // a player's entry is part of the start
    const Grid start = ga::testing::copyOf(record.valueGrid);
    ProgressMeter meter;
    EXPECT_EQ(ga::fillAtRandom(record, meter), ga::kSearchGaveUp);
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), start);
}

// --- solveByRestarts -----------------------------------------------------------------

void expectMemoryConsistent(const ga::RepeatMemory& memory) {
    int barred = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_GE(memory.repeatCount[cell], 0);
        EXPECT_EQ(memory.triedMask[cell] & ~0x1FF, 0);
        barred += memory.repeatCount[cell] != 0;
    }
    EXPECT_EQ(memory.barredCells, barred);
}

TEST(SolveByRestarts, ClearedMemoryIsAllZero) {
    ga::RepeatMemory memory;
    std::memset(&memory, 0x11, sizeof memory);
    memory.clear();
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_EQ(memory.repeatCount[cell], 0);
        EXPECT_EQ(memory.triedMask[cell], 0);
    }
    EXPECT_EQ(memory.barredCells, 0);
}

TEST(SolveByRestarts, FindsTheOnlyAnswer) {
    const char* puzzles[] = {
        "1.....725.6.......4...8...3...92.34...37..89..2.4.....8....79......3...8.......7.",
        "8........4.3...816.6.....57.....7...5.2.64.89..752..61..4.52.......9...4...1...2.",
    };
    for (const char* text : puzzles) {
        ga::seedRandomWith(11);
        PuzzleRecord record = ga::testing::puzzleFromText(text);
        ga::RepeatMemory memory;
        memory.clear();
        ASSERT_EQ(ga::solveByRestarts(record, 100, memory, nullptr), ga::kSearchSolved) << text;
        Grid answer{};
        ASSERT_TRUE(ga::testing::solveOne(ga::testing::gridFromText(text).data(), answer.data()));
        EXPECT_EQ(ga::testing::copyOf(record.valueGrid), answer) << text;
        expectMemoryConsistent(memory);
    }
}

TEST(SolveByRestarts, GivesUpAfterTheLimitWithTheStartRestored) {
    ga::seedRandomWith(12);
    PuzzleRecord record = ga::testing::puzzleFromText(
        "3..6.94..9.24.5....5.23...81...52..9.7.8631548...9.7..2.79.8...4..5.....51.3462.7");
    ga::loadClues(record);
    const Grid start = ga::testing::copyOf(record.valueGrid);
    ga::RepeatMemory memory;
    memory.clear();
    ProgressMeter meter;
    meter.set(0, 20, 0);
    EXPECT_EQ(ga::solveByRestarts(record, 20, memory, &meter), ga::kSearchGaveUp);
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), start);
    // One step for every restart that is followed by another try.
    EXPECT_EQ(meter.current, 20);
    expectMemoryConsistent(memory);
}

TEST(SolveByRestarts, KeptMemoryStaysConsistentAcrossCalls) {
    const char* multi =
        "...9.5....3186...42.6..7..8...1.8.27.....3..6..76.....1..3..675.95......6..5.12..";
    ga::seedRandomWith(13);
    ga::RepeatMemory memory;
    memory.clear();
    for (int call = 0; call < 10; ++call) {
        PuzzleRecord record = ga::testing::puzzleFromText(multi);
        ASSERT_EQ(ga::solveByRestarts(record, 100, memory, nullptr), ga::kSearchSolved);
        EXPECT_TRUE(ga::isSolved(record.valueGrid));
        expectMemoryConsistent(memory);
    }
}

}  // namespace
