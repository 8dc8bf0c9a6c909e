#include "app/ladder_commands.h"

#include "app/command_ids.h"
#include "app/help_book.h"
#include "app/status_messages.h"
#include "app/window_commands.h"
#include "core/bits.h"
#include "core/candidates.h"
#include "ui/board.h"
#include "ui/step_drawing.h"

namespace ga {

namespace {

// The answers as far as known: the stored one, or the count of these clues.
PuzzleAnswers knownAnswers(const WindowState& state, const PuzzleRecord& record) {
    const PuzzleAnswers stored = storedAnswers(record);
    if (stored.count == 1) return stored;
    Grid clues;
    clueValues(record, clues);
    const LadderMemory& memory = state.ladder;
    if (memory.counted && clues == memory.clues) return memory.answers;
    return PuzzleAnswers{};
}

void rememberAnswers(WindowState& state, const PuzzleRecord& record, const PuzzleAnswers& answers) {
    if (answers.count == kAnswersNotCounted) return;
    LadderMemory& memory = state.ladder;
    memory.counted = true;
    clueValues(record, memory.clues);
    memory.answers = answers;
}

// The step drawn on the board it was found on, with its whole words.
void drawStep(Desktop& desktop, WindowState& state) {
    LadderMemory& memory = state.ladder;
    const LadderStep& step = memory.hint.step;
    LadderBoard board;
    loadLadderBoardFromRecord(memory.board, false, board);
    StepView view;
    view.drawing = stepDrawing(step, board);
    view.words = ladderStepText(step, StepWords::kWhole);
    view.question = techniqueQuestion(step.technique);
    view.firstCellControl = kFirstCellId;
    desktop.showStep(view, kCommandTechniqueHelp);
    memory.drawn = true;
}

void showHint(Desktop& desktop, WindowState& state, HintStage stage) {
    const Hint& hint = state.ladder.hint;
    desktop.setText(kStatusBoxId, hintText(hint, stage));
    std::bitset<kCells> tinted;
    for (int cell : cellsOf(hintCells(hint, stage))) tinted.set(cell);
    highlightCells(desktop, state, tinted);
    if (stage == HintStage::kWhole && hint.kind == HintKind::kStep) drawStep(desktop, state);
}

void keepHint(WindowState& state, const PuzzleRecord& board, const Hint& hint) {
    LadderMemory& memory = state.ladder;
    memory.holdsHint = true;
    memory.board = board;
    memory.hint = hint;
}

// Writes what the step does into the board's record and cells.
void doStep(Desktop& desktop, WindowState& state) {
    const LadderMemory& memory = state.ladder;
    const LadderStep& step = memory.hint.step;
    LadderBoard board;  // for the candidates of the cells without a list
    loadLadderBoardFromRecord(memory.board, false, board);
    PuzzleRecord& puzzle = state.puzzle;
    for (int cell = 0; cell < kCells; cell++) {
        if (step.eliminations[cell] == 0 || board.values[cell] != 0) continue;
        const uint32_t left = board.candidates[cell] & ~uint32_t{step.eliminations[cell]};
        if (left == 0) continue;
        if (isSingleBit(left)) {
            puzzle.valueGrid[cell] = valueOfSingleBit(left);
        } else {
            puzzle.valueGrid[cell] = 0;
            puzzle.candidateNumbers[cell] = candidateNumberOf(left);
        }
        showCell(desktop, puzzle, cell);
    }
    if (step.placedCell != kNoCell) {
        puzzle.valueGrid[step.placedCell] = step.placedValue;
        showCell(desktop, puzzle, step.placedCell);
    }
    state.settings.modified = 1;
}

// The hint held for the board as it stands is done, or shown when it is no step.
void applyHeldHint(Desktop& desktop, WindowState& state) {
    if (state.ladder.hint.kind != HintKind::kStep) {
        showHint(desktop, state, HintStage::kLead);
        return;
    }
    doStep(desktop, state);
    desktop.setText(kStatusBoxId, hintText(state.ladder.hint, HintStage::kWhole));
}

void showRating(Desktop& desktop, const PuzzleAnswers& answers, const LadderRating& rating) {
    desktop.messageBox(ratingBoxText(answers.count, rating), kRatingTitle);
}

// The hint, the step to apply or the rating beyond the quick rungs, the
// answers counted first when they are not known yet.
class LadderJob : public Job {
  public:
    LadderJob(int command, const PuzzleRecord& puzzle, const PuzzleAnswers& answers)
        : Job(command == kCommandRatePuzzle ? kJobRate : kJobHint),
          command_(command),
          puzzle_(puzzle),
          answers_(answers) {}

    int run(ProgressMeter& meter, const std::atomic<bool>&) override {
        meter.showAtZero();
        if (answers_.count == kAnswersNotCounted)
            answers_ = countClueAnswers(puzzle_, kWaitingCountNodes);
        if (command_ == kCommandRatePuzzle) {
            rateClues(puzzle_, answers_, kHighestRung, &meter, rating_);
        } else {
            findHint(puzzle_, answers_, HintReach::kWholeLadder, hint_);
        }
        meter.hide();
        return command_;
    }

