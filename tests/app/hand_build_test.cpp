// Hand-building on the fake desktop: the stages, every refusal and what the
// record holds after it, Cancel back to the menu the build started from, and
// the buttons' place under the shortened status box.
//
// Typing writes the cells' texts only, without focus notifications: the
// verdicts must read what the cells show, as the cell with the focus has not
// reported it yet when a button is pressed.
#include "app/hand_build.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "app/menu_state.h"
#include "app/menu_table.h"
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

// A solved grid, as 81 characters.
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
    record.serial[0] = 0x1234;
    record.answerKnown = 1;
    return record;
}

bool sameRecord(const ga::PuzzleRecord& a, const ga::PuzzleRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

using Rect = std::array<int, 4>;
Rect rectOf(const ga::ControlRect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

class HandBuildTest : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop.addMenuItems(ga::menuItemCommands());
        desktop.setClientWidth(300);
        ga::createStatusBox(desktop);
        desktop.setTitle("gridAtelier -- Easy, sn : 1234-0");
        state.puzzle = previousPuzzle();
        state.header.puzzleClass = 1;
        ga::createBoard(desktop, state.puzzle);
        // As the window got there: the menu of no puzzle first.
        ga::enterMenuMode(desktop, state, ga::kMenuNoPuzzle);
        ga::enterMenuMode(desktop, state, ga::kMenuPlaying);
        ga::setExpressMode(desktop, state.settings.expressMode, 2, true);
    }

    void start() {
        ga::startHandBuild(desktop, state, defaults);
        ASSERT_EQ(state.handBuildStage, 1);
    }
    // '.' leaves a cell empty.
    void typeGrid(const std::string& grid) {
        for (int cell = 0; cell < kCells; ++cell) {
            desktop.setText(ga::cellId(cell), grid[cell] == '.' ? "" : std::string(1, grid[cell]));
        }
    }
    void type(int cell, const std::string& text) { desktop.setText(ga::cellId(cell), text); }
    void registerEmptyClues() {
        start();
        ga::pressRegister(desktop, state);
        ASSERT_EQ(state.handBuildStage, 2);
    }

    std::string status() const { return desktop.control(ga::kStatusBoxId)->text; }
    Rect statusRect() const { return rectOf(desktop.control(ga::kStatusBoxId)->rect); }
    bool exists(int id) const { return desktop.control(id).has_value(); }
    // No stage, no buttons, and the status box at its full height again.
    void expectBuildOver() const {
        EXPECT_EQ(state.handBuildStage, 0);
        for (int id = 1311; id <= 1313; ++id) EXPECT_FALSE(exists(id));
        EXPECT_EQ(statusRect(), (Rect{20, 296, 256, 42}));
    }
    // A finished build: a hand-built puzzle to play, not yet saved.
    void expectBuilt(const std::string& message) const {
        EXPECT_EQ(status(), message);
        expectBuildOver();
        EXPECT_EQ(state.header.puzzleClass, ga::kHandBuiltClass);
        EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- Hand-Build");
        EXPECT_EQ(state.settings.menuMode, ga::kMenuPlaying);
        EXPECT_EQ(state.settings.modified, 1);
    }
    std::set<int> enabledItems() const {
        std::set<int> items;
        for (int command : ga::menuItemCommands()) {
            if (desktop.menuItem(command)->enabled) items.insert(command);
        }
        return items;
    }

    FakeDesktop desktop;
    ga::WindowState state;
    ga::Settings defaults;
};

TEST_F(HandBuildTest, ButtonsStandUnderTheShortenedStatusBoxAndGoWithTheirHeight) {
    struct Case {
        int width, statusY, statusHeight, buttonY, buttonWidth, x2, x3;
    };
    // Cells of 28 and 39 pixels.
    for (const Case c :
         {Case{300, 296, 42, 308, 86, 106, 192}, Case{400, 395, 58, 423, 120, 139, 258}}) {
        SCOPED_TRACE(c.width);
        desktop.setClientWidth(c.width);
        ga::showHandBuildButtons(desktop);
        EXPECT_EQ(statusRect(), (Rect{20, c.statusY, c.width - 44, c.statusHeight - 30}));
        const int xs[] = {20, c.x2, c.x3};
        const char* labels[] = {"Registre", "Without Answer", "Cancel"};
        for (int i = 0; i < 3; ++i) {
            const auto button = desktop.control(ga::kButtonRegister + i);
            ASSERT_TRUE(button.has_value());
            EXPECT_EQ(button->kind, ga::ControlKind::kPushButton);
            EXPECT_EQ(button->text, labels[i]);
            EXPECT_EQ(button->font, ga::FontChoice::kSmall);
            EXPECT_EQ(rectOf(button->rect), (Rect{xs[i], c.buttonY, c.buttonWidth, 30}));
        }
        ga::removeHandBuildButtons(desktop);
        for (int id = 1311; id <= 1313; ++id) EXPECT_FALSE(exists(id));
        EXPECT_EQ(statusRect(), (Rect{20, c.statusY, c.width - 44, c.statusHeight}));
    }
}

