// The window's commands on the board, against the fake desktop: saving and
// loading the puzzle file, the save question before a puzzle is replaced,
// where the file dialogs open, hand-building, paste and copy. Typing writes the
// cells' texts only: the verdicts must read what the cells show, as the cell
// with the focus has not reported yet.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/file_commands.h"
#include "app/hand_build.h"
#include "app/menu_state.h"
#include "app/picture_commands.h"
#include "app/puzzle_text_commands.h"
#include "app/status_messages.h"
#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"
#include "ui/board.h"
#include "ui/save_question_dialog.h"

namespace ga {
namespace {

using Item = FakeDesktop::MenuItemState;
// A solved grid, one digit per cell; '.' in such a text leaves a cell empty.
const std::string kSolution = testing::kSolvedText;

// A puzzle being played: every third cell a clue, the answer known, a value
// and a candidate list typed.
class BoardCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop.addMenuItems(menuItemCommands());
        desktop.setTitle("gridAtelier -- Novice, sn : 1234-0");
        for (int cell = 0; cell < kCells; ++cell) {
            state.puzzle.answerGrid[cell] = kSolution[cell] - '0';
            state.puzzle.openFlags[cell] = cell % 3 != 0;
        }
        state.puzzle.answerKnown = 1;
        loadClues(state.puzzle);
        state.puzzle.valueGrid[1] = 4;
        state.puzzle.candidateNumbers[2] = 147;
        for (uint32_t part = 0; part < kSerialParts; ++part) state.puzzle.serial[part] = part + 10;
        state.header.puzzleClass = 3;
        state.header.reserved[2] = 0x12345678;
        before = state.puzzle;
        createBoard(desktop, state.puzzle);
        createStatusBox(desktop);
        enterMenuMode(desktop, state, kMenuNoPuzzle);  // as the window got there
        enterMenuMode(desktop, state, kMenuPlaying);
        setExpressMode(desktop, state.settings.expressMode, 2, true);
    }
    void answerFileDialog(const std::string& path) {
        desktop.onFileDialog([path](const FileDialogRequest&, std::string& chosen) {
            chosen = path;
            return !path.empty();
        });
    }
    void save(const std::string& path) { answerFileDialog(path), savePuzzle(desktop, state); }
    void load(const std::string& path) {
        answerFileDialog(path), loadPuzzle(desktop, state, defaults, jobs);
    }
    std::string shown(int id) const { return desktop.control(id)->text; }

    void start() {
        startHandBuild(desktop, state, defaults);
        ASSERT_EQ(state.handBuildStage, 1);
    }
    void typeGrid(const std::string& grid) {
        for (int cell = 0; cell < kCells; ++cell)
            desktop.setText(cellId(cell), grid[cell] == '.' ? "" : grid.substr(cell, 1));
    }
    void press(int stageAfter) {
        pressRegister(desktop, state);
        ASSERT_EQ(state.handBuildStage, stageAfter);
    }
    void expectSaid(HandBuildMessage message) const {
        EXPECT_EQ(shown(kStatusBoxId), handBuildText(message));
    }
    ControlRect statusRect() const { return desktop.control(kStatusBoxId)->rect; }
    // A finished build: no buttons, a full status box, a hand-built puzzle to play.
    void expectBuilt(const std::string& said, const ControlRect& fullBox) const {
        EXPECT_EQ(shown(kStatusBoxId), said);
        EXPECT_EQ(state.handBuildStage, 0);
        EXPECT_FALSE(desktop.control(kButtonRegister).has_value());
        EXPECT_EQ(statusRect().height, fullBox.height);
        EXPECT_EQ(state.header.puzzleClass, kHandBuiltClass);
        EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- Hand-Build");
        EXPECT_EQ(state.settings.menuMode, kMenuPlaying);
        EXPECT_EQ(state.settings.modified, 1);
    }

    FakeDesktop desktop;
    WindowState state;
    PuzzleRecord before{};
    Settings defaults;
    JobControl jobs{desktop};  // no worker: nothing is rated
    testing::ScratchDir dir;
};

TEST_F(BoardCommandsTest, SaveThenLoadRestoresThePuzzle) {
    state.settings.modified = 1;
    const WindowState saved = state;
    save(dir / "first.ga");
    EXPECT_EQ(desktop.fileDialogs().at(0).filters.at(0).name, "grid atelier file (*.ga)");
    EXPECT_EQ(shown(kStatusBoxId), "saved a puzzle to a file named first.ga");
    EXPECT_EQ(state.settings.modified, 0);

    state.puzzle = PuzzleRecord{};
    state.header = PuzzleFileHeader{};
    load(dir / "first.ga");
    EXPECT_EQ(std::memcmp(&state.puzzle, &saved.puzzle, sizeof saved.puzzle), 0);
    EXPECT_EQ(std::memcmp(&state.header, &saved.header, sizeof saved.header), 0);
    EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- first.ga");
    EXPECT_EQ(shown(kStatusBoxId), "loaded first.ga,\r\nIntermediate, sn is A-B-C-D-E");
    EXPECT_EQ(shown(cellId(0)) + shown(cellId(1)) + shown(cellId(2)), "94147");

    // Saved finished, it comes back with its clues only.
    state.puzzle.valueGrid = state.puzzle.answerGrid;
    save(dir / "done.ga");
    load(dir / "done.ga");
    EXPECT_EQ(shown(cellId(0)) + shown(cellId(1)) + shown(cellId(2)), "9");
}

