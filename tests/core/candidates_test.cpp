#include "core/candidates.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/bits.h"
#include "tests/core/test_records.h"
#include "tests/support/exact_solver.h"

namespace {

using ga::CandidateSet;
using ga::kCells;
using ga::PuzzleRecord;
using ga::UnitWork;
using ga::testing::Grid;
using ga::testing::maskOf;

constexpr uint32_t kAll = ga::kAllValues;

// --- candidateNumberOf ----------------------------------------------------------

TEST(CandidateNumbers, DigitsInAscendingOrder) {
    const std::pair<const char*, int32_t> cases[] = {
        {"29", 29}, {"3", 3}, {"147", 147}, {"123456789", 123456789}, {"9", 9}, {"", 0}};
    for (auto [digits, number] : cases) {
        EXPECT_EQ(ga::candidateNumberOf(maskOf(digits)), number) << digits;
    }
}

// --- computeCandidates ----------------------------------------------------------

TEST(ComputeCandidates, IntersectsTheFreeValuesOfTheThreeUnits) {
    // Random partial grids with a player's repeated entry among them: a value
    // placed twice is simply absent from the free masks.
    std::mt19937 shaping(5);
    for (int round = 0; round < 20; ++round) {
        const Grid answer = ga::testing::randomAnswer(100 + round);
        PuzzleRecord record = ga::testing::puzzleFromClues(answer);
        for (int cell = 0; cell < kCells; ++cell) {
            if (shaping() % 2) {
                record.openFlags[cell] = 1;
                record.answerGrid[cell] = 0;
            }
        }
        ga::loadClues(record);
        const int repeated = static_cast<int>(shaping() % 81);
        record.valueGrid[repeated] = record.valueGrid[(repeated / 9) * 9 + (repeated + 1) % 9];

        CandidateSet candidates;
        std::memset(&candidates, 0x33, sizeof candidates);
        EXPECT_EQ(ga::computeCandidates(record, candidates), 0);
        for (int unit = 0; unit < 27; ++unit) {
            uint32_t free = kAll;
            for (int p = 0; p < 9; ++p) {
                const int value = record.valueGrid[ga::kUnitCells[unit][p]];
                if (value) free &= ~ga::bitOfValue(value);
            }
            const int32_t* freeMasks = unit < 9    ? candidates.rowFree
                                       : unit < 18 ? candidates.columnFree
                                                   : candidates.boxFree;
            EXPECT_EQ(static_cast<uint32_t>(freeMasks[unit % 9]), free) << "unit " << unit;
        }
        for (int cell = 0; cell < kCells; ++cell) {
            uint32_t expected = 0;
            if (record.valueGrid[cell] == 0) {
                expected = static_cast<uint32_t>(candidates.rowFree[ga::rowOf(cell)] &
                                                 candidates.columnFree[ga::columnOf(cell)] &
                                                 candidates.boxFree[ga::boxOf(cell)]);
            }
            ASSERT_EQ(static_cast<uint32_t>(candidates.cellMask[cell]), expected)
                << "cell " << cell;
        }
    }
}

// --- analyseUnit on a hand-loaded unit -----------------------------------------

// Loads the unit as analyseUnits would: masks by position, the open positions,
// and for each value the open positions whose mask holds it.
UnitWork loadedUnit(const std::array<const char*, 9>& masks, const std::vector<int>& open) {
    UnitWork work;
    std::memset(&work, 0x7F, sizeof work);
    ga::initUnitWork(work);
    for (int p = 0; p < 9; ++p) work.unitMask[p] = static_cast<int32_t>(maskOf(masks[p]));
    for (size_t i = 0; i < open.size(); ++i) work.openCells[i] = open[i];
    for (int value = 1; value <= 9; ++value) {
        int count = 0;
        for (int p : open) {
            if (work.unitMask[p] & ga::bitOfValue(value))
                work.valuePositions[value - 1][count++] = p;
        }
        ga::valueCount(work, value) = count;
    }
    work.changed = 0;
    return work;
}

std::vector<int> positionsOf(UnitWork& work, int value) {
    const int count = ga::valueCount(work, value);
    return std::vector<int>(work.valuePositions[value - 1], work.valuePositions[value - 1] + count);
}

TEST(AnalyseUnit, InitFillsTheBitTable) {
    UnitWork work;
    std::memset(&work, 0x7F, sizeof work);
    ga::initUnitWork(work);
    for (int value = 1; value <= 9; ++value) EXPECT_EQ(work.bitTable[value - 1], 1 << (value - 1));
}

struct UnitCase {
    const char* name;
    std::array<const char*, 9> masks;
    std::vector<int> open;
    std::array<const char*, 9> expected;
    int changed;
};

class AnalyseUnitCases : public ::testing::TestWithParam<UnitCase> {};

TEST_P(AnalyseUnitCases, NarrowsTheMasks) {
    const UnitCase& c = GetParam();
    UnitWork work = loadedUnit(c.masks, c.open);
    EXPECT_EQ(ga::analyseUnit(work, static_cast<int>(c.open.size())), 0);
    for (int p = 0; p < 9; ++p) {
        EXPECT_EQ(static_cast<uint32_t>(work.unitMask[p]), maskOf(c.expected[p]))
            << "position " << p;
    }
    EXPECT_EQ(work.changed, c.changed);
}

INSTANTIATE_TEST_SUITE_P(
    Units, AnalyseUnitCases,
    ::testing::Values(UnitCase{"hiddenSinglesOnlyBelowThreeOpenCells",
                               {"12", "23", "", "", "", "", "", "", ""},
                               {0, 1},
                               {"1", "3", "", "", "", "", "", "", ""},
                               0},
                      UnitCase{"hiddenPairDropsTheOtherCandidates",
                               {"125", "126", "56", "56", "", "", "", "", ""},
                               {0, 1, 2, 3},
                               {"12", "12", "56", "56", "", "", "", "", ""},
                               1},
                      UnitCase{"hiddenPairWithNothingElseChangesNothing",
                               {"12", "12", "56", "56", "", "", "", "", ""},
                               {0, 1, 2, 3},
                               {"12", "12", "56", "56", "", "", "", "", ""},
                               0},
                      // The pair {0,1} first takes 5 and 6 out of positions 0 and 1; only with
                      // those removals in force is {2,3} a pair that drops 7.
                      UnitCase{"removalsTakeEffectAtOnce",
                               {"125", "126", "567", "567", "78", "78", "", "", ""},
                               {0, 1, 2, 3, 4, 5},
                               {"12", "12", "56", "56", "78", "78", "", "", ""},
                               1},
                      UnitCase{"hiddenTriple",
                               {"124", "235", "13", "45", "45", "", "", "", ""},
                               {0, 1, 2, 3, 4},
                               {"12", "23", "13", "45", "45", "", "", "", ""},
                               1},
                      // After the hidden single at 0, the counts of 2 and 5 still include
                      // position 0, so {1,2} is not a pair of 2 and 3 and nothing is removed.
                      UnitCase{"hiddenSingleLeavesCountsAsTheyWere",
                               {"125", "234", "234", "45", "45", "", "", "", ""},
                               {0, 1, 2, 3, 4},
                               {"1", "234", "234", "45", "45", "", "", "", ""},
                               0},
                      // Position 4 holds a clue and is not open; filled open cells have no
                      // candidates but take part in the combinations.
                      UnitCase{"clueAndFilledPositions",
                               {"", "125", "126", "56", "", "56", "", "", ""},
                               {0, 1, 2, 3, 5},
                               {"", "12", "12", "56", "", "56", "", "", ""},
                               1}),
    [](const ::testing::TestParamInfo<UnitCase>& info) { return std::string(info.param.name); });

TEST(AnalyseUnit, HiddenSinglesNarrowOnlyTheMask) {
    UnitWork work = loadedUnit({"125", "234", "234", "45", "45", "", "", "", ""}, {0, 1, 2, 3, 4});
    ga::analyseUnit(work, 5);
    EXPECT_EQ(static_cast<uint32_t>(work.unitMask[0]), maskOf("1"));
    EXPECT_EQ(positionsOf(work, 1), std::vector<int>({0}));
    EXPECT_EQ(positionsOf(work, 2), std::vector<int>({0, 1, 2}));
    EXPECT_EQ(positionsOf(work, 5), std::vector<int>({0, 3, 4}));
}

TEST(AnalyseUnit, SubsetRemovalsUpdateThePositionLists) {
    UnitWork work = loadedUnit({"125", "126", "56", "56", "", "", "", "", ""}, {0, 1, 2, 3});
    ga::analyseUnit(work, 4);
    EXPECT_EQ(positionsOf(work, 5), std::vector<int>({2, 3}));
    EXPECT_EQ(positionsOf(work, 6), std::vector<int>({2, 3}));
    EXPECT_EQ(positionsOf(work, 1), std::vector<int>({0, 1}));
}

// --- analyseUnits over a whole board of hand-set candidates --------------------

struct Board {
    PuzzleRecord record;
    CandidateSet candidates;
};

// Every cell open and empty, every mask all nine values.
Board openBoard() {
    Board board;
    ga::resetRecord(board.record);
    std::memset(&board.candidates, 0, sizeof board.candidates);
    for (int cell = 0; cell < kCells; ++cell) board.candidates.cellMask[cell] = kAll;
    return board;
}

void removeFrom(Board& board, std::initializer_list<int> cells, const char* digits) {
    for (int cell : cells) board.candidates.cellMask[cell] &= ~maskOf(digits);
}

uint32_t maskAt(const Board& board, int cell) {
    return static_cast<uint32_t>(board.candidates.cellMask[cell]);
}

int onePass(Board& board) {
    UnitWork work;
    ga::initUnitWork(work);
    work.changed = 0;
    ga::analyseUnits(board.record, board.candidates, work);
    return work.changed;
}

TEST(AnalyseUnits, HiddenPairInARow) {
    Board board = openBoard();
    removeFrom(board, {2, 3, 4, 5, 6, 7, 8}, "12");
    EXPECT_EQ(onePass(board), 1);
    EXPECT_EQ(maskAt(board, 0), maskOf("12"));
    EXPECT_EQ(maskAt(board, 1), maskOf("12"));
    EXPECT_EQ(maskAt(board, 2), kAll & ~maskOf("12"));
}

TEST(AnalyseUnits, PairAlreadyBareChangesNothing) {
    Board board = openBoard();
    removeFrom(board, {0, 1}, "3456789");
    removeFrom(board, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 19, 20}, "12");
    const CandidateSet before = board.candidates;
    EXPECT_EQ(onePass(board), 0);
    EXPECT_EQ(std::memcmp(&before, &board.candidates, sizeof before), 0);
}

