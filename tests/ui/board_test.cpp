// The board's rules against the fake desktop: display, typing, colours and
// the completion check.
#include "ui/board.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/fake_desktop.h"
#include "ui/board_ids.h"

namespace ga {
namespace {

PuzzleRecord emptyRecord() {
    PuzzleRecord record{};
    resetRecord(record);
    return record;
}

// Every cell open and filled with a solved grid (each row the one above
// shifted), the answer known.
PuzzleRecord finishedRecord() {
    PuzzleRecord record = emptyRecord();
    for (int cell = 0; cell < kCells; ++cell) {
        const int row = cell / 9;
        record.answerGrid[cell] = record.valueGrid[cell] = (row * 3 + row / 3 + cell % 9) % 9 + 1;
    }
    record.answerKnown = 1;
    return record;
}

// A cell shown from the record, entered, given a text and left: the record
// takes the leading digits (nine at most), and the cell shows what it holds.
TEST(Board, ACellShowsWhatItHoldsAndStoresWhatWasTypedIntoIt) {
    constexpr FontChoice kBig = FontChoice::kBig, kSmall = FontChoice::kSmall;
    // clang-format off
    const struct {
        int32_t value, candidates; const char* before; FontChoice beforeFont;
        const char* typed;
        int32_t valueAfter, candidatesAfter; const char* after; FontChoice font;
    } cases[] = {
        {4, 38, "4", kBig, "5", 5, 38, "5", kBig},
        {0, 38, "38", kSmall, "05", 5, 38, "5", kBig},
        {0, 5, "", kBig, "249", 0, 249, "249", kSmall},
        {4, 0, "4", kBig, "0467", 0, 467, "467", kSmall},
        {0, 38, "38", kSmall, "00", 0, 0, "", kBig},
        {0, 0, "", kBig, "12345678901", 0, 123456789, "123456789", kSmall},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        FakeDesktop desktop;
        PuzzleRecord record = emptyRecord();
        record.valueGrid[10] = c.value;
        record.candidateNumbers[10] = c.candidates;
        EXPECT_EQ(createBoard(desktop, record), 0);
        const auto cell = [&] { return *desktop.control(cellId(10)); };
        EXPECT_EQ(cell().text + (cell().font == c.beforeFont ? "" : " font"), c.before);
        cellGainedFocus(desktop, record, 10);
        EXPECT_EQ(record.valueGrid[10], 0);
        EXPECT_EQ(cell().font, kSmall);
        desktop.setText(cellId(10), c.typed);
        EXPECT_TRUE(cellLostFocus(desktop, record, 10));
        EXPECT_EQ(record.valueGrid[10], c.valueAfter);
        EXPECT_EQ(record.candidateNumbers[10], c.candidatesAfter);
        EXPECT_EQ(cell().text + (cell().font == c.font ? "" : " font"), c.after);
    }
}

TEST(Board, ColoursTellCandidatesConflictsAndDifferencesApart) {
    PuzzleRecord record = emptyRecord();
    record.answerGrid[0] = record.valueGrid[0] = 5;  // agrees, conflicts with cell 1
    record.valueGrid[1] = 5;                         // differs from the answer 3
    record.answerGrid[1] = 3;
    record.answerGrid[20] = record.valueGrid[20] = 8;
    record.valueGrid[30] = 8;  // differs from no answer (0), conflicts with nothing
    // Without an answer (the last two), absolute mistakes are shown as visible ones.
    // clang-format off
    constexpr CellInk kGrey = CellInk::kCandidate, kRed = CellInk::kMistake, kBlue = CellInk::kValue;
    const struct {
        int answerKnown, mode, cell; const char* text; CellInk ink;
    } cases[] = {
        {1, 1, 2, "249", kGrey}, {1, 2, 2, "249", kGrey},
        {1, 1, 0, "5", kRed},    {1, 1, 20, "8", kBlue},
        {1, 2, 0, "5", kBlue},   {1, 2, 1, "5", kRed},
        {1, 0, 1, "5", kBlue},   {1, 1, 3, "0", kBlue},
        {0, 2, 30, "8", kBlue},  {0, 2, 1, "5", kRed},
    };
    // clang-format on
    for (const auto& c : cases) {
        record.answerKnown = c.answerKnown;
        EXPECT_EQ(cellInk(record, c.mode, c.cell, c.text), c.ink)
            << "answer " << c.answerKnown << " mode " << c.mode << " cell " << c.cell;
    }
}

// Clues at 0, 1, 79 and 80; the caret at neither end, the start, the end, or both.
// No arrow leaves the board at any of its four edges; Tab and Shift+Tab go round it.
TEST(Board, KeysMoveWithinTheBoardAndTabsGoRoundItsOpenCells) {
    PuzzleRecord record = emptyRecord();
    for (int clue : {0, 1, 79, 80}) record.openFlags[clue] = 0;
    using K = CellKey;
    // clang-format off
    constexpr CaretPlace kIn{false, false}, kStart{true, false}, kEnd{false, true}, kAll{true, true};
    const struct { int from; CellKey key; CaretPlace caret; int to; } cases[] = {
        {40, K::kUp, kIn, 31},        {40, K::kDown, kIn, 49},       {4, K::kUp, kAll, -1},
        {40, K::kLeft, kStart, 39},   {40, K::kLeft, kEnd, -1},      {40, K::kRight, kEnd, 41},
        {40, K::kRight, kIn, -1},     {9, K::kLeft, kAll, -1},       {2, K::kLeft, kAll, 1},
        {9, K::kUp, kIn, 0},          {78, K::kNextOpen, kIn, 2},    {2, K::kPreviousOpen, kIn, 78},
        {76, K::kDown, kAll, -1},     {17, K::kRight, kAll, -1},     {72, K::kDown, kIn, -1},
        {17, K::kNextOpen, kIn, 18},  {18, K::kPreviousOpen, kIn, 17}, {0, K::kNextOpen, kIn, 2},
        {80, K::kPreviousOpen, kIn, 78}, {1, K::kPreviousOpen, kIn, 78}, {79, K::kNextOpen, kIn, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(cellAfterKey(record, c.from, c.key, c.caret), c.to) << c.from << " " << int(c.key);
    // clang-format on
}

TEST(CompletionCheck, JudgesAFinishedBoardAndAdoptsAnOnlyAnswerOnce) {
    using V = CompletionVerdict;
    CompletionCheck check;
    const auto run = [&](PuzzleRecord record) {
        const CompletionResult result = check.run(record);
        return std::make_pair(result, record);
    };
    const PuzzleRecord finished = finishedRecord();
    PuzzleRecord unfinished = finished, mistaken = finished;
    PuzzleRecord other = finished, unknown = finished, fives = emptyRecord();
    unfinished.valueGrid[40] = 0;
    mistaken.valueGrid[0] = mistaken.valueGrid[0] % 9 + 1;  // a row no longer sums to 45
    for (int32_t& value : other.valueGrid) value = value == 1 ? 2 : value == 2 ? 1 : value;
    unknown.answerKnown = 0;
    unknown.answerGrid.fill(0);
    for (int32_t& value : fives.valueGrid) value = 5;  // sums to 45 everywhere, no answer
    const struct {
        const PuzzleRecord& record;
        CompletionVerdict verdict;
    } cases[] = {{finished, V::kComplete},
                 {unfinished, V::kUnfinished},
                 {mistaken, V::kFinishedWithMistakes},
                 {other, V::kCompleteOtherAnswer}};
    for (const auto& c : cases) {
        const CompletionResult result = run(c.record).first;
        EXPECT_EQ(result.verdict, c.verdict);
        EXPECT_FALSE(result.answerAdopted);
    }
    EXPECT_EQ(check.uniquenessChecks(), 0);  // the answer was known each time

    const auto [result, adopted] = run(unknown);
    EXPECT_EQ(result.verdict, V::kComplete);
    EXPECT_TRUE(result.answerAdopted);
    EXPECT_EQ(adopted.answerKnown, 1);
    EXPECT_EQ(adopted.answerGrid, finished.answerGrid);
    for (int paint = 0; paint < 3; ++paint) {
        const auto [again, kept] = run(fives);
        EXPECT_EQ(again.verdict, V::kComplete);
        EXPECT_FALSE(again.answerAdopted);
        EXPECT_EQ(kept.answerKnown, 0);
    }
    EXPECT_EQ(check.uniquenessChecks(), 2);  // once per distinct board
}

}  // namespace
}  // namespace ga

// A resized window lays its board out at the widest width that fits: never
// wider than the window, never taller, and one cell more would not fit.
TEST(Board, AResizedBoardTakesTheLargestCellsThatFit) {
    const struct {
        int width, height;
    } sizes[] = {{460, 1000}, {460, 601}, {900, 600}, {300, 1000},
                 {1000, 300}, {461, 587}, {100, 100}, {2000, 1600}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width << "x" << size.height);
        const int fitted = ga::fittedClientWidth(size.width, size.height);
        if (fitted == ga::kSmallestClientWidth) continue;
        EXPECT_LE(fitted, size.width);
        EXPECT_LE(ga::boardHeight(fitted), size.height);
        const int larger = fitted + 9;  // cells a pixel wider
        EXPECT_TRUE(larger > size.width || ga::boardHeight(larger) > size.height);
    }
    EXPECT_EQ(ga::fittedClientWidth(460, 1000), 460) << "room enough keeps the width";
    EXPECT_EQ(ga::fittedClientWidth(100, 100), ga::kSmallestClientWidth);
}
