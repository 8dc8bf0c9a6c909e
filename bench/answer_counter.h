// A plain exact solver, independent of the engine, that labels the bench set:
// the set must say what a correct engine answers, so the engine under
// measurement cannot be what decides it.
#pragma once

#include <cstdint>

namespace ga::bench {

// The number of answers of a grid of 81 values (0 empty), counting stops at
// `limit`. `nodes`, when given, receives the number of guesses the search
// made: a measure of how hard the puzzle is for a search.
int countAnswers(const int32_t* grid, int limit, long* nodes = nullptr);

}  // namespace ga::bench