TEST(AnalyseUnits, ALaterUnitSeesMasksNarrowedEarlierInThePass) {
    Board board = openBoard();
    // Row 0: 1 only at cell 0, which becomes {1}. Column 0: 2 only at cells 0
    // and 9, so once cell 0 is {1} the column finds 2 hidden at cell 9.
    board.candidates.cellMask[0] = static_cast<int32_t>(maskOf("12"));
    removeFrom(board, {1, 2, 3, 4, 5, 6, 7, 8}, "1");
    removeFrom(board, {18, 27, 36, 45, 54, 63, 72}, "2");
    // Row 1: 3 only at cells 9 and 10. Row 1 comes before column 0, so it sees
    // cell 9 narrowed only in the next pass.
    removeFrom(board, {11, 12, 13, 14, 15, 16, 17}, "3");

    onePass(board);
    EXPECT_EQ(maskAt(board, 0), maskOf("1"));
    EXPECT_EQ(maskAt(board, 9), maskOf("2"));
    EXPECT_NE(maskAt(board, 10), maskOf("3"));
    EXPECT_TRUE(maskAt(board, 10) & maskOf("3"));

    onePass(board);
    EXPECT_EQ(maskAt(board, 10), maskOf("3"));
}

// --- propagation on a real board --------------------------------------------

