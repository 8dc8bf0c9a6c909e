// The board's rules against the fake desktop: display, typing, colours and
// the completion check.
#include "ui/board.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/status_messages.h"
#include "platform/fake_desktop.h"

namespace {

using ga::CompletionCheck;
using ga::FakeDesktop;
using ga::FontChoice;
using ga::PuzzleRecord;

constexpr FontChoice kBig = FontChoice::kBig;
constexpr FontChoice kSmall = FontChoice::kSmall;

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
        record.answerGrid[cell] = record.valueGrid[cell] = solvedValue(cell);
    }
    record.answerKnown = 1;
    return record;
}

TEST(Board, ShowsEachCellByWhatItHolds) {
    FakeDesktop desktop;
    PuzzleRecord record = emptyRecord();
    record.openFlags[0] = 0;  // a clue
    record.answerGrid[0] = 7;
    record.valueGrid[1] = 3;
    record.candidateNumbers[2] = 249;
    record.candidateNumbers[3] = 5;  // a single candidate is no hint
    record.valueGrid[4] = 6;         // a value wins over candidates
    record.candidateNumbers[4] = 18;
    EXPECT_EQ(ga::createBoard(desktop, record), 0);
    struct Expected {
        int cell;
        ga::ControlKind kind;
        FontChoice font;
        const char* text;
    };
    for (const Expected& e : {Expected{0, ga::ControlKind::kClueCell, kBig, "7"},
                              Expected{1, ga::ControlKind::kOpenCell, kBig, "3"},
                              Expected{2, ga::ControlKind::kOpenCell, kSmall, "249"},
                              Expected{3, ga::ControlKind::kOpenCell, kBig, ""},
                              Expected{4, ga::ControlKind::kOpenCell, kBig, "6"},
                              Expected{80, ga::ControlKind::kOpenCell, kBig, ""}}) {
        const auto control = desktop.control(ga::cellId(e.cell));
        ASSERT_TRUE(control.has_value()) << e.cell;
        EXPECT_EQ(control->kind, e.kind) << e.cell;
        EXPECT_EQ(control->font, e.font) << e.cell;
        EXPECT_EQ(control->text, e.text) << e.cell;
    }
    PuzzleRecord shown = record, replaced{};
    EXPECT_EQ(ga::replaceBoard(desktop, shown, emptyRecord(), &replaced), 0);
    EXPECT_EQ(std::memcmp(&replaced, &record, sizeof record), 0);
    EXPECT_EQ(desktop.control(ga::cellId(0))->kind, ga::ControlKind::kOpenCell);
    EXPECT_EQ(desktop.control(ga::cellId(2))->text, "");
}

