// Saving and loading the puzzle file, and the question that offers to save a
// modified puzzle before a command replaces or ends it.
#pragma once

#include <string>

#include "app/window_commands.h"
#include "core/puzzle_formats.h"
#include "platform/desktop.h"
#include "ui/settings.h"

namespace ga {

// After the save question was answered `answer` (3012 "Yes", 1 "No", 2
// "Cancel"): on "Yes" saves as "Save Puzzle" does. Returns true when the
// caller must abandon its command: the player cancelled the file dialog, or
// the file could not be written (reported in a box), so the puzzle the player
// wanted kept is still on the board.
bool saveOnConfirm(Desktop& desktop, WindowState& state, int answer);

// Before every command that replaces or ends the puzzle (new, recreate, load,
// hand-build, exit, cancel, close): when the puzzle is modified and questions
// are not switched off, asks whether to save it. True when the caller may go
// on. `defaults` are the default Settings: the question's "never show this
// confirmation" reaches both them and the current Settings.
bool confirmSave(Desktop& desktop, WindowState& state, Settings& defaults);

// 1112 "Save Puzzle".
void savePuzzle(Desktop& desktop, WindowState& state);

// 1113 "Load Puzzle". A file that cannot be read, or that is not a puzzle
// file this program could have written, is refused with a box and changes
// nothing. A file of many puzzles opens as their list, and the puzzle picked
// there is loaded (collection_commands.h); closing the list changes nothing.
void loadPuzzle(Desktop& desktop, WindowState& state, Settings& defaults, JobControl& jobs);
// The same for the file at `path`, once the save question was answered;
// false when it was refused (or its list closed).
bool loadPuzzleFrom(Desktop& desktop, WindowState& state, JobControl& jobs,
                    const std::string& path);

// Loads state.handedFile, as "Load Puzzle" loads a chosen file (the save
// question first), and forgets it; not while a puzzle is hand-built.
void openHandedPuzzle(Desktop& desktop, WindowState& state, Settings& defaults, JobControl& jobs);

// 1182, from the finish box: the save question, then the collection's
// puzzle after the current one.
void openNextInCollection(Desktop& desktop, WindowState& state, Settings& defaults);

}  // namespace ga
