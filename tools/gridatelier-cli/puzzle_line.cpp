#include "tools/gridatelier-cli/puzzle_line.h"

#include <cstdio>

#include "core/puzzle_text.h"

namespace ga::cli {
namespace {

bool isLineSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool isBlank(std::string_view line) {
    for (char c : line) {
        if (!isLineSpace(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

// The value of a cell character: 1..9, 0 for empty, -1 when it is no cell.
int cellValueOf(unsigned char c) {
    if (c >= '1' && c <= '9') return c - '0';
    if (c == '.' || c == '0') return 0;
    return -1;
}

LineVerdict cluesOfLine(std::string_view line, PuzzleRecord& record) {
    for (int cell = 0; cell < kCells; ++cell) {
        if (static_cast<size_t>(cell) == line.size()) return {LineStatus::kTooShort, cell};
        const auto c = static_cast<unsigned char>(line[cell]);
        if (isLineSpace(c)) return {LineStatus::kTooShort, cell};
        if (cellValueOf(c) < 0) return {LineStatus::kBadCharacter, cell, c};
    }
    if (line.size() > kCells) {
        const auto c = static_cast<unsigned char>(line[kCells]);
        if (!isLineSpace(c)) return {LineStatus::kNoSeparator, kCells, c};
    }

    resetRecord(record);
    for (int cell = 0; cell < kCells; ++cell) {
        const int value = cellValueOf(static_cast<unsigned char>(line[cell]));
        if (value != 0) {
            record.answerGrid[cell] = value;
            record.openFlags[cell] = 0;
        }
    }
    return {LineStatus::kPuzzle};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool isPencilMarkGridLine(std::string_view line) {
    bool drawn = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '|' || (c == '-' && line.substr(i, 3) == "---")) drawn = true;
        if (!isDigit(c) && !isLineSpace(static_cast<unsigned char>(c)) &&
            std::string_view("|-+.:*=").find(c) == std::string_view::npos)
            return false;
    }
    return drawn;
}

int pencilMarkCells(std::string_view line) {
    int cells = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (isDigit(line[i]) && (i == 0 || !isDigit(line[i - 1]))) ++cells;
    }
    return cells;
}

LineVerdict parsePuzzleLine(std::string_view line, PuzzleRecord& record) {
    if (line.empty() || line[0] == '#' || isBlank(line)) return {LineStatus::kSkipped};
    const bool severalLines = line.find('\n') != std::string_view::npos;
    const LineVerdict clues =
        severalLines ? LineVerdict{LineStatus::kBadMarks} : cluesOfLine(line, record);
    if (clues.status == LineStatus::kPuzzle || clues.status == LineStatus::kNoSeparator)
        return clues;
    // Not a clue line: a pencil-mark grid, or the clue line's own fault.
    const PencilMarkVerdict marks = readPencilMarks(line, record);
    if (marks.status == PencilMarkStatus::kPuzzle) return {LineStatus::kPuzzle};
    // A line that is no pencil-mark grid is told as a clue line.
    if (!severalLines) return clues;
    LineVerdict verdict{LineStatus::kBadMarks};
    verdict.marks = marks;
    return verdict;
}

namespace {

std::string describeMarks(const PencilMarkVerdict& marks) {
    const std::string where = marks.line > 0 ? " on its line " + std::to_string(marks.line) : "";
    switch (marks.status) {
        case PencilMarkStatus::kNotMarks:
            return "a pencil-mark grid needs a cell with two digits or more";
        case PencilMarkStatus::kBadCharacter:
            return "a pencil-mark grid holds " + quotedCharacter(marks.character) + where +
                   ", a cell must be digits 1-9";
        case PencilMarkStatus::kCellCount:
            return "a pencil-mark grid of " + std::to_string(marks.count) +
                   " cells, a puzzle needs 81";
        case PencilMarkStatus::kRowLength:
            return "a pencil-mark grid with " + std::to_string(marks.count) + " cells" + where +
                   ", a row has 9";
        case PencilMarkStatus::kBadCell:
            return "a pencil-mark grid with a cell" + where + " that repeats a digit or holds 0";
        case PencilMarkStatus::kPuzzle:
            break;
    }
    return "not a pencil-mark grid";
}

}  // namespace

std::string describeVerdict(const LineVerdict& verdict) {
    switch (verdict.status) {
        case LineStatus::kTooShort:
            if (verdict.position == 0) return "white space before the puzzle";
            return "only " + std::to_string(verdict.position) +
                   " cell characters, a puzzle needs 81";
        case LineStatus::kBadCharacter:
            return "character " + std::to_string(verdict.position + 1) + " is " +
                   quotedCharacter(verdict.character) + ", a cell must be 1-9, '.' or '0'";
        case LineStatus::kNoSeparator:
            return "character 82 is " + quotedCharacter(verdict.character) +
                   ", the 81 cells must be followed by white space or the line end";
        case LineStatus::kBadMarks:
            return describeMarks(verdict.marks);
        case LineStatus::kPuzzle:
        case LineStatus::kSkipped:
            break;
    }
    return "not a puzzle line";
}

void reportMalformedLine(std::FILE* results, std::FILE* errors, long lineNumber,
                         const LineVerdict& verdict, const std::string& inputName) {
    std::fflush(results);
    if (!inputName.empty()) std::fprintf(errors, "%s: ", inputName.c_str());
    std::fprintf(errors, "line %ld: %s\n", lineNumber, describeVerdict(verdict).c_str());
}

}  // namespace ga::cli
