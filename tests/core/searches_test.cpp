#include "core/searches.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "generator/random.h"
#include "tests/support/test_records.h"

namespace {

using ga::kCells;
using ga::ProgressMeter;
using ga::PuzzleRecord;
using ga::testing::copyOf;
using ga::testing::Grid;

// As its callers run it: clues loaded, the meter at 0 of the open empty cells,
// counting the calls. Typed and clue cells alternate on the filled boards.
// Only an answer found at the first level is left in valueGrid (`left`, when
// not the start); there values are tried in ascending order. Two rectangles
// apart from each other leave four answers, so the first level's guess leaves
// a second one to make.
TEST(SolveDepthFirst, VerdictCallsAndWhatIsLeft) {
    const struct {
        const char* name;
        std::string puzzle;
        int result, calls;
        std::string left;
    } cases[] = {
        {"filledBoard",
         "i2c5f4h1g6h4b1g5c9a5g3i8d2f8f1d3i2g5d7e6b1i8c2c9g8e6d1e9b8g3a6d3d6a5b7i8g1h9d6c5b",
         ga::kSearchSolved, 1, ""},
        {"filledBoardWithARepeat",
         "i2c5f4h1g6h4b1g5c9a5g3i8d2f8f1d3i2g5d7e6a1i8c2c9g8e6d1e9b8g3a6d3d6a5b7i8g1h9d6c5b",
         ga::kSearchNoAnswer, 1, ""},
        // Cell 0 sees 1..8 in its row and 9 below it.
        {"firstEmptyCellWithoutCandidates", ".123456789" + std::string(71, '.'),
         ga::kSearchNoAnswer, 1, ""},
        {"answerAtTheFirstLevelStays",
         "92356..1768421753915739..26861439275475621983239785641592873164346152798718946352",
         ga::kSearchSolved, 1, ga::testing::kSolvedText},
        {"answerFoundDeeperIsNotLeft",
         "92356..17684.175.9157.9...6861439275475621983239785641592873164346152798718946352",
         ga::kSearchSolved, 2, ""}};
    for (const auto& c : cases) {
        PuzzleRecord record = ga::testing::puzzleFromText(c.puzzle);
        ga::loadClues(record);
        ProgressMeter meter;
        meter.set(0, ga::countOpenEmpty(record), 0);
        ga::CandidateSet candidates;
        ga::UnitWork work;
        ga::initUnitWork(work);
        EXPECT_EQ(ga::solveDepthFirst(record, candidates, work, meter), c.result) << c.name;
        EXPECT_EQ(meter.current, c.calls) << c.name;
        EXPECT_EQ(ga::testing::textOf(record.valueGrid),
                  ga::testing::textOf(
                      ga::testing::gridFromText(c.left.empty() ? c.puzzle : c.left).data()))
            << c.name;
    }
}

void expectMemoryConsistent(const ga::RepeatMemory& memory) {
    int barred = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_GE(memory.repeatCount[cell], 0);
        EXPECT_EQ(memory.triedMask[cell] & ~0x1FF, 0);
        barred += memory.repeatCount[cell] != 0;
    }
    EXPECT_EQ(memory.barredCells, barred);
}

// The random searches complete every puzzle that has an answer, keeping its
// givens, and give up on one that has none, with the board back at its start.
// The search with memory serves only up to 64 empty cells.
class RandomSearchesData : public ::testing::TestWithParam<ga::testing::DataCase> {};

TEST_P(RandomSearchesData, CompleteOrGiveUpWithTheStartRestored) {
    const Grid start = ga::testing::gridFromText(GetParam().puzzle);
    const bool hasAnswer = GetParam().expected.at(0) == 0;  // checkSolvable's verdict
    ga::seedRandomWith(static_cast<uint32_t>(GetParam().line));
    const bool manyEmpty = std::count(start.begin(), start.end(), 0) >= 65;
    for (bool withMemory : {false, true}) {
        if (withMemory && manyEmpty) continue;
        SCOPED_TRACE(withMemory ? "solveByRestarts" : "fillAtRandom");
        PuzzleRecord record = ga::testing::puzzleFromText(GetParam().puzzle);
        ga::loadClues(record);
        ProgressMeter meter;
        ga::RepeatMemory memory;
        memory.clear();
        const int result = withMemory ? ga::solveByRestarts(record, 100, memory, nullptr)
                                      : ga::fillAtRandom(record, meter);
        EXPECT_EQ(result, hasAnswer ? ga::kSearchSolved : ga::kSearchGaveUp);
        if (result == ga::kSearchSolved) {
            EXPECT_TRUE(ga::isSolved(record.valueGrid));
            EXPECT_TRUE(ga::testing::keepsGivens(record.valueGrid, start));
        } else {
            EXPECT_EQ(copyOf(record.valueGrid), start);
        }
        EXPECT_TRUE(withMemory || meter.high == 81);
        expectMemoryConsistent(memory);
    }
}

INSTANTIATE_TEST_SUITE_P(DataFile, RandomSearchesData,
                         ::testing::ValuesIn(ga::testing::readDataCases(GA_TEST_DATA_DIR
                                                                        "/checks.txt")),
                         [](const auto& info) { return ga::testing::dataCaseName(info.param); });

TEST(SolveByRestarts, GivesUpAfterTheLimitWithTheStartRestored) {
    ga::seedRandomWith(12);
    PuzzleRecord record = ga::testing::puzzleFromText(
        "3..6.94..9.24.5....5.23...81...52..9.7.8631548...9.7..2.79.8...4..5.....51.3462.7");
    ga::RepeatMemory memory;
    memory.clear();
    ProgressMeter meter;
    meter.set(0, 20, 0);
    EXPECT_EQ(ga::solveByRestarts(record, 20, memory, &meter), ga::kSearchGaveUp);
    // One step for every restart that is followed by another try.
    EXPECT_EQ(meter.current, 20);
}

}  // namespace
