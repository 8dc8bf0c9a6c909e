// The main window on the fake desktop: set-up, commands and their menus, jobs,
// the completion check and close. This thread is the window thread; the
// worker's notices are queued by the fake and taken with deliverWorkerCommand.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/status_messages.h"
#include "platform/fake_desktop.h"
#include "tests/support/scratch_dir.h"

namespace {

using ga::CellNotification;
using ga::FakeDesktop;
using ga::MainWindow;

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        startup.place.path = dir / "gridAtelier.par";
        desktop.queueWorkerCommands();
        desktop.onWorkerCommand([this](int id) { window->onCommand(id); });
        desktop.onColourRequest([this](int id) { return window->onCellColour(id); });
    }
    bool create() {
        window = std::make_unique<MainWindow>(desktop, startup);
        return window->onCreate();
    }
    void deliverNotice() { ASSERT_TRUE(desktop.deliverWorkerCommand(std::chrono::seconds(60))); }
    void newPuzzle() {
        window->onCommand(ga::levelCommand(0));
        window->onCommand(ga::kCommandNewPuzzle);
    }
    void type(int cell, const std::string& text) {
        window->onCellNotification(ga::cellId(cell), CellNotification::kGainedFocus);
        desktop.setText(ga::cellId(cell), text);
        window->onCellNotification(ga::cellId(cell), CellNotification::kLostFocus);
    }

    const ga::PuzzleRecord& puzzle() const { return window->state().puzzle; }
    const ga::Settings& settings() const { return window->state().settings; }
    bool enabled(int command) const { return desktop.menuItem(command)->enabled; }
    std::string statusBox() const { return desktop.control(ga::kStatusBoxId)->text; }

    ga::testing::ScratchDir dir;
    FakeDesktop desktop;
    ga::StartupSettings startup;
    std::unique_ptr<MainWindow> window;
};

using Item = ga::FakeDesktop::MenuItemState;
const std::set<int> kNoPuzzleItems = {1000, 1030, 1110, 1111, 1113, 1124, 1125, 1126,
                                      1210, 1211, 1212, 1213, 1214, 1215, 1216};

TEST_F(MainWindowTest, StartsWelcomingWithTheMenuOfNoPuzzle) {
    ASSERT_TRUE(create());
    EXPECT_EQ(desktop.menuItems(&Item::enabled), kNoPuzzleItems);
    EXPECT_EQ(desktop.menuItems(&Item::checked),
              (std::set<int>{1115, 1214}));  // visible mistakes, Advanced
    EXPECT_EQ(
        desktop.logStartingWith("setText 1500"),
        (std::vector<std::string>{"setText 1500 \"you're going to try puzzles as Advanced\"",
                                  "setText 1500 \"express visible mistakes as red color font\"",
                                  "setText 1500 \"welcome to the Grid Atelier!\""}));
    EXPECT_EQ(settings().menuMode, 0);
    EXPECT_EQ(std::filesystem::file_size(startup.place.path), 696u);
    EXPECT_TRUE(window->jobs().workerRunning());
}

TEST_F(MainWindowTest, NewPuzzleRunsAsAJobOnlyAboutAnswersAndCloseWaits) {
    ASSERT_TRUE(create());
    newPuzzle();
    EXPECT_TRUE(window->busy());
    window->onCloseRequest();
    for (int refused : {ga::kCommandExit, ga::kCommandCancel, ga::kCommandShowCandidates,
                        ga::kCommandHandBuildPuzzle, ga::kButtonRegister})
        window->onCommand(refused);
    window->onCommand(ga::kCommandAbout);
    EXPECT_EQ(desktop.dialogsRun(), std::vector<int>{106});
    EXPECT_FALSE(desktop.windowDestroyed());
    EXPECT_EQ(statusBox(), "you're going to try puzzles as Practice");

    deliverNotice();
    EXPECT_FALSE(window->busy());
    EXPECT_EQ(desktop.shownTitle().rfind("gridAtelier -- Practice, sn : ", 0), 0u);
    EXPECT_EQ(statusBox().rfind("new puzzle as Practice class,\r\nserial number is ", 0), 0u);
    EXPECT_EQ(settings().modified, 1);
    EXPECT_TRUE(enabled(ga::kCommandSavePuzzle));

    desktop.setWindowRect({100, 50, 420, 450});
    desktop.onDialog([](ga::FakeDialog& question) { question.click(1); });  // "No"
    window->onCloseRequest();
    EXPECT_TRUE(desktop.windowDestroyed());
    EXPECT_FALSE(window->jobs().workerRunning());
    EXPECT_EQ(window->settingsFile().settings.windowRect.left, 100);
}

