#include "core/puzzle_text.h"

namespace ga {

namespace {

constexpr int kOpenCell = 0;
constexpr int kBetweenCells = -1;
constexpr int kNoCell = -2;

// A clue's digit, kOpenCell, kBetweenCells for white space and drawn lines,
// kNoCell for anything else.
int cellOf(char c) {
    switch (c) {
        case '.':
        case '0':
        case '*':
        case '_':
            return kOpenCell;
        case ' ':
        case '\t':
        case '\r':
        case '\v':
        case '\f':
        case '|':
        case '-':
        case '+':
            return kBetweenCells;
        default:
            return c >= '1' && c <= '9' ? c - '0' : kNoCell;
    }
}

}  // namespace

PuzzleTextVerdict readPuzzleText(std::string_view text, PuzzleRecord& record) {
    int cells[kCells];
    int count = 0;
    int rows = 0;  // lines holding cells
    PuzzleTextVerdict shortRow{PuzzleTextStatus::kPuzzle};
    int line = 1;
    int onLine = 0;
    auto endLine = [&] {
        if (onLine == 0) return;
        ++rows;
        if (onLine != 9 && shortRow.status == PuzzleTextStatus::kPuzzle)
            shortRow = {PuzzleTextStatus::kRowLength, line, onLine};
        onLine = 0;
    };
    for (char c : text) {
        if (c == '\n') {
            endLine();
            ++line;
            continue;
        }
        const int cell = cellOf(c);
        if (cell == kNoCell)
            return {PuzzleTextStatus::kBadCharacter, line, 0, static_cast<unsigned char>(c)};
        if (cell == kBetweenCells) continue;
        if (count < kCells) cells[count] = cell;
        ++count;
        ++onLine;
    }
    endLine();

    if (count == 0) return {PuzzleTextStatus::kNoCells};
    if (rows > 1 && shortRow.status != PuzzleTextStatus::kPuzzle) return shortRow;
    if (count != kCells) return {PuzzleTextStatus::kCellCount, 0, count};

    resetRecord(record);
    for (int cell = 0; cell < kCells; ++cell) {
        if (cells[cell] == kOpenCell) continue;
        record.answerGrid[cell] = cells[cell];
        record.openFlags[cell] = 0;
    }
    return {PuzzleTextStatus::kPuzzle};
}

std::string clueLine(const PuzzleRecord& record) {
    std::string line(kCells, '.');
    for (int cell = 0; cell < kCells; ++cell) {
        if (record.openFlags[cell] == 0)
            line[cell] = static_cast<char>('0' + record.answerGrid[cell]);
    }
    return line;
}

}  // namespace ga
