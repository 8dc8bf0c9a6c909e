// The game around a puzzle being played: the time played, pause, the help
// taken, the finish and the statistics it counts in. The window keeps one in
// its state; a new board that is played starts a new game.
#pragma once

#include <string>

#include "platform/desktop.h"
#include "ui/statistics.h"

namespace ga {

struct WindowState;

// The statistics name of puzzles the program did not make: hand-built,
// pasted and loaded ones.
extern const char* const kOwnPuzzlesClass;  // "Own Puzzles"

struct GameSession {
    bool started = false;   // a puzzle is being played and timed
    bool finished = false;  // its board was completed; the clock has stopped
    bool finishShown = false;
    bool paused = false;
    bool minimised = false;
    bool touched = false;  // the player changed the board since the start
    int hints = 0;         // hints asked for and applied
    int solves = 0;        // solves and opened answers
    std::string statisticsClass;
    long long playedMs = 0;
    long long lastLookMs = -1;  // the steady time the clock was last read while running
    long long shownSeconds = -1;
    int focusDue = -1;  // a resumed game's cell in hand, entered at the first tick
};

// The class names the Statistics dialog lists, in order.
std::vector<std::string> statisticsClassNames();

// A new played board: the game starts afresh and is counted as started.
void startGame(Desktop& desktop, WindowState& state, Statistics& statistics,
               const std::string& className);
// The board stops being played (hand-building, an opened answer): the clock stops.
void endGame(Desktop& desktop, WindowState& state);

// Whether the clock runs now: a game started and not finished, not paused or
// minimised, and no modal box or dialog open over the window.
bool clockRuns(const GameSession& game, int modalDepth);
// Reads the clock: the time since the last look counts when it ran. Shows
// the time in the clock label when its second changed (empty when hidden).
void lookAtClock(Desktop& desktop, GameSession& game, int modalDepth, bool showClock);

// "Pause": hides the board behind a cover and stops the clock; again, resumes.
void togglePause(Desktop& desktop, WindowState& state);
void resumeFromPause(Desktop& desktop, WindowState& state);

}  // namespace ga
