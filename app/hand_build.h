// Typing a puzzle in by hand: first its clues, then, if wanted, its answer.
// Three push buttons exist while it lasts: "Registre" (1311), "Without
// Answer" (1312) and "Cancel" (1313). The stage is WindowState::handBuildStage:
// 0 not building, 1 entering the clues, 2 entering the answer.
#pragma once

#include "app/window_commands.h"
#include "platform/desktop.h"
#include "ui/settings.h"

namespace ga {

// 1124 "Hand-build Puzzle": after the save question, keeps the puzzle for
// "Cancel", empties the board and shows the buttons (stage 1).
void startHandBuild(Desktop& desktop, WindowState& state, Settings& defaults);

// 1311 "Registre": registers the clues (stage 1) or the answer (stage 2).
void pressRegister(Desktop& desktop, WindowState& state);
// 1312 "Without Answer": ends a stage-2 build with the clues only.
void pressWithoutAnswer(Desktop& desktop, WindowState& state);
// A puzzle that arrives built, its clues and, when known, its answer (as a
// pasted one does): on the board as a finished build leaves it, a hand-built
// puzzle ready to play. The caller has asked the save question.
void takeBuiltPuzzle(Desktop& desktop, WindowState& state, const PuzzleRecord& puzzle);
// 1313 "Cancel": brings back the puzzle the build started from.
void pressCancelHandBuild(Desktop& desktop, WindowState& state);

// The buttons below a shortened status box, and their removal, which gives
// the status box back its full height.
void showHandBuildButtons(Desktop& desktop);
void removeHandBuildButtons(Desktop& desktop);
// Moves the shown buttons and the status box above them to the client's width.
void layOutHandBuildButtons(Desktop& desktop);

// The verdicts, shown as plain text in the status box.
enum RegisterVerdict : int {
    kAccepted = 0,
    kRefused = 1,
};
RegisterVerdict registerClues(Desktop& desktop, PuzzleRecord& record);
RegisterVerdict registerAnswer(Desktop& desktop, PuzzleRecord& record, PuzzleFileHeader& header);

}  // namespace ga
