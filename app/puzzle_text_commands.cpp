#include "app/puzzle_text_commands.h"

#include "app/command_ids.h"
#include "app/file_commands.h"
#include "app/hand_build.h"
#include "app/status_messages.h"
#include "core/puzzle_text.h"
#include "core/searches.h"

namespace ga {

namespace {

// The first unit holding a clue digit twice; false when none does.
bool findClash(const PuzzleRecord& puzzle, PasteRefusalInputs& clash) {
    for (int unit = 0; unit < kUnits; ++unit) {
        int seen = 0;
        for (int cell : kUnitCells[unit]) {
            const int digit = puzzle.answerGrid[cell];
            if (digit == 0) continue;
            if (seen & (1 << digit)) {
                clash.unit = unit;
                clash.digit = digit;
                return true;
            }
            seen |= 1 << digit;
        }
    }
    return false;
}

bool refuse(Desktop& desktop, PasteRefusal refusal, const PasteRefusalInputs& inputs = {}) {
    desktop.messageBox(pasteRefusalText(refusal, inputs), kPasteRefusedTitle);
    return false;
}

// Reads the clipboard's puzzle and judges its text and clues: true with
// `puzzle` ready to count, false after the refusal box.
bool readPastedPuzzle(Desktop& desktop, PuzzleRecord& puzzle) {
    PasteRefusalInputs inputs;
    const std::string text = desktop.clipboardText();
    // A pencil-mark grid brings its candidates along, as the open cells' notes.
    if (readPencilMarks(text, puzzle).status != PencilMarkStatus::kPuzzle)
        inputs.verdict = readPuzzleText(text, puzzle);
    if (inputs.verdict.status != PuzzleTextStatus::kPuzzle)
        return refuse(desktop, PasteRefusal::kNoPuzzle, inputs);
    loadClues(puzzle);
    if (countOpenEmpty(puzzle) == 0) return refuse(desktop, PasteRefusal::kNoOpenCell, inputs);
    if (findClash(puzzle, inputs)) return refuse(desktop, PasteRefusal::kCluesClash, inputs);
    return true;
}

// 1143's count: a refusal box, or the save question and the puzzle taken.
class CountJob : public Job {
  public:
    explicit CountJob(const PuzzleRecord& pasted) : Job(kJobCountAnswers), puzzle_(pasted) {}

    int run(ProgressMeter&, const std::atomic<bool>&) override {
        answers_ = countPastedAnswers(puzzle_);
        return kCommandPastePuzzle;
    }

    Taken take(Desktop& desktop, WindowState& state, Settings& defaults) override {
        showIdleMenu(desktop, state);
        if (answers_ == kCountGaveUp || answers_ == 0) {
            refuse(desktop, answers_ == 0 ? PasteRefusal::kNoAnswer : PasteRefusal::kUndecided);
            return Taken::kBoardKept;
        }
        if (!confirmSave(desktop, state, defaults)) return Taken::kBoardKept;
        takeBuiltPuzzle(desktop, state, puzzle_);
        showPuzzleTextMessage(desktop, puzzle_.answerKnown != 0
                                           ? PuzzleTextMessage::kPasted
                                           : PuzzleTextMessage::kPastedWithoutAnswer);
        return Taken::kBoardReplaced;
    }

  private:
    PuzzleRecord puzzle_;  // its answer stored by the count when it has one
    int answers_ = 0;
};

}  // namespace

void copyPuzzle(Desktop& desktop, WindowState& state) {
    desktop.setClipboardText(clueLine(state.puzzle));
    showPuzzleTextMessage(desktop, PuzzleTextMessage::kCopied);
}

int countPastedAnswers(PuzzleRecord& puzzle) {
    Grid answer;
    const int answers = countAnswers(puzzle, 2, kPasteSearchNodes, &answer);
    if (answers == 1) {
        puzzle.answerGrid = answer;
        puzzle.answerKnown = 1;
    }
    return answers;
}

std::unique_ptr<Job> preparePasteJob(Desktop& desktop, WindowState& state, int) {
    if (state.handBuildStage != 0) return nullptr;
    PuzzleRecord puzzle{};
    if (!readPastedPuzzle(desktop, puzzle)) return nullptr;
    return std::make_unique<CountJob>(puzzle);
}

}  // namespace ga
