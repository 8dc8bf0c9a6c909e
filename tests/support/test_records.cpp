#include "tests/support/test_records.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/random.h"
#include "core/searches.h"
#include "tests/support/exact_solver.h"

namespace ga::testing {

Grid gridFromText(std::string_view text81) {
    Grid grid{};
    for (size_t cell = 0; cell < grid.size() && cell < text81.size(); ++cell) {
        const char c = text81[cell];
        grid[cell] = c >= '1' && c <= '9' ? c - '0' : c >= 'a' && c <= 'i' ? c - 'a' + 1 : 0;
    }
    return grid;
}

std::string textOf(const Grid& grid) {
    std::string text(kCells, '.');
    for (int cell = 0; cell < kCells; ++cell) {
        if (grid[cell] >= 1 && grid[cell] <= 9) text[cell] = static_cast<char>('0' + grid[cell]);
    }
    return text;
}

Grid copyOf(const int32_t* grid) {
    Grid copy{};
    std::copy(grid, grid + kCells, copy.begin());
    return copy;
}

PuzzleRecord puzzleFromText(std::string_view text81) {
    const Grid values = gridFromText(text81);
    PuzzleRecord record;
    resetRecord(record);
    for (int cell = 0; cell < kCells; ++cell) {
        const bool clue = values[cell] != 0 && text81[cell] >= '1' && text81[cell] <= '9';
        (clue ? record.answerGrid : record.valueGrid)[cell] = values[cell];
        record.openFlags[cell] = !clue;
    }
    return record;
}

PuzzleRecord puzzleWithAnswer(const Grid& clues, const Grid& answer) {
    PuzzleRecord record = puzzleFromText(textOf(clues));
    record.answerGrid = answer;
    record.answerKnown = 1;
    return record;
}

Grid randomAnswer(uint32_t seed) {
    seedRandomWith(seed);
    PuzzleRecord record;
    resetRecord(record);
    ProgressMeter meter;
    fillAtRandom(record, meter);
    return record.valueGrid;
}

std::string regionRowsProblem(const int32_t* rows, int n, int maxCells, const Grid& answer) {
    const int width = maxCells + 1;
    for (int r = 0; r < n; ++r) {
        const int32_t* row = rows + r * width;
        const int count = row[maxCells];
        Grid clues = answer;
        for (int i = 0; i < maxCells && count >= 1 && count <= maxCells; ++i) {
            if (i < count ? row[i] < 0 || row[i] >= kCells || (i > 0 && row[i - 1] >= row[i])
                          : row[i] != 0)
                return "row " + std::to_string(r) + " entry " + std::to_string(i);
            if (i < count) clues[row[i]] = 0;
        }
        if (count < 1 || count > maxCells || countAnswers(clues.data()) != 2)
            return "row " + std::to_string(r) + " is no Region";
        const auto key = [maxCells](const int32_t* at) {
            return std::make_pair(at[maxCells], std::vector<int32_t>(at, at + maxCells));
        };
        if (r > 0 && !(key(row - width) < key(row)))
            return "row " + std::to_string(r) + " out of order";
    }
    return "";
}

std::vector<DataCase> readDataCases(const std::string& name) {
    std::vector<DataCase> cases;
    std::ifstream in(std::string(GA_TEST_DATA_DIR "/") + name);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        const auto colon = text.find(':');
        if (text.empty() || text[0] == '#' || colon == std::string::npos) continue;
        DataCase& dataCase = cases.emplace_back(DataCase{line, text.substr(0, colon), {}});
        std::istringstream numbers(text.substr(colon + 1));
        for (int value; numbers >> value;) dataCase.expected.push_back(value);
    }
    return cases;
}

bool RecordingSink::framed() const {
    return events.size() >= 3 && events[0] == kShown && events[1] == 0 &&
           events.back() == kHidden && std::all_of(events.begin() + 1, events.end() - 1, [](int p) {
               return p >= 0 && p <= 101;
           });
}

}  // namespace ga::testing