    Taken take(Desktop& desktop, WindowState& state, Settings&) override {
        showIdleMenu(desktop, state);
        rememberAnswers(state, puzzle_, answers_);
        if (command_ == kCommandRatePuzzle) {
            desktop.setText(kStatusBoxId, state.ladder.statusBeforeJob);
            showRating(desktop, answers_, rating_);
            return Taken::kBoardKept;
        }
        // The board is as the job found it: cell edits wait while a job runs.
        keepHint(state, puzzle_, hint_);
        if (command_ == kCommandApplyHint) {
            applyHeldHint(desktop, state);
        } else {
            showHint(desktop, state, HintStage::kLead);
        }
        return Taken::kBoardKept;
    }

  private:
    int command_;            // whose notice ends it
    PuzzleRecord puzzle_;    // the board or the clues, as the job started
    PuzzleAnswers answers_;  // as far as known; counted by the job if not
    Hint hint_;
    LadderRating rating_;
};

}  // namespace

bool rateClues(const PuzzleRecord& record, const PuzzleAnswers& answers, int highestRung,
               ProgressMeter* meter, LadderRating& rating) {
    rating = LadderRating{};
    if (answers.count == kAnswersNotCounted) return false;
    // Clues the count could not settle may be far from any answer: the walk
    // could search chains for minutes.
    if (answers.count != 1) return true;
    Grid clues;
    clueValues(record, clues);
    LadderBoard board;
    loadLadderBoard(clues.data(), true, board);
    rating = rateWithLadder(board, highestRung, meter);
    return rating.solved || highestRung > kQuickRung;
}

void giveHint(Desktop& desktop, WindowState& state, JobControl& jobs) {
    const PuzzleRecord seen = seenBoard(state).puzzle;
    LadderMemory& memory = state.ladder;
    if (memory.holdsHint && memory.board == seen) {
        showHint(desktop, state, HintStage::kWhole);
        return;
    }
    Hint hint;
    if (!findHint(seen, knownAnswers(state, seen), HintReach::kQuickRungs, hint)) {
        jobs.startJob(desktop, state, kCommandHint);
        return;
    }
    keepHint(state, seen, hint);
    showHint(desktop, state, HintStage::kLead);
}

void applyHint(Desktop& desktop, WindowState& state, JobControl& jobs) {
    const PuzzleRecord seen = seenBoard(state).puzzle;
    if (!state.ladder.holdsHint || state.ladder.board != seen) {
        Hint hint;
        if (!findHint(seen, knownAnswers(state, seen), HintReach::kQuickRungs, hint)) {
            jobs.startJob(desktop, state, kCommandApplyHint);
            return;
        }
        keepHint(state, seen, hint);
    }
    applyHeldHint(desktop, state);
}

void openHelp(Desktop& desktop, WindowState& state, Technique technique) {
    LadderMemory& memory = state.ladder;
    if (!memory.help) memory.help = std::make_shared<const HelpBook>(helpBook());
    desktop.showHelp(*memory.help, helpPageOf(technique));
}

Technique hintTechnique(const WindowState& state) {
    const LadderMemory& memory = state.ladder;
    if (!memory.holdsHint || memory.hint.kind != HintKind::kStep) return Technique::kNone;
    return memory.hint.step.technique;
}

void forgetStepDrawing(Desktop& desktop, WindowState& state) {
    if (!state.ladder.drawn) return;
    state.ladder.drawn = false;
    desktop.showStep(StepView{}, kCommandTechniqueHelp);
}

void ratePuzzle(Desktop& desktop, WindowState& state, JobControl& jobs) {
    const PuzzleAnswers answers = knownAnswers(state, state.puzzle);
    LadderRating rating;
    if (!rateClues(state.puzzle, answers, kQuickRung, nullptr, rating)) {
        jobs.startJob(desktop, state, kCommandRatePuzzle);
        return;
    }
    showRating(desktop, answers, rating);
}

bool rateFinishedPuzzle(const WindowState& state, LadderRating& rating) {
    const PuzzleAnswers answers = knownAnswers(state, state.puzzle);
    return answers.count == 1 && rateClues(state.puzzle, answers, kHighestRung, nullptr, rating) &&
           rating.solved;
}

std::unique_ptr<Job> prepareLadderJob(Desktop& desktop, WindowState& state, int command) {
    const bool rating = command == kCommandRatePuzzle;
    // The hint looks at the board as the player sees it, the rating at the clues.
    const PuzzleRecord puzzle = rating ? state.puzzle : seenBoard(state).puzzle;
    auto job = std::make_unique<LadderJob>(command, puzzle, knownAnswers(state, puzzle));
    state.ladder.statusBeforeJob = desktop.text(kStatusBoxId);
    showLadderMessage(desktop, rating ? LadderMessage::kRating : LadderMessage::kFindingStep);
    return job;
}

}  // namespace ga