// Four 1s keep 1 out of every cell of row 0 but the first; that cell still has
// all nine candidates, so only the deep analysis can place it.
PuzzleRecord hiddenSingleBoard() {
    Grid clues{};
    for (int cell : {12, 24, 37, 65}) clues[cell] = 1;
    PuzzleRecord record = ga::testing::puzzleFromClues(clues);
    ga::loadClues(record);
    return record;
}

TEST(Propagation, HiddenSingleAfterOnePassThenPlaced) {
    PuzzleRecord record = hiddenSingleBoard();
    CandidateSet candidates;
    ga::computeCandidates(record, candidates);
    EXPECT_EQ(static_cast<uint32_t>(candidates.cellMask[0]), kAll);
    UnitWork work;
    ga::initUnitWork(work);
    work.changed = 0;
    ga::analyseUnits(record, candidates, work);
    EXPECT_EQ(static_cast<uint32_t>(candidates.cellMask[0]), maskOf("1"));

    PuzzleRecord shallow = hiddenSingleBoard();
    ga::propagateShallow(shallow, candidates);
    EXPECT_EQ(shallow.valueGrid[0], 0);

    PuzzleRecord deep = hiddenSingleBoard();
    ga::propagate(deep, candidates, work);
    EXPECT_EQ(deep.valueGrid[0], 1);
}