// A cell with value 4 and candidates 38 is entered, given a text and left:
// the record takes the leading digits (nine at most), and the cell then shows
// what the record holds.
TEST(Board, LeavingACellStoresItsNumberAndShowsWhatIsStored) {
    struct Case {
        const char* typed;
        int32_t value, candidates;
        const char* shown;
        FontChoice font;
        bool changed;
    };
    const Case cases[] = {
        {"5", 5, 38, "5", kBig, true},
        {"4", 4, 38, "4", kBig, true},
        {"05", 5, 38, "5", kBig, true},
        {"249", 0, 249, "249", kSmall, true},
        {"0467", 0, 467, "467", kSmall, true},
        {"38", 0, 38, "38", kSmall, false},
        {"0", 0, 0, "", kBig, true},
        {"00", 0, 0, "", kBig, true},
        {"", 0, 0, "", kBig, true},
        {"12345678901", 0, 123456789, "123456789", kSmall, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        FakeDesktop desktop;
        PuzzleRecord record = emptyRecord();
        record.valueGrid[10] = 4;
        record.candidateNumbers[10] = 38;
        ga::createBoard(desktop, record);
        ga::cellGainedFocus(desktop, record, 10);
        EXPECT_EQ(record.valueGrid[10], 0);
        EXPECT_EQ(desktop.control(ga::cellId(10))->font, kSmall);
        desktop.setText(ga::cellId(10), c.typed);
        EXPECT_EQ(ga::cellLostFocus(desktop, record, 10), c.changed);
        EXPECT_EQ(record.valueGrid[10], c.value);
        EXPECT_EQ(record.candidateNumbers[10], c.candidates);
        EXPECT_EQ(desktop.control(ga::cellId(10))->text, c.shown);
        EXPECT_EQ(desktop.control(ga::cellId(10))->font, c.font);
    }
    // A clue is left alone, and a cell left without being entered drops its value.
    FakeDesktop desktop;
    PuzzleRecord record = emptyRecord();
    record.openFlags[1] = 0;
    record.answerGrid[1] = record.valueGrid[1] = 4;
    record.valueGrid[2] = 6;
    record.candidateNumbers[2] = 38;
    ga::createBoard(desktop, record);
    ga::cellGainedFocus(desktop, record, 1);
    EXPECT_EQ(record.valueGrid[1], 4);
    EXPECT_FALSE(ga::cellLostFocus(desktop, record, 1));
    desktop.setText(ga::cellId(2), "38");
    EXPECT_TRUE(ga::cellLostFocus(desktop, record, 2));
    EXPECT_EQ(record.valueGrid[2], 0);
}

TEST(Board, ColoursTellCandidatesConflictsAndDifferencesApart) {
    PuzzleRecord record = emptyRecord();
    record.answerGrid[0] = record.valueGrid[0] = 5;  // agrees, conflicts with cell 1
    record.valueGrid[1] = 5;                         // differs from the answer 3
    record.answerGrid[1] = 3;
    record.answerGrid[20] = record.valueGrid[20] = 8;
    record.valueGrid[30] = 8;  // differs from no answer (0), conflicts with nothing
    struct Case {
        int answerKnown, mode, cell;
        const char* text;
        ga::TextColour colour;
    };
    const Case cases[] = {
        {1, 1, 2, "249", ga::kCandidateGrey},
        {1, 2, 2, "249", ga::kCandidateGrey},
        {1, 1, 0, "5", ga::kMistakeRed},
        {1, 1, 20, "8", ga::kValueBlue},
        {1, 2, 0, "5", ga::kValueBlue},
        {1, 2, 1, "5", ga::kMistakeRed},
        {1, 0, 1, "5", ga::kValueBlue},
        {1, 1, 3, "0", ga::kValueBlue},
        // Without an answer, absolute mistakes are shown as visible ones.
        {0, 2, 30, "8", ga::kValueBlue},
        {0, 2, 1, "5", ga::kMistakeRed},
    };
    for (const Case& c : cases) {
        record.answerKnown = c.answerKnown;
        const ga::TextColour colour = ga::cellColour(record, c.mode, c.cell, c.text);
        EXPECT_TRUE(colour.red == c.colour.red && colour.green == c.colour.green &&
                    colour.blue == c.colour.blue)
            << "answer " << c.answerKnown << " mode " << c.mode << " cell " << c.cell;
    }
}

class CompletionCheckTest : public ::testing::Test {
  protected:
    CompletionCheckTest() { desktop.addMenuItems(ga::menuItemCommands()); }
    int run(PuzzleRecord& record, int mode) {
        desktop.enableMenuItem(ga::kCommandSavePuzzle, false);
        desktop.enableMenuItem(ga::kCommandOpenAnswer, false);
        return check.run(desktop, record, mode);
    }
    bool enabled(int command) const { return desktop.menuItem(command)->enabled; }

    FakeDesktop desktop;
    CompletionCheck check;
};

TEST_F(CompletionCheckTest, JudgesAFinishedBoardOnlyWhileAPuzzleIsPlayed) {
    PuzzleRecord right = finishedRecord();
    for (int mode : {0, 8, 16, 32}) {
        EXPECT_EQ(run(right, mode), CompletionCheck::kNoStatus) << mode;
        EXPECT_FALSE(enabled(ga::kCommandSavePuzzle));
    }
    for (int mode : {1, 2, 4}) {
        EXPECT_EQ(run(right, mode), ga::kStatusComplete) << mode;
        EXPECT_TRUE(enabled(ga::kCommandSavePuzzle));
        EXPECT_TRUE(enabled(ga::kCommandOpenAnswer));
    }
    PuzzleRecord unfinished = finishedRecord();
    unfinished.valueGrid[40] = 0;
    EXPECT_EQ(run(unfinished, 1), CompletionCheck::kNoStatus);
    EXPECT_TRUE(enabled(ga::kCommandSavePuzzle));
    EXPECT_FALSE(enabled(ga::kCommandOpenAnswer));
    PuzzleRecord mistaken = finishedRecord();
    mistaken.valueGrid[0] = mistaken.valueGrid[0] % 9 + 1;  // a row no longer sums to 45
    EXPECT_EQ(run(mistaken, 1), ga::kStatusFinishedWithMistakes);
    PuzzleRecord other = finishedRecord();  // every 1 and 2 exchanged
    for (int32_t& value : other.valueGrid) value = value == 1 ? 2 : value == 2 ? 1 : value;
    EXPECT_EQ(run(other, 1), ga::kStatusCompleteOtherAnswer);
    EXPECT_EQ(check.uniquenessChecks(), 0);  // the answer was known each time
}

TEST_F(CompletionCheckTest, AFinishedBoardWithoutAnswerAdoptsItsOnlyAnswerCheckedOncePerBoard) {
    PuzzleRecord record = finishedRecord();
    record.answerKnown = 0;
    std::memset(record.answerGrid, 0, sizeof record.answerGrid);
    EXPECT_EQ(run(record, 4), ga::kStatusComplete);
    EXPECT_EQ(record.answerKnown, 1);
    for (int cell = 0; cell < ga::kCells; ++cell)
        ASSERT_EQ(record.answerGrid[cell], solvedValue(cell));
    EXPECT_TRUE(enabled(ga::kCommandOpenAnswer));

    // All fives sum to 45 everywhere but is no answer: never adopted, and
    // checked once however often it is painted.
    PuzzleRecord fives = emptyRecord();
    for (int32_t& value : fives.valueGrid) value = 5;
    for (int paint = 0; paint < 3; ++paint) EXPECT_EQ(run(fives, 1), ga::kStatusComplete);
    EXPECT_EQ(fives.answerKnown, 0);
    EXPECT_FALSE(enabled(ga::kCommandOpenAnswer));
    EXPECT_EQ(check.uniquenessChecks(), 2);
}

}  // namespace
