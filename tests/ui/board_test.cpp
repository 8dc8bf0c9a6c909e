// The board's rules against the fake desktop: layout, display, typing,
// colours and the completion check.
#include "ui/board.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/menu_table.h"
#include "app/status_messages.h"
#include "platform/fake_desktop.h"

namespace {

using ga::CompletionCheck;
using ga::ControlKind;
using ga::FakeDesktop;
using ga::FontChoice;
using ga::PuzzleRecord;
using ga::TextColour;

bool operator==(const TextColour& a, const TextColour& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// A complete, valid grid: each row is the one above shifted.
int32_t solvedValue(int cell) {
    const int row = cell / 9, column = cell % 9;
    return (row * 3 + row / 3 + column) % 9 + 1;
}

PuzzleRecord emptyRecord() {
    PuzzleRecord record{};
    ga::resetRecord(record);
    return record;
}

// Every cell open and filled with the solved grid, the answer known.
PuzzleRecord finishedRecord() {
    PuzzleRecord record = emptyRecord();
    for (int cell = 0; cell < ga::kCells; ++cell) {
        record.answerGrid[cell] = solvedValue(cell);
        record.valueGrid[cell] = solvedValue(cell);
    }
    record.answerKnown = 1;
    return record;
}

// The cell size, the nine offsets, then the status box and the progress bar
// as x, y, width, height.
TEST(BoardLayout, FollowsTheClientWidth) {
    const std::pair<int, std::vector<int>> cases[] = {
        {300, {28, 20, 48, 76, 106, 134, 162, 192, 220, 248, 20, 296, 256, 42, 30, 281, 240, 11}},
        {460, {46, 20, 66, 112, 160, 206, 252, 300, 346, 392, 20, 458, 416, 69, 46, 443, 368, 11}},
    };
    for (const auto& [width, expected] : cases) {
        const ga::BoardLayout layout = ga::boardLayout(width);
        std::vector<int> numbers = {layout.cellSize};
        numbers.insert(numbers.end(), layout.offsets, layout.offsets + 9);
        for (const ga::ControlRect& rect : {layout.statusBox, layout.progressBar})
            numbers.insert(numbers.end(), {rect.x, rect.y, rect.width, rect.height});
        EXPECT_EQ(numbers, expected) << width;
    }
}

TEST(Board, CreatesCellsRowByRowAndShowsThemByTheDisplayRules) {
    FakeDesktop desktop;
    desktop.setClientWidth(300);
    PuzzleRecord record = emptyRecord();
    record.openFlags[0] = 0;  // a clue
    record.answerGrid[0] = 7;
    record.valueGrid[1] = 3;  // a value
    record.candidateNumbers[2] = 249;
    record.candidateNumbers[3] = 5;  // a single candidate is no hint
    record.valueGrid[4] = 6;         // a value wins over candidates
    record.candidateNumbers[4] = 18;
    EXPECT_EQ(ga::createBoard(desktop, record), 0);

    struct Expected {
        int cell;
        ControlKind kind;
        FontChoice font;
        const char* text;
    };
    const Expected expected[] = {
        {0, ControlKind::kClueCell, FontChoice::kBig, "7"},
        {1, ControlKind::kOpenCell, FontChoice::kBig, "3"},
        {2, ControlKind::kOpenCell, FontChoice::kSmall, "249"},
        {3, ControlKind::kOpenCell, FontChoice::kBig, ""},
        {4, ControlKind::kOpenCell, FontChoice::kBig, "6"},
        {80, ControlKind::kOpenCell, FontChoice::kBig, ""},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.cell);
        const auto control = desktop.control(ga::cellId(e.cell));
        ASSERT_TRUE(control.has_value());
        EXPECT_EQ(control->kind, e.kind);
        EXPECT_EQ(control->font, e.font);
        EXPECT_EQ(control->text, e.text);
    }
    const auto created = desktop.logStartingWith("createControl");
    ASSERT_EQ(created.size(), 81u);
    EXPECT_EQ(created[0], "createControl 1501 clueCell 20 20 28 28");
    EXPECT_EQ(created[12], "createControl 1513 openCell 106 48 28 28");
    EXPECT_EQ(created[80], "createControl 1581 openCell 248 248 28 28");

    ga::destroyBoard(desktop);
    for (int cell = 0; cell < ga::kCells; ++cell) EXPECT_FALSE(desktop.control(ga::cellId(cell)));
}

TEST(Board, TypedNumberReadsAtMostNineLeadingDigits) {
    const std::pair<const char*, int32_t> cases[] = {
        {"", 0},
        {"0", 0},
        {"5", 5},
        {"249", 249},
        {"007", 7},
        {"7x3", 7},
        {"x12", 0},
        {"123456789", 123456789},
        {"99999999999999999999", 999999999},
    };
    for (const auto& [text, number] : cases) EXPECT_EQ(ga::typedNumber(text), number) << text;
}

TEST(Board, FocusClearsAnOpenCellsValueAndLeavesAClueAlone) {
    FakeDesktop desktop;
    PuzzleRecord record = emptyRecord();
    record.openFlags[1] = 0;
    record.answerGrid[1] = record.valueGrid[1] = 4;
    record.valueGrid[0] = 5;
    ga::createBoard(desktop, record);

    ga::cellGainedFocus(desktop, record, 0);
    EXPECT_EQ(record.valueGrid[0], 0);
    EXPECT_EQ(desktop.control(1501)->font, FontChoice::kSmall);
    EXPECT_EQ(desktop.control(1501)->text, "5");  // the text stays for editing

    ga::cellGainedFocus(desktop, record, 1);
    EXPECT_EQ(record.valueGrid[1], 4);
    EXPECT_EQ(desktop.control(1502)->font, FontChoice::kBig);
    EXPECT_FALSE(ga::cellLostFocus(desktop, record, 1)) << "a clue's text is its value";
}

TEST(Board, LosingFocusTakesWhatTheCellShows) {
    struct Case {
        const char* text;
        int32_t value, candidates;
        FontChoice font;
        bool changed;
    };
    // The cell held candidates 38 before the player entered it.
    const Case cases[] = {
        {"5", 5, 38, FontChoice::kBig, true},     {"249", 0, 249, FontChoice::kSmall, true},
        {"0", 0, 0, FontChoice::kSmall, true},    {"", 0, 0, FontChoice::kSmall, true},
        {"38", 0, 38, FontChoice::kSmall, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FakeDesktop desktop;
        PuzzleRecord record = emptyRecord();
        record.candidateNumbers[10] = 38;
        ga::createBoard(desktop, record);
        ga::cellGainedFocus(desktop, record, 10);
        desktop.setText(ga::cellId(10), c.text);
        EXPECT_EQ(ga::cellLostFocus(desktop, record, 10), c.changed);
        EXPECT_EQ(record.valueGrid[10], c.value);
        EXPECT_EQ(record.candidateNumbers[10], c.candidates);
        EXPECT_EQ(desktop.control(ga::cellId(10))->font, c.font);
    }
}

TEST(Board, ColoursTellCandidatesConflictsAndDifferencesApart) {
    PuzzleRecord record = emptyRecord();
    record.answerGrid[0] = 5;
    record.valueGrid[0] = 5;  // agrees with the answer, conflicts with cell 1
    record.valueGrid[1] = 5;  // differs from the answer 3
    record.answerGrid[1] = 3;
    record.valueGrid[20] = 8;  // no conflict, no answer difference
    record.answerGrid[20] = 8;
    struct Case {
        int mode, cell;
        const char* text;
        TextColour colour;
    };
    const Case cases[] = {
        {1, 2, "249", ga::kCandidateGrey}, {2, 2, "249", ga::kCandidateGrey},
        {1, 0, "5", ga::kMistakeRed},      {1, 20, "8", ga::kValueBlue},
        {2, 0, "5", ga::kValueBlue},       {2, 1, "5", ga::kMistakeRed},
        {0, 1, "5", ga::kValueBlue},       {1, 3, "0", ga::kValueBlue},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(ga::cellColour(record, c.mode, c.cell, c.text) == c.colour)
            << "mode " << c.mode << " cell " << c.cell;
    }
}

class CompletionCheckTest : public ::testing::Test {
  protected:
    CompletionCheckTest() { desktop.addMenuItems(ga::menuItemCommands()); }

    void greyBoth() {
        desktop.enableMenuItem(ga::kCommandSavePuzzle, false);
        desktop.enableMenuItem(ga::kCommandOpenAnswer, false);
    }
    bool enabled(int command) const { return desktop.menuItem(command)->enabled; }

    FakeDesktop desktop;
    CompletionCheck check;
};

TEST_F(CompletionCheckTest, RunsOnlyWhileAPuzzleIsPlayed) {
    PuzzleRecord record = finishedRecord();
    for (int mode : {0, 8, 16, 32}) {
        greyBoth();
        EXPECT_EQ(check.run(desktop, record, mode), CompletionCheck::kNoStatus) << mode;
        EXPECT_FALSE(enabled(ga::kCommandSavePuzzle));
    }
    for (int mode : {1, 2, 4}) {
        greyBoth();
        EXPECT_EQ(check.run(desktop, record, mode), ga::kStatusComplete) << mode;
        EXPECT_TRUE(enabled(ga::kCommandSavePuzzle));
        EXPECT_TRUE(enabled(ga::kCommandOpenAnswer));
    }
}

TEST_F(CompletionCheckTest, JudgesAFinishedBoard) {
    PuzzleRecord unfinished = finishedRecord();
    unfinished.valueGrid[40] = 0;
    greyBoth();
    EXPECT_EQ(check.run(desktop, unfinished, 1), CompletionCheck::kNoStatus);
    EXPECT_TRUE(enabled(ga::kCommandSavePuzzle));
    EXPECT_FALSE(enabled(ga::kCommandOpenAnswer));

    PuzzleRecord mistaken = finishedRecord();
    mistaken.valueGrid[0] = mistaken.valueGrid[0] % 9 + 1;  // a row no longer sums to 45
    EXPECT_EQ(check.run(desktop, mistaken, 1), ga::kStatusFinishedWithMistakes);

    // A valid grid other than the stored answer: every 1 and 2 exchanged.
    PuzzleRecord other = finishedRecord();
    for (int32_t& value : other.valueGrid) value = value == 1 ? 2 : value == 2 ? 1 : value;
    EXPECT_EQ(check.run(desktop, other, 1), ga::kStatusCompleteOtherAnswer);
    PuzzleRecord right = finishedRecord();
    EXPECT_EQ(check.run(desktop, right, 1), ga::kStatusComplete);
    EXPECT_EQ(check.uniquenessChecks(), 0);  // the answer was known each time
}

TEST_F(CompletionCheckTest, AFinishedBoardWithoutAnswerAdoptsItsOnlyAnswer) {
    PuzzleRecord record = finishedRecord();
    record.answerKnown = 0;
    std::memset(record.answerGrid, 0, sizeof record.answerGrid);
    greyBoth();
    EXPECT_EQ(check.run(desktop, record, 4), ga::kStatusComplete);
    EXPECT_EQ(record.answerKnown, 1);
    for (int cell = 0; cell < ga::kCells; ++cell) {
        ASSERT_EQ(record.answerGrid[cell], solvedValue(cell));
    }
    EXPECT_TRUE(enabled(ga::kCommandOpenAnswer));
}

TEST_F(CompletionCheckTest, ChecksUniquenessOncePerDistinctBoard) {
    // Every row, column and box sums to 45, yet no answer has only fives: the
    // board is finished, is not adopted, and would be checked on every paint.
    PuzzleRecord fives = emptyRecord();
    for (int32_t& value : fives.valueGrid) value = 5;
    for (int paint = 0; paint < 5; ++paint) {
        EXPECT_EQ(check.run(desktop, fives, 1), ga::kStatusComplete);
    }
    EXPECT_EQ(fives.answerKnown, 0);
    EXPECT_FALSE(enabled(ga::kCommandOpenAnswer));
    EXPECT_EQ(check.uniquenessChecks(), 1);

    fives.valueGrid[0] = 4;  // another board of the same kind: checked once more
    fives.valueGrid[1] = 6;
    fives.valueGrid[9] = 6;
    fives.valueGrid[10] = 4;
    EXPECT_EQ(check.run(desktop, fives, 1), ga::kStatusComplete);
    EXPECT_EQ(check.uniquenessChecks(), 2);
}

}  // namespace