TEST_F(BoardCommandsTest, AFileThisProgramCouldNotHaveWrittenChangesNothing) {
    unsigned char good[kPuzzleFileBytes];
    encodePuzzleFile(state.header, state.puzzle, good);
    auto cellAt = [](int grid, int cell) { return 32 + 4 * (81 * grid + cell); };
    // clang-format off
    const struct { int offset; uint32_t value; } damages[] = {  // offset -1: the length instead
        {-1, kPuzzleFileBytes - 1}, {-1, kPuzzleFileBytes + 1}, {0, 33}, {4, 2}, {8, 9},
        {8, 0xFFFFFFFF}, {cellAt(0, 1), 10}, {cellAt(1, 80), 2}, {cellAt(2, 1), 0xFFFFFFFF},
        {cellAt(0, 3), 0}, {cellAt(4, 5), 2}};
    // clang-format on
    state.settings.neverConfirmSave = 1;
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.offset);
        std::string bytes(good, good + sizeof good);
        if (damage.offset < 0) bytes.resize(damage.value);
        for (int i = 0; damage.offset >= 0 && i < 4; ++i)
            bytes[damage.offset + i] = static_cast<char>(damage.value >> (8 * i));
        std::ofstream(dir / "bad.ga", std::ios::binary) << bytes;
        const WindowState before = state;
        load(dir / "bad.ga");
        EXPECT_EQ(std::memcmp(&before.puzzle, &state.puzzle, sizeof before.puzzle), 0);
        EXPECT_EQ(std::memcmp(&before.settings, &state.settings, sizeof before.settings), 0);
        EXPECT_EQ(desktop.messageBoxes().back().text, "failed to load data from a file");
    }
}

// Files of the other programs' formats: each loads its puzzle (a file of
// several: the one picked in its list, here the first) as a hand-built one
// whose one answer is found; a bad one says where it is wrong and changes
// nothing.
TEST_F(BoardCommandsTest, LoadsThePuzzleFilesOfOtherFormats) {
    state.settings.neverConfirmSave = 1;
    desktop.onDialog([](FakeDialog& list) { list.click(kDialogOkay); });
    const std::string formats = GA_FORMATS_DIR;
    const struct {
        const char* file;
        const char* firstRow;  // the first row's clues, '.' open
        const char* titleEnd;  // a collection's title tells the puzzle
    } good[] = {{"headers.sdk", "7.8396..2", ""},
                {"drawn.ss", "7.8396..2", ""},
                {"collection.sdm", "7.8396..2", ", puzzle 1 of 3"},
                {"folders.opensudoku", "694.1....", ""},
                {"lines.txt", "7.8396..2", ", puzzle 1 of 2"}};
    for (const auto& c : good) {
        SCOPED_TRACE(c.file);
        load(formats + "/" + c.file);
        std::string row;
        for (int cell = 0; cell < 9; ++cell) {
            const std::string text = shown(cellId(cell));
            row += text.empty() ? "." : text;
        }
        EXPECT_EQ(row, c.firstRow);
        EXPECT_EQ(state.header.puzzleClass, kHandBuiltClass);
        ASSERT_EQ(state.puzzle.answerKnown, 1);
        for (int cell = 0; cell < kCells; ++cell) {
            if (state.puzzle.openFlags[cell] == 0) {
                EXPECT_EQ(state.puzzle.answerGrid[cell], state.puzzle.valueGrid[cell]) << cell;
            }
        }
        EXPECT_EQ(desktop.shownTitle(), std::string("gridAtelier -- ") + c.file + c.titleEnd);
    }
    const std::size_t boxes = desktop.messageBoxes().size();
    const WindowState before = state;
    load(formats + "/short_row.sdk");
    EXPECT_EQ(std::memcmp(&before.puzzle, &state.puzzle, sizeof before.puzzle), 0);
    EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- lines.txt, puzzle 1 of 2");
    ASSERT_EQ(desktop.messageBoxes().size(), boxes + 1);
    EXPECT_EQ(desktop.messageBoxes().back().text,
              "short_row.sdk holds no puzzle this program can load: line 6: 8 cells on the line, "
              "a row has 9.");
    EXPECT_EQ(desktop.messageBoxes().back().title, "Load Puzzle");
}

