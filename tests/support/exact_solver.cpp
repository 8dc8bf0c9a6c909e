#include "tests/support/exact_solver.h"

namespace ga::testing {
namespace {

int boxIndex(int cell) {
    return 3 * (cell / 27) + (cell % 9) / 3;
}

struct Search {
    int32_t values[81];
    uint32_t rowUsed[9] = {}, columnUsed[9] = {}, boxUsed[9] = {};
    int limit = 2;
    int found = 0;
    int32_t* first = nullptr;  // receives the first answer when set

    void flip(int cell, uint32_t bit) {
        rowUsed[cell / 9] ^= bit;
        columnUsed[cell % 9] ^= bit;
        boxUsed[boxIndex(cell)] ^= bit;
    }

    // False when the given values already repeat somewhere.
    bool load(const int32_t* grid) {
        for (int cell = 0; cell < 81; ++cell) {
            values[cell] = grid[cell];
            if (grid[cell] == 0) continue;
            if (grid[cell] < 1 || grid[cell] > 9) return false;
            const uint32_t bit = 1u << (grid[cell] - 1);
            if ((rowUsed[cell / 9] | columnUsed[cell % 9] | boxUsed[boxIndex(cell)]) & bit)
                return false;
            flip(cell, bit);
        }
        return true;
    }

    // Branches on the empty cell with the fewest values left, which keeps the
    // tree small enough for grids with few givens.
    void run() {
        int bestCell = -1, bestCount = 10;
        uint32_t bestMask = 0;
        for (int cell = 0; cell < 81 && bestCount > 1; ++cell) {
            if (values[cell] != 0) continue;
            const uint32_t mask =
                0x1FF & ~(rowUsed[cell / 9] | columnUsed[cell % 9] | boxUsed[boxIndex(cell)]);
            if (__builtin_popcount(mask) < bestCount) {
                bestCell = cell;
                bestCount = __builtin_popcount(mask);
                bestMask = mask;
            }
        }
        if (bestCell < 0) {
            if (found++ == 0 && first) {
                for (int cell = 0; cell < 81; ++cell) first[cell] = values[cell];
            }
            return;
        }
        for (uint32_t mask = bestMask; mask != 0 && found < limit; mask &= mask - 1) {
            const uint32_t bit = mask & (~mask + 1);
            values[bestCell] = __builtin_ctz(bit) + 1;
            flip(bestCell, bit);
            run();
            flip(bestCell, bit);
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
    int32_t first[81];
    search.first = first;
    if (!search.load(grid)) return false;
    search.run();
    if (search.found == 0) return false;
    for (int cell = 0; cell < 81; ++cell) answer[cell] = first[cell];
    return true;
}

}  // namespace ga::testing
