// Which commands the player may give. The menu alone decides: a greyed item
// also silences its key. `menuMode` says what the board holds and selects a
// pattern of enabled and greyed items (the pattern cells of the command
// table); a running job overrides it with the busy menu. The level and
// express-mode items carry radio-like check marks.
//
// A pattern sets only the items it names and leaves the rest as the last call
// left them, so the menu's state depends on the order of patterns applied.
#pragma once

#include <utility>
#include <vector>

#include "platform/desktop.h"
#include "ui/board.h"

namespace ga {

enum MenuMode : int {
    kMenuNoPuzzle = 0,
    kMenuPlaying = 1,
    kMenuSaved = 2,
    kMenuLoaded = 4,  // also after erasing outside hand-building
    kMenuAnswerOpened = 8,
    kMenuHandBuildClues = 16,
    kMenuHandBuildAnswer = 32,
};

// Whether the board holds a puzzle being played (modes 1, 2 and 4).
constexpr bool isPlayed(int menuMode) {
    return (menuMode & (kMenuPlaying | kMenuSaved | kMenuLoaded)) != 0;
}

// Sets the items of the pattern of `menuMode`. Values without a pattern
// (3, 5..7, 9..15, 17..31, and anything outside 0..32) change nothing.
// `answerKnown` decides "Absolute Mistake" and "Open Answer" in modes 1 and 4.
void applyMenuPattern(Desktop& desktop, bool answerKnown, int menuMode);

// What the completion check opens on a played board: "Save Puzzle" always,
// "Open Answer" on a correct board by whether an answer is known, and with
// an answer the board has just become, "Absolute Mistake" too.
void applyCompletion(Desktop& desktop, const CompletionResult& result, bool answerKnown);

// Whether each menu item is enabled, as the desktop shows it.
using MenuSnapshot = std::vector<std::pair<int, bool>>;
MenuSnapshot takeMenuSnapshot(Desktop& desktop);
void restoreMenu(Desktop& desktop, const MenuSnapshot& snapshot);

// The busy menu: greys every item a job must not be interrupted by (all but
// "About") and returns the menu as it was, for the job's end.
MenuSnapshot enterBusyMenu(Desktop& desktop);

// Moves the level check mark to `newLevel` and stores it in `level`. A level
// outside 0..7 is refused (nothing changes), and a stored one outside 0..7
// has no mark to remove; so a damaged value never touches a foreign item.
void setLevel(Desktop& desktop, int& level, int newLevel);

// Moves the express-mode check mark and stores the mode in `expressMode`.
// Without a known answer, "absolute" (2) becomes "visible" (1). A mode
// outside 0..2 is refused, and a stored one outside 0..2 has no mark to remove.
void setExpressMode(Desktop& desktop, int& expressMode, int requestedMode, bool answerKnown);

}  // namespace ga
