#include "tests/support/exact_solver.h"

namespace ga::testing {
namespace {

struct Search {
    int32_t values[81];
    uint32_t used[27] = {};  // rows, columns, boxes
    int limit, found = 0;
    int32_t* first;

    static int unit(int cell, int kind) {
        return kind == 0   ? cell / 9
               : kind == 1 ? 9 + cell % 9
                           : 18 + 3 * (cell / 27) + cell % 9 / 3;
    }
    uint32_t taken(int cell) const {
        return used[unit(cell, 0)] | used[unit(cell, 1)] | used[unit(cell, 2)];
    }
    void flip(int cell, uint32_t bit) {
        for (int kind = 0; kind < 3; ++kind) used[unit(cell, kind)] ^= bit;
    }

    // Branches on the empty cell with the fewest values left.
    void run() {
        int best = -1, bestCount = 10;
        for (int cell = 0; cell < 81 && bestCount > 1; ++cell) {
            const int count = __builtin_popcount(0x1FF & ~taken(cell));
            if (values[cell] == 0 && count < bestCount) best = cell, bestCount = count;
        }
        if (best < 0) {
            if (found++ == 0 && first)
                for (int cell = 0; cell < 81; ++cell) first[cell] = values[cell];
            return;
        }
        for (uint32_t mask = 0x1FF & ~taken(best); mask != 0 && found < limit; mask &= mask - 1) {
            const uint32_t bit = mask & (~mask + 1);
            values[best] = __builtin_ctz(bit) + 1;
            flip(best, bit);
            run();
            flip(best, bit);
        }
        values[best] = 0;
    }
};

}  // namespace

int countAnswers(const int32_t* grid, int limit, int32_t* first) {
    Search search{{}, {}, limit, 0, first};
    for (int cell = 0; cell < 81; ++cell) {
        const int32_t value = search.values[cell] = grid[cell];
        if (value == 0) continue;
        if (value < 1 || value > 9 || (search.taken(cell) >> (value - 1) & 1)) return 0;
        search.flip(cell, 1u << (value - 1));
    }
    search.run();
    return search.found;
}

}  // namespace ga::testing
