// New-puzzle generation for the difficulty classes 0 "Practice" ..
// 7 "Extra-Terrestrial".
//
// A puzzle is a base (a fresh random answer, source 1, or a built-in table,
// sources 2..13), a clue set placed by the class's rules, and a disguise of
// random transforms and a relabelling, all recorded in the serial number.
// Every draw comes from the one process-wide random stream.
#pragma once

#include "core/difficulty_class.h"
#include "core/progress.h"
#include "core/puzzle_record.h"
#include "generator/class_tables.h"

namespace ga {

// Classes up to this one may use the region tables and always end solvable by
// the pencil-mark logic; the classes above start from a clue pattern.
constexpr int kLastLogicClass = 4;
constexpr int kFreshSource = 1;
// How many Regions of the fresh answer generation searches for.
constexpr int kFreshRegionCount = 70;

enum GenerateResult : int {
    kGenerated = 0,
    // A class outside 0..7, or a table the class never uses: nothing was
    // drawn and the record is untouched.
    kGenerationRefused = 1,
};

// Makes a new puzzle of the class in the record, answer and serial number
// included. The meter shows the random fill and the region search.
GenerateResult generatePuzzle(PuzzleRecord& record, int difficultyClass, ProgressMeter& meter);

// The part of generation after the source has been drawn, for a built-in
// table the class can draw: 2..9 for classes 1..4, 10..12 for class 5,
// 11..13 for class 6, 12..13 for class 7.
GenerateResult buildPuzzleOnTable(PuzzleRecord& record, int difficultyClass, int source);

// Makes clues greedily until every one of the first rowCount Region rows
// (at most kRegionRowsPerTable) holds a clue.
void placeRegionClues(PuzzleRecord& record, const RegionRow* rows, int rowCount);

// Adds clues until at most one row and at most one column are without one.
void coverRowsAndColumns(PuzzleRecord& record);

// Adds clues until they show at least eight different values.
void coverValues(PuzzleRecord& record);

}  // namespace ga
