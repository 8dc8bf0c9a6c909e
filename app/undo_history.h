// The board's history for undo and redo. It follows the board as the player
// sees it: every state it is shown that differs from the last one in a cell's
// value, candidates or single notes becomes a step, which keeps the board before and after,
// so that undoing and redoing only copy a stored state back. It lives in
// memory only and knows nothing of the window.
#pragma once

#include <bitset>
#include <cstddef>
#include <deque>
#include <string>

#include "core/puzzle_record.h"

namespace ga {

// A place in the history: the record (whose cells a step puts back), whether
// it was unsaved, the menu mode, and the status text shown with it. The text,
// not its code: hand-building, paste and the hint write texts of their own.
struct BoardState {
    PuzzleRecord puzzle{};
    // The cells whose single candidate is a note the player shows, which the
    // record cannot tell from a candidate of its own, never shown.
    std::bitset<kCells> singleNotes;
    int modified = 0;
    int menuMode = 0;
    std::string statusText;
};

struct UndoStep {
    BoardState before;
    BoardState after;
};

class UndoHistory {
  public:
    // The oldest step goes when a new one would exceed this.
    static constexpr std::size_t kMaxSteps = 1000;

    // A new board: no steps, `board` is where the history stands.
    void start(const BoardState& board);
    // The board as it now stands. A change of a value or candidate list is a
    // step (and the undone steps can no longer be redone); any other change
    // (the modified flag, the menu mode, the status text) is kept as the state of the place
    // where the history stands, which undo and redo come back to. Returns
    // whether a step was added.
    bool follow(const BoardState& board);

    // Where the history stands.
    const BoardState& standing() const { return current_; }
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    std::size_t size() const { return steps_.size(); }

    // The step taken back (its `before` is where the history now stands) or
    // taken again (its `after`); only when canUndo() or canRedo().
    const UndoStep& undo();
    const UndoStep& redo();

    // The board as it stands has been saved: only this place in the history
    // is unmodified, every other one differs from the file.
    void markSaved();

  private:
    void standAt(const BoardState& board);

    std::deque<UndoStep> steps_;
    std::size_t done_ = 0;  // steps_[0, done_) are done
    BoardState current_;
};

}  // namespace ga
