// What a screen reader is told of the board on the fake desktop: every cell
// by its place, with what it shows, kept in step as the player plays; the
// status box by its name.
#include <gtest/gtest.h>

#include <string>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "core/puzzle_text.h"
#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"
#include "ui/board_ids.h"
#include "ui/play_dialogs.h"
#include "ui/puzzle_file.h"

namespace ga {
namespace {

const std::string kPuzzle =
    "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4.";
const std::string kAnswer =
    "348762951672591384159384276237956418816243795495178623784619532521437869963825147";

class SpokenBoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(writePuzzleFile(PuzzleFileHeader{},
                                  testing::puzzleWithAnswer(testing::gridFromText(kPuzzle),
                                                            testing::gridFromText(kAnswer)),
                                  (dir / "p.ga").c_str()),
                  kPuzzleFileWritten);
        startup.place.path = dir / "gridAtelier.par";
        desktop.onFileDialog([this](const FileDialogRequest&, std::string& path) {
            path = dir / "p.ga";
            return true;
        });
        window = std::make_unique<MainWindow>(desktop, startup);
        ASSERT_TRUE(window->onCreate());
        window->onCommand(kCommandLoadPuzzle);
        // Differences from the answer are shown as mistakes.
        window->onCommand(expressModeCommand(2));
    }
    void enter(int cell) {
        window->onCellNotification(cellId(cell), CellNotification::kGainedFocus);
    }
    void leave(int cell) { window->onCellNotification(cellId(cell), CellNotification::kLostFocus); }
    void type(int cell, const std::string& text) {
        enter(cell);
        desktop.setText(cellId(cell), text);
        window->onCellEdited(cellId(cell), text);
        leave(cell);
    }
    std::string told(int cell) const {
        return desktop.control(cellId(cell))->accessibleDescription;
    }

    testing::ScratchDir dir;
    FakeDesktop desktop;
    StartupSettings startup;
    std::unique_ptr<MainWindow> window;
};

TEST_F(SpokenBoardTest, EveryCellIsNamedByItsPlace) {
    const struct {
        int cell;
        const char* name;
    } kPlaces[] = {{0, "row 1, column 1"}, {12, "row 2, column 4"}, {80, "row 9, column 9"}};
    for (const auto& place : kPlaces)
        EXPECT_EQ(desktop.control(cellId(place.cell))->accessibleName, place.name) << place.cell;
    EXPECT_EQ(desktop.control(kStatusBoxId)->accessibleName, "Status");
}

TEST_F(SpokenBoardTest, ACellTellsWhatItShows) {
    type(2, "6");  // the answer has 8 there
    type(5, "2");  // as the answer has it
    enter(1);
    window->onCellNoteKey(cellId(1), 8);
    window->onCellNoteKey(cellId(1), 4);
    leave(1);
    enter(4);
    window->onCellNoteKey(cellId(4), 5);  // a single note
    leave(4);
    enter(3);
    window->onCommand(kCommandFirstColourMark + 2);
    leave(3);
    enter(7);
    window->onCommand(kCommandFirstColourMark);
    leave(7);
    type(7, "3");  // a mistake with a mark
    const struct {
        int cell;
        const char* words;
    } kCells[] = {
        {0, "3, clue"},    {2, "6, mistake"}, {5, "2"},
        {1, "notes 4, 8"}, {4, "notes 5"},    {3, "empty, marked orange"},
        {80, "empty"},     {6, "9, clue"},    {7, "3, mistake, marked rose"},
    };
    for (const auto& c : kCells) EXPECT_EQ(told(c.cell), c.words) << c.cell;

    // The words follow the board: marks cleared, a value taken back, a hint of
    // mistakes no longer wanted.
    window->onCommand(kCommandClearColourMarks);
    type(5, "");
    window->onCommand(expressModeCommand(0));
    for (const auto& c : {std::make_pair(3, "empty"), std::make_pair(5, "empty"),
                          std::make_pair(7, "3"), std::make_pair(2, "6")})
        EXPECT_EQ(told(c.first), c.second) << c.first;
}

}  // namespace
}  // namespace ga
