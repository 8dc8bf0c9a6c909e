// The game around the board: kept across closing (and a kill), brought back
// as it was, and refused with a notice when what was kept cannot be read; a
// finished game is counted once and not kept; what a screen reader is told
// of the cells follows the game.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "app/resume.h"
#include "core/puzzle_text.h"
#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"
#include "ui/board_ids.h"
#include "ui/collection_dialog.h"
#include "ui/play_dialogs.h"
#include "ui/puzzle_file.h"

namespace ga {
namespace {

const std::string kPuzzle =
    "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4.";
const std::string kAnswer =
    "348762951672591384159384276237956418816243795495178623784619532521437869963825147";

// A window on a fake desktop whose player files live in a scratch folder.
class Session {
  public:
    explicit Session(const testing::ScratchDir& dir) {
        startup_.place.path = dir / "gridAtelier.par";
        startup_.folders = UserFolders{dir / "config/", dir / "data/", dir / "state/"};
        desktop.onFileDialog([&dir](const FileDialogRequest&, std::string& path) {
            path = dir / "kept.ga";
            return true;
        });
        desktop.onDialog([](FakeDialog& dialog) { dialog.click(kDialogOkay); });
        window = std::make_unique<MainWindow>(desktop, startup_);
        EXPECT_TRUE(window->onCreate());
        window->onTick();
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
    void pass(long long ms) {
        desktop.advanceSteadyClock(ms);
        window->onTick();
    }
    // The answer typed into every open cell of kPuzzle, and painted: the
    // completion check finds the board finished.
    void solve() {
        for (int cell = 0; cell < kCells; ++cell)
            if (kPuzzle[cell] == '.') type(cell, kAnswer.substr(cell, 1));
        desktop.onColourRequest([this](int id) { return window->onCellColour(id); });
        desktop.paintPendingCells();
        pass(3000);
    }
    const SeenCell& seen(int cell) const { return window->state().seen.cell(cell); }

    FakeDesktop desktop;
    StartupSettings startup_;
    std::unique_ptr<MainWindow> window;
};

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PuzzleFileHeader header;
        header.puzzleClass = 3;
        const PuzzleRecord kept = testing::puzzleWithAnswer(testing::gridFromText(kPuzzle),
                                                            testing::gridFromText(kAnswer));
        ASSERT_EQ(writePuzzleFile(header, kept, (dir / "kept.ga").c_str()), kPuzzleFileWritten);
    }
    // A loaded puzzle with notes 4 and 8 in r1c2, the value 6 in r1c3 and a
    // mark on r1c4, played for 65 s, then closed or killed.
    void playAndLeave(bool close) {
        Session played(dir);
        played.window->onCommand(kCommandLoadPuzzle);
        played.enter(1);
        played.window->onCellNoteKey(cellId(1), 8);
        played.window->onCellNoteKey(cellId(1), 4);
        played.leave(1);
        played.enter(3);
        played.window->onCommand(kCommandFirstColourMark + 2);
        played.leave(3);
        played.type(2, "6");
        played.enter(4);
        played.window->onCellNoteKey(cellId(4), 5);  // a single note, in hand at the end
        played.pass(65000);
        if (close) played.window->onCloseRequest();
        // Killed: the window object goes without its close flow; what the
        // last tick kept is all there is.
    }
    void expectResumed(Session& again) {
        EXPECT_EQ(again.desktop.control(kStatusBoxId)->text, kResumedText);
        EXPECT_EQ(again.seen(1).text, "48");
        EXPECT_EQ(again.seen(2).text, "6");
        EXPECT_EQ(again.seen(3).mark, CellMark::kThird);
        EXPECT_TRUE(again.seen(4).notes);
        EXPECT_EQ(again.seen(4).text, "5");
        EXPECT_EQ(again.window->state().game.playedMs, 65000);
        EXPECT_EQ(again.desktop.shownTitle(), "gridAtelier -- kept.ga");
        EXPECT_EQ(again.desktop.logStartingWith("focusControl").size(), 1u);
    }
    testing::ScratchDir dir;
};

TEST_F(GameTest, AGameClosedOrKilledComesBackAsItWas) {
    for (bool close : {true, false}) {
        playAndLeave(close);
        Session again(dir);
        expectResumed(again);
        std::filesystem::remove(dir / "state/resume.game");
    }
}

TEST_F(GameTest, AKeptPuzzleThatDisagreesFallsBackOnTheCopyBesideIt) {
    playAndLeave(true);
    // As after a full disk: resume.ga was written anew, resume.game was not.
    std::ofstream(dir / "state/resume.ga", std::ios::binary) << std::string(1352, '\0');
    Session again(dir);
    expectResumed(again);
}

TEST_F(GameTest, WhatCannotBeReadIsMovedAsideAndTheStartIsTheUsualOne) {
    const std::string broken[] = {
        "",                                      // truncated to nothing
        "gridAtelier game 2\nclock.ms=1\n",      // another version
        "gridAtelier game 1\npuzzle.hash=00\n",  // no puzzle
    };
    for (const std::string& bytes : broken) {
        std::filesystem::create_directories(dir / "state");
        std::ofstream(dir / "state/resume.game", std::ios::binary) << bytes;
        Session again(dir);
        EXPECT_EQ(again.desktop.control(kStatusBoxId)->text, "welcome to the Grid Atelier!");
        EXPECT_TRUE(std::filesystem::exists(dir / "state/resume.game.bad"));
        ASSERT_EQ(again.desktop.messageBoxes().size(), 1u);  // the notice, at the first tick
        std::filesystem::remove(dir / "state/resume.game.bad");
    }
}

TEST_F(GameTest, AFinishedGameIsCountedOnceAndNotKept) {
    {
        Session played(dir);
        played.window->onCommand(kCommandLoadPuzzle);
        played.type(1, "4");
        played.pass(2000);
        played.solve();
        played.pass(3000);
        EXPECT_EQ(played.desktop.dialogsRun(), std::vector<int>{6200});  // once
        played.window->onCloseRequest();
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "state/resume.game"));
    const std::string statistics = testing::readFile(dir / "data/statistics.json");
    EXPECT_NE(statistics.find("\"Own Puzzles\""), std::string::npos);
    EXPECT_NE(statistics.find("\"finished\": 1,"), std::string::npos);
    EXPECT_NE(statistics.find("\"bestSeconds\": 2,"), std::string::npos);
}

