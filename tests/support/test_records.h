// Records and grids built from text, the `puzzle:expected` data files, and a
// progress sink that remembers what it was sent.
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

using Grid = std::array<int32_t, kCells>;

// A complete valid grid, row by row.
inline constexpr const char* kSolvedText =
    "923564817684217539157398426861439275475621983239785641592873164346152798718946352";

// Puzzle text, 81 cells row by row: a digit is a clue, a letter a..i a value
// 1..9 the player typed into an open cell, anything else (conventionally '.')
// an open empty cell. gridFromText gives every value, typed ones included.
Grid gridFromText(std::string_view text81);
// A digit per value 1..9, '.' for anything else.
std::string textOf(const int32_t* grid);
// The clues of the record, from answerGrid; '.' at open cells.
std::string clueText(const PuzzleRecord& record);
Grid copyOf(const int32_t* grid);

// The clues in answerGrid, every other cell open, valueGrid 0 but for typed
// values, answerKnown 0: a freshly read puzzle before loadClues.
PuzzleRecord puzzleFromClues(const Grid& clues);
PuzzleRecord puzzleFromText(std::string_view text81);
// The same clues with the whole answer stored: answerGrid complete, answerKnown 1.
PuzzleRecord puzzleWithAnswer(const Grid& clues, const Grid& answer);

// A random complete answer: fillAtRandom on an empty record after seedRandomWith(seed).
Grid randomAnswer(uint32_t seed);
// The first answer the exact solver finds for the clues of the text.
Grid exactAnswer(std::string_view text81);

// True when every non-zero value of `givens` stands in `values`.
bool keepsGivens(const int32_t* values, const Grid& givens);

// The ValueMask of the digits in the text: "29" gives the bits of 2 and 9.
uint32_t maskOf(std::string_view digits);

// One line of a `puzzle:expected numbers` data file.
struct DataCase {
    int line = 0;
    std::string puzzle;
    std::vector<int> expected;
};
std::vector<DataCase> readDataCases(const std::string& path);
// Names a parameterized case after its line, and shows it in failures.
std::string dataCaseName(const DataCase& dataCase);
void PrintTo(const DataCase& dataCase, std::ostream* out);

class RecordingSink : public ProgressSink {
  public:
    enum class Kind { show, hide, position };
    struct Event {
        Kind kind;
        int position;
    };
    RecordingSink() { meter.bar = this; }
    RecordingSink(const RecordingSink&) = delete;

    void show() override { events.push_back({Kind::show, 0}); }
    void hide() override { events.push_back({Kind::hide, 0}); }
    void setPosition(int position) override { events.push_back({Kind::position, position}); }

    std::vector<int> positions() const;
    // Shown at 0 first, hidden last, and each only once.
    bool framed() const;

    std::vector<Event> events;
    ProgressMeter meter;  // reports to this sink
};

}  // namespace ga::testing
