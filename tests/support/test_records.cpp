#include "tests/support/test_records.h"

#include <fstream>
#include <sstream>

#include "core/searches.h"
#include "generator/random.h"
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

std::string textOf(const int32_t* grid) {
    std::string text(kCells, '.');
    for (int cell = 0; cell < kCells; ++cell) {
        if (grid[cell] >= 1 && grid[cell] <= 9) text[cell] = static_cast<char>('0' + grid[cell]);
    }
    return text;
}

std::string clueText(const PuzzleRecord& record) {
    std::string text = textOf(record.answerGrid);
    for (int cell = 0; cell < kCells; ++cell) {
        if (record.openFlags[cell] != 0) text[cell] = '.';
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
        record.answerGrid[cell] = clues[cell];
        record.openFlags[cell] = clues[cell] == 0;
    }
    return record;
}

PuzzleRecord puzzleFromText(std::string_view text81) {
    const Grid values = gridFromText(text81);
    PuzzleRecord record = puzzleFromClues(values);
    for (int cell = 0; cell < kCells; ++cell) {
        if (text81[cell] < '1' || text81[cell] > '9') {
            record.openFlags[cell] = 1;
            record.answerGrid[cell] = 0;
            record.valueGrid[cell] = values[cell];
        }
    }
    return record;
}

PuzzleRecord puzzleWithAnswer(const Grid& clues, const Grid& answer) {
    PuzzleRecord record = puzzleFromClues(clues);
    for (int cell = 0; cell < kCells; ++cell) record.answerGrid[cell] = answer[cell];
    record.answerKnown = 1;
    return record;
}

Grid randomAnswer(uint32_t seed) {
    seedRandomWith(seed);
    PuzzleRecord record;
    resetRecord(record);
    ProgressMeter meter;
    fillAtRandom(record, meter);
    return copyOf(record.valueGrid);
}

Grid exactAnswer(std::string_view text81) {
    Grid answer{};
    solveOne(gridFromText(text81).data(), answer.data());
    return answer;
}

bool keepsGivens(const int32_t* values, const Grid& givens) {
    for (int cell = 0; cell < kCells; ++cell) {
        if (givens[cell] != 0 && values[cell] != givens[cell]) return false;
    }
    return true;
}

uint32_t maskOf(std::string_view digits) {
    uint32_t mask = 0;
    for (char c : digits) mask |= 1u << (c - '1');
    return mask;
}

std::vector<DataCase> readDataCases(const std::string& path) {
    std::vector<DataCase> cases;
    std::ifstream in(path);
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

std::string dataCaseName(const DataCase& dataCase) {
    return "line" + std::to_string(dataCase.line);
}

void PrintTo(const DataCase& dataCase, std::ostream* out) {
    *out << "line " << dataCase.line << " " << dataCase.puzzle;
}

std::vector<int> RecordingSink::positions() const {
    std::vector<int> result;
    for (const Event& event : events) {
        if (event.kind == Kind::position) result.push_back(event.position);
    }
    return result;
}

bool RecordingSink::framed() const {
    int shown = 0, hidden = 0;
    for (const Event& event : events) {
        shown += event.kind == Kind::show;
        hidden += event.kind == Kind::hide;
    }
    return shown == 1 && hidden == 1 && events.size() >= 3 && events[0].kind == Kind::show &&
           events[1].kind == Kind::position && events[1].position == 0 &&
           events.back().kind == Kind::hide;
}

}  // namespace ga::testing
