// A small exact solver for the tests: plain bitmask backtracking that shares no
// code with the engine, so it can judge the engine's answers.
//
// Grids are 81 values in row-major order, 0 for an empty cell.
#pragma once

#include <cstdint>

namespace ga::testing {

// The number of answers of the grid, counting stops at `limit`: with the
// default limit 2 the result is 0 (none), 1 (exactly one) or 2 (at least two).
// A grid whose given values already repeat in a row, column or box has none.
int countAnswers(const int32_t* grid, int limit = 2);

// Writes the first answer found into `answer` (81 values); false when there is
// none, and then `answer` is left untouched.
bool solveOne(const int32_t* grid, int32_t* answer);

}  // namespace ga::testing
