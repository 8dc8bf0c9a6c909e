// The jobs on the board's puzzle: a new puzzle of the level setting's class
// (1110), the solve (1122, 1123) and the two checks (1120, 1121). The solve
// and the checks work on a copy holding only the clues and the answer when
// one is known; the player's own entries never reach a solver or check.
#pragma once

#include <memory>

#include "app/jobs.h"
#include "core/puzzle_record.h"
#include "generator/generation.h"

namespace ga {

class NewPuzzleJob : public Job {
  public:
    explicit NewPuzzleJob(int difficultyClass);
    int run(ProgressMeter& meter, const std::atomic<bool>& stopAsked) override;
    Taken take(Desktop& desktop, WindowState& state, Settings& defaults) override;
    // The puzzle made, once run.
    const PuzzleRecord& made() const { return made_; }

  private:
    int class_;
    GenerateResult result_ = kGenerated;
    PuzzleRecord made_{};
};

// The makers, for the command table: a new puzzle is refused for a level that
// names no class that can be generated.
std::unique_ptr<Job> prepareNewPuzzleJob(Desktop& desktop, WindowState& state, int command);
std::unique_ptr<Job> prepareSolveJob(Desktop& desktop, WindowState& state, int command);
std::unique_ptr<Job> prepareCheckJob(Desktop& desktop, WindowState& state, int command);

}  // namespace ga
