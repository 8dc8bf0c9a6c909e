// Puzzles made to order in the window: Puzzle > New Puzzle by Level and
// Practice a Technique. Both run as a job that the player can stop (Escape,
// or the Stop button shown while it runs). A level's puzzle is played from
// its clues; a practice puzzle starts where its technique is first needed,
// the steps before it done and every open cell's candidates as notes, so the
// next hint is that technique.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/jobs.h"
#include "core/ladder/techniques.h"
#include "generator/made_to_order.h"
#include "platform/desktop.h"

namespace ga {

struct WindowState;

// The statistics name of practice puzzles; puzzles of a level are counted
// under the level's name.
extern const char* const kPracticeClass;  // "Technique Practice"

// Whether `command` makes a puzzle to practise a technique (1175, 1176).
bool isPracticeCommand(int command);
// The level of command 1170..1174.
Level levelOfCommand(int command);
int puzzleByLevelCommand(Level level);

// 1175's dialog: true when a technique was chosen to practise (then in
// state.practised); "Help" opens the chosen one's page instead.
bool choosePractice(Desktop& desktop, WindowState& state);

// The command table's maker of the job of `command` (1170..1176); practising
// is refused before a technique was chosen. Its notice brings the board made,
// or leaves the board when nothing was (stopped, or none found).
std::unique_ptr<Job> prepareOrderJob(Desktop& desktop, WindowState& state, int command);

// Moves the Stop button, while it is shown, to the client's width.
void layOutStopButton(Desktop& desktop);

// The Stop button shown in the clock's place while puzzles are made; it sends
// kCommandStopMaking, as Escape does.
void showStopButton(Desktop& desktop);

// The seed of a job's puzzle streams, from the one random stream.
uint64_t drawOrderSeed();

// What came of making to order: the job's result.
enum OrderOutcome : uint32_t { kOrderMade = 0, kOrderStopped = 1, kOrderNotFound = 2 };
// What a job makes to order from, and the last puzzle it made.
struct OrderRun {
    PuzzleOrder order;
    uint64_t seed = 0;    // the puzzles' random streams
    uint64_t stream = 0;  // the number of the next stream to try
    OrderedPuzzle made;
};
// Makes puzzles of the run's order and seed from its stream number on, one
// number after another, until one is made that `accept` takes, the player
// stops (`stop`, looked at every 16 tries) or about a minute of tries has
// come to nothing. The puzzle is in run.made; run.stream is left after the
// last one tried; `afterRound` hears every 16 tries, as a round.
OrderOutcome makeToOrder(OrderRun& run, const std::atomic<bool>& stop,
                         const std::function<bool()>& accept,
                         const std::function<void(uint64_t round)>& afterRound);

// The command that makes the next puzzle of the kind just finished: the same
// level or technique, or New Puzzle.
int nextPuzzleCommand(const WindowState& state);

// The statistics names of the levels, then the practice puzzles'.
void addOrderStatisticsClasses(std::vector<std::string>& names);

}  // namespace ga
