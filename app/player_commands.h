// The player's own files in the window: statistics, preferences and the
// puzzle files used last (File > Recent Puzzles).
#pragma once

#include <string>

#include "app/window_commands.h"
#include "platform/desktop.h"

namespace ga {

// At start, in the folders main() chose: the preferences, the statistics and
// the recent list as far as they can be read. Files that could not be read
// are moved aside and leave a notice.
void readPlayerFiles(PlayerFiles& player);

// "Statistics...": the table per class, with its reset.
void showStatistics(Desktop& desktop, WindowState& state);
// "Preferences...".
void changePreferences(Desktop& desktop, WindowState& state);
// Paints the board in the look the preferences ask for, when it changes.
void showLook(Desktop& desktop, WindowState& state);
// What an open cell's text is painted with, and whether it carries the
// mistake's wavy line.
TextColour lookOfInk(const WindowState& state, CellInk ink);
bool mistakeCueShown(const WindowState& state, CellInk ink);
// Writes the statistics as they stand; a failed write is told once.
void saveStatisticsNow(WindowState& state);

// A puzzle file loaded or saved: first in the recent list.
void rememberRecentPuzzle(Desktop& desktop, WindowState& state, const std::string& path);
// The menu's recent items as the list stands.
void showRecentPuzzles(Desktop& desktop, const WindowState& state);
// 1160..1167: loads the recent puzzle file at `index`; one that is gone is
// taken from the list, with a box saying so.
void openRecentPuzzle(Desktop& desktop, WindowState& state, Settings& defaults, JobControl& jobs,
                      int index);

}  // namespace ga