TEST_F(HandBuildTest, StartKeepsThePuzzleAndOffersAnEmptyBoard) {
    start();
    EXPECT_EQ(status(), "At first, plz input numbers of a puzzle");
    EXPECT_TRUE(sameRecord(state.handBuildBackup, previousPuzzle()));
    ga::PuzzleRecord empty{};
    ga::resetRecord(empty);
    EXPECT_TRUE(sameRecord(state.puzzle, empty));
    EXPECT_EQ(desktop.control(ga::cellId(0))->kind, ga::ControlKind::kOpenCell);
    EXPECT_EQ(desktop.control(ga::cellId(1))->text, "");  // it showed 7
    EXPECT_EQ(state.settings.menuMode, ga::kMenuHandBuildClues);
    EXPECT_EQ(state.settings.menuModeBeforeHandBuild, ga::kMenuPlaying);
    EXPECT_EQ(enabledItems(), (std::set<int>{1000, 1030, 1117, 1118, 1120, 1121}));
    EXPECT_TRUE(desktop.control(ga::kButtonRegister)->enabled);
    EXPECT_FALSE(desktop.control(ga::kButtonWithoutAnswer)->enabled);

    // Disabled, and ignored should it arrive all the same.
    ga::pressWithoutAnswer(desktop, state);
    EXPECT_EQ(state.handBuildStage, 1);
    EXPECT_TRUE(exists(ga::kButtonWithoutAnswer));
}

TEST_F(HandBuildTest, AModifiedPuzzleIsOfferedForSavingFirst) {
    state.settings.modified = 1;
    ga::startHandBuild(desktop, state, defaults);  // the question is closed: cancel
    EXPECT_EQ(desktop.dialogsRun(), (std::vector<int>{ga::kSaveQuestionTemplate}));
    EXPECT_EQ(state.handBuildStage, 0);
    EXPECT_TRUE(sameRecord(state.puzzle, previousPuzzle()));
    EXPECT_FALSE(exists(ga::kButtonRegister));

    desktop.onDialog([](ga::FakeDialog& dialog) { dialog.click(ga::kSaveQuestionNo); });
    start();
    EXPECT_TRUE(sameRecord(state.handBuildBackup, previousPuzzle()));
}

TEST_F(HandBuildTest, ButtonsOutsideTheirStageDoNothing) {
    desktop.clearLog();
    ga::pressRegister(desktop, state);
    ga::pressWithoutAnswer(desktop, state);
    ga::pressCancelHandBuild(desktop, state);
    EXPECT_TRUE(desktop.log().empty());
    EXPECT_EQ(state.handBuildStage, 0);
    EXPECT_TRUE(sameRecord(state.puzzle, previousPuzzle()));
}

TEST_F(HandBuildTest, CluesThatBreakTheRuleAreRefusedAndStayTyped) {
    start();
    type(0, "5");
    type(8, "5");  // the same row
    type(40, "3");
    ga::pressRegister(desktop, state);
    EXPECT_EQ(status(), "illegal numeral found based on the rule");
    EXPECT_EQ(state.handBuildStage, 1);
    EXPECT_EQ(state.settings.menuMode, ga::kMenuHandBuildClues);
    EXPECT_FALSE(desktop.control(ga::kButtonWithoutAnswer)->enabled);
    // The cells stay editable, so the record goes on calling them all open;
    // the board still shows what was typed.
    for (int cell = 0; cell < kCells; ++cell) {
        ASSERT_EQ(state.puzzle.openFlags[cell], 1);
        ASSERT_EQ(state.puzzle.answerGrid[cell], 0);
    }
    EXPECT_EQ(desktop.control(ga::cellId(8))->kind, ga::ControlKind::kOpenCell);
    EXPECT_EQ(desktop.control(ga::cellId(8))->text, "5");
}

