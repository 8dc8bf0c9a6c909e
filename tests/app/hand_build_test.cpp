// Hand-building on the fake desktop: the stages, the refusals, the two ways to
// finish, Cancel, and through the window the cells a job's notice fills.
//
// Typing writes the cells' texts only, without focus notifications: the
// verdicts must read what the cells show, as the cell with the focus has not
// reported it yet when a button is pressed.
#include "app/hand_build.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "app/menu_state.h"
#include "app/command_table.h"
#include "app/status_messages.h"
#include "platform/fake_desktop.h"
#include "ui/board.h"
#include "ui/save_question_dialog.h"

namespace {

using ga::FakeDesktop;
using ga::kCells;

int solutionDigit(int cell) {
    const int row = ga::rowOf(cell), column = ga::columnOf(cell);
    return (row * 3 + row / 3 + column) % 9 + 1;
}

std::string solutionText() {
    std::string grid;
    for (int cell = 0; cell < kCells; ++cell) grid += static_cast<char>('0' + solutionDigit(cell));
    return grid;
}

// The puzzle on the board before a build: a third of the solution as clues,
// one value typed, one candidate list, the answer known.
ga::PuzzleRecord previousPuzzle() {
    ga::PuzzleRecord record{};
    for (int cell = 0; cell < kCells; ++cell) {
        record.answerGrid[cell] = solutionDigit(cell);
        record.openFlags[cell] = cell % 3 == 0 ? 0 : 1;
        record.valueGrid[cell] = record.openFlags[cell] == 0 ? solutionDigit(cell) : 0;
    }
    record.valueGrid[1] = 7;
    record.candidateNumbers[2] = 48;
    record.answerKnown = 1;
    return record;
}

bool sameRecord(const ga::PuzzleRecord& a, const ga::PuzzleRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class HandBuildTest : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop.addMenuItems(ga::menuItemCommands());
        desktop.setClientWidth(300);
        ga::createStatusBox(desktop);
        desktop.setTitle("gridAtelier -- Novice, sn : 1234-0");
        state.puzzle = previousPuzzle();
        state.header.puzzleClass = 1;
        ga::createBoard(desktop, state.puzzle);
        ga::enterMenuMode(desktop, state, ga::kMenuNoPuzzle);
        ga::enterMenuMode(desktop, state, ga::kMenuPlaying);
        ga::setExpressMode(desktop, state.settings.expressMode, 2, true);
    }
    void start() {
        ga::startHandBuild(desktop, state, defaults);
        ASSERT_EQ(state.handBuildStage, 1);
    }
    // One character per cell; '.' leaves a cell empty.
    void typeGrid(const std::string& grid) {
        for (int cell = 0; cell < kCells; ++cell) {
            type(cell, grid[cell] == '.' ? "" : std::string(1, grid[cell]));
        }
    }
    void type(int cell, const std::string& text) { desktop.setText(ga::cellId(cell), text); }
    void press(int stageAfter) {
        ga::pressRegister(desktop, state);
        ASSERT_EQ(state.handBuildStage, stageAfter);
    }
    std::string status() const { return desktop.control(ga::kStatusBoxId)->text; }
    std::string said(ga::HandBuildMessage message) const { return ga::handBuildText(message); }
    ga::ControlRect statusRect() const { return desktop.control(ga::kStatusBoxId)->rect; }
    bool exists(int id) const { return desktop.control(id).has_value(); }
    std::set<int> enabledItems() const {
        std::set<int> items;
        for (int command : ga::menuItemCommands()) {
            if (desktop.menuItem(command)->enabled) items.insert(command);
        }
        return items;
    }
    // A finished build: no buttons, a full status box, a hand-built puzzle to play.
    void expectBuilt(ga::HandBuildMessage message) const {
        EXPECT_EQ(status(), said(message));
        EXPECT_EQ(state.handBuildStage, 0);
        for (int id = 1311; id <= 1313; ++id) EXPECT_FALSE(exists(id));
        EXPECT_EQ(statusRect().height, ga::boardLayout(300).statusBox.height);
        EXPECT_EQ(state.header.puzzleClass, ga::kHandBuiltClass);
        EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- Hand-Build");
        EXPECT_EQ(state.settings.menuMode, ga::kMenuPlaying);
        EXPECT_EQ(state.settings.modified, 1);
    }

    FakeDesktop desktop;
    ga::WindowState state;
    ga::Settings defaults;
};

