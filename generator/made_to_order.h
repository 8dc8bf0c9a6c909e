// Puzzles made to order: of a level, of a hardest technique, or within a
// range of scores, each with exactly one answer and minimal (no clue, or with
// a symmetry no pair of clues that mirror each other, can go without losing
// that). Puzzle number i of a seed is the same however many threads make the
// others: each number draws from a random stream of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/ladder/ladder.h"

namespace ga {

enum class ClueSymmetry { kNone, kCentral, kDiagonal, kMirror };

struct PuzzleOrder {
    bool byLevel = false;
    Level level = Level::kEasy;
    bool byTechnique = false;
    Technique technique = Technique::kNone;  // the hardest step, as `rate` names it
    // With byTechnique: the way uses the technique, and no step needs a
    // higher rung (the hardest step may be another of the same rung or an
    // easier one): what practising it asks.
    bool techniqueAnywhere = false;
    bool byScore = false;
    int lowestScore = 0, highestScore = 0;  // both included
    ClueSymmetry symmetry = ClueSymmetry::kNone;
};

struct OrderedPuzzle {
    uint8_t clues[kCells] = {};  // 0 at an open cell
    uint8_t answer[kCells] = {};
    LadderRating rating;
    Level level = Level::kEasy;
    long tries = 0;  // the minimal puzzles made and rated on the way
};

// Told the tries so far every 16 tries; false stops the making.
using OrderProgress = std::function<bool(long tries)>;

// Puzzle number `index` of `seed` for `order`. Gives up (false) after
// `tryLimit` minimal puzzles that were not what the order asks, or when
// `goOn` says stop.
bool makeOrderedPuzzle(const PuzzleOrder& order, uint64_t seed, uint64_t index, long tryLimit,
                       OrderedPuzzle& made, const OrderProgress& goOn = {});

// Why no minimal puzzle can be what the order asks; empty when one may be.
std::string whyNoPuzzleMeets(const PuzzleOrder& order);

// Whether a rated puzzle is what the order asks.
bool meetsOrder(const PuzzleOrder& order, const LadderRating& rating);

}  // namespace ga
