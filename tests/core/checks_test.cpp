#include "core/checks.h"

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

struct CheckOutcome {
    int solvable;
    int multiple;
};

// Runs both checks on a board whose clues are loaded, as the board's own record
// always is, and insists that each leaves valueGrid as it found it.
CheckOutcome runChecks(PuzzleRecord record, uint32_t seed) {
    ga::loadClues(record);
    const Grid before = ga::testing::copyOf(record.valueGrid);
    ProgressMeter meter;
    ga::seedRandomWith(seed);
    CheckOutcome outcome;
    outcome.solvable = ga::checkSolvable(record, meter);
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), before) << "after checkSolvable";
    outcome.multiple = ga::checkMultiple(record, meter);
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), before) << "after checkMultiple";
    return outcome;
}

class ChecksData : public ::testing::TestWithParam<ga::testing::DataCase> {};

TEST_P(ChecksData, SolvableAndMultiple) {
    const auto& data = GetParam();
    const CheckOutcome outcome =
        runChecks(ga::testing::puzzleFromText(data.puzzle), static_cast<uint32_t>(data.line));
    EXPECT_EQ(outcome.solvable, data.expected.at(0));
    EXPECT_EQ(outcome.multiple, data.expected.at(1));
}

INSTANTIATE_TEST_SUITE_P(DataFile, ChecksData,
                         ::testing::ValuesIn(ga::testing::readDataCases("checks.txt")),
                         [](const auto& info) { return ga::testing::dataCaseName(info.param); });

// --- agreement with the exact solver ----------------------------------------------

struct GeneratedPuzzle {
    Grid clues;
    bool altered;  // a clue was changed to another value its units lack
};

// A random answer with random cells emptied; every fourth puzzle has one clue
// changed, which often leaves no answer. A few have 65 or more empty cells.
GeneratedPuzzle generatedPuzzle(uint32_t seed) {
    const Grid answer = ga::testing::randomAnswer(seed);
    std::mt19937 shaping(seed);
    GeneratedPuzzle puzzle{answer, seed % 4 == 0};
    const int toEmpty = seed % 10 == 9 ? 66 + static_cast<int>(shaping() % 6)
                                       : 25 + static_cast<int>(shaping() % 36);
    std::vector<int> cells(kCells);
    for (int cell = 0; cell < kCells; ++cell) cells[cell] = cell;
    std::shuffle(cells.begin(), cells.end(), shaping);
    for (int i = 0; i < toEmpty; ++i) puzzle.clues[cells[i]] = 0;
    if (puzzle.altered) {
        const int cell = cells[toEmpty];  // a clue
        uint32_t used = 0;
        for (int other = 0; other < kCells; ++other) {
            const bool peer = other != cell && (ga::rowOf(other) == ga::rowOf(cell) ||
                                                ga::columnOf(other) == ga::columnOf(cell) ||
                                                ga::boxOf(other) == ga::boxOf(cell));
            if (peer && puzzle.clues[other]) used |= 1u << puzzle.clues[other];
        }
        for (int value = 1; value <= 9; ++value) {
            if (value != answer[cell] && !(used & (1u << value))) {
                puzzle.clues[cell] = value;
                break;
            }
        }
    }
    return puzzle;
}

class AgreementWithExactSolver : public ::testing::TestWithParam<int> {};