TEST(Propagation, TurnReportsThePlacements) {
    PuzzleRecord record = hiddenSingleBoard();
    CandidateSet candidates;
    UnitWork work;
    ga::initUnitWork(work);
    const int placed = ga::propagateTurn(record, candidates, work);
    EXPECT_GE(placed, 1);
    EXPECT_EQ(record.valueGrid[0], 1);
    EXPECT_EQ(ga::countOpenEmpty(record), 77 - placed);
}

// --- showCandidates -------------------------------------------------------------

class ShowCandidatesData : public ::testing::TestWithParam<ga::testing::DataCase> {};

TEST_P(ShowCandidatesData, ResultAndCandidateNumbers) {
    const auto& data = GetParam();
    PuzzleRecord record = ga::testing::puzzleFromText(data.puzzle);
    for (int32_t& number : record.candidateNumbers) number = -1;
    const Grid valuesBefore = ga::testing::copyOf(record.valueGrid);

    EXPECT_EQ(ga::showCandidates(record), data.expected.at(0));
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), valuesBefore);

    Grid clues = ga::testing::gridFromText(data.puzzle);
    Grid answer{};
    const bool unique = ga::testing::countAnswers(clues.data()) == 1;
    if (unique) ga::testing::solveOne(clues.data(), answer.data());
    for (int cell = 0; cell < kCells; ++cell) {
        const int32_t number = record.candidateNumbers[cell];
        if (record.openFlags[cell] == 0) {
            EXPECT_EQ(number, -1) << "clue " << cell;
            continue;
        }
        // A single candidate would have been placed: the last pass leaves
        // either nothing or at least two, and the sound analysis never drops
        // the answer.
        ASSERT_TRUE(number == 0 || number >= 12) << "cell " << cell << ": " << number;
        if (number != 0 && unique) {
            EXPECT_NE(std::to_string(number).find(static_cast<char>('0' + answer[cell])),
                      std::string::npos)
                << "cell " << cell;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DataFile, ShowCandidatesData,
                         ::testing::ValuesIn(ga::testing::readDataCases("show_candidates.txt")),
                         [](const auto& info) { return ga::testing::dataCaseName(info.param); });

TEST(ShowCandidates, PairLeftInARowReads29) {
    PuzzleRecord record = ga::testing::puzzleFromText("1345678" + std::string(74, '.'));
    EXPECT_EQ(ga::showCandidates(record), ga::kDeepCandidates);
    EXPECT_EQ(record.candidateNumbers[7], 29);
    EXPECT_EQ(record.candidateNumbers[8], 29);
    EXPECT_EQ(record.valueGrid[0], 0);  // the clues were loaded only for the analysis
}

TEST(ShowCandidates, FullBoardWritesNothing) {
    const char* solved =
        "923564817684217539157398426861439275475621983239785641592873164346152798718946352";
    // The player's entries count as placed values, whether clue or typed.
    PuzzleRecord record =
        ga::testing::puzzleFromText(std::string(solved).substr(0, 40) + std::string(41, '.'));
    const Grid answer = ga::testing::gridFromText(solved);
    for (int cell = 40; cell < kCells; ++cell) record.valueGrid[cell] = answer[cell];
    for (int32_t& number : record.candidateNumbers) number = 5;
    EXPECT_EQ(ga::showCandidates(record), ga::kNoCandidates);
    for (int cell = 0; cell < kCells; ++cell) EXPECT_EQ(record.candidateNumbers[cell], 5);
}

TEST(ShowCandidates, RepeatedEntryKeepsTheBoardAsTyped) {
    PuzzleRecord record = ga::testing::puzzleFromText(
        "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4.");
    ga::loadClues(record);
    record.valueGrid[1] = 3;  // the row already holds a clue 3
    record.valueGrid[2] = 8;
    const Grid before = ga::testing::copyOf(record.valueGrid);
    ga::showCandidates(record);
    EXPECT_EQ(ga::testing::copyOf(record.valueGrid), before);
    EXPECT_EQ(record.candidateNumbers[1], 0);  // filled cells are not written
}

}  // namespace
