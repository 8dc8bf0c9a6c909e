// The dialogs of play beyond the original window: statistics, preferences
// and the finish box.
#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/dialog.h"
#include "ui/preferences.h"
#include "ui/statistics.h"

namespace ga {

constexpr int kStatisticsDialogId = 6000;
constexpr int kPreferencesDialogId = 6100;
constexpr int kFinishDialogId = 6200;

// Control identifiers.
constexpr int kStatisticsResetId = 6001;
constexpr int kStatisticsFirstCellId = 6010;  // + row * 10 + column
constexpr int kPreferencesClearNotesId = 6101;
constexpr int kPreferencesResumeId = 6102;
constexpr int kPreferencesClockId = 6103;
constexpr int kPreferencesCoordinatesId = 6104;
constexpr int kPreferencesLookId = 6105;        // Follow the desktop, Light, Dark, High contrast
constexpr int kPreferencesMistakeCueId = 6106;  // as MistakeCue counts
constexpr int kFinishNewPuzzleId = 6201;
constexpr int kFinishFirstLineId = 6210;  // its three lines

// The table per class in `classNames`; "Reset" clears `statistics`. True
// when it was reset, for the caller to save.
bool runStatisticsDialog(Desktop& desktop, Statistics& statistics,
                         const std::vector<std::string>& classNames);

// True, with `preferences` changed, after "OK".
bool runPreferencesDialog(Desktop& desktop, Preferences& preferences);

struct FinishSummary {
    long long seconds = 0;
    int hints = 0;
    int solves = 0;
    int score = -1;       // the rating, -1 when not known
    std::string level;    // in words: "Hard"
    std::string hardest;  // its hardest technique
    std::string className;
    // The button that goes on, when not "New <class> Puzzle": a collection's
    // puzzle offers the next one.
    std::string nextText;
};
// The lines the finish box shows.
std::vector<std::string> finishLines(const FinishSummary& summary);
// True when the player asked for a new (or the next) puzzle.
bool runFinishDialog(Desktop& desktop, const FinishSummary& summary);

}  // namespace ga
