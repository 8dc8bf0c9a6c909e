#include "app/main_window.h"

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/dialog_commands.h"
#include "app/file_commands.h"
#include "app/hand_build.h"
#include "app/menu_state.h"
#include "app/order_commands.h"
#include "app/play_commands.h"
#include "app/player_commands.h"
#include "app/resume.h"
#include "app/spoken_board.h"
#include "app/status_messages.h"
#include "core/difficulty_class.h"
#include "core/ladder/techniques.h"
#include "core/random.h"
#include "core/translation.h"
#include "ui/play_dialogs.h"

namespace ga {

namespace {

// What the status box says of a finished board; an unfinished one says nothing.
int completionStatus(CompletionVerdict verdict) {
    switch (verdict) {
        case CompletionVerdict::kFinishedWithMistakes:
            return kStatusFinishedWithMistakes;
        case CompletionVerdict::kCompleteOtherAnswer:
            return kStatusCompleteOtherAnswer;
        case CompletionVerdict::kComplete:
            return kStatusComplete;
        case CompletionVerdict::kUnfinished:
            break;
    }
    return -1;
}

}  // namespace

MainWindow::MainWindow(Desktop& desktop, const StartupSettings& settings)
    : place_(settings.place),
      file_(settings.file),
      fileRead_(settings.fileRead),
      desktop_(desktop, state_.seen),
      jobs_(desktop_) {
    state_.player.folders = settings.folders;
}

MainWindow::~MainWindow() = default;

bool MainWindow::onCreate() {
    desktop_.setMenu(mainMenu());
    if (!fileRead_) setDefaultSettings(file_.settings);
    if (writeSettingsAtStart(desktop_, place_, file_, state_.settings) != 0) {
        closed_ = true;
        return false;
    }
    jobs_.startWorker();
    seedRandom();
    resetRecord(state_.puzzle);
    firstClientWidth_ = desktop_.clientWidth();
    // The fonts belong to the desktop: cells name them by FontChoice.
    createBoard(desktop_, state_.puzzle);
    createStatusBox(desktop_);
    nameStatusBox(desktop_);
    jobs_.setProgressBar(desktop_.progressBar());
    createDigitStrip(desktop_);

    // The handlers put the check marks in place; without an answer yet, a
    // stored absolute mode becomes visible.
    onCommand(levelCommand(state_.settings.level));
    onCommand(expressModeCommand(state_.settings.expressMode));

    state_.header = PuzzleFileHeader{};
    state_.settings.modified = 0;
    enterMenuMode(desktop_, state_, kMenuNoPuzzle);
    state_.settings.fileName[0] = '\0';
    setStatus(desktop_, state_, kStatusWelcome);
    state_.history.start(seenBoard(state_));
    showHistoryItems(desktop_, state_, jobs_.busy());
    readPlayerFiles(state_.player);
    showCoordinates(desktop_, state_.player.preferences.showCoordinates);
    showLook(desktop_, state_);
    showRecentPuzzles(desktop_, state_);
    if (state_.player.preferences.resumeAtStart) resumeGame(desktop_, state_);
    afterEvent();
    gameChanged_ = false;
    return true;
}

void MainWindow::afterEvent() {
    if (closed_) return;
    showDigitStrip(desktop_, state_);
    speakChangedCells(desktop_, state_);
    lookAtClock(desktop_, state_.game, desktop_.modalDepth(), state_.player.preferences.showClock);
    gameChanged_ = true;
}

void MainWindow::takeNewBoard(int id) {
    followCollectionBoard(state_);
    state_.seen.clearMarks();
    state_.marks.chosenDigit = 0;
    if (!isPlayed(state_.settings.menuMode) || state_.handBuildStage != 0) {
        endGame(desktop_, state_);
        return;
    }
    const bool generated = id == kCommandNewPuzzle || id == kCommandRecreatePuzzle;
    const bool byLevel = id >= kCommandFirstPuzzleByLevel && id <= kCommandLastPuzzleByLevel;
    const std::string name = generated               ? className(state_.header.puzzleClass)
                             : byLevel               ? levelName(levelOfCommand(id))
                             : isPracticeCommand(id) ? kPracticeClass
                                                     : kOwnPuzzlesClass;
    startGame(desktop_, state_, state_.player.statistics, name);
    saveStatisticsNow(state_);
}

void MainWindow::countHelp(int id) {
    GameSession& game = state_.game;
    if (!game.started || game.finished) return;
    if (id == kCommandHint || id == kCommandApplyHint) ++game.hints;
    if (id == kCommandPencilMarks || id == kCommandBacktracking) ++game.solves;
    // An opened answer ends the game: the board is no longer played.
    if (id == kCommandOpenAnswer && !isPlayed(state_.settings.menuMode)) endGame(desktop_, state_);
}

void MainWindow::onClientResized(int width, int height) {
    const int fitted = fittedClientWidth(width, height);
    if (closed_ || fitted == desktop_.clientWidth()) return;
    const int firstCells = boardLayout(firstClientWidth_).cellSize;
    desktop_.setLayoutWidth(
        fitted,
        firstCells > 0 ? static_cast<double>(boardLayout(fitted).cellSize) / firstCells : 1.0);
    layOutBoard(desktop_);
    layOutDigitStrip(desktop_);
    layOutStopButton(desktop_);
    if (state_.handBuildStage != 0) layOutHandBuildButtons(desktop_);
}

void MainWindow::onTick() {
    if (closed_) return;
    lookAtClock(desktop_, state_.game, desktop_.modalDepth(), state_.player.preferences.showClock);
    // Time played is play too: a running clock is kept.
    if (clockRuns(state_.game, desktop_.modalDepth())) gameChanged_ = true;
    if (desktop_.modalDepth() != 0 || jobs_.busy()) return;
    if (!state_.player.notices.empty()) {
        std::vector<std::string> notices;
        notices.swap(state_.player.notices);
        for (const std::string& notice : notices) desktop_.messageBox(notice, kProgramName);
    }
    if (state_.game.focusDue >= 0) {
        desktop_.focusControl(cellId(state_.game.focusDue));
        state_.game.focusDue = -1;
    }
    if (finishDue_) showFinish();
    if (closed_) return;
    if (!state_.handedFile.empty()) onCommand(kCommandOpenHandedFile);
    if (closed_) return;
    keepGame(false);
}

void MainWindow::openFile(const std::string& path) {
    if (closed_ || path.empty()) return;
    state_.handedFile = path;
    if (desktop_.modalDepth() == 0 && !jobs_.busy()) onCommand(kCommandOpenHandedFile);
}

void MainWindow::onMinimised(bool minimised) {
    if (closed_) return;
    lookAtClock(desktop_, state_.game, desktop_.modalDepth(), state_.player.preferences.showClock);
    state_.game.minimised = minimised;
}

void MainWindow::showFinish() {
    finishDue_ = false;
    GameSession& game = state_.game;
    if (!game.finished || game.finishShown) return;
    game.finishShown = true;
    const long long seconds = game.playedMs / 1000;
    recordFinish(state_.player.statistics, game.statisticsClass, static_cast<int>(seconds),
                 game.hints == 0 && game.solves == 0);
    saveStatisticsNow(state_);
    finishCollectionPuzzle(state_);
    gameChanged_ = true;  // a finished game is not resumed
    keepGame(false);
    FinishSummary summary;
    summary.seconds = seconds;
    summary.hints = game.hints;
    summary.solves = game.solves;
    summary.className = game.statisticsClass;
    LadderRating rating;
    if (rateFinishedPuzzle(state_, rating)) {
        summary.score = rating.score;
        summary.level = translate("Level", levelName(puzzleLevel(rating)));
        if (rating.hardest != Technique::kNone)
            summary.hardest = translate("Technique", techniqueInfo(rating.hardest).name);
    }
    const bool inCollection = nextCollectionPuzzle(state_) >= 0;
    if (inCollection) summary.nextText = translate("Dialog", "Next Puzzle in Collection");
    const int puzzleClass = state_.header.puzzleClass;
    if (!runFinishDialog(desktop_, summary)) return;
    const int next = inCollection ? kCommandNextInCollection : nextPuzzleCommand(state_);
    if (next == kCommandNewPuzzle && game.statisticsClass != kOwnPuzzlesClass &&
        isDifficultyClass(puzzleClass) && puzzleClass != state_.settings.level)
        setLevel(desktop_, state_.settings.level, puzzleClass);
    onCommand(next);
}

void MainWindow::keepGame(bool atClose) {
    if (!state_.player.kept() || !state_.player.preferences.resumeAtStart) return;
    const long long time = desktop_.steadyMilliseconds();
    if (atClose) {
        keeper_.finish();
        writeKeptGame(state_.player.folders.state, keptGameOf(state_));
        return;
    }
    if (!gameChanged_ || (keptAtMs_ >= 0 && time - keptAtMs_ < kKeepIntervalMs)) return;
    gameChanged_ = false;
    keptAtMs_ = time;
    keeper_.keep(state_.player.folders.state, keptGameOf(state_));
}

void MainWindow::onCommand(int id) {
    if (closed_) return;
    if (jobs_.busy() && isJobNotice(id)) {
        takeNotice(id);
        return;
    }
    // The busy menu leaves only "About"; any other command is refused here
    // too, so the job's inputs stay its own.
    const CommandRow* row = commandRow(id);
    if (row == nullptr || (jobs_.busy() && row->refusedWhileBusy)) return;
    CommandContext context{desktop_, state_, file_.settings, jobs_, *this};
    const BoardBeforeCommand before = beginBoardCommand(desktop_, state_, id, jobs_.busy());
    row->handler(context, id);
    if (closed_) return;
    if (endBoardCommand(desktop_, state_, id, before, jobs_.busy())) takeNewBoard(id);
    countHelp(id);
    showHistoryItems(desktop_, state_, jobs_.busy());
    afterEvent();
}

void MainWindow::takeNotice(int notice) {
    const Grid valuesBefore = state_.puzzle.valueGrid;
    const BoardBeforeCommand before = beginBoardCommand(desktop_, state_, notice, true);
    const bool boardReplaced = jobs_.handleNotice(desktop_, state_, file_.settings, notice) ==
                               JobControl::NoticeOutcome::kBoardReplaced;
    if (endBoardCommand(desktop_, state_, notice, before, jobs_.busy())) takeNewBoard(notice);
    std::vector<HeldCellEvent> held;
    held.swap(heldCellEvents_);
    // A new or pasted puzzle brought new cells: what the old ones reported is void.
    if (boardReplaced) {
        showHistoryItems(desktop_, state_, jobs_.busy());
        afterEvent();
        return;
    }
    // A solve filled the cells: entering one would clear the value it just
    // got. The cells keep what the job wrote; leaving one takes what it shows.
    const bool valuesWritten = valuesBefore != state_.puzzle.valueGrid;
    for (const HeldCellEvent& event : held) {
        if (valuesWritten && event.notification == CellNotification::kGainedFocus) continue;
        applyCellEvent(event.cellIndex, event.notification);
    }
    showHistoryItems(desktop_, state_, jobs_.busy());
    afterEvent();
}

void MainWindow::onCellNotification(int id, CellNotification notification) {
    if (closed_ || !isCellId(id)) return;
    if (jobs_.busy()) {
        heldCellEvents_.push_back(HeldCellEvent{cellIndexOf(id), notification});
        return;
    }
    applyCellEvent(cellIndexOf(id), notification);
    showHistoryItems(desktop_, state_, jobs_.busy());
    afterEvent();
}

void MainWindow::applyCellEvent(int cellIndex, CellNotification notification) {
    if (notification == CellNotification::kGainedFocus) {
        enterCell(desktop_, state_, cellIndex);
    } else {
        leaveCell(desktop_, state_, cellIndex);
    }
}

CellBackground MainWindow::onCellBackground(int id) {
    if (!isCellId(id)) return CellBackground::kPlain;
    return cellBackground(state_.puzzle, state_.marks, cellIndexOf(id));
}

int MainWindow::onCellKey(int id, CellKey key, CaretPlace caret) {
    if (closed_ || !isCellId(id)) return 0;
    const int next = cellAfterKey(state_.puzzle, cellIndexOf(id), key, caret);
    return next >= 0 ? cellId(next) : 0;
}

bool MainWindow::onCellMistakeCue(int id) {
    return isCellId(id) && mistakeCueShown(state_, shownInk(state_, cellIndexOf(id)));
}

void MainWindow::onDesktopLook() {
    if (!closed_) showLook(desktop_, state_);
}

TextColour MainWindow::onCellColour(int id) {
    if (!isCellId(id)) return lookOfInk(state_, CellInk::kValue);
    const int cellIndex = cellIndexOf(id);
    const TextColour colour = lookOfInk(state_, shownInk(state_, cellIndex));
    if (closed_ || jobs_.busy() || !isPlayed(state_.settings.menuMode)) return colour;
    // The board as the player sees it: the cell in hand counts with what it
    // shows, though entering it cleared its value in the record.
    PuzzleRecord seen = seenBoard(state_).puzzle;
    const CompletionResult result = completion_.run(seen);
    if (result.answerAdopted) {
        state_.puzzle.answerGrid = seen.answerGrid;
        state_.puzzle.answerKnown = seen.answerKnown;
    }
    applyCompletion(desktop_, result, state_.puzzle.answerKnown == 1);
    const bool correct = result.verdict == CompletionVerdict::kComplete ||
                         result.verdict == CompletionVerdict::kCompleteOtherAnswer;
    if (correct && state_.game.started && !state_.game.finished) {
        lookAtClock(desktop_, state_.game, desktop_.modalDepth(),
                    state_.player.preferences.showClock);
        state_.game.finished = true;
        finishDue_ = true;
    }
    const int status = completionStatus(result.verdict);
    if (status >= 0) setStatus(desktop_, state_, status);
    return colour;
}

void MainWindow::onCellEdited(int id, const std::string& text) {
    if (closed_ || !isCellId(id)) return;
    state_.seen.edited(id, text);
    // While a job runs the board is the job's: the edit is taken when the
    // cell is left.
    if (jobs_.busy()) return;
    takeCellEdit(desktop_, state_, cellIndexOf(id),
                 state_.player.preferences.clearNotesOnPlacement);
    showHistoryItems(desktop_, state_, jobs_.busy());
    afterEvent();
}

void MainWindow::onCellNoteKey(int id, int digit) {
    if (closed_ || !isCellId(id) || jobs_.busy()) return;
    toggleNote(desktop_, state_, cellIndexOf(id), digit);
    showHistoryItems(desktop_, state_, jobs_.busy());
    afterEvent();
}

CellMark MainWindow::onCellMark(int id) {
    return isCellId(id) ? state_.seen.cell(cellIndexOf(id)).mark : CellMark::kNone;
}

void MainWindow::onCloseRequest() {
    if (closed_ || jobs_.busy()) return;
    if (!confirmSave(desktop_, state_, file_.settings)) return;
    lookAtClock(desktop_, state_.game, desktop_.modalDepth(), state_.player.preferences.showClock);
    keepGame(true);
    // The fonts belong to the desktop.
    jobs_.stopWorker();
    writeSettingsAtExit(desktop_, place_, file_);
    closed_ = true;
    desktop_.destroyWindow();
}

}  // namespace ga
