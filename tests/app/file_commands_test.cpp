// Saving and loading the puzzle file through the window's commands on the fake
// desktop, the save question before a puzzle is replaced, and the decoder's
// refusals: a refused file must leave the board, the header, the title, the
// menu and the status exactly as they were.
#include "app/file_commands.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
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

namespace {

namespace fs = std::filesystem;
using ga::FakeDesktop;
using ga::FakeDialog;
using ga::testing::ScratchDir;
using Bytes = std::vector<unsigned char>;

bool sameRecord(const ga::PuzzleRecord& a, const ga::PuzzleRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
bool sameHeader(const ga::PuzzleFileHeader& a, const ga::PuzzleFileHeader& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

Bytes fileBytes(const std::string& path) {
    const std::string text = ga::testing::readFile(path);
    return Bytes(text.begin(), text.end());
}
void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}
void putInt32(Bytes& bytes, std::size_t offset, uint32_t value) {
    for (int byte = 0; byte < 4; ++byte) bytes[offset + byte] = (value >> (8 * byte)) & 0xFF;
}
// The byte offset of a record field's cell: 0 answerGrid, 1 openFlags, 2 valueGrid.
constexpr std::size_t fieldAt(int field, int cell) {
    return 32 + 4 * (81 * field + cell);
}
constexpr std::size_t kAnswerKnownAt = fieldAt(4, 5);

class FileCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop.addMenuItems(ga::menuItemCommands());
        desktop.setClientWidth(300);
        // Every third cell a clue, the answer known, a value and candidate lists typed.
        ga::resetRecord(state.puzzle);
        for (int cell = 0; cell < ga::kCells; ++cell) {
            state.puzzle.answerGrid[cell] = ga::testing::kSolvedText[cell] - '0';
            state.puzzle.openFlags[cell] = cell % 3 != 0;
        }
        state.puzzle.answerKnown = 1;
        ga::loadClues(state.puzzle);
        state.puzzle.valueGrid[1] = 4;
        state.puzzle.candidateNumbers[2] = 147;
        state.puzzle.candidateNumbers[4] = 123456789;
        state.puzzle.candidateNumbers[5] = -5;  // not typeable, but kept as any list is
        for (uint32_t part = 0; part < ga::kSerialParts; ++part)
            state.puzzle.serial[part] = part + 10;
        state.header.puzzleClass = 3;
        state.header.reserved[2] = 0x12345678;
        state.settings.modified = 1;
        state.settings.expressMode = 2;
        ga::createBoard(desktop, state.puzzle);
        ga::createStatusBox(desktop);
        desktop.setTitle("gridAtelier -- Intermediate, sn : A-B");
    }

    void answerFileDialog(const std::string& path) {
        desktop.onFileDialog([path](const ga::FileDialogRequest&, std::string& chosen) {
            chosen = path;
            return true;
        });
    }
    void save(const std::string& path) {
        answerFileDialog(path);
        ga::savePuzzle(desktop, state);
    }
    void load(const std::string& path) {
        answerFileDialog(path);
        ga::loadPuzzle(desktop, state, defaults);
    }
    std::string cellText(int cell) const { return desktop.control(ga::cellId(cell))->text; }
    std::string statusBox() const { return desktop.control(ga::kStatusBoxId)->text; }

    // A refused file: one box, and not a single call that changes what shows.
    void expectRefused(const std::string& path) {
        const ga::PuzzleRecord puzzle = state.puzzle;
        const ga::PuzzleFileHeader header = state.header;
        const ga::Settings settings = state.settings;
        desktop.clearLog();
        load(path);
        EXPECT_EQ(desktop.log(), (std::vector<std::string>{
                                     "askFileName open \"open file selected\" -> \"" + path + "\"",
                                     "messageBox \"failed to load data from a file\" \"error\""}));
        EXPECT_TRUE(sameRecord(state.puzzle, puzzle));
        EXPECT_TRUE(sameHeader(state.header, header));
        EXPECT_EQ(std::memcmp(&state.settings, &settings, sizeof settings), 0);
    }

    FakeDesktop desktop;
    ga::WindowState state;
    ga::Settings defaults;
    ScratchDir dir;
};