// Save Puzzle writes the format the name's extension asks for; any other name
// gets the program's own file.
TEST_F(BoardCommandsTest, SavesTheFormatTheNameAsksFor) {
    save(dir / "drawn.ss");
    EXPECT_EQ(desktop.fileDialogs().back().filters.size(), 6u);
    std::ifstream in(dir / "drawn.ss", std::ios::binary);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "9..|5..|8..");  // every third cell a clue
    save(dir / "puzzle.sdk.bak");
    std::ifstream binary(dir / "puzzle.sdk.bak", std::ios::binary | std::ios::ate);
    EXPECT_EQ(static_cast<int>(binary.tellg()), kPuzzleFileBytes);
}

TEST_F(BoardCommandsTest, TheSaveQuestionKeepsThePuzzleUnlessAnsweredYesOrNo) {
    const struct {
        int answer;        // the button clicked; 0 for the close box
        const char* file;  // what the file dialog answers; "" cancels it
        bool goesOn;
    } cases[] = {{kSaveQuestionCancel, "", false}, {0, "", false},
                 {kSaveQuestionYes, "", false},    {kSaveQuestionYes, "no/such/a.ga", false},
                 {kSaveQuestionNo, "", true},      {kSaveQuestionYes, "kept.ga", true}};
    for (const auto& c : cases) {
        state.settings.modified = 1;
        desktop.onDialog([&](FakeDialog& d) { c.answer ? d.click(c.answer) : d.close(); });
        answerFileDialog(*c.file ? dir / c.file : "");
        EXPECT_EQ(confirmSave(desktop, state, defaults), c.goesOn) << c.answer << c.file;
        EXPECT_EQ(state.settings.modified, c.goesOn && *c.file ? 0 : 1) << c.answer << c.file;
    }
    state.settings.neverConfirmSave = 1;
    EXPECT_TRUE(confirmSave(desktop, state, defaults));
    EXPECT_EQ(desktop.dialogsRun().size(), 6u);
}

// The executable's folder when it can be written, else the folder chosen last
// in this run (in a file dialog or by printing to a file), else the home
// folder; the print dialog's print to a file starts there too.
TEST_F(BoardCommandsTest, FileDialogsOpenInAFolderThatCanBeWritten) {
    const std::string writable = dir / "";
    const struct {
        std::string executable, lastChoice, opensIn;
        bool printed;
    } cases[] = {{writable, "", writable, false},
                 {writable, "/elsewhere/a.ga", writable, false},
                 {"/no/such/bin/", "", "/home/player/", false},
                 {"/no/such/bin/", "/elsewhere/a.ga", "/elsewhere/", false},
                 {"/no/such/bin/", "/printed/a.pdf", "/printed/", true}};
    for (const auto& c : cases) {
        desktop.setExecutableFolder(c.executable);
        state.files = FileDialogMemory{};
        desktop.printToFile(c.printed ? c.lastChoice : "");
        if (c.printed) printBoard(desktop, state);
        if (!c.printed && !c.lastChoice.empty()) save(c.lastChoice);
        answerFileDialog("");
        savePuzzle(desktop, state);
        EXPECT_EQ(desktop.fileDialogs().back().startFolder, c.opensIn)
            << c.executable << c.lastChoice;
        printBoard(desktop, state);
        EXPECT_EQ(desktop.logStartingWith("printPicture").back(),
                  "printPicture \"" + c.opensIn + "\"");
    }
}

// From each mode a build can start from, saved or not: all comes back.
TEST_F(BoardCommandsTest, CancelBringsBackThePuzzleItsMenuAndWhetherItWasSaved) {
    desktop.onDialog([](FakeDialog& dialog) { dialog.click(kSaveQuestionNo); });
    for (int mode : {kMenuPlaying, kMenuSaved, kMenuAnswerOpened}) {
        for (int modified : {0, 1}) {
            SCOPED_TRACE(::testing::Message() << "mode " << mode << " modified " << modified);
            enterMenuMode(desktop, state, kMenuPlaying);
            enterMenuMode(desktop, state, mode);
            const std::set<int> menuBefore = desktop.menuItems(&Item::enabled);
            state.settings.modified = modified;
            start();
            typeGrid(kSolution.substr(0, 40) + std::string(41, '.'));
            if (mode != kMenuSaved) press(2);
            pressCancelHandBuild(desktop, state);
            expectSaid(HandBuildMessage::kCanceled);
            EXPECT_EQ(state.handBuildStage, 0);
            EXPECT_EQ(std::memcmp(&state.puzzle, &before, sizeof before), 0);
            EXPECT_EQ(desktop.control(cellId(1))->text, "4");
            EXPECT_EQ(desktop.menuItems(&Item::enabled), menuBefore);
            EXPECT_EQ(state.settings.menuMode, mode);
            EXPECT_EQ(state.settings.modified, modified);
            EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- Novice, sn : 1234-0");
        }
    }
}

}  // namespace
}  // namespace ga
