#include "core/puzzle_text.h"

#include <cstdio>

#include "core/bits.h"
#include "core/candidates.h"

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

namespace {

// The drawn lines of a clue grid, and the dots, colons, stars and equals
// signs of a pencil-mark grid's borders (where a dot is no open cell).
bool betweenMarks(char c) {
    return cellOf(c) == kBetweenCells || c == '.' || c == ':' || c == '*' || c == '=';
}

}  // namespace

PencilMarkVerdict readPencilMarks(std::string_view text, PuzzleRecord& record) {
    uint32_t masks[kCells] = {};
    int count = 0, rows = 0, line = 1, onLine = 0;
    bool listed = false;  // some cell holds two digits or more
    PencilMarkVerdict shortRow;
    auto endLine = [&] {
        if (onLine == 0) return;
        ++rows;
        if (onLine != 9 && shortRow.status == PencilMarkStatus::kPuzzle)
            shortRow = {PencilMarkStatus::kRowLength, line, onLine};
        onLine = 0;
    };
    for (size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == '\n') {
            endLine();
            ++line;
            ++at;
            continue;
        }
        if (betweenMarks(c)) {
            ++at;
            continue;
        }
        if (c < '1' || c > '9')
            return {PencilMarkStatus::kBadCharacter, line, 0, static_cast<unsigned char>(c)};
        uint32_t mask = 0;
        int digits = 0;
        for (; at < text.size() && text[at] >= '1' && text[at] <= '9'; ++at, ++digits) {
            const uint32_t bit = bitOfValue(text[at] - '0');
            if (mask & bit) return {PencilMarkStatus::kBadCell, line};
            mask |= bit;
        }
        if (at < text.size() && text[at] == '0') return {PencilMarkStatus::kBadCell, line};
        listed = listed || digits >= 2;
        if (count < kCells) masks[count] = mask;
        ++count;
        ++onLine;
    }
    endLine();
    if (!listed) return {PencilMarkStatus::kNotMarks};
    if (rows > 1 && shortRow.status != PencilMarkStatus::kPuzzle) return shortRow;
    if (count != kCells) return {PencilMarkStatus::kCellCount, 0, count};

    resetRecord(record);
    for (int cell = 0; cell < kCells; ++cell) {
        if (isSingleBit(masks[cell])) {
            record.answerGrid[cell] = valueOfSingleBit(masks[cell]);
            record.openFlags[cell] = 0;
        } else {
            record.candidateNumbers[cell] = candidateNumberOf(masks[cell]);
        }
    }
    return {};
}

std::string quotedCharacter(unsigned char c) {
    char text[16];
    if (c >= 0x20 && c < 0x7f) {
        std::snprintf(text, sizeof text, "'%c'", c);
    } else {
        std::snprintf(text, sizeof text, "byte 0x%02X", c);
    }
    return text;
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