// Exit asks one question: whether to exit, or, when a modified puzzle would be
// lost, whether to save it. Cancel and the close box ask only the latter.
TEST_F(MainWindowTest, LeavingAsksTheQuestionThatIsDue) {
    constexpr int kCloseBox = 0;
    const struct {
        int command;
        bool modified, neverConfirmSave;
        std::vector<int> dialogs;
    } cases[] = {// clang-format off
        {ga::kCommandExit, false, false, {107}},   {ga::kCommandExit, true, false, {3000}},
        {ga::kCommandExit, true, true, {107}},     {ga::kCommandCancel, false, false, {}},
        {ga::kCommandCancel, true, false, {3000}}, {ga::kCommandCancel, true, true, {}},
        {kCloseBox, false, false, {}},             {kCloseBox, true, false, {3000}},
        {kCloseBox, true, true, {}}};
    // clang-format on
    for (const auto& c : cases) {
        for (bool declined : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.command << " modified " << c.modified << " never "
                                            << c.neverConfirmSave << " declined " << declined);
            FakeDesktop fresh;
            // "cancel" of the exit question and "Cancel" of the save question are
            // both 2; going on is "okay" and "No", both 1.
            fresh.onDialog([declined](ga::FakeDialog& dialog) { dialog.click(declined ? 2 : 1); });
            ga::StartupSettings settings = startup;
            ga::setDefaultSettings(settings.file.settings);
            settings.file.settings.neverConfirmSave = c.neverConfirmSave ? 1 : 0;
            settings.fileRead = true;
            MainWindow leaving(fresh, settings);
            ASSERT_TRUE(leaving.onCreate());
            leaving.onCellNotification(ga::cellId(0), CellNotification::kGainedFocus);
            fresh.setText(ga::cellId(0), c.modified ? "3" : "");
            leaving.onCellNotification(ga::cellId(0), CellNotification::kLostFocus);
            c.command == kCloseBox ? leaving.onCloseRequest() : leaving.onCommand(c.command);
            EXPECT_EQ(fresh.dialogsRun(), c.dialogs);
            EXPECT_EQ(leaving.closed(), c.dialogs.empty() || !declined);
            EXPECT_EQ(fresh.windowDestroyed(), leaving.closed());
        }
    }
}

// A puzzle built by hand without its answer, solved: the completion check
// adopts the board as the answer and opens both items that need one at once.
TEST_F(MainWindowTest, AnAdoptedAnswerOpensOpenAnswerAndAbsoluteMistakeTogether) {
    const std::string clues =
        "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4.";
    ASSERT_TRUE(create());
    window->onCommand(ga::kCommandHandBuildPuzzle);
    for (int cell = 0; cell < ga::kCells; ++cell)
        if (clues[cell] != '.') type(cell, std::string(1, clues[cell]));
    window->onCommand(ga::kButtonRegister);
    window->onCommand(ga::kButtonWithoutAnswer);
    ASSERT_EQ(settings().menuMode, 1);
    EXPECT_FALSE(enabled(ga::kCommandOpenAnswer));
    EXPECT_FALSE(enabled(ga::kCommandAbsoluteMistake));

    window->onCommand(ga::kCommandBacktracking);
    deliverNotice();
    EXPECT_EQ(statusBox(), "\r\nsolving...");
    desktop.paintPendingCells();
    EXPECT_EQ(statusBox(), "Congraz! complete solving");
    EXPECT_EQ(puzzle().answerKnown, 1);
    EXPECT_TRUE(enabled(ga::kCommandOpenAnswer));
    EXPECT_TRUE(enabled(ga::kCommandAbsoluteMistake));

    // Absolute mistakes: a wrong digit red, a right one in the usual blue.
    window->onCommand(ga::kCommandAbsoluteMistake);
    const int last = 80 - (clues[80] != '.'), right = 1;
    type(right, std::to_string(puzzle().answerGrid[right]));
    type(last, std::to_string(puzzle().answerGrid[last] % 9 + 1));
    desktop.paintPendingCells();
    EXPECT_EQ(statusBox(), "finished although there are some mistakes");
    const ga::TextColour red = *desktop.control(ga::cellId(last))->paintedColour;
    const ga::TextColour blue = *desktop.control(ga::cellId(right))->paintedColour;
    EXPECT_EQ(std::make_tuple(red.red, red.green, red.blue), std::make_tuple(255, 0, 0));
    EXPECT_EQ(std::make_tuple(blue.red, blue.green, blue.blue), std::make_tuple(0, 0, 255));
}

// A cell entered while a solve runs keeps the digit the solve gave it, and
// the completion check congratulates at once.
TEST_F(MainWindowTest, ACellEnteredDuringASolveKeepsTheSolvedDigit) {
    ASSERT_TRUE(create());
    newPuzzle();
    deliverNotice();
    int cell = 0;
    while (puzzle().openFlags[cell] == 0) ++cell;
    window->onCommand(ga::kCommandPencilMarks);
    window->onCellNotification(ga::cellId(cell), CellNotification::kGainedFocus);
    deliverNotice();
    desktop.paintPendingCells();
    EXPECT_EQ(puzzle().valueGrid[cell], puzzle().answerGrid[cell]);
    EXPECT_EQ(desktop.control(ga::cellId(cell))->font, ga::FontChoice::kBig);
    EXPECT_EQ(settings().statusCode, ga::kStatusComplete);
}

}  // namespace