TEST_F(HandBuildTest, EightyOneCluesAreTooManyEightyAreAccepted) {
    start();
    typeGrid(solutionText());
    ga::pressRegister(desktop, state);
    EXPECT_EQ(status(), "too much hints");
    EXPECT_EQ(state.handBuildStage, 1);
    for (int cell = 0; cell < kCells; ++cell) ASSERT_EQ(state.puzzle.openFlags[cell], 1);

    type(40, "");
    ga::pressRegister(desktop, state);
    EXPECT_EQ(status(), "Next, plz input numbers of the answer");
    EXPECT_EQ(state.handBuildStage, 2);
    EXPECT_EQ(state.settings.menuMode, ga::kMenuHandBuildAnswer);
    EXPECT_TRUE(desktop.control(ga::kButtonWithoutAnswer)->enabled);
    for (int cell = 0; cell < kCells; ++cell) {
        const auto control = desktop.control(ga::cellId(cell));
        ASSERT_EQ(control->kind,
                  cell == 40 ? ga::ControlKind::kOpenCell : ga::ControlKind::kClueCell);
        ASSERT_EQ(control->text, cell == 40 ? "" : std::to_string(solutionDigit(cell)));
    }
}

TEST_F(HandBuildTest, OnlySingleDigitsBecomeCluesAndCandidateListsStay) {
    start();
    type(5, "37");
    ga::cellLostFocus(desktop, state.puzzle, 5);  // as the window does when the cell is left
    type(6, "0");
    type(7, "12");  // one number, not a digit
    type(9, "4");   // typed into the cell that still has the focus
    ga::pressRegister(desktop, state);
    ASSERT_EQ(state.handBuildStage, 2);
    for (int cell : {5, 6, 7}) {
        EXPECT_EQ(state.puzzle.openFlags[cell], 1);
        EXPECT_EQ(state.puzzle.valueGrid[cell], 0);
    }
    EXPECT_EQ(state.puzzle.candidateNumbers[5], 37);
    EXPECT_EQ(desktop.control(ga::cellId(5))->text, "37");
    EXPECT_EQ(desktop.control(ga::cellId(5))->font, ga::FontChoice::kSmall);
    EXPECT_EQ(state.puzzle.openFlags[9], 0);
    EXPECT_EQ(state.puzzle.answerGrid[9], 4);
    EXPECT_EQ(desktop.control(ga::cellId(9))->kind, ga::ControlKind::kClueCell);
}

TEST_F(HandBuildTest, AnAnswerCellOutsideOneToNineIsRefused) {
    start();
    type(0, "1");
    ga::pressRegister(desktop, state);
    ASSERT_EQ(state.handBuildStage, 2);
    std::string answer = solutionText();
    answer[3] = '.';
    typeGrid(answer);
    ga::pressRegister(desktop, state);
    EXPECT_EQ(status(), "illegal numeral found as the answer");
    EXPECT_EQ(state.handBuildStage, 2);
    EXPECT_EQ(state.puzzle.answerKnown, 0);
    // The cells before the bad one were taken; the rest not.
    EXPECT_EQ(state.puzzle.answerGrid[2], solutionDigit(2));
    EXPECT_EQ(state.puzzle.answerGrid[4], 0);

    type(3, "12");  // leading digits make 12
    ga::pressRegister(desktop, state);
    EXPECT_EQ(status(), "illegal numeral found as the answer");
    EXPECT_EQ(state.handBuildStage, 2);
}

TEST_F(HandBuildTest, AnAnswerMustSumToFortyFiveInEveryUnitButMayRepeatDigits) {
    registerEmptyClues();
    std::string answer(kCells, '5');
    answer[0] = '6';
    typeGrid(answer);
    ga::pressRegister(desktop, state);
    EXPECT_EQ(status(), "collapsed answer found");
    EXPECT_EQ(state.handBuildStage, 2);
    EXPECT_EQ(state.puzzle.answerKnown, 0);

    type(0, "5");  // all fives: every unit sums to 45
    ga::pressRegister(desktop, state);
    EXPECT_EQ(status(), "created a puzzle");
    EXPECT_EQ(state.puzzle.answerKnown, 1);
}

TEST_F(HandBuildTest, ARegisteredAnswerMakesAPlayablePuzzle) {
    start();
    type(0, std::to_string(solutionDigit(0)));
    ga::pressRegister(desktop, state);
    ASSERT_EQ(state.handBuildStage, 2);
    typeGrid(solutionText());
    desktop.clearLog();
    ga::pressRegister(desktop, state);
    expectBuilt("created a puzzle");
    EXPECT_EQ(state.puzzle.answerKnown, 1);
    EXPECT_TRUE(desktop.menuItem(ga::kCommandOpenAnswer)->enabled);
    // The board is the one typed; its values are in the record.
    EXPECT_TRUE(desktop.logStartingWith("createControl 15").empty());
    EXPECT_EQ(state.puzzle.openFlags[0], 0);
    for (int cell = 1; cell < kCells; ++cell) {
        ASSERT_EQ(state.puzzle.valueGrid[cell], solutionDigit(cell));
        ASSERT_EQ(state.puzzle.answerGrid[cell], solutionDigit(cell));
    }
}

