// The identifiers of the board's controls: the status box and the 81 cells.
// They share one numbering with the commands (app/command_ids.h), clear of
// every command's number.
#pragma once

namespace ga {

constexpr int kStatusBoxId = 1500;
constexpr int kFirstCellId = 1501;  // cell index 0, top left; row by row from there
constexpr int kLastCellId = 1581;

// Beside the cells: the clock of the time played and the digit strip, a
// button per digit 1..9.
constexpr int kClockId = 1590;
constexpr int kFirstDigitButtonId = 1591;  // digit 1
constexpr int kLastDigitButtonId = 1599;   // digit 9

// The row numbers at the left of the board (row 1..9), then the column
// numbers above it (column 1..9).
constexpr int kFirstRowLabelId = 1600;
constexpr int kFirstColumnLabelId = 1609;

constexpr int digitButtonId(int digit) {
    return kFirstDigitButtonId + digit - 1;
}
constexpr bool isDigitButtonId(int id) {
    return id >= kFirstDigitButtonId && id <= kLastDigitButtonId;
}

constexpr int cellId(int cellIndex) {
    return kFirstCellId + cellIndex;
}
constexpr bool isCellId(int id) {
    return id >= kFirstCellId && id <= kLastCellId;
}
constexpr int cellIndexOf(int id) {
    return id - kFirstCellId;
}

}  // namespace ga
