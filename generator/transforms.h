// The validity-preserving disguises of a puzzle: whole-grid reflections and
// the quarter turn, the 24 swaps of bands, stacks, rows and columns, and a
// relabelling of the values.
//
// The geometric transforms move answerGrid and openFlags together and are
// named by their bit in serial part 2 (bits 0..26). A serial number rebuilds a
// puzzle only if these maps and their ascending bit order never change.
//
//   bit  0       reflection in the anti-diagonal   new(r, c) = old(8 - c, 8 - r)
//   bit  1       transposition                      new(r, c) = old(c, r)
//   bit  2       quarter turn clockwise             new(r, c) = old(8 - c, r)
//   bits 3..5    swap bands   (0,1) (0,2) (1,2)
//   bits 6..8    swap stacks  (0,1) (0,2) (1,2)
//   bits 9..17   swap rows    (3b,3b+1) (3b,3b+2) (3b+1,3b+2) of band b, bit 9 + 3b + pair
//   bits 18..26  swap columns of stack s the same way, bit 18 + 3s + pair
//
// The relabelling is a permutation perm of 1..9, recorded in serial part 1 as
// the decimal number with digits perm[1] .. perm[9] (123456789 = identity).
#pragma once

#include <cstdint>

#include "core/puzzle_record.h"

namespace ga {

constexpr int kTransformBits = 27;
constexpr uint32_t kTransformBitMask = (1u << kTransformBits) - 1;

constexpr int kAntiDiagonalBit = 0;
constexpr int kTransposeBit = 1;
constexpr int kQuarterTurnBit = 2;
constexpr int kFirstSwapBit = 3;

// Which serial part holds what (indices into PuzzleRecord::serial).
constexpr int kRelabelPart = 0;
constexpr int kSourceAndTransformPart = 1;
constexpr int kFirstCluePart = 2;

// The two moved grids as they stand before a transform; each transform reads
// only from here, so no swap ever reads a cell it has already written.
struct TransformScratch {
    Grid answerGrid;
    Grid openFlags;
};

// Copies the record's answerGrid and openFlags into the scratch.
void takeScratch(const PuzzleRecord& record, TransformScratch& scratch);

// Applies the geometric transform of one bit (0..26): the record receives the
// moved grids and the scratch is left equal to them.
void applyTransform(PuzzleRecord& record, TransformScratch& scratch, int bit);

// Draws and applies at most one whole-grid transform, then each swap with
// chance 1/2, adding every applied bit to serial part 2.
void transformAtRandom(PuzzleRecord& record);

// Applies, in ascending order, every transform whose bit 0..26 is set in
// serial part 2.
void replayTransforms(PuzzleRecord& record);

// Draws a permutation, relabels answerGrid and sets serial part 1 to its
// number (the part must be 0 before).
void relabelAtRandom(PuzzleRecord& record);

// Relabels answerGrid by the permutation in serial part 1, which the caller has
// validated.
void replayRelabel(PuzzleRecord& record);

}  // namespace ga