TEST_F(HandBuildTest, StartKeepsThePuzzleAndOffersAnEmptyBoardAboveTheButtons) {
    const ga::ControlRect fullBox = statusRect();
    start();
    EXPECT_EQ(status(), said(ga::HandBuildMessage::kEnterClues));
    EXPECT_TRUE(sameRecord(state.handBuildBackup, previousPuzzle()));
    EXPECT_EQ(desktop.control(ga::cellId(0))->kind, ga::ControlKind::kOpenCell);
    EXPECT_EQ(desktop.control(ga::cellId(1))->text, "");
    EXPECT_EQ(enabledItems(), (std::set<int>{1000, 1030, 1117, 1118, 1120, 1121}));
    EXPECT_FALSE(desktop.control(ga::kButtonWithoutAnswer)->enabled);
    // The buttons stand in a row right under the shortened status box.
    for (int id = 1311; id <= 1313; ++id) {
        const ga::ControlRect button = desktop.control(id)->rect;
        EXPECT_EQ(button.y, statusRect().y + statusRect().height);
        EXPECT_EQ(button.y + button.height, fullBox.y + fullBox.height);
        EXPECT_LE(button.x + button.width, 300);
    }
    ga::pressWithoutAnswer(desktop, state);  // disabled, and ignored should it arrive
    EXPECT_EQ(state.handBuildStage, 1);
}

TEST_F(HandBuildTest, RefusalsKeepTheStageAndWhatWasTyped) {
    std::string answerWithAGap = solutionText();
    answerWithAGap[3] = '.';
    std::string collapsed(kCells, '5');
    collapsed[0] = '6';
    struct Case {
        int stage;
        std::string grid;
        ga::HandBuildMessage refusal;
    };
    const Case cases[] = {
        {1, solutionText(), ga::HandBuildMessage::kTooManyClues},
        {1, "5.......5" + std::string(72, '.'), ga::HandBuildMessage::kCluesBreakTheRule},
        {2, answerWithAGap, ga::HandBuildMessage::kAnswerNotDigits},
        {2, collapsed, ga::HandBuildMessage::kAnswerCollapsed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(said(c.refusal));
        start();
        if (c.stage == 2) press(2);  // no clues at all is accepted
        typeGrid(c.grid);
        press(c.stage);
        EXPECT_EQ(status(), said(c.refusal));
        EXPECT_EQ(state.puzzle.answerKnown, 0);
        EXPECT_EQ(desktop.control(ga::cellId(8))->text, c.grid.substr(8, 1));
        for (int cell = 0; cell < kCells; ++cell) ASSERT_EQ(state.puzzle.openFlags[cell], 1);
        ga::pressCancelHandBuild(desktop, state);
    }
}

TEST_F(HandBuildTest, OnlySingleDigitsBecomeCluesAndARegisteredAnswerMakesAPlayablePuzzle) {
    start();
    type(5, "37");
    ga::cellLostFocus(desktop, state.puzzle, 5);  // as the window does when the cell is left
    type(7, "12");
    type(9, std::to_string(solutionDigit(9)));  // typed into the cell that still has the focus
    press(2);
    EXPECT_EQ(status(), said(ga::HandBuildMessage::kEnterAnswer));
    EXPECT_EQ(state.settings.menuMode, ga::kMenuHandBuildAnswer);
    EXPECT_TRUE(desktop.control(ga::kButtonWithoutAnswer)->enabled);
    EXPECT_EQ(state.puzzle.candidateNumbers[5], 37);
    EXPECT_EQ(desktop.control(ga::cellId(5))->text, "37");
    EXPECT_EQ(state.puzzle.openFlags[7], 1);
    EXPECT_EQ(state.puzzle.openFlags[9], 0);
    EXPECT_EQ(desktop.control(ga::cellId(9))->kind, ga::ControlKind::kClueCell);

    typeGrid(solutionText());
    desktop.clearLog();
    press(0);
    expectBuilt(ga::HandBuildMessage::kCreated);
    EXPECT_TRUE(desktop.logStartingWith("createControl 15").empty());  // the board stays
    EXPECT_TRUE(desktop.menuItem(ga::kCommandOpenAnswer)->enabled);
    for (int cell = 0; cell < kCells; ++cell) {
        ASSERT_EQ(state.puzzle.valueGrid[cell], solutionDigit(cell));
        ASSERT_EQ(state.puzzle.answerGrid[cell], solutionDigit(cell));
    }
}

TEST_F(HandBuildTest, WithoutAnswerEndsWithTheCluesAndNoAbsoluteMistakes) {
    start();
    press(2);
    ga::pressWithoutAnswer(desktop, state);
    expectBuilt(ga::HandBuildMessage::kCreatedWithoutAnswer);
    EXPECT_EQ(state.puzzle.answerKnown, 0);
    EXPECT_EQ(state.settings.expressMode, 1);
    EXPECT_TRUE(desktop.menuItem(ga::kCommandVisibleMistake)->checked);
    EXPECT_FALSE(desktop.menuItem(ga::kCommandAbsoluteMistake)->enabled);
    EXPECT_FALSE(desktop.menuItem(ga::kCommandOpenAnswer)->enabled);
}

// Cancel from each stage and each mode a build can start from, with the
// puzzle saved or not: all comes back as it was, unsaved progress included.
TEST_F(HandBuildTest, CancelBringsBackThePuzzleItsMenuAndWhetherItWasSaved) {
    for (int mode : {ga::kMenuPlaying, ga::kMenuSaved, ga::kMenuAnswerOpened}) {
        for (int modified : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " modified " << modified);
            ga::enterMenuMode(desktop, state, ga::kMenuPlaying);
            ga::enterMenuMode(desktop, state, mode);
            const std::set<int> menuBefore = enabledItems();
            state.settings.modified = modified;
            desktop.onDialog([](ga::FakeDialog& dialog) { dialog.click(ga::kSaveQuestionNo); });
            start();
            typeGrid(solutionText().substr(0, 40) + std::string(41, '.'));
            if (mode != ga::kMenuSaved) press(2);
            ga::pressCancelHandBuild(desktop, state);

            EXPECT_EQ(status(), said(ga::HandBuildMessage::kCanceled));
            EXPECT_EQ(state.handBuildStage, 0);
            EXPECT_FALSE(exists(ga::kButtonCancelHandBuild));
            EXPECT_TRUE(sameRecord(state.puzzle, previousPuzzle()));
            for (int cell = 0; cell < kCells; ++cell) {
                ASSERT_EQ(desktop.control(ga::cellId(cell))->text,
                          ga::cellDisplay(state.puzzle, cell).text);
            }
            EXPECT_EQ(state.settings.menuMode, mode);
            EXPECT_EQ(enabledItems(), menuBefore);
            EXPECT_EQ(state.settings.modified, modified);
            EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- Novice, sn : 1234-0");
        }
    }
}