// The columns of a collection's row: number, level, score, what was done.
std::vector<std::string> columnsOf(const std::string& row) {
    std::vector<std::string> columns(1);
    for (char c : row) {
        if (c == '\t')
            columns.emplace_back();
        else
            columns.back().push_back(c);
    }
    return columns;
}

// A file of three puzzles opens as their list, which the worker rates while
// it is open; the row picked is played, and once it is finished the list
// says so when it opens again, in a later run too.
TEST_F(GameTest, ACollectionOpensAsARatedListAndKeepsWhatWasFinished) {
    const std::string path = dir / "three.sdm";
    std::ofstream(path)
        << "7.8396..29...5.7.42.5..7.3.63.9..1...7...16...........4..6..391386..94.5..94...86\n"
        << kPuzzle << "\n"
        << "694.1......5.....42.87..61.5..284.3...95.61.286..9...718......54.362.8..9.....74.\n";
    std::vector<std::string> rows;
    std::string finishRating;
    // Opens the collection, rated to the end, and picks row `pick` (-1:
    // closes it); `waiting` false: closes it while its rating runs, which
    // then ends first.
    auto open = [&](Session& session, int pick, bool waiting = true) {
        session.desktop.onFileDialog([&](const FileDialogRequest&, std::string& chosen) {
            chosen = path;
            return true;
        });
        session.desktop.onDialog([&, pick, waiting](FakeDialog& list) {
            if (session.desktop.dialogsRun().back() != kCollectionDialogId) {
                list.click(1);  // "No" to saving the finished puzzle
                return;
            }
            for (int run = 0;
                 waiting && run < 10 && list.text(kCollectionRatingId) != "all puzzles rated";
                 ++run)
                ASSERT_TRUE(session.desktop.deliverWorkerCommand(std::chrono::seconds(60)));
            rows = list.items(kCollectionTableId);
            if (pick >= 0) list.choose(kCollectionTableId, pick);
            list.click(pick >= 0 ? kDialogOkay : kDialogCancel);
            if (waiting) return;
            EXPECT_FALSE(list.ended());
            ASSERT_TRUE(session.desktop.deliverWorkerCommand(std::chrono::seconds(60)));
            EXPECT_TRUE(list.ended());
        });
        session.window->onCommand(kCommandLoadPuzzle);
    };
    {
        Session played(dir);
        played.desktop.queueWorkerCommands();
        played.desktop.onWorkerCommand([&played](int id) { played.window->onCommand(id); });
        open(played, 1);
        ASSERT_EQ(rows.size(), 3u);
        for (const std::string& row : rows) {
            const std::vector<std::string> columns = columnsOf(row);
            ASSERT_EQ(columns.size(), 4u) << row;
            EXPECT_NE(columns[1], "...");
            EXPECT_FALSE(columns[2].empty());
            EXPECT_EQ(columns[3], "");
        }
        EXPECT_EQ(clueLine(played.window->state().puzzle),
                  clueLine(testing::puzzleFromText(kPuzzle)));
        EXPECT_EQ(played.desktop.shownTitle(), "gridAtelier -- three.sdm, puzzle 2 of 3");

        played.desktop.onDialog([&](FakeDialog& finish) {
            finishRating = finish.text(kFinishFirstLineId + 2);
            EXPECT_EQ(finish.text(kFinishNewPuzzleId), "Next Puzzle in Collection");
            finish.click(kDialogOkay);
        });
        played.solve();
        ASSERT_EQ(played.desktop.dialogsRun().back(), kFinishDialogId);
        // The list and the finish box rate the puzzle alike.
        const std::vector<std::string> second = columnsOf(rows[1]);
        EXPECT_EQ(finishRating.rfind("Rating: " + second[1] + ", score " + second[2], 0), 0u)
            << finishRating;

        open(played, -1);  // rated once: opens at once
        EXPECT_EQ(columnsOf(rows[1])[3], "finished");
        played.window->onCloseRequest();
    }
    Session later(dir);
    later.desktop.queueWorkerCommands();
    later.desktop.onWorkerCommand([&later](int id) { later.window->onCommand(id); });
    open(later, -1, false);
    EXPECT_FALSE(later.window->busy());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(columnsOf(rows[0])[3], "");
    EXPECT_EQ(columnsOf(rows[1])[3], "finished");
}

