#include "core/solver.h"

#include <gtest/gtest.h>

#include <random>

#include "generator/random.h"
#include "tests/core/test_records.h"
#include "tests/support/exact_solver.h"

namespace {

using ga::kCells;
using ga::ProgressMeter;
using ga::PuzzleRecord;
using ga::testing::Grid;
using ga::testing::RecordingSink;
using Kind = ga::testing::RecordingSink::Kind;

const char* const kSolved =
    "923564817684217539157398426861439275475621983239785641592873164346152798718946352";

int emptyCellsOf(const std::string& puzzle) {
    int empty = 0;
    for (int cell = 0; cell < kCells; ++cell)
        empty += !(puzzle[cell] >= '1' && puzzle[cell] <= '9');
    return empty;
}

// The bar is shown at 0 first and hidden last, once each.
void expectBarFramed(const RecordingSink& sink) {
    ASSERT_GE(sink.events.size(), 3u);
    EXPECT_EQ(sink.events[0].kind, Kind::show);
    EXPECT_EQ(sink.events[1].kind, Kind::position);
    EXPECT_EQ(sink.events[1].position, 0);
    EXPECT_EQ(sink.events.back().kind, Kind::hide);
    EXPECT_EQ(sink.count(Kind::show), 1);
    EXPECT_EQ(sink.count(Kind::hide), 1);
}

class SolveJobData : public ::testing::TestWithParam<ga::testing::DataCase> {};

TEST_P(SolveJobData, PencilMarks) {
    const auto& data = GetParam();
    PuzzleRecord record = ga::testing::puzzleFromText(data.puzzle);
    RecordingSink sink;
    ProgressMeter meter;
    meter.bar = &sink;
    const int result = ga::solveJob(record, ga::kPencilMarks, meter);
    EXPECT_EQ(result, data.expected.at(0));
    // Solved means solved, unless a board with nothing empty already repeated a value.
    if (result == ga::kSolved && emptyCellsOf(data.puzzle) > 0) {
        EXPECT_TRUE(ga::isSolved(record.valueGrid));
    }
    // Logic alone reports nothing between showing and hiding the bar.
    EXPECT_EQ(sink.positions(), std::vector<int>{0});
    expectBarFramed(sink);
}

TEST_P(SolveJobData, Backtracking) {
    const auto& data = GetParam();
    ga::seedRandomWith(static_cast<uint32_t>(data.line));
    PuzzleRecord record = ga::testing::puzzleFromText(data.puzzle);
    ga::loadClues(record);
    const Grid start = ga::testing::copyOf(record.valueGrid);
    RecordingSink sink;
    ProgressMeter meter;
    meter.bar = &sink;
    const int result = ga::solveJob(record, ga::kBacktracking, meter);
    EXPECT_EQ(result, data.expected.at(1));

    const Grid clues = ga::testing::gridFromText(data.puzzle);
    if (result == ga::kSolved) {
        EXPECT_TRUE(ga::isSolved(record.valueGrid));
        for (int cell = 0; cell < kCells; ++cell) {
            if (clues[cell]) {
                ASSERT_EQ(record.valueGrid[cell], clues[cell]) << "cell " << cell;
            }
        }
    } else {
        EXPECT_EQ(ga::testing::copyOf(record.valueGrid), start);
    }

    expectBarFramed(sink);
    const std::vector<int> positions = sink.positions();
    // From 65 empty cells on the random fill runs, and it reports against 81.
    EXPECT_EQ(meter.high, emptyCellsOf(data.puzzle) >= 65 ? 81 : 1000);
    if (emptyCellsOf(data.puzzle) >= 65) {
        // The random fill reports its guesses against 81 and may run one over.
        for (int position : positions) EXPECT_TRUE(position >= 0 && position <= 101) << position;
    } else {
        // One step per restart against 1000: never back, and full on giving up.
        for (size_t i = 1; i < positions.size(); ++i) EXPECT_LE(positions[i - 1], positions[i]);
        for (int position : positions) EXPECT_TRUE(position >= 0 && position <= 100) << position;
        if (result == ga::kNotSolvedByBacktracking) {
            EXPECT_EQ(positions.back(), 100);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DataFile, SolveJobData,
                         ::testing::ValuesIn(ga::testing::readDataCases("solve_job.txt")),
                         [](const auto& info) { return ga::testing::dataCaseName(info.param); });

TEST(SolveJob, PencilMarksKeepsATypedBoardAsItIs) {
    // Open cells typed in full: correct is solved; a repeat is never reported
    // as solved, even with no empty cell left. Either way the typed values stay.
    const Grid answer = ga::testing::gridFromText(kSolved);
    for (bool withRepeat : {false, true}) {
        PuzzleRecord record =
            ga::testing::puzzleFromText(std::string(kSolved).substr(0, 30) + std::string(51, '.'));
        for (int cell = 30; cell < kCells; ++cell) record.valueGrid[cell] = answer[cell];
        if (withRepeat) record.valueGrid[50] = record.valueGrid[51];
        ga::loadClues(record);
        const Grid typed = ga::testing::copyOf(record.valueGrid);
        ProgressMeter meter;
        EXPECT_EQ(ga::solveJob(record, ga::kPencilMarks, meter),
                  withRepeat ? ga::kNotSolvedByPencilMarks : ga::kSolved);
        EXPECT_EQ(ga::testing::copyOf(record.valueGrid), typed);
    }
}

TEST(SolveJob, PencilMarksRestoresTheBoardAfterARepeat) {
    PuzzleRecord record = ga::testing::puzzleFromText(
        "7.8396..29...5.7.42.5..7.3.63.9..1...7...16...........4..6..391386..94.5..94...86");
    ga::loadClues(record);
    record.valueGrid[1] = 7;  // repeats the clue beside it
    const Grid typed = ga::testing::copyOf(record.valueGrid);
    ProgressMeter meter;
    EXPECT_EQ(ga::solveJob(record, ga::kPencilMarks, meter), ga::kNotSolvedByPencilMarks);
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), typed);
}

// --- makeLogicSolvable ---------------------------------------------------------------

class MakeLogicSolvable : public ::testing::TestWithParam<int> {};

TEST_P(MakeLogicSolvable, AddsCluesFromTheAnswerUntilLogicSolves) {
    const uint32_t seed = static_cast<uint32_t>(GetParam());
    const Grid answer = ga::testing::randomAnswer(seed);
    // Start from a random third of the answer as clues.
    std::mt19937 shaping(seed);
    Grid clues{};
    for (int cell = 0; cell < kCells; ++cell) clues[cell] = shaping() % 3 == 0 ? answer[cell] : 0;
    PuzzleRecord record = ga::testing::puzzleFromClues(clues);
    for (int cell = 0; cell < kCells; ++cell) record.answerGrid[cell] = answer[cell];
    record.answerKnown = 1;
    const PuzzleRecord before = record;

    EXPECT_EQ(ga::makeLogicSolvable(record), 0);
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_EQ(record.valueGrid[cell], 0);
        EXPECT_EQ(record.answerGrid[cell], answer[cell]);
        if (before.openFlags[cell] == 0) {
            EXPECT_EQ(record.openFlags[cell], 0) << "clue dropped " << cell;
        }
    }
    EXPECT_EQ(record.answerKnown, 1);

