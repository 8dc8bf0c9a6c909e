// Saving and loading the puzzle file through the window's commands on the fake
// desktop, the save question before a puzzle is replaced, and where the file
// dialogs open.
#include "app/file_commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/menu_state.h"
#include "app/command_table.h"
#include "app/status_messages.h"
#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"
#include "ui/board.h"
#include "ui/puzzle_file.h"
#include "ui/save_question_dialog.h"

namespace ga {
namespace {

using Bytes = std::string;

class FileCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop.addMenuItems(menuItemCommands());
        desktop.setClientWidth(300);
        // Every third cell a clue, the answer known, a value and candidate lists typed.
        resetRecord(state.puzzle);
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
            return true;
        });
    }
    void save(const std::string& path) { answerFileDialog(path), savePuzzle(desktop, state); }
    void load(const std::string& path) {
        answerFileDialog(path), loadPuzzle(desktop, state, defaults);
    }
    std::string shown(int id) const { return desktop.control(id)->text; }
    bool same(const WindowState& a) const {
        return std::memcmp(&a.puzzle, &state.puzzle, sizeof a.puzzle) == 0 &&
               std::memcmp(&a.header, &state.header, sizeof a.header) == 0 &&
               std::memcmp(&a.settings, &state.settings, sizeof a.settings) == 0;
    }

    FakeDesktop desktop;
    WindowState state;
    Settings defaults;
    testing::ScratchDir dir;
};

TEST_F(FileCommandsTest, SaveThenLoadRestoresThePuzzle) {
    const WindowState saved = state;
    save(dir / "first.ga");
    const FileDialogRequest asked = desktop.fileDialogs().at(0);
    EXPECT_EQ(asked.title + asked.filters.at(0).name + asked.defaultExtension,
              "save file as ...grid atelier file (*.ga)ga");
    EXPECT_EQ(testing::readFile(dir / "first.ga").size(), 1352u);
    EXPECT_EQ(shown(kStatusBoxId), "saved a puzzle to a file named first.ga");
    EXPECT_EQ(state.settings.modified * 100 + state.settings.menuMode, kMenuSaved);
    save(dir / "second.ga");
    EXPECT_EQ(testing::readFile(dir / "second.ga"), testing::readFile(dir / "first.ga"));

    resetRecord(state.puzzle);
    state.header = PuzzleFileHeader{};
    load(dir / "first.ga");
    EXPECT_EQ(desktop.fileDialogs().back().title, "open file selected");
    EXPECT_EQ(std::memcmp(&state.puzzle, &saved.puzzle, sizeof saved.puzzle), 0);
    EXPECT_EQ(std::memcmp(&state.header, &saved.header, sizeof saved.header), 0);
    EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- first.ga");
    EXPECT_EQ(state.settings.menuMode, kMenuLoaded);
    EXPECT_EQ(shown(kStatusBoxId), "loaded first.ga,\r\nIntermediate, sn is A-B-C-D-E");
    EXPECT_EQ(desktop.control(cellId(0))->kind, ControlKind::kClueCell);
    EXPECT_EQ(shown(cellId(1)) + shown(cellId(2)), "4147");
}

TEST_F(FileCommandsTest, AFinishedPuzzleComesBackWithItsCluesOnly) {
    std::memcpy(state.puzzle.valueGrid, state.puzzle.answerGrid, sizeof state.puzzle.valueGrid);
    save(dir / "done.ga");
    EXPECT_EQ(testing::readFile(dir / "done.ga")[4], 1) << "finished";
    state.settings.modified = 1;
    state.settings.neverConfirmSave = 1;
    load(dir / "done.ga");
    EXPECT_EQ(state.settings.modified, 1) << "loading keeps it";
    for (int cell = 0; cell < kCells; ++cell) {
        EXPECT_EQ(shown(cellId(cell)),
                  cell % 3 == 0 ? std::to_string(state.puzzle.answerGrid[cell]) : "");
        EXPECT_EQ(state.puzzle.candidateNumbers[cell], 0);
    }
}

