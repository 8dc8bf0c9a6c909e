#include "generator/made_to_order.h"

#include <algorithm>
#include <cstring>
#include <random>

#include "generator/quick_solver.h"

namespace ga {

namespace {

// The cell a clue mirrors onto under the symmetry (itself when none).
int mirrorOf(int cell, ClueSymmetry symmetry) {
    const int row = rowOf(cell), column = columnOf(cell);
    switch (symmetry) {
        case ClueSymmetry::kNone:
            return cell;
        case ClueSymmetry::kCentral:
            return kCells - 1 - cell;
        case ClueSymmetry::kDiagonal:
            return column * 9 + row;
        case ClueSymmetry::kMirror:
            return row * 9 + (8 - column);
    }
    return cell;
}

// Whether the clues keep their one answer without the clues of `cells`:
// another answer would differ from it in one of them.
bool stillUnique(const GridValues clues, const GridValues answer, const int* cells, int count) {
    GridValues without;
    std::memcpy(without, clues, kCells);
    for (int i = 0; i < count; ++i) without[cells[i]] = 0;
    // Most clues of a full grid are told by their peers alone: no search then.
    bool told = true;
    for (int i = 0; i < count && told; ++i) {
        uint16_t seen = 0;
        for (uint8_t peer : kPeerCells.of[cells[i]])
            if (without[peer] != 0) seen |= static_cast<uint16_t>(1u << (without[peer] - 1));
        told = __builtin_popcount(seen) == 8;
    }
    if (told) return true;
    for (int i = 0; i < count; ++i) {
        if (quickAnswerWithout(without, cells[i], answer[cells[i]])) return false;
    }
    return true;
}

// Takes clues away in a random order while the answer stays the only one.
void makeMinimal(std::mt19937_64& random, ClueSymmetry symmetry, const GridValues answer,
                 GridValues clues) {
    int order[kCells];
    for (int cell = 0; cell < kCells; ++cell) order[cell] = cell;
    for (int i = kCells - 1; i > 0; --i)
        std::swap(order[i], order[random() % static_cast<unsigned>(i + 1)]);
    for (int cell : order) {
        const int mirror = mirrorOf(cell, symmetry);
        if (clues[cell] == 0 || mirror < cell) continue;  // each orbit once, from its first cell
        const int cells[2] = {cell, mirror};
        const int count = mirror == cell ? 1 : 2;
        if (!stillUnique(clues, answer, cells, count)) continue;
        for (int i = 0; i < count; ++i) clues[cells[i]] = 0;
    }
}

LadderRating rate(const PuzzleOrder& order, const GridValues clues) {
    int32_t values[kCells];
    for (int cell = 0; cell < kCells; ++cell) values[cell] = clues[cell];
    LadderBoard board;
    loadLadderBoard(values, true, board);
    // A technique asked for bounds the rungs: a puzzle that needs a higher
    // one is not it, and the walk stops where the rungs end.
    const int highest = order.byTechnique ? techniqueInfo(order.technique).rung : kHighestRung;
    return rateWithLadder(board, highest);
}

}  // namespace

bool meetsOrder(const PuzzleOrder& order, const LadderRating& rating) {
    if (order.byTechnique) {
        if (!rating.solved) return false;
        const bool used = order.techniqueAnywhere
                              ? rating.counts[static_cast<int>(order.technique)] > 0
                              : rating.hardest == order.technique;
        if (!used) return false;
    }
    if (order.byLevel && puzzleLevel(rating) != order.level) return false;
    if (order.byScore && (rating.score < order.lowestScore || rating.score > order.highestScore))
        return false;
    return true;
}

bool makeOrderedPuzzle(const PuzzleOrder& order, uint64_t seed, uint64_t index, long tryLimit,
                       OrderedPuzzle& made) {
    std::seed_seq seeds{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32),
                        static_cast<uint32_t>(index), static_cast<uint32_t>(index >> 32)};
    std::mt19937_64 random(seeds);
    made = OrderedPuzzle{};
    for (made.tries = 1; made.tries <= tryLimit; ++made.tries) {
        quickRandomGrid(random, made.answer);
        std::memcpy(made.clues, made.answer, kCells);
        makeMinimal(random, order.symmetry, made.answer, made.clues);
        made.rating = rate(order, made.clues);
        if (meetsOrder(order, made.rating)) {
            made.level = puzzleLevel(made.rating);
            return true;
        }
    }
    return false;
}

}  // namespace ga