TEST_F(FileCommandsTest, SaveThenLoadRestoresThePuzzleAndItsReservedBytes) {
    const ga::PuzzleRecord saved = state.puzzle;
    const ga::PuzzleFileHeader header = state.header;
    save(dir / "first.ga");

    ASSERT_EQ(desktop.fileDialogs().size(), 1u);
    const ga::FileDialogRequest request = desktop.fileDialogs()[0];
    EXPECT_EQ(request.purpose, ga::FileDialogRequest::Purpose::kSave);
    EXPECT_EQ(request.title, "save file as ...");
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filters[0].name, "grid atelier file (*.ga)");
    EXPECT_EQ(request.filters[1].pattern, "*.*");
    EXPECT_EQ(request.defaultExtension, "ga");
    EXPECT_EQ(fs::file_size(dir / "first.ga"), 1352u);
    EXPECT_EQ(statusBox(), "saved a puzzle to a file named first.ga");
    EXPECT_STREQ(state.settings.fileName, "first.ga");
    EXPECT_EQ(state.settings.modified, 0);
    EXPECT_EQ(state.settings.menuMode, ga::kMenuSaved);
    EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- Intermediate, sn : A-B");

    // Saving again gives the same bytes, and replacing a longer file leaves none of it.
    writeBytes(dir / "second.ga", Bytes(5000, 0xEE));
    save(dir / "second.ga");
    EXPECT_EQ(fileBytes(dir / "second.ga"), fileBytes(dir / "first.ga"));

    // Another board, then the file back.
    ga::resetRecord(state.puzzle);
    state.header = ga::PuzzleFileHeader{};
    ga::destroyBoard(desktop);
    ga::createBoard(desktop, state.puzzle);
    load(dir / "first.ga");
    EXPECT_EQ(desktop.fileDialogs().back().purpose, ga::FileDialogRequest::Purpose::kOpen);
    EXPECT_EQ(desktop.fileDialogs().back().title, "open file selected");
    EXPECT_TRUE(sameRecord(state.puzzle, saved));
    EXPECT_TRUE(sameHeader(state.header, header));
    EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- first.ga");
    EXPECT_EQ(state.settings.menuMode, ga::kMenuLoaded);
    EXPECT_EQ(statusBox(), "loaded first.ga,\r\nIntermediate, sn is A-B-C-D-E");
    EXPECT_EQ(state.settings.expressMode, 2);  // the file has an answer
    EXPECT_EQ(desktop.control(ga::cellId(0))->kind, ga::ControlKind::kClueCell);
    EXPECT_EQ(cellText(0), "9");
    EXPECT_EQ(desktop.control(ga::cellId(1))->kind, ga::ControlKind::kOpenCell);
    EXPECT_EQ(cellText(1), "4");
    EXPECT_EQ(cellText(2), "147");
    EXPECT_EQ(desktop.control(ga::cellId(2))->font, ga::FontChoice::kSmall);
    EXPECT_EQ(cellText(4), "123456789");
    EXPECT_EQ(cellText(5), "");
}

TEST_F(FileCommandsTest, AFinishedPuzzleIsSavedAsSuchAndComesBackWithItsCluesOnly) {
    for (int cell = 0; cell < ga::kCells; ++cell) {
        state.puzzle.valueGrid[cell] = state.puzzle.answerGrid[cell];
    }
    save(dir / "done.ga");
    EXPECT_EQ(state.header.finished, 1);
    EXPECT_EQ(fileBytes(dir / "done.ga")[4], 1);

    state.settings.modified = 1;  // unchanged by loading
    state.settings.neverConfirmSave = 1;
    load(dir / "done.ga");
    EXPECT_EQ(state.header.finished, 1);
    EXPECT_EQ(state.settings.modified, 1);
    for (int cell = 0; cell < ga::kCells; ++cell) {
        const bool clue = cell % 3 == 0;
        ASSERT_EQ(state.puzzle.valueGrid[cell], clue ? state.puzzle.answerGrid[cell] : 0);
        ASSERT_EQ(state.puzzle.candidateNumbers[cell], 0);
        ASSERT_EQ(cellText(cell), clue ? std::to_string(state.puzzle.answerGrid[cell]) : "");
    }
}

