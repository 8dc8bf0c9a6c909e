#include "generator/quick_solver.h"

#include <cstring>

#include "core/puzzle_record.h"

namespace ga {

namespace {

constexpr uint16_t kAll = 0x1ff;

// The search's state: each empty cell's candidates, each cell's value, and
// the cells just left with one candidate, still to be placed.
struct State {
    uint16_t candidates[kCells];
    uint8_t values[kCells];
    int empty;
    uint8_t singles[kCells + 8];
    int singleCount;
};

// Puts `value` into `cell`; false when a peer is left without a candidate.
bool place(State& s, int cell, int value) {
    const uint16_t bit = static_cast<uint16_t>(1u << (value - 1));
    s.values[cell] = static_cast<uint8_t>(value);
    s.candidates[cell] = 0;
    --s.empty;
    for (uint8_t peer : kPeerCells.of[cell]) {
        const uint16_t before = s.candidates[peer];
        if (!(before & bit)) continue;
        const uint16_t after = static_cast<uint16_t>(before & ~bit);
        if (after == 0) return false;
        s.candidates[peer] = after;
        if ((after & (after - 1)) == 0) s.singles[s.singleCount++] = peer;
    }
    return true;
}

// Places the naked singles waiting; false on a contradiction.
bool placeSingles(State& s) {
    while (s.singleCount > 0) {
        const int cell = s.singles[--s.singleCount];
        if (s.values[cell] != 0) continue;
        const uint16_t c = s.candidates[cell];
        if (c == 0 || !place(s, cell, __builtin_ctz(c) + 1)) return false;
    }
    return true;
}

// Naked and hidden singles until none is left; false on a contradiction.
bool settle(State& s) {
    for (;;) {
        if (!placeSingles(s)) return false;
        if (s.empty == 0) return true;
        bool found = false;
        for (int unit = 0; unit < kUnits; ++unit) {
            uint16_t once = 0, twice = 0, placed = 0;
            for (uint8_t cell : kUnitCells[unit]) {
                const uint16_t c = s.candidates[cell];
                twice |= once & c;
                once |= c;
                if (s.values[cell] != 0)
                    placed |= static_cast<uint16_t>(1u << (s.values[cell] - 1));
            }
            if ((once | placed) != kAll) return false;
            uint16_t single = static_cast<uint16_t>(once & ~twice);
            if (single == 0) continue;
            for (uint8_t cell : kUnitCells[unit]) {
                const uint16_t here = s.candidates[cell] & single;
                if (here == 0) continue;
                if ((here & (here - 1)) != 0) return false;
                if (s.values[cell] != 0) continue;
                if (!place(s, cell, __builtin_ctz(here) + 1)) return false;
                found = true;
            }
            if (found && !placeSingles(s)) return false;
        }
        if (!found) return true;
    }
}

bool load(const GridValues grid, State& s) {
    uint16_t used[kUnits] = {};
    s.empty = 0;
    s.singleCount = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const int value = grid[cell];
        s.values[cell] = static_cast<uint8_t>(value);
        if (value == 0) {
            ++s.empty;
            continue;
        }
        const uint16_t bit = static_cast<uint16_t>(1u << (value - 1));
        for (uint8_t unit : kCellUnits[cell]) {
            if (used[unit] & bit) return false;
            used[unit] |= bit;
        }
    }
    for (int cell = 0; cell < kCells; ++cell) {
        if (s.values[cell] != 0) {
            s.candidates[cell] = 0;
            continue;
        }
        const uint8_t* units = kCellUnits[cell];
        const uint16_t c =
            static_cast<uint16_t>(kAll & ~(used[units[0]] | used[units[1]] | used[units[2]]));
        if (c == 0) return false;
        s.candidates[cell] = c;
        if ((c & (c - 1)) == 0) s.singles[s.singleCount++] = static_cast<uint8_t>(cell);
    }
    return true;
}

int narrowestCell(const State& s) {
    int best = -1, fewest = 10;
    for (int cell = 0; cell < kCells; ++cell) {
        if (s.values[cell] != 0) continue;
        const int count = __builtin_popcount(s.candidates[cell]);
        if (count < fewest) {
            fewest = count;
            best = cell;
            if (count == 2) break;
        }
    }
    return best;
}

struct Count {
    int limit;
    int found = 0;
    uint8_t* first = nullptr;
    std::mt19937_64* random = nullptr;  // a random fill: candidates in a random order
};

void search(State& s, Count& count) {
    if (!settle(s)) return;
    if (s.empty == 0) {
        if (count.found++ == 0 && count.first != nullptr)
            std::memcpy(count.first, s.values, kCells);
        return;
    }
    const int cell = narrowestCell(s);
    uint16_t values = s.candidates[cell];
    while (values != 0 && count.found < count.limit) {
        int value;
        if (count.random != nullptr) {
            int options[9], n = 0;
            for (uint16_t v = values; v != 0; v = static_cast<uint16_t>(v & (v - 1)))
                options[n++] = __builtin_ctz(v) + 1;
            value = options[(*count.random)() % static_cast<unsigned>(n)];
        } else {
            value = __builtin_ctz(values) + 1;
        }
        values = static_cast<uint16_t>(values & ~(1u << (value - 1)));
        State next = s;
        if (place(next, cell, value)) search(next, count);
    }
}

}  // namespace

bool quickAnswerWithout(const GridValues grid, int cell, int value, uint8_t* other) {
    State s;
    GridValues open;
    std::memcpy(open, grid, kCells);
    open[cell] = 0;
    if (!load(open, s)) return false;
    const uint16_t left = static_cast<uint16_t>(s.candidates[cell] & ~(1u << (value - 1)));
    if (left == 0) return false;
    s.candidates[cell] = left;
    if ((left & (left - 1)) == 0) s.singles[s.singleCount++] = static_cast<uint8_t>(cell);
    Count count{1, 0, other};
    search(s, count);
    return count.found > 0;
}

void quickRandomGrid(std::mt19937_64& random, GridValues grid) {
    State s;
    const GridValues empty = {};
    load(empty, s);
    Count count{1, 0, grid, &random};
    search(s, count);
}

}  // namespace ga