    ProgressMeter meter;
    ASSERT_EQ(ga::solveJob(record, ga::kPencilMarks, meter), ga::kSolved);
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), answer);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MakeLogicSolvable, ::testing::Range(1, 9));

TEST(MakeLogicSolvableAlreadySolved, AddsNoClue) {
    const char* text =
        "7.8396..29...5.7.42.5..7.3.63.9..1...7...16...........4..6..391386..94.5..94...86";
    Grid answer{};
    ASSERT_TRUE(ga::testing::solveOne(ga::testing::gridFromText(text).data(), answer.data()));
    PuzzleRecord record = ga::testing::puzzleFromText(text);
    for (int cell = 0; cell < kCells; ++cell) record.answerGrid[cell] = answer[cell];
    record.answerKnown = 1;
    const Grid openBefore = ga::testing::copyOf(record.openFlags);
    ga::seedRandomWith(1);
    EXPECT_EQ(ga::makeLogicSolvable(record), 0);
    EXPECT_EQ(ga::testing::copyOf(record.openFlags), openBefore);
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), Grid{});
}

// --- pickWidestCell -------------------------------------------------------------------

TEST(PickWidestCell, OnlyOpenEmptyCellsThatAreNotExcluded) {
    PuzzleRecord record = ga::testing::puzzleFromText(
        "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4.");
    ga::loadClues(record);
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

    PuzzleRecord full = ga::testing::puzzleFromText(kSolved);
    ga::loadClues(full);
    ga::computeCandidates(full, candidates);
    EXPECT_EQ(ga::pickWidestCell(full, candidates, nullptr), -1);
}

}  // namespace
