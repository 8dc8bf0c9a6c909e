// Candidate analysis: shallow candidates, the deep analysis of the 27 units
// (hidden singles and hidden subsets), and the fixed-point propagation that
// every solver and check uses.
#pragma once

#include <cstdint>

#include "core/puzzle_record.h"

namespace ga {

// The candidates of every cell and the free values of every unit.
struct CandidateSet {
    int32_t cellMask[kCells];  // candidates of each empty cell; 0 where a value stands
    int32_t rowFree[9];        // values not yet placed in each row
    int32_t columnFree[9];     // the same for each column
    int32_t boxFree[9];        // the same for each box
};
static_assert(sizeof(CandidateSet) == 108 * 4, "CandidateSet must be 108 int32");

// The working area of one unit's analysis, loaded for each unit in turn.
struct UnitWork {
    int32_t bitTable[9];  // bit of values 1..9: 1, 2, 4, ... 256
    int32_t unitMask[9];  // candidates of the unit's cells by position, narrowed here
    // For each value 1..9 (index v - 1): the ascending positions of the open
    // cells whose mask holds the value, then (entry 9) their count.
    int32_t valuePositions[9][10];
    int32_t openCells[9];  // positions of the unit's open cells, ascending
    int32_t changed;       // set to 1 when the subset step removes a candidate
};
static_assert(sizeof(UnitWork) == 118 * 4, "UnitWork must be 118 int32");

inline int32_t& valueCount(UnitWork& work, int value) {
    return work.valuePositions[value - 1][9];
}

// Fills the bit table of a unit work.
void initUnitWork(UnitWork& work);

// The shallow candidates of every empty cell.
void computeCandidates(const PuzzleRecord& record, CandidateSet& candidates);

// One pass of the deep analysis over all 27 units; sets work.changed when a
// hidden subset removed a candidate.
void analyseUnits(const PuzzleRecord& record, CandidateSet& candidates, UnitWork& work);

// What the analysis remembers between calls, one per thread: unit analyses by
// their input, and the shallow candidates of the last grid, which it brings up
// to date when cells have only been filled since. The searches analyse the same
// unit contents again and again and fill a few cells between analyses, so they
// hand it to the propagation; a single propagation would mostly miss, and goes
// without.
struct AnalysisMemo;
AnalysisMemo* analysisMemoOfThisThread();

// Deep propagation to the fixed point: places every single candidate.
void propagate(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work,
               AnalysisMemo* memo = nullptr);

// The same loop without the deep analysis.
void propagateShallow(PuzzleRecord& record, CandidateSet& candidates);

// The shallow candidates, then analyseUnits until a pass removes nothing.
void analyseUntilSettled(const PuzzleRecord& record, CandidateSet& candidates, UnitWork& work,
                         AnalysisMemo* memo = nullptr);

// One turn of the deep propagation: candidates, deep analysis to its fixed
// point, one sweep of single placements. Returns the number of cells placed.
int propagateTurn(PuzzleRecord& record, CandidateSet& candidates, UnitWork& work,
                  AnalysisMemo* memo = nullptr);

// Fills candidateNumbers of the open empty cells from a deep or, failing that,
// a shallow propagation. Returns 2 (deep), 1 (shallow) or 0 (none); valueGrid
// is unchanged.
enum ShowCandidatesResult : int { kNoCandidates = 0, kShallowCandidates = 1, kDeepCandidates = 2 };
int showCandidates(PuzzleRecord& record);

// The decimal digits of a mask's values in ascending order (147 for 1, 4, 7).
int32_t candidateNumberOf(uint32_t valueMask);

}  // namespace ga