TEST_F(FileCommandsTest, EveryLoadedStatusTextAndTheExpressModeFollowTheFile) {
    struct Case {
        int puzzleClass;
        int answerKnown;
        const char* status;
        int expressMode;
    };
    const Case cases[] = {{0, 0, "loaded x.ga,\r\nPractice, sn is A-B-C-D-E", 1},
                          {8, 1, "loaded x.ga, Hand-build", 2},
                          {8, 0, "loaded x.ga,\r\nHand-build without Answer", 1}};
    state.settings.neverConfirmSave = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        state.header.puzzleClass = c.puzzleClass;
        state.puzzle.answerKnown = c.answerKnown;
        state.puzzle.valueGrid[0] = 0;  // another writer may leave the clues' values out
        ASSERT_EQ(ga::writePuzzleFile(state.header, state.puzzle, (dir / "x.ga").c_str()), 0);
        state.settings.expressMode = 2;
        load(dir / "x.ga");
        EXPECT_EQ(statusBox(), c.status);
        EXPECT_EQ(state.puzzle.valueGrid[0], 9);
        EXPECT_EQ(state.settings.expressMode, c.expressMode);
        EXPECT_EQ(desktop.menuItem(ga::kCommandAbsoluteMistake)->checked, c.expressMode == 2);
        EXPECT_EQ(desktop.menuItem(ga::kCommandOpenAnswer)->enabled, c.answerKnown == 1);
    }
}

TEST_F(FileCommandsTest, AFileThisProgramCouldNotHaveWrittenChangesNothing) {
    ga::PuzzleFileHeader header;
    header.puzzleClass = 2;
    ASSERT_EQ(ga::writePuzzleFile(header, state.puzzle, (dir / "good.ga").c_str()), 0);
    const Bytes good = fileBytes(dir / "good.ga");
    struct Damage {
        const char* name;
        std::function<void(Bytes&)> apply;
    };
    const Damage damages[] = {
        {"short", [](Bytes& b) { b.pop_back(); }},
        {"long", [](Bytes& b) { b.push_back(0); }},
        {"empty", [](Bytes& b) { b.clear(); }},
        {"headerSize 33", [](Bytes& b) { putInt32(b, 0, 33); }},
        {"finished 2", [](Bytes& b) { putInt32(b, 4, 2); }},
        {"class 9", [](Bytes& b) { putInt32(b, 8, 9); }},
        {"class -1", [](Bytes& b) { putInt32(b, 8, 0xFFFFFFFF); }},
        {"openFlags 2", [](Bytes& b) { putInt32(b, fieldAt(1, 80), 2); }},
        {"answer 10", [](Bytes& b) { putInt32(b, fieldAt(0, 1), 10); }},
        {"value 10", [](Bytes& b) { putInt32(b, fieldAt(2, 40), 10); }},
        {"value -1", [](Bytes& b) { putInt32(b, fieldAt(2, 1), 0xFFFFFFFF); }},
        {"clue 0", [](Bytes& b) { putInt32(b, fieldAt(0, 3), 0); }},
        {"answerKnown 2", [](Bytes& b) { putInt32(b, kAnswerKnownAt, 2); }},
    };
    state.settings.neverConfirmSave = 1;
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        Bytes bytes = good;
        damage.apply(bytes);
        ga::PuzzleFileHeader untouchedHeader;
        untouchedHeader.finished = 77;
        ga::PuzzleRecord untouched{};
        untouched.answerKnown = 77;
        ga::PuzzleFileHeader decodedHeader = untouchedHeader;
        ga::PuzzleRecord decoded = untouched;
        EXPECT_NE(ga::decodePuzzleFile(bytes.data(), bytes.size(), decodedHeader, decoded), 0);
        EXPECT_TRUE(sameHeader(decodedHeader, untouchedHeader));
        EXPECT_TRUE(sameRecord(decoded, untouched));
        writeBytes(dir / "bad.ga", bytes);
        expectRefused(dir / "bad.ga");
    }
    expectRefused(dir / "missing.ga");
    expectRefused(dir.path().string());  // a folder
}

