#include "core/ladder/solving_context.h"

#include <cstring>

#include "core/ladder/link_graph.h"
#include "core/ladder/propagation.h"

namespace ga {

bool sameBoard(const LadderBoard& a, const LadderBoard& b) {
    return std::memcmp(a.values, b.values, sizeof a.values) == 0 &&
           std::memcmp(a.candidates, b.candidates, sizeof a.candidates) == 0;
}

void ContextPartDeleter::operator()(LinkGraph* part) const {
    delete part;
}
void ContextPartDeleter::operator()(PropagationTrace* part) const {
    delete part;
}

SolvingContext::SolvingContext() = default;
SolvingContext::~SolvingContext() = default;

void SolvingContext::lookAt(const LadderBoard& board) {
    if (boardNumber_ == 0 || !sameBoard(board_, board)) {
        boardNumber_++;
        where_ = digitCells(board);
    }
    board_ = board;
}

}  // namespace ga