TEST_F(HandBuildTest, WithoutAnswerEndsWithTheCluesAndNoAbsoluteMistakes) {
    ASSERT_EQ(state.settings.expressMode, 2);
    registerEmptyClues();
    ga::pressWithoutAnswer(desktop, state);
    expectBuilt("created a puzzle without answer");
    EXPECT_EQ(state.puzzle.answerKnown, 0);
    EXPECT_EQ(state.settings.expressMode, 1);
    EXPECT_TRUE(desktop.menuItem(ga::kCommandVisibleMistake)->checked);
    EXPECT_FALSE(desktop.menuItem(ga::kCommandAbsoluteMistake)->checked);
    EXPECT_FALSE(desktop.menuItem(ga::kCommandAbsoluteMistake)->enabled);
    EXPECT_FALSE(desktop.menuItem(ga::kCommandOpenAnswer)->enabled);
}

TEST_F(HandBuildTest, CancelBringsBackThePuzzleAndTheMenuItStartedFrom) {
    // Each mode a build can start from, entered as the window enters it.
    for (int mode : {ga::kMenuPlaying, ga::kMenuSaved, ga::kMenuAnswerOpened}) {
        SCOPED_TRACE(mode);
        ga::enterMenuMode(desktop, state, ga::kMenuPlaying);
        ga::enterMenuMode(desktop, state, mode);
        const std::set<int> menuBefore = enabledItems();
        state.settings.modified = 0;
        start();
        typeGrid(solutionText().substr(0, 40) + std::string(41, '.'));
        ga::pressRegister(desktop, state);
        ASSERT_EQ(state.handBuildStage, 2);
        ga::pressCancelHandBuild(desktop, state);

        EXPECT_EQ(status(), "canceled to create a puzzle");
        expectBuildOver();
        EXPECT_TRUE(sameRecord(state.puzzle, previousPuzzle()));
        for (int cell = 0; cell < kCells; ++cell) {
            const auto control = desktop.control(ga::cellId(cell));
            ASSERT_EQ(control->kind, state.puzzle.openFlags[cell] != 0
                                         ? ga::ControlKind::kOpenCell
                                         : ga::ControlKind::kClueCell);
            ASSERT_EQ(control->text, ga::cellDisplay(state.puzzle, cell).text);
        }
        EXPECT_EQ(state.settings.menuMode, mode);
        EXPECT_EQ(enabledItems(), menuBefore);
        EXPECT_EQ(state.settings.modified, 0);
        EXPECT_EQ(state.header.puzzleClass, 1);
        EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- Easy, sn : 1234-0");

        // A job ending later restores the same menu.
        ga::restoreIdleMenu(desktop, state);
        EXPECT_EQ(enabledItems(), menuBefore);
    }
}

// Through the window: the menu item and the buttons reach the build, and
// Cancel undoes the modification that the typing made.
TEST(HandBuildWindowTest, TheWindowRoutesTheMenuItemAndTheButtons) {
    std::string folder = ::testing::TempDir() + "ga-hand-build-XXXXXX";
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    FakeDesktop desktop;
    desktop.addMenuItems(ga::menuItemCommands());
    ga::StartupSettings startup;
    startup.place.path = folder + "/gridAtelier.par";
    {
        ga::MainWindow window(desktop, startup);
        ASSERT_TRUE(window.onCreate());
        for (int button : {ga::kButtonCancelHandBuild, ga::kButtonRegister}) {
            window.onCommand(ga::kCommandHandBuildPuzzle);
            ASSERT_EQ(window.state().handBuildStage, 1);
            window.onCellNotification(ga::cellId(0), ga::CellNotification::kGainedFocus);
            desktop.setText(ga::cellId(0), "5");
            window.onCellNotification(ga::cellId(0), ga::CellNotification::kLostFocus);
            window.onCommand(button);
        }
        EXPECT_EQ(window.state().handBuildStage, 2);
        window.onCommand(ga::kButtonWithoutAnswer);
        EXPECT_EQ(window.state().handBuildStage, 0);
        EXPECT_EQ(window.state().puzzle.openFlags[0], 0);
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
