// The engine's entry points on the puzzles of data/puzzles.txt, and its
// verdicts against the exact solver on generated puzzles.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <sstream>

#include "core/candidates.h"
#include "core/checks.h"
#include "core/hint.h"
#include "core/random.h"
#include "core/searches.h"
#include "core/solver.h"
#include "tests/support/exact_solver.h"
#include "tests/support/test_records.h"

namespace ga::testing {
namespace {

// Runs one check on the puzzle with its clues loaded, as the board's record
// always is. The board is left as it was found; a bar, when shown, is framed.
int runCheck(PuzzleRecord record, bool multiple, bool* barShown = nullptr) {
    loadClues(record);
    const Grid before = record.valueGrid;
    RecordingSink sink;
    const int result =
        multiple ? int{checkMultiple(record, sink.meter)} : int{checkSolvable(record, sink.meter)};
    EXPECT_EQ(record.valueGrid, before) << "multiple " << multiple;
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
    const bool repeats = hasDuplicate(start);
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
            EXPECT_TRUE(answers != 1 || record.valueGrid == answer);
        } else if (way != kPencilMarks || repeats) {
            EXPECT_EQ(record.valueGrid, start);
        }
    }
    PuzzleRecord record = puzzleFromText(text);
    std::fill(std::begin(record.candidateNumbers), std::end(record.candidateNumbers), -1);
    const Grid entries = record.valueGrid;
    EXPECT_EQ(showCandidates(record), expected.at(5));
    EXPECT_EQ(record.valueGrid, entries);
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

// Step by step, the logic reaches the grid and the result of the pencil marks,
// unless a step finds a contradiction; with one answer, every value it places
// is the answer's.
TEST_P(EnginePuzzles, StepsReachThePencilMarksGrid) {
    PuzzleRecord record = puzzleFromText(GetParam().puzzle);
    Grid answer{};
    const bool unique = countAnswers(gridFromText(GetParam().puzzle).data(), 2, answer.data()) == 1;
    LadderBoard board;
    loadStepBoard(record, board);
    Step step;
    while ((step = nextStep(board)).kind != StepKind::kNone && !isContradiction(step.kind)) {
        applyStep(board, step);
        EXPECT_TRUE(!unique || step.kind == StepKind::kHiddenSubset ||
                    board.values[step.cells[0]] == answer[step.cells[0]])
            << stepText(step);
    }
    RecordingSink sink;
    const int result = solveJob(record, kPencilMarks, sink.meter);
    if (isContradiction(step.kind)) {
        EXPECT_NE(result, kSolved) << stepText(step);
        return;
    }
    EXPECT_EQ(result, countEmpty(board) == 0 ? kSolved : kNotSolvedByPencilMarks);
    EXPECT_TRUE(
        std::equal(std::begin(board.values), std::end(board.values), record.valueGrid.begin()));
}

GA_DATA_FILE_CASES(EnginePuzzles, "puzzles.txt");

// A board from "rc=v" words: a digit is a clue, a letter a..i an entry.
std::string boardOf(const std::string& words) {
    std::string text(kCells, '.');
    std::istringstream in(words);
    for (std::string word; in >> word;) text[(word[0] - '1') * 9 + word[1] - '1'] = word[3];
    return text;
}

// The hint on hand-made boards: each kind, its words and the cells it tints
// at both stages (the kinds other than a step have one). The lower six rows
// of the grid alone (several answers; the one stored is the hint's) leave
// three candidates in every empty cell; the player's lists at r1c1 and r2c1
// leave 1 a single place in box 1.
TEST(Hint, TellsTheNextStepInStages) {
    const std::string solved = kSolvedText;
    const std::string lowerRows = std::string(27, '.') + solved.substr(27);
    const std::vector<int> box1 = {0, 1, 2, 9, 10, 11, 18, 19, 20};
    const struct {
        std::string board, lists;
        bool answerStored;
        HintKind kind;
        std::string lead, whole;
        std::vector<int> leadCells, wholeCells;
    } cases[] = {
        {lowerRows,
         "11=69 21=69",
         true,
         HintKind::kStep,
         "look at box 1: a hidden single",
         "box 1: 1 fits only in r3c1",
         box1,
         {18}},
        {"." + solved.substr(1),
         "",
         true,
         HintKind::kStep,
         "look at row 1: a full house",
         "row 1: r1c1 is the last empty cell, so it takes 9",
         {0, 1, 2, 3, 4, 5, 6, 7, 8},
         {0}},
        {boardOf("11=a 15=1 51=a 22=a"),
         "",
         false,
         HintKind::kClash,
         "r1c1: 1 clashes with r1c5, r2c2 and r5c1",
         "",
         {0, 4, 10, 36},
         {}},
        {"f" + lowerRows.substr(1),
         "",
         true,
         HintKind::kWrongValue,
         "r1c1: 6 is not the answer's value",
         "",
         {0},
         {}},
        {lowerRows,
         "11=16",
         true,
         HintKind::kWrongList,
         "r1c1: the candidates 1 and 6 leave out the answer's value",
         "",
         {0},
         {}},
        {boardOf("11=5 19=5"),
         "",
         false,
         HintKind::kNoAnswer,
         "this puzzle has no answer, so there is no step to hint",
         "",
         {},
         {}},
        {boardOf(""),
         "",
         false,
         HintKind::kSeveralAnswers,
         "this puzzle has more than one answer, so no step can lead to just one",
         "",
         {},
         {}},
        {solved,
         "",
         false,
         HintKind::kFinished,
         "the board is complete: nothing is left to hint",
         "",
         {},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.board + " " + c.lists);
        PuzzleRecord record = puzzleFromText(c.board);
        std::istringstream lists(c.lists);
        for (std::string word; lists >> word;)
            record.candidateNumbers[(word[0] - '1') * 9 + word[1] - '1'] =
                std::stoi(word.substr(3));
        if (c.answerStored) {
            for (int cell = 0; cell < kCells; ++cell) record.answerGrid[cell] = solved[cell] - '0';
            record.answerKnown = 1;
        }
        const Hint hint = hintFor(record, 100000);
        EXPECT_EQ(hint.kind, c.kind);
        const bool step = c.kind == HintKind::kStep;
        for (const HintStage stage : {HintStage::kLead, HintStage::kWhole}) {
            const bool lead = stage == HintStage::kLead || !step;
            std::vector<int> cells;
            for (int cell : cellsOf(hintCells(hint, stage))) cells.push_back(cell);
            EXPECT_EQ(hintText(hint, stage), lead ? c.lead : c.whole);
            EXPECT_EQ(cells, lead ? c.leadCells : c.wholeCells);
        }
    }
}

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
        if (value != answer[cells[toEmpty]] && !hasDuplicate(clues)) break;
        clues[cells[toEmpty]] = answer[cells[toEmpty]];
    }
    return clues;
}

