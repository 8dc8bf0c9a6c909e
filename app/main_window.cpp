#include "app/main_window.h"

#include "app/command_ids.h"
#include "app/menu_state.h"
#include "app/status_messages.h"
#include "generator/random.h"

namespace ga {

MainWindow::MainWindow(Desktop& desktop, const StartupSettings& settings)
    : desktop_(desktop),
      place_(settings.place),
      file_(settings.file),
      fileRead_(settings.fileRead),
      jobs_(desktop) {}

MainWindow::~MainWindow() = default;

bool MainWindow::onCreate() {
    if (!fileRead_) setDefaultSettings(file_.settings);
    if (writeSettingsAtStart(desktop_, place_, file_, state_.settings) != 0) {
        closed_ = true;
        return false;
    }
    jobs_.startWorker();
    seedRandom();
    resetRecord(state_.puzzle);
    // The fonts belong to the desktop: cells name them by FontChoice.
    createBoard(desktop_, state_.puzzle);
    createStatusBox(desktop_);
    jobs_.setProgressBar(desktop_.progressBar());

    // The handlers put the check marks in place; without an answer yet, a
    // stored absolute mode becomes visible.
    onCommand(levelCommand(state_.settings.level));
    onCommand(expressModeCommand(state_.settings.expressMode));

    state_.header = PuzzleFileHeader{};
    state_.settings.modified = 0;
    enterMenuMode(desktop_, state_, kMenuNoPuzzle);
    state_.settings.fileName[0] = '\0';
    setStatus(desktop_, state_, kStatusWelcome);
    return true;
}

void MainWindow::onCommand(int id) {
    if (closed_) return;
    if (jobs_.busy()) {
        // The busy menu leaves only "About" and the notice can arrive; any
        // other command is refused here too, so the job's inputs stay its own.
        if (isJobNotice(id)) takeNotice(id);
        return;
    }
    routeCommand(id);
}

void MainWindow::routeCommand(int id) {
    if (id >= kCommandFirstLevel && id <= kCommandLastLevel) {
        chooseLevel(desktop_, state_, id - kCommandFirstLevel);
        return;
    }
    if (id >= kCommandFirstExpressMode && id <= kCommandLastExpressMode) {
        chooseExpressMode(desktop_, state_, id - kCommandFirstExpressMode);
        return;
    }
    switch (id) {
        case kCommandCancel:
        case kCommandExit:
            exitProgram();
            return;
        case kCommandNewPuzzle:
            startNewPuzzle(desktop_, state_, jobs_);
            return;
        case kCommandEraseSolving:
            eraseSolving(desktop_, state_);
            return;
        case kCommandShowCandidates:
            showAllCandidates(desktop_, state_);
            return;
        case kCommandOpenAnswer:
            openAnswer(desktop_, state_);
            return;
        case kCommandCheckSolvable:
        case kCommandCheckMultiple:
        case kCommandPencilMarks:
        case kCommandBacktracking:
            jobs_.startJob(desktop_, state_, id);
            return;
        case kCommandAbout:            // arrives with the dialogs
        case kCommandDefaultSettings:  // arrives with the dialogs
        case kCommandSavePuzzle:       // arrives with the puzzle file commands
        case kCommandLoadPuzzle:       // arrives with the puzzle file commands
        case kCommandHandBuildPuzzle:  // arrives with hand-building
        case kButtonRegister:          // arrives with hand-building
        case kButtonWithoutAnswer:     // arrives with hand-building
        case kButtonCancelHandBuild:   // arrives with hand-building
        case kCommandRecreatePuzzle:   // arrives with the recreate dialog
        case kCommandRecordRegions:    // arrives with the region recorder
        default:
            return;
    }
}

void MainWindow::takeNotice(int notice) {
    const JobControl::NoticeOutcome outcome = jobs_.handleNotice(desktop_, state_, notice);
    std::vector<HeldCellEvent> held;
    held.swap(heldCellEvents_);
    // A new puzzle brought new cells: what the old ones reported is void.
    if (outcome == JobControl::NoticeOutcome::kBoardReplaced) return;
    for (const HeldCellEvent& event : held) applyCellEvent(event.cellIndex, event.notification);
}

void MainWindow::exitProgram() {
    // Exit asks "are you sure?" (or the save question) and cancel asks
    // nothing; until those dialogs exist the answer counts as "okay" / "No".
    state_.settings.modified = 0;
    onCloseRequest();
}

void MainWindow::onCellNotification(int id, CellNotification notification) {
    if (closed_ || !isCellId(id)) return;
    if (jobs_.busy()) {
        heldCellEvents_.push_back(HeldCellEvent{cellIndexOf(id), notification});
        return;
    }
    applyCellEvent(cellIndexOf(id), notification);
}

void MainWindow::applyCellEvent(int cellIndex, CellNotification notification) {
    if (notification == CellNotification::kGainedFocus) {
        cellGainedFocus(desktop_, state_.puzzle, cellIndex);
    } else if (cellLostFocus(desktop_, state_.puzzle, cellIndex)) {
        state_.settings.modified = 1;
    }
}

TextColour MainWindow::onCellColour(int id) {
    if (!isCellId(id)) return kValueBlue;
    const int cellIndex = cellIndexOf(id);
    const TextColour colour =
        cellColour(state_.puzzle, state_.settings.expressMode, cellIndex, desktop_.text(id));
    if (closed_ || jobs_.busy()) return colour;
    const int status = completion_.run(desktop_, state_.puzzle, state_.settings.menuMode);
    if (status != CompletionCheck::kNoStatus) setStatus(desktop_, state_, status);
    return colour;
}

void MainWindow::onCloseRequest() {
    if (closed_ || jobs_.busy()) return;
    // A modified puzzle is offered for saving once the save dialog exists; the
    // question counts as answered "No" until then. The fonts belong to the
    // desktop.
    jobs_.stopWorker();
    writeSettingsAtExit(desktop_, place_, file_);
    closed_ = true;
    desktop_.destroyWindow();
}

}  // namespace ga