TEST_F(FileCommandsTest, AFileThisProgramCouldNotHaveWrittenChangesNothing) {
    unsigned char good[kPuzzleFileBytes];
    encodePuzzleFile(state.header, state.puzzle, good);
    auto cellAt = [](int grid, int cell) { return 32 + 4 * (81 * grid + cell); };
    const struct {
        const char* name;
        int offset;  // -1: the length changes instead
        uint32_t value;
    } damages[] = {
        {"short", -1, kPuzzleFileBytes - 1},
        {"long", -1, kPuzzleFileBytes + 1},
        {"headerSize 33", 0, 33},
        {"finished 2", 4, 2},
        {"class 9", 8, 9},
        {"class -1", 8, 0xFFFFFFFF},
        {"answer 10", cellAt(0, 1), 10},
        {"openFlags 2", cellAt(1, 80), 2},
        {"value -1", cellAt(2, 1), 0xFFFFFFFF},
        {"clue 0", cellAt(0, 3), 0},
        {"answerKnown 2", cellAt(4, 5), 2},
    };
    state.settings.neverConfirmSave = 1;
    for (const auto& damage : damages) {
        Bytes bytes(good, good + sizeof good);
        if (damage.offset < 0) bytes.resize(damage.value);
        for (int i = 0; damage.offset >= 0 && i < 4; ++i)
            bytes[damage.offset + i] = damage.value >> (8 * i);
        std::ofstream(dir / "bad.ga", std::ios::binary) << bytes;
        const WindowState before = state;
        desktop.clearLog();
        load(dir / "bad.ga");
        EXPECT_TRUE(same(before)) << damage.name;
        EXPECT_EQ(desktop.log().back(), "messageBox \"failed to load data from a file\" \"error\"")
            << damage.name;
    }
}

TEST_F(FileCommandsTest, TheSaveQuestionKeepsThePuzzleUnlessAnsweredYesOrNo) {
    const struct {
        std::function<void(FakeDialog&)> answer;
        const char* file;  // what the file dialog answers; "" cancels it
        bool goesOn;
    } cases[] = {
        {[](FakeDialog& d) { d.click(kSaveQuestionCancel); }, "", false},
        {[](FakeDialog& d) { d.close(); }, "", false},
        {[](FakeDialog& d) { d.pressEnter(); }, "", false},
        {[](FakeDialog& d) { d.click(kSaveQuestionYes); }, "", false},
        {[](FakeDialog& d) { d.click(kSaveQuestionYes); }, "no-such-folder/a.ga", false},
        {[](FakeDialog& d) { d.click(kSaveQuestionNo); }, "", true},
        {[](FakeDialog& d) { d.click(kSaveQuestionYes); }, "kept.ga", true},
    };
    for (const auto& c : cases) {
        state.settings.modified = 1;
        desktop.onDialog(c.answer);
        *c.file ? answerFileDialog(dir / c.file) : desktop.onFileDialog(nullptr);
        EXPECT_EQ(confirmSave(desktop, state, defaults), c.goesOn) << c.file;
        EXPECT_EQ(state.settings.modified, std::string(c.file) == "kept.ga" ? 0 : 1) << c.file;
    }
    desktop.onDialog([](FakeDialog&) { FAIL() << "asked"; });
    state.settings.neverConfirmSave = 1;
    EXPECT_TRUE(confirmSave(desktop, state, defaults));
}

// The executable's folder when it can be written, else the folder chosen last
// in this run, else the home folder.
TEST_F(FileCommandsTest, FileDialogsOpenInAFolderThatCanBeWritten) {
    const std::string writable = dir / "";
    const struct {
        std::string executable;
        std::string lastChoice;  // "" for none yet
        std::string opensIn;
    } cases[] = {
        {writable, "", writable},
        {writable, "/elsewhere/a.ga", writable},
        {"/no/such/bin/", "", "/home/player/"},
        {"/no/such/bin/", "/elsewhere/a.ga", "/elsewhere/"},
    };
    for (const auto& c : cases) {
        desktop.setExecutableFolder(c.executable);
        state.files = FileDialogMemory{};
        if (!c.lastChoice.empty()) save(c.lastChoice);
        desktop.onFileDialog(nullptr);
        savePuzzle(desktop, state);
        EXPECT_EQ(desktop.fileDialogs().back().startFolder, c.opensIn)
            << c.executable << c.lastChoice;
    }
}

}  // namespace
}  // namespace ga
