#include "tests/support/exact_solver.h"

namespace ga::testing {
namespace {

constexpr uint32_t kAllNine = 0x1FF;

int boxIndex(int cell) {
    return 3 * (cell / 27) + (cell % 9) / 3;
}

struct Search {
    int32_t values[81];
    uint32_t rowUsed[9] = {};
    uint32_t columnUsed[9] = {};
    uint32_t boxUsed[9] = {};
    int limit = 2;
    int found = 0;
    bool keepFirst = false;
    int32_t first[81];

    // False when the given values already repeat somewhere.
    bool load(const int32_t* grid) {
        for (int cell = 0; cell < 81; ++cell) {
            values[cell] = grid[cell];
            if (grid[cell] == 0) continue;
            if (grid[cell] < 1 || grid[cell] > 9) return false;
            const uint32_t bit = 1u << (grid[cell] - 1);
            const int row = cell / 9, column = cell % 9, box = boxIndex(cell);
            if ((rowUsed[row] | columnUsed[column] | boxUsed[box]) & bit) return false;
            rowUsed[row] |= bit;
            columnUsed[column] |= bit;
            boxUsed[box] |= bit;
        }
        return true;
    }

    uint32_t freeValues(int cell) const {
        return kAllNine & ~(rowUsed[cell / 9] | columnUsed[cell % 9] | boxUsed[boxIndex(cell)]);
    }

    // Branches on the empty cell with the fewest values left, which keeps the
    // tree small enough for grids with few givens.
    void run() {
        int bestCell = -1;
        int bestCount = 10;
        uint32_t bestMask = 0;
        for (int cell = 0; cell < 81; ++cell) {
            if (values[cell] != 0) continue;
            const uint32_t mask = freeValues(cell);
            const int count = __builtin_popcount(mask);
            if (count < bestCount) {
                bestCell = cell;
                bestCount = count;
                bestMask = mask;
                if (count <= 1) break;
            }
        }
        if (bestCell < 0) {
            if (found == 0 && keepFirst) {
                for (int cell = 0; cell < 81; ++cell) first[cell] = values[cell];
            }
            ++found;
            return;
        }
        const int row = bestCell / 9, column = bestCell % 9, box = boxIndex(bestCell);
        for (uint32_t mask = bestMask; mask != 0 && found < limit; mask &= mask - 1) {
            const uint32_t bit = mask & (~mask + 1);
            values[bestCell] = __builtin_ctz(bit) + 1;
            rowUsed[row] |= bit;
            columnUsed[column] |= bit;
            boxUsed[box] |= bit;
            run();
            rowUsed[row] &= ~bit;
            columnUsed[column] &= ~bit;
            boxUsed[box] &= ~bit;
        }
        values[bestCell] = 0;
    }
};

}  // namespace

int countAnswers(const int32_t* grid, int limit) {
    Search search;
    search.limit = limit;
    if (limit < 1 || !search.load(grid)) return 0;
    search.run();
    return search.found;
}

bool solveOne(const int32_t* grid, int32_t* answer) {
    Search search;
    search.limit = 1;
    search.keepFirst = true;
    if (!search.load(grid)) return false;
    search.run();
    if (search.found == 0) return false;
    for (int cell = 0; cell < 81; ++cell) answer[cell] = search.first[cell];
    return true;
}

}  // namespace ga::testing
