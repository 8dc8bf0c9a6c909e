// A small exact solver for the tests: plain bitmask backtracking that shares no
// code with the engine, so it can judge the engine's answers. Grids are 81
// values in row-major order, 0 for an empty cell.
#pragma once

#include <cstdint>

namespace ga::testing {

// The number of answers, counting stops at `limit`: with the default 2 the
// result is 0, 1 or 2 (at least two). Givens that repeat leave none. The first
// answer found goes to `first` when given.
int countAnswers(const int32_t* grid, int limit = 2, int32_t* first = nullptr);

}  // namespace ga::testing
