// Regions of multi answer: sets of cells of an answer whose values can be
// exchanged among themselves to give a second answer. Found by experiment:
// scatter clues over the answer, solve at random, and take the cells where the
// solution differs.
//
// A Region row is maxCells + 1 integers: the cell indices in ascending order,
// zeros after the last one, and the count in the last entry.
//
//   entry:  0    1    2    3    4  ...  maxCells-1   maxCells
//           c0   c1   c2   c3   0  ...  0            4
#pragma once

#include <cstdint>
#include <cstdio>

#include "core/progress.h"
#include "core/puzzle_record.h"

namespace ga {

// The search makes at most this many attempts, so it never finds more Regions.
constexpr int kRegionAttemptLimit = 18000;
// A Region can never hold more cells than the grid.
constexpr int kMaxRegionCells = kCells;

// 100 random cells; an open one becomes a clue when more than `threshold` of
// the values 0..9 are absent from the clues of its row, column and box (0 is
// always absent). A threshold above 9 places nothing.
void scatterClues(PuzzleRecord& record, int threshold);

// Finds up to `count` distinct Regions of the answer in answerGrid, with at most
// maxCells cells each, scattering with threshold level + 3. Stores them sorted
// as the first rows of `table` (count rows of maxCells + 1 integers) and
// returns how many were found. The record's other grids are overwritten.
int searchRegions(PuzzleRecord& record, int32_t* table, int level, int count, int maxCells,
                  ProgressMeter& meter);

// Sorts n rows of rowWidth integers in place, ascending by entry keyEntry.
// Rows with equal keys are ordered by their entries from the first on, so the
// result does not depend on the order the rows came in.
void sortRegions(int32_t* rows, int n, int rowWidth, int keyEntry);

// What the record-regions dialog hands to recordRegions.
struct RegionRequest {
    const char* csvPath;
    int level;     // 0..4: the scattering threshold is level + 3
    int count;     // Regions to search for
    int maxCells;  // the largest Region recorded
};

enum RecordRegionsResult : int {
    kRecordWritten = 0,
    kCsvOpenFailed = 4,   // the file could not be created or written
    kRequestRefused = 5,  // level, count or maxCells out of what the search takes
};

// The message shown, titled "error", when the CSV file cannot be created.
extern const char* const kCsvOpenFailedText;

// Null when the search can take these values, else why not.
const char* regionRequestProblem(int level, int count, int maxCells);

// Makes a random answer, searches its Regions and writes both into the CSV
// file. `found` (if not null) receives the number of Regions written.
RecordRegionsResult recordRegions(const RegionRequest& request, ProgressMeter& meter,
                                  int* found = nullptr);

// Writes the answer and the Regions in the CSV layout (CR LF line ends).
// Returns false when a write failed.
bool writeRegionsCsv(std::FILE* file, const Grid& answer, const int32_t* rows, int n, int maxCells);

}  // namespace ga