TEST(AgreementWithExactSolver, OnGeneratedPuzzles) {
    int multiAnswerJudgedSingle = 0, multiAnswerPuzzles = 0, gaveUp = 0;
    for (uint32_t seed = 1; seed <= 240; ++seed) {
        const Grid clues = generatedPuzzle(seed);
        Grid answer{}, first{};
        const int answers = countAnswers(clues.data(), 2, answer.data());
        const int empty = static_cast<int>(std::count(clues.begin(), clues.end(), 0));
        SCOPED_TRACE(textOf(clues) + " answers " + std::to_string(answers));
        // The engine's own exact count, with no bound and with one too tight.
        PuzzleRecord counted = puzzleFromText(textOf(clues));
        loadClues(counted);
        EXPECT_EQ(ga::countAnswers(counted, 2, -1, &first), answers);
        EXPECT_TRUE(answers != 1 || first == answer);
        EXPECT_EQ(counted.valueGrid, clues);
        const int bounded = ga::countAnswers(counted, 2, 1);
        EXPECT_TRUE(bounded == answers || bounded == kCountGaveUp);
        gaveUp += bounded == kCountGaveUp;
        seedRandomWith(seed);
        const int solvable = runCheck(puzzleFromText(textOf(clues)), false);
        const int multiple = runCheck(puzzleFromText(textOf(clues)), true);
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
    EXPECT_GT(gaveUp, 0);
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
        EXPECT_EQ(hasConflict(record, c.cell), c.conflict != 0) << c.text;
        loadClues(record);
        EXPECT_EQ(hasConflict(record, c.cell), c.conflict != 0) << c.text << " loaded";
    }
}

}  // namespace
}  // namespace ga::testing
