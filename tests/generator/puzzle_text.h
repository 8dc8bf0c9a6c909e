// Grids as the 81-character lines the tests compare: a digit per value, '.'
// per open cell or empty value.
#pragma once

#include <cstdint>
#include <string>

#include "core/puzzle_record.h"

namespace ga::testing {

inline std::string gridText(const int32_t* grid) {
    std::string text(kCells, '.');
    for (int cell = 0; cell < kCells; ++cell) {
        if (grid[cell] >= 1 && grid[cell] <= 9) text[cell] = static_cast<char>('0' + grid[cell]);
    }
    return text;
}

// The clues of the record, taken from answerGrid.
inline std::string clueText(const PuzzleRecord& record) {
    std::string text(kCells, '.');
    for (int cell = 0; cell < kCells; ++cell) {
        if (record.openFlags[cell] == 0)
            text[cell] = static_cast<char>('0' + record.answerGrid[cell]);
    }
    return text;
}

// The inverse of gridText: digits become values, anything else 0.
inline void readGrid(const std::string& text, int32_t* grid) {
    for (int cell = 0; cell < kCells; ++cell) {
        const char c = text[cell];
        grid[cell] = c >= '1' && c <= '9' ? c - '0' : 0;
    }
}

}  // namespace ga::testing
