// Records and grids built from text, Region rows judged by the exact solver,
// the `puzzle:numbers` data files, and a progress bar that remembers.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/progress.h"
#include "core/puzzle_record.h"

namespace ga::testing {

// A complete valid grid, row by row.
inline constexpr const char* kSolvedText =
    "923564817684217539157398426861439275475621983239785641592873164346152798718946352";

// Puzzle text, 81 cells row by row: a digit is a clue, a letter a..i a value
// 1..9 the player typed into an open cell, anything else (conventionally '.')
// an open empty cell. gridFromText gives every value, typed ones included.
Grid gridFromText(std::string_view text81);
// A digit per value 1..9, '.' for anything else.
std::string textOf(const Grid& grid);
Grid copyOf(const int32_t* grid);

// The clues in answerGrid, every other cell open, typed values in valueGrid,
// answerKnown 0: a freshly read puzzle before loadClues.
PuzzleRecord puzzleFromText(std::string_view text81);
// The clues with the whole answer stored: answerGrid complete, answerKnown 1.
PuzzleRecord puzzleWithAnswer(const Grid& clues, const Grid& answer);

// A random complete answer: fillAtRandom on an empty record after seedRandomWith(seed).
Grid randomAnswer(uint32_t seed);

// The first fault of n Region rows of maxCells + 1 entries, "" for none. A
// row holds ascending cells, zeros after them and the count last; rows are
// sorted by count, equal counts by their entries; each is a true Region: with
// every other cell of the answer a clue, there are two answers.
std::string regionRowsProblem(const int32_t* rows, int n, int maxCells, const Grid& answer);

// One line `puzzle:numbers` of a file in tests/core/data.
struct DataCase {
    int line;
    std::string puzzle;
    std::vector<int> expected;
};
std::vector<DataCase> readDataCases(const std::string& name);
inline void PrintTo(const DataCase& c, std::ostream* out) {
    *out << "line " << c.line << " " << c.puzzle;
}
#define GA_DATA_FILE_CASES(suite, name)                                         \
    INSTANTIATE_TEST_SUITE_P(                                                   \
        DataFile, suite, ::testing::ValuesIn(ga::testing::readDataCases(name)), \
        [](const auto& info) { return "line" + std::to_string(info.param.line); })

// Positions as sent, kShown and kHidden for showing and hiding the bar.
struct RecordingSink : ProgressSink {
    static constexpr int kShown = -1, kHidden = -2;
    RecordingSink() { meter.bar = this; }
    RecordingSink(const RecordingSink&) = delete;
    void show() override { events.push_back(kShown); }
    void hide() override { events.push_back(kHidden); }
    void setPosition(int position) override { events.push_back(position); }
    // Shown at 0 first, hidden last, each only once, every position in 0..101.
    bool framed() const;

    std::vector<int> events;
    ProgressMeter meter;  // reports to this sink
};

}  // namespace ga::testing
