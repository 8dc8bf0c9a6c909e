#include "core/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "generator/random.h"
#include "tests/support/test_records.h"

namespace {

using ga::kCells;
using ga::ProgressMeter;
using ga::PuzzleRecord;
using ga::testing::copyOf;
using ga::testing::Grid;
using ga::testing::RecordingSink;

const char* const kLogicPuzzle =
    "7.8396..29...5.7.42.5..7.3.63.9..1...7...16...........4..6..391386..94.5..94...86";

// Every clue and entry is kept, and solved means solved; a board typed full
// with a repeat is never solved. A failed backtracking, or pencil marks that
// met a repeat, puts the board back as it was; pencil marks that merely stop
// leave what they found.
class SolveJobData : public ::testing::TestWithParam<ga::testing::DataCase> {
  protected:
    int solve(int method, RecordingSink& sink) {
        PuzzleRecord record = ga::testing::puzzleFromText(GetParam().puzzle);
        ga::loadClues(record);
        const int result = ga::solveJob(record, method, sink.meter);
        EXPECT_TRUE(result != ga::kSolved || ga::isSolved(record.valueGrid));
        if (result != ga::kSolved &&
            (method == ga::kBacktracking || ga::hasDuplicate(start.data()))) {
            EXPECT_EQ(copyOf(record.valueGrid), start);
        }
        EXPECT_TRUE(ga::testing::keepsGivens(record.valueGrid, start));
        EXPECT_TRUE(sink.framed());
        return result;
    }

    const Grid start = ga::testing::gridFromText(GetParam().puzzle);
    const int empty = static_cast<int>(std::count(start.begin(), start.end(), 0));
};

TEST_P(SolveJobData, PencilMarks) {
    RecordingSink sink;
    EXPECT_EQ(solve(ga::kPencilMarks, sink), GetParam().expected.at(0));
    // Logic alone reports nothing between showing and hiding the bar.
    EXPECT_EQ(sink.positions(), std::vector<int>{0});
}

TEST_P(SolveJobData, Backtracking) {
    ga::seedRandomWith(static_cast<uint32_t>(GetParam().line));
    RecordingSink sink;
    const int result = solve(ga::kBacktracking, sink);
    EXPECT_EQ(result, GetParam().expected.at(1));
    // From 65 empty cells on the random fill reports its guesses against 81 and
    // may run one over; below, one step per restart against 1000 only rises
    // and is full on giving up.
    const std::vector<int> positions = sink.positions();
    for (int position : positions) EXPECT_TRUE(position >= 0 && position <= 101) << position;
    EXPECT_EQ(sink.meter.high, empty >= 65 ? 81 : 1000);
    if (empty < 65) {
        EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
        EXPECT_EQ(positions.back() == 100, result == ga::kNotSolvedByBacktracking);
    }
}

INSTANTIATE_TEST_SUITE_P(DataFile, SolveJobData,
                         ::testing::ValuesIn(ga::testing::readDataCases(GA_TEST_DATA_DIR
                                                                        "/solve_job.txt")),
                         [](const auto& info) { return ga::testing::dataCaseName(info.param); });

// Seed 0 starts from a puzzle the logic already solves: no clue is added.
class MakeLogicSolvable : public ::testing::TestWithParam<int> {};

TEST_P(MakeLogicSolvable, AddsCluesFromTheAnswerUntilLogicSolves) {
    const uint32_t seed = static_cast<uint32_t>(GetParam());
    Grid answer = ga::testing::randomAnswer(seed), clues{};
    std::mt19937 shaping(seed);
    for (int cell = 0; cell < kCells; ++cell) clues[cell] = shaping() % 3 == 0 ? answer[cell] : 0;
    if (seed == 0) {
        clues = ga::testing::gridFromText(kLogicPuzzle);
        answer = ga::testing::exactAnswer(kLogicPuzzle);
    }
    PuzzleRecord record = ga::testing::puzzleWithAnswer(clues, answer);
    ga::loadClues(record);
    const std::string cluesBefore = ga::testing::clueText(record);

    EXPECT_EQ(ga::makeLogicSolvable(record), 0);
    EXPECT_EQ(copyOf(record.valueGrid), Grid{});
    EXPECT_EQ(copyOf(record.answerGrid), answer);
    EXPECT_EQ(record.answerKnown, 1);
    const std::string cluesAfter = ga::testing::clueText(record);
    EXPECT_TRUE(ga::testing::keepsGivens(ga::testing::gridFromText(cluesAfter).data(),
                                         ga::testing::gridFromText(cluesBefore)));
    EXPECT_TRUE(seed != 0 || cluesAfter == cluesBefore);

    ProgressMeter meter;
    ASSERT_EQ(ga::solveJob(record, ga::kPencilMarks, meter), ga::kSolved);
    EXPECT_EQ(copyOf(record.valueGrid), answer);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MakeLogicSolvable, ::testing::Range(0, 7));

TEST(PickWidestCell, OnlyOpenEmptyCellsThatAreNotExcluded) {
    PuzzleRecord record = ga::testing::puzzleFromText(
        "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4.");
    ga::loadClues(record);
    record.valueGrid[1] = 4;
    ga::CandidateSet candidates;
    ga::computeCandidates(record, candidates);
    ga::seedRandomWith(8);
    bool excluded[kCells] = {};
    for (int round = 0; round < 50; ++round) {
        const int cell = ga::pickWidestCell(record, candidates, round % 2 ? excluded : nullptr);
        ASSERT_GE(cell, 0);
        EXPECT_EQ(record.openFlags[cell], 1);
        EXPECT_EQ(record.valueGrid[cell], 0);
        EXPECT_FALSE(round % 2 && excluded[cell]);
        excluded[cell] = true;
    }
    // Leave one cell: it must be the one.
    for (bool& flag : excluded) flag = true;
    excluded[80] = false;
    EXPECT_EQ(ga::pickWidestCell(record, candidates, excluded), 80);
    excluded[80] = true;
    EXPECT_EQ(ga::pickWidestCell(record, candidates, excluded), -1);
}

}  // namespace
