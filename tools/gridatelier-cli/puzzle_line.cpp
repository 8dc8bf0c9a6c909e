#include "tools/gridatelier-cli/puzzle_line.h"

#include <cstdio>

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

// Quotes a character so that control bytes and non-ASCII survive a terminal.
std::string quoted(unsigned char c) {
    char text[16];
    if (c >= 0x20 && c < 0x7f) {
        std::snprintf(text, sizeof text, "'%c'", c);
    } else {
        std::snprintf(text, sizeof text, "byte 0x%02X", c);
    }
    return text;
}

}  // namespace

LineVerdict parsePuzzleLine(std::string_view line, PuzzleRecord& record) {
    if (line.empty() || line[0] == '#' || isBlank(line)) return {LineStatus::kSkipped};

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

std::string describeVerdict(const LineVerdict& verdict) {
    switch (verdict.status) {
        case LineStatus::kTooShort:
            if (verdict.position == 0) return "white space before the puzzle";
            return "only " + std::to_string(verdict.position) +
                   " cell characters, a puzzle needs 81";
        case LineStatus::kBadCharacter:
            return "character " + std::to_string(verdict.position + 1) + " is " +
                   quoted(verdict.character) + ", a cell must be 1-9, '.' or '0'";
        case LineStatus::kNoSeparator:
            return "character 82 is " + quoted(verdict.character) +
                   ", the 81 cells must be followed by white space or the line end";
        case LineStatus::kPuzzle:
        case LineStatus::kSkipped:
            break;
    }
    return "not a puzzle line";
}

void reportMalformedLine(std::FILE* results, std::FILE* errors, long lineNumber,
                         const LineVerdict& verdict) {
    std::fflush(results);
    std::fprintf(errors, "line %ld: %s\n", lineNumber, describeVerdict(verdict).c_str());
}

}  // namespace ga::cli