TEST_F(FileCommandsTest, TheSaveQuestionKeepsThePuzzleUnlessAnsweredYesOrNo) {
    const ga::DialogTemplate dialog = ga::saveQuestionTemplate();
    EXPECT_EQ(dialog.id, 3000);
    EXPECT_EQ(dialog.title, "confirmation");
    EXPECT_EQ(dialog.controls[1].kind, ga::DialogControlKind::kDefaultButton);
    EXPECT_EQ(dialog.controls[1].text, "Cancel");

    std::string shownText;
    bool startedChecked = true;
    const std::function<void(FakeDialog&)> abandoning[] = {
        [&](FakeDialog& d) {
            shownText = d.text(ga::kSaveQuestionText);
            startedChecked = d.checked(ga::kSaveQuestionNeverAgain);
            d.click(ga::kSaveQuestionCancel);
        },
        [](FakeDialog& d) { d.close(); },
        [](FakeDialog& d) { d.pressEnter(); },
        [](FakeDialog& d) { d.end(7); },
    };
    for (const auto& script : abandoning) {
        desktop.onDialog(script);
        load(dir / "never-asked.ga");
        EXPECT_TRUE(desktop.fileDialogs().empty());
        EXPECT_EQ(state.settings.modified, 1);
    }
    EXPECT_EQ(shownText, "do you want to save the current puzzle?");
    EXPECT_FALSE(startedChecked);
    EXPECT_EQ(desktop.dialogsRun(), (std::vector<int>{3000, 3000, 3000, 3000}));

    // "Yes" and then a cancelled file dialog abandons too; "No" goes on unsaved.
    desktop.onDialog([](FakeDialog& d) { d.click(ga::kSaveQuestionYes); });
    desktop.onFileDialog(nullptr);
    EXPECT_FALSE(ga::confirmSave(desktop, state, defaults));
    desktop.onDialog([](FakeDialog& d) { d.click(ga::kSaveQuestionNo); });
    EXPECT_TRUE(ga::confirmSave(desktop, state, defaults));
    EXPECT_EQ(desktop.fileDialogs().size(), 1u);
    EXPECT_EQ(state.settings.modified, 1);
    EXPECT_FALSE(ga::saveOnConfirm(desktop, state, ga::kSaveQuestionNo));
    EXPECT_EQ(desktop.fileDialogs().size(), 1u);

    // Without a change, or with the question switched off, nothing is asked.
    desktop.onDialog([](FakeDialog&) { FAIL() << "asked"; });
    state.settings.modified = 0;
    EXPECT_TRUE(ga::confirmSave(desktop, state, defaults));
    state.settings.modified = 1;
    state.settings.neverConfirmSave = 1;
    EXPECT_TRUE(ga::confirmSave(desktop, state, defaults));
}

// A save the player asked for that fails keeps the puzzle: the command that
// would have replaced it is abandoned.
TEST_F(FileCommandsTest, YesSavesAndAFailedSaveKeepsThePuzzle) {
    desktop.onDialog([](FakeDialog& d) { d.click(ga::kSaveQuestionYes); });
    answerFileDialog(dir / "no-such-folder/a.ga");
    EXPECT_FALSE(ga::confirmSave(desktop, state, defaults));
    ASSERT_EQ(desktop.messageBoxes().size(), 1u);
    EXPECT_EQ(desktop.messageBoxes()[0].text, "failed to save data to a file");
    EXPECT_EQ(desktop.messageBoxes()[0].title, "error");
    EXPECT_EQ(state.settings.modified, 1);
    EXPECT_EQ(state.settings.fileName[0], '\0');

    // Then the load goes on: the question saves the old puzzle, the new one shows.
    ASSERT_EQ(ga::writePuzzleFile(ga::PuzzleFileHeader{}, state.puzzle, (dir / "b.ga").c_str()), 0);
    int fileDialog = 0;
    desktop.onFileDialog([&](const ga::FileDialogRequest&, std::string& path) {
        path = ++fileDialog == 1 ? dir / "old.ga" : dir / "b.ga";
        return true;
    });
    ga::loadPuzzle(desktop, state, defaults);
    EXPECT_EQ(fs::file_size(dir / "old.ga"), 1352u);
    EXPECT_EQ(desktop.shownTitle(), "gridAtelier -- b.ga");
    EXPECT_EQ(statusBox(), "loaded b.ga,\r\nPractice, sn is A-B-C-D-E");
}