// A screen reader is told every cell's place and what it shows, in step with
// the board; the status box by its name, the digit strip by what is left.
TEST_F(GameTest, AScreenReaderHearsEachCellsPlaceAndWhatItShows) {
    Session s(dir);
    s.window->onCommand(kCommandLoadPuzzle);
    s.window->onCommand(expressModeCommand(2));  // differences from the answer are mistakes
    const auto told = [&s](int cell) {
        return s.desktop.control(cellId(cell))->accessibleDescription;
    };
    const auto noteAndMark = [&s](int cell, std::initializer_list<int> notes, int mark) {
        s.enter(cell);
        for (const int digit : notes) s.window->onCellNoteKey(cellId(cell), digit);
        if (mark > 0) s.window->onCommand(kCommandFirstColourMark + mark - 1);
        s.leave(cell);
    };
    s.type(2, "6");  // the answer has 8
    s.type(5, "2");  // as the answer has it
    noteAndMark(1, {8, 4}, 0);
    noteAndMark(4, {5}, 0);  // a single note
    noteAndMark(3, {}, 3);
    noteAndMark(7, {}, 1);
    s.type(7, "3");
    const struct {
        int cell;
        const char* words;
    } kWords[] = {
        {0, "3, clue"},
        {6, "9, clue"},
        {2, "6, mistake"},
        {5, "2"},
        {1, "notes 4, 8"},
        {4, "notes 5"},
        {80, "empty"},
        {3, "empty, marked orange"},
        {7, "3, mistake, marked rose"},
    };
    for (const auto& w : kWords) EXPECT_EQ(told(w.cell), w.words) << w.cell;
    const struct {
        int cell;
        const char* name;
    } kPlaces[] = {{0, "row 1, column 1"}, {12, "row 2, column 4"}, {80, "row 9, column 9"}};
    for (const auto& p : kPlaces)
        EXPECT_EQ(s.desktop.control(cellId(p.cell))->accessibleName, p.name) << p.cell;
    EXPECT_EQ(s.desktop.control(kStatusBoxId)->accessibleName, "Status");

    // The words follow the board: marks cleared, a value taken back, mistakes
    // no longer shown.
    s.window->onCommand(kCommandClearColourMarks);
    s.type(5, "");
    s.window->onCommand(expressModeCommand(0));
    for (const auto& w : {std::make_pair(3, "empty"), std::make_pair(5, "empty"),
                          std::make_pair(7, "3"), std::make_pair(2, "6")})
        EXPECT_EQ(told(w.first), w.second) << w.first;

    // Each digit strip button is heard by its digit with how many of it are
    // still to be placed: nine less the cells that say it as a clue or value.
    for (int digit = 1; digit <= 9; ++digit) {
        int placed = 0;
        for (int cell = 0; cell < kCells; ++cell) {
            const std::string words = told(cell);
            placed += words.size() >= 1 && words[0] == '0' + digit &&
                      (words.size() == 1 || words[1] == ',');
        }
        const auto button = s.desktop.control(digitButtonId(digit));
        ASSERT_TRUE(button);
        EXPECT_EQ(button->accessibleName, std::to_string(digit));
        EXPECT_EQ(button->accessibleDescription,
                  placed >= 9 ? "none left" : std::to_string(9 - placed) + " left")
            << digit;
    }
}

}  // namespace
}  // namespace ga
