#include "core/ladder/solving_context.h"

#include "core/ladder/link_graph.h"
#include "core/ladder/propagation.h"

namespace ga {

void ContextPartDeleter::operator()(LinkGraph* part) const {
    delete part;
}
void ContextPartDeleter::operator()(PropagationTrace* part) const {
    delete part;
}

SolvingContext::SolvingContext() = default;
SolvingContext::~SolvingContext() = default;

void SolvingContext::lookAt(const LadderBoard& board) {
    if (boardNumber_ == 0 || !board_.sameCells(board)) {
        boardNumber_++;
        where_ = digitCells(board);
    }
    board_ = board;
}

}  // namespace ga