TEST_F(FileCommandsTest, TheCheckBoxReachesBothSettingsOnlyWithAnAnswer) {
    for (int answer : {ga::kSaveQuestionYes, ga::kSaveQuestionNo, ga::kSaveQuestionCancel}) {
        SCOPED_TRACE(answer);
        defaults.neverConfirmSave = 0;
        state.settings.neverConfirmSave = 0;
        state.settings.modified = 1;
        desktop.onDialog([answer](FakeDialog& d) {
            d.click(ga::kSaveQuestionNeverAgain);
            d.click(answer);
        });
        answerFileDialog(dir / "c.ga");
        ga::confirmSave(desktop, state, defaults);
        const int stored = answer == ga::kSaveQuestionCancel ? 0 : 1;
        EXPECT_EQ(defaults.neverConfirmSave, stored);
        EXPECT_EQ(state.settings.neverConfirmSave, stored);
    }
    // The box starts from the default Settings, not the current ones.
    defaults.neverConfirmSave = 1;
    state.settings.neverConfirmSave = 0;
    bool startedChecked = false;
    desktop.onDialog([&](FakeDialog& d) {
        startedChecked = d.checked(ga::kSaveQuestionNeverAgain);
        d.click(ga::kSaveQuestionNo);
    });
    EXPECT_TRUE(ga::confirmSave(desktop, state, defaults));
    EXPECT_TRUE(startedChecked);
    EXPECT_EQ(state.settings.neverConfirmSave, 1);
}

TEST_F(FileCommandsTest, AFailedSaveLeavesTheEarlierFileAndTheWindowAsTheyWere) {
    const Bytes earlier(1352, 0xAB);
    writeBytes(dir / "kept.ga", earlier);
    ga::setStatus(desktop, state, ga::kStatusWelcome);
    state.settings.menuMode = ga::kMenuPlaying;

    // Files may grow no further than 100 bytes: the fresh file cannot be written.
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{100, limit.rlim_max};
    auto* const earlierHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    save(dir / "kept.ga");
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, earlierHandler);

    save(dir / "no-such-folder/a.ga");
    EXPECT_EQ(fileBytes(dir / "kept.ga"), earlier);
    EXPECT_EQ(desktop.messageBoxes().size(), 2u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(statusBox(), "welcome to the Grid Atelier!");
    EXPECT_EQ(state.settings.menuMode, ga::kMenuPlaying);
    EXPECT_EQ(state.settings.modified, 1);
}

// Random, cut and bit-flipped variants of a valid file: whatever the decoder
// accepts encodes back to the same bytes, and whatever it refuses changes
// nothing, through the decoder alone and through the command.
TEST_F(FileCommandsTest, DamagedFilesAreAcceptedWholeOrRefusedWithoutATrace) {
    ga::PuzzleFileHeader header;
    header.puzzleClass = 5;
    unsigned char encoded[ga::kPuzzleFileBytes];
    ga::encodePuzzleFile(header, state.puzzle, encoded);
    const Bytes valid(encoded, encoded + sizeof encoded);
    std::mt19937 random(20240611);
    state.settings.neverConfirmSave = 1;
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes bytes = valid;
        switch (random() % 4) {
            case 0:
                bytes.resize(random() % (valid.size() + 2));
                break;
            case 1:
                for (int flips = 1 + random() % 3; flips > 0; --flips) {
                    bytes[random() % bytes.size()] ^= 1u << (random() % 8);
                }
                break;
            case 2:  // a small number where one is expected
                putInt32(bytes, 4 * (random() % (bytes.size() / 4)), random() % 12);
                break;
            default:
                for (unsigned char& byte : bytes) byte = random() & 0xFF;
                break;
        }
        ga::PuzzleFileHeader decodedHeader;
        decodedHeader.finished = 55;
        ga::PuzzleRecord decoded{};
        if (ga::decodePuzzleFile(bytes.data(), bytes.size(), decodedHeader, decoded) == 0) {
            ++accepted;
            unsigned char again[ga::kPuzzleFileBytes];
            ga::encodePuzzleFile(decodedHeader, decoded, again);
            ASSERT_EQ(Bytes(again, again + sizeof again), bytes) << "round " << round;
        } else {
            ASSERT_EQ(decodedHeader.finished, 55) << "round " << round;
            ASSERT_TRUE(sameRecord(decoded, ga::PuzzleRecord{})) << "round " << round;
        }
        if (round % 10 != 0) continue;
        writeBytes(dir / "fuzz.ga", bytes);
        const ga::PuzzleRecord before = state.puzzle;
        const std::size_t boxes = desktop.messageBoxes().size();
        desktop.clearLog();
        load(dir / "fuzz.ga");
        if (desktop.messageBoxes().size() == boxes) {
            for (int cell = 0; cell < ga::kCells; ++cell) {
                ASSERT_EQ(cellText(cell), ga::cellDisplay(state.puzzle, cell).text);
            }
        } else {
            ASSERT_TRUE(sameRecord(state.puzzle, before)) << "round " << round;
        }
    }
    EXPECT_GT(accepted, 100);
}

}  // namespace