// Through the window: a cell entered while a solve runs keeps the digit the
// solve gave it, and the completion check congratulates at once.
TEST(HandBuildWindowTest, ACellEnteredDuringASolveKeepsTheSolvedDigit) {
    std::string folder = ::testing::TempDir() + "ga-hand-build-XXXXXX";
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    FakeDesktop desktop;
    desktop.addMenuItems(ga::menuItemCommands());
    ga::StartupSettings startup;
    startup.place.path = folder + "/gridAtelier.par";
    {
        ga::MainWindow window(desktop, startup);
        desktop.queueWorkerCommands();
        desktop.onWorkerCommand([&window](int id) { window.onCommand(id); });
        desktop.onColourRequest([&window](int id) { return window.onCellColour(id); });
        ASSERT_TRUE(window.onCreate());
        window.onCommand(ga::levelCommand(0));
        window.onCommand(ga::kCommandNewPuzzle);
        ASSERT_TRUE(desktop.deliverWorkerCommand(std::chrono::seconds(60)));
        int cell = 0;
        while (window.state().puzzle.openFlags[cell] == 0) ++cell;

        window.onCommand(ga::kCommandPencilMarks);
        ASSERT_TRUE(window.busy());
        window.onCellNotification(ga::cellId(cell), ga::CellNotification::kGainedFocus);
        ASSERT_TRUE(desktop.deliverWorkerCommand(std::chrono::seconds(60)));
        desktop.paintPendingCells();

        const int32_t digit = window.state().puzzle.answerGrid[cell];
        EXPECT_EQ(window.state().puzzle.valueGrid[cell], digit);
        EXPECT_EQ(desktop.control(ga::cellId(cell))->text, std::to_string(digit));
        EXPECT_EQ(desktop.control(ga::cellId(cell))->font, ga::FontChoice::kBig);
        EXPECT_EQ(window.state().settings.statusCode, ga::kStatusComplete);
        window.onCellNotification(ga::cellId(cell), ga::CellNotification::kLostFocus);
        EXPECT_EQ(window.state().puzzle.valueGrid[cell], digit);
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
