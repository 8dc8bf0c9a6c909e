#include "app/puzzle_text_commands.h"

#include <cstring>

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

// Reads and judges the clipboard's puzzle: true with `puzzle` ready to take
// (the answer stored when there is exactly one), false after the refusal box.
bool readPastedPuzzle(Desktop& desktop, PuzzleRecord& puzzle) {
    PasteRefusalInputs inputs;
    auto refuse = [&](PasteRefusal refusal) {
        desktop.messageBox(pasteRefusalText(refusal, inputs), kPasteRefusedTitle);
        return false;
    };
    inputs.verdict = readPuzzleText(desktop.clipboardText(), puzzle);
    if (inputs.verdict.status != PuzzleTextStatus::kPuzzle) return refuse(PasteRefusal::kNoPuzzle);
    loadClues(puzzle);
    if (countOpenEmpty(puzzle) == 0) return refuse(PasteRefusal::kNoOpenCell);
    if (findClash(puzzle, inputs)) return refuse(PasteRefusal::kCluesClash);

    int32_t answer[kCells];
    const int answers = countAnswers(puzzle, 2, kPasteSearchNodes, answer);
    if (answers == kCountGaveUp) return refuse(PasteRefusal::kUndecided);
    if (answers == 0) return refuse(PasteRefusal::kNoAnswer);
    if (answers == 1) {
        std::memcpy(puzzle.answerGrid, answer, sizeof answer);
        puzzle.answerKnown = 1;
    }
    return true;
}

}  // namespace

void copyPuzzle(Desktop& desktop, WindowState& state) {
    desktop.setClipboardText(clueLine(state.puzzle));
    showPuzzleTextMessage(desktop, PuzzleTextMessage::kCopied);
}

void pastePuzzle(Desktop& desktop, WindowState& state, Settings& defaults) {
    if (state.handBuildStage != 0) return;
    PuzzleRecord puzzle{};
    if (!readPastedPuzzle(desktop, puzzle)) return;
    if (!confirmSave(desktop, state, defaults)) return;
    takeBuiltPuzzle(desktop, state, puzzle);
    showPuzzleTextMessage(desktop, puzzle.answerKnown != 0
                                       ? PuzzleTextMessage::kPasted
                                       : PuzzleTextMessage::kPastedWithoutAnswer);
}

}  // namespace ga
