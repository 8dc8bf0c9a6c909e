#include "core/checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "generator/random.h"
#include "tests/support/exact_solver.h"
#include "tests/support/test_records.h"

namespace {

using ga::kCells;
using ga::ProgressMeter;
using ga::PuzzleRecord;
using ga::testing::copyOf;
using ga::testing::Grid;
using ga::testing::RecordingSink;

const Grid kSolved = ga::testing::gridFromText(ga::testing::kSolvedText);

struct CheckOutcome {
    int solvable, multiple;
    int bars;  // how many of the two showed the bar
};

// Runs both checks on a board whose clues are loaded, as the board's own record
// always is, and insists that each leaves valueGrid as it found it. A bar, when
// shown, is shown at 0 first and hidden last, and stays in range even when the
// exhaustive search runs against zero empty cells (counting calls may pass 100
// by one).
CheckOutcome runChecks(PuzzleRecord record, uint32_t seed) {
    ga::loadClues(record);
    const Grid before = copyOf(record.valueGrid);
    ga::seedRandomWith(seed);
    CheckOutcome outcome{};
    for (bool multiple : {false, true}) {
        RecordingSink sink;
        const int result = multiple ? ga::checkMultiple(record, sink.meter)
                                    : ga::checkSolvable(record, sink.meter);
        (multiple ? outcome.multiple : outcome.solvable) = result;
        EXPECT_EQ(copyOf(record.valueGrid), before) << "multiple " << multiple;
        outcome.bars += !sink.events.empty();
        EXPECT_TRUE(sink.events.empty() || sink.framed());
        for (int position : sink.positions()) EXPECT_TRUE(position >= 0 && position <= 101);
    }
    return outcome;
}

class ChecksData : public ::testing::TestWithParam<ga::testing::DataCase> {};

TEST_P(ChecksData, SolvableMultipleAndTheBar) {
    const auto& data = GetParam();
    const CheckOutcome outcome =
        runChecks(ga::testing::puzzleFromText(data.puzzle), static_cast<uint32_t>(data.line));
    EXPECT_EQ(outcome.solvable, data.expected.at(0));
    EXPECT_EQ(outcome.multiple, data.expected.at(1));
    EXPECT_EQ(outcome.bars, 2 * data.expected.at(2));
}

INSTANTIATE_TEST_SUITE_P(DataFile, ChecksData,
                         ::testing::ValuesIn(ga::testing::readDataCases(GA_TEST_DATA_DIR
                                                                        "/checks.txt")),
                         [](const auto& info) { return ga::testing::dataCaseName(info.param); });

// A random answer with random cells emptied; every fourth puzzle has one clue
// changed to a value its units lack, which often leaves no answer. Every tenth
// has 65 or more empty cells.
Grid generatedPuzzle(uint32_t seed) {
    const Grid answer = ga::testing::randomAnswer(seed);
    std::mt19937 shaping(seed);
    Grid clues = answer;
    const int toEmpty = seed % 10 == 9 ? 66 + static_cast<int>(shaping() % 6)
                                       : 25 + static_cast<int>(shaping() % 36);
    std::vector<int> cells(kCells);
    for (int cell = 0; cell < kCells; ++cell) cells[cell] = cell;
    std::shuffle(cells.begin(), cells.end(), shaping);
    for (int i = 0; i < toEmpty; ++i) clues[cells[i]] = 0;
    if (seed % 4 == 0) {
        const int cell = cells[toEmpty];  // a clue
        uint32_t used = 0;
        for (int other = 0; other < kCells; ++other) {
            const bool peer = ga::rowOf(other) == ga::rowOf(cell) ||
                              ga::columnOf(other) == ga::columnOf(cell) ||
                              ga::boxOf(other) == ga::boxOf(cell);
            if (peer && other != cell) used |= 1u << clues[other];
        }
        for (int value = 1; value <= 9; ++value) {
            if (value != answer[cell] && !(used & (1u << value))) {
                clues[cell] = value;
                break;
            }
        }
    }
    return clues;
}

class AgreementWithExactSolver : public ::testing::TestWithParam<int> {};

TEST_P(AgreementWithExactSolver, OnGeneratedPuzzles) {
    constexpr int kPerBatch = 40;
    int multiAnswerJudgedSingle = 0, multiAnswerPuzzles = 0;
    for (int i = 0; i < kPerBatch; ++i) {
        const uint32_t seed = static_cast<uint32_t>(GetParam() * kPerBatch + i + 1);
        const Grid clues = generatedPuzzle(seed);
        const int answers = ga::testing::countAnswers(clues.data());
        const int empty = static_cast<int>(std::count(clues.begin(), clues.end(), 0));
        SCOPED_TRACE(ga::testing::textOf(clues.data()) + " answers " + std::to_string(answers));

        const CheckOutcome outcome = runChecks(ga::testing::puzzleFromClues(clues), seed);
        if (answers == 0) {
            // Proved by the exhaustive search, or the random search gave up.
            EXPECT_EQ(outcome.solvable, empty <= 64 ? ga::kNoAnswerProved : ga::kNoAnswerFound);
            EXPECT_EQ(outcome.multiple, ga::kNoAnswer);
        } else {
            EXPECT_EQ(outcome.solvable, ga::kSolvable);
            if (answers == 1) {
                EXPECT_EQ(outcome.multiple, ga::kSingleAnswer);
            }
            EXPECT_NE(outcome.multiple, ga::kNoAnswer);
            // Ten random answers can all agree by chance on a puzzle with few
            // answers; that must stay rare.
            multiAnswerPuzzles += answers > 1;
            multiAnswerJudgedSingle += answers > 1 && outcome.multiple == ga::kSingleAnswer;
        }
    }
    EXPECT_LE(multiAnswerJudgedSingle * 10, multiAnswerPuzzles)
        << multiAnswerJudgedSingle << " of " << multiAnswerPuzzles;
}

INSTANTIATE_TEST_SUITE_P(Batches, AgreementWithExactSolver, ::testing::Range(0, 8));

TEST(StoredAnswer, UsableOnlyWhenKnownCompleteAndValid) {
    Grid clues = kSolved;
    std::fill(clues.begin() + 20, clues.end(), 0);
    PuzzleRecord record = ga::testing::puzzleWithAnswer(clues, kSolved);
    EXPECT_TRUE(ga::storedAnswerUsable(record));
    record.answerKnown = 0;
    EXPECT_FALSE(ga::storedAnswerUsable(record));
    record.answerKnown = 1;
    record.answerGrid[70] = 0;
    EXPECT_FALSE(ga::storedAnswerUsable(record));
    record.answerGrid[70] = record.answerGrid[71];
    EXPECT_FALSE(ga::storedAnswerUsable(record));
}

TEST(StoredAnswer, DecidesCheckSolvableAtOnceAndServesCheckMultiple) {
    // A board typed full of repeats: with a usable answer nothing is searched.
    PuzzleRecord typed = ga::testing::puzzleWithAnswer(Grid{}, kSolved);
    for (int32_t& value : typed.valueGrid) value = 4;
    RecordingSink sink;
    EXPECT_EQ(ga::checkSolvable(typed, sink.meter), ga::kSolvable);
    EXPECT_TRUE(sink.events.empty());

    const char* unique =
        "...3.....7...92...23....49..5..8.96...6.1...4..37....1..........1.2.7.5..97.....2";
    PuzzleRecord record = ga::testing::puzzleWithAnswer(ga::testing::gridFromText(unique),
                                                        ga::testing::exactAnswer(unique));
    ga::seedRandomWith(21);
    EXPECT_EQ(ga::checkMultiple(record, sink.meter), ga::kSingleAnswer);
    EXPECT_EQ(record.answerKnown, 1);

    // Two answers, with one of them stored: a batch reaching the other differs.
    PuzzleRecord twoAnswers = ga::testing::puzzleWithAnswer(
        ga::testing::gridFromText(
            "92356..1768421753915739..26861439275475621983239785641592873164346152798718946352"),
        kSolved);
    EXPECT_EQ(ga::checkMultiple(twoAnswers, sink.meter), ga::kMultipleAnswers);

    // 65 or more empty cells, and an entry that leaves no answer: every random
    // fill gives up, and no such try may be taken for a second answer.
    PuzzleRecord contradicted = ga::testing::puzzleFromText("923564817i" + std::string(71, '.'));
    std::copy(kSolved.begin(), kSolved.end(), contradicted.answerGrid);
    contradicted.answerKnown = 1;
    EXPECT_EQ(ga::checkMultiple(contradicted, sink.meter), ga::kSingleAnswer);

    // Flagged as known, but the open cells of answerGrid are empty: only
    // checkMultiple forgets it.
    PuzzleRecord unusable = ga::testing::puzzleFromText(unique);
    unusable.answerKnown = 1;
    EXPECT_EQ(ga::checkSolvable(unusable, sink.meter), ga::kSolvable);
    EXPECT_EQ(unusable.answerKnown, 1);
    EXPECT_EQ(ga::checkMultiple(unusable, sink.meter), ga::kSingleAnswer);
    EXPECT_EQ(unusable.answerKnown, 0);
}

}  // namespace
