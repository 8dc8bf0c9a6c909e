// Hand-building on the fake desktop. Typing writes the cells' texts only: the
// verdicts must read what the cells show, as the cell with the focus has not
// reported yet.
#include "app/hand_build.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/menu_state.h"
#include "app/status_messages.h"
#include "platform/fake_desktop.h"
#include "tests/support/test_records.h"
#include "ui/board.h"
#include "ui/save_question_dialog.h"

namespace {

using ga::HandBuildMessage;
using ga::kCells;
using Item = ga::FakeDesktop::MenuItemState;

// A solved grid, one digit per cell; '.' in such a text leaves a cell empty.
const std::string kSolution = ga::testing::kSolvedText;

class HandBuildTest : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop.addMenuItems(ga::menuItemCommands());
        ga::createStatusBox(desktop);
        desktop.setTitle("gridAtelier -- Novice, sn : 1234-0");
        for (int cell = 0; cell < kCells; ++cell) {  // a third as clues, one value typed
            before.answerGrid[cell] = kSolution[cell] - '0';
            before.openFlags[cell] = cell % 3 == 0 ? 0 : 1;
            before.valueGrid[cell] = cell % 3 == 0 ? before.answerGrid[cell] : 0;
        }
        before.valueGrid[1] = 7;
        before.answerKnown = 1;
        state.puzzle = before;
        ga::createBoard(desktop, state.puzzle);
        ga::enterMenuMode(desktop, state, ga::kMenuNoPuzzle);  // as the window got there
        ga::enterMenuMode(desktop, state, ga::kMenuPlaying);
        ga::setExpressMode(desktop, state.settings.expressMode, 2, true);
    }
    void start() {
        ga::startHandBuild(desktop, state, defaults);
        ASSERT_EQ(state.handBuildStage, 1);
    }
    void typeGrid(const std::string& grid) {
        for (int cell = 0; cell < kCells; ++cell)
            desktop.setText(ga::cellId(cell), grid[cell] == '.' ? "" : grid.substr(cell, 1));
    }
    void press(int stageAfter) {
        ga::pressRegister(desktop, state);
        ASSERT_EQ(state.handBuildStage, stageAfter);
    }
    void expectSaid(HandBuildMessage message) const {
        EXPECT_EQ(desktop.control(ga::kStatusBoxId)->text, ga::handBuildText(message));
    }
    ga::ControlRect statusRect() const { return desktop.control(ga::kStatusBoxId)->rect; }
    // A finished build: no buttons, a full status box, a hand-built puzzle to play.
    void expectBuilt(HandBuildMessage message, const ga::ControlRect& fullBox) const {
        expectSaid(message);
        EXPECT_EQ(state.handBuildStage, 0);
        EXPECT_FALSE(desktop.control(ga::kButtonRegister).has_value());
        EXPECT_EQ(statusRect().height, fullBox.height);
        EXPECT_EQ(state.header.puzzleClass, ga::kHandBuiltClass);
        EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- Hand-Build");
        EXPECT_EQ(state.settings.menuMode, ga::kMenuPlaying);
        EXPECT_EQ(state.settings.modified, 1);
    }

    ga::FakeDesktop desktop;
    ga::WindowState state;
    ga::PuzzleRecord before{};
    ga::Settings defaults;
};

// Without an answer, absolute mistakes give way to visible ones: no cell is
// coloured against an answer that is not known.
TEST_F(HandBuildTest, APuzzleWithoutAnswerEndsAbsoluteMistakes) {
    const ga::ControlRect fullBox = statusRect();
    start();
    expectSaid(HandBuildMessage::kEnterClues);
    EXPECT_EQ(std::memcmp(&state.handBuildBackup, &before, sizeof before), 0);
    EXPECT_FALSE(desktop.control(ga::kButtonWithoutAnswer)->enabled);
    ga::pressWithoutAnswer(desktop, state);  // ignored should it arrive all the same
    press(2);                                // no clues at all is accepted
    ga::pressWithoutAnswer(desktop, state);
    expectBuilt(HandBuildMessage::kCreatedWithoutAnswer, fullBox);
    EXPECT_EQ(state.puzzle.answerKnown, 0);
    EXPECT_EQ(state.settings.expressMode, 1);
    EXPECT_FALSE(desktop.menuItem(ga::kCommandAbsoluteMistake)->enabled);
}

// Each refusal keeps the stage and what was typed; then the typed clues and
// the typed answer make a playable puzzle.
TEST_F(HandBuildTest, RefusedCluesAndAnswersStayTypedUntilTheyAreRight) {
    const ga::ControlRect fullBox = statusRect();
    std::string gap = kSolution, collapsed(kCells, '5');
    gap[3] = '.';
    collapsed[0] = '6';
    const std::pair<std::string, HandBuildMessage> cases[] = {
        {kSolution, HandBuildMessage::kTooManyClues},
        {"5.......5" + std::string(72, '.'), HandBuildMessage::kCluesBreakTheRule},
        {kSolution.substr(0, 40) + std::string(41, '.'), HandBuildMessage::kEnterAnswer},
        {gap, HandBuildMessage::kAnswerNotDigits},
        {collapsed, HandBuildMessage::kAnswerCollapsed},
    };
    start();
    for (const auto& [grid, said] : cases) {
        const int stage = said < HandBuildMessage::kEnterAnswer ? 1 : 2;
        typeGrid(grid);
        press(stage);
        expectSaid(said);
        EXPECT_EQ(desktop.control(ga::cellId(80))->text, grid[80] == '.' ? "" : grid.substr(80));
        EXPECT_EQ(state.puzzle.openFlags[80], 1);
    }
    EXPECT_EQ(desktop.control(ga::cellId(9))->kind, ga::ControlKind::kClueCell);
    typeGrid(kSolution);
    press(0);
    expectBuilt(HandBuildMessage::kCreated, fullBox);
    for (int cell = 0; cell < kCells; ++cell)
        ASSERT_EQ(state.puzzle.valueGrid[cell], kSolution[cell] - '0');
}

// From each mode a build can start from, saved or not: all comes back.
TEST_F(HandBuildTest, CancelBringsBackThePuzzleItsMenuAndWhetherItWasSaved) {
    desktop.onDialog([](ga::FakeDialog& dialog) { dialog.click(ga::kSaveQuestionNo); });
    for (int mode : {ga::kMenuPlaying, ga::kMenuSaved, ga::kMenuAnswerOpened}) {
        for (int modified : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " modified " << modified);
            ga::enterMenuMode(desktop, state, ga::kMenuPlaying);
            ga::enterMenuMode(desktop, state, mode);
            const std::set<int> menuBefore = desktop.menuItems(&Item::enabled);
            state.settings.modified = modified;
            start();
            typeGrid(kSolution.substr(0, 40) + std::string(41, '.'));
            if (mode != ga::kMenuSaved) press(2);
            ga::pressCancelHandBuild(desktop, state);
            expectSaid(HandBuildMessage::kCanceled);
            EXPECT_EQ(state.handBuildStage, 0);
            EXPECT_EQ(std::memcmp(&state.puzzle, &before, sizeof before), 0);
            EXPECT_EQ(desktop.control(ga::cellId(1))->text, "7");
            EXPECT_EQ(desktop.menuItems(&Item::enabled), menuBefore);
            EXPECT_EQ(state.settings.menuMode, mode);
            EXPECT_EQ(state.settings.modified, modified);
            EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- Novice, sn : 1234-0");
        }
    }
}

}  // namespace
