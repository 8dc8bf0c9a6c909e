#include "bench/puzzle_file.h"

#include <fstream>

namespace ga::bench {

bool recordFromText(const std::string& text, PuzzleRecord& record) {
    if (text.size() != kCells) return false;
    resetRecord(record);
    for (int cell = 0; cell < kCells; ++cell) {
        const char c = text[cell];
        if (c >= '1' && c <= '9') {
            record.openFlags[cell] = 0;
            record.answerGrid[cell] = c - '0';
        } else if (c != '.' && c != '0') {
            return false;
        }
    }
    return true;
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isSkipped(const std::string& line) {
    size_t first = 0;
    while (first < line.size() && isBlank(line[first])) ++first;
    return first == line.size() || line[0] == '#';
}

// The first word after the puzzle's 81 characters.
std::string groupOf(const std::string& line) {
    size_t begin = kCells;
    while (begin < line.size() && isBlank(line[begin])) ++begin;
    size_t end = begin;
    while (end < line.size() && !isBlank(line[end])) ++end;
    return line.substr(begin, end - begin);
}

}  // namespace

bool readPuzzleFile(const std::string& path, int limit, const std::string& onlyGroup,
                    std::vector<LoadedPuzzle>& puzzles, std::string& problem) {
    std::ifstream file(path);
    if (!file) {
        problem = "cannot read " + path;
        return false;
    }
    std::string line;
    int lineNumber = 0;
    while ((limit < 0 || static_cast<int>(puzzles.size()) < limit) && std::getline(file, line)) {
        ++lineNumber;
        if (isSkipped(line)) continue;
        LoadedPuzzle puzzle;
        puzzle.text = line.substr(0, kCells);
        const bool separated =
            line.size() == kCells || (line.size() > kCells && isBlank(line[kCells]));
        if (!separated || !recordFromText(puzzle.text, puzzle.record)) {
            problem = path + ": line " + std::to_string(lineNumber) + ": not a puzzle";
            return false;
        }
        puzzle.group = groupOf(line);
        puzzle.lineNumber = lineNumber;
        if (onlyGroup.empty() || puzzle.group == onlyGroup) puzzles.push_back(puzzle);
    }
    return true;
}

}  // namespace ga::bench