TEST_P(AgreementWithExactSolver, OnGeneratedPuzzles) {
    constexpr int kPerBatch = 40;
    int multiAnswerJudgedSingle = 0, multiAnswerPuzzles = 0;
    for (int i = 0; i < kPerBatch; ++i) {
        const uint32_t seed = static_cast<uint32_t>(GetParam() * kPerBatch + i + 1);
        const GeneratedPuzzle puzzle = generatedPuzzle(seed);
        const std::string text = ga::testing::textOf(puzzle.clues.data());
        const int answers = ga::testing::countAnswers(puzzle.clues.data());
        int empty = 0;
        for (int32_t value : puzzle.clues) empty += value == 0;
        SCOPED_TRACE(text + " answers " + std::to_string(answers));

        const CheckOutcome outcome = runChecks(ga::testing::puzzleFromClues(puzzle.clues), seed);
        if (answers == 0) {
            // Proved by the exhaustive search, or the random search gave up.
            EXPECT_EQ(outcome.solvable, empty <= 64 ? ga::kNoAnswerProved : ga::kNoAnswerFound);
            EXPECT_EQ(outcome.multiple, ga::kNoAnswer);
        } else if (answers == 1) {
            EXPECT_EQ(outcome.solvable, ga::kSolvable);
            EXPECT_EQ(outcome.multiple, ga::kSingleAnswer);
        } else {
            EXPECT_EQ(outcome.solvable, ga::kSolvable);
            EXPECT_NE(outcome.multiple, ga::kNoAnswer);
            // Ten random answers can all agree by chance on a puzzle with few
            // answers; that must stay rare.
            ++multiAnswerPuzzles;
            multiAnswerJudgedSingle += outcome.multiple == ga::kSingleAnswer;
        }
    }
    EXPECT_LE(multiAnswerJudgedSingle * 10, multiAnswerPuzzles)
        << multiAnswerJudgedSingle << " of " << multiAnswerPuzzles;
}

INSTANTIATE_TEST_SUITE_P(Batches, AgreementWithExactSolver, ::testing::Range(0, 8));

// --- stored answers and the bar -----------------------------------------------------

TEST(StoredAnswer, UsableOnlyWhenKnownCompleteAndValid) {
    PuzzleRecord record =
        ga::testing::puzzleFromText(std::string(kSolved).substr(0, 20) + std::string(61, '.'));
    const Grid answer = ga::testing::gridFromText(kSolved);
    for (int cell = 0; cell < kCells; ++cell) record.answerGrid[cell] = answer[cell];
    EXPECT_FALSE(ga::storedAnswerUsable(record));  // not flagged as known
    record.answerKnown = 1;
    EXPECT_TRUE(ga::storedAnswerUsable(record));
    record.answerGrid[70] = 0;
    EXPECT_FALSE(ga::storedAnswerUsable(record));
    record.answerGrid[70] = record.answerGrid[71];
    EXPECT_FALSE(ga::storedAnswerUsable(record));
}

PuzzleRecord withStoredAnswer(const char* puzzle, const Grid& answer) {
    PuzzleRecord record = ga::testing::puzzleFromText(puzzle);
    for (int cell = 0; cell < kCells; ++cell) {
        if (record.openFlags[cell]) record.answerGrid[cell] = answer[cell];
    }
    record.answerKnown = 1;
    return record;
}

TEST(StoredAnswer, UsableAnswerMakesCheckSolvableReturnAtOnce) {
    // A board typed full of repeats: with a usable answer nothing is searched.
    PuzzleRecord record =
        withStoredAnswer(std::string(81, '.').c_str(), ga::testing::gridFromText(kSolved));
    for (int32_t& value : record.valueGrid) value = 4;
    RecordingSink sink;
    ProgressMeter meter;
    meter.bar = &sink;
    EXPECT_EQ(ga::checkSolvable(record, meter), ga::kSolvable);
    EXPECT_TRUE(sink.events.empty());
}

TEST(StoredAnswer, ServesAsTheReferenceOfCheckMultiple) {
    const char* unique =
        "...3.....7...92...23....49..5..8.96...6.1...4..37....1..........1.2.7.5..97.....2";
    Grid answer{};
    ASSERT_TRUE(ga::testing::solveOne(ga::testing::gridFromText(unique).data(), answer.data()));
    ProgressMeter meter;
    ga::seedRandomWith(21);
    PuzzleRecord record = withStoredAnswer(unique, answer);
    EXPECT_EQ(ga::checkMultiple(record, meter), ga::kSingleAnswer);
    EXPECT_EQ(record.answerKnown, 1);

    // Two answers, with one of them stored: a batch reaching the other differs.
    const Grid full = ga::testing::gridFromText(kSolved);
    const auto rectangle = ga::testing::exchangeableRectangles(full).front();
    Grid clues = full;
    for (int cell : rectangle) clues[cell] = 0;
    PuzzleRecord twoAnswers = withStoredAnswer(ga::testing::textOf(clues.data()).c_str(), full);
    EXPECT_EQ(ga::checkMultiple(twoAnswers, meter), ga::kMultipleAnswers);
}

