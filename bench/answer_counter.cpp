#include "bench/answer_counter.h"

#include "core/bits.h"
#include "core/puzzle_record.h"

namespace ga::bench {

namespace {

struct SearchState {
    int32_t values[kCells];
    uint32_t rowUsed[9] = {};
    uint32_t columnUsed[9] = {};
    uint32_t boxUsed[9] = {};
    int answers = 0;
    int limit = 0;
    long nodes = 0;

    uint32_t freeValues(int cell) const {
        return kAllValues &
               ~(rowUsed[rowOf(cell)] | columnUsed[columnOf(cell)] | boxUsed[boxOf(cell)]);
    }
    void toggle(int cell, uint32_t bit) {
        rowUsed[rowOf(cell)] ^= bit;
        columnUsed[columnOf(cell)] ^= bit;
        boxUsed[boxOf(cell)] ^= bit;
    }
};

// Depth first, always on the empty cell with the fewest free values.
void search(SearchState& state) {
    int bestCell = -1;
    uint32_t bestFree = 0;
    int bestCount = 10;
    for (int cell = 0; cell < kCells; ++cell) {
        if (state.values[cell] != 0) continue;
        const uint32_t free = state.freeValues(cell);
        const int count = countBits(free);
        if (count < bestCount) {
            bestCell = cell;
            bestFree = free;
            bestCount = count;
            if (count == 0) return;
        }
    }
    if (bestCell < 0) {
        ++state.answers;
        return;
    }
    for (uint32_t free = bestFree; free != 0 && state.answers < state.limit;
         free = withoutLowestBit(free)) {
        const int bitIndex = lowestBitIndex(free);
        const uint32_t bit = 1u << bitIndex;
        state.values[bestCell] = bitIndex + 1;
        state.toggle(bestCell, bit);
        ++state.nodes;
        search(state);
        state.toggle(bestCell, bit);
    }
    state.values[bestCell] = 0;
}

}  // namespace

int countAnswers(const int32_t* grid, int limit, long* nodes) {
    if (nodes) *nodes = 0;
    SearchState state;
    state.limit = limit;
    for (int cell = 0; cell < kCells; ++cell) {
        state.values[cell] = grid[cell];
        if (grid[cell] == 0) continue;
        const uint32_t bit = bitOfValue(grid[cell]);
        if ((state.freeValues(cell) & bit) == 0) return 0;  // a clue repeats in its unit
        state.toggle(cell, bit);
    }
    search(state);
    if (nodes) *nodes = state.nodes;
    return state.answers;
}

}  // namespace ga::bench
