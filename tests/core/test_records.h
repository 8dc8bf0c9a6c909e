// Building records and grids from text, reading the data files, and a
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

// Digits become values; any other character (conventionally '.') is 0.
Grid gridFromText(std::string_view text81);
std::string textOf(const int32_t* grid);
Grid copyOf(const int32_t* grid);

// The digits are clues (answerGrid), every other cell is open; valueGrid is
// all 0 and answerKnown 0, as a freshly read puzzle line.
PuzzleRecord puzzleFromText(std::string_view text81);
PuzzleRecord puzzleFromClues(const Grid& clues);

// A random complete answer from fillAtRandom on an empty record, drawn after
// seedRandomWith(seed).
Grid randomAnswer(uint32_t seed);

// The ValueMask of the digits in the text: "29" gives the bits of 2 and 9.
uint32_t maskOf(std::string_view digits);

// One `puzzle:expected` line of a data file under tests/core/data.
struct DataCase {
    std::string file;
    int line = 0;
    std::string puzzle;
    std::vector<int> expected;
};
std::vector<DataCase> readDataCases(const std::string& fileName);
// A test name for parameterized suites: the file's line number.
std::string dataCaseName(const DataCase& dataCase);
// How GoogleTest shows a case in a failure.
void PrintTo(const DataCase& dataCase, std::ostream* out);

// Four cells (r1,c1) (r1,c2) (r2,c1) (r2,c2) of a complete grid, spread over
// exactly two boxes, holding a b / b a: emptying them leaves two answers.
std::vector<std::array<int, 4>> exchangeableRectangles(const Grid& answer);

class RecordingSink : public ProgressSink {
  public:
    enum class Kind { show, hide, position };
    struct Event {
        Kind kind;
        int position;
    };
    void show() override { events.push_back({Kind::show, 0}); }
    void hide() override { events.push_back({Kind::hide, 0}); }
    void setPosition(int position) override { events.push_back({Kind::position, position}); }

    int count(Kind kind) const;
    std::vector<int> positions() const;

    std::vector<Event> events;
};

}  // namespace ga::testing
