#include "tests/core/test_records.h"

#include <fstream>
#include <sstream>

#include "core/searches.h"
#include "generator/random.h"

namespace ga::testing {

Grid gridFromText(std::string_view text81) {
    Grid grid{};
    for (int cell = 0; cell < kCells && cell < static_cast<int>(text81.size()); ++cell) {
        const char c = text81[cell];
        grid[cell] = c >= '1' && c <= '9' ? c - '0' : 0;
    }
    return grid;
}

std::string textOf(const int32_t* grid) {
    std::string text(kCells, '.');
    for (int cell = 0; cell < kCells; ++cell) {
        if (grid[cell] >= 1 && grid[cell] <= 9) text[cell] = static_cast<char>('0' + grid[cell]);
    }
    return text;
}

Grid copyOf(const int32_t* grid) {
    Grid copy{};
    for (int cell = 0; cell < kCells; ++cell) copy[cell] = grid[cell];
    return copy;
}

PuzzleRecord puzzleFromClues(const Grid& clues) {
    PuzzleRecord record;
    resetRecord(record);
    for (int cell = 0; cell < kCells; ++cell) {
        if (clues[cell] == 0) continue;
        record.answerGrid[cell] = clues[cell];
        record.openFlags[cell] = 0;
    }
    return record;
}

PuzzleRecord puzzleFromText(std::string_view text81) {
    return puzzleFromClues(gridFromText(text81));
}

Grid randomAnswer(uint32_t seed) {
    seedRandomWith(seed);
    PuzzleRecord record;
    resetRecord(record);
    ProgressMeter meter;
    fillAtRandom(record, meter);
    return copyOf(record.valueGrid);
}

uint32_t maskOf(std::string_view digits) {
    uint32_t mask = 0;
    for (char c : digits) mask |= 1u << (c - '1');
    return mask;
}

std::vector<DataCase> readDataCases(const std::string& fileName) {
    std::vector<DataCase> cases;
    std::ifstream in(std::string(GA_TEST_DATA_DIR) + "/" + fileName);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#') continue;
        const auto colon = text.find(':');
        if (colon == std::string::npos) continue;
        DataCase dataCase;
        dataCase.file = fileName;
        dataCase.line = line;
        dataCase.puzzle = text.substr(0, colon);
        std::istringstream numbers(text.substr(colon + 1));
        for (int value; numbers >> value;) dataCase.expected.push_back(value);
        cases.push_back(dataCase);
    }
    return cases;
}

std::string dataCaseName(const DataCase& dataCase) {
    return "line" + std::to_string(dataCase.line);
}

void PrintTo(const DataCase& dataCase, std::ostream* out) {
    *out << dataCase.file << ":" << dataCase.line << " " << dataCase.puzzle;
}

std::vector<std::array<int, 4>> exchangeableRectangles(const Grid& answer) {
    std::vector<std::array<int, 4>> found;
    for (int r1 = 0; r1 < 9; ++r1) {
        for (int r2 = r1 + 1; r2 < 9; ++r2) {
            for (int c1 = 0; c1 < 9; ++c1) {
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    // Exactly two boxes: same band xor same stack.
                    const bool sameBand = r1 / 3 == r2 / 3, sameStack = c1 / 3 == c2 / 3;
                    if (sameBand == sameStack) continue;
                    const int a = r1 * 9 + c1, b = r1 * 9 + c2, c = r2 * 9 + c1, d = r2 * 9 + c2;
                    if (answer[a] == answer[d] && answer[b] == answer[c])
                        found.push_back({a, b, c, d});
                }
            }
        }
    }
    return found;
}

int RecordingSink::count(Kind kind) const {
    int n = 0;
    for (const Event& event : events) n += event.kind == kind;
    return n;
}

std::vector<int> RecordingSink::positions() const {
    std::vector<int> result;
    for (const Event& event : events) {
        if (event.kind == Kind::position) result.push_back(event.position);
    }
    return result;
}

}  // namespace ga::testing
