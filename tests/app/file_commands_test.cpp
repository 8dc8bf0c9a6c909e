// Saving and loading the puzzle file through the window's commands on the fake
// desktop, the save question before a puzzle is replaced, and where the file
// dialogs open.
#include "app/file_commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"
#include "ui/board.h"
#include "ui/save_question_dialog.h"

namespace ga {
namespace {

class FileCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop.addMenuItems(menuItemCommands());
        // Every third cell a clue, the answer known, a value and a candidate list typed.
        for (int cell = 0; cell < kCells; ++cell) {
            state.puzzle.answerGrid[cell] = testing::kSolvedText[cell] - '0';
            state.puzzle.openFlags[cell] = cell % 3 != 0;
        }
        state.puzzle.answerKnown = 1;
        loadClues(state.puzzle);
        state.puzzle.valueGrid[1] = 4;
        state.puzzle.candidateNumbers[2] = 147;
        for (uint32_t part = 0; part < kSerialParts; ++part) state.puzzle.serial[part] = part + 10;
        state.header.puzzleClass = 3;
        state.header.reserved[2] = 0x12345678;
        state.settings.modified = 1;
        createBoard(desktop, state.puzzle);
        createStatusBox(desktop);
    }
    void answerFileDialog(const std::string& path) {
        desktop.onFileDialog([path](const FileDialogRequest&, std::string& chosen) {
            chosen = path;
            return !path.empty();
        });
    }
    void save(const std::string& path) { answerFileDialog(path), savePuzzle(desktop, state); }
    void load(const std::string& path) {
        answerFileDialog(path), loadPuzzle(desktop, state, defaults);
    }
    std::string shown(int id) const { return desktop.control(id)->text; }

    FakeDesktop desktop;
    WindowState state;
    Settings defaults;
    testing::ScratchDir dir;
};

TEST_F(FileCommandsTest, SaveThenLoadRestoresThePuzzle) {
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
    std::memcpy(state.puzzle.valueGrid, state.puzzle.answerGrid, sizeof state.puzzle.valueGrid);
    save(dir / "done.ga");
    load(dir / "done.ga");
    EXPECT_EQ(shown(cellId(0)) + shown(cellId(1)) + shown(cellId(2)), "9");
}

TEST_F(FileCommandsTest, AFileThisProgramCouldNotHaveWrittenChangesNothing) {
    unsigned char good[kPuzzleFileBytes];
    encodePuzzleFile(state.header, state.puzzle, good);
    auto cellAt = [](int grid, int cell) { return 32 + 4 * (81 * grid + cell); };
    const struct {
        int offset;  // -1: the length changes instead
        uint32_t value;
    } damages[] = {{-1, kPuzzleFileBytes - 1},
                   {-1, kPuzzleFileBytes + 1},
                   {0, 33},
                   {4, 2},
                   {8, 9},
                   {8, 0xFFFFFFFF},
                   {cellAt(0, 1), 10},
                   {cellAt(1, 80), 2},
                   {cellAt(2, 1), 0xFFFFFFFF},
                   {cellAt(0, 3), 0},
                   {cellAt(4, 5), 2}};
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

TEST_F(FileCommandsTest, TheSaveQuestionKeepsThePuzzleUnlessAnsweredYesOrNo) {
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
// in this run, else the home folder.
TEST_F(FileCommandsTest, FileDialogsOpenInAFolderThatCanBeWritten) {
    const std::string writable = dir / "";
    const struct {
        std::string executable, lastChoice, opensIn;
    } cases[] = {{writable, "", writable},
                 {writable, "/elsewhere/a.ga", writable},
                 {"/no/such/bin/", "", "/home/player/"},
                 {"/no/such/bin/", "/elsewhere/a.ga", "/elsewhere/"}};
    for (const auto& c : cases) {
        desktop.setExecutableFolder(c.executable);
        state.files = FileDialogMemory{};
        if (!c.lastChoice.empty()) save(c.lastChoice);
        answerFileDialog("");
        savePuzzle(desktop, state);
        EXPECT_EQ(desktop.fileDialogs().back().startFolder, c.opensIn)
            << c.executable << c.lastChoice;
    }
}

}  // namespace
}  // namespace ga