TEST(StoredAnswer, UnusableAnswerIsForgotten) {
    const char* unique =
        "...3.....7...92...23....49..5..8.96...6.1...4..37....1..........1.2.7.5..97.....2";
    PuzzleRecord record = ga::testing::puzzleFromText(unique);
    record.answerKnown = 1;  // but the open cells of answerGrid are empty
    ProgressMeter meter;
    ga::seedRandomWith(22);
    EXPECT_EQ(ga::checkSolvable(record, meter), ga::kSolvable);
    EXPECT_EQ(record.answerKnown, 1);  // only checkMultiple clears the flag
    EXPECT_EQ(ga::checkMultiple(record, meter), ga::kSingleAnswer);
    EXPECT_EQ(record.answerKnown, 0);
}

TEST(CheckProgress, LogicSolvedPuzzleNeverShowsTheBar) {
    const char* logic =
        "7.8396..29...5.7.42.5..7.3.63.9..1...7...16...........4..6..391386..94.5..94...86";
    PuzzleRecord record = ga::testing::puzzleFromText(logic);
    RecordingSink sink;
    ProgressMeter meter;
    meter.bar = &sink;
    EXPECT_EQ(ga::checkSolvable(record, meter), ga::kSolvable);
    EXPECT_EQ(ga::checkMultiple(record, meter), ga::kSingleAnswer);
    EXPECT_TRUE(sink.events.empty());
}

TEST(CheckProgress, NothingEmptyButARepeatKeepsTheBarInRange) {
    // The exhaustive search then runs against zero empty cells.
    Grid values = ga::testing::gridFromText(kSolved);
    values[0] = values[1];
    for (bool multiple : {false, true}) {
        PuzzleRecord record = ga::testing::puzzleFromClues(values);
        RecordingSink sink;
        ProgressMeter meter;
        meter.bar = &sink;
        const int result =
            multiple ? ga::checkMultiple(record, meter) : ga::checkSolvable(record, meter);
        EXPECT_EQ(result, multiple ? int{ga::kNoAnswer} : int{ga::kNoAnswerProved});
        for (int position : sink.positions())
            EXPECT_TRUE(position >= 0 && position <= 100) << position;
    }
}

TEST(CheckProgress, SearchesShowMoveAndHideTheBar) {
    const char* needsSearch =
        "3...5.9.1.6..9.7.3....23.45.......5.53.81427.7..9...14.87...5..9....216..5217..3.";
    for (bool multiple : {false, true}) {
        PuzzleRecord record = ga::testing::puzzleFromText(needsSearch);
        RecordingSink sink;
        ProgressMeter meter;
        meter.bar = &sink;
        ga::seedRandomWith(23);
        const int result =
            multiple ? ga::checkMultiple(record, meter) : ga::checkSolvable(record, meter);
        EXPECT_EQ(result, multiple ? int{ga::kMultipleAnswers} : int{ga::kSolvable});
        ASSERT_GE(sink.events.size(), 3u);
        EXPECT_EQ(sink.events.front().kind, Kind::show);
        EXPECT_EQ(sink.events[1].kind, Kind::position);
        EXPECT_EQ(sink.events[1].position, 0);
        EXPECT_EQ(sink.events.back().kind, Kind::hide);
        EXPECT_EQ(sink.count(Kind::hide), 1);
        for (int position : sink.positions()) EXPECT_GE(position, 0);
    }
}

}  // namespace
