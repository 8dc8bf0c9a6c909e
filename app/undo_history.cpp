#include "app/undo_history.h"

namespace ga {

namespace {

bool sameCells(const BoardState& a, const BoardState& b) {
    return a.puzzle.valueGrid == b.puzzle.valueGrid &&
           a.puzzle.candidateNumbers == b.puzzle.candidateNumbers && a.singleNotes == b.singleNotes;
}

}  // namespace

void UndoHistory::start(const BoardState& board) {
    steps_.clear();
    done_ = 0;
    current_ = board;
}

bool UndoHistory::follow(const BoardState& board) {
    if (sameCells(current_, board)) {
        standAt(board);
        return false;
    }
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back(UndoStep{current_, board});
    if (steps_.size() > kMaxSteps) steps_.pop_front();
    done_ = steps_.size();
    current_ = board;
    return true;
}

const UndoStep& UndoHistory::undo() {
    const UndoStep& step = steps_[--done_];
    current_ = step.before;
    return step;
}

const UndoStep& UndoHistory::redo() {
    const UndoStep& step = steps_[done_++];
    current_ = step.after;
    return step;
}

void UndoHistory::markSaved() {
    for (UndoStep& step : steps_) step.before.modified = step.after.modified = 1;
    BoardState saved = current_;
    saved.modified = 0;
    standAt(saved);
}

void UndoHistory::standAt(const BoardState& board) {
    current_ = board;
    if (done_ > 0) steps_[done_ - 1].after = board;
    if (done_ < steps_.size()) steps_[done_].before = board;
}

}  // namespace ga
